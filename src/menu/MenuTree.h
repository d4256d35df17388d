#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// The record every menu node carries: what the entry runs and where the other panel goes.
// The owning value, for records kept or handed over (undo, the editor's fields).
struct MenuEntry
{
    std::string command;
    std::string targetPath;
};

// A node's record as the node shows it: views of texts kept by its tree (see
// MenuNode::title). Copy it into a MenuEntry to keep it.
struct MenuEntryView
{
    std::string_view command;
    std::string_view targetPath;

    MenuEntryView() = default;
    MenuEntryView(std::string_view command, std::string_view targetPath)
        : command(command)
        , targetPath(targetPath)
    { }
    MenuEntryView(const MenuEntry &entry)
        : command(entry.command)
        , targetPath(entry.targetPath)
    { }
    MenuEntry copy() const { return { std::string(command), std::string(targetPath) }; }
    bool empty() const { return command.empty() && targetPath.empty(); }
};

// Picture indexes of the tree's image list.
enum NodeImage : int {
    ImageItem = 0,
    ImageSubmenu = 1,
    ImageItemSelected = 2,
    ImageSubmenuSelected = 3,
};

// Where a node is attached relative to an existing node (or the top level when there is none).
// The numeric values are the drop modes of the five drop-mode buttons.
enum class AttachMode : int {
    Add = 0, // last node of the relative's level
    AddFirst = 1, // first node of the relative's level
    AddChild = 2, // last child of the relative
    AddChildFirst = 3, // first child of the relative
    Insert = 4, // directly before the relative, on its level
};

enum class NodeKind { Item, Submenu };

class MenuNode;
class MenuNodePool;

// A node's title, command and target path, one after the other in a text block of its tree's
// node pool, behind this header. The node points at its texts and the texts at their node,
// so that the pool can move them when it compacts its blocks.
struct NodeTexts
{
    MenuNode *owner;
    std::uint32_t titleLength;
    std::uint32_t commandLength;
    std::uint32_t targetPathLength;

    const char *chars() const { return reinterpret_cast<const char *>(this + 1); }
    std::string_view title() const { return { chars(), titleLength }; }
    std::string_view command() const { return { chars() + titleLength, commandLength }; }
    std::string_view targetPath() const
    {
        return { chars() + titleLength + commandLength, targetPathLength };
    }
};

// A child in its parent's list of children: the node itself, not its owner. Every node of a
// tree lives in the tree's node pool, which makes and frees them in large blocks.
class NodeLink
{
public:
    NodeLink(MenuNode *node = nullptr)
        : m_node(node)
    { }
    MenuNode *get() const { return m_node; }
    MenuNode *operator->() const { return m_node; }
    MenuNode &operator*() const { return *m_node; }
    explicit operator bool() const { return m_node != nullptr; }
    friend bool operator==(const NodeLink &, const NodeLink &) = default;

private:
    MenuNode *m_node;
};

// Gives the nodes of a subtree back to the pool they were made in.
struct DetachedNodeRelease
{
    std::shared_ptr<MenuNodePool> pool;
    void operator()(MenuNode *node) const;
};

// A subtree out of any tree (taken out by an edit and kept for its undo). Its nodes stay in
// the pool of the tree they came from, which lasts as long as they do, even past the tree.
using DetachedNode = std::unique_ptr<MenuNode, DetachedNodeRelease>;

class MenuNode
{
public:
    MenuNode(const MenuNode &) = delete;
    MenuNode &operator=(const MenuNode &) = delete;

    // The node's texts are kept by its tree: a view stays valid until the next change of a
    // text of that tree (a change may move every text when the tree compacts them) or until
    // the node goes. Copy what is kept across a change.
    std::string_view title() const { return m_texts->title(); }
    int imageIndex() const { return m_imageIndex; }
    int selectedIndex() const { return m_selectedIndex; }
    MenuEntryView data() const { return { m_texts->command(), m_texts->targetPath() }; }

