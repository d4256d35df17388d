#include "platform/WindowsView.h"

#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

using test::SyntheticPrefix;
using test::TempFolder;

constexpr const char *kDrives = "[Software\\\\Wine\\\\Drives] 1700000000\n"
                                "\"d:\"=\"cdrom\"\n\"E:\"=\"network\"\n\"r:\"=\"ramdisk\"\n"
                                "\"f:\"=\"floppy\"\n\"g:\"=dword:00000001\n";

class WindowsViewTest : public ::testing::Test
{
protected:
    SyntheticPrefix wine;
    TempFolder elsewhere;

    void SetUp() override
    {
        wine.writeMachineHive(kDrives);
        wine.makeFolder("drive_c/Program Files/Tools");
        wine.write("drive_c/Program Files/Tools/tool.exe", "x");
        for (char letter : { 'a', 'd', 'e', 'f', 'g', 'r' })
            wine.linkDrive(letter, elsewhere.path());
        wine.linkDrive('x', wine.path() / "gone");
        wine.linkDrive('z', "/");
        elsewhere.write(".windows-label", "Backup\n");
    }

    WindowsView view() const { return WindowsView::forPrefix(wine.prefix(), {}); }
};

TEST_F(WindowsViewTest, DrivesComeFromTheLinksAndTheirTypesFromTheRegistry)
{
    WindowsView v = view();
    std::uint32_t expected = 0;
    for (char letter : { 'a', 'c', 'd', 'e', 'f', 'g', 'r', 'x', 'z' })
        expected |= 1u << (letter - 'a');
    EXPECT_EQ(v.driveMask(), expected);
    EXPECT_EQ(v.driveType('A'), DriveTypeCode::Removable);
    EXPECT_EQ(v.driveType('c'), DriveTypeCode::Fixed);
    EXPECT_EQ(v.driveType('D'), DriveTypeCode::CDRom);
    EXPECT_EQ(v.driveType('e'), DriveTypeCode::Remote);
    EXPECT_EQ(v.driveType('f'), DriveTypeCode::Removable);
    EXPECT_EQ(v.driveType('g'), DriveTypeCode::Fixed); // a type of the wrong kind is ignored
    EXPECT_EQ(v.driveType('r'), DriveTypeCode::RamDisk);
    EXPECT_EQ(v.driveType('x'), DriveTypeCode::Unavailable); // its target is missing
    EXPECT_EQ(v.driveType('q'), DriveTypeCode::Unavailable); // no such drive
    EXPECT_EQ(v.driveType('?'), DriveTypeCode::Unavailable);
    EXPECT_EQ(v.icon('d'), DriveIcon::CDRom);
    EXPECT_EQ(driveIconName(v.icon('c')), "drive-harddisk");
    EXPECT_EQ(v.icon('x'), DriveIcon::Unknown);
}

TEST_F(WindowsViewTest, DisplayNameIsTheLabelOrLocalDisk)
{
    WindowsView v = view();
    EXPECT_EQ(v.displayName('c'), "Local Disk (C:)");
    EXPECT_EQ(v.displayName('d'), "Backup (D:)");
    EXPECT_EQ(v.displayName('q'), "");
}

TEST_F(WindowsViewTest, WindowsPathsMapPartByPartWithoutRegardToCase)
{
    WindowsView v = view();
    fs::path tools = wine.path() / "dosdevices/c:/Program Files/Tools";
    EXPECT_EQ(v.hostPath("c:\\program files\\TOOLS"), tools);
    EXPECT_EQ(v.hostPath("C:/PROGRAM FILES/tools/"), tools);
    EXPECT_EQ(v.hostPath("C:\\windows\\..\\Program Files\\.\\\\Tools"), tools);
    EXPECT_EQ(v.hostPath("C:"), wine.path() / "dosdevices/c:");
    EXPECT_EQ(v.hostPath("Q:\\anything"), std::nullopt);
    EXPECT_EQ(v.hostPath("/usr/lib"), fs::path("/usr/lib"));
    EXPECT_EQ(v.hostPath("C:\\nowhere\\Tools"), wine.path() / "dosdevices/c:/nowhere/Tools");
}

TEST_F(WindowsViewTest, OneExistenceTestForBothKindsOfPath)
{
    WindowsView v = view();
    EXPECT_TRUE(v.directoryExists("C:\\PROGRAM FILES\\tools"));
    EXPECT_FALSE(v.fileExists("C:\\PROGRAM FILES\\tools"));
    EXPECT_TRUE(v.fileExists("c:/program files/tools/TOOL.EXE"));
    EXPECT_FALSE(v.directoryExists("c:/program files/tools/TOOL.EXE"));
    EXPECT_TRUE(v.directoryExists("D:\\"));
    EXPECT_FALSE(v.directoryExists("X:\\"));
    EXPECT_FALSE(v.directoryExists("Q:\\"));
    EXPECT_FALSE(v.directoryExists(""));
    EXPECT_TRUE(v.directoryExists((wine.path() / "drive_c").string()));
    EXPECT_TRUE(v.fileExists((wine.path() / "drive_c/Program Files/Tools/tool.exe").string()));
    EXPECT_FALSE(v.fileExists((wine.path() / "drive_c/program files/tools/tool.exe").string()));
}

