#include "editor/gui/ProblemListPanel.h"

#include "editor/MenuProblems.h"
#include "editor/gui/ProblemRowsAccessible.h"

#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ListRows.h"
#include "support/gui/Wait.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>
#include <set>

namespace torvex {
namespace {

class ProblemListPanelTest : public ::testing::Test
{
protected:
    ProblemListPanelTest()
    {
        test::buildTree(tree,
            "Fine|cd C:\\Data\n"
            "Gone|cd C:\\Gone\n"
            "Sub\n"
            "  Empty\n"
            "  Far|cd %NOPE%\\x\n"
            "Lost|cd C:\\Lost|C:\\Data\n");
        panel.resize(600, 300);
        panel.show();
    }

    DestinationRule rule() const
    {
        return DestinationRule(
            [](std::string_view) {
                return std::nullopt;
            },
            [this](std::string_view folder) {
                return folders.count(std::string(folder)) > 0;
            });
    }

    QAbstractItemView &rows() { return *test::findWidget<QAbstractItemView>(panel, "problemRows"); }

    // The "Problem: entry" texts of the rows, in order.
    std::vector<std::string> shown()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < test::rowCount(rows()); ++i) {
            texts.push_back(
                (test::cellText(rows(), i, 0) + QStringLiteral(": ") + test::cellText(rows(), i, 2))
                    .toStdString());
        }
        return texts;
    }

    std::set<std::string> folders { "C:\\Data" };
    MenuTree tree;
    MenuTreeModel model { tree };
    ProblemListPanel panel { tree,
        model,
        [this] {
            return rule();
        },
        nullptr };
};

TEST_F(ProblemListPanelTest, ListsEveryProblemInMenuOrderAndCannotTellOnRequest)
{
    EXPECT_EQ(shown(),
        (std::vector<std::string> {
            "broken path: Gone", "no command: Sub > Empty", "broken path: Lost" }));
    EXPECT_EQ(
        test::findWidget<QLabel>(panel, "problemSummary")->text(), QStringLiteral("3 problems"));

    test::findWidget<QCheckBox>(panel, "showUndecided")->setChecked(true);
    ASSERT_EQ(test::rowCount(rows()), 4);
    EXPECT_EQ(shown()[2], "cannot tell: Sub > Far");
    EXPECT_EQ(
        test::cellText(rows(), 2, 3), QStringLiteral("the variable %NOPE% is not defined"));
}

TEST_F(ProblemListPanelTest, AClickChoosesTheEntryAndAnEditThatMendsItRemovesItsRow)
{
    QSignalSpy chosen(&panel, &ProblemListPanel::entryChosen);
    const QRect second = test::rowRect(rows(), 1);
    QTest::mouseClick(rows().viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<MenuNode *>(), test::find(tree, "Empty"));

    tree.setCommand(test::find(tree, "Gone"), "cd C:\\Data");
    EXPECT_TRUE(test::waitUntil([&] {
        return test::rowCount(rows()) == 2;
    }));
    EXPECT_EQ(shown().front(), "no command: Sub > Empty");
}

TEST_F(ProblemListPanelTest, DeletingRowsAsksForTheirEntriesInMenuOrder)
{
    QSignalSpy requested(&panel, &ProblemListPanel::deleteRequested);
    test::selectRow(rows(), 2);
    test::selectRow(rows(), 0);
    test::findWidget<QPushButton>(panel, "deleteProblemEntries")->click();
    ASSERT_EQ(requested.count(), 1);
    const auto nodes = requested.at(0).at(0).value<std::vector<MenuNode *>>();
    EXPECT_EQ(
        nodes, (std::vector<MenuNode *> { test::find(tree, "Gone"), test::find(tree, "Lost") }));

    // After a change and before the next scan, the rows are not used.
    tree.remove(test::find(tree, "Gone"));
    EXPECT_TRUE(panel.selectedEntries().empty());
}

