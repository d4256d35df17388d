// Where Linux users keep their Wine prefixes: each prefix manager's place, the names the
// chooser shows, and the game files of Lutris.
#include "platform/PrefixPlaces.h"

#include "platform/LutrisGames.h"
#include "support/PrefixLayouts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

using Listed = std::vector<std::pair<std::string, std::string>>; // label, folder under home

class PrefixPlacesTest : public ::testing::Test
{
protected:
    test::FakeHome home;

    Listed listed(const Environment &environment) const
    {
        Listed found;
        for (const KnownPrefix &prefix : findPrefixPlaces(environment).prefixes)
            found.emplace_back(prefix.label, prefix.root.lexically_relative(home.path()).string());
        return found;
    }
};

TEST_F(PrefixPlacesTest, EveryManagersPlaceIsSearchedInItsOrderWithItsName)
{
    home.makePrefix("Games/gamesfm");
    home.makePrefix(".steam/steam/steamapps/compatdata/12345/pfx");
    home.makePrefix(".cxoffice/fm");
    home.makePrefix(".PlayOnLinux/wineprefix/fm");
    home.makePrefix(".var/app/com.usebottles.bottles/data/bottles/bottles/Sandboxed");
    home.makePrefix(".local/share/bottles/bottles/Work");
    home.makePrefix(".local/share/wineprefixes/fm");
    home.makePrefix(".wine");
    home.writeLutrisGame("fm-1690000000.yml", home.makePrefix("lutris-prefixes/fm"));
    EXPECT_EQ(listed(home.environment()),
        (Listed {
            { "~/.wine", ".wine" },
            { "winetricks: fm", ".local/share/wineprefixes/fm" },
            { "Bottles: Work", ".local/share/bottles/bottles/Work" },
            { "Bottles: Sandboxed",
                ".var/app/com.usebottles.bottles/data/bottles/bottles/Sandboxed" },
            { "PlayOnLinux: fm", ".PlayOnLinux/wineprefix/fm" },
            { "Lutris: fm", "lutris-prefixes/fm" },
            { "Lutris: gamesfm", "Games/gamesfm" },
            { "CrossOver: fm", ".cxoffice/fm" },
            { "Steam: 12345", ".steam/steam/steamapps/compatdata/12345/pfx" },
        }));
}

TEST_F(PrefixPlacesTest, WinePrefixComesFirstUnderTheNameOfThePlaceItIsIn)
{
    home.makePrefix(".wine");
    const fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    const fs::path own = home.makePrefix("prefixes/own");
    Environment environment = home.environment();
    environment["WINEPREFIX"] = bottle.string();
    EXPECT_EQ(listed(environment),
        (Listed {
            { "Bottles: Work", ".local/share/bottles/bottles/Work" }, { "~/.wine", ".wine" } }))
        << "listed once, first";
    environment["WINEPREFIX"] = own.string();
    EXPECT_EQ(listed(environment).front(),
        (std::pair<std::string, std::string> { "~/prefixes/own", "prefixes/own" }));
}

TEST_F(PrefixPlacesTest, AFolderReachedThroughTwoPlacesIsListedOnce)
{
    // ~/.steam/steam is a link to Steam's own folder on most installs.
    home.makePrefix(".local/share/Steam/steamapps/compatdata/400/pfx");
    home.makeFolder(".steam");
    fs::create_symlink(home.path() / ".local/share/Steam", home.path() / ".steam/steam");
    EXPECT_EQ(listed(home.environment()),
        (Listed { { "Steam: 400", ".steam/steam/steamapps/compatdata/400/pfx" } }));
}

TEST_F(PrefixPlacesTest, DataAndConfigFoldersFollowTheXdgVariables)
{
    home.makePrefix("data/wineprefixes/fm");
    home.makePrefix(".local/share/wineprefixes/ignored");
    Environment environment = home.environment();
    environment["XDG_DATA_HOME"] = (home.path() / "data").string();
    EXPECT_EQ(listed(environment), (Listed { { "winetricks: fm", "data/wineprefixes/fm" } }));
}

TEST_F(PrefixPlacesTest, BrokenFoldersOfAManagerAreListedOtherFoldersOnlyWhenPrefixes)
{
    home.makeFolder(".local/share/wineprefixes/empty");
    home.makeFolder("Games/SomeLinuxGame");
    home.makeFolder(".cxoffice/installers");
    EXPECT_EQ(listed(home.environment()),
        (Listed { { "winetricks: empty", ".local/share/wineprefixes/empty" } }));
}

