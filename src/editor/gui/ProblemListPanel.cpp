#include "editor/gui/ProblemListPanel.h"

#include "editor/MenuProblems.h"
#include "editor/gui/ProblemRowsModel.h"
#include "editor/gui/ProblemRowsView.h"
#include "menu/MenuTree.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

namespace torvex {

namespace {

// A scan looks at the disk only for the entries that changed; while the user types, one scan
// follows the last key rather than one per key.
constexpr int rescanDelayMs = 150;
// While the list shows, this many entries have their folders looked up again each second.
constexpr int recheckIntervalMs = 1000;
constexpr std::size_t recheckedPerInterval = 2000;

MenuNode *nodeOf(const QModelIndex &index)
{
    return reinterpret_cast<MenuNode *>(index.data(ProblemRowsModel::NodeRole).value<quintptr>());
}

// The rows of both lists in menu order, the problems of an entry before its "cannot tell",
// written over `rows`.
void mergeRows(const ProblemFindings &findings, std::vector<ProblemFindings::Row> &rows)
{
    rows.clear();
    rows.reserve(findings.problems().size() + findings.undecided().size());
    std::merge(findings.problems().begin(),
        findings.problems().end(),
        findings.undecided().begin(),
        findings.undecided().end(),
        std::back_inserter(rows),
        [](const ProblemFindings::Row &a, const ProblemFindings::Row &b) {
            return a.menuNumber < b.menuNumber;
        });
}

QString summaryText(std::size_t problems, std::size_t undecided, bool showingUndecided)
{
    QString text = problems == 0
        ? QCoreApplication::translate("torvex::ProblemListPanel", "No problems found")
        : problems == 1
        ? QCoreApplication::translate("torvex::ProblemListPanel", "1 problem")
        : QCoreApplication::translate("torvex::ProblemListPanel", "%1 problems").arg(problems);
    if (showingUndecided && undecided > 0)
        text += QCoreApplication::translate("torvex::ProblemListPanel", ", %1 that cannot be told")
                    .arg(undecided);
    return text;
}

} // namespace

ProblemListPanel::ProblemListPanel(
    const MenuTree &tree, QAbstractItemModel &treeModel, RuleSource rule, QWidget *parent)
    : QWidget(parent)
    , m_tree(tree)
    , m_rule(std::move(rule))
{
    buildControls();
    followTree(treeModel);
    connectControls();
}

ProblemListPanel::~ProblemListPanel()
{
    // The rows read the findings, which go before the list does.
    m_rows->clear();
}

void ProblemListPanel::buildControls()
{
    setObjectName(QStringLiteral("problemList"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("problemSummary"));
    m_showUndecided = new QCheckBox(tr("Cannot tell"), this);
    m_showUndecided->setObjectName(QStringLiteral("showUndecided"));
    m_showUndecided->setToolTip(
        tr("Also list the entries whose command cannot be checked here, with the reason"));
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setObjectName(QStringLiteral("deleteProblemEntries"));
    m_delete->setToolTip(tr("Delete the entries of the selected rows"));

    m_rows = new ProblemRowsModel(m_findings, this);
    m_list = new ProblemRowsView(this);
    m_list->setObjectName(QStringLiteral("problemRows"));
    m_list->setAccessibleName(tr("Problems"));
    m_list->setAccessibleDescription(
        tr("The entries with a problem; Enter or a click selects one in the "
           "menu, Delete deletes the entries of the selected rows"));
    m_list->setModel(m_rows);

    auto *top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_showUndecided);
    top->addWidget(m_delete);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(m_list);
}

// The list is stale after each change of the menu, and scanned again a moment later.
void ProblemListPanel::followTree(QAbstractItemModel &treeModel)
{
    m_rescan.setSingleShot(true);
    m_rescan.setInterval(rescanDelayMs);
    connect(&m_rescan, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    m_recheck.setInterval(recheckIntervalMs);
    connect(&m_recheck, &QTimer::timeout, this, [this] {
        if (!isVisible())
            return;
        m_findings.recheckNext(recheckedPerInterval);
        refresh();
    });
    // Whatever is not an edit of entries in place has the next scan walk the whole menu.
    const auto walkWhole = [this] {
        m_walkWhole = true;
    };
    connect(&treeModel, &QAbstractItemModel::modelAboutToBeReset, this, walkWhole);
    connect(&treeModel, &QAbstractItemModel::layoutAboutToBeChanged, this, walkWhole);
    connect(&treeModel, &QAbstractItemModel::rowsAboutToBeInserted, this, walkWhole);
    connect(&treeModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, walkWhole);
    connect(&treeModel, &QAbstractItemModel::rowsAboutToBeMoved, this, walkWhole);
    m_recheck.start();
    // The window lets the model go before the tree: the rows go with it, before any node does.
    connect(&treeModel, &QObject::destroyed, this, [this] {
        m_rows->clear();
        m_stale = true;
    });
    // Rows go before their nodes do: removals and resets are announced before they happen.
    const auto changed = &ProblemListPanel::menuChanged;
    connect(&treeModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_rows->clear();
        menuChanged();
    });
    connect(&treeModel, &QAbstractItemModel::modelReset, this, changed);
    connect(&treeModel, &QAbstractItemModel::layoutChanged, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&treeModel,
        &QAbstractItemModel::rowsAboutToBeRemoved,
        this,
        [this, &treeModel](const QModelIndex &parent, int first, int last) {
            entriesLeaving(treeModel, parent, first, last);
            menuChanged();
        });
    connect(&treeModel, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsMoved, this, changed);
    // A new picture only (the selection moved) changes no problem.
    connect(&treeModel,
        &QAbstractItemModel::dataChanged,
        this,
        [this](const QModelIndex &first, const QModelIndex &last, const QList<int> &roles) {
            if (roles == QList<int> { Qt::DecorationRole })
                return;
            entriesEdited(first, last);
            menuChanged();
        });
}

void ProblemListPanel::connectControls()
{
    connect(m_showUndecided, &QCheckBox::toggled, this, &ProblemListPanel::refresh);
    connect(m_list, &QAbstractItemView::clicked, this, &ProblemListPanel::rowClicked);
    // Enter does what a click does, for the keyboard alone.
    connect(m_list, &QAbstractItemView::activated, this, &ProblemListPanel::rowClicked);
    connect(m_list->selectionModel(),
        &QItemSelectionModel::selectionChanged,
        this,
        &ProblemListPanel::updateDeleteButton);
    auto requestDelete = [this] {
        if (m_stale)
            return;
        if (std::vector<MenuNode *> nodes = selectedEntries(); !nodes.empty())
            Q_EMIT deleteRequested(nodes);
    };
    connect(m_delete, &QPushButton::clicked, this, requestDelete);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_list);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, requestDelete);
    updateDeleteButton();
}

