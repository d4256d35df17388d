#include "editor/gui/ProblemRowsAccessible.h"

#include "editor/gui/ProblemRowsView.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <QWindow>

namespace torvex {

namespace {

// A column title (row -1) or a cell of a row, by its place: the table forgets its cells
// whenever the rows change.
class RowCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    RowCell(QTableView *view, int row, int column)
        : m_view(view)
        , m_row(row)
        , m_column(column)
    { }

    bool isValid() const override
    {
        return m_view && m_view->model() && m_row < m_view->model()->rowCount(m_view->rootIndex())
            && m_column < m_view->model()->columnCount(m_view->rootIndex());
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_view ? m_view->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (m_row < 0)
            return t == QAccessible::Name
                ? m_view->model()->headerData(m_column, Qt::Horizontal).toString()
                : QString();
        const QModelIndex at = index();
        if (t == QAccessible::Description)
            return at.data(Qt::AccessibleDescriptionRole).toString();
        if (t != QAccessible::Name)
            return {};
        // What the model says for the row, else what the cell shows.
        const QString said = at.data(Qt::AccessibleTextRole).toString();
        return said.isEmpty() ? at.data(Qt::DisplayRole).toString() : said;
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        if (!isValid() || !m_view->isVisible())
            return {};
        if (m_row < 0) {
            const QHeaderView *titles = m_view->horizontalHeader();
            return QRect(titles->mapToGlobal(QPoint(titles->sectionViewportPosition(m_column), 0)),
                QSize(titles->sectionSize(m_column), titles->height()));
        }
        const QRect at = m_view->visualRect(index());
        return QRect(m_view->viewport()->mapToGlobal(at.topLeft()), at.size());
    }
    QAccessible::Role role() const override
    {
        return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State now;
        if (!isValid()) {
            now.invalid = true;
            return now;
        }
        if (m_row < 0)
            return now;
        const QModelIndex at = index();
        now.selectable = true;
        now.multiSelectable = m_view->selectionMode() == QAbstractItemView::ExtendedSelection;
        now.selected = isSelected();
        now.focusable = true;
        now.focused = m_view->hasFocus() && m_view->currentIndex() == at;
        if (!m_view->viewport()->rect().intersects(m_view->visualRect(at))) {
            now.invisible = true;
            now.offscreen = true;
        }
        return now;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && m_row >= 0
            ? static_cast<QAccessibleTableCellInterface *>(this)
            : nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && m_row >= 0 && m_view->selectionModel()
            && m_view->selectionModel()->isSelected(index());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *table = parent();
        QAccessibleInterface *title = table ? table->child(m_column) : nullptr;
        return title ? QList<QAccessibleInterface *> { title } : QList<QAccessibleInterface *> {};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    int row() const { return m_row; }
    int column() const { return m_column; }

private:
    QModelIndex index() const
    {
        return m_view->model()->index(m_row, m_column, m_view->rootIndex());
    }

    QPointer<QTableView> m_view;
    int m_row;
    int m_column;
};

class RowsTable : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit RowsTable(QTableView *view)
        : QAccessibleWidget(view, QAccessible::Table)
    { }
    ~RowsTable() override { forgetCells(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface *child(int i) const override
    {
        const int columns = columnCount();
        if (i < 0 || i >= childCount())
            return nullptr;
        if (const auto known = m_cells.constFind(i); known != m_cells.constEnd())
            return QAccessible::accessibleInterface(*known);
        auto *cell = new RowCell(view(), i / columns - 1, i % columns);
        m_cells.insert(i, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const RowCell *>(child);
        if (!cell || !cell->isValid() || cell->parent() != this)
            return -1;
        return (cell->row() + 1) * columnCount() + cell->column();
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(problemRowsChildIndex(at)) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child((row + 1) * columnCount() + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        if (view()->selectionModel()) {
            for (const QModelIndex &at : view()->selectionModel()->selectedIndexes())
                cells.append(cellAt(at.row(), at.column()));
        }
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override
    {
        return model() ? model()->columnCount(view()->rootIndex()) : 0;
    }
    int rowCount() const override { return model() ? model()->rowCount(view()->rootIndex()) : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        if (view()->selectionModel()) {
            for (const QModelIndex &at : view()->selectionModel()->selectedRows())
                rows.append(at.row());
        }
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override
    {
        return view()->selectionModel()
            && view()->selectionModel()->isRowSelected(row, view()->rootIndex());
    }
    bool selectRow(int row) override { return selectRows(row, QItemSelectionModel::Select); }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override { return selectRows(row, QItemSelectionModel::Deselect); }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { forgetCells(); }

private:
    QTableView *view() const { return static_cast<QTableView *>(widget()); }
    QAbstractItemModel *model() const { return view()->model(); }

    bool selectRows(int row, QItemSelectionModel::SelectionFlags how)
    {
        if (!view()->selectionModel() || row < 0 || row >= rowCount())
            return false;
        view()->selectionModel()->select(
            model()->index(row, 0, view()->rootIndex()), how | QItemSelectionModel::Rows);
        return true;
    }

    // The cells made so far, which name rows by their place: after any change of the rows
    // they are made anew.
    void forgetCells()
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

} // namespace

QAccessibleInterface *problemRowsAccessible(const QString &, QObject *object)
{
    auto *view = dynamic_cast<ProblemRowsView *>(object);
    return view ? new RowsTable(view) : nullptr;
}

void useProblemRowsAccessible(ProblemRowsView *view)
{
    QAccessible::installFactory(problemRowsAccessible);
    // An event of the base classes while they were being built may have made the plain
    // table's interface already (the view was no ProblemRowsView yet): it is made anew.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(view);
    if (made && !dynamic_cast<RowsTable *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

int problemRowsChildIndex(const QModelIndex &index)
{
    return (index.row() + 1) * index.model()->columnCount(index.parent()) + index.column();
}

} // namespace torvex
