#pragma once

#include <QAbstractItemView>
#include <QItemSelectionModel>

// The rows of a flat list view (one level of rows, as the problem list shows them).
namespace torvex::test {

inline int rowCount(const QAbstractItemView &view)
{
    return view.model()->rowCount();
}

inline QString cellText(const QAbstractItemView &view, int row, int column)
{
    return view.model()->index(row, column).data().toString();
}

inline QRect rowRect(const QAbstractItemView &view, int row)
{
    return view.visualRect(view.model()->index(row, 0));
}

// Adds the row to the selection, as a Ctrl+click does.
inline void selectRow(QAbstractItemView &view, int row)
{
    view.selectionModel()->select(view.model()->index(row, 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace torvex::test
