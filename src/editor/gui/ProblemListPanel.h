#pragma once

#include "editor/EntryDestination.h"
#include "editor/ProblemFindings.h"
#include "menu/MenuTree.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <unordered_set>
#include <vector>

class QAbstractItemModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QModelIndex;

namespace torvex {

class ProblemRowsModel;
class ProblemRowsView;

// Every problem of the menu at once, in menu order: broken commands and target paths, empty
// commands, what cannot be stored and what lies beyond the entries the file manager reads.
// "Cannot tell" adds the entries whose command the rule could not decide, with the reason.
// The list follows the menu: any change of the tree model schedules a new scan, which checks
// again only the entries that changed (ProblemFindings), without walking the menu when
// only titles, commands or target paths changed; a slice of the others is checked
// again on a timer while the list shows, so that folders made or removed on disk show too.
class ProblemListPanel : public QWidget
{
    Q_OBJECT

public:
    // The rule is asked for at every scan, so it may follow the file being edited.
    using RuleSource = std::function<DestinationRule()>;

    ProblemListPanel(
        const MenuTree &tree, QAbstractItemModel &treeModel, RuleSource rule, QWidget *parent);
    ~ProblemListPanel() override;

    // Scans the menu now and shows the result.
    void refresh();
    // Every folder is looked up again at the next scan (the rule now looks at other folders);
    // the rows, which read the checks, go until then.
    void forgetChecks();

    // The entries of the rows that are selected now, in menu order, without those inside
    // another selected entry's submenu (deleting that submenu deletes them too).
    std::vector<MenuNode *> selectedEntries() const;

Q_SIGNALS:
    // The user clicked a row: the entry should become the selected one.
    void entryChosen(MenuNode *node);
    // The user asked to delete the entries of the selected rows.
    void deleteRequested(const std::vector<MenuNode *> &nodes);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void followTree(QAbstractItemModel &treeModel);
    void connectControls();
    void menuChanged();
    void entriesEdited(const QModelIndex &first, const QModelIndex &last);
    void restoreSelection(
        const std::unordered_set<const MenuNode *> &chosen, const MenuNode *current);
    void entriesLeaving(
        QAbstractItemModel &treeModel, const QModelIndex &parent, int first, int last);
    void rowClicked();
    void updateDeleteButton();

    const MenuTree &m_tree;
    RuleSource m_rule;
    ProblemFindings m_findings;
    // Both lists of the findings in one, while "Cannot tell" is checked.
    std::vector<ProblemFindings::Row> m_mergedRows;
    ProblemRowsModel *m_rows = nullptr;
    ProblemRowsView *m_list = nullptr;
    QCheckBox *m_showUndecided = nullptr;
    QPushButton *m_delete = nullptr;
    QLabel *m_summary = nullptr;
    // A change of the menu may free the nodes the rows point to: until the next scan the rows
    // are not used.
    bool m_stale = true;
    // What the next scan has to look at: the entries whose title, command or target path
    // changed, or, once entries were added, removed or moved, the whole menu.
    std::vector<const MenuNode *> m_editedEntries;
    bool m_walkWhole = true;
    QTimer m_rescan;
    QTimer m_recheck; // the rolling look at the folders of unchanged entries
};

} // namespace torvex
