#include "editor/TitlePath.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

TEST(TitlePath, NamesEntriesFromTheTopDownAndTitlesMayHoldTheSeparator)
{
    MenuTree tree;
    test::buildTree(tree,
        "Tools\n  Editors\n    Vim|cd v\n  Old|cd o\n"
        "A > B\n  C|cd c\n"
        "A\n  B\n    D|cd d\n"
        "x>y|cd xy\n");
    EXPECT_EQ(findByTitlePath(tree, "Tools > Editors > Vim"), test::find(tree, "Vim"));
    EXPECT_EQ(findByTitlePath(tree, "Tools > Old"), test::find(tree, "Old"));
    EXPECT_EQ(findByTitlePath(tree, "x>y"), test::find(tree, "x>y"));
    // " > " inside a title: the reading that leads to an entry wins.
    EXPECT_EQ(findByTitlePath(tree, "A > B > C"), test::find(tree, "C"));
    EXPECT_EQ(findByTitlePath(tree, "A > B > D"), test::find(tree, "D"));
    EXPECT_EQ(findByTitlePath(tree, "A > B"), test::find(tree, "A > B"));
    for (const char *missing : { "Tools > Vim", "Tools>Old", "Tools > Old > x", "Editors", "",
             "Tools > ", "x" })
        EXPECT_EQ(findByTitlePath(tree, missing), nullptr) << missing;
}

TEST(TitlePath, TheReachIsTheDeepestEntryFoundAndTheTitlesStillMissing)
{
    MenuTree tree;
    test::buildTree(tree, "Tools\n  Editors\n    Vim|cd v\nA > B\n  C|cd c\n");
    const TitlePathReach whole = reachTitlePath(tree, "Tools > Editors");
    EXPECT_EQ(whole.node, test::find(tree, "Editors"));
    EXPECT_TRUE(whole.missing.empty());

    const TitlePathReach part = reachTitlePath(tree, "Tools > New > x>y");
    EXPECT_EQ(part.node, test::find(tree, "Tools"));
    EXPECT_EQ(part.missing, (std::vector<std::string> { "New", "x>y" }));

    const TitlePathReach inTitle = reachTitlePath(tree, "A > B > New");
    EXPECT_EQ(inTitle.node, test::find(tree, "A > B"));
    EXPECT_EQ(inTitle.missing, (std::vector<std::string> { "New" }));

    const TitlePathReach none = reachTitlePath(tree, "Games > Old");
    EXPECT_EQ(none.node, nullptr);
    EXPECT_EQ(none.missing, (std::vector<std::string> { "Games", "Old" }));
}

} // namespace
} // namespace torvex
