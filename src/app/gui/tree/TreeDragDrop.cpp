#include "app/gui/tree/TreeDragDrop.h"

#include "app/Session.h"
#include "app/gui/folders/DirListBox.h"
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/FolderDragData.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/editing/UndoHistory.h"

#include <QMetaObject>
#include <QMimeData>
#include <QScrollBar>

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

TreeDragDrop::TreeDragDrop(MenuTree &tree,
    Session &session,
    MenuTreeView &view,
    const FolderPane &folders,
    DropView &window,
    UndoHistory &history,
    QObject *parent)
    : QObject(parent)
    , m_tree(tree)
    , m_session(session)
    , m_view(view)
    , m_folders(folders)
    , m_window(window)
    , m_history(history)
    , m_logic(tree, window)
{
    connect(&m_view, &MenuTreeView::dragStarting, this, &TreeDragDrop::startDrag);
    // A drag that leaves the tree (or is given up over it) gets a leave and no drop.
    connect(&m_view, &MenuTreeView::dragLeft, this, [this] {
        m_logic.dragLeft();
    });
    m_view.setDropHandler(this);
}

// Folders come only from this window's list (or, with no source, from a list of another
// Torvex, which carries the same data); nodes only from this tree.
DragSource TreeDragDrop::sourceOf(const TreeDrag &drag) const
{
    if (drag.source && isPartOf(drag.source, &m_view))
        return drag.data->hasFormat(MenuTreeView::nodeMimeType) ? DragSource::Tree
                                                                : DragSource::Other;
    if (FolderDragData::hasFolders(drag.data)
        && (!drag.source || isPartOf(drag.source, m_folders.list())))
        return DragSource::DirList;
    return DragSource::Other;
}

void TreeDragDrop::startDrag()
{
    // The press that starts the drag has already made the node under the pointer current.
    m_logic.startDrag(MenuTreeView::nodeOf(m_view.currentIndex()));
}

bool TreeDragDrop::isRefused()
{
    if (!m_findBar || !m_findBar->isFiltering())
        return false;
    m_window.showStatus(LocalText(dropRefusedContext, dropRefusedWhileFiltered));
    return true;
}

LocalText TreeDragDrop::stepName(const DropRequest &request)
{
    if (request.source == DragSource::Tree) {
        const MenuNode *dragged = m_logic.draggedNode();
        return LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Move %1"))
            .arg(quotedTitle(dragged ? dragged->title() : std::string()));
    }
    const MenuNode *target = m_tree.selected();
    if (request.ctrlDown)
        return LocalText(
            stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Rename %1 after folder"))
            .arg(quotedTitle(target ? target->title() : std::string()));
    if (request.folders.size() == 1)
        return LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Add folder %1"))
            .arg(quotedTitle(request.folders.front().text));
    return LocalText::counted(stepNameContext,
        QT_TRANSLATE_N_NOOP("torvex::UndoHistory", "Add %n folders"),
        "Add %n folders",
        static_cast<long long>(request.folders.size()));
}

DragDecision TreeDragDrop::dragMoved(const TreeDrag &drag)
{
    const DragSource source = sourceOf(drag);
    if (source != DragSource::Other && isRefused())
        return std::nullopt;
    MenuNode *node = MenuTreeView::nodeOf(m_view.indexAt(drag.position));
    // Selecting a row that shows only in part would scroll it into view; during a drag the
    // tree moves only by the one line of the edge rule.
    QScrollBar *bar = m_view.verticalScrollBar();
    const int scrolledTo = bar->value();
    const auto result =
        m_logic.dragOver(source, node, drag.position.y(), m_view.viewport()->height());
    bar->setValue(scrolledTo);
    if (source == DragSource::Other)
        return std::nullopt;
    scrollOneLine(&m_view, result.scroll);
    // Refusing the entry itself would keep the moves that follow from reaching the tree, so
    // an entry over empty space is let in; a drop then still needs a selected node.
    if (!result.accept && !drag.entering)
        return std::nullopt;
    // A place that will refuse the drop shows the forbidden cursor already.
    if (!drag.entering
        && m_logic.refusesDropOn(source,
            m_session.dropMode(),
            drag.modifiers.testFlag(Qt::ControlModifier),
            m_tree.selected()))
        return std::nullopt;
    // Folders are copied: a move would let the list remove its dragged entries.
    return source == DragSource::DirList ? Qt::CopyAction : drag.proposedAction;
}

DragDecision TreeDragDrop::dropped(const TreeDrag &drag)
{
    DropRequest request;
    request.source = sourceOf(drag);
    // The target is the node the last move selected, not the row under the pointer now:
    // scrolling at an edge moves another row under a pointer that stands still.
    if (request.source == DragSource::Other || !m_tree.selected() || isRefused())
        return std::nullopt;
    request.mode = m_session.dropMode();
    request.confirmDropOnCommand = m_session.confirmDropOnCommand();
    request.ctrlDown = drag.modifiers.testFlag(Qt::ControlModifier);
    if (request.source == DragSource::DirList) {
        request.folders = FolderDragData::decode(drag.data);
        request.pressedEntry = m_folders.pressedEntry();
    }
    // The drop may ask a question; the box opens once the drag has finished, so that it is
    // not shown under the drag's cursor and pointer grab.
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            m_history.record(stepName(request), [this, &request] {
                m_logic.drop(request);
            });
        },
        Qt::QueuedConnection);
    return request.source == DragSource::DirList ? Qt::CopyAction : drag.proposedAction;
}

} // namespace torvex
