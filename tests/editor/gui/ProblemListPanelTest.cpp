#include "editor/gui/ProblemListPanel.h"

#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/Wait.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

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

    QTreeWidget &rows() { return *test::findWidget<QTreeWidget>(panel, "problemRows"); }

    // The "Problem: entry" texts of the rows, in order.
    std::vector<std::string> shown()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < rows().topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = rows().topLevelItem(i);
            texts.push_back((item->text(0) + QStringLiteral(": ") + item->text(2)).toStdString());
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
    ASSERT_EQ(rows().topLevelItemCount(), 4);
    EXPECT_EQ(shown()[2], "cannot tell: Sub > Far");
    EXPECT_EQ(
        rows().topLevelItem(2)->text(3), QStringLiteral("the variable %NOPE% is not defined"));
}

TEST_F(ProblemListPanelTest, AClickChoosesTheEntryAndAnEditThatMendsItRemovesItsRow)
{
    QSignalSpy chosen(&panel, &ProblemListPanel::entryChosen);
    const QRect second = rows().visualItemRect(rows().topLevelItem(1));
    QTest::mouseClick(rows().viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<MenuNode *>(), test::find(tree, "Empty"));

    tree.setCommand(test::find(tree, "Gone"), "cd C:\\Data");
    EXPECT_TRUE(test::waitUntil([&] {
        return rows().topLevelItemCount() == 2;
    }));
    EXPECT_EQ(shown().front(), "no command: Sub > Empty");
}

TEST_F(ProblemListPanelTest, DeletingRowsAsksForTheirEntriesInMenuOrder)
{
    QSignalSpy requested(&panel, &ProblemListPanel::deleteRequested);
    rows().topLevelItem(2)->setSelected(true);
    rows().topLevelItem(0)->setSelected(true);
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
    rows().topLevelItem(0)->setSelected(true);
    rows().topLevelItem(2)->setSelected(true);
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

} // namespace
} // namespace torvex
