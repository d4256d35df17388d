// A value that both the user's and the machine's registry set: the user's wins where both
// are strings, and a value of the wrong type on either side counts as not set, so the other
// side's is used.
#include "platform/RegistryHive.h"
#include "platform/WindowsEnvironment.h"
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

constexpr const char *kHeader = "WINE REGISTRY Version 2\n#arch=win32\n\n";

WindowsEnvironment environmentOf(const std::string &userBody, const std::string &machineBody)
{
    const WineRegistry registry(RegistryHive::parse(kHeader + userBody),
        RegistryHive::parse(kHeader + machineBody));
    return WindowsEnvironment::forWine({ { "USER", "anna" } }, registry, true);
}

TEST(UserAndMachineValues, TheUsersEnvironmentWinsAndAWrongTypeOnEitherSideIsNotSet)
{
    const WindowsEnvironment env = environmentOf(R"([Environment] 1
"Both"="C:\\user"
"UserOnly"="C:\\u"
"UserTyped"=dword:00000001
"MachineTyped"="C:\\user side"
"BothTyped"=hex(7):41,00,00,00
"CASE"="C:\\user case"
"UserWide"=hex(2):43,00,3a,00,5c,00,75,00,00,00
)",
        R"([System\\CurrentControlSet\\Control\\Session Manager\\Environment] 1
"Both"="C:\\machine"
"MachineOnly"="C:\\m"
"UserTyped"="C:\\machine side"
"MachineTyped"=dword:00000002
"BothTyped"=dword:00000003
"case"="C:\\machine case"
"UserWide"="C:\\machine wide"
)");
    EXPECT_EQ(env.value("Both"), "C:\\user");
    EXPECT_EQ(env.value("UserOnly"), "C:\\u");
    EXPECT_EQ(env.value("MachineOnly"), "C:\\m");
    EXPECT_EQ(env.value("UserTyped"), "C:\\machine side");
    EXPECT_EQ(env.value("MachineTyped"), "C:\\user side");
    EXPECT_EQ(env.value("BothTyped"), std::nullopt);
    EXPECT_EQ(env.value("Case"), "C:\\user case") << "the names match without regard to case";
    EXPECT_EQ(env.value("UserWide"), "C:\\u") << "a string in hex form is a string";
}

TEST(UserAndMachineValues, TheUsersValueIsExpandedWithTheMachinesVariables)
{
    const WindowsEnvironment env = environmentOf(R"([Environment] 1
"Work"=str(2):"%Base%\\work"
)",
        R"([System\\CurrentControlSet\\Control\\Session Manager\\Environment] 1
"Base"="D:\\data"
)");
    EXPECT_EQ(env.value("Work"), "D:\\data\\work");
}

// The program folders Wine sets itself: the 32-bit folder, where the machine names one, wins
// over the native one; one of the wrong type is passed by.
TEST(UserAndMachineValues, The32BitProgramFolderWinsUnlessItIsOfTheWrongType)
{
    const std::string key = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1\n";
    const WindowsEnvironment both = environmentOf("",
        key + "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n"
              "\"ProgramFilesDir (x86)\"=\"C:\\\\Program Files (x86)\"\n");
    EXPECT_EQ(both.value("ProgramFiles"), "C:\\Program Files (x86)");
    EXPECT_EQ(both.value("ProgramW6432"), "C:\\Program Files");

    const WindowsEnvironment typed = environmentOf("",
        key + "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n"
              "\"ProgramFilesDir (x86)\"=dword:00000001\n");
    EXPECT_EQ(typed.value("ProgramFiles"), "C:\\Program Files");

    const WindowsEnvironment nativeTyped = environmentOf("",
        key + "\"ProgramFilesDir\"=dword:00000001\n"
              "\"ProgramFilesDir (x86)\"=\"C:\\\\Program Files (x86)\"\n");
    EXPECT_EQ(nativeTyped.value("ProgramFiles"), "C:\\Program Files (x86)");
    EXPECT_EQ(nativeTyped.value("ProgramW6432"), std::nullopt);
}

} // namespace
} // namespace torvex
