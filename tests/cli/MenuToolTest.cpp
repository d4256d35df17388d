// torvex-menu run as a program, on files in the three encodings and both line endings.
#include "support/MenuTool.h"

#include "files/RecoveryCopy.h"
#include "support/ProcessesAndFlags.h"
#include "support/TempDir.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sstream>
#include <string>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;
using test::ToolRun;
using test::workedExampleLines;

ToolRun runTool(const std::string &args)
{
    // No Wine prefix: the machine is drive Z: on "/", so host folders are what exists.
    return test::runMenuTool("/nonexistent-prefix", args);
}

std::string withEndings(const std::string &text, const std::string &eol)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? eol : std::string(1, c);
    return out;
}

// ASCII text as UTF-16LE with its byte-order mark.
std::string utf16(const std::string &ascii)
{
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

struct EncodingCase
{
    const char *name;
    std::string eol;
    std::string (*encode)(const std::string &);
};

class ResaveEncodings : public ::testing::TestWithParam<EncodingCase>
{
};

TEST_P(ResaveEncodings, WorkedExampleEndsUpLastAndOthersKeepTheirBytes)
{
    const auto &c = GetParam();
    const std::string before = "[Configuration]\nInstallDir=C:\\fm\n; a comment\n\n";
    const std::string after = "[Layout]\n  ButtonBar = 1\n";
    // Scrambled numbering and spelling that the writer puts straight.
    const std::string section = "[DirMenu]\nMENU1=Home\nCmd1=cd c:\\\nmenu2=-Tools\nmenu3=Editor\n"
                                "cmd3=cd c:\\ed\npath3=d:\\x\nmenu4=-Sub2\nmenu5=A\ncmd5=cd a\n"
                                "menu6=--\nmenu7=--\nmenu8=Last\ncmd8=cd z\n\n";
    TempDir dir;
    const std::string file =
        dir.write("wincmd.ini", c.encode(withEndings(before + section + after, c.eol)));

    const std::string original = readFile(file);
    const ToolRun resave = runTool("resave " + file);
    ASSERT_EQ(resave.exitCode, 0) << resave.out;
    EXPECT_EQ(readFile(file),
        c.encode(withEndings(before + after + "[DirMenu]\n" + workedExampleLines, c.eol)));
    EXPECT_EQ(readFile(file + ".bak"), original) << "the file as it was is kept";

    // The example's folders do not exist here, so only the count line is the same everywhere.
    const ToolRun check = runTool("check " + file);
    EXPECT_EQ(check.out.substr(0, check.out.find('\n') + 1), "9 items\n");

    // A file the writer produced comes back unchanged.
    const std::string saved = readFile(file);
    ASSERT_EQ(runTool("resave " + file).exitCode, 0);
    EXPECT_EQ(readFile(file), saved);
}

INSTANTIATE_TEST_SUITE_P(MenuTool,
    ResaveEncodings,
    ::testing::Values(EncodingCase { "Cp1252Crlf",
                          "\r\n",
                          [](const std::string &s) {
                              return s;
                          } },
        EncodingCase { "Cp1252Lf",
            "\n",
            [](const std::string &s) {
                return s;
            } },
        EncodingCase { "Utf8Bom",
            "\r\n",
            [](const std::string &s) {
                return "\xEF\xBB\xBF" + s;
            } },
        EncodingCase { "Utf16Le", "\r\n", utf16 }),
    [](const auto &info) {
        return std::string(info.param.name);
    });

TEST(MenuTool, PrintShowsTheTreeIndented)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini", "[DirMenu]\n" + workedExampleLines);
    const ToolRun print = runTool("print " + file);
    EXPECT_EQ(print.exitCode, 0);
    EXPECT_EQ(print.out,
        "Home\tcd c:\\\nTools\n  Editor\tcd c:\\ed\td:\\x\n  Sub2\n    A\tcd a\n"
        "Last\tcd z\n");
}

// An entry is named by its key and line as the file has them, beside the key a save would
// write: a comment moves the lines, a stray end line at the top level is read but never
// written, so the numbers part.
TEST(MenuTool, CheckNamesEntriesByKeyAndLineAsReadBesideTheWrittenKey)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini",
        "[DirMenu]\n; favourites\nmenu1=-Sub\nmenu2=In\ncmd2=cd /\nmenu3=--\nmenu4=--\n"
        "Menu5=Camera\n");
    const ToolRun check = runTool("check " + file);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(
        check.out.find("line 8, Menu5 (saved as menu4): no command: Camera\n"), std::string::npos)
        << check.out;

    const ToolRun json = runTool("check --json " + file);
    EXPECT_NE(json.out.find("\"writtenKey\": \"menu4\", \"line\": 8, \"key\": \"Menu5\""),
        std::string::npos)
        << json.out;
}

