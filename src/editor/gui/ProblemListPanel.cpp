#include "editor/gui/ProblemListPanel.h"

#include "editor/MenuProblems.h"
#include "menu/MenuTree.h"
#include "menu/gui/MenuText.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_map>

namespace torvex {

namespace {

constexpr int NodeRole = Qt::UserRole;
// A scan looks at the disk for every entry: while the user types, one scan follows the last
// key rather than one per key.
constexpr int rescanDelayMs = 150;

MenuNode *nodeOf(const QTreeWidgetItem *item)
{
    return reinterpret_cast<MenuNode *>(item->data(0, NodeRole).value<quintptr>());
}

QTreeWidgetItem *rowFor(const MenuProblem &problem)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(problemKindText(problem.kind)));
    item->setText(1, QString::number(problem.menuNumber));
    item->setText(2, menuTextToQt(titlePathText(problem.titlePath)));
    // What cannot be told is best explained by why; a problem by the folder it names.
    const bool byReason = problem.kind == ProblemKind::CannotTell || problem.folder.empty();
    item->setText(3, menuTextToQt(byReason ? problem.reason : problem.folder));
    item->setToolTip(3, menuTextToQt(byReason ? problem.folder : problem.reason));
    item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(problem.node)));
    return item;
}

QString summaryText(std::size_t problems, std::size_t undecided, bool showingUndecided)
{
    QString text = problems == 0 ? QStringLiteral("No problems found")
        : problems == 1          ? QStringLiteral("1 problem")
                                 : QStringLiteral("%1 problems").arg(problems);
    if (showingUndecided && undecided > 0)
        text += QStringLiteral(", %1 that cannot be told").arg(undecided);
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

void ProblemListPanel::buildControls()
{
    setObjectName(QStringLiteral("problemList"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("problemSummary"));
    m_showUndecided = new QCheckBox(QStringLiteral("Cannot tell"), this);
    m_showUndecided->setObjectName(QStringLiteral("showUndecided"));
    m_showUndecided->setToolTip(QStringLiteral(
        "Also list the entries whose command cannot be checked here, with the reason"));
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    m_delete->setObjectName(QStringLiteral("deleteProblemEntries"));
    m_delete->setToolTip(QStringLiteral("Delete the entries of the selected rows"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("problemRows"));
    m_list->setAccessibleName(QStringLiteral("Problems"));
    m_list->setAccessibleDescription(
        QStringLiteral("The entries with a problem; Enter or a click selects one in the "
                       "menu, Delete deletes the entries of the selected rows"));
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({ QStringLiteral("Problem"),
        QStringLiteral("Menu"),
        QStringLiteral("Entry"),
        QStringLiteral("Folder or reason") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

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
    // Rows go before their nodes do: removals and resets are announced before they happen.
    const auto changed = &ProblemListPanel::menuChanged;
    connect(&treeModel, &QAbstractItemModel::modelAboutToBeReset, this, changed);
    connect(&treeModel, &QAbstractItemModel::modelReset, this, changed);
    connect(&treeModel, &QAbstractItemModel::layoutChanged, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&treeModel, &QAbstractItemModel::rowsMoved, this, changed);
    // A new picture only (the selection moved) changes no problem.
    connect(&treeModel,
        &QAbstractItemModel::dataChanged,
        this,
        [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
            if (roles != QList<int> { Qt::DecorationRole })
                menuChanged();
        });
}

void ProblemListPanel::connectControls()
{
    connect(m_showUndecided, &QCheckBox::toggled, this, &ProblemListPanel::refresh);
    connect(m_list, &QTreeWidget::itemClicked, this, &ProblemListPanel::rowClicked);
    // Enter does what a click does, for the keyboard alone.
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemListPanel::rowClicked);
    connect(
        m_list, &QTreeWidget::itemSelectionChanged, this, &ProblemListPanel::updateDeleteButton);
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
    const MenuProblemScan scan = findMenuProblems(m_tree, m_rule());
    std::vector<const MenuProblem *> rows;
    for (const MenuProblem &problem : scan.problems)
        rows.push_back(&problem);
    if (m_showUndecided->isChecked()) {
        for (const MenuProblem &problem : scan.undecided)
            rows.push_back(&problem);
        std::stable_sort(rows.begin(), rows.end(), [](const auto *a, const auto *b) {
            return a->menuNumber < b->menuNumber;
        });
    }
    // The rows the user chose stay chosen where their entries still have problems; nodes
    // are only compared here, never followed, as those of gone entries may be freed.
    std::vector<const MenuNode *> chosen;
    for (const QTreeWidgetItem *item : m_list->selectedItems())
        chosen.push_back(nodeOf(item));
    const MenuNode *current = m_list->currentItem() ? nodeOf(m_list->currentItem()) : nullptr;
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const MenuProblem *problem : rows)
        items.append(rowFor(*problem));
    m_list->addTopLevelItems(items);
    for (QTreeWidgetItem *item : items) {
        const MenuNode *node = nodeOf(item);
        if (node == current)
            m_list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        if (std::find(chosen.begin(), chosen.end(), node) != chosen.end())
            item->setSelected(true);
    }
    m_summary->setText(
        summaryText(scan.problems.size(), scan.undecided.size(), m_showUndecided->isChecked()));
    m_stale = false;
    updateDeleteButton();
}

std::vector<MenuNode *> ProblemListPanel::selectedEntries() const
{
    if (m_stale)
        return {};
    std::vector<MenuNode *> chosen;
    for (const QTreeWidgetItem *item : m_list->selectedItems())
        if (MenuNode *node = nodeOf(item);
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

void ProblemListPanel::rowClicked()
{
    if (m_stale)
        return;
    if (const QTreeWidgetItem *item = m_list->currentItem())
        Q_EMIT entryChosen(nodeOf(item));
}

void ProblemListPanel::updateDeleteButton()
{
    m_delete->setEnabled(!m_stale && !m_list->selectedItems().isEmpty());
}

} // namespace torvex
