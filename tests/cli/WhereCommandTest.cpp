// torvex-menu where and the broken-path lines of torvex-menu check, run as a program over
// a synthetic Wine prefix.
#include "support/MenuTool.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace torvex {
namespace {

using test::runMenuTool;
using test::ToolRun;

class WhereCommandTest : public ::testing::Test
{
protected:
    test::SyntheticPrefix wine;

    void SetUp() override
    {
        wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                           "\"IniFileName\"=\".\\\\wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\"\n");
        wine.writeMachineHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                              "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\\\\\"\n");
        wine.write("drive_c/fm/wincmd.ini", "[DirMenu]\r\n");
        wine.write("drive_c/windows/wincmd.ini", "[DirMenu]\r\n");
    }
};

TEST_F(WhereCommandTest, PrintsTheFourSlotsAndTheCount)
{
    ToolRun run = runMenuTool(wine.path(), "where 'c:\\FM\\wincmd.ini'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
        "1=C:\\fm\\\\wincmd.ini\n2=C:\\fm\\wincmd.ini\n3=C:\\windows\\wincmd.ini\n"
        "4=c:\\FM\\wincmd.ini\ncount=4\n");
    run = runMenuTool(wine.path(), "where");
    EXPECT_EQ(run.out,
        "1=C:\\fm\\\\wincmd.ini\n2=C:\\fm\\wincmd.ini\n3=C:\\windows\\wincmd.ini\n4=\ncount=3\n");
}

TEST_F(WhereCommandTest, ThePathsItPrintsCanBeReadAndResaved)
{
    wine.write("drive_c/windows/wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\\r\n[x]\r\n");
    ToolRun run = runMenuTool(wine.path(), "print 'C:\\WINDOWS\\wincmd.ini'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Home\tcd C:\\\n");
    run = runMenuTool(wine.path(), "resave 'C:\\windows\\wincmd.ini'");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const std::string bytes = test::readFile(wine.path() / "drive_c/windows/wincmd.ini");
    EXPECT_EQ(bytes, "[x]\r\n[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\\r\n");
}

TEST_F(WhereCommandTest, ARegistryTypeErrorIsReported)
{
    wine.writeUserHive(
        "[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n\"InstallDir\"=hex:01\n");
    ToolRun run = runMenuTool(wine.path(), "where");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "torvex-menu: Invalid data type for 'InstallDir'\n");
}

TEST_F(WhereCommandTest, OnlyRegularFilesAreCounted)
{
    const std::filesystem::path windowsIni = wine.path() / "drive_c/windows/wincmd.ini";
    std::filesystem::remove(windowsIni);
    ASSERT_EQ(::mkfifo(windowsIni.c_str(), 0600), 0);
    const ToolRun run = runMenuTool(wine.path(), "where /dev/null");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1=C:\\fm\\\\wincmd.ini\n2=C:\\fm\\wincmd.ini\n3=\n4=\ncount=2\n");
}

TEST_F(WhereCommandTest, ControlCharactersOfTheRegistryAreShownNotSentToTheTerminal)
{
    // A folder named with an escape sequence (ESC [ 2 J clears the screen) in both hives.
    wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                       "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\x1b[2J\"\n");
    wine.write("drive_c/fm\x1b[2J/wincmd.ini", "[DirMenu]\r\n");
    ToolRun run = runMenuTool(wine.path(), "where");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1=C:\\fm\u241b[2J\\wincmd.ini\n"), std::string::npos) << run.out;
    run = runMenuTool(wine.path(), "where --all");
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1=C:\\fm\u241b[2J\\wincmd.ini\n"), std::string::npos) << run.out;
}

TEST_F(WhereCommandTest, ReadsTheRegistryAsWineDoes)
{
    // A value line that Wine skips (an unterminated string) does not stop the search, and on
    // a 64-bit prefix the machine key of a 32-bit install is found under Wow6432Node.
    wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                       "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\"\n"
                       "\"InstallDir\"=\"C:\\\\f\n");
    wine.write("system.reg",
        "WINE REGISTRY Version 2\n\n#arch=win64\n\n"
        "[Software\\\\Wow6432Node\\\\Pellmar\\\\Windows Commander] 1700000000\n"
        "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\windows\"\n");
    const ToolRun run = runMenuTool(wine.path(), "where");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out, "1=C:\\fm\\wincmd.ini\n2=C:\\windows\\wincmd.ini\n3=\n4=\ncount=2\n");
}

