#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QAction;
class QDialog;
class QMenu;
class QMainWindow;
class QWidget;

namespace torvex {

class EntryMoveCommands;
class FindBar;
class SortCommands;
class MainMenus;
class MainWindowPanes;
class MenuEditor;
class MenuTree;
class UndoHistory;

// The Edit menu `mnuEdit` between File and Options: Undo and Redo naming the step
// (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z), History... (the steps in a window, where a click goes
// back to a step) and Find... (Ctrl+F, the find box above the tree).
// The undo keys act wherever the focus is in the window, the edits included.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(QMainWindow &window,
        MainMenus &menus,
        UndoHistory &history,
        MenuTree &tree,
        MenuEditor &editor,
        MainWindowPanes &panes);
    ~EditCommands() override;

    FindBar *findBar() const { return m_findBar; }
    // Sort by title, Sort all levels (at the end of the Edit menu and of the tree's popup).
    SortCommands *sortCommands() const { return m_sort; }
    // Moving the selected entry by keys (Ctrl+arrows), after Find.
    EntryMoveCommands *moveCommands() const { return m_moves; }
    // The History window, made when first shown; it opens beside the window, clear of the
    // tree.
    QDialog *historyWindow() const { return m_historyWindow; }
    void showHistory();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenu *buildMenu(MainMenus &menus); // returns the Edit menu

    QMainWindow &m_window;
    UndoHistory &m_history;
    QWidget &m_tree;
    FindBar *m_findBar = nullptr;
    SortCommands *m_sort = nullptr;
    EntryMoveCommands *m_moves = nullptr;
    QDialog *m_historyWindow = nullptr;
};

// Where a tool window of outer size `tool` opens on `screen` (its free area) so that it does
// not hide the tree, whose left edge is at `treeLeft`: right of the window's outer frame
// `window`, else left of it; with no room on either side, as far left as it goes and no wider
// than the room left of the tree.
QRect besideWindow(const QRect &window, const QSize &tool, const QRect &screen, int treeLeft);

// Places the top-level `tool` beside `window` by `besideWindow`, clear of `tree`.
void placeBesideWindow(QWidget &tool, const QWidget &window, const QWidget &tree);

} // namespace torvex