void ProblemListPanel::refresh()
{
    m_rescan.stop();
    // The rows the user chose stay chosen where their entries still have problems; nodes
    // are only compared here, never followed, as those of gone entries may be freed. They
    // are read before the scan, which writes the rows the list reads.
    std::unordered_set<const MenuNode *> chosen;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        chosen.insert(nodeOf(index));
    const QModelIndex currentIndex = m_list->currentIndex();
    const MenuNode *current = currentIndex.isValid() ? nodeOf(currentIndex) : nullptr;

    // The entries edited in place are checked again where they stand; anything else walks
    // the menu.
    if (m_walkWhole || !m_findings.updateEntries(m_editedEntries, m_rule()))
        m_findings.update(m_tree, m_rule());
    m_walkWhole = false;
    m_editedEntries.clear();

    // The same rows as before keep their selection; the titles in view may have changed.
    bool reset = false;
    if (m_showUndecided->isChecked()) {
        mergeRows(m_findings, m_mergedRows);
        reset = m_rows->showRows(m_mergedRows, m_findings.rowsChanged());
    } else {
        reset = m_rows->showRows(m_findings.problems(), m_findings.rowsChanged());
    }
    if (reset)
        restoreSelection(chosen, current);
    else
        m_list->viewport()->update();
    m_summary->setText(summaryText(
        m_findings.problems().size(), m_findings.undecided().size(), m_showUndecided->isChecked()));
    m_stale = false;
    updateDeleteButton();
}

