// The backup a save keeps before it writes, seen from the save steps: where it went, and what
// happens when none can be kept.

#include "app/MenuFileSteps.h"
#include "menu/IniError.h"
#include "files/SaveBackup.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::readFile;

// Every backup copy fails for want of space; other writes go through.
class NoRoomForBackups : public test::FaultyFileSystem
{
public:
    using FaultyFileSystem::FaultyFileSystem;
    void writeOwnCopy(
        const std::string &path, const FileContent &content, const std::string &modeOf) override
    {
        if (path.ends_with(".bak"))
            throw IniWriteError(path, "No space left on device");
        FaultyFileSystem::writeOwnCopy(path, content, modeOf);
    }
};

class StatusUi : public MenuFileUi
{
public:
    std::string status;
    test::ScriptedMessageBoxes boxes;
    void showStatus(const std::string &text) override { status = text; }
    MessageBoxes *messageBoxes() override { return &boxes; }
};

class SaveSafeguardsTest : public ::testing::Test
{
protected:
    test::TempDir dir;
    test::TempDir state;
    NoRoomForBackups fs { state.path() / "recovery" };
    SaveBackup backup { fs, state.path() / "torvex" };
    StatusUi ui;
    LoadedFile loaded;
    MenuTree tree;
    const std::string before = "[DirMenu]\r\nmenu1=Old\r\n";
    std::string ini = dir.write("wincmd.ini", before);

    int checksPassed = 0;

    SaveOutcome save()
    {
        SaveSafeguards safeguards;
        safeguards.backup = &backup;
        safeguards.checked = [this] {
            ++checksPassed;
        };
        return saveMenuInteractively(ini, tree, ui, fs, loaded, safeguards).outcome;
    }
};

TEST_F(SaveSafeguardsTest, ABackupThatCannotBeKeptStopsTheSaveUnlessTheUserSavesWithoutIt)
{
    test::buildTree(tree, "New\n");
    ui.boxes.answerChoice(1);
    EXPECT_EQ(save(), SaveOutcome::Declined);
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    const auto &box = ui.boxes.last();
    EXPECT_EQ(box.caption, "No backup");
    EXPECT_EQ(box.buttonTexts, (std::vector<std::string> { "Save without backup", "Cancel" }));
    EXPECT_EQ(box.defaultButton, 1u);
    const std::string stateCopy =
        (state.path() / "torvex" / SaveBackup::stateFolderName(ini)).string();
    EXPECT_EQ(box.text,
        "No backup of " + ini + " could be kept:\r\nUnable to write to " + stateCopy
            + ": No space left on device\r\n\r\nSave without a backup?");
    EXPECT_EQ(readFile(ini), before);

    ui.boxes.answerChoice(0);
    EXPECT_EQ(save(), SaveOutcome::Saved);
    EXPECT_EQ(readFile(ini), "[DirMenu]\r\nmenu1=New\r\ncmd1=\r\n");
    EXPECT_EQ(ui.status, " Data saved");
}

TEST_F(SaveSafeguardsTest, TheChecksAreToldOverOnlyWhenNoQuestionStoppedTheSaveBeforeTheBackup)
{
    test::buildTree(tree, "New\n");
    tree.setTitle(tree.first(), "--New"); // a title the file cannot store
    ui.boxes.answerChoice(1); // Cancel
    EXPECT_EQ(save(), SaveOutcome::Declined);
    EXPECT_EQ(checksPassed, 0);

    tree.setTitle(tree.first(), "New");
    ui.boxes.answerChoice(1); // no backup: Cancel
    EXPECT_EQ(save(), SaveOutcome::Declined);
    EXPECT_EQ(ui.boxes.last().caption, "No backup");
    EXPECT_EQ(checksPassed, 1);
    EXPECT_EQ(readFile(ini), before);
}

TEST_F(SaveSafeguardsTest, ABackupInTheStateFolderIsNamedInTheStatus)
{
    // The file's folder cannot be written; the state folder can.
    class LockedFolder : public test::FaultyFileSystem
    {
    public:
        LockedFolder(std::filesystem::path recovery, std::string lockedFolder)
            : FaultyFileSystem(std::move(recovery))
            , m_locked(std::move(lockedFolder))
        { }
        bool folderWritable(const std::string &folder) const override
        {
            return std::filesystem::path(folder) != std::filesystem::path(m_locked);
        }

    private:
        std::string m_locked;
    } locked { state.path() / "recovery", dir.path().string() };
    SaveBackup elsewhere { locked, state.path() / "torvex" };
    SaveSafeguards safeguards;
    safeguards.backup = &elsewhere;
    test::buildTree(tree, "New\n");
    EXPECT_EQ(saveMenuInteractively(ini, tree, ui, locked, loaded, safeguards).outcome, SaveOutcome::Saved);
    const std::string copy = (state.path() / "torvex" / SaveBackup::stateFolderName(ini)).string();
    EXPECT_EQ(readFile(copy), before);
    EXPECT_EQ(ui.status, " Data saved; the file as it was is kept in " + copy);
    EXPECT_EQ(readFile(ini), "[DirMenu]\r\nmenu1=New\r\ncmd1=\r\n");
}

} // namespace
} // namespace torvex
