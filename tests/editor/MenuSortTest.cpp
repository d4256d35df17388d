#include "editor/MenuSort.h"

#include "editor/EditJournal.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

// Byte order is enough here: the locale's order is the window's (tested there).
int byteOrder(std::string_view a, std::string_view b)
{
    return a.compare(b);
}

TEST(MenuSort, SeparatorsAreFencesAndSubmenusGoFirstOrMix)
{
    MenuTree tree;
    const std::string outline = "d|cd d\nB\n  z\n  a\nc|cd c\n-\nb|cd b\nA\n  y\na|cd a\n";
    test::buildTree(tree, outline);
    EXPECT_EQ(sortMenuLevel(tree, nullptr, byteOrder, { .submenusFirst = true }), 4u);
    EXPECT_EQ(test::outline(tree), "B\n  z\n  a\nc|cd c\nd|cd d\n-\nA\n  y\na|cd a\nb|cd b\n");

    MenuTree mixed;
    test::buildTree(mixed, outline);
    sortMenuLevel(mixed, nullptr, byteOrder, { .submenusFirst = false });
    EXPECT_EQ(test::outline(mixed), "B\n  z\n  a\nc|cd c\nd|cd d\n-\nA\n  y\na|cd a\nb|cd b\n")
        << "upper case first in byte order, so the same here";

    MenuTree lower;
    test::buildTree(lower, "z|cd z\nm\n  x\na|cd a\n");
    sortMenuLevel(lower, nullptr, byteOrder, { .submenusFirst = false });
    EXPECT_EQ(test::outline(lower), "a|cd a\nm\n  x\nz|cd z\n");
    sortMenuLevel(lower, nullptr, byteOrder, { .submenusFirst = true });
    EXPECT_EQ(test::outline(lower), "m\n  x\na|cd a\nz|cd z\n");
}

TEST(MenuSort, OneSubmenuOrAllLevelsAndEqualTitlesKeepTheirOrder)
{
    MenuTree tree;
    test::buildTree(tree, "T\n  b|cd 1\n  S\n    y\n    x\n  a|cd 2\n  b|cd 3\nq|cd q\np|cd p\n");
    sortMenuLevel(tree, test::find(tree, "T"), byteOrder, { .submenusFirst = false });
    EXPECT_EQ(test::outline(tree), "T\n  S\n    y\n    x\n  a|cd 2\n  b|cd 1\n  b|cd 3\nq|cd q\np|cd p\n");

    sortMenuLevel(tree, nullptr, byteOrder, { .submenusFirst = false, .allLevels = true });
    EXPECT_EQ(test::outline(tree), "T\n  S\n    x\n    y\n  a|cd 2\n  b|cd 1\n  b|cd 3\np|cd p\nq|cd q\n");
    EXPECT_EQ(sortMenuLevel(tree, nullptr, byteOrder, { .allLevels = true }), 0u)
        << "a sorted menu moves nothing";
}

TEST(MenuSort, TheWholeSortIsOneStepOfTheJournal)
{
    MenuTree tree;
    const std::string outline = "c|cd c\nB\n  z\n  a\n-\nb|cd b\na|cd a\n";
    test::buildTree(tree, outline);
    EditJournal journal(tree);
    journal.begin("Sort all levels");
    sortMenuLevel(tree, nullptr, byteOrder, { .allLevels = true });
    std::unique_ptr<EditStep> step = journal.end();
    ASSERT_TRUE(step);
    const std::string sorted = test::outline(tree);
    EXPECT_EQ(sorted, "B\n  a\n  z\nc|cd c\n-\na|cd a\nb|cd b\n");
    step->revert(tree);
    EXPECT_EQ(test::outline(tree), outline);
    step->apply(tree);
    EXPECT_EQ(test::outline(tree), sorted);
}

} // namespace
} // namespace torvex
