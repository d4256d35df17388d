#include "app/gui/editing/EntryMoveCommands.h"

#include "app/gui/editing/UndoHistory.h"
#include "app/gui/window/MainMenus.h"
#include "menu/MenuTree.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace torvex {

namespace {

struct MoveEntry
{
    EntryStep step;
    const char *name;
    const char *caption;
    const char *stepName; // the undo step's name, the entry's title its %1
    Qt::Key key;
};

constexpr MoveEntry moveEntries[] = {
    { EntryStep::Up,
        "mnuEditMoveUp",
        QT_TRANSLATE_NOOP("torvex::EntryMoveCommands", "Move u&p"),
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Move up %1"),
        Qt::Key_Up },
    { EntryStep::Down,
        "mnuEditMoveDown",
        QT_TRANSLATE_NOOP("torvex::EntryMoveCommands", "Move &down"),
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Move down %1"),
        Qt::Key_Down },
    { EntryStep::OutOfSubmenu,
        "mnuEditMoveOut",
        QT_TRANSLATE_NOOP("torvex::EntryMoveCommands", "Move &out of submenu"),
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Move out of submenu %1"),
        Qt::Key_Left },
    { EntryStep::IntoSubmenuAbove,
        "mnuEditMoveIn",
        QT_TRANSLATE_NOOP("torvex::EntryMoveCommands", "Move &into submenu above"),
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Move into submenu above %1"),
        Qt::Key_Right },
};

} // namespace

EntryMoveCommands::EntryMoveCommands(QMenu &editMenu,
    QWidget &treeView,
    UndoHistory &history,
    MenuTree &tree,
    const MainMenus &menus,
    QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_tree(tree)
    , m_menus(menus)
{
    editMenu.addSeparator();
    for (const MoveEntry &entry : moveEntries) {
        const QKeySequence key(Qt::CTRL | entry.key);
        auto *action = editMenu.addAction(tr(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        // The menu shows the key; the tree's own shortcut acts on it.
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        const EntryStep step = entry.step;
        connect(action, &QAction::triggered, this, [this, step] {
            move(step);
        });
        auto *shortcut = new QShortcut(key, &treeView, nullptr, nullptr, Qt::WidgetShortcut);
        shortcut->setObjectName(QLatin1String(entry.name) + QStringLiteral("Key"));
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            move(step);
        });
        m_actions[int(step)] = action;
    }
    connect(&editMenu, &QMenu::aboutToShow, this, [this] {
        for (const MoveEntry &entry : moveEntries)
            m_actions[int(entry.step)]->setEnabled(
                !isHeldBack() && canStepEntry(m_tree.selected(), entry.step));
    });
}

void EntryMoveCommands::holdBackWhile(std::function<bool()> heldBack,
    std::function<void()> tellHeldBack)
{
    m_heldBack = std::move(heldBack);
    m_tellHeldBack = std::move(tellHeldBack);
}

bool EntryMoveCommands::isHeldBack() const
{
    return m_heldBack && m_heldBack();
}

void EntryMoveCommands::move(EntryStep step)
{
    MenuNode *selected = m_tree.selected();
    // Nothing moves while the menus are held back (a load or a save), nor where the entry's
    // place does not allow the step: no empty step in the history then.
    if (!m_menus.isEnabled() || !canStepEntry(selected, step))
        return;
    if (isHeldBack()) {
        if (m_tellHeldBack)
            m_tellHeldBack();
        return;
    }
    m_history.recordOnSelected(
        LocalText(stepNameContext, moveEntries[int(step)].stepName), [this, selected, step] {
            stepEntry(m_tree, selected, step);
        });
}

} // namespace torvex
