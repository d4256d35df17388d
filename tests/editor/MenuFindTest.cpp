#include "editor/MenuFind.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::buildTree;
using test::find;

class MenuFindTest : public ::testing::Test
{
protected:
    MenuFindTest()
    {
        buildTree(tree,
            "Docs|cd C:\\Docs\n"
            "Projects\n"
            "  Alpha|cd C:\\Work|cd D:\\ALPHA\n"
            "  Tools\n"
            "    Hammer|cd C:\\Hammer\n"
            "  Beta|cd E:\\Beta\n"
            "Games|cd C:\\Games\n");
    }

    std::vector<std::string> titles(const std::vector<MenuNode *> &nodes) const
    {
        std::vector<std::string> result;
        for (const MenuNode *node : nodes)
            result.push_back(node->title());
        return result;
    }

    MenuTree tree;
};

TEST_F(MenuFindTest, MatchesTitleCommandOrTargetPathAndShowsTheirParents)
{
    const FindResult alpha = findInMenu(tree, asciiTextMatch("alpha"), nullptr);
    // Alpha matches by its title and its target path: once.
    EXPECT_EQ(titles(alpha.matches), std::vector<std::string>({ "Alpha" }));
    EXPECT_EQ(alpha.shown.size(), 2u);
    EXPECT_TRUE(alpha.shown.count(find(tree, "Projects")));

    const FindResult hammer = findInMenu(tree, asciiTextMatch("HAMMER"), find(tree, "Games"));
    EXPECT_EQ(titles(hammer.matches), std::vector<std::string>({ "Hammer" }));
    for (const char *title : { "Hammer", "Tools", "Projects", "Games" })
        EXPECT_TRUE(hammer.shown.count(find(tree, title))) << title;
    EXPECT_FALSE(hammer.shown.count(find(tree, "Alpha")));

    const FindResult none = findInMenu(tree, asciiTextMatch("zzz"), nullptr);
    EXPECT_TRUE(none.matches.empty());
    EXPECT_TRUE(none.shown.empty());
}

TEST_F(MenuFindTest, TypingOnNarrowsToWhatAFullSearchFinds)
{
    // Each text holds the one before; the kept node stays shown throughout.
    const MenuNode *keep = find(tree, "Docs");
    FindResult narrowed = findInMenu(tree, asciiTextMatch("c"), keep);
    for (const char *text : { "c:", "c:\\", "c:\\w", "c:\\wo", "c:\\wx", "C:\\WX" }) {
        const FindResult full = findInMenu(tree, asciiTextMatch(text), keep);
        narrowed = narrowFind(narrowed, asciiTextMatch(text), keep);
        EXPECT_EQ(narrowed.matches, full.matches) << text;
        EXPECT_EQ(narrowed.shown, full.shown) << text;
    }
    EXPECT_TRUE(narrowed.matches.empty());
    EXPECT_EQ(narrowed.shown.size(), 1u);
}

TEST_F(MenuFindTest, NextMatchGoesRoundInMenuOrderFromAnyNode)
{
    const FindResult result = findInMenu(tree, asciiTextMatch("c:\\"), nullptr);
    ASSERT_EQ(
        titles(result.matches), std::vector<std::string>({ "Docs", "Alpha", "Hammer", "Games" }));
    EXPECT_EQ(nextMatch(tree, result, nullptr)->title(), "Docs");
    EXPECT_EQ(nextMatch(tree, result, nullptr, true)->title(), "Games");
    EXPECT_EQ(nextMatch(tree, result, find(tree, "Docs"))->title(), "Alpha");
    // From a node that is no match: the next match after it, or the one before.
    EXPECT_EQ(nextMatch(tree, result, find(tree, "Tools"))->title(), "Hammer");
    EXPECT_EQ(nextMatch(tree, result, find(tree, "Tools"), true)->title(), "Alpha");
    EXPECT_EQ(nextMatch(tree, result, find(tree, "Games"))->title(), "Docs");
    EXPECT_EQ(nextMatch(tree, result, find(tree, "Docs"), true)->title(), "Games");
    EXPECT_EQ(matchNumber(result, find(tree, "Hammer")), 3u);
    EXPECT_EQ(matchNumber(result, find(tree, "Beta")), 0u);
    EXPECT_EQ(nextMatch(tree, FindResult {}, find(tree, "Docs")), nullptr);
}

} // namespace
} // namespace torvex
