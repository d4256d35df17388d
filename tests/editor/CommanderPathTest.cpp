// The file manager's own folder (%COMMANDER_PATH%) when the user's key and the machine's key
// both name one, when either holds a value of the wrong type, and when neither does.
#include "editor/EntryDestination.h"
#include "platform/RegistryHive.h"
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

// A hive with the file manager's key holding `installDir` as written after the "=", or without
// that key when `installDir` is empty.
RegistryHive hiveWith(std::string_view installDir)
{
    std::string text = "WINE REGISTRY Version 2\n#arch=win32\n\n";
    if (!installDir.empty())
        text += "[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n\"InstallDir\"="
            + std::string(installDir) + "\n";
    return RegistryHive::parse(text);
}

struct Case
{
    const char *user;
    const char *machine;
    const char *expected;
    const char *why;
};

TEST(CommanderPath, TheUsersFolderWinsAndAValueOfTheWrongTypeNamesNone)
{
    const Case cases[] = {
        { "\"C:\\\\User\\\\Fm\"", "\"C:\\\\Machine\\\\Fm\"", "C:\\User\\Fm", "both set" },
        { "", "\"C:\\\\Machine\\\\Fm\\\\\"", "C:\\Machine\\Fm", "only the machine's" },
        { "\"C:\\\\User\\\\Fm\\\\\"", "", "C:\\User\\Fm", "only the user's" },
        { "dword:00000001", "\"C:\\\\Machine\\\\Fm\"", "C:\\Machine\\Fm", "the user's is a number" },
        { "\"C:\\\\User\\\\Fm\"", "dword:00000001", "C:\\User\\Fm", "the machine's is a number" },
        { "hex(7):41,00,00,00", "hex:01", "C:\\Ini", "neither is a string" },
        { "\"\"", "\"C:\\\\Machine\\\\Fm\"", "C:\\Machine\\Fm", "the user's is empty" },
        { "\"\\\\\"", "\"C:\\\\Machine\\\\Fm\"", "C:\\Machine\\Fm", "the user's is a lone backslash" },
        { "hex(2):43,00,3a,00,5c,00,55,00,00,00", "\"C:\\\\Machine\\\\Fm\"", "C:\\U",
            "the user's is a string in hex form" },
        { "", "", "C:\\Ini", "neither key" },
    };
    for (const Case &c : cases) {
        const WineRegistry registry(hiveWith(c.user), hiveWith(c.machine));
        EXPECT_EQ(commanderPath(registry, "C:\\Ini\\wincmd.ini"), c.expected) << c.why;
    }
}

TEST(CommanderPath, WithoutAnyKeyTheIniFilesFolderIsTaken)
{
    const WineRegistry none;
    EXPECT_EQ(commanderPath(none, "C:\\Ini\\wincmd.ini"), "C:\\Ini");
    EXPECT_EQ(commanderPath(none, "/home/anna/fm/wincmd.ini"), "/home/anna/fm");
    EXPECT_EQ(commanderPath(none, "C:\\Ini/sub\\wincmd.ini"), "C:\\Ini/sub");
    EXPECT_EQ(commanderPath(none, "wincmd.ini"), "");
    EXPECT_EQ(commanderPath(none, "/wincmd.ini"), "") << "no folder above the root";
}

} // namespace
} // namespace torvex
