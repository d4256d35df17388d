#include "menu/gui/ShownMenuModel.h"

#include "core/LargePages.h"
#include "menu/gui/MenuTreeModel.h"

#include <algorithm>

namespace torvex {

namespace {

// Writes the room of `items` beyond its size once, keeping what it holds. A page made present
// ahead is not enough everywhere: in some virtual machines its first write still costs about
// 2 ms a megabyte (against 0.03 once written), which the first filter would pay.
template <typename T> void writeRoom(std::vector<T> &items, const T &filler)
{
    const std::size_t size = items.size();
    items.resize(items.capacity(), filler);
    items.resize(size);
}

} // namespace

ShownMenuModel::ShownMenuModel(MenuTreeModel &source, QObject *parent)
    : QAbstractItemModel(parent)
    , m_source(source)
{
    followSource();
}

void ShownMenuModel::followSource()
{
    MenuTreeModel *source = &m_source;
    // Unfiltered, the rows are the tree model's: each change is passed on as it is.
    connect(source,
        &QAbstractItemModel::rowsAboutToBeInserted,
        this,
        [this](const QModelIndex &parent, int first, int last) {
            if (m_filtered)
                beginShapeChange();
            else
                beginInsertRows(fromSource(parent), first, last);
        });
    connect(source, &QAbstractItemModel::rowsInserted, this, [this] {
        if (m_filtered)
            endShapeChange();
        else
            endInsertRows();
    });
    connect(source,
        &QAbstractItemModel::rowsAboutToBeRemoved,
        this,
        [this](const QModelIndex &parent, int first, int last) {
            if (m_filtered)
                beginShapeChange();
            else
                beginRemoveRows(fromSource(parent), first, last);
        });
    connect(source, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (m_filtered)
            endShapeChange();
        else
            endRemoveRows();
    });
    connect(source,
        &QAbstractItemModel::rowsAboutToBeMoved,
        this,
        [this](const QModelIndex &from, int first, int last, const QModelIndex &to, int row) {
            if (m_filtered)
                beginShapeChange();
            else
                m_moving = beginMoveRows(fromSource(from), first, last, fromSource(to), row);
        });
    connect(source, &QAbstractItemModel::rowsMoved, this, [this] {
        if (m_filtered) {
            endShapeChange();
        } else if (m_moving) {
            m_moving = false;
            endMoveRows();
        }
    });
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (m_filtered)
            beginShapeChange();
        else
            beginResetModel();
    });
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        if (m_filtered)
            endShapeChange();
        else
            endResetModel();
    });
    connect(source,
        &QAbstractItemModel::dataChanged,
        this,
        [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
            if (!m_filtered) {
                Q_EMIT dataChanged(fromSource(topLeft), fromSource(bottomRight), roles);
                return;
            }
            // Shown rows need not be next to each other: each is told apart.
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                const QModelIndex shown = indexOf(node(topLeft.siblingAtRow(row)));
                if (shown.isValid())
                    Q_EMIT dataChanged(shown, shown, roles);
            }
        });
}

QModelIndex ShownMenuModel::fromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    if (!m_filtered)
        return createIndex(sourceIndex.row(), 0, sourceIndex.internalPointer());
    return indexOf(node(sourceIndex));
}

void ShownMenuModel::beginShapeChange()
{
    if (m_resetting)
        return;
    m_resetting = true;
    beginResetModel();
}

void ShownMenuModel::endShapeChange()
{
    if (!m_resetting)
        return;
    // The nodes shown before that are still in the tree stay shown; only their addresses are
    // looked up, so nodes that left the tree are never read.
    NodeSet shown;
    for (const Place &place : m_places)
        shown.insert(place.node);
    buildLevels(inMenuOrder(shown));
    m_resetting = false;
    endResetModel();
}

void ShownMenuModel::showOnly(const NodeSet &shown)
{
    showOnly(inMenuOrder(shown));
}

void ShownMenuModel::showOnly(const std::vector<const MenuNode *> &inMenuOrder)
{
    beginResetModel();
    m_filtered = true;
    buildLevels(inMenuOrder);
    endResetModel();
}

void ShownMenuModel::showAll()
{
    if (!m_filtered)
        return;
    beginResetModel();
    m_filtered = false;
    m_lastParent = {};
    m_places = {};
    m_topLevelRows = 0;
    m_parentPositions = {};
    m_firstChildren = {};
    endResetModel();
}

