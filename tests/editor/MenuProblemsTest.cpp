#include "editor/MenuProblems.h"

#include "menu/MenuTree.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <set>

namespace torvex {
namespace {

class MenuProblemsTest : public ::testing::Test
{
protected:
    std::set<std::string> folders { "C:\\Data", "C:\\" };
    DestinationRule rule { [](std::string_view name) -> std::optional<std::string> {
                              if (name == "HOME")
                                  return std::string("C:\\Data");
                              return std::nullopt;
                          },
        [this](std::string_view folder) {
            return folders.count(std::string(folder)) > 0;
        } };
    MenuTree tree;
};

TEST_F(MenuProblemsTest, EachKindIsFoundInMenuOrderWithItsTitlePath)
{
    test::buildTree(tree,
        "Data|cd C:\\Data\n"
        "Sub\n"
        "  Lost|cd C:\\Gone\n"
        "  Inner\n"
        "    Empty\n"
        "    Target|cd %HOME%|D:\\Old\n"
        "-\n"
        "Program|notepad.exe\n"
        "Unknown|cd %NOPE%\\x\n");
    const MenuProblemScan scan = findMenuProblems(tree, rule);
    ASSERT_EQ(scan.problems.size(), 3u);
    EXPECT_EQ(problemLine(scan.problems[0]), "menu 3: broken path: Sub > Lost (C:\\Gone)");
    EXPECT_EQ(problemLine(scan.problems[1]), "menu 5: no command: Sub > Inner > Empty");
    EXPECT_EQ(problemLine(scan.problems[2]),
        "menu 6: broken target path: Sub > Inner > Target (D:\\Old)");
    EXPECT_EQ(scan.problems[0].node->title(), "Lost");

    ASSERT_EQ(scan.undecided.size(), 2u) << "a program and an unknown variable";
    EXPECT_EQ(scan.undecided[0].menuNumber, 8u);
    EXPECT_EQ(scan.undecided[0].reason, "not a folder change");
    EXPECT_EQ(scan.undecided[1].reason, "the variable %NOPE% is not defined");
}

TEST_F(MenuProblemsTest, EntriesWrittenAfterTheLimitAndValuesWithLineBreaksAreProblems)
{
    // 199 items, then a submenu (entry 200) whose child is entry 201.
    std::string lines;
    for (int i = 0; i < 199; ++i)
        lines += "Item" + std::to_string(i) + "|cd C:\\Data\n";
    lines += "Last\n  Child|cd C:\\Data\n";
    test::buildTree(tree, lines);
    MenuProblemScan scan = findMenuProblems(tree, rule);
    ASSERT_EQ(scan.problems.size(), 1u);
    EXPECT_EQ(scan.problems[0].kind, ProblemKind::OverItemLimit);
    EXPECT_EQ(scan.problems[0].menuNumber, 201u);

    tree.clear();
    test::buildTree(tree, "Two|cd C:\\Data\n");
    tree.setTitle(test::find(tree, "Two"), "Two\nlines");
    scan = findMenuProblems(tree, rule);
    ASSERT_EQ(scan.problems.size(), 1u);
    EXPECT_EQ(scan.problems[0].kind, ProblemKind::CannotBeStored);
    EXPECT_EQ(scan.problems[0].reason, "the title holds a line break");
}

TEST(MenuProblemsJson, StringsAreEscapedAndTheArrayIsWellFormed)
{
    MenuProblem problem;
    problem.kind = ProblemKind::BrokenCommand;
    problem.menuNumber = 4;
    problem.writtenNumber = 5;
    problem.fileKey = "Menu\"7";
    problem.fileLine = 12;
    problem.titlePath = { "A \"quoted\"", "B\\C" };
    problem.command = "cd C:\\x\ty";
    problem.folder = "C:\\x\x01";
    EXPECT_EQ(problemsAsJson({}), "[]\n");
    EXPECT_EQ(problemsAsJson({ problem }),
        "[\n  {\"kind\": \"broken path\", \"menuNumber\": 4, \"writtenKey\": \"menu5\", \"line\": "
        "12, "
        "\"key\": \"Menu\\\"7\", \"titlePath\": [\"A \\\"quoted\\\"\", "
        "\"B\\\\C\"], \"command\": \"cd C:\\\\x\\ty\", \"targetPath\": \"\", \"folder\": "
        "\"C:\\\\x\\u0001\", \"reason\": \"\"}\n]\n");
}

// Whatever the strings hold, the output is JSON: every control character escaped, and what
// is not UTF-8 (a stray byte, a lone surrogate as a UTF-16 file can hold) replaced.
TEST(MenuProblemsJson, AnyBytesGiveValidJson)
{
    MenuProblem problem;
    problem.titlePath = { std::string("\x1f\x1b\x7f", 3) };
    problem.command = "\xFF\xED\xA0\x80 \xE2\x82";
    problem.targetPath = "\xC3\xA9\xF0\x9F\x98\x80";
    const std::string json = problemsAsJson({ problem });
    EXPECT_NE(json.find("\"titlePath\": [\"\\u001f\\u001b\x7f\"]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"command\": \"\\ufffd\\ufffd\\ufffd\\ufffd \\ufffd\\ufffd\""),
        std::string::npos)
        << json;
    EXPECT_NE(json.find("\"targetPath\": \"\xC3\xA9\xF0\x9F\x98\x80\""), std::string::npos);
}

// A menu nested thousands of levels deep: each problem names its path by both ends, so the
// report grows with the number of problems, not with the square of the depth.
TEST_F(MenuProblemsTest, ADeepTitlePathIsShortenedInItsMiddle)
{
    std::string outlineText;
    constexpr std::size_t levels = 3000;
    for (std::size_t i = 0; i < levels; ++i)
        outlineText += std::string(i * 2, ' ') + "L" + std::to_string(i + 1) + "\n";
    test::buildTree(tree, outlineText);
    const MenuProblemScan scan = findMenuProblems(tree, rule);
    ASSERT_FALSE(scan.problems.empty());
    const MenuProblem &deepest = scan.problems.back();
    EXPECT_EQ(deepest.titlePath,
        (std::vector<std::string> {
            "L1", "L2", "L3", "... 2994 more ...", "L2998", "L2999", "L3000" }));
    std::size_t titles = 0;
    for (const MenuProblem &problem : scan.problems)
        titles += problem.titlePath.size();
    EXPECT_LE(titles, scan.problems.size() * 7);
    // Seven levels are shown whole.
    MenuTree shallow;
    test::buildTree(shallow, "A\n  B\n    C\n      D\n        E\n          F\n            G\n");
    EXPECT_EQ(titlePathText(findMenuProblems(shallow, rule).problems.back().titlePath),
        "A > B > C > D > E > F > G");
}

} // namespace
} // namespace torvex
