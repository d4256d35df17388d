#include "app/gui/editing/ProblemDock.h"

#include "app/Session.h"
#include "app/gui/window/MainMenus.h"
#include "editor/EntryDestination.h"
#include "editor/gui/ProblemListPanel.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/CurrentWindowsView.h"
#include "platform/WindowsView.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <algorithm>

namespace torvex {

ProblemDock::ProblemDock(QMainWindow &window,
    MainMenus &menus,
    MenuTree &tree,
    MenuTreeModel &model,
    CurrentWindowsView &views,
    const Session &session)
    : QDockWidget(tr("Problems"), &window)
    , m_window(window)
{
    auto *panel = new ProblemListPanel(
        tree,
        model,
        [this, &views, &session] {
            // COMMANDER_PATH follows the file being edited, and so does the prefix: the
            // folders looked up for another file are looked up again.
            if (session.currentIniFile() != m_ruleFile) {
                m_ruleFile = session.currentIniFile();
                m_panel->forgetChecks();
            }
            const WindowsView &view = views.view();
            return DestinationRule::forView(
                view, commanderPath(view.registry(), session.currentIniFile()));
        },
        nullptr);
    m_panel = panel;
    views.onReplaced([panel] {
        panel->forgetChecks();
    });
    setObjectName(QStringLiteral("problemDock"));
    setWidget(panel);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    window.addDockWidget(Qt::BottomDockWidgetArea, this);
    hide();

    // View stands between File and Options, where desktop programs keep it.
    QMenu *viewMenu = menus.addMenuBeforeOptions(tr("&View"), "viewMenu");
    QAction *toggle = toggleViewAction();
    toggle->setText(tr("&Problems"));
    toggle->setObjectName(QStringLiteral("viewProblems"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    viewMenu->addAction(toggle);

    connect(this, &QDockWidget::visibilityChanged, this, &ProblemDock::shareHeight);
    connect(panel, &ProblemListPanel::entryChosen, this, &ProblemDock::entryChosen);
    connect(panel, &ProblemListPanel::deleteRequested, this, &ProblemDock::deleteRequested);
}

void ProblemDock::shareHeight(bool visible)
{
    // The dock takes its room from the panes, not from the screen: the window keeps its
    // size, and the dock gets at most a third of it.
    static constexpr int designHeight = 200;
    if (!visible || isFloating())
        return;
    m_window.resizeDocks({ this }, { std::min(designHeight, m_window.height() / 3) }, Qt::Vertical);
}

} // namespace torvex
