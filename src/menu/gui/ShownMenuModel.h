#pragma once

#include "menu/MenuTree.h"
#include "menu/NodeTable.h"

#include <QAbstractItemModel>

#include <optional>
#include <utility>
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
    // The same for nodes in menu order, each after its parent (as ShownNodes holds them): no
    // node is looked up to lay out the rows.
    void showOnly(const std::vector<const MenuNode *> &inMenuOrder);
    // Shows every node again, and gives back the room of the filtered rows.
    void showAll();
    // Makes room for filtered rows of up to `nodes` nodes, so that the first filter touches no
    // new memory (and the ones after it reuse the same room).
    void reserve(std::size_t nodes);
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
    // The nodes of `shown` in menu order, walking the tree (nodes that left it are never read).
    std::vector<const MenuNode *> inMenuOrder(const NodeSet &shown) const;
    // The shown children of each shown node and each one's row among them, from the nodes to
    // show in menu order.
    void buildLevels(const std::vector<const MenuNode *> &inMenuOrder);

    // A shown node and where it stands: its row among its shown siblings, and where its own
    // shown children are in m_places. Left unset when made: each is written once as the
    // levels are built, over room that need not be cleared first.
    struct Place
    {
        Place() { } // NOLINT: no member set on purpose
        Place(const MenuNode *shown, int atRow, int first)
            : node(shown)
            , row(atRow)
            , firstChild(first)
            , children(0)
        { }
        const MenuNode *node;
        int row;
        int firstChild;
        int children;
    };
    // The shown children of `parent` (invalid: the top level), none when it is not shown.
    std::pair<const Place *, int> shownChildren(const QModelIndex &parent) const;
    // Where a node is shown, nullptr when it is not: searched from the top level down.
    const Place *placeOf(const MenuNode *node) const;
    // The same for an index of this model, from its row without a search.
    const Place *placeAt(const QModelIndex &index) const;

    MenuTreeModel &m_source;
    bool m_filtered = false;
    bool m_resetting = false;
    bool m_moving = false;
    // While filtered, the room kept from one filter to the next: the shown children of each
    // shown parent side by side, the top level's first (the slots), each with its place. No
    // table by node: a node is found by its rows in the tree.
    std::vector<Place> m_places;
    int m_topLevelRows = 0;
    // While the levels are built, by the nodes' positions in menu order: each one's parent
    // (-1: the top level; then its own slot, once placed), and the slot of its first child.
    std::vector<int> m_parentPositions;
    std::vector<int> m_firstChildren;
    // The node placeOf() found last, with its slot.
    mutable std::optional<std::pair<const MenuNode *, int>> m_lastParent;
    // placeOf()'s path from a node up to the top level, its room kept.
    mutable std::vector<const MenuNode *> m_ancestors;
};

} // namespace torvex