TEST_F(ProblemListPanelTest, ChosenRowsStayChosenWhileTheMenuChangesElsewhere)
{
    test::selectRow(rows(), 0);
    test::selectRow(rows(), 2);
    // Selecting an entry in the tree changes no problem: the list is left as it is.
    tree.setSelected(test::find(tree, "Lost"));
    EXPECT_EQ(panel.selectedEntries().size(), 2u);
    // A real change rescans, and the chosen rows whose entries still have problems stay chosen.
    tree.setTitle(test::find(tree, "Fine"), "Still fine");
    EXPECT_TRUE(test::waitUntil([&] {
        return !panel.selectedEntries().empty();
    }));
    EXPECT_EQ(panel.selectedEntries(),
        (std::vector<MenuNode *> { test::find(tree, "Gone"), test::find(tree, "Lost") }));
}

TEST_F(ProblemListPanelTest, EachRowShowsAndSaysWhatTheFullScanFindsForItsEntry)
{
    test::findWidget<QCheckBox>(panel, "showUndecided")->setChecked(true);
    tree.setTitle(test::find(tree, "Fine"), "-Dash");
    ASSERT_TRUE(test::waitUntil([&] {
        return test::rowCount(rows()) == 5;
    }));
    // The full scan, both lists in menu order as the list merges them.
    const MenuProblemScan scan = findMenuProblems(tree, rule());
    std::vector<MenuProblem> expected = scan.problems;
    expected.insert(expected.begin() + 3, scan.undecided.front());
    ASSERT_EQ(expected[3].kind, ProblemKind::CannotTell);
    for (int i = 0; i < test::rowCount(rows()); ++i) {
        const MenuProblem &problem = expected[std::size_t(i)];
        const QString kind = QString::fromStdString(problemKindText(problem.kind));
        const QString title = QString::fromStdString(titlePathText(problem.titlePath));
        const bool byReason = problem.kind == ProblemKind::CannotTell || problem.folder.empty();
        const QString detail = QString::fromStdString(byReason ? problem.reason : problem.folder);
        EXPECT_EQ(test::cellText(rows(), i, 0), kind);
        EXPECT_EQ(test::cellText(rows(), i, 1), QString::number(problem.menuNumber));
        EXPECT_EQ(test::cellText(rows(), i, 2), title);
        EXPECT_EQ(test::cellText(rows(), i, 3), detail);
        // What a screen reader says for the row: the entry, the problem, the folder or reason.
        EXPECT_EQ(rows().model()->index(i, 0).data(Qt::AccessibleTextRole).toString(),
            title + QStringLiteral(", ") + kind + (detail.isEmpty() ? QString() : QStringLiteral(", ") + detail));
    }
    EXPECT_EQ(test::cellText(rows(), 0, 2), QStringLiteral("-Dash"));
    EXPECT_EQ(test::cellText(rows(), 0, 0), QStringLiteral("cannot be stored"));
}

// The list reads the rows where the scan keeps them: it is reset when they change, and only
// then, so that rows the user chose stay chosen while the texts in view follow the entries.
TEST_F(ProblemListPanelTest, TheListIsResetWhenItsRowsChangeAndOnlyThen)
{
    QSignalSpy resets(rows().model(), &QAbstractItemModel::modelReset);
    test::selectRow(rows(), 0);
    tree.setTitle(test::find(tree, "Gone"), "Went");
    panel.refresh();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(shown().front(), "broken path: Went");
    EXPECT_EQ(panel.selectedEntries(), std::vector<MenuNode *> { test::find(tree, "Went") });

    tree.setCommand(test::find(tree, "Went"), "cd C:\\Data");
    panel.refresh();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(shown(),
        (std::vector<std::string> { "no command: Sub > Empty", "broken path: Lost" }));

    // The same rows with those that cannot be told among them are other rows.
    auto *undecided = test::findWidget<QCheckBox>(panel, "showUndecided");
    undecided->setChecked(true);
    EXPECT_EQ(resets.count(), 2);
    ASSERT_EQ(test::rowCount(rows()), 3);
    tree.setCommand(test::find(tree, "Far"), "cd C:\\Data");
    panel.refresh();
    EXPECT_EQ(resets.count(), 3);
    EXPECT_EQ(test::rowCount(rows()), 2);
    undecided->setChecked(false);
    EXPECT_EQ(resets.count(), 4);
    EXPECT_EQ(test::rowCount(rows()), 2);
}

