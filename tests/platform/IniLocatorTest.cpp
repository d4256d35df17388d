#include "platform/IniLocator.h"

#include "platform/RegistryError.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace torvex {
namespace {

std::string fileManagerKey(const char *key, const char *installDir, const char *iniName)
{
    return std::string("[") + key + "] 1700000000\n#time=1d9a0b0c0d0e0f0\n\"IniFileName\"="
        + iniName + "\n\"InstallDir\"=" + installDir + "\n\n";
}

constexpr const char *kUserKey = "Software\\\\Pellmar\\\\Windows Commander";
constexpr const char *kMachineKey = "Software\\\\Pellmar\\\\Windows Commander";

class IniLocatorTest : public ::testing::Test
{
protected:
    test::SyntheticPrefix wine;

    void SetUp() override
    {
        wine.write("drive_c/fm/wincmd.ini", "[DirMenu]\n");
        wine.write("drive_c/other/wincmd.ini", "[DirMenu]\n");
    }

    IniCandidates locate(std::string_view argument = {}) const
    {
        WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
        return locateIniFiles(view, view.windowsFolder(), argument);
    }

    static void expectSlots(const IniCandidates &found, std::array<std::string, 4> slots)
    {
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(found.slot(i), slots[i - 1]) << "slot " << i;
        int count = 0;
        for (const auto &slot : slots)
            count += slot.empty() ? 0 : 1;
        EXPECT_EQ(found.candidateCount, count);
    }
};

TEST_F(IniLocatorTest, BothKeysNamingOneFileOfferItOnceInSlot1)
{
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\\\\\"", "\"wincmd.ini\""));
    wine.writeMachineHive(fileManagerKey(kMachineKey, "\"C:\\\\fm\\\\\"", "\"wincmd.ini\""));
    expectSlots(locate(), { "C:\\fm\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, InstallDirGetsItsBackslashAndTheNameLosesOneDot)
{
    // Slot 1 keeps the doubled backslash as text, so slot 2 with one backslash stays too.
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\".\\\\wincmd.ini\""));
    wine.writeMachineHive(fileManagerKey(kMachineKey, "\"c:\\\\FM\"", "\"wincmd.ini\""));
    expectSlots(locate(), { "C:\\fm\\\\wincmd.ini", "c:\\FM\\wincmd.ini", "", "" });
}

TEST_F(IniLocatorTest, EmptyOrMissingValuesLeaveTheSlotEmpty)
{
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"\""));
    wine.writeMachineHive(
        "[Software\\\\Pellmar\\\\Windows Commander] 1\n\"InstallDir\"=\"C:\\\\fm\"\n");
    expectSlots(locate(), { "", "", "", "" });
}

// ---- IniFileName that stands on its own ----

TEST_F(IniLocatorTest, AFullPathIsUsedAsItStands)
{
    wine.writeMachineHive(
        fileManagerKey(kMachineKey, "\"C:\\\\fm\"", "\"C:\\\\other\\\\wincmd.ini\""));
    expectSlots(locate(), { "", "C:\\other\\wincmd.ini", "", "" });
    // Without InstallDir too: the file manager needs none to read it.
    wine.writeMachineHive(fileManagerKey(kMachineKey, "\"\"", "\"c:\\\\OTHER\\\\wincmd.ini\""));
    expectSlots(locate(), { "", "c:\\OTHER\\wincmd.ini", "", "" });
}

