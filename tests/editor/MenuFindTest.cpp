#include "editor/MenuFind.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
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
            result.emplace_back(node->title());
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
    // Room made for a larger menu keeps what the result holds.
    const FindResult before = narrowed;
    reserveFind(narrowed, 5000);
    EXPECT_EQ(narrowed.matches, before.matches);
    EXPECT_EQ(narrowed.shown, before.shown);
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

// Random menus up to six levels deep, titles of two letters out of three: the nodes shown, in
// menu order, are exactly the matches, the node kept and the ancestors of each, found anew or
// typed on, into results that take turns as the find box's do (their room reused).
TEST(MenuFindInOrder, ShowsWhatThePlainSearchFindsInMenuOrderOnRandomMenus)
{
    std::mt19937 random(31);
    const std::string letters = "abc";
    const auto text = [&](int length) {
        std::string made;
        for (int i = 0; i < length; ++i)
            made += letters[random() % letters.size()];
        return made;
    };
    FindResult results[2];
    for (int menu = 0; menu < 30; ++menu) {
        MenuTree tree;
        std::vector<MenuNode *> nodes;
        for (int i = 0; i < 60; ++i) {
            MenuNode *parent = nodes.empty() || random() % 4 == 0 ? nullptr
                                                                   : nodes[random() % nodes.size()];
            int depth = 0;
            for (const MenuNode *up = parent; up; up = up->parent())
                ++depth;
            if (depth >= 6)
                parent = parent->parent();
            nodes.push_back(parent ? tree.addChild(parent, text(2)) : tree.addTopLevel(text(2)));
        }
        const MenuNode *keep = random() % 3 == 0 ? nullptr : nodes[random() % nodes.size()];
        const std::string needle = text(3);
        int turn = 0;
        for (std::size_t length = 1; length <= needle.size(); ++length) {
            const std::string typed = needle.substr(0, length);
            const TextMatch holds = asciiTextMatch(typed);
            std::vector<MenuNode *> matches;
            std::set<const MenuNode *> leading;
            for (const MenuNode *n = keep; n; n = n->parent())
                leading.insert(n);
            for (MenuNode *node : tree.preOrder()) {
                if (node->title().find(typed) == std::string_view::npos)
                    continue;
                matches.push_back(node);
                for (const MenuNode *n = node; n; n = n->parent())
                    leading.insert(n);
            }
            std::vector<const MenuNode *> expected;
            for (const MenuNode *node : tree.preOrder())
                if (leading.count(node))
                    expected.push_back(node);

            const FindResult &before = results[turn];
            FindResult &now = results[1 - turn];
            turn = 1 - turn;
            const NodeMatch nodeHolds = [&](const MenuNode &node) {
                return holds(node.title());
            };
            if (length == 1)
                findInMenu(tree, nodeHolds, keep, now);
            else
                narrowFind(before, nodeHolds, keep, now);
            ASSERT_EQ(now.matches, matches) << "menu " << menu << ", " << typed;
            ASSERT_EQ(now.shown.inMenuOrder(), expected) << "menu " << menu << ", " << typed;
            const FindResult full = findInMenu(tree, holds, keep);
            EXPECT_EQ(full.shown, now.shown) << "found anew, " << typed;
        }
    }
}

} // namespace
} // namespace torvex
