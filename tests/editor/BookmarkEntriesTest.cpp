#include "editor/BookmarkEntries.h"

#include "editor/EditJournal.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

BookmarkImport importing(const std::string &title, const std::string &command)
{
    BookmarkImport import;
    import.title = title;
    import.command = command;
    return import;
}

TEST(BookmarkEntries, AddedAfterTheSelectedEntryInOneStep)
{
    MenuTree tree;
    test::buildTree(tree, "A|cd a\nS\n  x|cd x\n  y|cd y\nB|cd b\n");
    BookmarkImport refused = importing("Bad", "cd bad");
    refused.refusal = "its name is not UTF-8";
    const std::vector<BookmarkImport> imports {
        importing("One", "cd Z:\\one"), refused, importing("Two", "cd H:\\two")
    };
    EditJournal journal(tree);
    journal.begin("Import Linux bookmarks");
    const auto added = addBookmarkEntries(tree, test::find(tree, "x"), imports);
    std::unique_ptr<EditStep> step = journal.end();
    EXPECT_EQ(added.size(), 2u);
    const std::string after =
        "A|cd a\nS\n  x|cd x\n  One|cd Z:\\one\n  Two|cd H:\\two\n  y|cd y\nB|cd b\n";
    EXPECT_EQ(test::outline(tree), after);
    ASSERT_TRUE(step);
    step->revert(tree);
    EXPECT_EQ(test::outline(tree), "A|cd a\nS\n  x|cd x\n  y|cd y\nB|cd b\n");
    step->apply(tree);
    EXPECT_EQ(test::outline(tree), after);

    addBookmarkEntries(tree, test::find(tree, "B"), { importing("Last", "cd l") });
    addBookmarkEntries(tree, nullptr, { importing("End", "cd e") });
    EXPECT_EQ(test::outline(tree), after + "Last|cd l\nEnd|cd e\n");
}

TEST(BookmarkEntries, ExportTakesTheFoldersThatExistAndSaysWhyOthersAreSkipped)
{
    test::SyntheticPrefix wine;
    const auto work = wine.makeFolder("drive_c/Work Files");
    MenuTree tree;
    test::buildTree(tree,
        "Work|cd c:\\work files\\\nS\n  Gone|cd C:\\Gone\n  -\n  Empty\n"
        "Host|cd "
            + wine.path().string() + "\nNoDrive|cd Q:\\x\nProgram|notepad.exe\n");
    const WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    const std::vector<BookmarkExport> exports = bookmarkExports(tree, view);
    ASSERT_EQ(exports.size(), 6u) << "items only: no submenu, no separator";
    EXPECT_EQ(exports[0].hostFolder, work.string());
    EXPECT_EQ(exports[0].skipReason, "");
    EXPECT_EQ(exports[1].skipReason, "leads to no folder");
    EXPECT_EQ(exports[2].skipReason, "no command");
    EXPECT_EQ(exports[3].hostFolder, wine.path().string());
    EXPECT_EQ(exports[4].skipReason, "leads to no folder");
    EXPECT_EQ(exports[5].skipReason, "leads to no folder");
    EXPECT_EQ(exports[5].node, test::find(tree, "Program"));
}

} // namespace
} // namespace torvex
