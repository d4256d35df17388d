#include "menu/SpokenEntry.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(SpokenEntryTest, RowsSayTitleKindAndWhatTheyRun)
{
    MenuTree tree;
    test::buildTree(tree,
        "Docs|cd C:\\Docs|cd D:\\Docs\n"
        "Tools\n"
        "  Hammer|cd C:\\Hammer\n"
        "-\n"
        "Empty\n"
        "Many\n"
        "  a\n"
        "  b\n");
    const auto name = [&tree](const char *title) {
        return spokenEntryName(*test::find(tree, title)).english();
    };
    const auto details = [&tree](const char *title) {
        return spokenEntryDetails(*test::find(tree, title)).english();
    };
    EXPECT_EQ(name("Docs"), "Docs, item");
    EXPECT_EQ(details("Docs"), "command cd C:\\Docs, target path cd D:\\Docs");
    EXPECT_EQ(name("Hammer"), "Hammer, item");
    EXPECT_EQ(details("Hammer"), "command cd C:\\Hammer");
    EXPECT_EQ(name("Tools"), "Tools, submenu");
    EXPECT_EQ(details("Tools"), "1 entry");
    EXPECT_EQ(details("Many"), "2 entries");
    EXPECT_EQ(name("-"), "separator");
    EXPECT_EQ(details("-"), "");
    EXPECT_EQ(details("Empty"), "no command");
}

} // namespace
} // namespace torvex
