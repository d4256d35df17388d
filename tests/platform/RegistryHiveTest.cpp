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

TEST_F(RegistryHiveTest, MalformedDataIsNoValue)
{
    EXPECT_EQ(read("Software\\Test", "Broken"), std::nullopt);
}

// Wine skips a line it cannot read and goes on with the next one, in the same key.
TEST(RegistryHiveMalformed, ALineThatCannotBeReadIsSkippedAndReadingGoesOn)
{
    RegistryHive hive = RegistryHive::parse(R"(WINE REGISTRY Version 2
[Software\\Fm] 1700000000
"Kept"="first"
"Kept"="unterminated
"Cut"="C:\\fm\\
"InstallDir"="C:\\fm"
"Unknown"=str(1):"x"
"Big"=hex:0102,03
"Letters"=hex:zz,01
"Bare"=text
"Spaced" = "around"
"Short"=hex:1,a
"Tail"="value" ; comment
"Loose"=dword:2a junk
"Wrapped"=hex:01,\
  zz
"AfterWrapped"="still read"
   "Indented"="too"
[Software\\Unclosed
"Orphan"="no key"
[Software\\Next]
"IniFileName"="wincmd.ini"
)");
    auto text = [&](std::string_view key, std::string_view name) -> std::optional<std::string> {
        const RegistryValue *value = hive.value(key, name);
        return value ? std::optional(value->text) : std::nullopt;
    };
    EXPECT_EQ(text("Software\\Fm", "Kept"), "first");
    EXPECT_EQ(text("Software\\Fm", "InstallDir"), "C:\\fm") << "not swallowed by the line above";
    for (const char *name : { "Cut", "Unknown", "Big", "Letters", "Bare", "Wrapped" })
        EXPECT_EQ(hive.value("Software\\Fm", name), nullptr) << name;
    EXPECT_EQ(text("Software\\Fm", "Spaced"), "around");
    EXPECT_EQ(text("Software\\Fm", "Tail"), "value");
    EXPECT_EQ(text("Software\\Fm", "AfterWrapped"), "still read");
    EXPECT_EQ(text("Software\\Fm", "Indented"), "too");
    ASSERT_NE(hive.value("Software\\Fm", "Short"), nullptr);
    EXPECT_EQ(hive.value("Software\\Fm", "Short")->data, (std::vector<std::uint8_t> { 1, 10 }));
    ASSERT_NE(hive.value("Software\\Fm", "Loose"), nullptr);
    EXPECT_EQ(
        hive.value("Software\\Fm", "Loose")->data, (std::vector<std::uint8_t> { 0x2a, 0, 0, 0 }));
    EXPECT_FALSE(hive.hasKey("Software\\Unclosed"));
    EXPECT_EQ(text("Software\\Next", "IniFileName"), "wincmd.ini");
    EXPECT_EQ(text("Software\\Next", "Orphan"), std::nullopt);
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

// A 64-bit prefix keeps the machine keys of 32-bit installers under Software\Wow6432Node.
class Wow64Registry : public ::testing::Test
{
protected:
    static constexpr const char *kKeys = R"(
[Software\\Wow6432Node\\Pellmar\\Windows Commander] 1700000000
"InstallDir"="C:\\fm32"
[Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion] 1700000000
"ProgramFilesPath"="32-bit"
[Software\\Microsoft\\Windows\\CurrentVersion] 1700000000
"ProgramFilesPath"="native"
[Software\\Wow6432Node\\Wine\\Only32] 1700000000
"v"="w"
)";

    static WineRegistry registry(const char *arch)
    {
        const std::string hive = std::string("WINE REGISTRY Version 2\n\n") + arch + kKeys;
        return WineRegistry(RegistryHive::parse(hive), RegistryHive::parse(hive));
    }
};

TEST_F(Wow64Registry, AnAbsentSoftwareKeyIsReadFromWow6432Node)
{
    const WineRegistry wow64 = registry("#arch=win64");
    EXPECT_TRUE(wow64.hive(RegistryRoot::LocalMachine).isWin64());
    const char *fm = "SOFTWARE\\Pellmar\\Windows Commander";
    EXPECT_TRUE(wow64.canOpenKey(RegistryRoot::LocalMachine, fm, KeyAccess::Read));
    EXPECT_EQ(wow64.readString(RegistryRoot::LocalMachine, fm, "InstallDir"), "C:\\fm32");
    EXPECT_EQ(wow64.readString(RegistryRoot::LocalMachine, "\\software\\wine\\only32", "V"), "w");
    // The native key, where it exists, comes first, even for a value it lacks.
    const char *version = "Software\\Microsoft\\Windows\\CurrentVersion";
    EXPECT_EQ(wow64.readString(RegistryRoot::LocalMachine, version, "ProgramFilesPath"), "native");
    // Only below Software, and only for the machine.
    EXPECT_FALSE(wow64.canOpenKey(RegistryRoot::LocalMachine, "Pellmar", KeyAccess::Read));
    EXPECT_FALSE(wow64.canOpenKey(RegistryRoot::CurrentUser, fm, KeyAccess::Read));
}

TEST_F(Wow64Registry, A32BitPrefixHasNoWow6432Node)
{
    for (const char *arch : { "#arch=win32", "" }) {
        const WineRegistry win32 = registry(arch);
        EXPECT_FALSE(win32.hive(RegistryRoot::LocalMachine).isWin64()) << arch;
        EXPECT_FALSE(win32.canOpenKey(
            RegistryRoot::LocalMachine, "Software\\Pellmar\\Windows Commander", KeyAccess::Read))
            << arch;
        EXPECT_EQ(win32.readString(RegistryRoot::LocalMachine, "Software\\Wine\\Only32", "v"),
            std::nullopt)
            << arch;
    }
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
