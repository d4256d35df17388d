// Entries past the file manager's limit of 200, found by the problem scan: the number each
// entry gets in the file counts the end lines the writer puts before it, several at once where
// submenus close as the last child of other submenus.
#include "editor/ItemCount.h"
#include "editor/MenuProblems.h"
#include "menu/DirMenuWriter.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <map>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

DestinationRule everyFolderExists()
{
    return DestinationRule { [](std::string_view) -> std::optional<std::string> {
                                return std::nullopt;
                            },
        [](std::string_view) {
            return true;
        } };
}

// The entries the scan finds over the limit: pre-order index to the reason given.
std::map<std::size_t, std::string> overTheLimit(const MenuTree &tree)
{
    std::map<std::size_t, std::string> over;
    for (const MenuProblem &problem : findMenuProblems(tree, everyFolderExists()).problems) {
        if (problem.kind == ProblemKind::OverItemLimit)
            over[problem.menuNumber] = problem.reason;
    }
    return over;
}

// The same from the lines the writer writes: the n-th "menu" line that is not an end line is
// the n-th entry in pre-order, and the number in its key is its number in the file.
std::map<std::size_t, std::string> overTheLimitInTheWrittenLines(const MenuTree &tree)
{
    std::map<std::size_t, std::string> over;
    std::size_t entry = 0;
    for (const auto &[key, value] : writeDirMenu(tree)) {
        if (!key.starts_with("menu") || value == "--")
            continue;
        ++entry;
        const std::size_t number = std::stoul(key.substr(4));
        if (number > itemLimit)
            over[entry] = "entry " + std::to_string(number)
                + " of the file; the file manager reads " + std::to_string(itemLimit);
    }
    return over;
}

// `count` top-level items, then `rest`.
std::string items(int count, const std::string &rest)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "Item" + std::to_string(i) + "\n";
    return text + rest;
}

TEST(ItemLimit, EndLinesOfNestedSubmenusCountBeforeTheNextEntry)
{
    // Items 1-195, A 196, B 197, C 198, the ends of B and A 199 and 200: D is entry 201.
    MenuTree tree;
    test::buildTree(tree, items(195, "A\n  B\n    C\nD\n"));
    EXPECT_EQ(overTheLimit(tree),
        (std::map<std::size_t, std::string> {
            { 199, "entry 201 of the file; the file manager reads 200" } }));

    // One level less: the end of A is entry 199 and D is entry 200, the last one read.
    tree.clear();
    test::buildTree(tree, items(196, "A\n  C\nD\n"));
    EXPECT_TRUE(overTheLimit(tree).empty());

    // A submenu that is itself the last child ends after its own last child, not before it:
    // A 195, X 196, B 197, C 198, E 199, the ends 200 and 201, D 202.
    tree.clear();
    test::buildTree(tree, items(194, "A\n  X\n  B\n    C\n    E\nD\n"));
    EXPECT_EQ(overTheLimit(tree),
        (std::map<std::size_t, std::string> {
            { 200, "entry 202 of the file; the file manager reads 200" } }));
}

// A menu of `choices.size()` entries: each goes one level deeper than the one before (making
// that one a submenu), stays at its level, or climbs out of one to three levels.
std::string randomOutline(const std::vector<int> &choices)
{
    std::string text;
    int depth = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const int choice = choices[i];
        if (i > 0 && choice <= 1)
            depth = std::min(depth + 1, 6);
        else if (choice >= 3)
            depth = std::max(0, depth - (choice - 2));
        text +=
            std::string(2 * static_cast<std::size_t>(depth), ' ') + "E" + std::to_string(i) + "\n";
    }
    return text;
}

RC_GTEST_PROP(ItemLimitProperty, EntriesPastTheLimitAreThoseTheWriterNumbersPastIt, ())
{
    const auto size = *rc::gen::inRange(150, 215);
    const auto choices =
        *rc::gen::container<std::vector<int>>(std::size_t(size), rc::gen::inRange(0, 6));
    MenuTree tree;
    test::buildTree(tree, randomOutline(choices));
    RC_ASSERT(overTheLimit(tree) == overTheLimitInTheWrittenLines(tree));
}

} // namespace
} // namespace torvex
