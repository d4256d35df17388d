#pragma once

#include <QTableView>

namespace torvex {

// The problem list's view: a flat list of rows of one height, which keeps nothing per row
// (its rows' places are the vertical header's fixed sections), so that a list of a hundred
// thousand rows costs no more to lay out than one in view. It looks and answers the keys as a
// list of rows does: no grid and no row numbers, the column titles left, the last column
// filling the width; Home and End go to the first and last row, Left and Right scroll
// sideways, Tab leaves the list. Assistive tools see its column titles and cells, no row titles
// (ProblemRowsAccessible).
class ProblemRowsView : public QTableView
{
public:
    explicit ProblemRowsView(QWidget *parent);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;
    // The table's own announcements count the hidden row titles among the cells: these name
    // the cells as assistive tools see them.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    // The rows' height as the delegate gives a row of one line of text in the view's font.
    void fitRowHeight();
};

} // namespace torvex
