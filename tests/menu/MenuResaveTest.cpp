#include "menu/MenuResave.h"

#include "core/Error.h"
#include "menu/DirMenuFile.h"
#include "files/FileSystem.h"
#include "menu/IniCodec.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;

using Lines = std::vector<std::pair<std::string, std::string>>;

// Random DirMenu entries in the shapes the reader treats apart: items, separators, submenu
// starts (some over 99 characters, with a character of two bytes at the cut), end lines,
// titles the reader skips, commands and target paths on any of them, numbers out of order,
// gaps, numbers past the count and keys in any letter case.
DirMenuEntries randomEntries(std::mt19937 &random)
{
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const std::string longTitle = std::string(98, 'x') + "\xc3\xa9" + "tail";
    const std::vector<std::string> titles = { "Item",
        "-",
        "--",
        "---",
        "-- end",
        "-Sub",
        "-Other",
        "-" + longTitle,
        longTitle,
        "Caf\xc3\xa9",
        "-\xc3\xa9" };
    const std::size_t count = 1 + pick(25);
    DirMenuEntries entries;
    for (std::size_t n = 1; n <= count; ++n) {
        // Now and then a gap, or a number far past the count.
        const std::size_t number = pick(12) == 0 ? n + 1 + pick(3) : pick(30) == 0 ? 500 : n;
        const std::string suffix = std::to_string(number);
        entries.emplace_back(
            pick(8) == 0 ? "MENU" + suffix : "menu" + suffix, titles[pick(titles.size())]);
        if (pick(2) == 0)
            entries.emplace_back("cmd" + suffix, "cd C:\\F" + suffix);
        if (pick(4) == 0)
            entries.emplace_back("Path" + suffix, "D:\\P" + suffix);
    }
    if (pick(3) == 0)
        std::shuffle(entries.begin(), entries.end(), random);
    return entries;
}

Lines linesThroughTheTree(const DirMenuValues &values)
{
    MenuTree tree;
    readDirMenu(values, tree);
    Lines lines;
    forEachDirMenuLine(tree, [&lines](std::string_view key, std::string_view value) {
        lines.emplace_back(key, value);
    });
    return lines;
}

Lines resavedLines(const DirMenuValues &values)
{
    Lines lines;
    forEachResavedDirMenuLine(values, [&lines](std::string_view key, std::string_view value) {
        lines.emplace_back(key, value);
    });
    return lines;
}

TEST(ResavedLines, AreTheLinesOfTheMenuTheReaderBuilds)
{
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        const DirMenuEntries entries = randomEntries(random);
        DirMenuValues values;
        for (const auto &[key, value] : entries)
            values.add(key, value);
        std::string text;
        for (const auto &[key, value] : entries)
            text += key + "=" + value + "\n";
        const Lines expected = linesThroughTheTree(values);
        ASSERT_EQ(resavedLines(values), expected) << text;
        ASSERT_EQ(values.holdsEntry(), !expected.empty()) << text;
    }
}

TEST(ResavedLines, FollowTheWriterOnTheShapesThatNeedLookingAhead)
{
    const auto resaved = [](const DirMenuEntries &entries) {
        DirMenuValues values;
        for (const auto &[key, value] : entries)
            values.add(key, value);
        std::string text;
        for (const auto &[key, value] : resavedLines(values))
            text += key + "=" + value + "\n";
        return text;
    };
    // A submenu that ends at once is an item; its end line goes with it.
    EXPECT_EQ(
        resaved(
            { { "menu1", "-Empty" }, { "cmd1", "cd x" }, { "menu2", "--" }, { "menu3", "After" } }),
        "menu1=Empty\ncmd1=cd x\nmenu2=After\ncmd2=\n");
    // Submenus left open at the end are ended, all but an empty innermost one.
    EXPECT_EQ(resaved({ { "menu1", "-A" }, { "menu2", "One" }, { "menu3", "-B" } }),
        "menu1=-A\nmenu2=One\ncmd2=\nmenu3=B\ncmd3=\nmenu4=--\n");
    // An end line at the top level is passed over; a separator never takes a command.
    EXPECT_EQ(
        resaved({ { "menu1", "--" }, { "menu2", "-" }, { "cmd2", "cd y" } }), "menu1=-\ncmd1=\n");
}

TEST(ResavedLines, AMenuOfEndLinesAndEmptyTitlesHoldsNoEntry)
{
    DirMenuValues values;
    values.add("menu1", "--");
    values.add("cmd2", "cd x");
    values.add("menu4", "-Past the count");
    EXPECT_FALSE(values.holdsEntry());
    EXPECT_TRUE(resavedLines(values).empty());
}

// What the editor's load and save make of the file, to compare a resave with.
struct Saved
{
    std::string bytes;
    std::vector<DirMenuFinding> notShown;
};

Saved loadAndSave(const std::string &path)
{
    MenuTree tree;
    Saved saved { {}, readMenuFile(path, tree, FileSystem::real()) };
    if (!tree.isEmpty())
        writeMenuFile(path, tree, FileSystem::real());
    saved.bytes = readFile(path);
    return saved;
}