TEST_F(WhereCommandTest, CheckReportsExactlyTheItemsWhoseFoldersAreMissing)
{
    wine.makeFolder("drive_c/Data/Music");
    wine.makeFolder("drive_c/Program Files");
    std::filesystem::path menu = wine.write("menu.ini",
        "[DirMenu]\r\n"
        "menu1=Data\r\ncmd1=cd C:\\Data\r\n"
        "menu2=Music\r\ncmd2=CD  c:\\DATA\\music  \r\n"
        "menu3=Gone\r\ncmd3=cd C:\\Gone\r\n"
        "menu4=-Sub\r\n"
        "menu5=Programs\r\ncmd5=Cd c:\\program files\r\n"
        "menu6=Tool\r\ncmd6=C:\\Data\\tool.exe\r\n"
        "menu7=--\r\n"
        "menu8=-\r\n"
        "menu9=Bare\r\ncmd9=C:\\Data\r\n"
        "menu10=Other drive\r\ncmd10=cd Q:\\x\r\n");
    ToolRun run = runMenuTool(wine.path(), "check '" + menu.string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    // A program (menu 6) is no folder change: where it leads cannot be told, so it is not
    // reported.
    EXPECT_EQ(run.out,
        "11 items\n"
        "line 6, menu3 (saved as menu3): broken path: Gone (C:\\Gone)\n"
        "line 17, menu10 (saved as menu10): broken path: Other drive (Q:\\x)\n");
}

TEST_F(WhereCommandTest, CheckListsEveryProblemInMenuOrderAndAsJson)
{
    wine.makeFolder("drive_c/fm/plugins");
    wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                       "\"InstallDir\"=\"C:\\\\fm\"\n"
                       "[Environment] 1700000000\n"
                       "\"PROJECTS\"=\"C:\\\\Projects\"\n");
    std::filesystem::path menu = wine.write("drive_c/fm/wincmd.ini",
        "[DirMenu]\r\n"
        "menu1=Plugins\r\ncmd1=cd %COMMANDER_PATH%\\Plugins\r\n"
        "menu2=Docs\r\ncmd2=cd \"%USERPROFILE%\\Documents\\*.txt\"\r\npath2=D:\\Old\r\n"
        "menu3=-Work\r\n"
        "menu4=Projects\r\ncmd4=cd %projects%\r\n"
        "menu5=Share\r\ncmd5=cd \\\\nas\\share\r\n"
        "menu6=Empty\r\n"
        "menu7=--\r\n");
    ToolRun run = runMenuTool(wine.path(), "check '" + menu.string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    // The profile folder follows the USER of the test run, so menu 2's command is not asserted.
    EXPECT_NE(run.out.find(
                  "line 8, menu4 (saved as menu4): broken path: Work > Projects (C:\\Projects)\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("line 12, menu6 (saved as menu6): no command: Work > Empty\n"),
        std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("menu1 ("), std::string::npos) << "COMMANDER_PATH is the install folder";
    EXPECT_EQ(run.out.find("menu5 ("), std::string::npos) << "a network path cannot be told";
    EXPECT_LT(run.out.find("line 4, menu2 (saved as menu2): broken target path: Docs (D:\\Old)"),
        run.out.find("menu4 ("))
        << run.out;

    ToolRun json = runMenuTool(wine.path(), "check --json '" + menu.string() + "'");
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_NE(
        json.out.find("{\"kind\": \"no command\", \"menuNumber\": 6, \"writtenKey\": \"menu6\", "
                      "\"line\": 12, \"key\": \"menu6\", \"titlePath\": "
                      "[\"Work\", \"Empty\"], \"command\": \"\", \"targetPath\": \"\", "
                      "\"folder\": \"\", \"reason\": \"no folder is given\"}"),
        std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"command\": \"cd %projects%\""), std::string::npos) << json.out;
    EXPECT_EQ(json.out.front(), '[');
    EXPECT_EQ(json.out.find("items"), std::string::npos) << "JSON only";
}

} // namespace
} // namespace torvex
