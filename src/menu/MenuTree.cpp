#include "menu/MenuTree.h"

#include "core/LargePages.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <new>
#include <utility>

namespace torvex {

namespace {

// The texts of a node whose title, command and target path are all empty: in no block.
const NodeTexts noTexts { nullptr, 0, 0, 0 };

constexpr std::size_t textAlignment = alignof(NodeTexts);

// Bytes a node's texts take in a block: the header and the characters, rounded up so that
// the next header is aligned.
constexpr std::size_t recordSize(std::size_t characters)
{
    return (sizeof(NodeTexts) + characters + textAlignment - 1) / textAlignment * textAlignment;
}

std::size_t recordSize(const NodeTexts &texts)
{
    return recordSize(std::size_t { texts.titleLength } + texts.commandLength
        + texts.targetPathLength);
}

} // namespace

// Every node of a tree, made in blocks that grow with the tree (a block of its own for a
// reserved size), so that a menu of a million entries costs a few hundred allocations instead
// of a million. A freed node's room goes on a list and is the next to be taken. The pool
// frees its blocks when it goes; by then every node in it has been released.
//
// The nodes' texts live in the pool too, in text blocks written one after the other: each
// node's title, command and target path together behind a header (NodeTexts). A change of a
// text writes the node's texts anew at the end and leaves the old ones behind as garbage
// (their header's owner emptied), so that views of them stay valid until the next
// compaction. When the garbage outgrows the live texts, the live texts are copied into one
// fresh block in their order and the old blocks go: a long editing session keeps at most
// about twice the live texts. Texts of subtrees taken out for undo are live (their nodes
// are in the pool), so a compaction keeps and moves them too.
class MenuNodePool
{
public:
    MenuNodePool() = default;
    MenuNodePool(const MenuNodePool &) = delete;
    MenuNodePool &operator=(const MenuNodePool &) = delete;
    ~MenuNodePool() { assert(m_live == 0); }

    MenuNode *make(NodeKind kind, std::string_view title, MenuEntryView data)
    {
        Slot *slot = m_free;
        if (slot) {
            m_free = slot->nextFree;
        } else {
            if (m_next == m_end)
                addBlock(
                    std::min(m_blocks.empty() ? firstBlock : m_lastBlockSize * 2, largestBlock));
            slot = m_next++;
        }
        MenuNode *node = new (slot->bytes) MenuNode(kind);
        node->m_texts = &noTexts;
        setTexts(node, title, data);
        ++m_live;
        return node;
    }

    // Destroys `node` with its whole subtree and takes their room back.
    void releaseSubtree(MenuNode *node)
    {
        // An explicit stack: a menu nested thousands of levels deep must not exhaust the
        // call stack.
        std::vector<MenuNode *> pending { node };
        while (!pending.empty()) {
            MenuNode *top = pending.back();
            pending.pop_back();
            for (const NodeLink &child : top->m_children)
                pending.push_back(child.get());
            leaveTexts(*top->m_texts);
            top->~MenuNode();
            auto *slot = reinterpret_cast<Slot *>(top);
            slot->nextFree = m_free;
            m_free = slot;
            --m_live;
        }
    }

    // Room for `count` more nodes without a new block, and for `textBytes` characters of
    // theirs.
    void reserve(std::size_t count, std::size_t textBytes)
    {
        const auto left = static_cast<std::size_t>(m_end - m_next);
        if (count > left)
            addBlock(count);
        // Each node's texts carry a header.
        const std::size_t needed = textBytes + count * recordSize(0);
        if (textBytes > 0 && needed > textRoomLeft())
            addTextBlock(needed);
    }

