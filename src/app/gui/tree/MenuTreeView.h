#pragma once

#include <QHash>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <functional>
#include <optional>

class QMimeData;

namespace torvex {

// A drag over the tree as its handler sees it.
struct TreeDrag
{
    // Where the pointer is, in the viewport.
    QPoint position;
    // What the drag carries; valid for the handler's call only.
    const QMimeData *data = nullptr;
    // The widget the drag started in, nullptr when it comes from another program.
    const QObject *source = nullptr;
    Qt::KeyboardModifiers modifiers;
    Qt::DropAction proposedAction = Qt::IgnoreAction;
    // The drag has just entered the tree.
    bool entering = false;
};

// How the tree answers a drag: the action it accepts it with, or none to refuse it.
using DragDecision = std::optional<Qt::DropAction>;

class MenuNode;
class MenuTreeModel;
class ShownMenuModel;

// The tree's item delegate. Fitting the titles' column measures the titles of a few hundred
// rows each time, mostly the same ones: a title's size is remembered for as long as
// the rows are drawn with the same font, style and options.
class TitleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    struct Key
    {
        QString title;
        QSize picture;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.title, key.picture.width(), key.picture.height());
        }
    };
    // Whether `option` draws as the one the remembered sizes were measured with.
    bool sameDrawing(const QStyleOptionViewItem &option) const;

    mutable QHash<Key, QSize> m_sizes;
    mutable QStyleOptionViewItem m_measuredWith;
    mutable const QStyle *m_style = nullptr;
};

// Decides on the entry, moves and drop of a drag over the tree (drag and drop of the window).
class TreeDropHandler
{
public:
    // Asked as a drag enters and moves.
    virtual DragDecision dragMoved(const TreeDrag &drag) = 0;
    virtual DragDecision dropped(const TreeDrag &drag) = 0;

protected:
    ~TreeDropHandler() = default;
};

// The menu tree `tview`: a tree view without expand buttons whose current row follows the
// core tree's selected node and back. Mouse presses and key releases are passed on as
// signals; drags over the tree go to the drop handler, whose decision the view applies.
class MenuTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit MenuTreeView(QWidget *parent = nullptr);

    // Shows `model` through a ShownMenuModel of its own and keeps the selection of its tree
    // and the current row the same. A reset of the rows (a load, a filter of the find box)
    // shows every submenu shown open.
    void setMenuModel(MenuTreeModel *model);
    // The tree's model, which tells of every change of the tree; its indexes are not the
    // view's.
    MenuTreeModel *menuModel() const { return m_model; }
    // The rows shown, the view's model.
    ShownMenuModel *shownModel() const { return m_shown; }
    // The view's index of a node: invalid for nullptr or a node not shown.
    QModelIndex indexOf(const MenuNode *node) const;
    // The node of a view's index, nullptr for the invalid index.
    static MenuNode *nodeOf(const QModelIndex &index);

    // The MIME type of a drag of a node within the tree. It carries nothing: the window
    // knows the dragged node (the current row when the drag started).
    static const QString nodeMimeType;

    // Scrolls as the tree view does, and then sideways until the entry's picture and title
    // are in view (their start first, when they are wider than the view).
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // Who decides on the entry, moves and drop of a drag over the tree (not owned); without
    // one every drag is refused.
    void setDropHandler(TreeDropHandler *handler) { m_dropHandler = handler; }
    TreeDropHandler *dropHandler() const { return m_dropHandler; }

Q_SIGNALS:
    // After the view has handled the press (a right press has already selected the row).
    void mousePressed(Qt::MouseButton button, const QPoint &pos);
    void keyReleased(int key);
    void dragStarting();
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
    // The titles' column is as wide as the widest title, at least as the viewport, so that
    // deep entries scroll into view horizontally.
    void updateGeometries() override;
    // Lines between the items instead of expand and collapse buttons.
    void drawBranches(
        QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void changeEvent(QEvent *event) override;
    // The current row has a frame while the tree has the focus (FocusFrame.h).
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The widest title's room (sizeHintForColumn), measured again only when the rows, the
    // scroll position or the height changed since the last time.
    int titlesWidth();
    // Expands every node that has children, as expandAll shows them, at a cost that grows
    // with the submenus rather than the rows.
    void expandSubmenus();
    // The same after a reset of the find box, whose rows show every submenu open: opened as
    // the rows are laid out, in one walk.
    void openEveryShownSubmenu();
    void rowsChanged() { ++m_rowsVersion; }
    void showSelectedNode(const QModelIndex &index);
    void applyExpansion(const QModelIndex &index, bool expanded);

    static TreeDrag describe(const QDropEvent *event, bool entering);
    static void apply(QDropEvent *event, const DragDecision &decision);

    MenuTreeModel *m_model = nullptr;
    ShownMenuModel *m_shown = nullptr;
    TreeDropHandler *m_dropHandler = nullptr;
    bool m_syncing = false;
    bool m_fittingColumn = false;
    // The titles' width as last measured, and what it was measured for: the rows (counted up
    // by every change of the rows shown or their titles), the scroll position and the height.
    struct TitlesWidth
    {
        unsigned rowsVersion = 0;
        int scrolledTo = 0;
        int height = 0;
        int width = 0;
    };
    std::optional<TitlesWidth> m_titlesWidth;
    unsigned m_rowsVersion = 0;
    // A drag is over the tree: selecting the row under the pointer scrolls nothing sideways.
    bool m_dragInside = false;
    // Where the last mouse press hit the viewport: the drag picture's hot spot.
    QPoint m_pressedAt;
};

} // namespace torvex
