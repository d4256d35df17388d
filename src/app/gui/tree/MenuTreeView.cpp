#include "app/gui/tree/MenuTreeView.h"

#include "app/gui/widgets/FocusFrame.h"
#include "menu/gui/MenuTreeModel.h"
#include "menu/gui/ShownMenuModel.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace torvex {

namespace {

// Beyond this many titles the remembered sizes start again: a view scrolled through a large
// menu need not keep one for every row.
constexpr qsizetype rememberedTitles = 4096;

// How many rows fitting the titles' column measures, those in view first.
constexpr int titleRowsMeasured = 300;

} // namespace

bool TitleDelegate::sameDrawing(const QStyleOptionViewItem &option) const
{
    const QStyleOptionViewItem &was = m_measuredWith;
    return option.widget == was.widget && option.font == was.font && option.features == was.features
        && option.decorationSize == was.decorationSize
        && option.decorationPosition == was.decorationPosition
        && option.displayAlignment == was.displayAlignment
        && option.textElideMode == was.textElideMode
        // The width given matters only to wrapped text. The view measures a row's height with
        // another width than its titles' widths: were it compared, every layout would forget
        // the titles measured before it.
        && (!(option.features & QStyleOptionViewItem::WrapText)
            || option.rect.width() == was.rect.width())
        && (!option.widget || option.widget->style() == m_style);
}

QSize TitleDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!sameDrawing(option) || m_sizes.size() >= rememberedTitles) {
        m_sizes.clear();
        m_measuredWith = option;
        m_style = option.widget ? option.widget->style() : nullptr;
    }
    const QVariant picture = index.data(Qt::DecorationRole);
    Key key { index.data(Qt::DisplayRole).toString(),
        picture.canConvert<QPixmap>() ? picture.value<QPixmap>().deviceIndependentSize().toSize()
                                      : QSize() };
    const auto known = m_sizes.constFind(key);
    if (known != m_sizes.constEnd())
        return *known;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    m_sizes.insert(std::move(key), size);
    return size;
}

const QString MenuTreeView::nodeMimeType = QStringLiteral("application/x-torvex-menu-node");

MenuTreeView::MenuTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setObjectName(QStringLiteral("tview"));
    setItemDelegate(new TitleDelegate(this));
    setHeaderHidden(true);
    setIndentation(39);
    setRootIsDecorated(false);
    // Nodes open and close only as the core tree asks; the user has no expand buttons.
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAccessibleName(tr("Menu entries"));
    setAccessibleDescription(
        tr("The directory menu. Insert, Delete and the plus key add and delete entries, Ctrl and "
           "the arrows move the selected entry, the menu key opens the popup menu"));
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(36, 13));
    // One column that grows with the titles: deeper entries scroll sideways into view.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    // The titles' width is measured over the rows in view and those around them up to this
    // many (Qt measures a thousand): a screen shows far fewer, the width is measured again as
    // the view scrolls, and each filter of the find box shows titles not measured before.
    header()->setResizeContentsPrecision(titleRowsMeasured);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    // The selection stays highlighted while another control has the focus.
    QPalette p = palette();
    p.setColor(
        QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive,
        QPalette::HighlightedText,
        p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(this, &QTreeView::expanded, this, &MenuTreeView::rowsChanged);
    connect(this, &QTreeView::collapsed, this, &MenuTreeView::rowsChanged);
    // Rows scrolled into view may be deeper than those the column was fitted to.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        updateGeometries();
    });
}

