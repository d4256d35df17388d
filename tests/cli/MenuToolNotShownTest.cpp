// What torvex-menu says about the lines of a file that the menu does not show.
#include "support/MenuTool.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::TempDir;

// A numbering gap (entry 5 of four), a comment inside the section and a second section.
const std::string fileWithThreeFindings = "[DirMenu]\n"
                                          "menu1=Root\n"
                                          "cmd1=cd Z:\\\n"
                                          "; kept by hand\n"
                                          "menu5=Far\n"
                                          "[Configuration]\n"
                                          "x=1\n"
                                          "[DirMenu]\n"
                                          "menu1=Other\n";

TEST(MenuToolNotShown, CheckListsEachLineInFileOrderAndExitsOne)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini", fileWithThreeFindings);
    const test::ToolStreams check =
        test::runMenuToolStreams("/nonexistent-prefix", "check " + file);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out,
        "1 items\n"
        "line 4: not shown: ; kept by hand (a comment)\n"
        "line 5: not shown: menu5=Far (past a gap in the numbering, where the file manager stops "
        "reading)\n"
        "line 8: not shown: [DirMenu] (a second DirMenu section; only the first is read)\n"
        "line 9: not shown: menu1=Other (in a second DirMenu section)\n");
    EXPECT_EQ(check.err, "");

    const test::ToolStreams json =
        test::runMenuToolStreams("/nonexistent-prefix", "check --json " + file);
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out,
        "[\n"
        "  {\"kind\": \"not shown\", \"line\": 4, \"text\": \"; kept by hand\", \"reason\": \"a "
        "comment\"},\n"
        "  {\"kind\": \"not shown\", \"line\": 5, \"text\": \"menu5=Far\", \"reason\": \"past a "
        "gap in the numbering, where the file manager stops reading\"},\n"
        "  {\"kind\": \"not shown\", \"line\": 8, \"text\": \"[DirMenu]\", \"reason\": \"a second "
        "DirMenu section; only the first is read\"},\n"
        "  {\"kind\": \"not shown\", \"line\": 9, \"text\": \"menu1=Other\", \"reason\": \"in a "
        "second DirMenu section\"}\n"
        "]\n");
}

TEST(MenuToolNotShown, PrintAndResaveWarnOnStderr)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini", fileWithThreeFindings);
    const test::ToolStreams print =
        test::runMenuToolStreams("/nonexistent-prefix", "print " + file);
    EXPECT_EQ(print.exitCode, 0);
    EXPECT_EQ(print.out, "Root\tcd Z:\\\n");
    EXPECT_EQ(print.err,
        "torvex-menu: " + file
            + ": line 4: not shown: ; kept by hand (a comment)\n"
              "torvex-menu: "
            + file
            + ": line 5: not shown: menu5=Far (past a gap in the numbering, where the file "
              "manager stops reading)\n"
              "torvex-menu: "
            + file
            + ": line 8: not shown: [DirMenu] (a second DirMenu section; only the first is "
              "read)\n"
              "torvex-menu: "
            + file + ": line 9: not shown: menu1=Other (in a second DirMenu section)\n");

    const test::ToolStreams clean = test::runMenuToolStreams("/nonexistent-prefix",
        "print " + dir.write("clean.ini", "[DirMenu]\nmenu1=A\ncmd1=cd a\n\n[Next]\n"));
    EXPECT_EQ(clean.err, "");

    const test::ToolStreams resave =
        test::runMenuToolStreams("/nonexistent-prefix", "resave " + file);
    EXPECT_EQ(resave.exitCode, 0);
    EXPECT_NE(resave.err.find("line 5: not shown: menu5=Far"), std::string::npos) << resave.err;
    EXPECT_EQ(test::readFile(file), "[Configuration]\nx=1\n[DirMenu]\nmenu1=Root\ncmd1=cd Z:\\\n");
}

} // namespace
} // namespace torvex
