#include "editor/EntryMoves.h"

#include "editor/EditJournal.h"
#include "menu/DirMenuWriter.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

using test::find;
using test::outline;

const char *sample = "Docs|cd C:\\Docs\n"
                     "Projects\n"
                     "  Alpha|cd C:\\Alpha\n"
                     "  Tools\n"
                     "    Hammer|cd C:\\Hammer\n"
                     "  Beta|cd C:\\Beta\n"
                     "-\n"
                     "Games|cd C:\\Games\n";

// The saved menu values in order, "--" where a submenu ends.
std::string savedValues(const MenuTree &tree)
{
    std::string text;
    for (const auto &[key, value] : writeDirMenu(tree)) {
        if (key.rfind("menu", 0) == 0)
            text += value + " ";
    }
    return text;
}

class EntryMovesTest : public ::testing::Test
{
protected:
    EntryMovesTest() { test::buildTree(tree, sample); }

    bool step(const std::string &title, EntryStep entryStep)
    {
        return stepEntry(tree, find(tree, title), entryStep);
    }

    MenuTree tree;
};

TEST_F(EntryMovesTest, UpAndDownStayWithinTheLevelAndCarryASubmenuWhole)
{
    EXPECT_TRUE(step("Tools", EntryStep::Up));
    EXPECT_EQ(outline(tree),
        "Docs|cd C:\\Docs\nProjects\n  Tools\n    Hammer|cd C:\\Hammer\n  Alpha|cd C:\\Alpha\n"
        "  Beta|cd C:\\Beta\n-\nGames|cd C:\\Games\n");
    EXPECT_TRUE(step("Tools", EntryStep::Down));
    EXPECT_TRUE(step("Tools", EntryStep::Down));
    EXPECT_EQ(outline(tree),
        "Docs|cd C:\\Docs\nProjects\n  Alpha|cd C:\\Alpha\n  Beta|cd C:\\Beta\n  Tools\n"
        "    Hammer|cd C:\\Hammer\n-\nGames|cd C:\\Games\n");
    // A separator moves like any entry, past a whole submenu.
    EXPECT_TRUE(step("-", EntryStep::Up));
    EXPECT_EQ(savedValues(tree), "Docs - -Projects Alpha Beta -Tools Hammer -- -- Games ");
}

TEST_F(EntryMovesTest, TheEndsOfALevelRefuseAndChangeNothing)
{
    const std::string before = outline(tree);
    EXPECT_FALSE(canStepEntry(find(tree, "Docs"), EntryStep::Up));
    EXPECT_FALSE(step("Docs", EntryStep::Up)); // first of the top level
    EXPECT_FALSE(step("Games", EntryStep::Down)); // last of the top level
    EXPECT_FALSE(step("Alpha", EntryStep::Up)); // first in a submenu
    EXPECT_FALSE(step("Beta", EntryStep::Down)); // last in a submenu
    EXPECT_FALSE(step("Hammer", EntryStep::Down)); // only entry of a submenu
    EXPECT_FALSE(step("Docs", EntryStep::OutOfSubmenu)); // the top level has no way out
    EXPECT_FALSE(step("Docs", EntryStep::IntoSubmenuAbove)); // nothing above it
    EXPECT_FALSE(step("Projects", EntryStep::IntoSubmenuAbove)); // an item above it
    EXPECT_FALSE(step("Games", EntryStep::IntoSubmenuAbove)); // a separator above it
    EXPECT_FALSE(step("Alpha", EntryStep::IntoSubmenuAbove));
    EXPECT_FALSE(stepEntry(tree, nullptr, EntryStep::Down));
    EXPECT_EQ(outline(tree), before);
    EXPECT_TRUE(canStepEntry(find(tree, "Docs"), EntryStep::Down));
}

