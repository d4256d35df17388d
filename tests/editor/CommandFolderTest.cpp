#include "editor/CommandFolder.h"

#include "platform/WindowsView.h"
#include "support/SyntheticPrefix.h"
#include "support/TreeBuilder.h"

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

TEST(CommandFolder, BrokenPathItemsSkipSubmenusAndSeparators)
{
    test::SyntheticPrefix wine;
    wine.makeFolder("drive_c/Data");
    WindowsView view = WindowsView::forPrefix(wine.prefix(), {});
    MenuTree tree;
    test::buildTree(tree,
        "Data|cd C:\\Data\n"
        "Sub|cd C:\\Gone\n"
        "  Inner|cd  c:\\data \n"
        "  Lost|cd C:\\Gone\n"
        "-\n"
        "Empty\n");
    auto numbers = [](const std::vector<BrokenPathItem> &items) {
        std::vector<std::size_t> out;
        for (const auto &item : items)
            out.push_back(item.menuNumber);
        return out;
    };
    auto withEmpty = brokenPathItems(tree, view, true);
    EXPECT_EQ(numbers(withEmpty), (std::vector<std::size_t> { 4, 6 }));
    ASSERT_EQ(withEmpty.size(), 2u);
    EXPECT_EQ(withEmpty[0].title, "Lost");
    EXPECT_EQ(numbers(brokenPathItems(tree, view, false)), (std::vector<std::size_t> { 4 }));
}

} // namespace
} // namespace torvex