void MenuTreeView::setMenuModel(MenuTreeModel *model)
{
    ShownMenuModel *before = m_shown;
    m_model = model;
    m_shown = new ShownMenuModel(*model, this);
    setModel(m_shown);
    delete before;
    // The tree's model speaks of its own indexes: the view finds the node's row among those
    // it shows.
    connect(model, &MenuTreeModel::selectedNodeChanged, this, [this](const QModelIndex &index) {
        showSelectedNode(indexOf(nodeOf(index)));
    });
    connect(model,
        &MenuTreeModel::expandRequested,
        this,
        [this](const QModelIndex &index, bool expanded) {
            applyExpansion(indexOf(nodeOf(index)), expanded);
        });
    connect(model, &MenuTreeModel::updateBegun, this, [this] {
        setUpdatesEnabled(false);
    });
    connect(model, &MenuTreeModel::updateEnded, this, [this] {
        setUpdatesEnabled(true);
    });
    // A title typed in the editor may be wider than the column; a new picture (the selection
    // moved) has the size of the old one.
    connect(m_shown,
        &QAbstractItemModel::dataChanged,
        this,
        [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
            if (roles != QList<int> { Qt::DecorationRole }) {
                rowsChanged();
                updateGeometries();
            }
        });
    // Everything that changes the rows shown changes the width their titles need.
    connect(m_shown, &QAbstractItemModel::rowsInserted, this, &MenuTreeView::rowsChanged);
    connect(m_shown, &QAbstractItemModel::rowsRemoved, this, &MenuTreeView::rowsChanged);
    connect(m_shown, &QAbstractItemModel::rowsMoved, this, &MenuTreeView::rowsChanged);
    connect(m_shown, &QAbstractItemModel::modelReset, this, &MenuTreeView::rowsChanged);
    connect(m_shown, &QAbstractItemModel::layoutChanged, this, &MenuTreeView::rowsChanged);
    // A reset (a load, a filter) shows the rows with every submenu open, and loses the view's
    // current row; take it from the tree again. Expanded first, the rows are laid out once.
    connect(m_shown, &QAbstractItemModel::modelReset, this, [this] {
        expandSubmenus();
        showSelectedNode(indexOf(m_model->tree().selected()));
    });
}

QModelIndex MenuTreeView::indexOf(const MenuNode *node) const
{
    return m_shown ? m_shown->indexOf(node) : QModelIndex();
}

MenuNode *MenuTreeView::nodeOf(const QModelIndex &index)
{
    return ShownMenuModel::node(index);
}

void MenuTreeView::expandSubmenus()
{
    if (!m_shown)
        return;
    // Qt's own pass that lays out the rows and opens each one that may have children as it
    // meets it: no walk of our own over the rows before the layout, and no look-up of each
    // submenu's open state during it. Entries without children carry ItemNeverHasChildren,
    // so only nodes with children are remembered as open (a persistent index each). Its
    // signal for each submenu is held back: the reset has counted the change of the rows.
    const QSignalBlocker quiet(this);
    expandAll();
}

void MenuTreeView::showSelectedNode(const QModelIndex &index)
{
    if (m_syncing)
        return;
    m_syncing = true;
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    m_syncing = false;
}

void MenuTreeView::applyExpansion(const QModelIndex &index, bool expanded)
{
    if (index.isValid())
        setExpanded(index, expanded);
}

void MenuTreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    if (m_syncing || !m_model)
        return;
    m_syncing = true;
    m_model->tree().setSelected(nodeOf(current));
    m_syncing = false;
}

void MenuTreeView::updateGeometries()
{
    if (!m_fittingColumn && model()) {
        m_fittingColumn = true;
        const int wanted = std::max(viewport()->width(), titlesWidth());
        if (header()->sectionSize(0) != wanted)
            header()->resizeSection(0, wanted);
        m_fittingColumn = false;
    }
    QTreeView::updateGeometries();
}

int MenuTreeView::titlesWidth()
{
    // sizeHintForColumn lays out the titles of the visible rows and those around them;
    // the same rows in the same place need the same room.
    const int scrolledTo = verticalScrollBar()->value();
    const int height = viewport()->height();
    if (!m_titlesWidth || m_titlesWidth->rowsVersion != m_rowsVersion
        || m_titlesWidth->scrolledTo != scrolledTo || m_titlesWidth->height != height)
        m_titlesWidth = TitlesWidth { m_rowsVersion, scrolledTo, height, sizeHintForColumn(0) };
    return m_titlesWidth->width;
}

void MenuTreeView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    QPainter painter(viewport());
    drawFocusFrame(*this, painter, visualRect(currentIndex()));
}

void MenuTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void MenuTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void MenuTreeView::changeEvent(QEvent *event)
{
    // Another font or style draws the titles at another width.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        rowsChanged();
    QTreeView::changeEvent(event);
}

void MenuTreeView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const int height = viewport()->height();
    QTreeView::scrollTo(index, hint);
    // Rows scrolled into view may have widened the titles' column, and the horizontal scroll
    // bar that this brings takes its height from the rows: laid out now rather than later,
    // the view is scrolled again within its new height.
    updateGeometries();
    if (viewport()->height() != height)
        QTreeView::scrollTo(index, hint);
    // During a drag the rows stay where they are under the pointer.
    if (!index.isValid() || m_dragInside)
        return;
    // visualRect starts after the entry's indentation, where its picture is drawn.
    const int left = visualRect(index).left();
    const int right = left + sizeHintForIndex(index).width();
    const int width = viewport()->width();
    QScrollBar *bar = horizontalScrollBar();
    if (left < 0 || right - left > width)
        bar->setValue(bar->value() + left);
    else if (right > width)
        bar->setValue(bar->value() + right - width);
}

