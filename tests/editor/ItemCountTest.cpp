#include "editor/ItemCount.h"

#include "EditorFixture.h"

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

using test::buildTree;
using test::EditorFixture;
using test::find;

std::size_t countOf(const std::string &text)
{
    MenuTree tree;
    buildTree(tree, text);
    return itemCount(tree);
}

// `n` top-level items, then `extra`.
std::string items(int n, const std::string &extra = {})
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "Item" + std::to_string(i) + "\n";
    return text + extra;
}

TEST(ItemCount, CountsEachSubmenuTwiceAndTheEndOnce)
{
    EXPECT_EQ(countOf(""), 0u);
    EXPECT_EQ(countOf("A\n"), 1u);
    EXPECT_EQ(countOf("A\nB\n"), 3u);
    EXPECT_EQ(countOf("S\n  A\n  B\n"), 5u);
    EXPECT_EQ(itemCountText(1).english(), " 1 items");
    EXPECT_EQ(itemCountText(12).english(), " 12 items");
}

TEST(ItemCount, WarningIsPlacedNearThePointerButOnTheScreen)
{
    const ScreenSize screen { 1024, 768 };
    EXPECT_EQ(itemLimitWarningPlacement({ 100, 100 }, screen), (BoxPlacement { 40, 140 }));
    EXPECT_EQ(itemLimitWarningPlacement({ 1000, 700 }, screen), (BoxPlacement { 624, 568 }));
    // On the limits themselves the pointer's own rule still holds.
    EXPECT_EQ(itemLimitWarningPlacement({ 624, 568 }, screen), (BoxPlacement { 564, 608 }));
    // A negative coordinate is left to the box's default place.
    EXPECT_EQ(itemLimitWarningPlacement({ 20, 100 }, screen), (BoxPlacement { {}, 140 }));
    EXPECT_EQ(itemLimitWarningPlacement({ 300, 100 }, ScreenSize { 350, 150 }),
        (BoxPlacement { {}, {} }));
}

class ItemLimitWarning : public EditorFixture
{
};

TEST_F(ItemLimitWarning, IsShownAtTwoHundredButNotAt199)
{
    // 197 items and a submenu of one: 199 nodes, 1 with children: 201; delete the child: 199.
    load(items(197, "S\n  K\n"));
    ui.pointer = { 1000, 700 };
    editor.updateItemCount();
    ASSERT_EQ(ui.warnings.size(), 1u);
    EXPECT_EQ(ui.warnings[0].text,
        "Total Commander will only show the first 200 items!\r\nYou now have 201 items!");
    EXPECT_EQ(ui.warnings[0].placement, (BoxPlacement { 624, 568 }));

    click("K");
    editor.deleteSelectedEntry();
    EXPECT_EQ(ui.itemCount, " 199 items");
    EXPECT_EQ(ui.warnings.size(), 1u);

    // Back to exactly 200, and again after each further change.
    editor.addSiblingEntry();
    EXPECT_EQ(ui.itemCount, " 200 items");
    ASSERT_EQ(ui.warnings.size(), 2u);
    EXPECT_EQ(ui.warnings[1].text,
        "Total Commander will only show the first 200 items!\r\nYou now have 200 items!");
    editor.addSiblingEntry();
    EXPECT_EQ(ui.warnings.size(), 3u);
}

TEST_F(ItemLimitWarning, ComesOncePerCommandWithTheCountItLeaves)
{
    // 199 items and a submenu of two: 202 nodes, 1 with children: 204.
    load(items(199, "S\n  K1\n  K2\n"));
    click("S");
    ui.warnings.clear();
    ui.itemCounts.clear();
    editor.deleteSelectedEntry();
    // Counted once, with the 200 the whole delete leaves; one warning for all.
    EXPECT_EQ(ui.itemCounts, (std::vector<std::string> { " 200 items" }));
    ASSERT_EQ(ui.warnings.size(), 1u);
    EXPECT_EQ(
        ui.warnings[0].text.substr(ui.warnings[0].text.find("You")), "You now have 200 items!");

    // One plain delete at 201 warns once, not once for the node and once at the end.
    editor.addSiblingEntry();
    ui.warnings.clear();
    editor.deleteSelectedEntry();
    EXPECT_EQ(ui.itemCount, " 200 items");
    EXPECT_EQ(ui.warnings.size(), 1u);

    // A command that ends below the limit does not warn at all.
    click("Item0");
    ui.warnings.clear();
    editor.deleteSelectedEntry();
    EXPECT_EQ(ui.itemCount, " 199 items");
    EXPECT_TRUE(ui.warnings.empty());
}

} // namespace
} // namespace torvex