void ShownMenuModel::reserve(std::size_t nodes)
{
    // Present at once: the first filter then writes into pages that are there.
    reservePresent(m_places, nodes);
    reservePresent(m_parentPositions, nodes);
    reservePresent(m_firstChildren, nodes);
    writeRoom(m_places, Place(nullptr, 0, 0));
    writeRoom(m_parentPositions, 0);
    writeRoom(m_firstChildren, 0);
}

std::vector<const MenuNode *> ShownMenuModel::inMenuOrder(const NodeSet &shown) const
{
    std::vector<const MenuNode *> nodes;
    nodes.reserve(shown.size());
    // Depth first through the shown levels only: a node of the set below one not in it (moved
    // there while filtered) is not shown.
    struct Level
    {
        const MenuNode *parent;
        std::size_t next;
    };
    std::vector<Level> levels { { nullptr, 0 } };
    while (!levels.empty()) {
        Level &level = levels.back();
        const auto &children =
            level.parent ? level.parent->children() : m_source.tree().topLevel();
        if (level.next == children.size()) {
            levels.pop_back();
            continue;
        }
        const MenuNode *child = children[level.next++].get();
        if (!shown.count(child))
            continue;
        nodes.push_back(child);
        if (child->hasChildren())
            levels.push_back({ child, 0 });
    }
    return nodes;
}

void ShownMenuModel::buildLevels(const std::vector<const MenuNode *> &inMenuOrder)
{
    m_lastParent = {};
    // Each array is written once, in order: the caller's list is only read (it may be kept for
    // the next filter), and the places are written where the rows go, without a table of
    // positions between them.
    const int count = static_cast<int>(inMenuOrder.size());
    m_parentPositions.resize(inMenuOrder.size());
    m_firstChildren.assign(inMenuOrder.size(), 0);
    // Each node's parent is the last node before it on the path from the top level down to
    // it; the number of each one's shown children follows.
    m_topLevelRows = 0;
    std::vector<int> path;
    for (int at = 0; at < count; ++at) {
        const MenuNode *node = inMenuOrder[at];
        while (!path.empty() && inMenuOrder[path.back()] != node->parent())
            path.pop_back();
        const int parent = path.empty() ? -1 : path.back();
        m_parentPositions[at] = parent;
        ++(parent < 0 ? m_topLevelRows : m_firstChildren[parent]);
        path.push_back(at);
    }
    // Every level's children side by side, the top level's first: the counts become the slot
    // of each node's first child.
    int next = m_topLevelRows;
    for (int &first : m_firstChildren) {
        const int children = first;
        first = next;
        next += children;
    }
    // A parent is put in its slot before its children: its place then counts their rows, and
    // its position's parent entry, read no more, holds its slot for them.
    m_places.resize(inMenuOrder.size());
    int topLevel = 0;
    for (int at = 0; at < count; ++at) {
        const int parent = m_parentPositions[at];
        int row = 0;
        int slot = 0;
        if (parent < 0) {
            row = slot = topLevel++;
        } else {
            Place &up = m_places[m_parentPositions[parent]];
            row = up.children++;
            slot = up.firstChild + row;
        }
        m_places[slot] = Place(inMenuOrder[at], row, m_firstChildren[at]);
        m_parentPositions[at] = slot;
    }
}

const ShownMenuModel::Place *ShownMenuModel::placeOf(const MenuNode *node) const
{
    // While the tree's shape changes, nodes shown may have left it: none is read.
    if (m_resetting)
        return nullptr;
    // The view asks for the rows of one parent after the other: its place is remembered.
    if (m_lastParent && m_lastParent->first == node)
        return &m_places[m_lastParent->second];
    // From the top level down through the node's ancestors, each found among its shown
    // siblings by its row in the tree: shown siblings keep the tree's order.
    m_ancestors.clear();
    for (const MenuNode *up = node; up; up = up->parent())
        m_ancestors.push_back(up);
    const auto rows = m_places.begin();
    int first = 0;
    int count = m_topLevelRows;
    int slot = -1;
    for (auto down = m_ancestors.rbegin(); down != m_ancestors.rend(); ++down) {
        const auto end = rows + first + count;
        const auto at = std::lower_bound(rows + first, end, (*down)->row(),
            [](const Place &shown, int row) {
                return shown.node->row() < row;
            });
        if (at == end || at->node != *down)
            return nullptr;
        slot = static_cast<int>(at - rows);
        const Place &place = m_places[slot];
        first = place.firstChild;
        count = place.children;
    }
    if (slot < 0)
        return nullptr;
    m_lastParent = std::pair { node, slot };
    return &m_places[slot];
}