TEST(MenuTool, CheckReportsItemsWithoutCommandAndTheLimit)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini",
        "[DirMenu]\nmenu1=A\ncmd1=cd /\nmenu2=-\nmenu3=Empty\ncmd3=\nmenu4=-S\n"
        "menu5=Blank\ncmd5=   \nmenu6=--\n");
    const ToolRun check = runTool("check " + file);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(
        check.out.find("line 5, menu3 (saved as menu3): no command: Empty\n"), std::string::npos)
        << check.out;
    EXPECT_EQ(check.out.find("menu2 ("), std::string::npos) << "separators have no command";

    // n items without submenus count n + 1: 198 stay below the limit, 199 reach it.
    auto items = [](int n) {
        std::string text = "[DirMenu]\n";
        for (int i = 1; i <= n; ++i)
            text += "menu" + std::to_string(i) + "=e\ncmd" + std::to_string(i) + "=cd Z:\\tmp\n";
        return text;
    };
    const ToolRun below = runTool("check " + dir.write("198.ini", items(198)));
    EXPECT_EQ(below.out, "199 items\n");
    EXPECT_EQ(below.exitCode, 0);
    const ToolRun limit = runTool("check " + dir.write("199.ini", items(199)));
    EXPECT_EQ(limit.out, "200 items\n");
    EXPECT_EQ(limit.exitCode, 1);
}

TEST(MenuTool, ErrorsNameTheFileExitTwoAndChangeNothing)
{
    TempDir dir;
    ToolRun missing = runTool("print " + dir.file("nope.ini"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.out.find("nope.ini"), std::string::npos);
    EXPECT_EQ(missing.out.find('\n'), missing.out.size() - 1) << "one line";

    ToolRun folder = runTool("resave " + dir.path().string());
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_EQ(folder.out, "torvex-menu: " + dir.path().string() + ": not a regular file\n");

    EXPECT_EQ(runTool("frobnicate x").exitCode, 2);
    EXPECT_EQ(runTool("").exitCode, 2);
}

test::ToolStreams runToolStreams(const std::string &args)
{
    return test::runMenuToolStreams("/nonexistent-prefix", args);
}

TEST(MenuTool, OnlyRegularFilesAndLinksToThemAreMenus)
{
    TempDir dir;
    const std::string file = dir.write("wincmd.ini", "[DirMenu]\nmenu1=Home\ncmd1=cd /\n");
    const std::string fifo = dir.file("pipe.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(file, dir.file("link.ini"));
    std::filesystem::create_symlink(fifo, dir.file("pipelink.ini"));
    const std::string others[] = {
        fifo, dir.file("pipelink.ini"), "/dev/null", dir.path().string()
    };
    for (const std::string command : { "print ", "check ", "resave " }) {
        for (const std::string &path : others) {
            const auto run = runToolStreams(command + path);
            EXPECT_EQ(run.exitCode, 2) << command << path;
            EXPECT_EQ(run.err, "torvex-menu: " + path + ": not a regular file\n") << command;
        }
        const auto missing = runToolStreams(command + dir.file("nope.ini"));
        EXPECT_EQ(missing.err, "torvex-menu: " + dir.file("nope.ini") + ": no such file\n");
    }
    EXPECT_EQ(runTool("print " + dir.file("link.ini")).out, "Home\tcd /\n");
    EXPECT_EQ(runTool("resave " + dir.file("link.ini")).exitCode, 0);
}

TEST(MenuTool, ResaveLeavesAMenuThatReadsAsEmptyUntouched)
{
    TempDir dir;
    for (const std::string content : { "[Other]\r\nkey=1\r\n", "[DirMenu]\r\n[Other]\r\nx=1" }) {
        const std::string file = dir.write("wincmd.ini", content);
        struct stat before
        {
        };
        ASSERT_EQ(::stat(file.c_str(), &before), 0);
        const auto run = runToolStreams("resave " + file);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "torvex-menu: " + file + ": the menu is empty; nothing was written\n");
        EXPECT_EQ(readFile(file), content);
        EXPECT_FALSE(std::filesystem::exists(file + ".bak")) << "nothing written, nothing kept";
        struct stat after
        {
        };
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
    }
}

TEST(MenuTool, HelpAndVersionGoToStdoutWithExitZero)
{
    for (const char *flag : { "--help", "-h" }) {
        const auto help = runToolStreams(flag);
        EXPECT_EQ(help.exitCode, 0) << flag;
        EXPECT_TRUE(help.out.starts_with("usage: torvex-menu [--prefix DIR] COMMAND\n"))
            << help.out;
        EXPECT_EQ(help.err, "") << flag;
        // One command per line, readable in a terminal of 80 columns.
        std::istringstream lines(help.out);
        int commandLines = 0;
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 79u) << line;
            commandLines += line.starts_with("  ") && line.size() > 2 && line[2] != ' ';
        }
        EXPECT_GE(commandLines, 12) << help.out;
    }
    const auto version = runToolStreams("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "torvex-menu " TORVEX_VERSION "\n");
    EXPECT_EQ(version.err, "");

    // Wrong use is still an error: the usage on stderr, exit 2.
    const auto wrong = runToolStreams("--frobnicate");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, runToolStreams("--help").out);
}

