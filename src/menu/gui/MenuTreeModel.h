#pragma once

#include "menu/MenuTree.h"

#include <QAbstractItemModel>
#include <QList>
#include <QPixmap>

namespace torvex {

// One-column item model over a MenuTree. The tree stays the only owner of the nodes and of
// the selection; the model announces every change the tree reports and forwards selection,
// expansion and batch brackets as signals for the view.
class MenuTreeModel : public QAbstractItemModel, private MenuTreeObserver
{
    Q_OBJECT

public:
    explicit MenuTreeModel(MenuTree &tree, QObject *parent = nullptr);
    ~MenuTreeModel() override;

    MenuTree &tree() const { return m_tree; }

    // The pictures by node image index (0 item, 1 submenu, 2 and 3 their selected forms).
    void setImages(QList<QPixmap> images);

    // The node of an index, nullptr for the invisible root.
    MenuNode *node(const QModelIndex &index) const;
    // The index of a node, the invalid index for nullptr.
    QModelIndex indexOf(const MenuNode *node) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // What data() answers for the node's index, found without the node's row.
    QVariant dataOf(const MenuNode *node, int role) const;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The flags of a node's index (nullptr: the invisible root).
    static Qt::ItemFlags flagsOf(const MenuNode *node);
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

Q_SIGNALS:
    // The tree's selected node changed (nullptr: none).
    void selectedNodeChanged(const QModelIndex &index);
    void expandRequested(const QModelIndex &index, bool expanded);
    void updateBegun();
    void updateEnded();

private:
    void beginInsert(MenuNode *parent, int row) override;
    void endInsert() override;
    void beginRemove(MenuNode *parent, int row) override;
    void endRemove() override;
    void beginMove(MenuNode *sourceParent,
        int sourceRow,
        MenuNode *destinationParent,
        int destinationRow) override;
    void endMove() override;
    void beginReset() override;
    void endReset() override;
    void nodeChanged(MenuNode *node) override;
    void selectionChanged(MenuNode *node) override;
    void expansionRequested(MenuNode *node, bool expanded) override;
    void beginUpdate() override;
    void endUpdate() override;

    const std::vector<NodeLink> &childrenOf(const MenuNode *parent) const;
    void refreshPicture(const MenuNode *node);

    MenuTree &m_tree;
    QList<QPixmap> m_images;
    // The node whose picture shows the selected form; reset when it leaves the tree.
    const MenuNode *m_shownSelected = nullptr;
    bool m_moveActive = false;
};

} // namespace torvex
