// Drag and drop in the main window: folders from the folder list onto the tree, nodes within
// the tree, and the five drop-mode buttons. The decisions live in DropLogic; the code here
// turns Qt's drag events into its calls.

#include "app/gui/DirListBox.h"
#include "app/gui/FolderDragData.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MenuTreeView.h"
#include "editor/DropLogic.h"
#include "menu/gui/MenuTreeModel.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QScrollBar>

#include <algorithm>

namespace torvex {

namespace {

bool isPartOf(const QObject *object, const QObject *widget)
{
    for (; object; object = object->parent()) {
        if (object == widget)
            return true;
    }
    return false;
}

// One line of the tree up or down: the row below (or above) the top row becomes the top row,
// whichever way the view scrolls (by item or by pixel).
void scrollOneLine(QTreeView *view, DragScroll scroll)
{
    if (scroll == DragScroll::None)
        return;
    const QModelIndex top = view->indexAt(QPoint(1, 1));
    if (!top.isValid())
        return;
    const QModelIndex to =
        scroll == DragScroll::LineDown ? view->indexBelow(top) : view->indexAbove(top);
    if (to.isValid())
        view->scrollTo(to, QAbstractItemView::PositionAtTop);
}

} // namespace

struct MainWindow::DragDrop final : public QObject, public DropView
{
    explicit DragDrop(MainWindow &owner)
        : form(owner)
        , logic(owner.m_tree, *this)
    {
        // A drag that leaves the tree (or is given up over it) gets a leave and no drop.
        connect(form.m_tview, &MenuTreeView::dragLeft, this, [this] {
            logic.dragLeft();
        });
    }

    MessageBoxes &messageBoxes() override { return form.boxes(); }
    void showStatus(const std::string &text) override { form.showStatus(text); }
    void showSelectedEntry() override { form.showSelectedEntry(); }
    void updateItemCount() override { form.updateItemCount(); }

    // Folders come only from this window's list (or, with no source, from a list of another
    // Torvex, which carries the same data); nodes only from this tree.
    DragSource sourceOf(const QDropEvent *event) const
    {
        const QObject *source = event->source();
        if (source && isPartOf(source, form.m_tview))
            return event->mimeData()->hasFormat(MenuTreeView::nodeMimeType) ? DragSource::Tree
                                                                            : DragSource::Other;
        if (FolderDragData::hasFolders(event->mimeData())
            && (!source || isPartOf(source, form.m_dirListBox)))
            return DragSource::DirList;
        return DragSource::Other;
    }

    std::optional<DirEntry> pressedEntry() const
    {
        const int row = form.pressedDirEntry;
        if (row < 0 || row >= form.m_dirListBox->count())
            return std::nullopt;
        return DirEntry { form.m_dirListBox->entryText(row), form.m_dirListBox->entryPath(row) };
    }

    MainWindow &form;
    DropLogic logic;
};

MainWindow::DragDrop &MainWindow::dragDrop()
{
    if (!m_dragDrop)
        m_dragDrop = std::make_shared<DragDrop>(*this);
    return *m_dragDrop;
}

MenuNode *MainWindow::draggedNode()
{
    return dragDrop().logic.draggedNode();
}

void MainWindow::tviewStartDrag()
{
    // The press that starts the drag has already made the node under the pointer current.
    dragDrop().logic.startDrag(m_model->node(m_tview->currentIndex()));
}

void MainWindow::tviewDragOver(QDragMoveEvent *event)
{
    DragDrop &dnd = dragDrop();
    const DragSource source = dnd.sourceOf(event);
    const QPoint at = event->position().toPoint();
    MenuNode *node = m_model->node(m_tview->indexAt(at));
    // Selecting a row that shows only in part would scroll it into view; during a drag the
    // tree moves only by the one line of the edge rule.
    QScrollBar *bar = m_tview->verticalScrollBar();
    const int scrolledTo = bar->value();
    const auto result = dnd.logic.dragOver(source, node, at.y(), m_tview->viewport()->height());
    bar->setValue(scrolledTo);
    if (source == DragSource::Other) {
        event->ignore();
        return;
    }
    scrollOneLine(m_tview, result.scroll);
    // Refusing the entry itself would keep the moves that follow from reaching the tree, so
    // an entry over empty space is let in; a drop then still needs a selected node.
    if (result.accept || event->type() == QEvent::DragEnter) {
        // Folders are copied: a move would let the list remove its dragged entries.
        if (source == DragSource::DirList)
            event->setDropAction(Qt::CopyAction);
        else
            event->setDropAction(event->proposedAction());
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::tviewDragDrop(QDropEvent *event)
{
    DragDrop &dnd = dragDrop();
    DropRequest request;
    request.source = dnd.sourceOf(event);
    // The target is the node the last move selected, not the row under the pointer now:
    // scrolling at an edge moves another row under a pointer that stands still.
    if (request.source == DragSource::Other || !m_tree.selected()) {
        event->ignore();
        return;
    }
    request.mode = m_session.dropMode();
    request.confirmDropOnCommand = m_session.confirmDropOnCommand();
    request.ctrlDown = event->modifiers().testFlag(Qt::ControlModifier);
    if (request.source == DragSource::DirList) {
        request.folders = FolderDragData::decode(event->mimeData());
        request.pressedEntry = dnd.pressedEntry();
        event->setDropAction(Qt::CopyAction);
    } else {
        event->setDropAction(event->proposedAction());
    }
    event->accept();
    // The drop may ask a question; the box opens once the drag has finished, so that it is
    // not shown under the drag's cursor and pointer grab.
    QMetaObject::invokeMethod(
        &dnd,
        [&dnd, request] {
            dnd.logic.drop(request);
        },
        Qt::QueuedConnection);
}

void MainWindow::DirListBoxMouseDown(const QPoint &pos)
{
    const QModelIndex at = m_dirListBox->indexAt(pos);
    pressedDirEntry = at.isValid() ? at.row() : -1;
    if (at.isValid())
        m_dirListBox->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
}

} // namespace torvex