TEST_F(WindowsViewTest, AFileIsARegularFileOrALinkToOne)
{
    ASSERT_EQ(::mkfifo((wine.path() / "drive_c/pipe").c_str(), 0600), 0);
    fs::create_symlink("Program Files/Tools/tool.exe", wine.path() / "drive_c/tool-link");
    WindowsView v = view();
    EXPECT_TRUE(v.fileExists("C:\\tool-link"));
    for (const char *other : { "C:\\pipe", "/dev/null", "C:\\Program Files" }) {
        EXPECT_FALSE(v.fileExists(other)) << other;
        EXPECT_TRUE(v.pathExists(other)) << other;
    }
    EXPECT_FALSE(v.pathExists("C:\\missing"));
    EXPECT_FALSE(v.pathExists("Q:\\pipe"));
}

TEST_F(WindowsViewTest, HostPathsGetTheDriveThatHoldsThemMostClosely)
{
    WindowsView v = view();
    EXPECT_EQ(
        v.windowsPath(wine.path() / "drive_c/Program Files/Tools"), "C:\\Program Files\\Tools");
    EXPECT_EQ(v.windowsPath(wine.path() / "drive_c"), "C:\\");
    // Several drives lead to `elsewhere`: the lowest letter wins.
    EXPECT_EQ(v.windowsPath(elsewhere.path() / "sub"), "A:\\sub");
    EXPECT_EQ(v.windowsPath("/usr/lib"), "Z:\\usr\\lib");
}

TEST_F(WindowsViewTest, SystemFoldersOfThePrefix)
{
    wine.writeUserHive("[Environment] 1700000000\n\"TEMP\"=str(2):\"%USERPROFILE%\\\\Temp\"\n");
    WindowsView v =
        WindowsView::forPrefix(wine.prefix(), { { "USER", "anna" }, { "TEMP", "/tmp" } });
    EXPECT_EQ(v.windowsFolder(), "C:\\windows");
    EXPECT_EQ(v.systemFolder(), "C:\\windows\\system32");
    EXPECT_EQ(v.tempFolder(), "C:\\users\\anna\\Temp\\");
    EXPECT_EQ(v.environment().value("userprofile"), "C:\\users\\anna");
}

TEST(WindowsViewBare, APrefixWithoutAWindowsFolderHasNone)
{
    SyntheticPrefix wine(false);
    WindowsView v = WindowsView::forPrefix(wine.prefix(), {});
    EXPECT_EQ(v.windowsFolder(), "");
    EXPECT_EQ(v.systemFolder(), "");
    EXPECT_EQ(v.driveMask(), 1u << 2);
}

TEST(WindowsViewBare, WithoutAPrefixThereIsOneFixedDriveZ)
{
    WindowsView v = WindowsView::withoutPrefix({ { "TMPDIR", "/var/tmp" } });
    EXPECT_FALSE(v.hasPrefix());
    EXPECT_EQ(v.driveMask(), 1u << 25);
    EXPECT_EQ(v.driveType('z'), DriveTypeCode::Fixed);
    EXPECT_EQ(v.driveType('c'), DriveTypeCode::Unavailable);
    EXPECT_EQ(v.hostPath("z:\\USR"), fs::path("/usr"));
    EXPECT_TRUE(v.directoryExists("Z:\\"));
    EXPECT_EQ(v.windowsPath("/usr/lib"), "Z:\\usr\\lib");
    EXPECT_EQ(v.windowsFolder(), "");
    EXPECT_EQ(v.tempFolder(), "Z:\\var\\tmp\\");
    EXPECT_FALSE(
        v.registry().canOpenKey(RegistryRoot::CurrentUser, "Environment", KeyAccess::Read));
    EXPECT_EQ(v.displayName('z'), "Local Disk (Z:)");
}

TEST(WinePrefixLocate, FollowsWineprefixThenHome)
{
    TempFolder home;
    home.makeFolder(".wine");
    SyntheticPrefix wine;
    auto chosen = WinePrefix::locate(
        { { "WINEPREFIX", wine.path().string() }, { "HOME", home.path().string() } });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->root(), wine.path());
    auto fallback = WinePrefix::locate({ { "WINEPREFIX", "" }, { "HOME", home.path().string() } });
    ASSERT_TRUE(fallback);
    EXPECT_EQ(fallback->root(), home.path() / ".wine");
    EXPECT_FALSE(WinePrefix::locate({ { "WINEPREFIX", (home.path() / "none").string() } }));
    EXPECT_FALSE(WinePrefix::locate({}));
    EXPECT_FALSE(WindowsView::open({ { "HOME", (home.path() / "none").string() } }).hasPrefix());
}

} // namespace
} // namespace torvex
