#include "app/gui/application/InteractionProbe.h"

#include "app/gui/application/LoadTimeProbe.h"
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/FolderDragData.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/window/MainWindow.h"
#include "editor/MenuEditor.h"
#include "menu/MenuTree.h"
#include "menu/gui/MenuTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace torvex {

namespace {

// Lets the window run for `milliseconds`: timers fire, paints happen.
void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

MenuNode *entryTitled(const MenuTree &tree, const std::string &title)
{
    MenuNode *found = nullptr;
    tree.forEach([&](MenuNode *node) {
        if (node->title() == title)
            found = node;
        return !found;
    });
    return found;
}

// Yes, else the default button of a question, or the dialog closed: the probe has no user to ask.
void answerQuestions()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    std::printf("question: %s\n", modal->windowTitle().toUtf8().constData());
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box)
        std::printf("  %s\n", box->text().toUtf8().constData());
    if (box && box->button(QMessageBox::Yes))
        box->button(QMessageBox::Yes)->click();
    else if (box && box->defaultButton())
        box->defaultButton()->click();
    else if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

InteractionProbe *InteractionProbe::installIfRequested(MainWindow &window)
{
    if (!std::getenv(variable))
        return nullptr;
    return new InteractionProbe(window);
}

InteractionProbe::InteractionProbe(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    auto *questions = new QTimer(this);
    questions->setInterval(100);
    connect(questions, &QTimer::timeout, this, &answerQuestions);
    questions->start();
    QTimer::singleShot(0, this, &InteractionProbe::waitForLoad);
}

void InteractionProbe::waitForLoad()
{
    if (m_window.tree().count() == 0) {
        QTimer::singleShot(20, this, &InteractionProbe::waitForLoad);
        return;
    }
    // The load's own timers (the tree's widths, the status) settle first.
    runFor(1000);
    run();
    std::fflush(stdout);
    std::_Exit(0);
}

void InteractionProbe::measure(const char *name, const std::function<void()> &action)
{
    runFor(200);
    const double cpuBefore = processCpuMilliseconds();
    const long memoryBefore = statusKilobytes("VmRSS");
    action();
    // Until the timers that follow a change (the problem list's rescan after 150 ms) ran.
    runFor(500);
    std::printf("interaction %s: cpu %.0f ms, memory %+ld KB\n",
        name,
        processCpuMilliseconds() - cpuBefore,
        statusKilobytes("VmRSS") - memoryBefore);
    std::fflush(stdout);
}

void InteractionProbe::typeInto(QLineEdit *edit, QChar character)
{
    // As typed at the cursor: the edit tells of a user's edit (textEdited), not of a text set.
    edit->setFocus();
    edit->end(false);
    edit->insert(QString(character));
}

void InteractionProbe::measureFind(const QString &text)
{
    auto *findBar = m_window.findChild<FindBar *>();
    findBar->textEdit()->clear();
    measure("find-open", [&] {
        findBar->open();
    });
    for (QChar key : text) {
        measure("find-character", [&] {
            typeInto(findBar->textEdit(), key);
        });
    }
    std::printf("find %s: %s\n", text.toUtf8().constData(), findBar->countText().toUtf8().constData());
    measure("find-close", [&] {
        findBar->close();
    });
}

