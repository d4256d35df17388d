#include "settings/ProgramSettings.h"

#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace torvex {
namespace {

class ProgramSettingsTest : public ::testing::Test
{
protected:
    std::string iniPath() const { return dir.file("torvex.ini"); }
    void store(const std::string &text) { dir.write("torvex.ini", text); }

    test::TempDir dir;
    test::FaultyFileSystem files;
    ProgramSettings settings { ProgramSettings::pathIn(dir.path().string()), files };
};

TEST_F(ProgramSettingsTest, FileLivesBesideTheExecutable)
{
    EXPECT_EQ(ProgramSettings::pathIn("/opt/torvex"), "/opt/torvex/torvex.ini");
    EXPECT_EQ(ProgramSettings::pathIn("/opt/torvex/"), "/opt/torvex/torvex.ini");
    EXPECT_EQ(settings.path(), iniPath());
}

TEST_F(ProgramSettingsTest, FirstStartWithoutAFileGivesTheDefaults)
{
    const WindowSettings window = settings.readWindowSettings();
    EXPECT_FALSE(window.isMaximized);
    EXPECT_EQ(window.bounds, (WindowBounds { 100, 100, 760, 560 }));
    EXPECT_EQ(window.splitter, 230);
    EXPECT_EQ(window.dropMode, 3); // SBut_AddChildFirst
    EXPECT_EQ(window.storedDrive, "c");
    EXPECT_EQ(settings.readTreeBackground(), buttonFaceColour);

    const Options options = settings.readOptions();
    EXPECT_EQ(options, Options {});
    EXPECT_EQ(options.backgroundColour, -2147483633);
    EXPECT_EQ(options.fontColour, -2147483640);
    EXPECT_EQ(driveTypesOf(options), DriveTypeSet { DriveType::Fixed });
    EXPECT_TRUE(options.askOnExitWithoutSaving);
    EXPECT_TRUE(options.confirmDropOnCommand);
    EXPECT_FALSE(std::filesystem::exists(iniPath())); // reading creates nothing
}

TEST_F(ProgramSettingsTest, StoredWindowValuesAreReadAsTheyStand)
{
    store("[form1]\r\nleft=-3000\r\ntop=5000\r\nwidth=640\r\nheight=0x1E0\r\nsplitter=100\r\n");
    WindowSettings window = settings.readWindowSettings();
    EXPECT_EQ(window.bounds, (WindowBounds { -3000, 5000, 640, 480 })); // not fitted to a screen
    EXPECT_EQ(window.splitter, 160);

    store("[form1]\r\nmaximized=1\r\nleft=7\r\nsplitter=300\r\n");
    window = settings.readWindowSettings();
    EXPECT_TRUE(window.isMaximized);
    // The stored geometry is the size a maximized window returns to.
    EXPECT_EQ(window.bounds,
        (WindowBounds { 7, WindowBounds {}.top, WindowBounds {}.width, WindowBounds {}.height }));
    EXPECT_EQ(window.splitter, 300);
}

TEST_F(ProgramSettingsTest, LastTrueDropModeKeyWins)
{
    store("[form1]\r\nSBut_Add=1\r\nSBut_Insert=1\r\n");
    EXPECT_EQ(settings.readWindowSettings().dropMode, 4);

    store("[form1]\r\nSBut_Add=0\r\nSBut_AddFirst=0\r\nSBut_AddChild=0\r\n"
          "SBut_AddChildFirst=0\r\nSBut_Insert=0\r\n");
    EXPECT_EQ(settings.readWindowSettings().dropMode, 3);

    store("[form1]\r\nSBut_AddFirst=1\r\nSBut_AddChildFirst=yes\r\n");
    EXPECT_EQ(settings.readWindowSettings().dropMode, 3); // "yes" is no integer: default true

    store("[form1]\r\nSBut_AddFirst=1\r\nSBut_AddChildFirst=0\r\n");
    EXPECT_EQ(settings.readWindowSettings().dropMode, 1);
}

TEST_F(ProgramSettingsTest, ColoursAndBoolsInTheirStoredForms)
{
    store("[form2]\r\nSTextFarve=0x00FF0000\r\nsTextFontColor=$00FF0000\r\n"
          "CBoxAsk=true\r\nCBoxFixed=2\r\nCBoxRemote=-1\r\nCBoxDropTargetHasCommand=0\r\n");
    Options options = settings.readOptions();
    EXPECT_EQ(options.backgroundColour, rgbColour(0, 0, 255));
    EXPECT_EQ(options.fontColour, rgbColour(0, 0, 255));
    EXPECT_TRUE(options.askOnExitWithoutSaving); // "true" is no integer: the default
    EXPECT_TRUE(options.showFixed);
    EXPECT_TRUE(options.showRemote);
    EXPECT_FALSE(options.confirmDropOnCommand);

    store("[form2]\r\nSTextFarve=blue\r\nsTextFontColor=-2147483643\r\nCBoxAsk=0\r\n");
    options = settings.readOptions();
    EXPECT_EQ(options.backgroundColour, buttonFaceColour);
    EXPECT_EQ(options.fontColour, windowColour);
    EXPECT_EQ(settings.readTreeBackground(), buttonFaceColour);
    EXPECT_FALSE(settings.readAskOnExitWithoutSaving());
}

TEST_F(ProgramSettingsTest, CloseWritesForm1InDecimalAndKeepsOtherLines)
{
    store("; mine\r\n[form2]\r\nSTextFarve=$FF\r\n[form1]\r\nleft=1\r\n");
    WindowSnapshot snapshot;
    snapshot.bounds = { 40, 30, 800, 600 };
    snapshot.splitter = 300;
    snapshot.dropMode = 0;
    snapshot.drive = 'D';
    settings.writeWindowSettings(snapshot);
    EXPECT_EQ(test::readFile(iniPath()),
        "; mine\r\n[form2]\r\nSTextFarve=$FF\r\n[form1]\r\nleft=40\r\nmaximized=0\r\n"
        "top=30\r\nwidth=800\r\nheight=600\r\nsplitter=300\r\nSBut_Add=1\r\nSBut_AddFirst=0\r\n"
        "SBut_AddChild=0\r\nSBut_AddChildFirst=0\r\nSBut_Insert=0\r\nVelDrives=D\r\n");

    const WindowSettings back = settings.readWindowSettings();
    EXPECT_EQ(back.bounds, snapshot.bounds);
    EXPECT_EQ(back.splitter, 300);
    EXPECT_EQ(back.dropMode, 0);
    EXPECT_EQ(back.storedDrive, "D");
}

TEST_F(ProgramSettingsTest, MaximizedOrMinimizedKeepsTheEarlierGeometry)
{
    WindowSnapshot snapshot;
    snapshot.bounds = { 10, 20, 600, 700 };
    settings.writeWindowSettings(snapshot);

    snapshot.state = WindowState::Minimized;
    snapshot.bounds = { -32000, -32000, 160, 28 };
    snapshot.splitter = 40;
    settings.writeWindowSettings(snapshot);
    EXPECT_EQ(settings.readString(mainWindowSection, "maximized", ""), "1");
    EXPECT_EQ(settings.readString(mainWindowSection, "splitter", ""), "160");
    EXPECT_TRUE(settings.readWindowSettings().isMaximized);

    snapshot.state = WindowState::Normal;
    settings.writeString(mainWindowSection, "maximized", "0");
    EXPECT_EQ(settings.readWindowSettings().bounds, (WindowBounds { 10, 20, 600, 700 }));
}

TEST_F(ProgramSettingsTest, NoDriveButtonWritesAnEmptyVelDrives)
{
    WindowSnapshot snapshot;
    snapshot.drive = '\0';
    settings.writeWindowSettings(snapshot);
    EXPECT_EQ(settings.readString(mainWindowSection, "VelDrives", "x"), "");
    // An empty stored drive falls back to C.
    EXPECT_EQ(startDrive("",
                  [](const std::string &) {
                      return true;
                  }),
        'c');
}

TEST_F(ProgramSettingsTest, StartDriveFallsBackToC)
{
    const std::set<std::string> roots = { "C:\\", "c:\\", "d:\\", "D:\\" };
    const auto exists = [&](const std::string &path) {
        return roots.contains(path);
    };
    EXPECT_EQ(startDrive("d", exists), 'd');
    EXPECT_EQ(startDrive("D", exists), 'D');
    EXPECT_EQ(startDrive("Q", exists), 'c');
    EXPECT_EQ(startDrive("CD", exists), 'c');
    EXPECT_EQ(startDrive("", exists), 'c');
    EXPECT_EQ(startDrive("Q",
                  [](const std::string &) {
                      return false;
                  }),
        std::nullopt);
}

TEST_F(ProgramSettingsTest, OptionsRoundTripInTheirOrder)
{
    Options options;
    options.backgroundColour = windowColour;
    options.fontColour = windowTextColour;
    options.showFixed = false;
    options.showCDRom = true;
    options.askOnExitWithoutSaving = false;
    options.keepBackup = false;
    EXPECT_TRUE(settings.readKeepBackup()); // on by default
    settings.writeOptions(options);
    EXPECT_EQ(test::readFile(iniPath()),
        "[form2]\r\nSTextFarve=-2147483643\r\nsTextFontColor=-2147483640\r\nCBoxFixed=0\r\n"
        "CBoxRemote=0\r\nCBoxUnavailable=0\r\nCBoxRemovable=0\r\nCBoxCDRom=1\r\n"
        "CBoxRamDisk=0\r\nCBoxUnknown=0\r\nCBoxAsk=0\r\nCBoxDropTargetHasCommand=1\r\n"
        "CBoxBackup=0\r\n");
    EXPECT_EQ(settings.readOptions(), options);
    EXPECT_FALSE(settings.readKeepBackup());
    EXPECT_EQ(driveTypesOf(options), DriveTypeSet { DriveType::CDRom });

    Options none = options;
    none.showCDRom = false;
    settings.writeOptions(none);
    EXPECT_TRUE(driveTypesOf(settings.readOptions()).isEmpty());
}

TEST_F(ProgramSettingsTest, AFailedWriteRaisesAndStopsTheRest)
{
    store("[form1]\r\nleft=1\r\n");
    files.failWrites = true;
    WindowSnapshot snapshot;
    try {
        settings.writeWindowSettings(snapshot);
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + iniPath());
    }
    EXPECT_EQ(test::readFile(iniPath()), "[form1]\r\nleft=1\r\n");
    EXPECT_THROW(settings.writeOptions(Options {}), IniWriteError);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(ProgramSettingsTest, FirstWriteMakesAMissingSettingsFolder)
{
    // As under $XDG_CONFIG_HOME on a first start: neither the folder nor its parent exist.
    const std::filesystem::path folder = dir.path() / "config" / "torvex";
    ProgramSettings fresh(ProgramSettings::pathIn(folder.string()));
    EXPECT_EQ(fresh.readBool(optionsSection, "CBoxAsk", true), true);
    EXPECT_FALSE(std::filesystem::exists(folder));

    fresh.writeBool(optionsSection, "CBoxAsk", false);
    EXPECT_EQ(test::readFile(folder / "torvex.ini"), "[form2]\r\nCBoxAsk=0\r\n");
}

TEST_F(ProgramSettingsTest, SettingsFolderThatCannotBeMadeFailsTheWrite)
{
    dir.write("config", "a file where the folder should be");
    const std::string path = ProgramSettings::pathIn((dir.path() / "config" / "torvex").string());
    ProgramSettings blocked(path);
    try {
        blocked.writeInteger(mainWindowSection, "top", 7);
        FAIL() << "no error";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}

TEST(DropModeTest, ExclusiveGroupOfFive)
{
    EXPECT_EQ(dropModeFromButtons({ false, false, false, false, false }), 3);
    EXPECT_EQ(dropModeFromButtons({ true, false, false, false, false }), 0);
    EXPECT_EQ(dropModeFromButtons({ true, true, true, false, false }), 2);
    EXPECT_EQ(dropModeFromButtons({ false, false, false, true, true }), 4);
}

} // namespace
} // namespace torvex
