// How the comparison counts entries, in the words of its summary: an entry is changed when
// another title, command or target path stands at its place, and moved when the same entry
// stands elsewhere, in a submenu or out of one, even when a copy of it was added too.
#include "menu/MenuComparison.h"
#include "support/TreeBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

DirMenuEntries linesOf(const std::string &outline)
{
    MenuTree tree;
    test::buildTree(tree, outline);
    return dirMenuLinesToSave(tree);
}

std::string summaryOf(const std::string &before, const std::string &after)
{
    return entryChangesText(compareDirMenus(linesOf(before), linesOf(after)).entries).english();
}

TEST(MenuComparisonCounts, AnEntryMovedAndCopiedIsOneMoveAndOneAddition)
{
    const std::string menu = "A|cd a\nB|cd b\nC|cd c\n";
    EXPECT_EQ(summaryOf(menu, "B|cd b\nC|cd c\nA|cd a\nA|cd a\n"), "1 entry added, 1 moved");
    EXPECT_EQ(summaryOf(menu, "B|cd b\nA|cd a\nC|cd c\nA|cd a\n"), "1 entry added, 1 moved");
    // A copy beside an entry that stays is an addition only.
    EXPECT_EQ(summaryOf(menu, "A|cd a\nB|cd b\nC|cd c\nA|cd a\n"), "1 entry added");
    // Two entries of the same content, one moved: the other stays.
    EXPECT_EQ(summaryOf("A|cd a\nB|cd b\nA|cd a\n", "B|cd b\nA|cd a\nA|cd a\n"), "1 entry moved");
}

TEST(MenuComparisonCounts, MovesIntoAndOutOfSubmenusAreMoves)
{
    // Into a submenu at the same place in the menu order: only its depth differs.
    EXPECT_EQ(summaryOf("S\n  B|cd b\nA|cd a\n", "S\n  B|cd b\n  A|cd a\n"), "1 entry moved");
    EXPECT_EQ(summaryOf("A|cd a\nS\n  B|cd b\n", "S\n  A|cd a\n  B|cd b\n"), "1 entry moved");
    // Out of one.
    EXPECT_EQ(summaryOf("S\n  B|cd b\n  A|cd a\n", "S\n  B|cd b\nA|cd a\n"), "1 entry moved");
    // A submenu moved into another one moves with its entries.
    EXPECT_EQ(summaryOf("S\n  X|cd x\nT\n  Y|cd y\n", "T\n  Y|cd y\n  S\n    X|cd x\n"),
        "2 entries moved");
    // Moved and changed is no longer the same entry.
    EXPECT_EQ(
        summaryOf("A|cd a\nS\n  B|cd b\n", "S\n  B|cd b\n  A|cd a2\n"), "1 entry added, 1 removed");
}

// A random menu of `choices.size()` entries from a small set of contents, so that equal
// entries stand in many places: each entry goes one level deeper than the one before, stays,
// or climbs out of a level.
std::string randomOutline(const std::vector<int> &choices)
{
    std::string text;
    int depth = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const int move = choices[i] % 4;
        if (i > 0 && move == 0)
            depth = std::min(depth + 1, 3);
        else if (move == 3)
            depth = std::max(0, depth - 1);
        const int content = choices[i] / 4;
        text += std::string(2 * static_cast<std::size_t>(depth), ' ') + "E"
            + std::to_string(content % 3) + "|cd " + std::to_string(content) + "\n";
    }
    return text;
}

std::size_t entryCount(const std::string &outline)
{
    MenuTree tree;
    test::buildTree(tree, outline);
    return tree.count();
}

RC_GTEST_PROP(MenuComparisonCountsProperty, EveryEntryIsCountedOnce, ())
{
    const auto before =
        randomOutline(*rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 24)));
    const auto after =
        randomOutline(*rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 24)));
    const EntryChanges changes = compareDirMenus(linesOf(before), linesOf(after)).entries;
    // The entries of each side that are neither changed nor moved are the same ones: those
    // kept in place.
    const std::size_t beforeCount = entryCount(before);
    const std::size_t afterCount = entryCount(after);
    RC_ASSERT(beforeCount >= changes.removed + changes.changed + changes.moved);
    RC_ASSERT(beforeCount - changes.removed == afterCount - changes.added);
}

RC_GTEST_PROP(MenuComparisonCountsProperty, AReorderedMenuIsOnlyMoved, ())
{
    auto entries = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 12));
    std::string before;
    for (const int content : entries)
        before += "E" + std::to_string(content) + "|cd " + std::to_string(content) + "\n";
    const auto order =
        *rc::gen::container<std::vector<int>>(entries.size(), rc::gen::inRange(0, 1000));
    std::vector<std::size_t> places(entries.size());
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = i;
    std::stable_sort(places.begin(), places.end(), [&order](std::size_t x, std::size_t y) {
        return order[x] < order[y];
    });
    std::string after;
    for (const std::size_t at : places)
        after += "E" + std::to_string(entries[at]) + "|cd " + std::to_string(entries[at]) + "\n";
    const EntryChanges changes = compareDirMenus(linesOf(before), linesOf(after)).entries;
    RC_ASSERT(changes.added + changes.removed + changes.changed == 0u);
    RC_ASSERT(changes.moved <= entries.size());
}

} // namespace
} // namespace torvex
