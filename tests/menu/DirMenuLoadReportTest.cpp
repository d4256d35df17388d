#include "files/FileSystem.h"
#include "menu/DirMenuFile.h"
#include "menu/DirMenuFindings.h"
#include "menu/DirMenuReader.h"
#include "menu/IniDocument.h"
#include "menu/MenuComparison.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/WorkedExample.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

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

// A command before its entry's title, a title whose number the count of entries reaches only
// later and one it never reaches, far down a file and in a section that ends the file without
// a line break: each line's finding comes from the lines below it too.
TEST(DirMenuLoadReport, LinesTakeTheirFindingFromTheWholeSection)
{
    std::string text = "[Other]\n";
    for (int i = 0; i < 70000; ++i) {
        text += 'k';
        text += std::to_string(i);
        text += "=v\n";
    }
    const std::size_t header = 70002;
    text += "[DirMenu]\n"
            "cmd2=cd sep\n" // its title, a separator, follows
            "menu3=C\n" // entry 3 while only two were read
            "menu2=-\n"
            "path1=p\n" // its title, an end line, follows
            "menu1=--\n"
            "menu5=-\n"
            "cmd5=cd now\n"
            "cmd4=cd none\n" // no title at all
            "menu11=Far\n" // past the ten entries
            "cmd3=cd c";
    const Loaded loaded = load(text);
    EXPECT_EQ(loaded.tree, "-\nC|cd c\n-\n");
    EXPECT_EQ(loaded.findings,
        (std::vector<DirMenuFinding> {
            { header + 1, "cmd2=cd sep", why::ofSeparator },
            { header + 4, "path1=p", why::ofEndLine },
            { header + 7, "cmd5=cd now", why::ofSeparator },
            { header + 8, "cmd4=cd none", why::withoutTitle },
            { header + 9, "menu11=Far", why::pastGap },
        }));
}

// The findings of a section's entries do not hang on the order of its lines: the same lines
// in the writer's order (each told as it is read) and shuffled (most told at the end) give the
// same lines and reasons.
TEST(DirMenuLoadReport, TheOrderOfTheLinesChangesNoFinding)
{
    std::mt19937 random(20261209);
    const std::vector<std::string> values = {
        "-", "--", "A", "-Sub", "cd x", "-" + std::string(120, 'y')
    };
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const auto reasons = [](const std::vector<std::string> &lines) {
        std::string text = "[DirMenu]\n";
        for (const std::string &line : lines)
            text += line + "\n";
        DirMenuValues gathered;
        std::vector<std::string> found;
        for (const DirMenuFinding &finding : gatherDirMenu(IniDocument::fromBytes(text), gathered))
            found.push_back(finding.text + " " + finding.reason);
        std::sort(found.begin(), found.end());
        return found;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        const std::size_t numbers = 1 + pick(12);
        for (std::size_t number = 1; number <= numbers; ++number) {
            for (const char *prefix : { "menu", "cmd", "path" }) {
                if (pick(3) != 0)
                    lines.push_back(
                        prefix + std::to_string(number) + "=" + values[pick(values.size())]);
            }
        }
        const std::vector<std::string> inOrder = reasons(lines);
        std::shuffle(lines.begin(), lines.end(), random);
        ASSERT_EQ(reasons(lines), inOrder) << round;
    }
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