    // Writes `node`'s texts anew; the views given may show the node's own texts or any other
    // of this pool.
    void setTexts(MenuNode *node, std::string_view title, MenuEntryView data)
    {
        const std::size_t characters = title.size() + data.command.size() + data.targetPath.size();
        if (characters == 0) {
            leaveTexts(*std::exchange(node->m_texts, &noTexts));
            return;
        }
        const std::size_t size = recordSize(characters);
        // The blocks a compaction empties go only after the new texts are written: the
        // views given may show texts in them.
        std::vector<TextBlock> emptied;
        if (m_garbageBytes >= compactionFloor && m_garbageBytes > m_liveBytes)
            emptied = compact(size);
        // Taken after the compaction, which may have moved them.
        const NodeTexts &before = *node->m_texts;
        if (size > textRoomLeft())
            addTextBlock(std::max(size, std::min(m_textBlocks.empty()
                        ? firstTextBlock
                        : m_textBlocks.back().size * 2,
                    largestTextBlock)));
        TextBlock &block = m_textBlocks.back();
        auto *texts = new (block.bytes.get() + block.used) NodeTexts { node,
            static_cast<std::uint32_t>(title.size()),
            static_cast<std::uint32_t>(data.command.size()),
            static_cast<std::uint32_t>(data.targetPath.size()) };
        char *out = block.bytes.get() + block.used + sizeof(NodeTexts);
        out = std::copy(title.begin(), title.end(), out);
        out = std::copy(data.command.begin(), data.command.end(), out);
        std::copy(data.targetPath.begin(), data.targetPath.end(), out);
        block.used += size;
        m_liveBytes += size;
        node->m_texts = texts;
        leaveTexts(before);
    }

    std::size_t liveTextBytes() const { return m_liveBytes; }
    std::size_t garbageTextBytes() const { return m_garbageBytes; }

private:
    union Slot {
        Slot *nextFree;
        alignas(MenuNode) std::byte bytes[sizeof(MenuNode)];
    };
    static constexpr std::size_t firstBlock = 64;
    static constexpr std::size_t largestBlock = 32768;
    static constexpr std::size_t firstTextBlock = 4096;
    static constexpr std::size_t largestTextBlock = 1 << 20;
    // Below this much garbage a compaction is not worth its copy.
    static constexpr std::size_t compactionFloor = 64 * 1024;

    struct TextBlock
    {
        std::unique_ptr<char[]> bytes; // aligned as new[] aligns, enough for NodeTexts
        std::size_t size = 0;
        std::size_t used = 0; // the texts written, from the start
    };

    void addBlock(std::size_t count)
    {
        // The rest of the block before is left unused (the free list takes freed rooms only).
        auto block = std::make_unique_for_overwrite<Slot[]>(count);
        preferLargePages(block.get(), count * sizeof(Slot));
        m_next = block.get();
        m_end = m_next + count;
        m_lastBlockSize = count;
        m_blocks.push_back(std::move(block));
    }

    std::size_t textRoomLeft() const
    {
        return m_textBlocks.empty() ? 0 : m_textBlocks.back().size - m_textBlocks.back().used;
    }

    void addTextBlock(std::size_t size)
    {
        // The rest of the block before is left unused and counts as garbage.
        m_garbageBytes += textRoomLeft();
        TextBlock block { std::make_unique_for_overwrite<char[]>(size), size, 0 };
        preferLargePages(block.bytes.get(), size);
        m_textBlocks.push_back(std::move(block));
    }

    // The texts of a node that goes or gets new ones become garbage.
    void leaveTexts(const NodeTexts &texts)
    {
        if (&texts == &noTexts)
            return;
        const std::size_t size = recordSize(texts);
        const_cast<NodeTexts &>(texts).owner = nullptr;
        m_liveBytes -= size;
        m_garbageBytes += size;
    }

    // Copies the live texts into one fresh block with room for `extra` bytes more, each
    // node pointed at its new place, and hands the old blocks back.
    std::vector<TextBlock> compact(std::size_t extra)
    {
        std::vector<TextBlock> old = std::exchange(m_textBlocks, {});
        const std::size_t live = m_liveBytes;
        m_textBlocks.push_back({ std::make_unique_for_overwrite<char[]>(live + extra),
            live + extra,
            0 });
        TextBlock &fresh = m_textBlocks.back();
        for (const TextBlock &block : old) {
            for (std::size_t at = 0; at < block.used;) {
                const auto &texts = *reinterpret_cast<const NodeTexts *>(block.bytes.get() + at);
                const std::size_t size = recordSize(texts);
                if (texts.owner) {
                    std::copy_n(block.bytes.get() + at, size, fresh.bytes.get() + fresh.used);
                    texts.owner->m_texts =
                        reinterpret_cast<const NodeTexts *>(fresh.bytes.get() + fresh.used);
                    fresh.used += size;
                }
                at += size;
            }
        }
        assert(fresh.used == live);
        m_garbageBytes = 0;
        return old;
    }