    MenuNode *parent() const { return m_topLevel ? nullptr : m_container; }
    const std::vector<NodeLink> &children() const { return m_children; }
    bool hasChildren() const { return !m_children.empty(); }
    std::size_t childCount() const { return m_children.size(); }
    MenuNode *child(std::size_t row) const { return m_children[row].get(); }
    MenuNode *firstChild() const { return m_children.empty() ? nullptr : m_children.front().get(); }
    MenuNode *lastChild() const { return m_children.empty() ? nullptr : m_children.back().get(); }
    // Next and previous sibling, nullptr at either end of the level (top level included).
    // Constant time.
    MenuNode *nextSibling() const;
    MenuNode *prevSibling() const;
    // True when no sibling follows this node (constant time).
    bool isLastChild() const;
    // Position among the siblings (constant time: each node keeps it); -1 out of any tree.
    int row() const { return m_container ? static_cast<int>(m_row) : -1; }
    // True when this node's title is exactly "-".
    bool isSeparator() const { return title() == "-"; }
    // The kind the node shows as, told by its pictures: an item (its record can be edited)
    // or a submenu. The pictures follow the shape of the tree through
    // MenuTree::refreshNodeKind.
    bool showsAsItem() const { return m_imageIndex == ImageItem; }
    bool showsAsSubmenu() const { return m_imageIndex == ImageSubmenu; }
    // True for this node and every node below it.
    bool isInSubtreeOf(const MenuNode *ancestor) const;

private:
    friend class MenuTree;
    friend class MenuNodePool;

    // Nodes are made and freed by a tree's node pool only.
    explicit MenuNode(NodeKind kind);
    ~MenuNode() = default;

    // Laid out so that a node of a large menu takes as little memory as it can: the texts in
    // the pool's text blocks, the small members last, the parent told by a flag instead of a
    // second pointer.
    const NodeTexts *m_texts;
    // Top-level nodes have no parent; the tree keeps them as the children of a hidden root so
    // that sibling navigation is the same on every level.
    MenuNode *m_container = nullptr;
    std::vector<NodeLink> m_children;
    std::uint32_t m_row : 31 = 0; // position in m_container's children
    std::uint32_t m_topLevel : 1 = 0; // m_container is the hidden root
    std::int16_t m_imageIndex = ImageItem;
    std::int16_t m_selectedIndex = ImageItemSelected;
};

// Told about every change of a MenuTree, bracketed the way item views want it. `parent` is
// nullptr for the top level; rows are positions among the parent's children.
class MenuTreeObserver
{
public:
    virtual ~MenuTreeObserver() = default;
    virtual void beginInsert(MenuNode * /*parent*/, int /*row*/) { }
    virtual void endInsert() { }
    virtual void beginRemove(MenuNode * /*parent*/, int /*row*/) { }
    virtual void endRemove() { }
    // `destinationRow` counts in the destination's children before the node is taken out.
    virtual void beginMove(MenuNode * /*sourceParent*/,
        int /*sourceRow*/,
        MenuNode * /*destinationParent*/,
        int /*destinationRow*/)
    { }
    virtual void endMove() { }
    virtual void beginReset() { }
    virtual void endReset() { }
    // Title, pictures or record changed.
    virtual void nodeChanged(MenuNode * /*node*/) { }
    virtual void selectionChanged(MenuNode * /*node*/) { }
    // A node asks to be shown expanded (true) or collapsed (false).
    virtual void expansionRequested(MenuNode * /*node*/, bool /*expanded*/) { }
    // Bracket of a batch of changes during which views need not repaint.
    virtual void beginUpdate() { }
    virtual void endUpdate() { }
};

// Told about every change of a MenuTree's content with what it was before, so that the change
// can be taken back. Selection and expansion are not reported. `parent` is nullptr for the
// top level; rows are positions among the parent's children.
class MenuTreeRecorder
{
public:
    virtual ~MenuTreeRecorder() = default;
    // `node` (a new node without children) now stands at `row` of `parent`.
    virtual void attached(MenuNode *node, MenuNode *parent, std::size_t row) = 0;
    // `node` with its subtree left `row` of `parent`; the recorder owns it from now on and may
    // keep it (so that pointers to it stay valid) or let it go.
    virtual void detached(DetachedNode node, MenuNode *parent, std::size_t row) = 0;
    // `node` went from `fromRow` of `fromParent` to `toRow` of `toParent` (the row it has now).
    virtual void moved(MenuNode *node,
        MenuNode *fromParent,
        std::size_t fromRow,
        MenuNode *toParent,
        std::size_t toRow) = 0;
    virtual void titleChanged(MenuNode *node, const std::string &before) = 0;
    virtual void dataChanged(MenuNode *node, const MenuEntry &before) = 0;
    virtual void imagesChanged(MenuNode *node, int imageBefore, int selectedBefore) = 0;
    // Every node was removed at once (a file is about to be read into the tree).
    virtual void cleared() = 0;
};

