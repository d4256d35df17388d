// Comparing two menus: the lines on disk and the lines a save writes, the line diff and the
// count of differing entries.
#include "menu/MenuComparison.h"

#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/WorkedExample.h"

#include <algorithm>
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

// The differing entries, one line each.
std::vector<std::string> entryLinesBetween(const std::string &before, const std::string &after)
{
    std::vector<std::string> texts;
    for (const DifferingEntry &entry :
        compareDirMenus(linesOf(before), linesOf(after)).differingEntries)
        texts.push_back(differingEntryText(entry));
    return texts;
}

TEST(MenuComparison, OneDeletionNearTheTopIsOneEntryNotTheRenumberedLines)
{
    std::string before;
    for (int i = 0; i < 300; ++i)
        before += "Folder " + std::to_string(i) + "|cd c:\\f" + std::to_string(i) + "\n";
    std::string after = before;
    after.erase(after.find("Folder 2|"), after.find("Folder 3|") - after.find("Folder 2|"));
    // A submenu moved into another one: its entries go one level deeper, so each one moves.
    const MenuComparison comparison = compareDirMenus(linesOf(before), linesOf(after));
    // Every later key is renumbered: hundreds of lines differ.
    EXPECT_GT(std::count_if(comparison.script.begin(),
                  comparison.script.end(),
                  [](const LineEdit &edit) {
                      return edit.kind != LineEdit::Kind::Same;
                  }),
        500);
    EXPECT_EQ(entryChangesText(comparison.entries).english(), "1 entry removed");
    ASSERT_EQ(comparison.differingEntries.size(), 1u);
    EXPECT_EQ(differingEntryText(comparison.differingEntries[0]), "Removed: Folder 2");
    EXPECT_EQ(comparison.differingEntries[0].before->index, 2u);
}

TEST(MenuComparison, EachDifferingEntryIsOneLine)
{
    EXPECT_EQ(entryLinesBetween("Tools\n  Editor|cd e\n  Old|cd o\nHome|cd h\n",
                  "Tools\n  Text editor|cd f|d:\\t\n  Vim|cd v\nHome|cd h\nGames|cd g\n"),
        (std::vector<std::string> {
            "Changed: Tools > Editor: title \"Editor\" -> \"Text editor\", command \"cd e\" -> "
            "\"cd f\", target path \"\" -> \"d:\\t\"",
            "Changed: Tools > Old: title \"Old\" -> \"Vim\", command \"cd o\" -> \"cd v\"",
            "Added: Games" }));
    EXPECT_EQ(entryLinesBetween("A|cd a\nB|cd b\n", "A|cd a\n"),
        (std::vector<std::string> { "Removed: B" }));
    // An item that became a submenu, one level up.
    EXPECT_EQ(entryLinesBetween("S\n  X|cd x\n  Y|cd y\n", "S\n  X|cd x\nY\n  Z|cd z\n"),
        (std::vector<std::string> { "Changed: S > Y: command \"cd y\" -> \"\", kind item -> "
                                    "submenu, place S -> the top level",
            "Added: Y > Z" }));
}

TEST(MenuComparison, MovesSayFromWhereToWhere)
{
    // Between submenus.
    EXPECT_EQ(entryLinesBetween("Tools\n  Editors\n    Vim|cd v\n    Ed|cd e\n  Make|cd m\n",
                  "Tools\n  Editors\n    Ed|cd e\n  Make|cd m\n  Vim|cd v\n"),
        (std::vector<std::string> {
            "Moved: Vim, from Tools > Editors (position 1) to Tools (position 3)" }));
    // Within a level.
    EXPECT_EQ(entryLinesBetween("A|cd a\nB|cd b\nC|cd c\n", "C|cd c\nA|cd a\nB|cd b\n"),
        (std::vector<std::string> {
            "Moved: C, from the top level (position 3) to the top level (position 1)" }));
    // A submenu moved into another one: its entries go one level deeper, so each one moves.
    const MenuComparison comparison = compareDirMenus(
        linesOf("S\n  X|cd x\nT\n  Y|cd y\n"), linesOf("T\n  Y|cd y\n  S\n    X|cd x\n"));
    std::vector<std::string> texts;
    for (const DifferingEntry &entry : comparison.differingEntries)
        texts.push_back(differingEntryText(entry));
    EXPECT_EQ(texts,
        (std::vector<std::string> { "Moved: S, from the top level (position 1) to T (position 2)",
            "Moved: X, from S (position 1) to T > S (position 1)" }));
}

TEST(MenuComparison, DuplicateEntriesAreToldApartByTheirPlace)
{
    // Two entries of equal title and command: removing the second leaves the first.
    const MenuComparison removed =
        compareDirMenus(linesOf("Vim|cd v\nEd|cd e\nVim|cd v\n"), linesOf("Vim|cd v\nEd|cd e\n"));
    ASSERT_EQ(removed.differingEntries.size(), 1u);
    EXPECT_EQ(removed.differingEntries[0].kind, DifferingEntry::Kind::Removed);
    EXPECT_EQ(removed.differingEntries[0].before->index, 2u);
    EXPECT_EQ(removed.differingEntries[0].before->position, 3u);
    // One of two copies moved into a submenu: one move, the copy stays.
    const MenuComparison moved = compareDirMenus(linesOf("Vim|cd v\nVim|cd v\nS\n  X|cd x\n"),
        linesOf("Vim|cd v\nS\n  X|cd x\n  Vim|cd v\n"));
    ASSERT_EQ(moved.differingEntries.size(), 1u);
    EXPECT_EQ(differingEntryText(moved.differingEntries[0]),
        "Moved: Vim, from the top level (position 2) to S (position 2)");
    // Two copies added where there was one: one addition.
    EXPECT_EQ(entryLinesBetween("Vim|cd v\n", "Vim|cd v\nVim|cd v\n"),
        (std::vector<std::string> { "Added: Vim" }));
}

TEST(MenuComparison, SummaryTexts)
{
    EXPECT_EQ(entryChangesText({ .added = 3, .removed = 1, .changed = 2 }).english(),
        "3 entries added, 1 removed, 2 changed");
    EXPECT_EQ(entryChangesText({ .added = 1 }).english(), "1 entry added");
    EXPECT_EQ(
        entryChangesText({ .removed = 2, .moved = 1 }).english(), "2 entries removed, 1 moved");
    EXPECT_EQ(entryChangesText({ .moved = 1 }).english(), "1 entry moved");
    EXPECT_EQ(entryChangesText({}).english(),
        "The entries are the same; only the lines that hold them differ.");
}

} // namespace
} // namespace torvex