void MenuTreeView::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->position().toPoint();
    QTreeView::mousePressEvent(event);
    // A right click selects the row under the pointer before the popup menu opens.
    if (event->button() == Qt::RightButton) {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid())
            setCurrentIndex(at);
    }
    Q_EMIT mousePressed(event->button(), event->position().toPoint());
}

void MenuTreeView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeView::keyReleaseEvent(event);
    Q_EMIT keyReleased(event->key());
}

void MenuTreeView::startDrag(Qt::DropActions)
{
    // Not QTreeView's drag: it carries the model's item data and, when the drop reports a
    // move, removes the selected rows from the model itself. The drop here moves the node
    // through the core tree, and the selected row by then is the drop target.
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    Q_EMIT dragStarting();
    auto *data = new QMimeData;
    data->setData(nodeMimeType, QByteArray());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    // The picture and title of the row, see-through so that the row under it stays legible.
    QRect row = visualRect(index);
    row.setWidth(std::min(row.width(), sizeHintForIndex(index).width()));
    const QPixmap grabbed = viewport()->grab(row);
    QPixmap picture(grabbed.size());
    picture.setDevicePixelRatio(grabbed.devicePixelRatio());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setOpacity(0.7);
    painter.drawPixmap(0, 0, grabbed);
    painter.end();
    drag->setPixmap(picture);
    drag->setHotSpot(m_pressedAt - row.topLeft());
    // Whatever the drop reports, there is nothing left to do here.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

TreeDrag MenuTreeView::describe(const QDropEvent *event, bool entering)
{
    TreeDrag drag;
    drag.position = event->position().toPoint();
    drag.data = event->mimeData();
    drag.source = event->source();
    drag.modifiers = event->modifiers();
    drag.proposedAction = event->proposedAction();
    drag.entering = entering;
    return drag;
}

void MenuTreeView::apply(QDropEvent *event, const DragDecision &decision)
{
    if (!decision) {
        event->ignore();
        return;
    }
    event->setDropAction(*decision);
    event->accept();
}

void MenuTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    m_dragInside = true;
    apply(event, m_dropHandler ? m_dropHandler->dragMoved(describe(event, true)) : std::nullopt);
}

void MenuTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    apply(event, m_dropHandler ? m_dropHandler->dragMoved(describe(event, false)) : std::nullopt);
}

void MenuTreeView::dropEvent(QDropEvent *event)
{
    apply(event, m_dropHandler ? m_dropHandler->dropped(describe(event, false)) : std::nullopt);
    m_dragInside = false;
}

void MenuTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    m_dragInside = false;
    QTreeView::dragLeaveEvent(event);
    Q_EMIT dragLeft();
}

void MenuTreeView::drawBranches(
    QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    // Top-level rows have no branch area (the root is not decorated); a row at depth d has
    // d columns of indentation, column d-1 holding its own elbow.
    const int indent = indentation();
    const int midY = rect.top() + rect.height() / 2;
    QPen pen(palette().color(QPalette::Mid), 1, Qt::DotLine);
    painter->save();
    painter->setPen(pen);
    int column = 0;
    for (QModelIndex i = index.parent(); i.isValid(); i = i.parent())
        ++column;
    const int right = rect.left() + column * indent;
    auto xOf = [&](int c) {
        return rect.left() + c * indent + indent / 2;
    };
    if (column > 0) {
        const int x = xOf(column - 1);
        const bool hasNext = index.sibling(index.row() + 1, 0).isValid();
        painter->drawLine(x, rect.top(), x, hasNext ? rect.bottom() : midY);
        painter->drawLine(x, midY, right - 2, midY);
    }
    // An ancestor with a sibling below it continues its line through this row.
    QModelIndex ancestor = index.parent();
    for (int c = column - 2; c >= 0 && ancestor.isValid(); --c, ancestor = ancestor.parent()) {
        if (ancestor.sibling(ancestor.row() + 1, 0).isValid())
            painter->drawLine(xOf(c), rect.top(), xOf(c), rect.bottom());
    }
    painter->restore();
}

} // namespace torvex
