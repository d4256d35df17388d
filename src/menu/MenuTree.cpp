#include "menu/MenuTree.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace torvex {

MenuNode::MenuNode(std::string title, NodeKind kind)
    : m_title(std::move(title))
{
    if (kind == NodeKind::Submenu) {
        m_imageIndex = ImageSubmenu;
        m_selectedIndex = ImageSubmenuSelected;
    }
}

MenuNode::~MenuNode()
{
    // Dismantle the subtree with an explicit stack: a menu nested thousands of levels deep
    // must not exhaust the call stack through nested destructors.
    std::vector<std::unique_ptr<MenuNode>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<MenuNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto &child : node->m_children)
            pending.push_back(std::move(child));
        node->m_children.clear();
    }
}

MenuNode *MenuNode::firstChild() const
{
    return m_children.empty() ? nullptr : m_children.front().get();
}

MenuNode *MenuNode::lastChild() const
{
    return m_children.empty() ? nullptr : m_children.back().get();
}

bool MenuNode::isLastChild() const
{
    return m_container && m_container->m_children.back().get() == this;
}

int MenuNode::row() const
{
    if (!m_container)
        return -1;
    const auto &siblings = m_container->m_children;
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == this)
            return static_cast<int>(i);
    }
    return -1;
}

MenuNode *MenuNode::nextSibling() const
{
    const int r = row();
    if (r < 0 || static_cast<std::size_t>(r) + 1 >= m_container->m_children.size())
        return nullptr;
    return m_container->m_children[r + 1].get();
}

MenuNode *MenuNode::prevSibling() const
{
    const int r = row();
    if (r <= 0)
        return nullptr;
    return m_container->m_children[r - 1].get();
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
    : m_root(std::make_unique<MenuNode>(std::string(), NodeKind::Item))
{ }

MenuTree::~MenuTree() = default;

MenuNode *MenuTree::parentForObserver(MenuNode *container) const
{
    return container == m_root.get() ? nullptr : container;
}

std::pair<MenuNode *, std::size_t> MenuTree::placement(MenuNode *relative, AttachMode mode) const
{
    if (!relative) {
        const bool atFront = mode == AttachMode::AddFirst || mode == AttachMode::AddChildFirst;
        return { m_root.get(), atFront ? 0 : m_root->m_children.size() };
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

void MenuTree::attach(MenuNode *container, std::size_t row, std::unique_ptr<MenuNode> node)
{
    node->m_container = container;
    node->m_topLevel = container == m_root.get();
    container->m_children.insert(
        container->m_children.begin() + static_cast<long>(row), std::move(node));
}

MenuNode *MenuTree::addNode(MenuNode *relative, AttachMode mode, std::string title, NodeKind kind)
{
    auto [container, row] = placement(relative, mode);
    auto node = std::make_unique<MenuNode>(std::move(title), kind);
    MenuNode *raw = node.get();
    if (m_observer)
        m_observer->beginInsert(parentForObserver(container), static_cast<int>(row));
    attach(container, row, std::move(node));
    ++m_count;
    if (m_observer)
        m_observer->endInsert();
    if (m_recorder)
        m_recorder->attached(raw, parentForObserver(container), row);
    return raw;
}

std::size_t MenuTree::subtreeSize(const MenuNode *node)
{
    std::size_t n = 0;
    std::vector<const MenuNode *> stack { node };
    while (!stack.empty()) {
        const MenuNode *top = stack.back();
        stack.pop_back();
        ++n;
        for (const auto &child : top->m_children)
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
    std::unique_ptr<MenuNode> owned = detach(node);
    if (m_recorder)
        m_recorder->detached(std::move(owned), parent, static_cast<std::size_t>(row));
}

std::unique_ptr<MenuNode> MenuTree::detach(MenuNode *node)
{
    MenuNode *container = node->m_container;
    const int row = node->row();
    assert(row >= 0);
    const std::size_t removed = subtreeSize(node);
    if (m_observer)
        m_observer->beginRemove(parentForObserver(container), row);
    std::unique_ptr<MenuNode> owned = std::move(container->m_children[row]);
    container->m_children.erase(container->m_children.begin() + row);
    m_count -= removed;
    // A node out of the tree has no place: row() answers -1 and views find no index for it.
    owned->m_container = nullptr;
    owned->m_topLevel = false;
    if (m_observer)
        m_observer->endRemove();
    return owned;
}

std::unique_ptr<MenuNode> MenuTree::takeSubtree(MenuNode *node)
{
    if (m_selected && m_selected->isInSubtreeOf(node))
        setSelected(nullptr);
    return detach(node);
}

void MenuTree::restoreSubtree(std::unique_ptr<MenuNode> node, MenuNode *parent, std::size_t row)
{
    MenuNode *container = (parent ? parent : m_root.get());
    const std::size_t added = subtreeSize(node.get());
    if (m_observer)
        m_observer->beginInsert(parent, static_cast<int>(row));
    attach(container, row, std::move(node));
    m_count += added;
    if (m_observer)
        m_observer->endInsert();
}

void MenuTree::adoptDetached(MenuNode *parent, std::unique_ptr<MenuNode> child, std::size_t row)
{
    assert(!parent->m_container);
    child->m_container = parent;
    child->m_topLevel = false;
    parent->m_children.insert(
        parent->m_children.begin() + static_cast<long>(row), std::move(child));
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
    MenuNode *newContainer = (parent ? parent : m_root.get());
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
    std::unique_ptr<MenuNode> owned = std::move(oldContainer->m_children[oldRow]);
    oldContainer->m_children.erase(oldContainer->m_children.begin() + static_cast<long>(oldRow));
    attach(newContainer, row, std::move(owned));
    if (m_observer)
        m_observer->endMove();
}

void MenuTree::clear()
{
    if (m_observer)
        m_observer->beginReset();
    m_selected = nullptr;
    m_root->m_children.clear();
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
    // The hidden root goes with its children: they point at it as their container.
    std::unique_ptr<MenuNode> old = std::exchange(m_root, std::move(source.m_root));
    source.m_root = std::make_unique<MenuNode>(std::string(), NodeKind::Item);
    m_count = std::exchange(source.m_count, 0);
    source.m_selected = nullptr;
    old.reset();
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
    std::unique_ptr<MenuNode> owned = std::move(oldContainer->m_children[oldRow]);
    oldContainer->m_children.erase(oldContainer->m_children.begin() + static_cast<long>(oldRow));
    if (newContainer == oldContainer && newRow > oldRow)
        --newRow;
    attach(newContainer, newRow, std::move(owned));
    if (m_observer)
        m_observer->endMove();
    if (m_recorder)
        m_recorder->moved(
            node, parentForObserver(oldContainer), oldRow, parentForObserver(newContainer), newRow);

    if (newContainer != m_root.get())
        requestExpansion(newContainer, true);
    if (oldContainer != m_root.get() && oldContainer->m_children.empty())
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
    stack.emplace_back(m_root.get(), 0);
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
