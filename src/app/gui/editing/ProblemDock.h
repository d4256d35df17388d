#pragma once

#include <QDockWidget>

#include <string>
#include <vector>

class QMainWindow;

namespace torvex {

class MainMenus;
class MenuNode;
class MenuTree;
class MenuTreeModel;
class Session;
class CurrentWindowsView;

// The problem list of the main window: a dock below the panes, shown and hidden from
// View > Problems, over the same rule the searches and torvex-menu check use. The dock shares
// the window's height with the panes; the window keeps its size.
class ProblemDock : public QDockWidget
{
    Q_OBJECT

public:
    // Docks itself into `window` and adds View > Problems to `menus`.
    ProblemDock(QMainWindow &window,
        MainMenus &menus,
        MenuTree &tree,
        MenuTreeModel &model,
        CurrentWindowsView &views,
        const Session &session);

Q_SIGNALS:
    // What the list asks of the window: to select and show an entry, to delete entries (none
    // inside another one's submenu).
    void entryChosen(MenuNode *node);
    void deleteRequested(const std::vector<MenuNode *> &nodes);

private:
    void shareHeight(bool visible);

    QMainWindow &m_window;
    class ProblemListPanel *m_panel = nullptr;
    std::string m_ruleFile; // the file whose rule the kept folder checks were made with
};

} // namespace torvex