    std::vector<std::unique_ptr<Slot[]>> m_blocks;
    Slot *m_next = nullptr; // the part of the last block never used yet
    Slot *m_end = nullptr;
    Slot *m_free = nullptr; // rooms of released nodes, each pointing at the next
    std::size_t m_lastBlockSize = 0;
    std::size_t m_live = 0;
    std::vector<TextBlock> m_textBlocks; // texts are written at the end of the last one
    std::size_t m_liveBytes = 0; // of texts whose node is live
    std::size_t m_garbageBytes = 0; // of texts left behind, and of room left unused
};

void DetachedNodeRelease::operator()(MenuNode *node) const
{
    if (node && pool)
        pool->releaseSubtree(node);
}

MenuNode::MenuNode(NodeKind kind)
{
    if (kind == NodeKind::Submenu) {
        m_imageIndex = ImageSubmenu;
        m_selectedIndex = ImageSubmenuSelected;
    }
}

bool MenuNode::isLastChild() const
{
    return m_container && std::size_t { m_row } + 1 == m_container->m_children.size();
}

MenuNode *MenuNode::nextSibling() const
{
    const std::size_t next = std::size_t { m_row } + 1;
    if (!m_container || next >= m_container->m_children.size())
        return nullptr;
    return m_container->m_children[next].get();
}

MenuNode *MenuNode::prevSibling() const
{
    if (!m_container || m_row == 0)
        return nullptr;
    return m_container->m_children[std::size_t { m_row } - 1].get();
}

bool MenuNode::isInSubtreeOf(const MenuNode *ancestor) const
{
    for (const MenuNode *n = this; n; n = n->parent()) {
        if (n == ancestor)
            return true;
    }
    return false;
}

MenuTree::MenuTree()
{
    startPool();
}

MenuTree::~MenuTree()
{
    releaseAll();
}

void MenuTree::startPool()
{
    m_pool = std::make_shared<MenuNodePool>();
    m_root = m_pool->make(NodeKind::Item, {}, {});
}

void MenuTree::releaseAll()
{
    m_pool->releaseSubtree(m_root);
    m_root = nullptr;
}

void MenuTree::reserve(std::size_t nodes, std::size_t textBytes)
{
    m_pool->reserve(nodes, textBytes);
}

std::size_t MenuTree::liveTextBytes() const
{
    return m_pool->liveTextBytes();
}

std::size_t MenuTree::garbageTextBytes() const
{
    return m_pool->garbageTextBytes();
}

MenuNode *MenuTree::parentForObserver(MenuNode *container) const
{
    return container == m_root ? nullptr : container;
}

std::pair<MenuNode *, std::size_t> MenuTree::placement(MenuNode *relative, AttachMode mode) const
{
    if (!relative) {
        const bool atFront = mode == AttachMode::AddFirst || mode == AttachMode::AddChildFirst;
        return { m_root, atFront ? 0 : m_root->m_children.size() };
    }
    MenuNode *level = relative->m_container;
    switch (mode) {
    case AttachMode::Add:
        return { level, level->m_children.size() };
    case AttachMode::AddFirst:
        return { level, 0 };
    case AttachMode::AddChild:
        return { relative, relative->m_children.size() };
    case AttachMode::AddChildFirst:
        return { relative, 0 };
    case AttachMode::Insert:
        return { level, static_cast<std::size_t>(relative->row()) };
    }
    return { level, level->m_children.size() };
}

void MenuTree::renumber(MenuNode *container, std::size_t from)
{
    auto &children = container->m_children;
    for (std::size_t i = from; i < children.size(); ++i)
        children[i]->m_row = static_cast<std::uint32_t>(i);
}

void MenuTree::attach(MenuNode *container, std::size_t row, MenuNode *node)
{
    node->m_container = container;
    node->m_topLevel = container == m_root;
    container->m_children.insert(container->m_children.begin() + static_cast<long>(row), node);
    renumber(container, row);
}

MenuNode *MenuTree::unlink(MenuNode *container, std::size_t row)
{
    MenuNode *node = container->m_children[row].get();
    container->m_children.erase(container->m_children.begin() + static_cast<long>(row));
    renumber(container, row);
    return node;
}

MenuNode *MenuTree::addNode(
    MenuNode *relative, AttachMode mode, std::string_view title, NodeKind kind, MenuEntryView data)
{
    auto [container, row] = placement(relative, mode);
    MenuNode *node = m_pool->make(kind, title, data);
    if (m_observer)
        m_observer->beginInsert(parentForObserver(container), static_cast<int>(row));
    attach(container, row, node);
    ++m_count;
    if (m_observer)
        m_observer->endInsert();
    if (m_recorder)
        m_recorder->attached(node, parentForObserver(container), row);
    return node;
}

std::size_t MenuTree::subtreeSize(const MenuNode *node)
{
    std::size_t n = 0;
    std::vector<const MenuNode *> stack { node };
    while (!stack.empty()) {
        const MenuNode *top = stack.back();
        stack.pop_back();
        ++n;
        for (const NodeLink &child : top->m_children)
            stack.push_back(child.get());
    }
    return n;
}

void MenuTree::remove(MenuNode *node)
{
    if (!node)
        return;
    if (m_selected && m_selected->isInSubtreeOf(node)) {
        MenuNode *next = node->nextSibling();
        if (!next)
            next = node->prevSibling();
        if (!next)
            next = node->parent();
        setSelected(next);
    }
    MenuNode *parent = node->parent();
    const int row = node->row();
    DetachedNode owned = detach(node);
    if (m_recorder)
        m_recorder->detached(std::move(owned), parent, static_cast<std::size_t>(row));
}

DetachedNode MenuTree::detach(MenuNode *node)
{
    MenuNode *container = node->m_container;
    const int row = node->row();
    assert(row >= 0);
    const std::size_t removed = subtreeSize(node);
    if (m_observer)
        m_observer->beginRemove(parentForObserver(container), row);
    unlink(container, static_cast<std::size_t>(row));
    m_count -= removed;
    // A node out of the tree has no place: row() answers -1 and views find no index for it.
    node->m_container = nullptr;
    node->m_topLevel = false;
    node->m_row = 0;
    if (m_observer)
        m_observer->endRemove();
    return DetachedNode(node, DetachedNodeRelease { m_pool });
}

DetachedNode MenuTree::takeSubtree(MenuNode *node)
{
    if (m_selected && m_selected->isInSubtreeOf(node))
        setSelected(nullptr);
    return detach(node);
}

void MenuTree::restoreSubtree(DetachedNode node, MenuNode *parent, std::size_t row)
{
    assert(node.get_deleter().pool == m_pool);
    MenuNode *container = (parent ? parent : m_root);
    const std::size_t added = subtreeSize(node.get());
    if (m_observer)
        m_observer->beginInsert(parent, static_cast<int>(row));
    attach(container, row, node.release());
    m_count += added;
    if (m_observer)
        m_observer->endInsert();
}

void MenuTree::adoptDetached(MenuNode *parent, DetachedNode child, std::size_t row)
{
    assert(!parent->m_container);
    MenuNode *node = child.release();
    node->m_container = parent;
    node->m_topLevel = false;
    parent->m_children.insert(parent->m_children.begin() + static_cast<long>(row), node);
    renumber(parent, row);
}

void MenuTree::setDetachedImages(MenuNode *node, int imageIndex, int selectedIndex)
{
    assert(!node->m_container);
    node->m_imageIndex = static_cast<std::int16_t>(imageIndex);
    node->m_selectedIndex = static_cast<std::int16_t>(selectedIndex);
}

void MenuTree::moveTo(MenuNode *node, MenuNode *parent, std::size_t row)
{
    MenuNode *oldContainer = node->m_container;
    MenuNode *newContainer = (parent ? parent : m_root);
    const auto oldRow = static_cast<std::size_t>(node->row());
    if (oldContainer == newContainer && oldRow == row)
        return;
    // The observer counts the destination row before the node is taken out.
    const std::size_t announcedRow = oldContainer == newContainer && row > oldRow ? row + 1 : row;
    if (m_observer)
        m_observer->beginMove(parentForObserver(oldContainer),
            static_cast<int>(oldRow),
            parent,
            static_cast<int>(announcedRow));
    attach(newContainer, row, unlink(oldContainer, oldRow));
    if (m_observer)
        m_observer->endMove();
}

void MenuTree::clear()
{
    if (m_observer)
        m_observer->beginReset();
    m_selected = nullptr;
    // A fresh pool, so that the blocks of the menu before go back to the system (once no
    // subtree taken out of it is kept any more).
    releaseAll();
    startPool();
    m_count = 0;
    if (m_observer) {
        m_observer->endReset();
        m_observer->selectionChanged(nullptr);
    }
    if (m_recorder)
        m_recorder->cleared();
}

void MenuTree::takeNodes(MenuTree &source)
{
    if (&source == this)
        return;
    if (m_observer)
        m_observer->beginReset();
    m_selected = nullptr;
    // The pool and the hidden root go with the nodes: they live in the one and point at the
    // other as their container.
    releaseAll();
    m_pool = std::exchange(source.m_pool, nullptr);
    m_root = std::exchange(source.m_root, nullptr);
    source.startPool();
    m_count = std::exchange(source.m_count, 0);
    source.m_selected = nullptr;
    if (m_observer) {
        m_observer->endReset();
        m_observer->selectionChanged(nullptr);
    }
    if (m_recorder)
        m_recorder->cleared();
}

bool MenuTree::move(MenuNode *node, MenuNode *target, AttachMode mode)
{
    if (!node || !target)
        return false;
    if (node == target)
        return true;
    if (target->isInSubtreeOf(node))
        return false;

    MenuNode *oldContainer = node->m_container;
    const auto oldRow = static_cast<std::size_t>(node->row());
    auto [newContainer, newRow] = placement(target, mode);
    // Moving within one level onto its own place changes nothing.
    if (newContainer == oldContainer && (newRow == oldRow || newRow == oldRow + 1))
        return true;

    if (m_observer)
        m_observer->beginMove(parentForObserver(oldContainer),
            static_cast<int>(oldRow),
            parentForObserver(newContainer),
            static_cast<int>(newRow));
    MenuNode *taken = unlink(oldContainer, oldRow);
    if (newContainer == oldContainer && newRow > oldRow)
        --newRow;
    attach(newContainer, newRow, taken);
    if (m_observer)
        m_observer->endMove();
    if (m_recorder)
        m_recorder->moved(
            node, parentForObserver(oldContainer), oldRow, parentForObserver(newContainer), newRow);

    if (newContainer != m_root)
        requestExpansion(newContainer, true);
    if (oldContainer != m_root && oldContainer->m_children.empty())
        requestExpansion(oldContainer, false);
    return true;
}

void MenuTree::refreshNodeKind(MenuNode *node)
{
    if (!node)
        return;
    const int imageBefore = node->m_imageIndex;
    const int selectedBefore = node->m_selectedIndex;
    if (node->hasChildren()) {
        node->m_imageIndex = ImageSubmenu;
        node->m_selectedIndex = ImageSubmenuSelected;
    } else {
        node->m_imageIndex = ImageItem;
        node->m_selectedIndex = ImageItemSelected;
    }
    const bool emptiesData = node->hasChildren() && !node->data().empty();
    if (!emptiesData)
        changed(node);
    if (m_recorder
        && (imageBefore != node->m_imageIndex || selectedBefore != node->m_selectedIndex))
        m_recorder->imagesChanged(node, imageBefore, selectedBefore);
    if (emptiesData)
        changeTexts(node, node->title(), {});
}

void MenuTree::changed(MenuNode *node)
{
    if (m_observer)
        m_observer->nodeChanged(node);
}

void MenuTree::changeTexts(MenuNode *node, std::string_view title, MenuEntryView data)
{
    // What the recorder is told of is copied before the texts move.
    const bool titleChanges = title != node->title();
    const bool dataChanges =
        data.command != node->data().command || data.targetPath != node->data().targetPath;
    if (!titleChanges && !dataChanges)
        return changed(node);
    std::string titleBefore;
    MenuEntry dataBefore;
    if (m_recorder) {
        if (titleChanges)
            titleBefore = std::string(node->title());
        if (dataChanges)
            dataBefore = node->data().copy();
    }
    m_pool->setTexts(node, title, data);
    changed(node);
    if (m_recorder && titleChanges)
        m_recorder->titleChanged(node, titleBefore);
    if (m_recorder && dataChanges)
        m_recorder->dataChanged(node, dataBefore);
}

void MenuTree::setTitle(MenuNode *node, std::string_view title)
{
    if (!node || node->title() == title)
        return;
    changeTexts(node, title, node->data());
}

void MenuTree::setCommand(MenuNode *node, std::string_view command)
{
    if (!node || node->data().command == command)
        return;
    changeTexts(node, node->title(), { command, node->data().targetPath });
}

void MenuTree::setTargetPath(MenuNode *node, std::string_view targetPath)
{
    if (!node || node->data().targetPath == targetPath)
        return;
    changeTexts(node, node->title(), { node->data().command, targetPath });
}

void MenuTree::setData(MenuNode *node, MenuEntryView data)
{
    if (!node)
        return;
    changeTexts(node, node->title(), data);
}

void MenuTree::setImages(MenuNode *node, int imageIndex, int selectedIndex)
{
    if (!node)
        return;
    const int imageBefore =
        std::exchange(node->m_imageIndex, static_cast<std::int16_t>(imageIndex));
    const int selectedBefore =
        std::exchange(node->m_selectedIndex, static_cast<std::int16_t>(selectedIndex));
    changed(node);
    if (m_recorder && (imageBefore != imageIndex || selectedBefore != selectedIndex))
        m_recorder->imagesChanged(node, imageBefore, selectedBefore);
}

void MenuTree::requestExpansion(MenuNode *node, bool expanded)
{
    if (node && m_observer)
        m_observer->expansionRequested(node, expanded);
}

std::size_t MenuTree::submenuCount() const
{
    std::size_t n = 0;
    forEach([&n](MenuNode *node) {
        if (node->hasChildren())
            ++n;
        return true;
    });
    return n;
}

MenuNode *MenuTree::nextInPreOrder(const MenuNode *node)
{
    if (!node)
        return nullptr;
    if (node->hasChildren())
        return node->firstChild();
    for (const MenuNode *n = node; n; n = n->parent()) {
        if (MenuNode *next = n->nextSibling())
            return next;
    }
    return nullptr;
}

void MenuTree::forEach(const std::function<bool(MenuNode *)> &visit) const
{
    // Iterative with an explicit stack of (level, position) so deep trees cannot overflow
    // the call stack and every step is constant time.
    std::vector<std::pair<const MenuNode *, std::size_t>> stack;
    stack.emplace_back(m_root, 0);
    while (!stack.empty()) {
        auto &[level, pos] = stack.back();
        if (pos >= level->m_children.size()) {
            stack.pop_back();
            continue;
        }
        MenuNode *node = level->m_children[pos++].get();
        if (!visit(node))
            return;
        if (node->hasChildren())
            stack.emplace_back(node, 0);
    }
}

std::vector<MenuNode *> MenuTree::preOrder() const
{
    std::vector<MenuNode *> nodes;
    nodes.reserve(m_count);
    forEach([&nodes](MenuNode *node) {
        nodes.push_back(node);
        return true;
    });
    return nodes;
}

MenuNode *MenuTree::nodeAt(std::size_t index) const
{
    if (index >= m_count)
        return nullptr;
    MenuNode *found = nullptr;
    std::size_t i = 0;
    forEach([&](MenuNode *node) {
        if (i++ == index) {
            found = node;
            return false;
        }
        return true;
    });
    return found;
}

long MenuTree::indexOf(const MenuNode *node) const
{
    if (!node)
        return -1;
    long i = 0;
    long found = -1;
    forEach([&](MenuNode *n) {
        if (n == node) {
            found = i;
            return false;
        }
        ++i;
        return true;
    });
    return found;
}

void MenuTree::setSelected(MenuNode *node)
{
    if (m_selected == node)
        return;
    m_selected = node;
    if (m_observer)
        m_observer->selectionChanged(node);
}

void MenuTree::beginUpdate()
{
    if (m_updateDepth++ == 0 && m_observer)
        m_observer->beginUpdate();
}

void MenuTree::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_observer)
        m_observer->endUpdate();
}

} // namespace torvex
