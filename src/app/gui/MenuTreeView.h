#pragma once

#include <QTreeView>

namespace torvex {

class MenuTreeModel;

// The menu tree `tview`: a tree view without expand buttons whose current row follows the
// core tree's selected node and back. Mouse presses, key releases and the drag events are
// passed on as signals so that the main window handles them.
class MenuTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit MenuTreeView(QWidget *parent = nullptr);

    // Shows `model` and keeps the selection of its tree and the current row the same.
    void setMenuModel(MenuTreeModel *model);
    MenuTreeModel *menuModel() const { return m_model; }

    // The MIME type of a drag of a node within the tree. It carries nothing: the window
    // knows the dragged node (the current row when the drag started).
    static const QString nodeMimeType;

Q_SIGNALS:
    // After the view has handled the press (a right press has already selected the row).
    void mousePressed(Qt::MouseButton button, const QPoint &pos);
    void keyReleased(int key);
    void dragStarting();
    // Enter and move of a drag over the tree; the receiver accepts or ignores the event.
    void dragMoved(QDragMoveEvent *event);
    void dropped(QDropEvent *event);
    // A drag left the tree, or was given up over it, without a drop.
    void dragLeft();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    // Lines between the items instead of expand and collapse buttons.
    void drawBranches(
        QPainter *painter, const QRect &rect, const QModelIndex &index) const override;

private:
    void showSelectedNode(const QModelIndex &index);
    void applyExpansion(const QModelIndex &index, bool expanded);

    MenuTreeModel *m_model = nullptr;
    bool m_syncing = false;
    // Where the last mouse press hit the viewport: the drag picture's hot spot.
    QPoint m_pressedAt;
};

} // namespace torvex
