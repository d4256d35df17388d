#pragma once

#include <QTableView>

namespace torvex {

// The problem list's view: a flat list of rows of one height, which keeps nothing per row
// (its rows' places are the vertical header's fixed sections), so that a list of a hundred
// thousand rows costs no more to lay out than one in view. It looks and answers the keys as a
// list of rows does: no grid and no row numbers, the column titles left, the last column
// filling the width; Home and End go to the first and last row, Left and Right scroll
// sideways, Tab leaves the list.
class ProblemRowsView : public QTableView
{
public:
    explicit ProblemRowsView(QWidget *parent);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;

private:
    // The rows' height as the delegate gives a row of one line of text in the view's font.
    void fitRowHeight();
};

} // namespace torvex
