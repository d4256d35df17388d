#include "platform/RegistryHive.h"

#include "platform/RegistryError.h"
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

constexpr const char *kHive = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win32

[Software\\Test] 1700000000
#time=1d9a0b0c0d0e0f0
@="default"
"Plain"="C:\\fm\\"
"Quoted"="say \"hi\"\n"
"Escaped"="caf\x00e9 na\xefve"
"Raw"="Ærø"
"Expand"=str(2):"%USERPROFILE%\\Desktop"
"Multi"=str(7):"a\0b\0"
"Number"=dword:0000002a
"Bytes"=hex:01,02,03,\
  04,05
"WideText"=hex(1):43,00,3a,00,5c,00,00,00
"WideExpand"=hex(2):25,00,41,00,25,00,00,00,58,00
"NoData"=hex:
"Broken"=hex:zz,01
"Octal"="a\011b"

[Software\\Deep\\Below\\Key]
"x"="y"

[Control Panel\\International\\\xd83c\xdf0e]
"Currencies"="USD"
)";

struct StringCase
{
    const char *name;
    const char *expected;
};

class RegistryHiveTest : public ::testing::Test
{
protected:
    WineRegistry registry { RegistryHive(), RegistryHive::parse(kHive) };

    std::optional<std::string> read(std::string_view key, std::string_view name) const
    {
        return registry.readString(RegistryRoot::LocalMachine, key, name);
    }
};

TEST_F(RegistryHiveTest, ReadsStringFormsWithTheirEscapes)
{
    const StringCase cases[] = {
        { "", "default" },
        { "Plain", "C:\\fm\\" },
        { "Quoted", "say \"hi\"\n" },
        { "Escaped", "caf\xc3\xa9 na\xc3\xafve" },
        { "Raw", "\xc3\x86r\xc3\xb8" },
        { "Expand", "%USERPROFILE%\\Desktop" },
        { "WideText", "C:\\" },
        { "WideExpand", "%A%" },
        { "NoData", "" },
        { "Octal", "a\tb" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(read("Software\\Test", c.name), c.expected) << c.name;
}

TEST_F(RegistryHiveTest, KeysAndValuesMatchWithoutRegardToCase)
{
    EXPECT_EQ(read("SOFTWARE\\test", "plain"), "C:\\fm\\");
    EXPECT_TRUE(registry.canOpenKey(RegistryRoot::LocalMachine, "software\\DEEP", KeyAccess::Full));
    EXPECT_TRUE(
        registry.canOpenKey(RegistryRoot::LocalMachine, "Software\\Deep\\Below", KeyAccess::Read));
    EXPECT_FALSE(registry.canOpenKey(RegistryRoot::LocalMachine, "Software\\Dee", KeyAccess::Read));
    EXPECT_FALSE(registry.canOpenKey(RegistryRoot::CurrentUser, "Software\\Test", KeyAccess::Read));
    EXPECT_EQ(read("Control Panel\\International\\\xf0\x9f\x8c\x8e", "Currencies"), "USD");
}

TEST_F(RegistryHiveTest, MissingKeyOrValueReadsAsNothing)
{
    EXPECT_EQ(read("Software\\Test", "Absent"), std::nullopt);
    EXPECT_EQ(read("Software\\Absent", "Plain"), std::nullopt);
}

TEST_F(RegistryHiveTest, NonStringValuesRaiseTheTypeError)
{
    for (const char *name : { "Multi", "Number", "Bytes" }) {
        try {
            read("Software\\Test", name);
            ADD_FAILURE() << name << " was read as a string";
        } catch (const RegistryError &error) {
            EXPECT_EQ(
                std::string(error.what()), std::string("Invalid data type for '") + name + "'");
        }
    }
}

TEST_F(RegistryHiveTest, MalformedDataCannotBeFetched)
{
    EXPECT_THROW(
        {
            try {
                read("Software\\Test", "Broken");
            } catch (const RegistryError &error) {
                EXPECT_STREQ(error.what(), "Failed to get data for 'Broken'");
                throw;
            }
        },
        RegistryError);
}

TEST_F(RegistryHiveTest, HexDataGoesOnAfterALineEndingInABackslash)
{
    const RegistryValue *bytes =
        registry.hive(RegistryRoot::LocalMachine).value("Software\\Test", "Bytes");
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->data, (std::vector<std::uint8_t> { 1, 2, 3, 4, 5 }));
    const RegistryValue *number =
        registry.hive(RegistryRoot::LocalMachine).value("Software\\Test", "Number");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->data, (std::vector<std::uint8_t> { 0x2a, 0, 0, 0 }));
}

TEST(RegistryHiveCrlf, ReadsAHiveWithCarriageReturns)
{
    RegistryHive hive =
        RegistryHive::parse("WINE REGISTRY Version 2\r\n[A\\\\B] 1\r\n\"v\"=\"w\"\r\n"
                            "\"h\"=hex:01,\\\r\n  02\r\n");
    ASSERT_NE(hive.value("a\\b", "v"), nullptr);
    EXPECT_EQ(hive.value("a\\b", "v")->text, "w");
    ASSERT_NE(hive.value("a\\b", "h"), nullptr);
    EXPECT_EQ(hive.value("a\\b", "h")->data, (std::vector<std::uint8_t> { 1, 2 }));
}

// Hives written by Wine 8 itself (wineboot -i, then `reg add` for the file manager's keys),
// trimmed to the keys the program reads.
TEST(WineWrittenHives, ReadsTheShellFoldersAndTheFileManagerKeys)
{
    WineRegistry wine = WineRegistry::load(TORVEX_DATA_DIR "/wine");
    auto user = [&](std::string_view key, std::string_view name) {
        return wine.readString(RegistryRoot::CurrentUser, key, name);
    };
    auto machine = [&](std::string_view key, std::string_view name) {
        return wine.readString(RegistryRoot::LocalMachine, key, name);
    };
    const char *shell = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    EXPECT_EQ(user(shell, "DeskTop"), "C:\\users\\root\\Desktop");
    EXPECT_EQ(user(shell, "Start Menu"),
        "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu");
    EXPECT_EQ(user("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                  "AppData"),
        "%USERPROFILE%\\AppData\\Roaming");
    EXPECT_EQ(user("Software\\Pellmar\\Windows Commander", "InstallDir"), "C:\\fm");
    EXPECT_EQ(user("Software\\Pellmar\\Windows Commander", "IniFileName"), ".\\wincmd.ini");
    EXPECT_EQ(machine("SOFTWARE\\Pellmar\\Windows Commander", "InstallDir"), "C:\\fm\\");
    EXPECT_EQ(machine("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesPath"),
        "%ProgramFiles%");
    EXPECT_THROW(machine("Software\\Microsoft\\Windows\\CurrentVersion", "FirstInstallDateTime"),
        RegistryError);
    EXPECT_THROW(
        machine("Software\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
            "SymbolicLinkValue"),
        RegistryError);
}

} // namespace
} // namespace torvex
