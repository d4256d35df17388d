// Where an entry leads, for every way the file manager lets a folder change be written: "cd"
// in any letter case, with or without a blank before a path that starts with a separator or a
// quote, backslashes or slashes, quotes around the folder or none, variables, a file mask as
// the last part. Each group of forms below names one folder and must get one answer, the one
// the help gives; the target path with the same folder gets it too, and the broken-path search
// stops exactly at the broken ones. The folders live in a Wine prefix made for the test.
#include "editor/CommandFolder.h"
#include "editor/EntryDestination.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>
#include <vector>

namespace torvex {
namespace {

struct FormGroup
{
    std::vector<const char *> commands;
    Destination destination;
    DestinationReason reason;
    // The folder the answer names, compared without regard to case and with slashes read as
    // backslashes; nullptr: not compared.
    const char *folder;
};

std::string normalized(std::string_view folder)
{
    std::string out(folder);
    for (char &c : out) {
        if (c == '/')
            c = '\\';
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The command without its "cd" and what separates it from the folder: the target path form.
std::string_view targetPathOf(std::string_view command)
{
    while (!command.empty() && command.front() == ' ')
        command.remove_prefix(1);
    command.remove_prefix(2);
    return command;
}

class EntryDestinationForms : public ::testing::Test
{
protected:
    test::SyntheticPrefix wine;
    test::TempFolder dataDrive;

    void SetUp() override
    {
        wine.writeUserHive("[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n"
                           "\"InstallDir\"=\"C:\\\\Fm\\\\\"\n"
                           "[Environment] 1700000000\n"
                           "\"Projects\"=str(2):\"%USERPROFILE%\\\\Projects\"\n"
                           "\"Empty\"=\"\"\n");
        wine.makeFolder("drive_c/Work/Sub");
        wine.makeFolder("drive_c/My Files/Old Photos");
        wine.makeFolder("drive_c/users/anna/Documents");
        wine.makeFolder("drive_c/users/anna/Projects");
        wine.makeFolder("drive_c/Fm/Plugins");
        wine.write("drive_c/Work/notes.txt", "x");
        dataDrive.makeFolder("Music");
        wine.linkDrive('d', dataDrive.path());
    }

    void check(const std::vector<FormGroup> &groups) const
    {
        const WindowsView view = WindowsView::forPrefix(wine.prefix(), { { "USER", "anna" } });
        const DestinationRule rule =
            DestinationRule::forView(view, commanderPath(view.registry(), ""));
        for (const FormGroup &group : groups) {
            for (const char *command : group.commands) {
                SCOPED_TRACE(command);
                const DestinationCheck check = rule.ofCommand(command);
                EXPECT_EQ(check.destination, group.destination);
                EXPECT_EQ(check.reason, group.reason);
                if (group.folder) {
                    EXPECT_EQ(normalized(check.folder), group.folder);
                }
                EXPECT_EQ(stopsBrokenPathSearch(command, rule),
                    group.destination == Destination::Broken);
                if (group.reason != DestinationReason::Empty) {
                    const DestinationCheck target = rule.ofTargetPath(targetPathOf(command));
                    EXPECT_EQ(target.destination, group.destination) << "as a target path";
                    EXPECT_EQ(target.reason, group.reason) << "as a target path";
                }
            }
        }
    }
};

TEST_F(EntryDestinationForms, FoldersThatExistAreReachedByEveryForm)
{
    check({
        { { "cd C:\\Work", "CD c:\\work", "Cd C:/Work", "cD C:\\WORK\\", "cd C:/work/",
              "cd \"C:\\Work\"", "cd \"c:/work/\"", "  cd\tC:\\Work  ", "cd   \"C:\\Work\"   ",
              "cd C:\\Work\\*.txt", "cd C:/Work/*.*", "cd \"C:\\Work\\n?tes.*\"", "cd C:\\Work\\*",
              "cd C:\\Work\\Sub\\..", "cd C:\\.\\Work" },
            Destination::Exists,
            DestinationReason::None,
            nullptr },
        { { "cd C:\\My Files", "cd \"C:\\My Files\"", "cd C:/my files/", "cd \"C:\\My Files\\*.jpg\"",
              "cd C:\\My Files\\*.jpg", "cd C:\\My Files\\Old Photos", "cd \"C:\\MY FILES\\old photos\"" },
            Destination::Exists,
            DestinationReason::None,
            nullptr },
        { { "cd C:", "cd C:\\", "cd c:/", "cd C:\\*.*", "cd \"C:\\\"" },
            Destination::Exists,
            DestinationReason::None,
            "c:\\" },
        { { "cd %USERPROFILE%\\Documents", "cd %userprofile%/documents", "cd \"%UserProfile%\\Documents\"",
              "cd %USERPROFILE%\\Documents\\*.doc", "cd C:\\users\\%USERNAME%\\Documents" },
            Destination::Exists,
            DestinationReason::None,
            "c:\\users\\anna\\documents" },
        { { "cd %COMMANDER_PATH%", "cd %commander_path%\\", "cd \"%COMMANDER_PATH%\"" },
            Destination::Exists,
            DestinationReason::None,
            "c:\\fm" },
        { { "cd %Projects%", "cd %PROJECTS%\\", "cd %projects%\\*.*" },
            Destination::Exists,
            DestinationReason::None,
            "c:\\users\\anna\\projects" },
        { { "cd D:\\Music", "cd d:/music", "cd \"D:\\MUSIC\\*.mp3\"" },
            Destination::Exists,
            DestinationReason::None,
            "d:\\music" },
    });
}

TEST_F(EntryDestinationForms, FoldersThatAreGoneAreBrokenInEveryForm)
{
    check({
        { { "cd C:\\Gone", "CD c:/gone", "cd \"C:\\Gone\"", "cd C:\\Gone\\", "cd C:\\Gone\\*.txt",
              "cd \"C:\\Gone\\a?.doc\"" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\gone" },
        // A mask only counts as the last part: before it, '*' and '?' are part of a name.
        { { "cd C:\\Gone*\\Sub", "cd \"C:\\Gone*\\Sub\\\"" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\gone*\\sub" },
        { { "cd C:\\Work\\?\\Sub", "cd C:/Work/?/Sub/" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\work\\?\\sub" },
        { { "cd C:\\My Files\\Gone", "cd \"C:\\My Files\\Gone\"" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\my files\\gone" },
        { { "cd C:\\Work\\notes.txt", "cd \"C:\\Work\\notes.txt\"" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\work\\notes.txt" },
        { { "cd Q:\\Work", "cd q:/work", "cd Q:" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            nullptr },
        { { "cd %USERPROFILE%\\Music", "cd \"%userprofile%\\Music\\*.*\"" },
            Destination::Broken,
            DestinationReason::MissingFolder,
            "c:\\users\\anna\\music" },
        { { "", "   ", "cd", "CD  ", "cd \"\"", "cd \"  \"" },
            Destination::Broken,
            DestinationReason::Empty,
            "" },
    });
}

TEST_F(EntryDestinationForms, FolderChangesThatCannotBeToldAreNeverBroken)
{
    check({
        { { "cd \\Work", "cd\\Work", "cd/Work", "cd /Work", "CD\\windows", "cd \"\\Work\"",
              "cd\"\\Work\"", "cd \\Gone\\*.txt" },
            Destination::CannotTell,
            DestinationReason::NoDrive,
            nullptr },
        { { "cd Work", "cd ..", "cd..", "cd.", "cd C:Work", "cd \"Work\"" },
            Destination::CannotTell,
            DestinationReason::NoDrive,
            nullptr },
        { { "cd \\\\server\\share", "cd\\\\server\\share", "cd //server/share", "cd \"\\\\nas\\My Photos\"",
              "cd \\\\server\\share\\*.*" },
            Destination::CannotTell,
            DestinationReason::NetworkPath,
            nullptr },
        { { "cd %NOSUCH%", "cd %NoSuch%\\x", "cd \"%NOSUCH%\\My Files\"", "cd C:\\%NOSUCH%",
              "cd %Empty%\\x" },
            Destination::CannotTell,
            DestinationReason::UndefinedVariable,
            nullptr },
    });
}

TEST_F(EntryDestinationForms, OtherCommandsAreNoFolderChange)
{
    const WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    const DestinationRule rule = DestinationRule::forView(view, "C:\\Fm");
    for (const char *command : { "cdrom.exe", "notepad C:\\Work",
             "cm_SwitchToNextTab", "C:\\Work\\notes.txt", "\"C:\\Work\"", "c d C:\\Work" }) {
        SCOPED_TRACE(command);
        const DestinationCheck check = rule.ofCommand(command);
        EXPECT_EQ(check.destination, Destination::CannotTell);
        EXPECT_EQ(check.reason, DestinationReason::NotFolderChange);
    }
    // The broken-path search takes such a command's whole text as a folder.
    EXPECT_FALSE(stopsBrokenPathSearch("C:\\Work", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("c:/work/sub", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("C:\\Work\\notes.txt", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("\\\\server\\share", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("notepad C:\\Work", rule));
}

} // namespace
} // namespace torvex
