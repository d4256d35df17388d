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
    problem.titlePath = { "A \"quoted\"", "B\\C" };
    problem.command = "cd C:\\x\ty";
    problem.folder = "C:\\x\x01";
    EXPECT_EQ(problemsAsJson({}), "[]\n");
    EXPECT_EQ(problemsAsJson({ problem }),
        "[\n  {\"kind\": \"broken path\", \"menuNumber\": 4, \"titlePath\": [\"A \\\"quoted\\\"\", "
        "\"B\\\\C\"], \"command\": \"cd C:\\\\x\\ty\", \"targetPath\": \"\", \"folder\": "
        "\"C:\\\\x\\u0001\", \"reason\": \"\"}\n]\n");
}

} // namespace
} // namespace torvex