const ShownMenuModel::Place *ShownMenuModel::placeAt(const QModelIndex &index) const
{
    const MenuNode *shown = node(index);
    if (!shown || m_resetting)
        return nullptr;
    // The index's row among the shown children of its parent gives its slot without a search
    // (for a top-level node, with no look-up at all); an index of other rows is searched.
    int first = 0;
    if (const MenuNode *up = shown->parent()) {
        const Place *parent = placeOf(up);
        if (!parent)
            return nullptr;
        first = parent->firstChild;
    }
    const std::size_t slot = static_cast<std::size_t>(first) + static_cast<std::size_t>(index.row());
    if (index.row() >= 0 && slot < m_places.size() && m_places[slot].node == shown)
        return &m_places[slot];
    return placeOf(shown);
}

std::pair<const ShownMenuModel::Place *, int> ShownMenuModel::shownChildren(
    const QModelIndex &parent) const
{
    if (!parent.isValid())
        return { m_places.data(), m_topLevelRows };
    const Place *place = placeAt(parent);
    if (!place)
        return { nullptr, 0 };
    return { m_places.data() + place->firstChild, place->children };
}

MenuNode *ShownMenuModel::node(const QModelIndex &index)
{
    return index.isValid() ? static_cast<MenuNode *>(index.internalPointer()) : nullptr;
}

QModelIndex ShownMenuModel::indexOf(const MenuNode *node) const
{
    if (!node)
        return {};
    if (m_filtered) {
        const Place *place = placeOf(node);
        return place ? createIndex(place->row, 0, const_cast<MenuNode *>(node)) : QModelIndex();
    }
    const int row = node->row();
    return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<MenuNode *>(node));
}

QModelIndex ShownMenuModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.model() != this))
        return {};
    if (m_filtered) {
        const auto [rows, count] = shownChildren(parent);
        return row < count ? createIndex(row, 0, const_cast<MenuNode *>(rows[row].node))
                           : QModelIndex();
    }
    const MenuNode *parentNode = node(parent);
    const auto &children = parentNode ? parentNode->children() : m_source.tree().topLevel();
    if (static_cast<std::size_t>(row) >= children.size())
        return {};
    return createIndex(row, 0, children[row].get());
}

QModelIndex ShownMenuModel::parent(const QModelIndex &child) const
{
    const MenuNode *n = node(child);
    return n ? indexOf(n->parent()) : QModelIndex();
}

int ShownMenuModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    if (m_filtered)
        return shownChildren(parent).second;
    const MenuNode *parentNode = node(parent);
    return static_cast<int>(
        parentNode ? parentNode->childCount() : m_source.tree().topLevel().size());
}

int ShownMenuModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool ShownMenuModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant ShownMenuModel::data(const QModelIndex &index, int role) const
{
    return m_source.dataOf(node(index), role);
}

Qt::ItemFlags ShownMenuModel::flags(const QModelIndex &index) const
{
    const MenuNode *n = node(index);
    // An entry without children as the tree is now, or while filtered a node whose children
    // are all hidden: the view's layout then asks nothing more of it (whether it is open, what
    // it shows below it) and keeps no open state for it. The flag is asked afresh each time,
    // so a node that gains (shown) children loses it.
    if (n && (!n->hasChildren() || (m_filtered && shownChildren(index).second == 0)))
        return MenuTreeModel::flagsOf(n) | Qt::ItemNeverHasChildren;
    return MenuTreeModel::flagsOf(n);
}

Qt::DropActions ShownMenuModel::supportedDropActions() const
{
    return m_source.supportedDropActions();
}

Qt::DropActions ShownMenuModel::supportedDragActions() const
{
    return m_source.supportedDragActions();
}

} // namespace torvex
