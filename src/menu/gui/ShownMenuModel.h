#pragma once

#include "menu/MenuTree.h"
#include "menu/NodeTable.h"

#include <QAbstractItemModel>

#include <unordered_map>
#include <vector>

namespace torvex {

class MenuTreeModel;

// The rows the tree view shows, over a MenuTreeModel: every node as the tree holds it, or,
// while the find box filters, only the nodes of a set (each with its ancestors). Its indexes
// carry the node as their internal pointer, as the tree model's do, but their rows count
// among the shown siblings: map a node to a view index with indexOf() of this model, never
// of the tree model. Filtering replaces the rows in one reset instead of hiding them one by
// one; while filtered, a change of the tree's shape is shown by a reset too, the nodes of
// the set that are still in the tree kept shown.
class ShownMenuModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ShownMenuModel(MenuTreeModel &source, QObject *parent = nullptr);

    MenuTreeModel &source() const { return m_source; }

    // Shows only the nodes of `shown`, which holds the ancestors of each of its nodes.
    void showOnly(const NodeSet &shown);
    // Shows every node again.
    void showAll();
    bool isFiltered() const { return m_filtered; }

    // The node of an index, nullptr for the invisible root.
    static MenuNode *node(const QModelIndex &index);
    // The index of a node, the invalid index for nullptr or a node not shown.
    QModelIndex indexOf(const MenuNode *node) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

private:
    void followSource();
    // The tree model's index of a change, as an index of this model (invalid when not shown).
    QModelIndex fromSource(const QModelIndex &sourceIndex) const;
    // Begins a reset for a change of the tree's shape while filtered; the end builds the
    // shown rows again from the tree.
    void beginShapeChange();
    void endShapeChange();
    // The shown children of each shown node (nullptr: the top level) and each shown node's
    // row among them, from the tree and the nodes to show.
    void buildLevels(const NodeSet &shown);
    const std::vector<MenuNode *> *shownChildren(const MenuNode *parent) const;

    MenuTreeModel &m_source;
    bool m_filtered = false;
    bool m_resetting = false;
    bool m_moving = false;
    std::unordered_map<const MenuNode *, std::vector<MenuNode *>> m_children;
    NodeTable<int> m_rows;
};

} // namespace torvex
