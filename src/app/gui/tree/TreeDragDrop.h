#pragma once

#include "app/gui/tree/MenuTreeView.h"
#include "editor/DropLogic.h"

#include <QObject>

namespace torvex {

class FindBar;
class FolderPane;
class MenuTree;
class Session;
class UndoHistory;

// Drag and drop onto the menu tree: folders from the folder list, nodes within the tree, in
// the drop mode of the session, each drop one step of the undo history. The window shows
// what a drop tells (DropView). The decisions live in DropLogic; this class turns the view's
// drags into its calls and its answers into the view's decisions.
class TreeDragDrop final : public QObject, private TreeDropHandler
{
    Q_OBJECT

public:
    TreeDragDrop(MenuTree &tree,
        Session &session,
        MenuTreeView &view,
        const FolderPane &folders,
        DropView &window,
        UndoHistory &history,
        QObject *parent);

    // The node the last drag in the tree started on.
    MenuNode *draggedNode() { return m_logic.draggedNode(); }
    // While `bar` filters the tree, drags are refused and the status bar says why.
    void refuseWhileFiltering(const FindBar &bar) { m_findBar = &bar; }

private:
    void startDrag(); // tviewStartDrag
    // ---- TreeDropHandler ----
    DragDecision dragMoved(const TreeDrag &drag) override; // tviewDragOver
    DragDecision dropped(const TreeDrag &drag) override; // tviewDragDrop

    DragSource sourceOf(const TreeDrag &drag) const;
    bool isRefused();
    LocalText stepName(const DropRequest &request);

    MenuTree &m_tree;
    Session &m_session;
    MenuTreeView &m_view;
    const FolderPane &m_folders;
    DropView &m_window;
    UndoHistory &m_history;
    DropLogic m_logic;
    const FindBar *m_findBar = nullptr;
};

} // namespace torvex
