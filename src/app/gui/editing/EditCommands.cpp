#include "app/gui/editing/EditCommands.h"

#include "app/gui/tree/FindBar.h"
#include "app/gui/editing/EntryMoveCommands.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/editing/SortCommands.h"
#include "app/gui/window/MainMenus.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/tree/TreeDragDrop.h"
#include "app/gui/editing/UndoHistory.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

#include <algorithm>

namespace torvex {

namespace {

// The text of an action naming a step: an ampersand in a title is no mnemonic.
QString actionText(const QString &verb, const QString &step)
{
    if (step.isEmpty())
        return verb;
    QString escaped = step;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return verb + QLatin1Char(' ') + escaped;
}

bool isUndoOrRedoKey(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
        || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)
        || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
}

} // namespace

EditCommands::EditCommands(QMainWindow &window,
    MainMenus &menus,
    UndoHistory &history,
    MenuTree &tree,
    MenuEditor &editor,
    MainWindowPanes &panes)
    : QObject(&window)
    , m_window(window)
    , m_history(history)
    , m_tree(*panes.treeView())
{
    ItemEditorPanel &itemEditor = *panes.itemEditor();
    MenuTreeView &view = *panes.treeView();

    m_findBar = new FindBar(tree, view, editor);
    if (auto *layout = qobject_cast<QBoxLayout *>(view.parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(&view), m_findBar);

    // A line edit takes the undo keys for its own text; here they undo menu steps, whose
    // undo brings the edit's text back with the entry's.
    for (QLineEdit *edit : { itemEditor.titleEdit(),
             itemEditor.commandEdit(),
             itemEditor.targetPathEdit(),
             m_findBar->textEdit() })
        edit->installEventFilter(this);
    QMenu *menu = buildMenu(menus);
    m_moves = new EntryMoveCommands(*menu, view, m_history, tree, menus, this);
    m_sort = new SortCommands(*menu, menus.popup(), m_history, tree, this);
}

EditCommands::~EditCommands() = default;

QMenu *EditCommands::buildMenu(MainMenus &menus)
{
    QMenu *menu = menus.addMenuBeforeOptions(tr("&Edit"), "mnuEdit");
    QUndoStack *stack = m_history.stack();

    auto *undo = menu->addAction(tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuEditUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, &m_history, &UndoHistory::undo);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString &text) {
        undo->setText(actionText(tr("&Undo"), text));
    });

    auto *redo = menu->addAction(tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuEditRedo"));
    redo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, &m_history, &UndoHistory::redo);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString &text) {
        redo->setText(actionText(tr("&Redo"), text));
    });

    menu->addSeparator();
    auto *history = menu->addAction(tr("&History..."));
    history->setObjectName(QStringLiteral("mnuEditHistory"));
    connect(history, &QAction::triggered, this, &EditCommands::showHistory);

    menu->addSeparator();
    auto *find = menu->addAction(tr("&Find..."));
    find->setObjectName(QStringLiteral("mnuEditFind"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, m_findBar, &FindBar::open);
    return menu;
}

QRect besideWindow(const QRect &window, const QSize &tool, const QRect &screen, int treeLeft)
{
    const int lowest = std::max(screen.top(), screen.bottom() + 1 - tool.height());
    const int top = std::clamp(window.top(), screen.top(), lowest);
    if (window.right() + 1 + tool.width() <= screen.right() + 1)
        return { QPoint(window.right() + 1, top), tool };
    if (window.left() - tool.width() >= screen.left())
        return { QPoint(window.left() - tool.width(), top), tool };
    const int left = std::max(screen.left(), treeLeft - tool.width());
    return { left, top, std::max(1, std::min(tool.width(), treeLeft - left)), tool.height() };
}

void placeBesideWindow(QWidget &tool, const QWidget &window, const QWidget &tree)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    // The tool's frame is not known before it is first shown: the window's frame margins
    // stand for it.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QRect outer = besideWindow(window.frameGeometry(),
        tool.size() + frame,
        screen->availableGeometry(),
        tree.mapToGlobal(QPoint(0, 0)).x());
    tool.resize(outer.size() - frame);
    tool.move(outer.topLeft());
}

void EditCommands::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new QDialog(&m_window);
        m_historyWindow->setObjectName(QStringLiteral("HistoryWindow"));
        m_historyWindow->setWindowTitle(tr("History"));
        auto *layout = new QVBoxLayout(m_historyWindow);
        auto *view = new QUndoView(m_history.stack(), m_historyWindow);
        view->setObjectName(QStringLiteral("HistoryList"));
        view->setEmptyLabel(tr("<menu as loaded>"));
        layout->addWidget(view);
    }
    if (!m_historyWindow->isVisible()) {
        m_historyWindow->resize(360, 420);
        placeBesideWindow(*m_historyWindow, m_window, m_tree);
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

bool EditCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && isUndoOrRedoKey(static_cast<QKeyEvent *>(event))) {
        // Not taken: the window's Undo and Redo get the key.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torvex
