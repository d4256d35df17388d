#pragma once

#include "app/gui/MenuTreeView.h"
#include "editor/DropLogic.h"

#include <QObject>

#include <functional>

namespace torvex {

class FolderPane;
class MenuTree;
class Session;
class UndoHistory;

// What drag and drop needs of the window besides the tree, the view and the folders.
struct DragDropServices
{
    std::function<MessageBoxes &()> boxes;
    std::function<void(const std::string &text)> showStatus;
    std::function<void()> showSelectedEntry;
    std::function<void()> updateItemCount;
};

// Drag and drop onto the menu tree: folders from the folder list, nodes within the tree, in
// the drop mode of the session. The decisions live in DropLogic; this class turns the view's
// drags into its calls and its answers into the view's decisions.
class TreeDragDrop final : public QObject, private DropView
{
    Q_OBJECT

public:
    TreeDragDrop(MenuTree &tree,
        Session &session,
        MenuTreeView &view,
        const FolderPane &folders,
        DragDropServices services,
        QObject *parent);

    // The node the last drag in the tree started on.
    MenuNode *draggedNode() { return m_logic.draggedNode(); }
    // Each drop becomes a step of `history`.
    void setHistory(UndoHistory *history) { m_history = history; }
    // Asked at each move and drop of a drag: a text refuses the drag and goes to the status
    // bar, an empty one lets it in.
    void setRefusal(std::function<std::string()> refusal) { m_refusal = std::move(refusal); }

private:
    void startDrag(); // tviewStartDrag
    DragDecision dragMoved(const TreeDrag &drag); // tviewDragOver
    DragDecision dropped(const TreeDrag &drag); // tviewDragDrop
    DragSource sourceOf(const TreeDrag &drag) const;
    bool isRefused();
    std::string stepName(const DropRequest &request);

    // ---- DropView ----
    MessageBoxes &messageBoxes() override { return m_services.boxes(); }
    void showStatus(const std::string &text) override { m_services.showStatus(text); }
    void showSelectedEntry() override { m_services.showSelectedEntry(); }
    void updateItemCount() override { m_services.updateItemCount(); }

    MenuTree &m_tree;
    Session &m_session;
    MenuTreeView &m_view;
    const FolderPane &m_folders;
    DragDropServices m_services;
    DropLogic m_logic;
    UndoHistory *m_history = nullptr;
    std::function<std::string()> m_refusal;
};

} // namespace torvex
