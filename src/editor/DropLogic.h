#pragma once

#include "core/LocalText.h"
#include "menu/MenuTree.h"

#include <optional>
#include <string>
#include <vector>

namespace torvex {

class MessageBoxes;

// Where the thing being dragged over the menu tree comes from.
enum class DragSource { Other, DirList, Tree };

// One entry of the directory list: the text the list shows (a folder name, or "C:\" for the
// drive's root) and its full Windows path.
struct DirEntry
{
    std::string text;
    std::string path;
};

// Which way the tree scrolls while a drag hovers near one of its edges.
enum class DragScroll { None, LineUp, LineDown };

// How close to the top or bottom edge (in pixels) the pointer makes the tree scroll.
inline constexpr int dragScrollMargin = 30;

// The messages of dragging and dropping.
namespace dropText {
inline constexpr const char *illegalDrop =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "You can't move a menu to one of its own submenus!");
inline constexpr const char *illegalDropCaption =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Illegal drop");
inline constexpr const char *makeSubMenuCaption =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "Make sub menu?");
inline constexpr const char *moveFailed =
    QT_TRANSLATE_NOOP("torvex::EditorTexts", "The menu could not be moved.");
} // namespace dropText

// The question asked before a drop gives children to `title`'s node, three lines.
LocalText makeSubMenuQuestion(const std::string &title);

// What the main window does for a drop: message boxes, status text, panel refresh and count.
class DropView
{
public:
    virtual ~DropView() = default;
    // The boxes to ask and inform through (the window may swap them, so asked for each time).
    virtual MessageBoxes &messageBoxes() = 0;
    // Writes a message into the status panel (the window puts the leading blank).
    virtual void showStatus(const std::string &text) = 0;
    // The same with a text the window shows in the user's language.
    virtual void showStatus(const LocalText &text) { showStatus(text.english()); }
    // Refreshes the details panel from the selected node.
    virtual void showSelectedEntry() = 0;
    // Recounts the entries and warns at the limit.
    virtual void updateItemCount() = 0;
};

// Everything a drop needs to know besides the tree: where it comes from, the mode, the options
// and the directory list's state at the moment of the drop.
struct DropRequest
{
    DragSource source = DragSource::Other;
    AttachMode mode = AttachMode::AddChildFirst;
    bool confirmDropOnCommand = true;
    // Ctrl held when the drop happened.
    bool ctrlDown = false;
    // The directory list's selected entries, in the list's order.
    std::vector<DirEntry> folders;
    // The entry under the last mouse press in the list; none when the press hit no entry.
    std::optional<DirEntry> pressedEntry;
};

// The drag-and-drop behaviour of the menu tree, free of any widget: the window translates its
// mouse events into these calls. The drop target is always the tree's selected node, which
// follows the pointer during a drag.
class DropLogic
{
public:
    DropLogic(MenuTree &tree, DropView &view);

    // A drag inside the tree starts on `node`: remembers it and makes it the selected node.
    void startDrag(MenuNode *node);
    MenuNode *draggedNode() const { return m_dragged; }

    struct DragOverResult
    {
        bool accept = false;
        DragScroll scroll = DragScroll::None;
    };
    // The pointer moved during a drag. Selects `nodeUnderPointer` (none over empty space),
    // shows its title (or an empty status) and accepts exactly when a node is under the
    // pointer. `y` is measured from the tree's top edge, `viewHeight` is the tree's height.
    // A source other than the list or the tree is refused with no other effect.
    DragOverResult dragOver(DragSource source, MenuNode *nodeUnderPointer, int y, int viewHeight);

    // True when a drop in `mode` onto `target` would be refused for the place itself: a child
    // mode onto a separator (a node dropped onto itself excepted; Ctrl with folders renames
    // instead). Shows the refusal as the status text then, so that the user reads why while
    // the pointer is still over it.
    bool refusesDropOn(
        DragSource source, AttachMode mode, bool ctrlDown, const MenuNode *target) const;

    // Performs a drop onto the selected node. A move into the moved node's own subtree shows
    // "Illegal drop" and changes nothing; the two child modes onto a separator are refused
    // with a status text; a No to "Make sub menu?" cancels the whole drop.
    // Every drop that goes through ends with the panel refresh and the count. A tree drop
    // whose dragged node is no longer in the tree does nothing.
    void drop(const DropRequest &request);

    // The drag left the tree, or was given up over it: the panel shows the node the selection
    // ended on, so nothing typed into it afterwards lands in another node. The dragged node
    // is kept, since the pointer may come back and drop.
    void dragLeft();

private:
    void dropNode(const DropRequest &request);
    void dropFolders(const DropRequest &request);
    void renameAfterFolder(MenuNode *target, const DirEntry &entry);
    // True, after the status text, when a child mode would give a separator children.
    bool refusesChildren(const DropRequest &request, const MenuNode *target) const;
    // True when the drop may go on: asks "Make sub menu?" where the rules want it asked.
    bool confirmChildren(const DropRequest &request, const MenuNode *target) const;
    void finish();

    MenuTree &m_tree;
    DropView &m_view;
    MenuNode *m_dragged = nullptr;
};

} // namespace torvex
