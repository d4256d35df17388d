// wincmd.ini in every prefix of the machine: each layout searched as the window's own prefix
// is, the files offered from other prefixes, and prefixes that are broken.
#include "app/PrefixSearch.h"

#include "editor/EntryDestination.h"
#include "platform/WindowsView.h"
#include "support/PrefixLayouts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

class PrefixSearchTest : public ::testing::Test
{
protected:
    test::FakeHome home;

    PrefixFindings search(const fs::path &root) const
    {
        return searchPrefix({ root, "label" }, home.environment());
    }
};

TEST_F(PrefixSearchTest, EachLayoutGivesItsFileWithItsPrefixsName)
{
    const std::vector<std::pair<std::string, std::string>> layouts = {
        { ".wine", "~/.wine" },
        { ".local/share/wineprefixes/fm", "winetricks: fm" },
        { ".local/share/bottles/bottles/Work", "Bottles: Work" },
        { ".var/app/com.usebottles.bottles/data/bottles/bottles/Flat", "Bottles: Flat" },
        { ".PlayOnLinux/wineprefix/fm", "PlayOnLinux: fm" },
        { "lutris/fm", "Lutris: fm" },
        { "Games/fm", "Lutris: fm" },
        { ".cxoffice/fm", "CrossOver: fm" },
        { ".steam/steam/steamapps/compatdata/12345/pfx", "Steam: 12345" },
    };
    for (const auto &[folder, label] : layouts)
        home.makePrefix(folder);
    home.writeLutrisGame("fm-1700000000.yml", home.path() / "lutris/fm");
    const auto files =
        filesInOtherPrefixes(findPrefixPlaces(home.environment()), home.environment(), {});
    ASSERT_EQ(files.size(), layouts.size());
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const fs::path root = home.path() / layouts[i].first;
        EXPECT_EQ(files[i].path, (root / "drive_c/fm/wincmd.ini").string());
        EXPECT_EQ(files[i].label, layouts[i].second);
        EXPECT_EQ(files[i].prefixRoot, root);
        // Checked without WINEPREFIX, the file is read in its own prefix: its drive C: only,
        // where C:\Data\Work exists and C:\Data\Gone does not.
        ASSERT_TRUE(WinePrefix::containing(files[i].path));
        EXPECT_EQ(WinePrefix::containing(files[i].path)->root(), root);
        const WindowsView view = WindowsView::forFile(files[i].path, home.environment());
        EXPECT_EQ(view.driveMask(), 1u << 2) << layouts[i].first;
        const DestinationRule rule = DestinationRule::forView(view, "C:\\fm");
        EXPECT_EQ(rule.ofCommand("cd C:\\Data\\Work").destination, Destination::Exists);
        EXPECT_EQ(
            rule.ofCommand("cd %COMMANDER_PATH%\\..\\Data\\Gone").destination, Destination::Broken);
    }
}

TEST_F(PrefixSearchTest, ThePrefixAlreadySearchedIsLeftOutAndEachFileListedOnce)
{
    const fs::path wine = home.makePrefix(".wine");
    home.makePrefix(".local/share/bottles/bottles/Work");
    // The machine's key names the same file as the user's: one entry.
    home.write(".local/share/bottles/bottles/Work/system.reg",
        "WINE REGISTRY Version 2\n\n[Software\\\\Pellmar\\\\Windows Commander] 1\n"
        "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\"\n");
    const auto files = filesInOtherPrefixes(
        findPrefixPlaces(home.environment()), home.environment(), WinePrefix(wine));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].label, "Bottles: Work");
}

TEST_F(PrefixSearchTest, SlotsAreThoseOfStartUpWithTheirHostFiles)
{
    const fs::path root = home.makePrefix("p");
    home.write("p/drive_c/windows/wincmd.ini", "[DirMenu]\r\n");
    const PrefixFindings found = search(root);
    EXPECT_EQ(found.candidates.slot(1), "C:\\fm\\wincmd.ini");
    EXPECT_EQ(found.candidates.slot(3), "C:\\windows\\wincmd.ini");
    EXPECT_EQ(found.candidates.candidateCount, 2);
    EXPECT_EQ(found.hostPaths[0], (root / "drive_c/fm/wincmd.ini").string());
    EXPECT_EQ(found.hostPaths[2], (root / "drive_c/windows/wincmd.ini").string());
    EXPECT_TRUE(found.problems.empty());
}

TEST_F(PrefixSearchTest, BrokenPrefixesAreReportedNotSearched)
{
    const fs::path empty = home.makeFolder("empty");
    PrefixFindings found = search(empty);
    EXPECT_EQ(found.candidates.candidateCount, 0);
    ASSERT_EQ(found.problems.size(), 1u);
    EXPECT_EQ(
        found.problems[0], empty.string() + ": not a Wine prefix (no system.reg and drive_c)");

    const fs::path fifo = home.makePrefix("fifo");
    fs::remove(fifo / "user.reg");
    ASSERT_EQ(::mkfifo((fifo / "user.reg").c_str(), 0600), 0);
    found = search(fifo);
    EXPECT_EQ(found.candidates.candidateCount, 0);
    EXPECT_EQ(found.problems,
        std::vector<std::string> { (fifo / "user.reg").string() + ": not a regular file" });

    const fs::path typed = home.makePrefix("typed");
    home.write("typed/user.reg", test::fileManagerUserHive("dword:00000001", "\"wincmd.ini\""));
    found = search(typed);
    ASSERT_EQ(found.problems.size(), 1u);
    EXPECT_EQ(found.problems[0], typed.string() + ": Invalid data type for 'InstallDir'");
}

TEST_F(PrefixSearchTest, HundredsOfPrefixesAreAllSearched)
{
    // Made lean (hives, C: and the menu file only): making folders is what takes the time.
    const std::string hive = test::fileManagerUserHive("\"C:\\\\fm\"", "\"wincmd.ini\"");
    for (int i = 0; i < 150; ++i) {
        const std::string root = ".local/share/wineprefixes/p" + std::to_string(100 + i);
        home.write(root + "/system.reg", "WINE REGISTRY Version 2\n");
        home.write(root + "/user.reg", hive);
        home.write(root + "/drive_c/fm/wincmd.ini", test::kPrefixMenu);
        home.makeFolder(root + "/dosdevices");
        fs::create_symlink("../drive_c", home.path() / root / "dosdevices/c:");
    }
    const auto files =
        filesInOtherPrefixes(findPrefixPlaces(home.environment()), home.environment(), {});
    ASSERT_EQ(files.size(), 150u);
    EXPECT_EQ(files.back().label, "winetricks: p249");
}

} // namespace
} // namespace torvex
