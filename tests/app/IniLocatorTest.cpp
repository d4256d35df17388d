#include "app/IniLocator.h"

#include "platform/RegistryError.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>

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
            EXPECT_EQ(found.fullIniPath(i), slots[i - 1]) << "slot " << i;
        int count = 0;
        for (const auto &slot : slots)
            count += slot.empty() ? 0 : 1;
        EXPECT_EQ(found.iniFileCount, count);
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

TEST_F(IniLocatorTest, EmptyOrMissingValuesAndFullPathsLeaveTheSlotEmpty)
{
    wine.writeUserHive(fileManagerKey(kUserKey, "\"C:\\\\fm\"", "\"\""));
    wine.writeMachineHive(
        fileManagerKey(kMachineKey, "\"C:\\\\fm\"", "\"C:\\\\other\\\\wincmd.ini\""));
    expectSlots(locate(), { "", "", "", "" });
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

TEST(IniLocatorBare, NoPrefixFindsOnlyTheArgument)
{
    test::TempFolder folder;
    std::string file = folder.write("wincmd.ini", "").string();
    WindowsView view = WindowsView::withoutPrefix({});
    EXPECT_EQ(view.windowsFolder(), "");
    IniCandidates found = locateIniFiles(view, view.windowsFolder(), file);
    EXPECT_EQ(found.iniFileCount, 1);
    EXPECT_EQ(found.fullIniPath(4), file);
    EXPECT_EQ(found.fullIniPath(3), "");
    EXPECT_EQ(locateIniFiles(view, "", "").iniFileCount, 0);
    EXPECT_THROW(found.fullIniPath(5), std::out_of_range);
}

} // namespace
} // namespace torvex
