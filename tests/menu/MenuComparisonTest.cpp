// Comparing two menus: the lines on disk and the lines a save writes, the line diff and the
// count of differing entries.
#include "menu/MenuComparison.h"

#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>
#include <sstream>

namespace torvex {
namespace {

// Lines "key=value", one a line.
DirMenuEntries lines(const std::string &text)
{
    DirMenuEntries entries;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return entries;
}

DirMenuEntries linesOf(const std::string &outline)
{
    MenuTree tree;
    test::buildTree(tree, outline);
    return dirMenuLinesToSave(tree);
}

EntryChanges changesBetween(const std::string &before, const std::string &after)
{
    return compareDirMenus(linesOf(before), linesOf(after)).entries;
}

TEST(MenuComparison, LinesToSaveAreTheWritersWithoutEmptyValues)
{
    MenuTree tree;
    test::buildTree(
        tree, "Home|cd c:\\\nTools\n  Editor|cd c:\\ed|d:\\x\n  Sub2\n    A|cd a\nLast|cd z\n");
    EXPECT_EQ(dirMenuLinesToSave(tree), lines(test::workedExampleLines));
    // An item without a command is written "cmd2=", which the reader takes for no line.
    EXPECT_EQ(linesOf("A|cd a\nB\n"), lines("menu1=A\ncmd1=cd a\nmenu2=B"));
}

TEST(MenuComparison, LinesOnDiskAreTheSectionAsTheReaderTakesIt)
{
    test::TempDir dir;
    const std::string path = dir.write("wincmd.ini",
        "[DirMenu]\r\nMENU1 = \"Home\"\r\ncmd1=cd c:\\\r\ncmd1=twice\r\npath1=\r\n"
        "[Other]\r\nmenu2=x\r\n");
    FileSystem fs(dir.path());
    EXPECT_EQ(dirMenuLinesOnDisk(path, fs), lines("MENU1=Home\ncmd1=cd c:\\"));
    EXPECT_TRUE(dirMenuLinesOnDisk(dir.file("missing.ini"), fs).empty());

    test::FaultyFileSystem failing(dir.path());
    failing.failReads = true;
    EXPECT_THROW(dirMenuLinesOnDisk(path, failing), IniReadError);
}

TEST(MenuComparison, TheSameMenuIsTheSameWhateverTheKeysLetterCase)
{
    const MenuComparison same =
        compareDirMenus(lines("MENU1=Home\nCmd1=cd c:\\"), lines("menu1=Home\ncmd1=cd c:\\"));
    EXPECT_TRUE(same.isSame());
    EXPECT_FALSE(same.entries.any());
    EXPECT_EQ(unifiedMenuDiff(same, "a", "b"), "");
    // Values compare exactly.
    EXPECT_FALSE(compareDirMenus(lines("menu1=Home"), lines("menu1=home")).isSame());
}

TEST(MenuComparison, DiffShowsTheChangedLinesOnly)
{
    const MenuComparison comparison =
        compareDirMenus(linesOf("Home|cd c:\\\nTools\n  Editor|cd e\nLast|cd z\n"),
            linesOf("Home|cd c:\\\nTools\n  Editor|cd e|d:\\x\nLast|cd z\n"));
    EXPECT_EQ(unifiedMenuDiff(comparison, "disk", "editor"),
        "--- disk\n+++ editor\n@@ -3,6 +3,7 @@\n menu2=-Tools\n menu3=Editor\n cmd3=cd e\n"
        "+path3=d:\\x\n menu4=--\n menu5=Last\n cmd5=cd z\n");
    EXPECT_EQ(comparison.entries, (EntryChanges { .changed = 1 }));
}

TEST(MenuComparison, EntriesAddedRemovedChangedAndMoved)
{
    EXPECT_EQ(changesBetween("A|cd a\nB|cd b\n", "A|cd a\nB|cd b\nC|cd c\nD|cd d\n"),
        (EntryChanges { .added = 2 }));
    EXPECT_EQ(changesBetween("A|cd a\nB|cd b\nC|cd c\n", "A|cd a\nC|cd c\n"),
        (EntryChanges { .removed = 1 }));
    // Another title, command or target path at the same place is a change.
    EXPECT_EQ(changesBetween("A|cd a\nB|cd b\nC|cd c\n", "A2|cd a\nB|cd b2\nC|cd c|t\n"),
        (EntryChanges { .changed = 3 }));
    EXPECT_EQ(changesBetween("A|cd a\nB|cd b\nC|cd c\n", "B|cd b\nC|cd c\nA|cd a\n"),
        (EntryChanges { .moved = 1 }));
    // Into a submenu: the same entry at another depth elsewhere.
    EXPECT_EQ(changesBetween("A|cd a\nS\n  B|cd b\n", "S\n  B|cd b\n  A|cd a\n"),
        (EntryChanges { .moved = 1 }));
    // A renamed submenu is one change; its children stay as they are.
    EXPECT_EQ(changesBetween("S\n  B|cd b\n  C|cd c\n", "T\n  B|cd b\n  C|cd c\n"),
        (EntryChanges { .changed = 1 }));
    // One entry replaced by three: one change and two additions.
    EXPECT_EQ(
        changesBetween("A|cd a\nB|cd b\nZ|cd z\n", "A|cd a\nX|cd x\nY|cd y\nW|cd w\nZ|cd z\n"),
        (EntryChanges { .added = 2, .changed = 1 }));
}

TEST(MenuComparison, RenumberedLinesOfTheSameEntries)
{
    // A gap in the numbers: the reader builds the same menu, a save numbers it anew.
    const MenuComparison comparison =
        compareDirMenus(lines("menu1=A\ncmd1=cd a\nmenu3=B\ncmd3=cd b"),
            lines("menu1=A\ncmd1=cd a\nmenu2=B\ncmd2=cd b"));
    EXPECT_FALSE(comparison.isSame());
    EXPECT_FALSE(comparison.entries.any());
}

TEST(MenuComparison, SummaryTexts)
{
    EXPECT_EQ(entryChangesText({ .added = 3, .removed = 1, .changed = 2 }),
        "3 entries added, 1 removed, 2 changed");
    EXPECT_EQ(entryChangesText({ .added = 1 }), "1 entry added");
    EXPECT_EQ(entryChangesText({ .removed = 2, .moved = 1 }), "2 entries removed, 1 moved");
    EXPECT_EQ(entryChangesText({ .moved = 1 }), "1 entry moved");
    EXPECT_EQ(
        entryChangesText({}), "The entries are the same; only the lines that hold them differ.");
}

} // namespace
} // namespace torvex
