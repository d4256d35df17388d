#include "menu/DirMenuFile.h"

#include "menu/FileSystem.h"
#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::buildTree;
using test::outline;
using test::readFile;
using test::TempDir;

// Records what loading and saving tell the window.
class RecordingUi : public MenuFileUi
{
public:
    std::vector<std::string> events;
    test::ScriptedMessageBoxes boxes;

    void showStatus(const std::string &text) override { events.push_back("status " + text); }
    void setBusyCursor(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
    void setMenusEnabled(bool on) override { events.push_back(on ? "menus on" : "menus off"); }
    void setPanelsEnabled(bool on) override { events.push_back(on ? "panels on" : "panels off"); }
    void afterLoad() override { events.push_back("after load"); }
    void saveFailed(const std::string &message, const std::string &cause) override
    {
        events.push_back("failed " + message + " | " + cause);
    }
    MessageBoxes *messageBoxes() override { return &boxes; }
};

class DirMenuFile : public ::testing::Test
{
protected:
    TempDir dir;
    MenuTree tree;
    RecordingUi ui;
};

TEST_F(DirMenuFile, LoadReportsProgressAndSelectsTheFirstNode)
{
    const std::string file = dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n");
    buildTree(tree, "Old\n");
    ASSERT_TRUE(loadData(file, tree, ui, FileSystem::real()));
    EXPECT_EQ(outline(tree), "Home|cd c:\\\n");
    EXPECT_EQ(tree.selected(), tree.first());
    EXPECT_EQ(ui.events,
        (std::vector<std::string> { "status Loading data...",
            "panels off",
            "menus off",
            "busy",
            "status 50%",
            "status 100%",
            "menus on",
            "idle",
            "after load",
            "panels on",
            "menus on",
            "status ",
            "idle" }));
}

TEST_F(DirMenuFile, MissingFileShowsTheMessageAndKeepsTheTree)
{
    buildTree(tree, "Keep\n");
    EXPECT_FALSE(loadData(dir.file("gone.ini"), tree, ui, FileSystem::real()));
    EXPECT_EQ(outline(tree), "Keep\n");
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes.last().text,
        "Can't find Windows Commander's ini file:   \r\n" + dir.file("gone.ini")
            + "\r\n\r\nAborting...");
    EXPECT_EQ(ui.boxes.last().caption, "Can't find ini file");
    EXPECT_EQ(ui.boxes.last().icon, MsgIcon::Information);
}

TEST_F(DirMenuFile, AFileWithoutTheSectionGivesAnEmptyTree)
{
    buildTree(tree, "Old\n");
    EXPECT_TRUE(loadData(dir.write("w.ini", "[Other]\r\na=1\r\n"), tree, ui, FileSystem::real()));
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(tree.selected(), nullptr);
}

TEST_F(DirMenuFile, UnreadableFileLeavesTheTreeAndThrows)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=x\r\n");
    buildTree(tree, "Keep\n");
    test::FaultyFileSystem fs;
    fs.failReads = true;
    EXPECT_THROW(loadData(file, tree, ui, fs), IniReadError);
    EXPECT_EQ(outline(tree), "Keep\n");
    EXPECT_EQ(ui.events.back(), "idle") << "the cursor is restored";
}

TEST_F(DirMenuFile, SaveWritesTheSectionLastAndReportsDone)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=old\r\n[Other]\r\na=1\r\n");
    buildTree(tree, "New|cd d:\\\n");
    EXPECT_TRUE(gemData(file, tree, ui, FileSystem::real()));
    EXPECT_EQ(readFile(file), "[Other]\r\na=1\r\n[DirMenu]\r\nmenu1=New\r\ncmd1=cd d:\\\r\n");
    EXPECT_EQ(ui.events,
        (std::vector<std::string> { "menus off",
            "status Saving data...",
            "busy",
            "status 100%",
            "idle",
            "status  Data saved",
            "menus on" }));
}

TEST_F(DirMenuFile, SaveDoesNothingForAnEmptyTreeOrAMissingFile)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=old\r\n");
    MenuTree empty;
    EXPECT_FALSE(gemData(file, empty, ui, FileSystem::real()));
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\n");

    buildTree(tree, "x\n");
    EXPECT_FALSE(gemData(dir.file("missing.ini"), tree, ui, FileSystem::real()));
    EXPECT_EQ(ui.events, (std::vector<std::string> { "menus off", "menus on" }));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.ini")));
}

TEST_F(DirMenuFile, FailedSaveLeavesTheFileAndSaysWhyNothingWasSaved)
{
    const std::string original = "[DirMenu]\r\nmenu1=old\r\ncmd1=cd c:\\\r\n[Other]\r\na=1\r\n";
    const std::string file = dir.write("w.ini", original);
    buildTree(tree, "New\n");
    test::FaultyFileSystem failing;
    failing.failWrites = true;
    test::FaultyFileSystem readOnly;
    readOnly.refusal = readOnlyFileCause;
    for (auto [fs, cause] : { std::pair { &failing, "No space left on device" },
             std::pair { &readOnly, readOnlyFileCause } }) {
        EXPECT_FALSE(gemData(file, tree, ui, *fs));
        EXPECT_EQ(readFile(file), original);
        const std::vector<std::string> tail(ui.events.end() - 4, ui.events.end());
        EXPECT_EQ(tail,
            (std::vector<std::string> { "idle",
                "status Save failed: nothing was saved",
                "failed Unable to write to " + file + " | " + cause,
                "menus on" }));
    }
}

} // namespace
} // namespace torvex