void InteractionProbe::run()
{
    // Only the find box, with the texts asked for.
    if (const char *texts = std::getenv(findVariable)) {
        for (const QString &text : QString::fromUtf8(texts).split(u',', Qt::SkipEmptyParts))
            measureFind(text);
        return;
    }
    MenuTree &tree = m_window.tree();
    MenuTreeView &view = *m_window.treeView();
    const auto action = [this](const char *name) {
        auto *found = m_window.findChild<QAction *>(QLatin1String(name));
        if (!found)
            std::printf("no action %s\n", name);
        return found;
    };
    const auto trigger = [&](const char *name) {
        if (QAction *found = action(name))
            found->trigger();
    };

    measure("open-problems", [&] {
        trigger("viewProblems");
    });
    // TORVEX_MEASURE_INTERACTIONS=open-problems: that alone, for a profile of the opening.
    if (std::string(std::getenv(variable)) == "open-problems")
        return;

    // An entry in the middle of the menu, its title typed into.
    const std::string middle = "Folder " + std::to_string(tree.count() / 2 / 10 * 10 + 5);
    tree.setSelected(entryTitled(tree, middle));
    m_window.menuEditor().showSelectedEntry();
    auto *title = m_window.findChild<QLineEdit *>(QStringLiteral("EditTitle"));
    for (QChar key : QStringLiteral("xyz")) {
        measure("title-key-with-problems", [&] {
            typeInto(title, key);
        });
    }
    std::printf("title now: %s\n", tree.selected() ? std::string(tree.selected()->title()).c_str() : "(none)");
    trigger("viewProblems"); // closed again

    measureFind(QStringLiteral("999"));

    if (MenuNode *big = entryTitled(tree, "Big")) {
        tree.setSelected(big);
        const std::size_t before = tree.count();
        measure("delete-submenu", [&] {
            trigger("mnuPopupDeleteSelectedMenu");
        });
        std::printf("deleted %zu entries\n", before - tree.count());
        measure("undo-delete-submenu", [&] {
            trigger("mnuEditUndo");
        });
    }

    // A folder from the folder list, dropped on the first row: through the tree's drop handler,
    // as the view hands it the drag's events (the drop itself runs once the drag is over).
    view.scrollToTop();
    runFor(100);
    const QPoint top = view.visualRect(view.model()->index(0, 0)).center();
    const std::size_t beforeDrop = tree.count();
    if (TreeDropHandler *handler = view.dropHandler()) {
        measure("drop-folder", [&] {
            std::unique_ptr<QMimeData> data(
                FolderDragData::encode({ { "Dropped", "C:\\Dropped" } }));
            TreeDrag drag { top, data.get(), nullptr, {}, Qt::CopyAction, true };
            handler->dragMoved(drag);
            drag.entering = false;
            handler->dragMoved(drag);
            handler->dropped(drag);
        });
    }
    std::printf("dropped %zu entries\n", tree.count() - beforeDrop);

    // The first "Folder" entry of the menu, dragged onto the last row.
    MenuNode *first = nullptr;
    tree.forEach([&](MenuNode *node) {
        if (node->title().starts_with("Folder "))
            first = node;
        return !first;
    });
    if (TreeDropHandler *handler = view.dropHandler(); handler && first) {
        const MenuNode *parentBefore = first->parent();
        const int rowBefore = first->row();
        tree.setSelected(first);
        runFor(100);
        measure("drag-to-other-end", [&] {
            Q_EMIT view.dragStarting();
            view.scrollToBottom();
            QCoreApplication::processEvents();
            const QModelIndex last = view.indexAt(QPoint(5, view.viewport()->height() - 3));
            QMimeData data;
            data.setData(MenuTreeView::nodeMimeType, QByteArray());
            TreeDrag drag { view.visualRect(last).center(),
                &data,
                view.viewport(),
                {},
                Qt::MoveAction,
                true };
            handler->dragMoved(drag);
            drag.entering = false;
            handler->dragMoved(drag);
            handler->dropped(drag);
        });
        std::printf("moved: %s\n",
            first->parent() != parentBefore || first->row() != rowBefore ? "yes" : "no");
    }

    measure("save", [&] {
        // The checks before writing (the file's menu compared with the one loaded, what the
        // file cannot store) apart from the save as a whole.
        const double start = processCpuMilliseconds();
        const long memoryBefore = statusKilobytes("VmRSS");
        double checked = -1;
        long memoryChecked = 0;
        m_window.files().setSaveCheckedObserver([&] {
            checked = processCpuMilliseconds();
            memoryChecked = statusKilobytes("VmRSS");
        });
        trigger("mnuFilesSave");
        m_window.files().setSaveCheckedObserver({});
        if (checked >= 0)
            std::printf("interaction save-check: cpu %.0f ms, memory %+ld KB\n",
                checked - start,
                memoryChecked - memoryBefore);
    });

    // Last: with a large menu it may take longer than everything before.
    tree.setTitle(tree.first(), std::string(tree.first()->title()) + "x");
    measure("show-changes-after-one-edit", [&] {
        trigger("mnuFileShowChanges");
    });
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &m_window && window->isVisible() && !qobject_cast<QMenu *>(window))
            window->close();
    }
}

} // namespace torvex
