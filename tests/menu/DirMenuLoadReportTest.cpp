#include "menu/DirMenuReader.h"
#include "menu/DirMenuFindings.h"
#include "menu/DirMenuFile.h"
#include "files/FileSystem.h"
#include "menu/IniDocument.h"
#include "menu/MenuComparison.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::buildTree;
using test::outline;
using test::TempDir;
namespace why = loadFindingReason;

struct Loaded
{
    std::string tree;
    std::vector<DirMenuFinding> findings;
};

// Loads `text` from a file as the editor does, and checks that the menu is the one the reader
// builds from the section's entries alone: the report never changes what is read.
Loaded load(const std::string &text)
{
    TempDir dir;
    const std::string path = dir.write("wincmd.ini", text);
    MenuTree tree;
    Loaded loaded;
    loaded.findings = readMenuFile(path, tree, FileSystem::real());
    loaded.tree = outline(tree);
    MenuTree direct;
    readDirMenu(IniDocument::fromBytes(text).readSection(dirMenuSection), direct);
    EXPECT_EQ(loaded.tree, outline(direct));
    return loaded;
}

std::vector<DirMenuFinding> findings(const std::string &text)
{
    return load(text).findings;
}

// The file-level read, write and resave, and the lines on disk, take another section by name
// and leave the DirMenu section alone.
TEST(DirMenuLoadReport, AnotherSectionIsReadAndWrittenByName)
{
    TempDir dir;
    const std::string path = dir.write("wincmd.ini",
        "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n[Spare]\r\nmenu1=A\r\nmenu1=B\r\n");
    MenuTree tree;
    EXPECT_EQ(readMenuFile(path, tree, FileSystem::real(), {}, {}, {}, 0, "Spare").size(), 1u);
    MenuTree spare;
    buildTree(spare, "A\n");
    EXPECT_EQ(outline(tree), outline(spare));
    tree.clear();
    buildTree(tree, "X|cd x\n");
    writeMenuFile(path, tree, FileSystem::real(), {}, {}, "Spare");
    MenuTree home;
    EXPECT_TRUE(readMenuFile(path, home, FileSystem::real()).empty());
    MenuTree before;
    buildTree(before, "Home|cd c:\\\n");
    EXPECT_EQ(outline(home), outline(before));
    EXPECT_EQ(dirMenuLinesOnDisk(path, FileSystem::real(), "Spare"),
        (DirMenuEntries { { "menu1", "X" }, { "cmd1", "cd x" } }));
    EXPECT_TRUE(resaveMenu(path, FileSystem::real(), {}, "Spare").notShown.empty());
}

TEST(DirMenuLoadReport, AFileTheWriterWroteHoldsNothingHidden)
{
    TempDir dir;
    const std::string path = dir.write("wincmd.ini", "[Other]\r\na=1\r\n\r\n[DirMenu]\r\n");
    MenuTree tree;
    buildTree(tree,
        "Home|cd c:\\\nTools\n  Editor|cd c:\\ed|d:\\x\n  Sub2\n    A|cd a\nEmpty\n-\nLast\n");
    writeMenuFile(path, tree, FileSystem::real());
    MenuTree again;
    EXPECT_TRUE(readMenuFile(path, again, FileSystem::real()).empty());
    EXPECT_EQ(outline(again), outline(tree));
    EXPECT_TRUE(findings("[DirMenu]\n" + test::workedExampleLines + "\n\n[Next]\n").empty());
}

TEST(DirMenuLoadReport, EntriesPastAGapAreNamedWithTheirLines)
{
    // Four entries: the reader visits the numbers 1 to 4 and never reaches entry 5.
    const Loaded loaded = load("[Configuration]\nx=1\n[DirMenu]\n"
                               "menu1=A\ncmd1=cd a\nmenu5=B\ncmd5=cd b\n");
    EXPECT_EQ(loaded.tree, "A|cd a\n");
    EXPECT_EQ(loaded.findings,
        (std::vector<DirMenuFinding> {
            { 6, "menu5=B", why::pastGap },
            { 7, "cmd5=cd b", why::pastGap },
        }));
}

