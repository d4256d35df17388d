#include "platform/SystemFolders.h"

#include "platform/RegistryError.h"
#include "platform/WindowsView.h"
#include "platform/WineRegistry.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace torvex {
namespace {

const EnvironmentLookup kEnvironment = [](std::string_view name) -> std::optional<std::string> {
    static const std::map<std::string, std::string, std::less<>> values = {
        { "HOME", "C:\\users\\anna" }, { "OTHER", "D:\\x" }, { "EMPTY", "" }, { "PCT", "%HOME%" }
    };
    auto it = values.find(name);
    return it == values.end() ? std::nullopt : std::optional(it->second);
};

struct ExpansionCase
{
    const char *text;
    const char *expected;
};

TEST(ExpandOneReference, FollowsTheOddAndEvenPercentSigns)
{
    const ExpansionCase cases[] = {
        { "", "" },
        { "%HOME%\\Desktop", "C:\\users\\anna\\Desktop" },
        { "pre %HOME% post", "pre C:\\users\\anna post" },
        { "%OTHER%\\%HOME%", "%OTHER%\\C:\\users\\anna" }, // only the last pair
        { "%HOME%\\a%b", "%HOME%\\a%b" }, // three signs: unchanged
        { "%UNSET%\\x", "%UNSET%\\x" },
        { "%EMPTY%\\x", "%EMPTY%\\x" },
        { "%%\\x", "%%\\x" },
        { "%PCT%", "%HOME%" }, // the inserted value is not scanned again
        { "no signs", "no signs" },
        { "%HOME%%HOME%", "%HOME%C:\\users\\anna" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(expandOneReference(c.text, kEnvironment), c.expected) << c.text;
}

// A registry that records every read and refuses full access where told to.
class RecordingRegistry : public RegistryView
{
public:
    std::map<std::string, std::string> strings; // "key|name" -> text
    std::vector<std::string> badTypes;
    bool refuseFullAccess = false;
    bool hasShellFolders = true;
    mutable std::vector<std::string> reads;

    bool canOpenKey(RegistryRoot root, std::string_view key, KeyAccess access) const override
    {
        if (root == RegistryRoot::CurrentUser)
            return hasShellFolders && key.ends_with("Shell Folders");
        return !(refuseFullAccess && access == KeyAccess::Full) && key.ends_with("CurrentVersion");
    }

    std::optional<std::string> readString(
        RegistryRoot, std::string_view, std::string_view name) const override
    {
        reads.emplace_back(name);
        for (const auto &bad : badTypes) {
            if (bad == name)
                throw RegistryError(kInvalidDataTypeMessage, name);
        }
        auto it = strings.find(std::string(name));
        return it == strings.end() ? std::nullopt : std::optional(it->second);
    }
};

const OsFolders kFolders { "C:\\windows", "C:\\windows\\system32", "C:\\windows\\temp\\" };

TEST(SystemFolders, ReadsTheShellFoldersAndThenTheCurrentVersionKeyInOrder)
{
    RecordingRegistry registry;
    registry.strings = { { "DeskTop", "%HOME%\\Desktop" },
        { "Start Menu", "S" },
        { "Content", "c" },
        { "ProgramFilesPath", "%OTHER%\\%HOME%" },
        { "WallPaperDir", "w" } };
    SystemFolders tam(registry, kEnvironment, kFolders);
    const std::vector<std::string> order = {
        "AppData",
        "Cache",
        "Cookies",
        "DeskTop",
        "Favorites",
        "Fonts",
        "History",
        "NetHood",
        "Personal",
        "PrintHood",
        "Programs",
        "Recent",
        "SendTo",
        "Start Menu",
        "StartUp",
        "Templates",
        "My Pictures",
        "Local Settings",
        "Local AppData",
        "Content",
        "CommonFilesDir",
        "ConfigPath",
        "DevicePath",
        "MediaPath",
        "OtherDevicePath",
        "ProgramFilesPath",
        "SystemRoot",
        "WallPaperDir",
    };
    EXPECT_EQ(registry.reads, order);
    EXPECT_EQ(tam.deskTop(), "C:\\users\\anna\\Desktop");
    EXPECT_EQ(tam.startMenu(), "S");
    EXPECT_EQ(tam.content(), "c");
    EXPECT_EQ(tam.programFiles(), "%OTHER%\\C:\\users\\anna");
    EXPECT_EQ(tam.wallPaper(), "w");
    EXPECT_EQ(tam.appData(), "");
    EXPECT_EQ(tam.windows(), "C:\\windows");
    EXPECT_EQ(tam.system(), "C:\\windows\\system32");
    EXPECT_EQ(tam.temp(), "C:\\windows\\temp\\");
    EXPECT_EQ(tam.componentVersion(), "4.00.00.00");
}

TEST(SystemFolders, AMissingShellKeyOrRefusedFullAccessEmptiesOnlyItsGroup)
{
    RecordingRegistry registry;
    registry.strings = { { "DeskTop", "d" }, { "SystemRoot", "C:\\windows" } };
    registry.hasShellFolders = false;
    SystemFolders withoutShell(registry, kEnvironment, kFolders);
    EXPECT_EQ(withoutShell.deskTop(), "");
    EXPECT_EQ(withoutShell.systemRoot(), "C:\\windows");
    EXPECT_EQ(withoutShell.windows(), "C:\\windows");
    EXPECT_EQ(withoutShell.componentVersion(), "4.00.00.00");

    registry.hasShellFolders = true;
    registry.refuseFullAccess = true;
    SystemFolders refused(registry, kEnvironment, kFolders);
    EXPECT_EQ(refused.deskTop(), "d");
    EXPECT_EQ(refused.systemRoot(), "");
}

TEST(SystemFolders, ATypeErrorStopsTheCreation)
{
    RecordingRegistry registry;
    registry.badTypes = { "Fonts" };
    try {
        SystemFolders tam(registry, kEnvironment, kFolders);
        FAIL() << "created despite a non-string value";
    } catch (const RegistryError &error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Fonts'");
    }
    EXPECT_EQ(registry.reads.back(), "Fonts");
}

TEST(SystemFolders, WritesAreIgnored)
{
    RecordingRegistry registry;
    SystemFolders tam(registry, kEnvironment, kFolders);
    tam.setProperty(FolderProperty::Windows, "D:\\elsewhere");
    tam.setProperty(FolderProperty::ComponentVersion, "5");
    EXPECT_EQ(tam.windows(), "C:\\windows");
    EXPECT_EQ(tam.componentVersion(), "4.00.00.00");
}

TEST(SystemFolders, OverAPrefixWrittenByWine)
{
    test::SyntheticPrefix wine;
    std::filesystem::copy_file(TORVEX_DATA_DIR "/wine/user.reg", wine.path() / "user.reg");
    std::filesystem::copy_file(TORVEX_DATA_DIR "/wine/system.reg", wine.path() / "system.reg");
    SystemFolders tam(WindowsView::forPrefix(wine.prefix(), { { "USER", "root" } }));
    EXPECT_EQ(tam.windows(), "C:\\windows");
    EXPECT_EQ(tam.system(), "C:\\windows\\system32");
    EXPECT_EQ(tam.temp(), "C:\\users\\root\\Temp\\");
    EXPECT_EQ(tam.deskTop(), "C:\\users\\root\\Desktop");
    EXPECT_EQ(tam.personal(), "C:\\users\\root\\Documents");
    EXPECT_EQ(tam.localAppData(), "C:\\users\\root\\AppData\\Local");
    EXPECT_EQ(tam.fonts(), "C:\\windows\\Fonts");
    EXPECT_EQ(tam.commonFiles(), "C:\\Program Files\\Common Files");
    EXPECT_EQ(tam.programFiles(), "C:\\Program Files (x86)"); // %ProgramFiles% of a 32-bit program
    EXPECT_EQ(tam.localSettings(), "");
}

TEST(SystemFolders, OnA64BitPrefixTheCurrentVersionKeyMayLieUnderWow6432Node)
{
    test::SyntheticPrefix wine;
    wine.write("system.reg",
        "WINE REGISTRY Version 2\n\n#arch=win64\n\n"
        "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1700000000\n"
        "\"ProgramFilesPath\"=\"C:\\\\Program Files (x86)\"\n\"SystemRoot\"=\"C:\\\\windows\"\n");
    SystemFolders tam(WindowsView::forPrefix(wine.prefix(), {}));
    EXPECT_EQ(tam.programFiles(), "C:\\Program Files (x86)");
    EXPECT_EQ(tam.systemRoot(), "C:\\windows");
}

} // namespace
} // namespace torvex
