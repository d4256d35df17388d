#pragma once

#include "editor/ProblemFindings.h"

#include <QAbstractTableModel>

#include <unordered_set>
#include <vector>

namespace torvex {

class MenuNode;

// The rows of the problem list as an item model over a scan's findings: one row a problem,
// in menu order, with the columns Problem, Menu, Entry and "Folder or reason". The rows are
// read where the scan keeps them, not copied, and the texts of a row are made when the view
// asks for them, so a list of a hundred thousand problems costs nothing beyond the scan.
class ProblemRowsModel : public QAbstractTableModel
{
public:
    // The entry of a row, as a quintptr (a MenuNode *).
    static constexpr int NodeRole = Qt::UserRole;

    // The rows' texts are made by `findings`, which must hold the scan the rows come from.
    ProblemRowsModel(const ProblemFindings &findings, QObject *parent);

    // Shows the rows of a new scan, kept by the caller, who changes them only right before
    // calling this again (or clear); their nodes must be in the tree until then, except those
    // told to forgetEntries. `changed` says whether they differ from those shown: the same
    // rows as before (a title typed, say) are kept without a reset, and false is returned:
    // the views only need to paint again.
    bool showRows(const std::vector<ProblemFindings::Row> &rows, bool changed);
    // The entries are about to leave the tree: their rows keep their problem and number but
    // no longer read the entry (nothing until the next setRows). The views are not told: a
    // removal of many entries one by one would have them look at every row each time; they
    // are repainted instead.
    void forgetEntries(const std::vector<const MenuNode *> &nodes);
    // No rows at all (the menu is replaced).
    void clear();

    const std::vector<ProblemFindings::Row> &rows() const;
    bool isForgotten(const MenuNode *node) const { return m_gone.count(node) > 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ProblemFindings &m_findings;
    const std::vector<ProblemFindings::Row> *m_rows = nullptr; // none shown: nullptr
    std::unordered_set<const MenuNode *> m_gone;
};

} // namespace torvex