TEST(DirMenuLoadReport, AnEntryWithoutTitleCostsTheLastOne)
{
    // The empty title and command are no entries, so the count stops one number short.
    const Loaded loaded = load("[DirMenu]\nmenu1=\ncmd1=\nmenu2=-\nmenu3=-\n");
    EXPECT_EQ(loaded.tree, "-\n");
    EXPECT_EQ(loaded.findings,
        (std::vector<DirMenuFinding> {
            { 2, "menu1=", why::emptyTitle },
            { 5, "menu3=-", why::pastGap },
        }));
}

TEST(DirMenuLoadReport, ASecondSectionIsAFindingForEachLineThatHoldsSomething)
{
    // A save removes the whole second section, so each of its lines is named.
    const Loaded loaded = load(
        "[DirMenu]\nmenu1=A\ncmd1=cd a\n[Other]\nk=v\n[dirmenu]\nmenu1=B\n\n; c\ncmd1=cd b\n\n");
    EXPECT_EQ(loaded.tree, "A|cd a\n");
    EXPECT_EQ(loaded.findings,
        (std::vector<DirMenuFinding> {
            { 6, "[dirmenu]", why::secondSection },
            { 7, "menu1=B", why::inSecondSection },
            { 9, "; c", why::inSecondSection },
            { 10, "cmd1=cd b", why::inSecondSection },
        }));
}

TEST(DirMenuLoadReport, LinesThatAreNoEntriesOfTheMenu)
{
    // Blank lines that only end the section hold nothing; those between entries are named.
    EXPECT_EQ(findings("[DirMenu]\n"
                       "; my folders\n"
                       "menu1=A\n"
                       "\n"
                       "cmd1=cd a\n"
                       "RedirectSection=AnotherFile\n"
                       "just text\n"
                       "menu01=Zero\n"
                       "Flag=\n"
                       "\n"
                       "\n"
                       "[Next]\n"),
        (std::vector<DirMenuFinding> {
            { 2, "; my folders", why::comment },
            { 4, "", why::blankLine },
            { 6, "RedirectSection=AnotherFile", why::unknownKey },
            { 7, "just text", why::notAnEntry },
            { 8, "menu01=Zero", why::unknownKey },
            { 9, "Flag=", why::unknownKey },
        }));
}

TEST(DirMenuLoadReport, KeysStandingTwiceAndValuesNoEntryCanHold)
{
    EXPECT_EQ(findings("[DirMenu]\n"
                       "menu1=A\n"
                       "MENU1=Again\n"
                       "cmd1=cd a\n"
                       "cmd1=\n" // a repeated empty value loses nothing
                       "menu2=-\n"
                       "cmd2=cd sep\n"
                       "menu3=B\n"
                       "menu4=--\n"
                       "path4=d:\\end\n"
                       "cmd6=cd orphan\n"
                       "menu7=C\n"
                       "menu8=D\n"
                       "menu9=E\n"),
        (std::vector<DirMenuFinding> {
            { 3, "MENU1=Again", why::repeatedKey },
            { 7, "cmd2=cd sep", why::ofSeparator },
            { 10, "path4=d:\\end", why::ofEndLine },
            { 11, "cmd6=cd orphan", why::withoutTitle },
        }));
}

TEST(DirMenuLoadReport, SubmenuTitlesAreCutAtNinetyNineCharacters)
{
    const std::string title(99, 'x');
    const std::string longTitle = "y" + title;
    const Loaded loaded = load("[DirMenu]\nmenu1=-" + title + "\nmenu2=X\nmenu3=--\nmenu4=-"
        + longTitle + "\nmenu5=Y\nmenu6=--\n");
    EXPECT_EQ(loaded.findings,
        (std::vector<DirMenuFinding> { { 5, "menu4=-" + longTitle, why::cutTitle } }));
}

TEST(DirMenuLoadReport, TextsAreShownAsTheFileMeansThem)
{
    // A code page file: the bytes beyond ASCII and a value stored as UTF-8 behind its mark.
    EXPECT_EQ(findings("[DirMenu]\r\n"
                       "menu1=A\r\n"
                       "; K\xF8"
                       "benhavn\r\n"
                       "Note=\xEF\xBB\xBF\xE2\x82\xAC\r\n"),
        (std::vector<DirMenuFinding> {
            { 3,
                "; K\xC3\xB8"
                "benhavn",
                why::comment },
            { 4, "Note=\xE2\x82\xAC", why::unknownKey },
        }));
}

} // namespace
} // namespace torvex
