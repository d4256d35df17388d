// `torvex-menu diff FILE OTHER` run as a program: the unified diff of two menus and its exit
// codes.
#include "support/MenuTool.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::TempDir;
using test::ToolStreams;

class MenuDiffTest : public ::testing::Test
{
protected:
    // Writes both files, each a [DirMenu] section of `lines` ("\n" becomes CR LF) between
    // other sections, and runs diff on them.
    ToolStreams diff(const std::string &lines, const std::string &otherLines)
    {
        first = dir.write("wincmd.ini", section("[Configuration]\nx=1\n[DirMenu]\n" + lines));
        second = dir.write("other.ini", section("[DirMenu]\n" + otherLines + "[Layout]\ny=2\n"));
        return test::runMenuToolStreams("/nonexistent-prefix", "diff " + first + " " + second);
    }

    static std::string section(const std::string &text)
    {
        std::string out;
        for (char c : text)
            out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return out;
    }

    std::string header() const { return "--- " + first + "\n+++ " + second + "\n"; }

    TempDir dir;
    std::string first, second;
    const std::string menu = "menu1=Home\ncmd1=cd c:\\\nmenu2=-Tools\nmenu3=Editor\n"
                             "cmd3=cd c:\\ed\nmenu4=--\nmenu5=Last\ncmd5=cd z\n";
};

TEST_F(MenuDiffTest, TheSameMenuPrintsNothingAndExitsZero)
{
    // Other sections, spelling of keys and quotes do not count.
    const auto run = diff(menu,
        "MENU1=\"Home\"\nCmd1=cd c:\\\nmenu2=-Tools\nmenu3=Editor\n"
        "cmd3=cd c:\\ed\nmenu4=--\nmenu5=Last\ncmd5=cd z\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(MenuDiffTest, AnAddedEntry)
{
    const auto run = diff(menu, menu + "menu6=New\ncmd6=cd n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        header() + "@@ -6,3 +6,5 @@\n menu4=--\n menu5=Last\n cmd5=cd z\n+menu6=New\n+cmd6=cd n\n");
}

TEST_F(MenuDiffTest, ControlCharactersOfTheFilesAreShownNotSent)
{
    const auto run = diff(menu, menu + "menu6=Red\x1b[31m\ncmd6=cd n\x07\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        header()
            + "@@ -6,3 +6,5 @@\n menu4=--\n menu5=Last\n cmd5=cd z\n+menu6=Red\u241b[31m\n"
              "+cmd6=cd n\u2407\n");
}

TEST_F(MenuDiffTest, ARemovedEntry)
{
    const auto run = diff(menu, "menu1=Home\ncmd1=cd c:\\\nmenu2=Last\ncmd2=cd z\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        header()
            + "@@ -1,8 +1,4 @@\n menu1=Home\n cmd1=cd c:\\\n-menu2=-Tools\n-menu3=Editor\n"
              "-cmd3=cd c:\\ed\n-menu4=--\n-menu5=Last\n-cmd5=cd z\n+menu2=Last\n+cmd2=cd z\n");
}

TEST_F(MenuDiffTest, AMovedEntry)
{
    const auto run = diff(menu,
        "menu1=-Tools\nmenu2=Editor\ncmd2=cd c:\\ed\nmenu3=--\nmenu4=Last\ncmd4=cd z\n"
        "menu5=Home\ncmd5=cd c:\\\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        header()
            + "@@ -1,8 +1,8 @@\n-menu1=Home\n-cmd1=cd c:\\\n-menu2=-Tools\n-menu3=Editor\n"
              "-cmd3=cd c:\\ed\n-menu4=--\n-menu5=Last\n-cmd5=cd z\n+menu1=-Tools\n"
              "+menu2=Editor\n+cmd2=cd c:\\ed\n+menu3=--\n+menu4=Last\n+cmd4=cd z\n"
              "+menu5=Home\n+cmd5=cd c:\\\n");
}

TEST_F(MenuDiffTest, ARenamedEntry)
{
    std::string renamed = menu;
    renamed.replace(renamed.find("Editor"), 6, "Text editor");
    const auto run = diff(menu, renamed);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
        header()
            + "@@ -1,7 +1,7 @@\n menu1=Home\n cmd1=cd c:\\\n menu2=-Tools\n-menu3=Editor\n"
              "+menu3=Text editor\n cmd3=cd c:\\ed\n menu4=--\n menu5=Last\n");
}

TEST_F(MenuDiffTest, AMissingFileOrWrongUseExitsTwo)
{
    diff(menu, menu);
    const auto missing =
        test::runMenuToolStreams("/nonexistent-prefix", "diff " + first + " " + dir.file("gone"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "torvex-menu: " + dir.file("gone") + ": no such file\n");

    const auto folder = test::runMenuToolStreams(
        "/nonexistent-prefix", "diff " + dir.path().string() + " " + first);
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_EQ(folder.err, "torvex-menu: " + dir.path().string() + ": not a regular file\n");

    const auto oneFile = test::runMenuToolStreams("/nonexistent-prefix", "diff " + first);
    EXPECT_EQ(oneFile.exitCode, 2);
    EXPECT_TRUE(oneFile.err.starts_with("usage: torvex-menu")) << oneFile.err;
}

} // namespace
} // namespace torvex
