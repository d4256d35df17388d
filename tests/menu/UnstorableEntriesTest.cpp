#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/DirMenuStorability.h"
#include "menu/IniDocument.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::outline;
namespace why = unstorableText;

// The tree as the file gives it back after a save.
std::string readBack(const MenuTree &tree)
{
    IniDocument file = IniDocument::fromBytes("");
    file.replaceSection(dirMenuSection, writeDirMenu(tree));
    MenuTree again;
    readDirMenu(file.readSection(dirMenuSection), again);
    return outline(again);
}

struct Case
{
    const char *name;
    std::string title;
    bool withChild;
    std::string command;
    const char *reason; // nullptr: stored as it is
};

class UnstorableEntries : public ::testing::TestWithParam<Case>
{
};

// Each entry stands inside a submenu "Projects" and before a last item, so that a change of
// level or a lost entry shows in what is read back.
TEST_P(UnstorableEntries, TheReasonIsGivenExactlyWhenTheFileGivesSomethingElseBack)
{
    const Case &c = GetParam();
    MenuTree tree;
    MenuNode *projects = tree.addTopLevel("Projects");
    MenuNode *entry = tree.addChild(projects, c.title);
    tree.setCommand(entry, c.command);
    if (c.withChild)
        tree.setCommand(tree.addChild(entry, "Child"), "cd c");
    tree.setCommand(tree.addChild(projects, "After"), "cd after");
    tree.setCommand(tree.addTopLevel("Last"), "cd last");

    const std::vector<UnstorableEntry> found = findUnstorableEntries(tree);
    if (!c.reason) {
        EXPECT_TRUE(found.empty()) << found.front().reason;
        EXPECT_EQ(readBack(tree), outline(tree));
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].node, entry);
    EXPECT_EQ(found[0].titlePath, "Projects > " + c.title);
    EXPECT_STREQ(found[0].reason.c_str(), c.reason);
    // A line break is refused by the file itself; everything else reads back changed.
    if (std::string(c.reason).find("line break") == std::string::npos) {
        EXPECT_NE(readBack(tree), outline(tree));
    }
}

INSTANTIATE_TEST_SUITE_P(Rules,
    UnstorableEntries,
    ::testing::Values(Case { "Item", "Docs", false, "cd d", nullptr },
        Case { "Submenu", "Old", true, "", nullptr },
        Case { "Separator", "-", false, "", nullptr },
        Case { "SubmenuOf99", std::string(99, 's'), true, "", nullptr },
        Case { "ItemOf150", std::string(150, 'i'), false, "cd i", nullptr },
        Case { "SeparatorWithChildren", "-", true, "", why::separatorWithEntries },
        Case { "SeparatorWithCommand", "-", false, "cd x", why::separatorWithCommand },
        Case { "UntitledSubmenu", "", true, "", why::untitledSubmenu },
        Case { "BlankSubmenu", "  ", true, "", why::untitledSubmenu },
        Case { "DashSubmenu", "-Old-", true, "", why::dashSubmenu },
        Case { "SubmenuOf100", std::string(100, 's'), true, "", why::longSubmenu },
        Case { "UntitledItem", "", false, "cd gone", why::untitledEntry },
        Case { "UntitledItemWithoutCommand", "", false, "", why::untitledEntry },
        Case { "DashItem", "-x", false, "cd x", why::dashEntry },
        Case { "DoubleDashItem", "--x", false, "cd x", why::doubleDashEntry },
        Case { "TitleLineBreak", "a\nb", false, "cd x", why::titleLineBreak },
        Case { "CommandLineBreak", "Docs", false, "cd a\r\ncd b", why::commandLineBreak }),
    [](const auto &info) {
        return std::string(info.param.name);
    });

TEST(UnstorableEntriesInOrder, EveryEntryIsNamedByItsPathInMenuOrder)
{
    MenuTree tree;
    MenuNode *projects = tree.addTopLevel("Projects");
    MenuNode *old = tree.addChild(projects, "-Old-");
    tree.addChild(old, "");
    tree.addTopLevel("Fine");
    const std::vector<UnstorableEntry> found = findUnstorableEntries(tree);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].titlePath, "Projects > -Old-");
    EXPECT_EQ(found[0].reason, why::dashSubmenu);
    EXPECT_EQ(found[1].titlePath, "Projects > -Old- > ");
    EXPECT_EQ(found[1].reason, why::untitledEntry);
}

} // namespace
} // namespace torvex
