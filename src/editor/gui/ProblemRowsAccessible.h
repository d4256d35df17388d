#pragma once

#include <QModelIndex>

class QAccessibleInterface;
class QObject;
class QString;

namespace torvex {

// What assistive tools see of the problem list (ProblemRowsView): a table of the column titles
// and the rows' cells, each cell named with what the model says for its row, and no row
// titles, which the view hides and which hold nothing. Installed as an accessibility factory:
// it makes the interface of a ProblemRowsView and of nothing else.
QAccessibleInterface *problemRowsAccessible(const QString &className, QObject *object);

class ProblemRowsView;
// Installs the factory above and makes `view`'s interface with it.
void useProblemRowsAccessible(ProblemRowsView *view);

// The number of the cell at `index` among the table's children, as the events of the view
// name it: the column titles come first, then each row's cells.
int problemRowsChildIndex(const QModelIndex &index);

} // namespace torvex
