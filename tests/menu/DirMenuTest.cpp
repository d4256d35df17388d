#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "support/TreeBuilder.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>
#include <regex>

namespace torvex {
namespace {

using test::buildTree;
using test::outline;
using test::workedExampleLines;

DirMenuEntries read(const std::string &outlineText)
{
    MenuTree tree;
    buildTree(tree, outlineText);
    return writeDirMenu(tree);
}

std::string lines(const DirMenuEntries &entries)
{
    std::string out;
    for (const auto &[k, v] : entries)
        out += k + "=" + v + "\n";
    return out;
}

std::string loaded(const DirMenuEntries &entries)
{
    MenuTree tree;
    readDirMenu(entries, tree);
    return outline(tree);
}

const char *workedExampleTree = "Home|cd c:\\\n"
                                "Tools\n"
                                "  Editor|cd c:\\ed|d:\\x\n"
                                "  Sub2\n"
                                "    A|cd a\n"
                                "Last|cd z\n";

TEST(DirMenu, ProgressRoundsHalvesToEven)
{
    EXPECT_EQ(progressPercent(1, 1), 100);
    EXPECT_EQ(progressPercent(1, 8), 12); // 12.5 -> 12
    EXPECT_EQ(progressPercent(3, 8), 38); // 37.5 -> 38
    EXPECT_EQ(progressPercent(1, 3), 33);
    EXPECT_EQ(progressPercent(2, 3), 67);
    EXPECT_EQ(progressPercent(1, 40), 2); // 2.5 -> 2
    EXPECT_EQ(progressPercent(0, 0), 100);

    std::vector<int> reported;
    ProgressCounter counter(20, [&](int p) {
        reported.push_back(p);
    });
    for (std::size_t k = 1; k <= 20; ++k)
        counter.step(k);
    EXPECT_EQ(reported, (std::vector<int> { 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 }));

    reported.clear();
    ProgressCounter one(1, [&](int p) {
        reported.push_back(p);
    });
    one.step(1);
    EXPECT_EQ(reported, std::vector<int> { 100 });
}

TEST(DirMenu, WorkedExampleWritesAndReadsBack)
{
    const DirMenuEntries entries = read(workedExampleTree);
    EXPECT_EQ(lines(entries), workedExampleLines);
    EXPECT_EQ(loaded(entries), workedExampleTree);
}

TEST(DirMenu, NestedLastChildrenCloseEveryLevel)
{
    const DirMenuEntries entries = read("P3\n  P2\n    P1\n      X|x\n    Y|y\n");
    EXPECT_EQ(lines(entries),
        "menu1=-P3\nmenu2=-P2\nmenu3=-P1\nmenu4=X\ncmd4=x\nmenu5=--\nmenu6=Y\ncmd6=y\n"
        "menu7=--\nmenu8=--\n");
    EXPECT_EQ(loaded(entries), "P3\n  P2\n    P1\n      X|x\n    Y|y\n");
}

TEST(DirMenu, ItemsWriteAnEmptyCommandAndNoEmptyPath)
{
    EXPECT_EQ(lines(read("Only\n")), "menu1=Only\ncmd1=\n");
    EXPECT_EQ(lines(read("-\n")), "menu1=-\ncmd1=\n");
    EXPECT_EQ(lines(read("")), "");
}

TEST(DirMenu, ReaderHandlesUnbalancedSections)
{
    EXPECT_EQ(loaded({ { "menu1", "-" }, { "menu2", "--" }, { "menu3", "--text" } }), "-\n");
    // A submenu start without entries stays a childless node with submenu pictures.
    MenuTree tree;
    readDirMenu({ { "menu1", "-A" }, { "menu2", "--" } }, tree);
    ASSERT_EQ(tree.count(), 1u);
    EXPECT_EQ(tree.first()->imageIndex(), ImageSubmenu);
    EXPECT_EQ(lines(writeDirMenu(tree)), "menu1=A\ncmd1=\n");
    // Unclosed submenus keep what follows.
    EXPECT_EQ(loaded({ { "menu1", "-A" }, { "menu2", "x" }, { "menu3", "y" } }), "A\n  x\n  y\n");
}

TEST(DirMenu, ReaderVisitsOnlyNumbersUpToTheEntryCount)
{
    EXPECT_EQ(loaded({ { "menu1", "A" }, { "cmd1", "x" }, { "menu5", "B" } }), "A|x\n");
    // Gaps are skipped together with their cmd and path.
    EXPECT_EQ(loaded({ { "menu1", "A" }, { "cmd2", "orphan" }, { "menu3", "C" } }), "A\nC\n");
}

TEST(DirMenu, KeysMatchInAnyCaseAndFirstValueWins)
{
    EXPECT_EQ(loaded({ { "MENU1", "Home" }, { "Cmd1", "cd c:\\" }, { "PATH1", "t" } }),
        "Home|cd c:\\|t\n");
}

TEST(DirMenu, TitleRules)
{
    const std::string longTitle(150, 'x');
    EXPECT_EQ(loaded({ { "menu1", "-" + longTitle } }), std::string(99, 'x') + "\n");
    EXPECT_EQ(loaded({ { "menu1", longTitle } }), longTitle + "\n");
    // Characters, not bytes: a two-byte character is never cut in two.
    std::string accented;
    for (int i = 0; i < 150; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(loaded({ { "menu1", "-" + accented } }), accented.substr(0, 198) + "\n");
    // A title beginning with a dash comes back as a submenu start.
    MenuTree tree;
    readDirMenu(read("-x|cmd\n"), tree);
    EXPECT_EQ(tree.first()->title(), "x");
    EXPECT_EQ(tree.first()->imageIndex(), ImageSubmenu);
}

TEST(DirMenu, EmptySubmenuTitleBecomesSeparatorAndSpillsItsChildren)
{
    const DirMenuEntries entries = read("Outer\n  |\n    a|1\n  b|2\n");
    EXPECT_EQ(lines(entries),
        "menu1=-Outer\nmenu2=-\nmenu3=a\ncmd3=1\nmenu4=--\nmenu5=b\ncmd5=2\nmenu6=--\n");
    // "-" is a separator, so a and the end line that closed it now close Outer.
    EXPECT_EQ(loaded(entries), "Outer\n  -\n  a|1\nb|2\n");
}

TEST(DirMenu, ARefusedKeyIsNamedByItsEntryNumberTitleAndValue)
{
    MenuTree tree;
    buildTree(tree, workedExampleTree);
    // Numbers count the end lines too: "Last" is entry 8.
    EXPECT_EQ(refusedEntryText(tree, "cmd8", "holds a line break"),
        "Entry 8 \"Last\": the command holds a line break");
    EXPECT_EQ(refusedEntryText(tree, "path3", "holds a NUL character"),
        "Entry 3 \"Editor\": the target path holds a NUL character");
    EXPECT_EQ(refusedEntryText(tree, "menu4", "holds a line break"),
        "Entry 4 \"Sub2\": the title holds a line break");
    EXPECT_EQ(refusedEntryText(tree, "menu99", "holds a line break"),
        "Entry 99: the title holds a line break");
    EXPECT_EQ(refusedEntryText(tree, "other", "holds a line break"),
        "The value of other holds a line break");
}

TEST(DirMenu, MenuKeyCountIsNodesPlusSubmenus)
{
    MenuTree tree;
    buildTree(tree, "A\n  B\n    C\n  D\nE\n  F\nG\n");
    std::size_t menuKeys = 0;
    for (const auto &[k, v] : writeDirMenu(tree))
        menuKeys += k.starts_with("menu");
    EXPECT_EQ(menuKeys, tree.count() + tree.submenuCount());
}

// Only "menu", "cmd" or "path" in any letter case, then a number without leading zeros below
// 2^30: every way of being almost such a key is no key.
TEST(DirMenu, DepthIsToldWithoutBuildingTheMenu)
{
    const auto depth = [](const DirMenuEntries &entries) {
        DirMenuValues values;
        for (const auto &[key, value] : entries)
            values.add(key, value);
        return menuDepth(values);
    };
    EXPECT_EQ(depth({}), 0u);
    EXPECT_EQ(depth({ { "menu1", "A" }, { "menu2", "-" } }), 1u);
    // An empty submenu adds no level; an end line at the top level is ignored.
    EXPECT_EQ(
        depth({ { "menu1", "-A" }, { "menu2", "--" }, { "menu3", "--" }, { "menu4", "B" } }), 1u);
    MenuTree worked;
    buildTree(worked, workedExampleTree);
    EXPECT_EQ(depth(writeDirMenu(worked)), 3u);
    // Submenus left open keep their level.
    EXPECT_EQ(depth({ { "menu1", "-A" }, { "menu2", "-B" }, { "menu3", "C" } }), 3u);
}

// Values of every length, empty ones and one longer than the blocks so far among them, kept as
// copies or as views: each comes back as it was added, across the blocks that hold them.
TEST(DirMenuValues, EveryValueComesBackWhateverItsLengthAndBlock)
{
    constexpr std::size_t count = 3000;
    std::vector<std::string> titles;
    std::vector<std::string> commands;
    for (std::size_t i = 0; i < count; ++i) {
        titles.push_back(std::string("T").append(std::to_string(i)));
        commands.push_back(std::string(i % 300, static_cast<char>('a' + i % 26)));
    }
    commands[1500] = std::string(200 * 1024, 'L');
    commands[count - 1] = std::string(70 * 1024, 'Z');
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += titles[i].size() + commands[i].size();
    const auto fill = [&](DirMenuValues &values, bool lasting) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto number = static_cast<std::uint32_t>(i + 1);
            if (lasting) {
                values.addLasting({ number, 0 }, titles[i]);
                values.addLasting({ number, 1 }, commands[i]);
            } else {
                values.add({ number, 0 }, titles[i]);
                values.add({ number, 1 }, commands[i]);
            }
        }
    };
    const auto check = [&](const MenuTree &tree, const std::string &how) {
        ASSERT_EQ(tree.count(), count) << how;
        std::size_t i = 0;
        for (const MenuNode *node = tree.first(); node; node = node->nextSibling(), ++i) {
            ASSERT_EQ(node->title(), titles[i]) << how;
            ASSERT_EQ(node->data().command, commands[i]) << "entry " << i + 1 << ", " << how;
        }
    };
    for (const bool lasting : { false, true }) {
        const std::string how = lasting ? "views" : "copies";
        DirMenuValues values;
        fill(values, lasting);
        EXPECT_EQ(values.valueBytes(), bytes);
        MenuTree tree;
        readDirMenu(values, tree);
        check(tree, how);
        // Read once more, freeing the blocks as the menu takes their texts.
        MenuTree again;
        readDirMenu(std::move(values), again);
        check(again, how + ", freed as read");
        EXPECT_EQ(values.entryCount(), 0u);
    }
}

// Values out of order and keys standing twice (in any letter case) go through the reader's
// second path: the first value of a key counts, an empty one too.
TEST(DirMenuValues, OutOfOrderTheFirstValueOfAKeyCounts)
{
    const std::string longCommand(100 * 1024, 'c');
    EXPECT_EQ(loaded({ { "cmd2", "cd b" },
                  { "menu2", "B" },
                  { "menu1", "A" },
                  { "MENU1", "Again" },
                  { "path2", "p" },
                  { "cmd1", longCommand } }),
        "A|" + longCommand + "\nB|cd b|p\n");
    EXPECT_EQ(loaded({ { "menu1", "" }, { "Menu1", "A" }, { "menu2", "B" } }), "B\n");
    // In order, an empty title leaves its entry out and the command goes with it.
    EXPECT_EQ(loaded({ { "menu1", "" }, { "cmd1", "x" }, { "menu2", "B" } }), "B\n");
    // Out of order with the repeated key first: the count still reaches the later numbers.
    EXPECT_EQ(loaded({ { "menu2", "B" }, { "menu2", "Again" }, { "menu1", "A" } }), "A\nB\n");
}

TEST(DirMenuKeyTest, ReadsOnlyTheKeysOfTheMenu)
{
    const std::vector<std::string> prefixes = { "menu",
        "MENU",
        "Menu",
        "mEnU",
        "cmd",
        "CMD",
        "cMd",
        "path",
        "PATH",
        "men",
        "menux",
        "m",
        "",
        "pat",
        "paths",
        "cmdx",
        "menu ",
        "\xed"
        "enu",
        "nenu",
        "menU",
        "-enu",
        "Mmenu" };
    const std::vector<std::string> numbers = { "",
        "0",
        "01",
        "1",
        "7",
        "12",
        "100",
        "1073741823",
        "1073741824",
        "4294967297",
        "99999999999",
        "12a",
        "1 2",
        "+1",
        "-1",
        "1.0",
        "\xd9\xa3",
        "123456789" };
    const std::regex key("(menu|cmd|path)([1-9][0-9]*)", std::regex::icase);
    for (const std::string &prefix : prefixes) {
        for (const std::string &number : numbers) {
            const std::string text = prefix + number;
            std::smatch match;
            DirMenuKey expected;
            if (std::regex_match(text, match, key) && match[2].length() <= 10
                && std::stoull(match[2]) <= (1u << 30) - 1) {
                expected.number = static_cast<std::uint32_t>(std::stoull(match[2]));
                const char first = static_cast<char>(std::tolower(text[0]));
                expected.kind = first == 'm' ? 0 : first == 'c' ? 1 : 2;
            }
            const DirMenuKey read = readDirMenuKey(text);
            EXPECT_EQ(read.number, expected.number) << text;
            EXPECT_EQ(read.kind, expected.kind) << text;
        }
    }
}

} // namespace
} // namespace torvex
