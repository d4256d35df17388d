#include "editor/CommandFolder.h"

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

TEST(CommandFolder, BrokenMeansNoExistingFolderThroughTheWindowsView)
{
    test::SyntheticPrefix wine;
    wine.makeFolder("drive_c/Data/Music");
    wine.write("drive_c/Data/tool.exe", "");
    WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    EXPECT_FALSE(isBrokenCommand("cd C:\\Data", view));
    EXPECT_FALSE(isBrokenCommand("CD  c:\\data\\MUSIC  ", view));
    EXPECT_FALSE(isBrokenCommand("C:\\Data", view));
    EXPECT_FALSE(isBrokenCommand(("cd " + (wine.path() / "drive_c").string()).c_str(), view));
    EXPECT_TRUE(isBrokenCommand("", view));
    EXPECT_TRUE(isBrokenCommand("cd ", view));
    EXPECT_TRUE(isBrokenCommand("cd C:\\Gone", view));
    EXPECT_TRUE(isBrokenCommand("C:\\Data\\tool.exe", view));
    EXPECT_TRUE(isBrokenCommand("cd Q:\\", view));
}

} // namespace
} // namespace torvex
