#include "editor/gui/ProblemRowsView.h"

#include "editor/gui/ProblemRowsAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace torvex {

ProblemRowsView::ProblemRowsView(QWidget *parent)
    : QTableView(parent)
{
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    fitRowHeight();

    QHeaderView *columns = horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setSectionsMovable(true);
    columns->setStretchLastSection(true);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The widths follow the rows in view, not all of them.
    columns->setResizeContentsPrecision(0);
    useProblemRowsAccessible(this);
}

QModelIndex ProblemRowsView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int rowCount = model() ? model()->rowCount(rootIndex()) : 0;
    const auto inRow = [&](int row) {
        return model()->index(row, current.isValid() ? current.column() : 0, rootIndex());
    };
    switch (cursorAction) {
    case MoveHome:
        return rowCount > 0 ? inRow(0) : current;
    case MoveEnd:
        return rowCount > 0 ? inRow(rowCount - 1) : current;
    case MoveLeft:
    case MoveRight: {
        // A row is chosen whole: the arrows across show what is beyond the view's edge.
        QScrollBar *across = horizontalScrollBar();
        across->setValue(across->value()
            + (cursorAction == MoveLeft ? -across->singleStep() : across->singleStep()));
        return current;
    }
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

void ProblemRowsView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeight();
}

void ProblemRowsView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(problemRowsChildIndex(current));
        QAccessible::updateAccessibility(&event);
    }
    QAbstractItemView::currentChanged(current, previous); // not the table's, which counts row titles
}

void ProblemRowsView::selectionChanged(
    const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        // The first cell of each, as the table tells it: a range of a hundred thousand rows
        // is not walked.
        const auto announce = [this](const QItemSelection &cells, QAccessible::Event what) {
            if (cells.isEmpty() || !cells.first().isValid())
                return;
            QAccessibleEvent event(this, what);
            event.setChild(problemRowsChildIndex(cells.first().topLeft()));
            QAccessible::updateAccessibility(&event);
        };
        announce(selected, QAccessible::SelectionAdd);
        announce(deselected, QAccessible::SelectionRemove);
    }
    QAbstractItemView::selectionChanged(selected, deselected); // not the table's, as above
}

void ProblemRowsView::fitRowHeight()
{
    // Every row is one line of text without a picture: one row's height fits them all.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Xg");
    const int height =
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
    verticalHeader()->setDefaultSectionSize(height);
}

} // namespace torvex