TEST(MenuTool, FilesItCannotReadExitTwoWithTheReasonAndStayUnchanged)
{
    TempDir dir;
    const std::string text = "[DirMenu]\r\nmenu1=A\r\n";
    std::string bigEndian = "\xFE\xFF";
    for (const char c : text)
        bigEndian += { '\0', c };
    const struct
    {
        std::string bytes;
        const char *reason;
    } cases[] = {
        { bigEndian, "UTF-16 big-endian is not supported" },
        { utf16(text).substr(2), "UTF-16 without a byte-order mark is not supported" },
        { std::string("[DirMenu]\r\nmenu1=A\r\n\0\x01\x02", 22), "not a text file" },
    };
    for (const auto &c : cases) {
        const std::string file = dir.write("wincmd.ini", c.bytes);
        for (const char *command : { "check ", "resave " }) {
            const ToolRun run = runTool(command + file);
            EXPECT_EQ(run.exitCode, 2) << command << c.reason;
            EXPECT_NE(run.out.find(file), std::string::npos) << run.out;
            EXPECT_NE(run.out.find(c.reason), std::string::npos) << run.out;
        }
        EXPECT_EQ(readFile(file), c.bytes);
    }
}

TEST(MenuTool, ACrOnlyFileIsReadAndResavedWithItsLineEndings)
{
    TempDir dir;
    const std::string file = dir.write(
        "wincmd.ini", "[DirMenu]\rmenu1='-Tools'\rmenu2=A\rcmd2=cd /\rmenu3=--\r[Other]\ra=1\r");
    const ToolRun check = runTool("check " + file);
    EXPECT_EQ(check.out, "4 items\n");
    ASSERT_EQ(runTool("resave " + file).exitCode, 0);
    EXPECT_EQ(
        readFile(file), "[Other]\ra=1\r[DirMenu]\rmenu1=-Tools\rmenu2=A\rcmd2=cd /\rmenu3=--\r");
}

TEST(MenuTool, FileThatMayNotBeWrittenExitsTwoWithTheCauseAndStaysAsItWas)
{
    TempDir dir;
    const std::string original = "[DirMenu]\nMENU1=Home\ncmd1=cd c:\\\n[Other]\na=1\n";
    const std::string file = dir.write("wincmd.ini", original);
    const test::FileFlagLock lock(file, test::FileFlagLock::Immutable);
    if (!lock.isSet())
        GTEST_SKIP() << "the file system does not take the immutable flag";
    const ToolRun resave = runTool("resave " + file);
    EXPECT_EQ(resave.exitCode, 2);
    EXPECT_EQ(resave.out, "torvex-menu: Unable to write to " + file + ": the file is read-only\n");
    EXPECT_EQ(readFile(file), original);
}

