#include "editor/DropLogic.h"

#include "core/MessageBoxes.h"
#include "editor/EditorTexts.h"
#include "editor/EntryMoves.h"
#include "editor/FolderName.h"

namespace torvex {

LocalText makeSubMenuQuestion(const std::string &title)
{
    // The line breaks are the text's own; a translation may break its lines elsewhere.
    return LocalText::joined(
        { texts::editorText(QT_TRANSLATE_NOOP("torvex::EditorTexts", "OK to make '%1'")).arg(title),
            texts::editorText(
                QT_TRANSLATE_NOOP("torvex::EditorTexts", "into a menu with submenus but")),
            texts::editorText(
                QT_TRANSLATE_NOOP("torvex::EditorTexts", "no command/target path?")) },
        lineBreak);
}

DropLogic::DropLogic(MenuTree &tree, DropView &view)
    : m_tree(tree)
    , m_view(view)
{ }

void DropLogic::startDrag(MenuNode *node)
{
    m_dragged = node;
    if (node)
        m_tree.setSelected(node);
}

DropLogic::DragOverResult DropLogic::dragOver(
    DragSource source, MenuNode *nodeUnderPointer, int y, int viewHeight)
{
    DragOverResult result;
    if (source == DragSource::Other)
        return result;
    m_tree.setSelected(nodeUnderPointer);
    result.accept = nodeUnderPointer != nullptr;
    m_view.showStatus(nodeUnderPointer ? std::string(nodeUnderPointer->title()) : std::string());
    if (y > viewHeight - dragScrollMargin)
        result.scroll = DragScroll::LineDown;
    else if (y < dragScrollMargin)
        result.scroll = DragScroll::LineUp;
    return result;
}

void DropLogic::drop(const DropRequest &request)
{
    switch (request.source) {
    case DragSource::Other:
        break;
    case DragSource::Tree:
        dropNode(request);
        break;
    case DragSource::DirList:
        dropFolders(request);
        break;
    }
}

void DropLogic::dragLeft()
{
    m_view.showSelectedEntry();
}

bool DropLogic::refusesChildren(const DropRequest &request, const MenuNode *target) const
{
    const bool childMode =
        request.mode == AttachMode::AddChild || request.mode == AttachMode::AddChildFirst;
    if (!childMode || !target || !target->isSeparator())
        return false;
    // Written as "--", a separator with children would read back as the end of a submenu.
    m_view.showStatus(texts::editorText(texts::separatorHoldsNoEntries));
    return true;
}

bool DropLogic::refusesDropOn(
    DragSource source, AttachMode mode, bool ctrlDown, const MenuNode *target) const
{
    if (source == DragSource::Other || (source == DragSource::DirList && ctrlDown))
        return false;
    if (source == DragSource::Tree && target == m_dragged)
        return false;
    DropRequest request;
    request.source = source;
    request.mode = mode;
    return refusesChildren(request, target);
}

bool DropLogic::confirmChildren(const DropRequest &request, const MenuNode *target) const
{
    if (!request.confirmDropOnCommand || !target)
        return true;
    if (request.mode != AttachMode::AddChild && request.mode != AttachMode::AddChildFirst)
        return true;
    if (target->data().command.empty() && target->data().targetPath.empty())
        return true;
    return m_view.messageBoxes().ask(makeSubMenuQuestion(std::string(target->title())),
               texts::editorText(dropText::makeSubMenuCaption),
               MsgIcon::Question,
               MsgButtons::YesNo)
        == MsgResult::Yes;
}

void DropLogic::dropNode(const DropRequest &request)
{
    MenuNode *target = m_tree.selected();
    MenuNode *dragged = m_dragged;
    // The node of an earlier drag may have been deleted since; only a node of the tree moves.
    if (!dragged || !target || m_tree.indexOf(dragged) < 0)
        return;
    for (const MenuNode *up = target->parent(); up; up = up->parent()) {
        if (up == dragged) {
            m_view.messageBoxes().inform(texts::editorText(dropText::illegalDrop),
                texts::editorText(dropText::illegalDropCaption),
                MsgIcon::Error);
            return;
        }
    }
    // A node dropped onto itself stays where it is and gains no children, so there is
    // nothing to confirm.
    if (dragged != target
        && (refusesChildren(request, target) || !confirmChildren(request, target)))
        return;
    if (!moveEntryWithSubtree(m_tree, dragged, target, request.mode))
        m_view.showStatus(texts::editorText(dropText::moveFailed));
    finish();
}

void DropLogic::renameAfterFolder(MenuNode *target, const DirEntry &entry)
{
    m_tree.setTitle(target, entry.text);
    if (target->hasChildren()) {
        m_tree.setCommand(target, std::string());
        m_tree.setTargetPath(target, std::string());
    } else {
        m_tree.setCommand(target, changeFolderCommand(entry.path));
    }
}

void DropLogic::dropFolders(const DropRequest &request)
{
    MenuNode *target = m_tree.selected();
    if (target && request.ctrlDown) {
        // Without an entry under the last press there is no folder to name the node after.
        if (request.pressedEntry)
            renameAfterFolder(target, *request.pressedEntry);
        finish();
        return;
    }
    if (refusesChildren(request, target) || !confirmChildren(request, target))
        return;

    // Each new node goes to the same place relative to the target, so the two "first" modes
    // would reverse the list unless the walk runs backwards for them. Without a target every
    // node is appended, and the walk must run forwards whatever the mode.
    const bool backwards = target
        && (request.mode == AttachMode::AddFirst || request.mode == AttachMode::AddChildFirst);
    const auto &folders = request.folders;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const DirEntry &entry = backwards ? folders[folders.size() - 1 - i] : folders[i];
        MenuNode *node = target ? m_tree.addNode(target, request.mode, entry.text)
                                : m_tree.addTopLevel(entry.text);
        m_tree.setCommand(node, changeFolderCommand(entry.path));
        m_tree.refreshNodeKind(node);
        if (MenuNode *parent = node->parent()) {
            m_tree.refreshNodeKind(parent);
            m_tree.requestExpansion(parent, true);
        }
    }
    finish();
}

void DropLogic::finish()
{
    if (m_tree.selected())
        m_view.showSelectedEntry();
    m_view.updateItemCount();
}

} // namespace torvex
