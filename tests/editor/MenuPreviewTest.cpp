#include "editor/MenuPreview.h"

#include "menu/DirMenuKeys.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <string>

namespace torvex {
namespace {

// The preview as an outline: two blanks a level, "[-]" for a separator, "/" after a submenu.
void describe(const std::vector<PreviewEntry> &level, int depth, std::string &out)
{
    for (const PreviewEntry &entry : level) {
        out += std::string(2 * depth, ' ');
        if (entry.kind == PreviewEntry::Kind::Separator)
            out += "[-]";
        else
            out += entry.title;
        if (entry.kind == PreviewEntry::Kind::Submenu)
            out += "/";
        out += "\n";
        describe(entry.children, depth + 1, out);
    }
}

std::string describe(const MenuPreview &preview)
{
    std::string out;
    describe(preview.entries, 0, out);
    return out;
}

TEST(MenuPreview, ShowsTheMenuAsTheFileManagerReadsItBack)
{
    MenuTree tree;
    test::buildTree(tree,
        "Home\n"
        "Tools\n"
        "  &Editor\n"
        "  -\n"
        "  Sub\n"
        "    A\n"
        "  \"Quoted\"\n"
        "-dash\n"
        "padded\n"
        "Last\n");
    tree.setTitle(test::find(tree, "padded"), "  padded\t ");
    const MenuPreview preview = previewMenu(tree);
    EXPECT_EQ(describe(preview),
        "Home\nTools/\n  &Editor\n  [-]\n  Sub/\n    A\n  Quoted\n"
        "dash/\n  padded\n  Last\n");
    EXPECT_EQ(preview.leftOut, 0u);
    EXPECT_EQ(preview.entries[1].children[0].node, test::find(tree, "&Editor"));
    EXPECT_EQ(preview.entries[1].node, test::find(tree, "Tools"));
}

TEST(MenuPreview, OddTitlesEndSubmenusOrVanishAsTheyDoOnReading)
{
    MenuTree tree;
    test::buildTree(tree, "S\n  --x\n  after\nT\n  a\n");
    MenuNode *empty = tree.addChild(test::find(tree, "T"), "", NodeKind::Submenu);
    tree.addChild(empty, "child");
    tree.addTopLevel("");
    tree.addTopLevel("end");
    // "--x" closes S; the end line written for S then closes nothing at the top level. The
    // untitled submenu is a separator, its child follows it in T and its end line closes T;
    // the untitled item is not read.
    EXPECT_EQ(describe(previewMenu(tree)), "S/\nafter\nT/\n  a\n  [-]\n  child\nend\n");

    MenuTree longTitle;
    const std::string title(150, 'x');
    test::buildTree(longTitle, title + "\n  in\n" + title + "\n");
    const MenuPreview preview = previewMenu(longTitle);
    EXPECT_EQ(preview.entries[0].title, std::string(maxSubmenuTitle, 'x'));
    EXPECT_EQ(preview.entries[1].title, title) << "an item's title stays whole";
}

TEST(MenuPreview, NothingPastTheLimitAndTheRestIsCounted)
{
    MenuTree tree;
    std::string outline;
    for (int i = 1; i <= 5; ++i)
        outline += "i" + std::to_string(i) + "\n";
    outline += "S\n  a\n  b\nlast\n";
    test::buildTree(tree, outline);
    // Numbers: i1..i5 1-5, S 6, a 7, b 8, end line 9, last 10.
    EXPECT_EQ(describe(previewMenu(tree, 8)), "i1\ni2\ni3\ni4\ni5\nS/\n  a\n  b\n");
    EXPECT_EQ(previewMenu(tree, 8).leftOut, 1u) << "the end line is no entry";
    EXPECT_EQ(previewMenu(tree, 9).leftOut, 1u);
    EXPECT_EQ(previewMenu(tree, 10).leftOut, 0u);
    EXPECT_EQ(describe(previewMenu(tree, 7)), "i1\ni2\ni3\ni4\ni5\nS/\n  a\n");
    EXPECT_EQ(previewMenu(tree, 7).leftOut, 2u);

    MenuTree big;
    std::string many;
    for (int i = 0; i < 250; ++i)
        many += "e" + std::to_string(i) + "\n";
    test::buildTree(big, many);
    const MenuPreview preview = previewMenu(big);
    ASSERT_EQ(preview.entries.size(), itemLimit);
    EXPECT_EQ(preview.entries.back().title, "e199");
    EXPECT_EQ(preview.leftOut, 50u);
    EXPECT_EQ(leftOutText(50).english(), "50 entries not shown (the file manager reads 200)");
    EXPECT_EQ(leftOutText(1).english(), "1 entry not shown (the file manager reads 200)");
}

} // namespace
} // namespace torvex