TEST_F(PrefixPlacesTest, HundredsOfPrefixesAreAllListedInNameOrder)
{
    for (int i = 0; i < 200; ++i)
        home.makeFolder(".local/share/wineprefixes/p" + std::to_string(1000 + i));
    const Listed found = listed(home.environment());
    ASSERT_EQ(found.size(), 200u);
    EXPECT_EQ(found.front().first, "winetricks: p1000");
    EXPECT_EQ(found.back().first, "winetricks: p1199");
}

TEST_F(PrefixPlacesTest, WithoutHomeOnlyWinePrefixIsSearched)
{
    const fs::path own = home.makePrefix("own");
    EXPECT_TRUE(findPrefixPlaces({}).prefixes.empty());
    const PrefixPlaces places = findPrefixPlaces({ { "WINEPREFIX", own.string() } });
    ASSERT_EQ(places.prefixes.size(), 1u);
    EXPECT_EQ(places.prefixes[0].label, own.string());
}

TEST_F(PrefixPlacesTest, ALabelNamesThePlaceElseTheFolderUnderHome)
{
    const fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    const fs::path own = home.makePrefix("prefixes/own");
    EXPECT_EQ(prefixLabel(bottle, home.environment()), "Bottles: Work");
    EXPECT_EQ(prefixLabel(own, home.environment()), "~/prefixes/own");
    EXPECT_EQ(prefixLabel("/opt/fm", home.environment()), "/opt/fm");
    EXPECT_EQ(homeRelative(home.path(), home.environment()), "~");
    EXPECT_EQ(homeRelative(home.path().string() + "x/y", home.environment()),
        home.path().string() + "x/y")
        << "a folder beside home is not in it";
}

TEST_F(PrefixPlacesTest, AGameFileThatIsNoRegularFileIsReportedNotWaitedOn)
{
    home.makeFolder(".config/lutris/games");
    ASSERT_EQ(::mkfifo((home.path() / ".config/lutris/games/fifo.yml").c_str(), 0600), 0);
    const PrefixPlaces places = findPrefixPlaces(home.environment());
    ASSERT_EQ(places.problems.size(), 1u);
    EXPECT_NE(places.problems[0].find("fifo.yml: not a regular file"), std::string::npos);
}

// ---- Lutris game files ----

TEST(LutrisGamesTest, ThePrefixOfTheGameMapIsRead)
{
    const fs::path home = "/home/anna";
    EXPECT_EQ(lutrisGamePrefix("game:\n  prefix: /home/anna/Games/fm\n", home),
        fs::path("/home/anna/Games/fm"));
    EXPECT_EQ(lutrisGamePrefix("game:\n  prefix: \"~/Games/fm/\"\n", home),
        fs::path("/home/anna/Games/fm/"));
    EXPECT_EQ(
        lutrisGamePrefix("game: {prefix: '/srv/fm'}\nsystem: {}\n", home), fs::path("/srv/fm"));
}

TEST(LutrisGamesTest, AnythingElseNamesNoPrefix)
{
    const fs::path home = "/home/anna";
    for (const char *text : {
             "",
             "game:\n  exe: fm.exe\n", // no prefix
             "prefix: /srv/fm\n", // not in the game map
             "game:\n  prefix: Games/fm\n", // relative
             "game:\n  prefix: [a, b]\n", // not a text
             "game: [\n", // malformed
             "game:\n  prefix: /a\n prefix: /b\n", // malformed indentation
             "\x01\x02\xff\xfe",
         })
        EXPECT_EQ(lutrisGamePrefix(text, home), std::nullopt) << text;
    // Deep nesting is refused before the parser recurses into it.
    EXPECT_EQ(lutrisGamePrefix(std::string(100000, '['), home), std::nullopt);
    EXPECT_EQ(lutrisGamePrefix("game: " + std::string(100000, '{'), home), std::nullopt);
}

TEST(LutrisGamesTest, TheGameIsNamedByItsFileWithoutLutrisNumber)
{
    EXPECT_EQ(lutrisGameName("/x/fm-1690000000.yml"), "fm");
    EXPECT_EQ(lutrisGameName("/x/total-fm.yml"), "total-fm");
    EXPECT_EQ(lutrisGameName("/x/fm-2-12.yml"), "fm-2");
    EXPECT_EQ(lutrisGameName("/x/-12.yml"), "-12");
}

} // namespace
} // namespace torvex