std::string withEndings(const DirMenuEntries &entries, const std::string &ending)
{
    std::string text;
    for (const auto &[key, value] : entries)
        text += key + "=" + value + ending;
    return text;
}

TEST(Resave, WritesWhatTheEditorsLoadAndSaveWrite)
{
    std::vector<std::string> files = {
        "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n[Other]\r\nx=1\r\n",
        "[Other]\nx=1\n[DirMenu]\nmenu1=Home\ncmd1=cd c:\\\n",
        "; top\r\n[dirmenu]\r\n  Menu1 = \"Quoted\" \r\nmenu1=Again\r\n; "
        "inside\r\n\r\nmenu2=-Sub\r\n"
        "menu3=x\r\n[Mid]\r\n[DIRMENU]\r\nmenu4=second section\r\n[End]",
        "[DirMenu]\rmenu1=Caf\xe9\rcmd1=cd C:\\Caf\xe9\r",
        "\xef\xbb\xbf[DirMenu]\nmenu1=Caf\xc3\xa9\nmenu2=-\xc3\xa9\xc3\xa9\n",
        "\xff\xfe" + iniCodec::utf8ToUtf16Le("[DirMenu]\r\nmenu1=Caf\xc3\xa9\r\nmenu2=x\r\n"),
        "[DirMenu]\r\nmenu1=--\r\nmenu2=\r\n[X]\r\n",
    };
    std::mt19937 random(8122026);
    const std::vector<std::string> endings = { "\r\n", "\n", "\r" };
    for (int round = 0; round < 200; ++round) {
        const std::string &ending = endings[random() % endings.size()];
        const std::string section =
            "[DirMenu]" + ending + withEndings(randomEntries(random), ending);
        const std::string other = "[Other]" + ending + "key=value" + ending;
        files.push_back(random() % 2 ? section + other : other + section);
    }
    TempDir dir;
    for (const std::string &file : files) {
        const std::string edited = dir.write("edited.ini", file);
        const std::string resaved = dir.write("resaved.ini", file);
        const Saved expected = loadAndSave(edited);
        const ResaveOutcome outcome = resaveMenu(resaved, FileSystem::real());
        ASSERT_EQ(readFile(resaved), expected.bytes) << file;
        ASSERT_EQ(outcome.notShown, expected.notShown) << file;
    }
}

TEST(Resave, TellsWhatIsNotShownBeforeWritingAndWritesNothingForAnEmptyMenu)
{
    TempDir dir;
    const std::string text = "[DirMenu]\r\nmenu1=--\r\n; note\r\nmenu2=\r\n";
    const std::string path = dir.write("w.ini", text);
    std::size_t told = 0;
    bool writing = false;
    const ResaveOutcome outcome = resaveMenu(
        path,
        FileSystem::real(),
        [&told](const std::vector<DirMenuFinding> &lines) {
            told = lines.size();
        },
        dirMenuSection,
        [&writing] {
            writing = true;
        });
    EXPECT_TRUE(outcome.empty);
    EXPECT_EQ(told, 2u);
    EXPECT_EQ(outcome.notShown.size(), 2u);
    EXPECT_FALSE(writing) << "nothing is written, so nothing is to be kept first";
    EXPECT_EQ(readFile(path), text);
}

TEST(Resave, WhatMustHappenBeforeTheWriteCanStopIt)
{
    TempDir dir;
    const std::string text = "[DirMenu]\r\nmenu1=A\r\ncmd1=\r\n[X]\r\n";
    const std::string path = dir.write("w.ini", text);
    test::FaultyFileSystem fs;
    EXPECT_THROW(resaveMenu(path, fs, {}, dirMenuSection, [] { throw TorvexError("no backup"); }),
        TorvexError);
    EXPECT_EQ(fs.writes, 0);
    EXPECT_EQ(readFile(path), text);
}

TEST(Resave, LeavesAFileAloneThatWouldNotChangeAndReportsAFailedWrite)
{
    TempDir dir;
    test::FaultyFileSystem fs;
    fs.failWrites = true;
    const std::string same = dir.write("same.ini", "[X]\r\n[DirMenu]\r\nmenu1=A\r\ncmd1=\r\n");
    EXPECT_NO_THROW(resaveMenu(same, fs));
    EXPECT_EQ(fs.writes, 0);

    const std::string moved = dir.write("moved.ini", "[DirMenu]\r\nmenu1=A\r\ncmd1=\r\n[X]\r\n");
    try {
        resaveMenu(moved, fs);
        FAIL() << "the write failed";
    } catch (const TorvexError &error) {
        EXPECT_EQ(
            std::string(error.what()), "Unable to write to " + moved + ": No space left on device");
    }
    EXPECT_EQ(readFile(moved), "[DirMenu]\r\nmenu1=A\r\ncmd1=\r\n[X]\r\n");

    fs.failWrites = false;
    EXPECT_NO_THROW(resaveMenu(moved, fs));
    EXPECT_EQ(fs.writes, 1);
    EXPECT_EQ(readFile(moved), "[X]\r\n[DirMenu]\r\nmenu1=A\r\ncmd1=\r\n");
}

} // namespace
} // namespace torvex
