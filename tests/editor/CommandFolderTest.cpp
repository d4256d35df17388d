#include "editor/CommandFolder.h"

#include "editor/EntryDestination.h"
#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct FolderCase
{
    const char *command;
    const char *folder;
};

TEST(CommandFolder, DropsALeadingCdAndTrimsBlanksAndControls)
{
    const FolderCase cases[] = {
        { "cd C:\\Data", "C:\\Data" },
        { "CD  D:\\Data  ", "D:\\Data" },
        { "Cd\tC:\\x\r\n", "C:\\x" },
        { "cD", "" },
        { "D:\\Data", "D:\\Data" },
        { "  cd C:\\x", "cd C:\\x" }, // only a leading "cd" goes
        { "cdrom", "rom" },
        { "", "" },
        { "c", "c" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(commandFolder(c.command), c.folder) << c.command;
}

TEST(CommandFolder, TheBrokenPathSearchStopsAtBrokenFolderChangesAndOtherCommands)
{
    test::SyntheticPrefix wine;
    wine.makeFolder("drive_c/Data/Music");
    wine.write("drive_c/Data/tool.exe", "");
    WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    const DestinationRule rule = DestinationRule::forView(view, "C:\\Data");
    EXPECT_FALSE(stopsBrokenPathSearch("cd C:\\Data", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("CD  c:\\data\\MUSIC  ", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("C:\\Data", rule)) << "an existing folder without cd";
    EXPECT_FALSE(stopsBrokenPathSearch("cd %COMMANDER_PATH%\\Music", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("cd \"C:\\Data\\*.mp3\"", rule));
    // Folder changes the rule cannot tell are skipped, never reported.
    EXPECT_FALSE(stopsBrokenPathSearch("cd %NOSUCH%\\x", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("cd \\\\server\\share", rule));
    EXPECT_FALSE(stopsBrokenPathSearch("cd \\windows", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("cd ", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("cd C:\\Gone", rule));
    EXPECT_TRUE(stopsBrokenPathSearch("C:\\Data\\tool.exe", rule)) << "a program counts as broken";
    EXPECT_TRUE(stopsBrokenPathSearch("cd Q:\\", rule));
}

} // namespace
} // namespace torvex
