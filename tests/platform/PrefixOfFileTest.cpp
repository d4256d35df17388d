// The prefix follows the file: the prefix a wincmd.ini lies in, the view built from it, and
// prefixes whose drive links go round in circles.
#include "platform/WindowsView.h"
#include "support/PrefixLayouts.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

class PrefixOfFileTest : public ::testing::Test
{
protected:
    test::FakeHome home;
};

TEST_F(PrefixOfFileTest, TheNearestPrefixFolderAboveTheFileIsItsPrefix)
{
    const fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    const fs::path file = bottle / "drive_c/fm/wincmd.ini";
    ASSERT_TRUE(WinePrefix::containing(file));
    EXPECT_EQ(WinePrefix::containing(file)->root(), bottle);
    // A prefix inside another one's drive_c is the nearer.
    const fs::path inner = home.makePrefix(".local/share/bottles/bottles/Work/drive_c/inner");
    EXPECT_EQ(WinePrefix::containing(inner / "drive_c/fm/wincmd.ini")->root(), inner);
    EXPECT_EQ(WinePrefix::containing(bottle / "drive_c/inner.ini")->root(), bottle);
}

TEST_F(PrefixOfFileTest, AFileOutsideEveryPrefixHasNone)
{
    home.makePrefix("p");
    EXPECT_FALSE(WinePrefix::containing(home.path() / "wincmd.ini"));
    // drive_c alone, or system.reg alone, make no prefix.
    home.makeFolder("half/drive_c/fm");
    EXPECT_FALSE(WinePrefix::containing(home.path() / "half/drive_c/fm/wincmd.ini"));
    home.write("other/system.reg", "WINE REGISTRY Version 2\n");
    EXPECT_FALSE(WinePrefix::containing(home.path() / "other/wincmd.ini"));
}

TEST_F(PrefixOfFileTest, AFileReachedThroughALinkBelongsToThePrefixItLiesIn)
{
    const fs::path prefix = home.makePrefix("p");
    fs::create_symlink(prefix / "drive_c/fm/wincmd.ini", home.path() / "wincmd.ini");
    ASSERT_TRUE(WinePrefix::containing(home.path() / "wincmd.ini"));
    EXPECT_EQ(WinePrefix::containing(home.path() / "wincmd.ini")->root(), prefix);
}

TEST_F(PrefixOfFileTest, TheViewForAFileHasItsPrefixsDrivesWithoutWinePrefix)
{
    const fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    home.makePrefix(".wine", false);
    fs::remove(home.path() / ".wine/dosdevices/c:");
    const WindowsView view =
        WindowsView::forFile((bottle / "drive_c/fm/wincmd.ini").string(), home.environment());
    ASSERT_TRUE(view.hasPrefix());
    EXPECT_EQ(view.prefix()->root(), bottle);
    EXPECT_TRUE(view.directoryExists("C:\\Data\\Work"));
    // Outside every prefix, or named as a Windows path, the view is the one Wine would use.
    const WindowsView outside =
        WindowsView::forFile((home.path() / "x.ini").string(), home.environment());
    ASSERT_TRUE(outside.hasPrefix());
    EXPECT_EQ(outside.prefix()->root(), home.path() / ".wine");
    EXPECT_FALSE(outside.directoryExists("C:\\Data\\Work"));
    EXPECT_EQ(WindowsView::forFile("C:\\fm\\wincmd.ini", home.environment()).prefix()->root(),
        home.path() / ".wine");
}

TEST_F(PrefixOfFileTest, DriveLinksInACircleGiveAnswersNotAHang)
{
    const fs::path prefix = home.makePrefix("p");
    fs::create_symlink("d:", prefix / "dosdevices/d:"); // itself
    fs::create_symlink("f:", prefix / "dosdevices/e:");
    fs::create_symlink("e:", prefix / "dosdevices/f:");
    fs::create_symlink(".", prefix / "drive_c/up"); // a folder that holds itself
    const WindowsView view = WindowsView::forPrefix(WinePrefix(prefix), {});
    EXPECT_EQ(view.driveType('d'), DriveTypeCode::Unavailable);
    EXPECT_EQ(view.driveType('e'), DriveTypeCode::Unavailable);
    EXPECT_FALSE(view.directoryExists("D:\\"));
    EXPECT_FALSE(view.fileExists("E:\\wincmd.ini"));
    EXPECT_TRUE(view.directoryExists("C:\\up\\up\\up\\Data\\Work"));
    EXPECT_EQ(view.windowsPath(prefix / "drive_c/Data"), "C:\\Data");
}

TEST_F(PrefixOfFileTest, ANetworkPathGoesThroughTheUncFolder)
{
    const fs::path prefix = home.makePrefix("p");
    home.write("p/dosdevices/unc/server/share/fm/wincmd.ini", "[DirMenu]\r\n");
    const WindowsView view = WindowsView::forPrefix(WinePrefix(prefix), {});
    EXPECT_TRUE(view.fileExists("\\\\server\\share\\fm\\wincmd.ini"));
    EXPECT_TRUE(view.fileExists("\\\\SERVER\\Share\\FM\\wincmd.ini"));
    EXPECT_FALSE(view.fileExists("\\\\server\\other\\wincmd.ini"));
    EXPECT_FALSE(WindowsView::withoutPrefix({}).fileExists("\\\\server\\share\\fm\\wincmd.ini"));
    // Two slashes are a host path.
    EXPECT_EQ(view.hostPath("//server/share"), fs::path("//server/share"));
}

} // namespace
} // namespace torvex