// The menu document: an ordered forest of MenuNodes with at most one selected node.
// Node indexes count every node in depth-first pre-order from 0.
class MenuTree
{
public:
    MenuTree();
    ~MenuTree();
    MenuTree(const MenuTree &) = delete;
    MenuTree &operator=(const MenuTree &) = delete;

    // One observer at a time (the item model); nullptr removes it.
    void setObserver(MenuTreeObserver *observer) { m_observer = observer; }
    // One recorder at a time (the edit journal); nullptr removes it. Changes made through
    // the replay functions (private, for the journal) are not reported.
    void setRecorder(MenuTreeRecorder *recorder) { m_recorder = recorder; }
    MenuTreeRecorder *recorder() const { return m_recorder; }

    // Adds a node with a fresh empty record. `relative` may be nullptr: every mode then adds
    // at the top level (AddFirst and AddChildFirst as the first top-level node, the others as
    // the last). Items get pictures 0/2, submenus 1/3. Returns the new node.
    MenuNode *addNode(MenuNode *relative,
        AttachMode mode,
        std::string_view title,
        NodeKind kind = NodeKind::Item,
        MenuEntryView data = {});
    // Shorthands for the positions the editor uses.
    MenuNode *addTopLevel(std::string_view title, NodeKind kind = NodeKind::Item)
    {
        return addNode(nullptr, AttachMode::Add, title, kind);
    }
    MenuNode *addChild(MenuNode *parent, std::string_view title, NodeKind kind = NodeKind::Item)
    {
        return addNode(parent, AttachMode::AddChild, title, kind);
    }

    // Removes `node` with its whole subtree. When the selected node was in it, the selection
    // moves to a neighbour (next sibling, else previous sibling, else the parent) or to none.
    void remove(MenuNode *node);
    // Removes every node; the selection becomes none.
    void clear();
    // Removes every node and takes all of `source`'s in their place, leaving `source` empty;
    // the selection becomes none. The observer hears one reset and the recorder a clear, so a
    // view of a large menu built apart is refreshed once instead of row by row.
    void takeNodes(MenuTree &source);

    // Moves `node` with its subtree relative to `target`. Refused (returns false, nothing
    // changes) when the target lies inside the node's own subtree; a node moved onto itself
    // keeps its place (returns true). The new parent is asked to expand, an old parent that
    // lost its last child to collapse. Pictures are not touched (see refreshNodeKind).
    bool move(MenuNode *node, MenuNode *target, AttachMode mode);

    // With children: submenu pictures and the record emptied. Without: item pictures, record
    // kept. nullptr does nothing.
    void refreshNodeKind(MenuNode *node);

    // A text given may be a view of this tree's own texts.
    void setTitle(MenuNode *node, std::string_view title);
    void setCommand(MenuNode *node, std::string_view command);
    void setTargetPath(MenuNode *node, std::string_view targetPath);
    void setData(MenuNode *node, MenuEntryView data);
    void setImages(MenuNode *node, int imageIndex, int selectedIndex);
    void setItemPictures(MenuNode *node) { setImages(node, ImageItem, ImageItemSelected); }
    void setSubmenuPictures(MenuNode *node) { setImages(node, ImageSubmenu, ImageSubmenuSelected); }
    void requestExpansion(MenuNode *node, bool expanded);

