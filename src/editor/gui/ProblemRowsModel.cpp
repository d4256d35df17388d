#include "editor/gui/ProblemRowsModel.h"

#include "core/gui/ShownText.h"
#include "editor/MenuProblems.h"
#include "menu/gui/MenuText.h"

#include <QCoreApplication>

namespace torvex {

ProblemRowsModel::ProblemRowsModel(const ProblemFindings &findings, QObject *parent)
    : QAbstractTableModel(parent)
    , m_findings(findings)
{ }

bool ProblemRowsModel::showRows(const std::vector<ProblemFindings::Row> &rows, bool changed)
{
    m_gone.clear();
    if (&rows == m_rows && !changed)
        return false;
    // The views ask for nothing until the reset ends: that the rows changed before it began
    // does not show.
    beginResetModel();
    m_rows = &rows;
    endResetModel();
    return true;
}

void ProblemRowsModel::forgetEntries(const std::vector<const MenuNode *> &nodes)
{
    m_gone.insert(nodes.begin(), nodes.end());
}

void ProblemRowsModel::clear()
{
    m_gone.clear();
    if (!m_rows)
        return;
    beginResetModel();
    m_rows = nullptr;
    endResetModel();
}

const std::vector<ProblemFindings::Row> &ProblemRowsModel::rows() const
{
    static const std::vector<ProblemFindings::Row> none;
    return m_rows ? *m_rows : none;
}

int ProblemRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_rows ? 0 : static_cast<int>(m_rows->size());
}

int ProblemRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant ProblemRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ProblemFindings::Row &row = (*m_rows)[static_cast<std::size_t>(index.row())];
    if (role == NodeRole)
        return QVariant::fromValue(reinterpret_cast<quintptr>(row.node));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    const QString kind = QCoreApplication::translate(problemKindContext, problemKindSource(row.kind));
    if (role == Qt::DisplayRole && index.column() == 0)
        return kind;
    if (role == Qt::DisplayRole && index.column() == 1)
        return QString::number(row.menuNumber);
    if (isForgotten(row.node))
        return role == Qt::ToolTipRole ? QVariant() : QVariant(QString());
    LocalText reason;
    const MenuProblem problem = m_findings.problemOf(row, &reason);
    // What cannot be told is best explained by why; a problem by the folder it names.
    const bool byReason = problem.kind == ProblemKind::CannotTell || problem.folder.empty();
    const QString folder = menuTextToQt(problem.folder);
    const QString why = shownText(reason);
    const QString detail = byReason ? why : folder;
    const QString title = menuTextToQt(titlePathText(problem.titlePath));
    if (role == Qt::AccessibleTextRole) // what a screen reader says for the row
        return detail.isEmpty() ? QStringLiteral("%1, %2").arg(title, kind)
                                : QStringLiteral("%1, %2, %3").arg(title, kind, detail);
    if (role == Qt::ToolTipRole)
        return index.column() == 3
            ? QVariant(byReason ? folder : why)
            : QVariant();
    return index.column() == 2 ? title : detail;
}

QVariant ProblemRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return QCoreApplication::translate("torvex::ProblemRowsModel", "Problem");
    case 1:
        return QCoreApplication::translate("torvex::ProblemRowsModel", "Menu");
    case 2:
        return QCoreApplication::translate("torvex::ProblemRowsModel", "Entry");
    case 3:
        return QCoreApplication::translate("torvex::ProblemRowsModel", "Folder or reason");
    }
    return {};
}

} // namespace torvex
