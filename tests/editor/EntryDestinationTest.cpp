#include "editor/EntryDestination.h"

#include "platform/WindowsView.h"
#include "platform/WineRegistry.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace torvex {
namespace {

// Folders that exist, in lower case (the view matches without regard to case).
std::string lower(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

class EntryDestinationTest : public ::testing::Test
{
protected:
    std::map<std::string, std::string> variables { { "userprofile", "C:\\users\\anna" },
        { "commander_path", "C:\\fm" } };
    std::set<std::string> folders { "c:\\",
        "c:\\users\\anna",
        "c:\\users\\anna\\documents",
        "c:\\fm\\plugins",
        "c:\\my files",
        "c:\\work" };
    DestinationRule rule { [this](std::string_view name) -> std::optional<std::string> {
                              auto it = variables.find(lower(name));
                              if (it == variables.end())
                                  return std::nullopt;
                              return it->second;
                          },
        [this](std::string_view folder) {
            return folders.count(lower(folder)) > 0;
        } };
};

struct Case
{
    const char *command;
    Destination destination;
    DestinationReason reason;
    const char *folder;
};

TEST_F(EntryDestinationTest, EveryFormOfCommandIsToldApart)
{
    const Case cases[] = {
        { "cd C:\\Users\\Anna", Destination::Exists, DestinationReason::None, "C:\\Users\\Anna" },
        { "CD c:\\USERS\\anna\\", Destination::Exists, DestinationReason::None, "c:\\USERS\\anna" },
        { "  cd   C:\\work  ", Destination::Exists, DestinationReason::None, "C:\\work" },
        { "cd C:\\Gone", Destination::Broken, DestinationReason::MissingFolder, "C:\\Gone" },
        { "cd \"C:\\My Files\"", Destination::Exists, DestinationReason::None, "C:\\My Files" },
        { "cd C:\\My Files", Destination::Exists, DestinationReason::None, "C:\\My Files" },
        { "cd \"C:\\My Files", Destination::Exists, DestinationReason::None, "C:\\My Files" },
        { "cd C:\\Work\\*.txt", Destination::Exists, DestinationReason::None, "C:\\Work" },
        { "cd C:\\Gone\\a?.doc",
            Destination::Broken,
            DestinationReason::MissingFolder,
            "C:\\Gone" },
        { "cd C:\\*.*", Destination::Exists, DestinationReason::None, "C:\\" },
        { "cd C:", Destination::Exists, DestinationReason::None, "C:\\" },
        { "cd %USERPROFILE%\\Documents",
            Destination::Exists,
            DestinationReason::None,
            "C:\\users\\anna\\Documents" },
        { "cd %commander_path%\\plugins",
            Destination::Exists,
            DestinationReason::None,
            "C:\\fm\\plugins" },
        { "cd %NOSUCH%\\x", Destination::CannotTell, DestinationReason::UndefinedVariable, "" },
        { "cd \\windows", Destination::CannotTell, DestinationReason::NoDrive, "\\windows" },
        { "cd ..", Destination::CannotTell, DestinationReason::NoDrive, ".." },
        { "cd C:relative", Destination::CannotTell, DestinationReason::NoDrive, "C:relative" },
        { "cd \\\\server\\share",
            Destination::CannotTell,
            DestinationReason::NetworkPath,
            "\\\\server\\share" },
        { "notepad.exe C:\\x.txt",
            Destination::CannotTell,
            DestinationReason::NotFolderChange,
            "" },
        { "cm_SwitchToNextTab", Destination::CannotTell, DestinationReason::NotFolderChange, "" },
        { "cdrom.exe", Destination::CannotTell, DestinationReason::NotFolderChange, "" },
        { "", Destination::Broken, DestinationReason::Empty, "" },
        { "cd", Destination::Broken, DestinationReason::Empty, "" },
        { "cd \"\"", Destination::Broken, DestinationReason::Empty, "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        const DestinationCheck check = rule.ofCommand(c.command);
        EXPECT_EQ(check.destination, c.destination);
        EXPECT_EQ(check.reason, c.reason);
        if (c.reason != DestinationReason::UndefinedVariable) {
            EXPECT_EQ(check.folder, c.folder);
        }
    }
}

TEST_F(EntryDestinationTest, AnUndefinedVariableIsNamedAndNeverBroken)
{
    const DestinationCheck check = rule.ofCommand("cd %OneDrive%\\Photos");
    EXPECT_FALSE(check.isBroken());
    EXPECT_EQ(check.variable, "OneDrive");
    EXPECT_EQ(destinationReasonText(check), "the variable %OneDrive% is not defined");
}

TEST_F(EntryDestinationTest, TargetPathsFollowTheSameRuleWithoutTheCd)
{
    EXPECT_EQ(rule.ofTargetPath("%userprofile%\\documents").destination, Destination::Exists);
    EXPECT_EQ(rule.ofTargetPath("\"D:\\Old\"").reason, DestinationReason::MissingFolder);
    EXPECT_EQ(rule.ofTargetPath("\\\\nas\\photos").reason, DestinationReason::NetworkPath);
    const DestinationCheck empty = rule.ofTargetPath("   ");
    EXPECT_EQ(empty.destination, Destination::CannotTell);
    EXPECT_EQ(empty.reason, DestinationReason::None) << "no target path: nothing to check";
}

TEST(EntryDestinationPrefixTest, AWinePrefixGivesWindowsVariablesAndCommanderPath)
{
    test::SyntheticPrefix wine;
    wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                       "\"InstallDir\"=\"C:\\\\Programs\\\\FM\\\\\"\n");
    wine.makeFolder("drive_c/Programs/FM/Plugins");
    wine.makeFolder("drive_c/users/anna/Desktop");
    const WindowsView view = WindowsView::forPrefix(wine.prefix(), { { "USER", "anna" } });

    EXPECT_EQ(commanderPath(view.registry(), "C:\\elsewhere\\wincmd.ini"), "C:\\Programs\\FM");
    const DestinationRule rule = DestinationRule::forView(view, commanderPath(view.registry(), ""));
    EXPECT_EQ(rule.ofCommand("cd %COMMANDER_PATH%\\plugins").destination, Destination::Exists);
    EXPECT_EQ(rule.ofCommand("cd %USERPROFILE%\\Desktop").destination, Destination::Exists);
    EXPECT_EQ(rule.ofCommand("cd %windir%").destination, Destination::Exists);
    EXPECT_EQ(rule.ofCommand("cd %USERPROFILE%\\Music").reason, DestinationReason::MissingFolder);
}

TEST(EntryDestinationPrefixTest, WithoutAnInstallFolderTheIniFilesFolderIsTheProgramFolder)
{
    test::SyntheticPrefix wine;
    const WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    EXPECT_EQ(commanderPath(view.registry(), "C:\\tc\\wincmd.ini"), "C:\\tc");
    EXPECT_EQ(commanderPath(view.registry(), "wincmd.ini"), "");
}

} // namespace
} // namespace torvex