TEST_F(IniLocatorTest, VariablesAreExpandedThroughThePrefixsEnvironment)
{
    wine.write("drive_c/users/anna/AppData/Roaming/Fm/wincmd.ini", "[DirMenu]\r\n");
    const std::string appData = "C:\\users\\anna\\AppData\\Roaming\\Fm\\wincmd.ini";
    const auto locateAs = [this](const char *user) {
        WindowsView view = WindowsView::forPrefix(wine.prefix(), { { "USER", user } });
        return locateIniFiles(view, view.windowsFolder(), "");
    };
    wine.writeUserHive(
        fileManagerKey(kUserKey, "\"C:\\\\fm\"", "str(2):\"%APPDATA%\\\\Fm\\\\wincmd.ini\""));
    expectSlots(locateAs("anna"), { appData, "", "", "" });
    expectSlots(locateAs("bert"), { "", "", "", "" }); // another user's AppData
    // COMMANDER_PATH is the program folder, without its backslash.
    wine.writeUserHive(
        fileManagerKey(kUserKey, "\"C:\\\\other\\\\\"", "\"%COMMANDER_PATH%\\\\wincmd.ini\""));
    expectSlots(locateAs("anna"), { "C:\\other\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, ANetworkPathIsReadThroughTheUncFolder)
{
    wine.write("dosdevices/unc/server/share/wincmd.ini", "[DirMenu]\r\n");
    wine.writeUserHive(
        fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"\\\\\\\\server\\\\share\\\\wincmd.ini\""));
    expectSlots(locate(), { "\\\\server\\share\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, AJoinedPathThatExistsKeepsItsSlot)
{
    // A folder literally named "%APPDATA%" under InstallDir is what the joining finds.
    wine.write("drive_c/fm/%APPDATA%/wincmd.ini", "[DirMenu]\r\n");
    wine.write("drive_c/users/wine/AppData/Roaming/wincmd.ini", "[DirMenu]\r\n");
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"%APPDATA%\\\\wincmd.ini\""));
    expectSlots(locate(), { "C:\\fm\\%APPDATA%\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, ANonStringInstallDirIsATypeError)
{
    wine.writeUserHive(fileManagerKey(kUserKey, "dword:00000001", "\"wincmd.ini\""));
    try {
        locate();
        FAIL() << "no error for a number";
    } catch (const RegistryError &error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'InstallDir'");
    }
}

TEST_F(IniLocatorTest, PathsThatDifferOnlyInCaseBothStay)
{
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"wincmd.ini\""));
    expectSlots(
        locate("c:\\FM\\WINCMD.INI"), { "C:\\fm\\wincmd.ini", "", "", "c:\\FM\\WINCMD.INI" });
    expectSlots(locate("C:\\fm\\wincmd.ini"), { "C:\\fm\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, TheWindowsFolderAndTheArgument)
{
    wine.write("drive_c/windows/wincmd.ini", "");
    std::string hostFile = (wine.path() / "drive_c/other/wincmd.ini").string();
    expectSlots(locate(hostFile), { "", "", "C:\\windows\\wincmd.ini", hostFile });
    expectSlots(locate("C:\\WINDOWS\\wincmd.ini"),
        { "", "", "C:\\windows\\wincmd.ini", "C:\\WINDOWS\\wincmd.ini" });
    expectSlots(locate("C:\\windows\\wincmd.ini"), { "", "", "C:\\windows\\wincmd.ini", "" });
    expectSlots(locate("C:\\nothing.ini"), { "", "", "C:\\windows\\wincmd.ini", "" });
}

TEST_F(IniLocatorTest, AFolderIsNotAFile)
{
    wine.makeFolder("drive_c/windows/wincmd.ini");
    expectSlots(locate("C:\\fm"), { "", "", "", "" });
}

TEST_F(IniLocatorTest, OnlyRegularFilesAndLinksToThemAreCandidates)
{
    // Slot 1 names a link to a file, slot 2 a FIFO, slot 3 is a FIFO, slot 4 a device.
    std::filesystem::create_symlink("../other/wincmd.ini", wine.path() / "drive_c/fm/link.ini");
    wine.makeFolder("drive_c/pipe");
    ASSERT_EQ(::mkfifo((wine.path() / "drive_c/pipe/wincmd.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((wine.path() / "drive_c/windows/wincmd.ini").c_str(), 0600), 0);
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"link.ini\""));
    wine.writeMachineHive(fileManagerKey(kMachineKey, "\"C:\\\\pipe\"", "\"wincmd.ini\""));
    expectSlots(locate("/dev/null"), { "C:\\fm\\link.ini", "", "", "" });
}

TEST_F(IniLocatorTest, MalformedLinesInTheKeyAreSkipped)
{
    // The second InstallDir and the note are unterminated strings; the note's last
    // character, an escaped backslash, does not carry it into the next line.
    wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                       "\"InstallDir\"=\"C:\\\\fm\"\n"
                       "\"InstallDir\"=\"C:\\\\other\n"
                       "\"Note\"=\"ends in \\\\\n"
                       "\"IniFileName\"=\"wincmd.ini\"\n");
    expectSlots(locate(), { "C:\\fm\\wincmd.ini", "", "", "" });
}

TEST_F(IniLocatorTest, AMachineKeyOfA32BitInstallOnA64BitPrefix)
{
    const std::string wow64Key = "Software\\\\Wow6432Node\\\\Pellmar\\\\Windows Commander";
    const std::string body = fileManagerKey(wow64Key.c_str(), "\"C:\\\\fm\"", "\"wincmd.ini\"");
    wine.write("system.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n\n" + body);
    expectSlots(locate(), { "", "C:\\fm\\wincmd.ini", "", "" });
    // A 32-bit prefix has no such node: the key is not there.
    wine.writeMachineHive(body);
    expectSlots(locate(), { "", "", "", "" });
}

TEST(IniLocatorBare, NoPrefixFindsOnlyTheArgument)
{
    test::TempFolder folder;
    std::string file = folder.write("wincmd.ini", "").string();
    WindowsView view = WindowsView::withoutPrefix({});
    EXPECT_EQ(view.windowsFolder(), "");
    IniCandidates found = locateIniFiles(view, view.windowsFolder(), file);
    EXPECT_EQ(found.candidateCount, 1);
    EXPECT_EQ(found.slot(4), file);
    EXPECT_EQ(found.slot(3), "");
    EXPECT_EQ(locateIniFiles(view, "", "").candidateCount, 0);
    EXPECT_THROW(found.slot(5), std::out_of_range);
}

} // namespace
} // namespace torvex
