#include "menu/gui/ShownMenuModel.h"

#include "menu/gui/MenuTreeModel.h"

namespace torvex {

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
    shown.reserve(m_rows.size());
    m_rows.forEach([&shown](const MenuNode *node, int) {
        shown.insert(node);
    });
    buildLevels(shown);
    m_resetting = false;
    endResetModel();
}

void ShownMenuModel::showOnly(const NodeSet &shown)
{
    beginResetModel();
    m_filtered = true;
    buildLevels(shown);
    endResetModel();
}

void ShownMenuModel::showAll()
{
    if (!m_filtered)
        return;
    beginResetModel();
    m_filtered = false;
    m_children = {};
    m_rows = {};
    endResetModel();
}

void ShownMenuModel::buildLevels(const NodeSet &shown)
{
    m_children.clear();
    m_rows = {};
    m_rows.reserve(shown.size());
    // A node not shown has no shown node below it: only shown levels are walked.
    std::vector<const MenuNode *> pending { nullptr };
    while (!pending.empty()) {
        const MenuNode *parent = pending.back();
        pending.pop_back();
        const auto &children = parent ? parent->children() : m_source.tree().topLevel();
        std::vector<MenuNode *> rows;
        for (const auto &child : children) {
            if (!shown.count(child.get()))
                continue;
            m_rows.insert(child.get(), static_cast<int>(rows.size()));
            rows.push_back(child.get());
            if (child->hasChildren())
                pending.push_back(child.get());
        }
        if (!rows.empty() || !parent)
            m_children.emplace(parent, std::move(rows));
    }
}

const std::vector<MenuNode *> *ShownMenuModel::shownChildren(const MenuNode *parent) const
{
    const auto found = m_children.find(parent);
    return found == m_children.end() ? nullptr : &found->second;
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
        const int *row = m_rows.find(node);
        return row ? createIndex(*row, 0, const_cast<MenuNode *>(node)) : QModelIndex();
    }
    const int row = node->row();
    return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<MenuNode *>(node));
}

QModelIndex ShownMenuModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.model() != this))
        return {};
    const MenuNode *parentNode = node(parent);
    if (m_filtered) {
        const std::vector<MenuNode *> *rows = shownChildren(parentNode);
        if (!rows || static_cast<std::size_t>(row) >= rows->size())
            return {};
        return createIndex(row, 0, (*rows)[row]);
    }
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
    const MenuNode *parentNode = node(parent);
    if (m_filtered) {
        const std::vector<MenuNode *> *rows = shownChildren(parentNode);
        return rows ? static_cast<int>(rows->size()) : 0;
    }
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
    return MenuTreeModel::flagsOf(node(index));
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
