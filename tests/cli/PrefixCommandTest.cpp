// torvex-menu for a user without WINEPREFIX whose prefixes live where prefix managers keep
// them: the prefix follows the file, --prefix names it, where --all lists every one.
#include "support/MenuTool.h"
#include "support/PrefixLayouts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

using test::runMenuToolAtHome;

class PrefixCommandTest : public ::testing::Test
{
protected:
    test::FakeHome home;
    fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");

    std::string bottleFile() const
    {
        return "'" + (bottle / "drive_c/fm/wincmd.ini").string() + "'";
    }
};

TEST_F(PrefixCommandTest, CheckReadsEntriesInThePrefixOfTheFile)
{
    home.makePrefix(".wine");
    fs::remove_all(home.path() / ".wine/drive_c/Data");
    auto run = runMenuToolAtHome(home.path(), "check " + bottleFile());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("broken path"), std::string::npos) << run.out;
    // The same entry in ~/.wine, whose C: has no Data folder, is broken there.
    run = runMenuToolAtHome(
        home.path(), "check '" + (home.path() / ".wine/drive_c/fm/wincmd.ini").string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("line 2, menu1 (saved as menu1): broken path: Work (C:\\Data\\Work)"),
        std::string::npos)
        << run.out;
}

TEST_F(PrefixCommandTest, PrefixNamesThePrefixForWindowsPaths)
{
    auto run = runMenuToolAtHome(
        home.path(), "--prefix '" + bottle.string() + "' print 'C:\\fm\\wincmd.ini'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Work\tcd C:\\Data\\Work\n");
    run = runMenuToolAtHome(home.path(), "where --prefix='" + bottle.string() + "'");
    EXPECT_EQ(run.out, "1=C:\\fm\\wincmd.ini\n2=\n3=\n4=\ncount=1\n");
    run =
        runMenuToolAtHome(home.path(), "--prefix '" + (home.path() / "none").string() + "' where");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
        "torvex-menu: " + (home.path() / "none").string() + ": no such folder (--prefix)\n");
}

TEST_F(PrefixCommandTest, WhereAllListsEveryPrefixWithItsFiles)
{
    home.makePrefix(".wine", false);
    home.makeFolder(".local/share/wineprefixes/broken");
    const auto run = runMenuToolAtHome(home.path(), "where --all");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
        "prefix=~/.wine\nfolder=" + (home.path() / ".wine").string()
            + "\n1=\n2=\n3=\ncount=0\n\n"
              "prefix=winetricks: broken\nfolder="
            + (home.path() / ".local/share/wineprefixes/broken").string()
            + "\n1=\n2=\n3=\ncount=0\n"
            + "problem=" + (home.path() / ".local/share/wineprefixes/broken").string()
            + ": not a Wine prefix (no system.reg and drive_c)\n\n"
              "prefix=Bottles: Work\nfolder="
            + bottle.string() + "\n1=C:\\fm\\wincmd.ini\n2=\n3=\ncount=1\n\nprefixes=3\n");
}

TEST_F(PrefixCommandTest, WhereAllAsJson)
{
    const auto run = runMenuToolAtHome(home.path(), "where --all --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
        "{\"prefixes\":[{\"label\":\"Bottles: Work\",\"folder\":\"" + bottle.string()
            + "\",\"candidates\":[{\"slot\":1,\"path\":\"C:\\\\fm\\\\wincmd.ini\",\"file\":\""
            + (bottle / "drive_c/fm/wincmd.ini").string()
            + "\"}],\"problems\":[]}],\"problems\":[]}\n");
}

TEST_F(PrefixCommandTest, AFifoHiveIsReportedAndEveryCommandEnds)
{
    fs::remove(bottle / "user.reg");
    ASSERT_EQ(::mkfifo((bottle / "user.reg").c_str(), 0600), 0);
    const std::string notice =
        "torvex-menu: " + (bottle / "user.reg").string() + ": not a regular file\n";
    auto run = runMenuToolAtHome(home.path(), "check " + bottleFile());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, notice);
    run = runMenuToolAtHome(home.path(), "--prefix '" + bottle.string() + "' where");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1=\n2=\n3=\n4=\ncount=0\n");
    run = runMenuToolAtHome(home.path(), "where --all");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("problem=" + (bottle / "user.reg").string() + ": not a regular file\n"),
        std::string::npos)
        << run.out;
}

} // namespace
} // namespace torvex
