#include "menu/MenuTree.h"

#include "core/LargePages.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <new>
#include <utility>

namespace torvex {

// Every node of a tree, made in blocks that grow with the tree (a block of its own for a
// reserved size), so that a menu of a million entries costs a few hundred allocations instead
// of a million. A freed node's room goes on a list and is the next to be taken. The pool
// frees its blocks when it goes; by then every node in it has been released.
class MenuNodePool
{
public:
    MenuNodePool() = default;
    MenuNodePool(const MenuNodePool &) = delete;
    MenuNodePool &operator=(const MenuNodePool &) = delete;
    ~MenuNodePool() { assert(m_live == 0); }

    MenuNode *make(std::string title, NodeKind kind)
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
        MenuNode *node = new (slot->bytes) MenuNode(std::move(title), kind);
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
            top->~MenuNode();
            auto *slot = reinterpret_cast<Slot *>(top);
            slot->nextFree = m_free;
            m_free = slot;
            --m_live;
        }
    }

    // Room for `count` more nodes without a new block.
    void reserve(std::size_t count)
    {
        const auto left = static_cast<std::size_t>(m_end - m_next);
        if (count > left)
            addBlock(count);
    }

private:
    union Slot {
        Slot *nextFree;
        alignas(MenuNode) std::byte bytes[sizeof(MenuNode)];
    };
    static constexpr std::size_t firstBlock = 64;
    static constexpr std::size_t largestBlock = 32768;

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

    std::vector<std::unique_ptr<Slot[]>> m_blocks;
    Slot *m_next = nullptr; // the part of the last block never used yet
    Slot *m_end = nullptr;
    Slot *m_free = nullptr; // rooms of released nodes, each pointing at the next
    std::size_t m_lastBlockSize = 0;
    std::size_t m_live = 0;
};

void DetachedNodeRelease::operator()(MenuNode *node) const
{
    if (node && pool)
        pool->releaseSubtree(node);
}

MenuNode::MenuNode(std::string title, NodeKind kind)
    : m_title(std::move(title))
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
    m_root = m_pool->make(std::string(), NodeKind::Item);
}

void MenuTree::releaseAll()
{
    m_pool->releaseSubtree(m_root);
    m_root = nullptr;
}

void MenuTree::reserve(std::size_t nodes)
{
    m_pool->reserve(nodes);
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

MenuNode *MenuTree::addNode(MenuNode *relative, AttachMode mode, std::string title, NodeKind kind)
{
    auto [container, row] = placement(relative, mode);
    MenuNode *node = m_pool->make(std::move(title), kind);
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
    const MenuEntry dataBefore = node->m_data;
    if (node->hasChildren()) {
        node->m_imageIndex = ImageSubmenu;
        node->m_selectedIndex = ImageSubmenuSelected;
        node->m_data = MenuEntry {};
    } else {
        node->m_imageIndex = ImageItem;
        node->m_selectedIndex = ImageItemSelected;
    }
    changed(node);
    if (m_recorder
        && (imageBefore != node->m_imageIndex || selectedBefore != node->m_selectedIndex))
        m_recorder->imagesChanged(node, imageBefore, selectedBefore);
    recordData(node, dataBefore);
}

void MenuTree::recordData(MenuNode *node, const MenuEntry &before)
{
    if (m_recorder
        && (before.command != node->m_data.command || before.targetPath != node->m_data.targetPath))
        m_recorder->dataChanged(node, before);
}

void MenuTree::changed(MenuNode *node)
{
    if (m_observer)
        m_observer->nodeChanged(node);
}

void MenuTree::setTitle(MenuNode *node, std::string title)
{
    if (!node || node->m_title == title)
        return;
    std::string before = std::exchange(node->m_title, std::move(title));
    changed(node);
    if (m_recorder)
        m_recorder->titleChanged(node, before);
}

void MenuTree::setCommand(MenuNode *node, std::string command)
{
    if (!node || node->m_data.command == command)
        return;
    const MenuEntry before = node->m_data;
    node->m_data.command = std::move(command);
    changed(node);
    recordData(node, before);
}

void MenuTree::setTargetPath(MenuNode *node, std::string targetPath)
{
    if (!node || node->m_data.targetPath == targetPath)
        return;
    const MenuEntry before = node->m_data;
    node->m_data.targetPath = std::move(targetPath);
    changed(node);
    recordData(node, before);
}

void MenuTree::setData(MenuNode *node, MenuEntry data)
{
    if (!node)
        return;
    const MenuEntry before = std::exchange(node->m_data, std::move(data));
    changed(node);
    recordData(node, before);
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
