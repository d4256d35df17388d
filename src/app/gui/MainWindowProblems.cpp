// The problem list of the main window: a dock below the panes, shown and hidden from
// View > Problems, over the same rule the searches and torvex-menu check use.

#include "app/gui/MainMenus.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MainWindowPanes.h"
#include "editor/EntryDestination.h"
#include "editor/gui/ProblemListPanel.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/WindowsView.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>

namespace torvex {

void MainWindow::buildProblemList()
{
    auto *panel = new ProblemListPanel(
        m_tree,
        *m_panes->treeModel(),
        [this] {
            // COMMANDER_PATH follows the file being edited.
            return DestinationRule::forView(
                *m_view, commanderPath(m_view->registry(), m_session.currentIniFile()));
        },
        nullptr);
    m_problemDock = new QDockWidget(QStringLiteral("Problems"), this);
    m_problemDock->setObjectName(QStringLiteral("problemDock"));
    m_problemDock->setWidget(panel);
    m_problemDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemDock);
    m_problemDock->hide();

    // View stands between File and Options, where desktop programs keep it.
    QMenu *viewMenu = m_menus->addMenuBeforeOptions(QStringLiteral("&View"), "viewMenu");
    QAction *toggle = m_problemDock->toggleViewAction();
    toggle->setText(QStringLiteral("&Problems"));
    toggle->setObjectName(QStringLiteral("viewProblems"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    viewMenu->addAction(toggle);

    // The panes keep their height: the window grows by the dock while it is shown, and gives
    // the room back when it closes (unless the user resized the window meanwhile).
    connect(m_problemDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        static constexpr int dockHeight = 200;
        if (isMaximized() || isFullScreen() || m_problemDock->isFloating())
            return;
        if (visible && m_problemDockGrowth == 0) {
            m_problemDockGrowth = dockHeight;
            resize(width(), height() + dockHeight);
        } else if (!visible && m_problemDockGrowth != 0) {
            resize(width(), height() - m_problemDockGrowth);
            m_problemDockGrowth = 0;
        }
    });

    connect(panel, &ProblemListPanel::entryChosen, this, [this](MenuNode *node) {
        m_tree.setSelected(node);
        showSelectedEntry();
    });
    connect(panel,
        &ProblemListPanel::deleteRequested,
        this,
        [this](const std::vector<MenuNode *> &nodes) {
            // The panel gives no node inside another one's submenu: each delete leaves the others
            // in place.
            for (MenuNode *node : nodes)
                deleteEntry(node);
            showSelectedEntry();
        });
}

} // namespace torvex