    // Makes room for `nodes` more nodes and `textBytes` bytes of their texts in one block
    // each, so that a menu of known size (a file being read) is made without growing the
    // pool block by block.
    void reserve(std::size_t nodes, std::size_t textBytes = 0);
    // Bytes the tree's texts take in its pool: those of live nodes (in the tree or kept apart
    // by undo) and those left behind by changes, which a compaction takes back.
    std::size_t liveTextBytes() const;
    std::size_t garbageTextBytes() const;

    // Number of nodes in the whole tree (constant time).
    std::size_t count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    // Number of nodes that have children (linear).
    std::size_t submenuCount() const;
    const std::vector<NodeLink> &topLevel() const { return m_root->m_children; }
    MenuNode *first() const { return m_root->firstChild(); }

    // Node at a pre-order index, nullptr when out of range. Linear: never call it in a loop
    // over indexes, use preOrder() or forEach() instead.
    MenuNode *nodeAt(std::size_t index) const;
    // Pre-order index of a node, -1 for nullptr or a foreign node. Linear.
    long indexOf(const MenuNode *node) const;
    // All nodes in pre-order, in one linear walk.
    std::vector<MenuNode *> preOrder() const;
    // Visits every node in pre-order; the callback returns false to stop the walk.
    void forEach(const std::function<bool(MenuNode *)> &visit) const;
    // The node after `node` in pre-order, nullptr after the last. Linear in the depth of the
    // tree at most; walks over the whole tree use forEach().
    static MenuNode *nextInPreOrder(const MenuNode *node);

    MenuNode *selected() const { return m_selected; }
    void setSelected(MenuNode *node);

    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

private:
    // Replay of recorded changes (the observer is told, the recorder is not). Only the undo
    // journal reaches them: a change made through them is never recorded, so every other
    // change of the tree goes through the recorded functions above.
    friend class EditStep;
    friend class EditJournal;

    // Puts a subtree taken out earlier back at `row` of `parent` (nullptr: top level).
    void restoreSubtree(DetachedNode node, MenuNode *parent, std::size_t row);
    // Takes `node` with its subtree out of the tree and hands it over; a selected node inside
    // it leaves the selection empty.
    DetachedNode takeSubtree(MenuNode *node);
    // Moves `node` with its subtree so that it ends up at `row` of `parent`.
    void moveTo(MenuNode *node, MenuNode *parent, std::size_t row);
    // For subtrees out of any tree (kept by a recorder): puts `child` back at `row` of
    // `parent`, and sets a node's pictures; no tree hears of it.
    static void adoptDetached(MenuNode *parent, DetachedNode child, std::size_t row);
    static void setDetachedImages(MenuNode *node, int imageIndex, int selectedIndex);

    MenuNode *containerOf(MenuNode *node) const { return node ? node->m_container : m_root; }
    MenuNode *parentForObserver(MenuNode *container) const;
    // Where a node attached relative to `relative` in `mode` goes: its container and row.
    std::pair<MenuNode *, std::size_t> placement(MenuNode *relative, AttachMode mode) const;
    void attach(MenuNode *container, std::size_t row, MenuNode *node);
    // Takes the child at `row` out of `container`'s children; the siblings after it move up.
    static MenuNode *unlink(MenuNode *container, std::size_t row);
    // Sets the positions of `container`'s children from `from` on.
    static void renumber(MenuNode *container, std::size_t from);
    // A fresh pool with an empty hidden root in it.
    void startPool();
    // Frees every node, the hidden root included, into the current pool.
    void releaseAll();
    static std::size_t subtreeSize(const MenuNode *node);
    void changed(MenuNode *node);
    DetachedNode detach(MenuNode *node);
    // Gives `node` these texts (written anew into the pool's text block), telling the
    // observer and the recorder.
    void changeTexts(MenuNode *node, std::string_view title, MenuEntryView data);

    // Every node of this tree, and of the subtrees taken out of it while they are kept.
    std::shared_ptr<MenuNodePool> m_pool;
    MenuNode *m_root = nullptr;
    std::size_t m_count = 0;
    MenuNode *m_selected = nullptr;
    MenuTreeObserver *m_observer = nullptr;
    MenuTreeRecorder *m_recorder = nullptr;
    int m_updateDepth = 0;
};

} // namespace torvex