void ProblemListPanel::restoreSelection(
    const std::unordered_set<const MenuNode *> &chosen, const MenuNode *current)
{
    QItemSelection selection;
    QModelIndex newCurrent;
    const std::vector<ProblemFindings::Row> &rows = m_rows->rows();
    for (std::size_t i = 0; i < rows.size() && (!chosen.empty() || current); ++i) {
        const QModelIndex index = m_rows->index(static_cast<int>(i), 0);
        if (rows[i].node == current && !newCurrent.isValid())
            newCurrent = index;
        if (chosen.count(rows[i].node) > 0)
            selection.select(index, index);
    }
    if (newCurrent.isValid())
        m_list->selectionModel()->setCurrentIndex(newCurrent, QItemSelectionModel::NoUpdate);
    if (!selection.isEmpty())
        m_list->selectionModel()->select(
            selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ProblemListPanel::forgetChecks()
{
    m_rows->clear();
    m_findings.forgetChecks();
    m_walkWhole = true;
    menuChanged();
}

std::vector<MenuNode *> ProblemListPanel::selectedEntries() const
{
    if (m_stale)
        return {};
    std::vector<MenuNode *> chosen;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        if (MenuNode *node = nodeOf(index);
            std::find(chosen.begin(), chosen.end(), node) == chosen.end())
            chosen.push_back(node);
    // Menu order, and nothing that goes with a chosen submenu anyway.
    std::unordered_map<const MenuNode *, std::size_t> order;
    std::size_t index = 0;
    m_tree.forEach([&](MenuNode *node) {
        order.emplace(node, index++);
        return true;
    });
    std::erase_if(chosen, [&](const MenuNode *node) {
        return !order.contains(node);
    });
    std::sort(chosen.begin(), chosen.end(), [&](const MenuNode *a, const MenuNode *b) {
        return order.at(a) < order.at(b);
    });
    std::erase_if(chosen, [&](const MenuNode *node) {
        return std::any_of(chosen.begin(), chosen.end(), [node](const MenuNode *other) {
            return other != node && node->isInSubtreeOf(other);
        });
    });
    return chosen;
}

void ProblemListPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void ProblemListPanel::menuChanged()
{
    // The rows may name entries that are gone: they are not used until the next scan.
    if (!m_stale) {
        m_stale = true;
        updateDeleteButton();
    }
    m_rescan.start();
}

void ProblemListPanel::entriesEdited(const QModelIndex &first, const QModelIndex &last)
{
    if (m_walkWhole)
        return;
    // A long list of edits is no cheaper than a walk.
    const int count = last.row() - first.row() + 1;
    if (!first.isValid() || count < 0
        || m_editedEntries.size() + static_cast<std::size_t>(count) > recheckedPerInterval) {
        m_walkWhole = true;
        m_editedEntries.clear();
        return;
    }
    for (int row = first.row(); row <= last.row(); ++row)
        if (const QModelIndex index = first.siblingAtRow(row); index.isValid()) {
            const auto *node = static_cast<const MenuNode *>(index.internalPointer());
            if (m_editedEntries.empty() || m_editedEntries.back() != node)
                m_editedEntries.push_back(node);
        }
}

void ProblemListPanel::entriesLeaving(
    QAbstractItemModel &treeModel, const QModelIndex &parent, int first, int last)
{
    // The rows must not read these entries once they are freed: until the next scan they
    // show their problem and number only.
    std::vector<const MenuNode *> leaving;
    for (int row = first; row <= last; ++row) {
        const auto *node =
            static_cast<const MenuNode *>(treeModel.index(row, 0, parent).internalPointer());
        std::vector<const MenuNode *> pending { node };
        while (!pending.empty()) {
            const MenuNode *at = pending.back();
            pending.pop_back();
            if (!at)
                continue;
            leaving.push_back(at);
            for (const auto &child : at->children())
                pending.push_back(child.get());
        }
    }
    m_rows->forgetEntries(leaving);
    m_list->viewport()->update();
}

void ProblemListPanel::rowClicked()
{
    if (m_stale)
        return;
    if (const QModelIndex index = m_list->currentIndex(); index.isValid())
        Q_EMIT entryChosen(nodeOf(index));
}

void ProblemListPanel::updateDeleteButton()
{
    m_delete->setEnabled(!m_stale && m_list->selectionModel()->hasSelection());
}

} // namespace torvex
