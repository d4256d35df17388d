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

namespace torvex {

ProblemDock::ProblemDock(QMainWindow &window,
    MainMenus &menus,
    MenuTree &tree,
    MenuTreeModel &model,
    const CurrentWindowsView &views,
    const Session &session)
    : QDockWidget(QStringLiteral("Problems"), &window)
    , m_window(window)
{
    auto *panel = new ProblemListPanel(
        tree,
        model,
        [&views, &session] {
            // COMMANDER_PATH follows the file being edited, and so does the prefix.
            const WindowsView &view = views.view();
            return DestinationRule::forView(
                view, commanderPath(view.registry(), session.currentIniFile()));
        },
        nullptr);
    setObjectName(QStringLiteral("problemDock"));
    setWidget(panel);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    window.addDockWidget(Qt::BottomDockWidgetArea, this);
    hide();

    // View stands between File and Options, where desktop programs keep it.
    QMenu *viewMenu = menus.addMenuBeforeOptions(QStringLiteral("&View"), "viewMenu");
    QAction *toggle = toggleViewAction();
    toggle->setText(QStringLiteral("&Problems"));
    toggle->setObjectName(QStringLiteral("viewProblems"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    viewMenu->addAction(toggle);

    connect(this, &QDockWidget::visibilityChanged, this, &ProblemDock::fitWindow);
    connect(panel, &ProblemListPanel::entryChosen, this, &ProblemDock::entryChosen);
    connect(panel, &ProblemListPanel::deleteRequested, this, &ProblemDock::deleteRequested);
}

void ProblemDock::fitWindow(bool visible)
{
    // The panes keep their height: the window grows by the dock while it is shown, and gives
    // the room back when it closes (unless the user resized the window meanwhile).
    static constexpr int dockHeight = 200;
    if (m_window.isMaximized() || m_window.isFullScreen() || isFloating())
        return;
    if (visible && m_growth == 0) {
        m_growth = dockHeight;
        m_window.resize(m_window.width(), m_window.height() + dockHeight);
    } else if (!visible && m_growth != 0) {
        m_window.resize(m_window.width(), m_window.height() - m_growth);
        m_growth = 0;
    }
}

} // namespace torvex
