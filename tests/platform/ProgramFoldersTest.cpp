#include "platform/ProgramFolders.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace torvex {
namespace {

namespace fs = std::filesystem;

const Environment anna { { "HOME", "/home/anna" } };

// A host where only `writable` folders can be written and only `files` exist.
FolderProbe host(std::set<std::string> writable, std::set<std::string> files)
{
    return { [writable](const std::string &folder) {
                return writable.contains(folder);
            },
        [files](const std::string &path) {
            return files.contains(path);
        } };
}

struct Layout
{
    const char *what;
    std::string executableFolder;
    FolderProbe probe;
    Environment environment;
    ProgramFolders expected;
};

class ProgramFoldersTest : public ::testing::TestWithParam<Layout>
{
};

TEST_P(ProgramFoldersTest, SettingsLogAndHelpGoWhereTheCopyCanKeepThem)
{
    const Layout &layout = GetParam();
    SCOPED_TRACE(layout.what);
    const ProgramFolders folders =
        programFolders(layout.executableFolder, layout.environment, layout.probe);
    EXPECT_EQ(folders.settingsFolder, layout.expected.settingsFolder);
    EXPECT_EQ(folders.logFolder, layout.expected.logFolder);
    EXPECT_EQ(folders.helpFolder, layout.expected.helpFolder);
    EXPECT_EQ(folders.isPortable, layout.expected.isPortable);
}

ProgramFolders annasFolders(const std::string &help)
{
    return { "/home/anna/.config/torvex/", "/home/anna/.local/state/torvex/", help, false };
}

INSTANTIATE_TEST_SUITE_P(Layouts,
    ProgramFoldersTest,
    ::testing::Values(Layout { "the build folder: everything beside the executable",
                          "/src/torvex/build/",
                          host({ "/src/torvex/build/" }, { "/src/torvex/build/torvex.hlp" }),
                          anna,
                          ProgramFolders::besideExecutable("/src/torvex/build/") },
        Layout { "installed in /usr: the user's folders, the shared help",
            "/usr/bin/",
            host({}, { "/usr/share/torvex/torvex.hlp" }),
            anna,
            annasFolders("/usr/share/torvex/") },
        Layout { "installed, run by root who can write /usr/bin: still the user's folders",
            "/usr/bin",
            host({ "/usr/bin/" }, { "/usr/share/torvex/torvex.hlp" }),
            { { "HOME", "/root" }, { "XDG_CONFIG_HOME", "/cfg" }, { "XDG_STATE_HOME", "/state" } },
            { "/cfg/torvex/", "/state/torvex/", "/usr/share/torvex/", false } },
        Layout { "installed in a prefix of the user's own",
            "/home/anna/.local/bin/",
            host({ "/home/anna/.local/bin/" }, { "/home/anna/.local/share/torvex/torvex.hlp" }),
            anna,
            annasFolders("/home/anna/.local/share/torvex/") },
        Layout { "a portable copy on a read-only medium: its own help, the user's folders",
            "/media/cd/torvex/",
            host({}, { "/media/cd/torvex/torvex.hlp", "/media/cd/share/torvex/torvex.hlp" }),
            anna,
            annasFolders("/media/cd/torvex/") },
        Layout { "a writable copy without a help file: help is looked for beside it",
            "/opt/torvex/",
            host({ "/opt/torvex/" }, {}),
            anna,
            ProgramFolders::besideExecutable("/opt/torvex/") },
        Layout { "read-only without HOME or XDG folders: beside the executable after all",
            "/usr/bin/",
            host({}, { "/usr/share/torvex/torvex.hlp" }),
            {},
            { "/usr/bin/", "/usr/bin/", "/usr/share/torvex/", true } }),
    [](const ::testing::TestParamInfo<Layout> &info) {
        return "Layout" + std::to_string(info.index);
    });

TEST(ProgramFoldersTest, HelpFollowsTheWindowsLanguageAndFallsBackToEnglish)
{
    ProgramFolders folders = ProgramFolders::besideExecutable("/usr/share/torvex");
    const std::string english = "/usr/share/torvex/torvex.hlp";
    const std::string french = "/usr/share/torvex/torvex.fr.hlp";
    const auto shown = [&](const std::string &language, std::set<std::string> files) {
        folders.helpLanguage = language;
        return helpFile(folders, host({}, std::move(files)));
    };
    EXPECT_EQ(shown("fr", { english, french }), french);
    EXPECT_EQ(shown("", { english, french }), english);
    // A language whose help was not installed shows the English one.
    EXPECT_EQ(shown("fr", { english }), english);
    EXPECT_EQ(shown("de", { english, french }), "/usr/share/torvex/torvex.hlp");
    // With neither, the file looked for first is named.
    EXPECT_EQ(shown("fr", {}), french);
    EXPECT_EQ(shown("", {}), english);
}

TEST(ProgramFoldersTest, HostProbeAnswersForTheRealFileSystem)
{
    test::TempDir dir;
    const FolderProbe probe = hostFolderProbe();
    EXPECT_TRUE(probe.canWrite(dir.path().string()));
    EXPECT_FALSE(probe.canWrite((dir.path() / "missing").string()));
    EXPECT_FALSE(probe.fileExists(dir.file("torvex.hlp")));
    dir.write("torvex.hlp", "<html/>");
    EXPECT_TRUE(probe.fileExists(dir.file("torvex.hlp")));
    EXPECT_FALSE(probe.fileExists(dir.path().string()));
}

mode_t modeOf(const fs::path &path)
{
    struct stat info
    {
    };
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(ProgramFoldersTest, CreateFoldersMakesEachMissingLevelPrivate)
{
    test::TempDir dir;
    fs::permissions(
        dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    const fs::path state = dir.path() / "state";
    EXPECT_TRUE(createFolders((state / "torvex").string() + "/"));
    EXPECT_TRUE(fs::is_directory(state / "torvex"));
    EXPECT_EQ(modeOf(state), 0700u);
    EXPECT_EQ(modeOf(state / "torvex"), 0700u);
    // A folder that was there keeps its mode.
    EXPECT_EQ(modeOf(dir.path()), 0744u);
    // Existing folders are fine, again and again.
    EXPECT_TRUE(createFolders(state.string()));
    EXPECT_TRUE(createFolderOf((state / "torvex" / "torvex.log").string()));
}

TEST(ProgramFoldersTest, CreateFoldersFailsWhereAFileStands)
{
    test::TempDir dir;
    dir.write("config", "");
    EXPECT_FALSE(createFolders((dir.path() / "config" / "torvex").string()));
    EXPECT_FALSE(createFolderOf((dir.path() / "config" / "torvex" / "torvex.ini").string()));
    EXPECT_FALSE(createFolders(dir.file("config")));
}

} // namespace
} // namespace torvex
