#include "EditorFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::EditorFixture;
using test::find;
using test::outline;

class MenuSearchTest : public EditorFixture
{
protected:
    MenuSearchTest() { folders = { "C:\\ok", "D:\\Data" }; }
};

// Ten nodes; only N2 has a folder that is gone.
const char *tenNodes = "N1|cd C:\\ok\n"
                       "N2|cd C:\\gone\n"
                       "N3|cd C:\\ok\n"
                       "N4|cd C:\\ok\n"
                       "N5|cd C:\\ok\n"
                       "N6|cd C:\\ok\n"
                       "N7|cd C:\\ok\n"
                       "N8|cd C:\\ok\n"
                       "N9|cd C:\\ok\n"
                       "N10|cd C:\\ok\n";

TEST_F(MenuSearchTest, BrokenPathSearchStartsAtTheSelectedNodeAndNeverWraps)
{
    load(tenNodes);
    click("N5");
    ui.statuses.clear();
    editor.findBrokenPaths();
    const std::vector<std::string> statuses {
        "4", "5", "6", "7", "8", "9", "Searched from 5 to 10"
    };
    EXPECT_EQ(ui.statuses, statuses);
    EXPECT_EQ(ui.processEventsCalls, 6);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "No menus with broken paths were found  \r\n(search started from menu number 5).");
    EXPECT_EQ(boxes.last().caption, " None found");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Information);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(tree.selected(), find(tree, "N5"));

    // From the top it finds N2, and again N2 when searched once more.
    tree.setSelected(nullptr);
    editor.findBrokenPaths();
    EXPECT_EQ(tree.selected(), find(tree, "N2"));
    EXPECT_EQ(ui.title, "N2");
    EXPECT_EQ(ui.statuses.back(), "1");
    editor.findBrokenPaths();
    EXPECT_EQ(tree.selected(), find(tree, "N2"));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(MenuSearchTest, BrokenPathSearchSkipsSubmenusAndSeparators)
{
    load("Top|cd C:\\ok\n"
         "S|cd C:\\gone\n"
         "  -\n"
         "  Fine|CD  D:\\Data  \n"
         "  Tabbed|cd\tC:\\ok\r\n"
         "Target|cd C:\\ok|C:\\gone\n"
         "Empty\n"
         "Last|cd C:\\gone\n");
    editor.findBrokenPaths();
    EXPECT_EQ(tree.selected(), find(tree, "Empty"));
    EXPECT_TRUE(boxes.empty());
    click("Last");
    editor.findBrokenPaths();
    EXPECT_EQ(tree.selected(), find(tree, "Last"));
}

TEST_F(MenuSearchTest, AProgramCountsAsBroken)
{
    load("A|cd C:\\ok\nB|notepad.exe\n");
    editor.findBrokenPaths();
    EXPECT_EQ(tree.selected(), find(tree, "B"));
}

TEST_F(MenuSearchTest, EmptyCommandSearchFindsEmptiedCommandsOnly)
{
    load("S\n  K| \n-\nA|cd a\nB|cd b\n");
    click("B");
    ui.typeCommand("");
    click("S");
    editor.findEmptyCommands();
    EXPECT_EQ(tree.selected(), find(tree, "B"));
    EXPECT_EQ(ui.command, "");
    EXPECT_TRUE(ui.itemControlsEnabled);

    ui.typeCommand("cd b");
    editor.findEmptyCommands();
    EXPECT_EQ(ui.statuses.back(), "Searched from 5 to 5");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "No menus with empty command strings were found  \r\n(search started from menu "
        "number 5).");
    EXPECT_EQ(boxes.last().caption, " None found");
}

TEST_F(MenuSearchTest, TreesOfFewerThanTwoNodesAreNotSearched)
{
    load("Only\n");
    ui.statuses.clear();
    editor.findEmptyCommands();
    editor.findBrokenPaths();
    EXPECT_TRUE(ui.statuses.empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MenuSearchTest, TheTreeCannotChangeWhileASearchWalksIt)
{
    load(tenNodes);
    click("N3");
    int calls = 0;
    ui.onProcessEvents = [&] {
        ++calls;
        EXPECT_TRUE(editor.isSearching());
        editor.deleteSelectedEntry();
        editor.deleteMenuTree(tree.first());
        editor.addSiblingEntry();
        editor.addSubMenu();
        editor.addCopy();
        editor.addFirstEntry();
        editor.findEmptyCommands();
    };
    editor.findBrokenPaths();
    EXPECT_EQ(calls, 8);
    EXPECT_FALSE(editor.isSearching());
    EXPECT_EQ(tree.count(), 10u);
    EXPECT_EQ(ui.statuses.back(), "Searched from 3 to 10");
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

} // namespace
} // namespace torvex