TEST_F(ProblemListPanelTest, RowsOfRemovedEntriesAreNotReadBeforeTheNextScan)
{
    // Sub's rows name an entry inside it; after the removal they keep their problem only.
    tree.remove(test::find(tree, "Sub"));
    EXPECT_EQ(test::cellText(rows(), 1, 0), QStringLiteral("no command"));
    EXPECT_EQ(test::cellText(rows(), 1, 2), QString());
    EXPECT_EQ(test::cellText(rows(), 0, 2), QStringLiteral("Gone"));
    EXPECT_TRUE(test::waitUntil([&] {
        return test::rowCount(rows()) == 2;
    }));
}

TEST_F(ProblemListPanelTest, EditsInPlaceAndMovesBeforeOneScanListWhatTheFullScanFinds)
{
    // Edits in place alone: only the edited entries are checked again, where they stand.
    tree.setCommand(test::find(tree, "Fine"), "cd C:\\Gone");
    tree.setTitle(test::find(tree, "Gone"), "");
    ASSERT_TRUE(test::waitUntil([&] {
        return test::rowCount(rows()) == 5;
    }));
    EXPECT_EQ(shown(),
        (std::vector<std::string> { "broken path: Fine", "cannot be stored: ", "broken path: ",
            "no command: Sub > Empty", "broken path: Lost" }));

    // An edit in place, then an entry added before it, before the next scan: the numbers
    // of everything after it change too.
    tree.setCommand(test::find(tree, "Lost"), "cd C:\\Data");
    tree.addNode(test::find(tree, "Fine"), AttachMode::Insert, "New");
    ASSERT_TRUE(test::waitUntil([&] {
        return shown().front() == "no command: New";
    }));
    const MenuProblemScan scan = findMenuProblems(tree, rule());
    ASSERT_EQ(scan.problems.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(test::cellText(rows(), i, 1),
            QString::number(scan.problems[std::size_t(i)].menuNumber));
}

// Assistive tools see the list as a table of its column titles and its rows' cells, each cell
// saying its row, and nothing for the row titles the view hides.
TEST_F(ProblemListPanelTest, AssistiveToolsSeeTheRowsCellsAndNoHiddenRowTitles)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&rows());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::Table);
    EXPECT_EQ(list->text(QAccessible::Name), rows().accessibleName());
    EXPECT_EQ(list->text(QAccessible::Description), rows().accessibleDescription());
    EXPECT_FALSE(list->text(QAccessible::Description).isEmpty());
    QAccessibleTableInterface *table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel &model = *rows().model();
    const int columns = model.columnCount();
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 4);
    ASSERT_EQ(list->childCount(), (3 + 1) * columns);
    for (int i = 0; i < list->childCount(); ++i) {
        SCOPED_TRACE(i);
        QAccessibleInterface *child = list->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->parent(), list);
        EXPECT_EQ(list->indexOfChild(child), i);
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty());
        const int row = i / columns - 1;
        const int column = i % columns;
        if (row < 0) {
            EXPECT_EQ(child->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(child->text(QAccessible::Name), model.headerData(column, Qt::Horizontal));
            continue;
        }
        EXPECT_EQ(child->role(), QAccessible::Cell);
        EXPECT_EQ(child->text(QAccessible::Name),
            model.index(row, 0).data(Qt::AccessibleTextRole).toString());
        QAccessibleTableCellInterface *cell = child->tableCellInterface();
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(std::pair(cell->rowIndex(), cell->columnIndex()), std::pair(row, column));
        EXPECT_EQ(table->cellAt(row, column), child);
        // The view's focus and selection events name the cell by this number.
        EXPECT_EQ(problemRowsChildIndex(model.index(row, column)), i);
        EXPECT_TRUE(cell->rowHeaderCells().isEmpty());
        EXPECT_EQ(cell->columnHeaderCells(), QList<QAccessibleInterface *> { list->child(column) });
    }
}

} // namespace
} // namespace torvex