TEST_F(EntryMovesTest, OutOfASubmenuGoesAfterItsEndLine)
{
    EXPECT_TRUE(step("Alpha", EntryStep::OutOfSubmenu));
    EXPECT_EQ(savedValues(tree), "Docs -Projects -Tools Hammer -- Beta -- Alpha - Games ");
    // Out of a submenu that is the last entry of its level, a whole submenu at once.
    EXPECT_TRUE(step("Tools", EntryStep::Down));
    EXPECT_TRUE(step("Tools", EntryStep::OutOfSubmenu));
    EXPECT_EQ(savedValues(tree), "Docs -Projects Beta -- -Tools Hammer -- Alpha - Games ");
    EXPECT_EQ(find(tree, "Tools")->parent(), nullptr);
    EXPECT_TRUE(step("Tools", EntryStep::IntoSubmenuAbove));
    EXPECT_TRUE(step("Hammer", EntryStep::OutOfSubmenu));
    EXPECT_EQ(savedValues(tree), "Docs -Projects Beta Tools Hammer -- Alpha - Games ");
}

TEST_F(EntryMovesTest, TheLastEntryLeavingASubmenuMakesItAnItem)
{
    MenuNode *tools = find(tree, "Tools");
    tree.setSelected(find(tree, "Hammer"));
    EXPECT_TRUE(step("Hammer", EntryStep::OutOfSubmenu));
    EXPECT_TRUE(tools->showsAsItem());
    EXPECT_EQ(find(tree, "Hammer")->parent(), find(tree, "Projects"));
    EXPECT_EQ(tree.selected(), find(tree, "Hammer"));
    // An item above is no submenu to go into.
    EXPECT_FALSE(step("Hammer", EntryStep::IntoSubmenuAbove));
}

TEST_F(EntryMovesTest, IntoTheSubmenuAboveAsItsLastEntry)
{
    EXPECT_TRUE(step("Beta", EntryStep::IntoSubmenuAbove));
    EXPECT_EQ(outline(tree),
        "Docs|cd C:\\Docs\nProjects\n  Alpha|cd C:\\Alpha\n  Tools\n    Hammer|cd C:\\Hammer\n"
        "    Beta|cd C:\\Beta\n-\nGames|cd C:\\Games\n");
    // A separator goes in too; a whole submenu goes in with its entries.
    EXPECT_TRUE(step("-", EntryStep::IntoSubmenuAbove));
    EXPECT_EQ(find(tree, "-")->parent(), find(tree, "Projects"));
    EXPECT_TRUE(step("Tools", EntryStep::Up));
    EXPECT_TRUE(step("Tools", EntryStep::OutOfSubmenu));
    EXPECT_TRUE(step("Tools", EntryStep::IntoSubmenuAbove));
    EXPECT_EQ(savedValues(tree), "Docs -Projects Alpha - -Tools Hammer Beta -- -- Games ");
}

TEST_F(EntryMovesTest, EachStepIsOneJournalStepThatUndoesExactly)
{
    EditJournal journal(tree);
    for (EntryStep entryStep : { EntryStep::Up,
             EntryStep::Down,
             EntryStep::OutOfSubmenu,
             EntryStep::IntoSubmenuAbove }) {
        const std::string title = entryStep == EntryStep::IntoSubmenuAbove ? "Beta" : "Hammer";
        const std::string before = savedValues(tree) + outline(tree);
        journal.begin("move");
        // Hammer is alone in Tools: only the way out moves it.
        const bool moved = step(title, entryStep);
        std::unique_ptr<EditStep> recorded = journal.end();
        EXPECT_EQ(moved, recorded != nullptr);
        if (!recorded)
            continue;
        const std::string after = savedValues(tree) + outline(tree);
        EXPECT_NE(before, after);
        recorded->revert(tree);
        EXPECT_EQ(savedValues(tree) + outline(tree), before);
        EXPECT_TRUE(find(tree, "Tools")->showsAsSubmenu());
        recorded->apply(tree);
        EXPECT_EQ(savedValues(tree) + outline(tree), after);
        recorded->revert(tree);
    }
}

} // namespace
} // namespace torvex