TEST(MenuTool, ResaveKeepsHardLinksAndStartsBySayingWhereRecoveryCopiesAre)
{
    TempDir dir;
    TempDir stateHome;
    const std::string file =
        dir.write("wincmd.ini", "[DirMenu]\nMENU1=Home\ncmd1=cd c:\\\n[Other]\na=1\n");
    const std::string other = dir.file("linked.ini");
    ASSERT_EQ(::link(file.c_str(), other.c_str()), 0);
    const std::string leftOver =
        RecoveryCopy(stateHome.path() / "torvex", "/w/wincmd.ini", "old").path();

    const ToolRun resave =
        test::runMenuTool("/nonexistent-prefix", "resave " + file, stateHome.path());

    EXPECT_EQ(resave.exitCode, 0);
    EXPECT_EQ(resave.out,
        "torvex-menu: A save of /w/wincmd.ini did not finish; its earlier content is kept in "
            + leftOver + "\n");
    EXPECT_EQ(readFile(other), "[Other]\na=1\n[DirMenu]\nmenu1=Home\ncmd1=cd c:\\\n");
    EXPECT_EQ(std::filesystem::hard_link_count(file), 2u);
    // The copy made for the write in place is gone; the one left before stays.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(stateHome.path() / "torvex"),
                  std::filesystem::directory_iterator()),
        2);
}

// Titles, commands and notes from files reach the terminal without a control sequence, and a
// link loop says what is wrong.
TEST(MenuTool, TextFromFilesReachesTheTerminalWithControlCharactersShown)
{
    TempDir dir;
    TempDir stateHome;
    const std::string file = dir.write("wincmd.ini",
        "[DirMenu]\nmenu1=Red\x1b[31m\x07\ncmd1=cd \x1b]0;title\x07\nmenu2=A\x81"
        "2J\ncmd2=\n");
    const ToolRun print = runTool("print " + file);
    EXPECT_EQ(print.out.find('\x1b'), std::string::npos) << print.out;
    EXPECT_NE(print.out.find("Red\u241b[31m\u2407\tcd \u241b]0;title\u2407\n"), std::string::npos)
        << print.out;
    const ToolRun check = runTool("check " + file);
    EXPECT_NE(check.out.find("no command: A\ufffd"
                             "2J\n"),
        std::string::npos)
        << check.out;

    // A recovery copy's note written by someone else holds an escape sequence.
    const std::string copy =
        RecoveryCopy(stateHome.path() / "torvex", "/w/x\x1b[2Jy.ini", "old").path();
    const ToolRun withNote =
        test::runMenuTool("/nonexistent-prefix", "print " + file, stateHome.path());
    EXPECT_NE(withNote.out.find("A save of /w/x\u241b[2Jy.ini did not finish"), std::string::npos)
        << withNote.out;

    std::filesystem::create_symlink("loop-b.ini", dir.file("loop-a.ini"));
    std::filesystem::create_symlink("loop-a.ini", dir.file("loop-b.ini"));
    EXPECT_EQ(runTool("print " + dir.file("loop-a.ini")).out,
        "torvex-menu: " + dir.file("loop-a.ini") + ": Too many levels of symbolic links\n");
}

// A menu nested 30 000 levels deep: every command works, and the output grows with the
// number of entries only.
TEST(MenuTool, AnyDepthIsReadCheckedAndResaved)
{
    TempDir dir;
    constexpr int levels = 30000;
    std::string text = "[DirMenu]\n";
    for (int i = 1; i < levels; ++i)
        text += "menu" + std::to_string(i) + "=-L" + std::to_string(i) + "\n";
    text += "menu" + std::to_string(levels) + "=Deepest\n";
    const std::string file = dir.write("deep.ini", text);

    const ToolRun print = runTool("print " + file);
    EXPECT_EQ(print.exitCode, 0);
    EXPECT_LT(print.out.size(), 4'000'000u);
    EXPECT_NE(
        print.out.find(std::string(64, ' ') + "[level 30000] Deepest\t\n"), std::string::npos);
    EXPECT_EQ(print.out.substr(0, 8), "L1\n  L2\n");

    const ToolRun check = runTool("check " + file);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find(
                  "no command: L1 > L2 > L3 > ... 29994 more ... > L29998 > L29999 > Deepest\n"),
        std::string::npos);
    EXPECT_LT(check.out.size(), 6'000'000u);
    const ToolRun json = runTool("check --json " + file);
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_LT(json.out.size(), 12'000'000u);

    EXPECT_EQ(runTool("resave " + file).exitCode, 0);
    EXPECT_EQ(readFile(file).substr(0, 22), "[DirMenu]\r\nmenu1=-L1\r\n");
}

} // namespace
} // namespace torvex
