#include "menu/gui/MenuTreeModel.h"

#include "core/gui/ShownText.h"
#include "menu/SpokenEntry.h"
#include "menu/gui/MenuText.h"

namespace torvex {

MenuTreeModel::MenuTreeModel(MenuTree &tree, QObject *parent)
    : QAbstractItemModel(parent)
    , m_tree(tree)
{
    m_tree.setObserver(this);
    m_shownSelected = m_tree.selected();
}

MenuTreeModel::~MenuTreeModel()
{
    m_tree.setObserver(nullptr);
}

void MenuTreeModel::setImages(QList<QPixmap> images)
{
    m_images = std::move(images);
    if (!m_tree.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::DecorationRole });
}

MenuNode *MenuTreeModel::node(const QModelIndex &index) const
{
    if (!index.isValid())
        return nullptr;
    return static_cast<MenuNode *>(index.internalPointer());
}

QModelIndex MenuTreeModel::indexOf(const MenuNode *node) const
{
    if (!node)
        return {};
    return createIndex(node->row(), 0, const_cast<MenuNode *>(node));
}

const std::vector<NodeLink> &MenuTreeModel::childrenOf(
    const MenuNode *parent) const
{
    return parent ? parent->children() : m_tree.topLevel();
}

QModelIndex MenuTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.model() != this))
        return {};
    const auto &children = childrenOf(node(parent));
    if (static_cast<std::size_t>(row) >= children.size())
        return {};
    return createIndex(row, 0, children[row].get());
}

QModelIndex MenuTreeModel::parent(const QModelIndex &child) const
{
    const MenuNode *n = node(child);
    return n ? indexOf(n->parent()) : QModelIndex();
}

int MenuTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(childrenOf(node(parent)).size());
}

int MenuTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant MenuTreeModel::data(const QModelIndex &index, int role) const
{
    return dataOf(node(index), role);
}

QVariant MenuTreeModel::dataOf(const MenuNode *n, int role) const
{
    if (!n)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return menuTextToQt(n->title());
    // What a screen reader says for the row.
    if (role == Qt::AccessibleTextRole)
        return shownText(spokenEntryName(*n));
    if (role == Qt::AccessibleDescriptionRole)
        return shownText(spokenEntryDetails(*n));
    if (role == Qt::DecorationRole) {
        const int picture = n == m_tree.selected() ? n->selectedIndex() : n->imageIndex();
        if (picture >= 0 && picture < m_images.size())
            return m_images[picture];
    }
    return {};
}

Qt::ItemFlags MenuTreeModel::flags(const QModelIndex &index) const
{
    return flagsOf(node(index));
}

Qt::ItemFlags MenuTreeModel::flagsOf(const MenuNode *node)
{
    if (!node)
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions MenuTreeModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions MenuTreeModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

void MenuTreeModel::beginInsert(MenuNode *parent, int row)
{
    beginInsertRows(indexOf(parent), row, row);
}

void MenuTreeModel::endInsert()
{
    endInsertRows();
}

void MenuTreeModel::beginRemove(MenuNode *parent, int row)
{
    const MenuNode *leaving = childrenOf(parent)[row].get();
    if (m_shownSelected && m_shownSelected->isInSubtreeOf(leaving))
        m_shownSelected = nullptr;
    beginRemoveRows(indexOf(parent), row, row);
}

void MenuTreeModel::endRemove()
{
    endRemoveRows();
}

void MenuTreeModel::beginMove(
    MenuNode *sourceParent, int sourceRow, MenuNode *destinationParent, int destinationRow)
{
    // Qt refuses moves that change nothing (a node onto its own place); the tree then leaves
    // the order as it was, so there is nothing to announce.
    m_moveActive = beginMoveRows(
        indexOf(sourceParent), sourceRow, sourceRow, indexOf(destinationParent), destinationRow);
}

void MenuTreeModel::endMove()
{
    if (m_moveActive)
        endMoveRows();
    m_moveActive = false;
}

void MenuTreeModel::beginReset()
{
    m_shownSelected = nullptr;
    beginResetModel();
}

void MenuTreeModel::endReset()
{
    endResetModel();
}

void MenuTreeModel::nodeChanged(MenuNode *node)
{
    const QModelIndex i = indexOf(node);
    if (i.isValid())
        Q_EMIT dataChanged(i, i);
}

void MenuTreeModel::refreshPicture(const MenuNode *node)
{
    const QModelIndex i = indexOf(node);
    if (i.isValid())
        Q_EMIT dataChanged(i, i, { Qt::DecorationRole });
}

void MenuTreeModel::selectionChanged(MenuNode *node)
{
    const MenuNode *previous = m_shownSelected;
    m_shownSelected = node;
    refreshPicture(previous);
    refreshPicture(node);
    Q_EMIT selectedNodeChanged(indexOf(node));
}

void MenuTreeModel::expansionRequested(MenuNode *node, bool expanded)
{
    Q_EMIT expandRequested(indexOf(node), expanded);
}

void MenuTreeModel::beginUpdate()
{
    Q_EMIT updateBegun();
}

void MenuTreeModel::endUpdate()
{
    Q_EMIT updateEnded();
}

} // namespace torvex
