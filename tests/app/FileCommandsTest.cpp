#include "app/FileCommands.h"

#include "app/ErrorReporter.h"
#include "app/MenuFileSteps.h"
#include "app/RecentFiles.h"
#include "app/Session.h"
#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "settings/ProgramSettings.h"
#include "support/FaultyFileSystem.h"
#include "support/LogWatchingBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <deque>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::buildTree;
using test::FaultyFileSystem;
using test::LogWatchingBoxes;
using test::outline;
using test::readFile;
using test::TempDir;

const std::string otherSections = "[Configuration]\r\nInstallDir=c:\\fm\r\n";

// The main window as the commands see it, over the real reader, writer and error log.
class FakeWindow : public FileCommandsHost, public MenuFileUi
{
public:
    TempDir dir;
    MenuTree tree;
    LogWatchingBoxes boxes;
    FaultyFileSystem fs;
    ErrorLog log { dir.path().string() };
    ErrorReporter reporter { log,
        [this] {
            return session.logContext();
        },
        *this };
    Session session;
    FileCommands commands { *this, tree, session };
    LoadedFile loaded;

    std::deque<std::optional<std::string>> chooserAnswers;
    std::vector<std::string> chooserCaptions;
    std::vector<std::string> chooserPaths;
    std::vector<std::string> events;
    std::string panel = " Load ini file by clicking Open in the File menu...";
    std::string status;
    bool confirm = true;
    bool settingsFail = false;
    bool closed = false;

    FakeWindow()
    {
        boxes.logPath = log.path();
        session.setAppTitle("Torvex v1.2");
    }

    // Fills candidate slot `n` (1 to 4) with `path` and returns it.
    std::string setCandidate(int n, std::string path)
    {
        IniCandidates found = session.candidates();
        found.slots.at(n - 1) = std::move(path);
        session.setCandidates(found);
        return found.slot(n);
    }
    std::string candidate(int n) const { return session.candidates().slot(n); }

    std::string iniFile(const std::string &name, const std::string &dirMenu)
    {
        return dir.write(name, otherSections + "[DirMenu]\r\n" + dirMenu);
    }

    std::optional<std::string> chooseIniFile(
        const LocalText &caption, const std::vector<std::string> &paths) override
    {
        chooserCaptions.push_back(caption.english());
        chooserPaths = paths;
        events.push_back("chooser");
        if (chooserAnswers.empty())
            return std::nullopt;
        auto answer = chooserAnswers.front();
        chooserAnswers.pop_front();
        return answer;
    }
    MessageBoxes &messages() override { return boxes; }
    MessageBoxes *messageBoxes() override { return &boxes; }
    bool openMenuFile(const std::string &path) override
    {
        events.push_back("load");
        return torvex::loadMenuInteractively(path, tree, *this, fs, loaded);
    }
    SaveOutcome saveMenuToFile(const std::string &path) override
    {
        events.push_back("save");
        return torvex::saveMenuInteractively(path, tree, *this, fs, loaded).outcome;
    }
    bool fileExists(const std::string &path) const override { return fs.fileExists(path); }
    void setIniPanelText(const std::string &text) override { panel = text; }
    bool confirmExitWithoutSaving() override { return confirm; }
    void closeWindow() override
    {
        events.push_back("close");
        closed = commands.formClose() == CloseDecision::Close;
    }
    void writeWindowSettings() override
    {
        events.push_back("settings");
        if (settingsFail)
            throw IniWriteError(dir.file("torvex.ini"));
    }
    void reportError(const std::string &message) override
    {
        reporter.globalError("TForm1", message);
    }
    void showStatus(const std::string &text) override { status = text; }
    void saveFailed(const std::string &message, const std::string &cause) override
    {
        reporter.saveFailed(message, cause);
    }

    int logEntries() const
    {
        const std::string text = readFile(log.path());
        int count = 0;
        for (std::size_t at = text.find("------------------------\r\n"); at != std::string::npos;
             at = text.find("------------------------\r\n", at + 1))
            ++count;
        return count;
    }
};

TEST(FileCommandsTest, OpenWithLoadedTreeAndYesSavesWithoutTheChooser)
{
    FakeWindow w;
    w.session.setCurrentIniFile(
        w.setCandidate(1, w.iniFile("a.ini", "menu1=Old\r\ncmd1=cd old\r\n")));
    w.setCandidate(2, w.iniFile("b.ini", "menu1=B\r\n"));
    buildTree(w.tree, "New|cd new");
    w.boxes.answer(MsgResult::Yes);
    w.commands.fileOpen();
    ASSERT_EQ(w.boxes.boxes().size(), 1u);
    EXPECT_EQ(w.boxes.last().text, "Save menus?");
    EXPECT_EQ(w.boxes.last().caption, " Save?");
    EXPECT_EQ(w.boxes.last().icon, MsgIcon::Question);
    EXPECT_EQ(w.boxes.last().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(w.events, (std::vector<std::string> { "save" }));
    EXPECT_EQ(readFile(w.session.currentIniFile()),
        otherSections + "[DirMenu]\r\nmenu1=New\r\ncmd1=cd new\r\n");
}

TEST(FileCommandsTest, OpenAnsweredNoOrCancel)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
    w.setCandidate(3, w.iniFile("b.ini", "menu1=B\r\n"));
    buildTree(w.tree, "Edited");
    const std::string before = readFile(w.session.currentIniFile());

    w.boxes.answer(MsgResult::Cancel);
    w.commands.fileOpen();
    EXPECT_TRUE(w.events.empty());

    w.boxes.answer(MsgResult::No);
    w.chooserAnswers.push_back(w.candidate(3));
    w.commands.fileOpen();
    EXPECT_EQ(w.events, (std::vector<std::string> { "chooser", "load" }));
    EXPECT_EQ(w.chooserCaptions.back(), " Choose ini file to get data from");
    EXPECT_EQ(w.chooserPaths, (std::vector<std::string> { w.candidate(1), w.candidate(3) }));
    EXPECT_EQ(w.session.currentIniFile(), w.candidate(3));
    EXPECT_EQ(w.panel, " " + w.candidate(3));
    EXPECT_EQ(outline(w.tree), "B\n");
    EXPECT_EQ(readFile(w.candidate(1)), before);
}

TEST(FileCommandsTest, OpenWithNodesButNoFileReplacesThemWithoutAsking)
{
    FakeWindow w;
    w.setCandidate(4, w.iniFile("a.ini", "menu1=A\r\n"));
    buildTree(w.tree, "Unsaved");
    w.chooserAnswers.push_back(w.candidate(4));
    w.commands.fileOpen();
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_EQ(outline(w.tree), "A\n");
}

TEST(FileCommandsTest, ChooserWithoutCandidatesOrWithAVanishedFile)
{
    FakeWindow w;
    w.commands.fileOpen();
    ASSERT_EQ(w.boxes.boxes().size(), 1u);
    EXPECT_EQ(w.boxes.last().text, "No ini file (wincmd.ini) was found!");
    EXPECT_EQ(w.boxes.last().caption, " No ini file found!");
    EXPECT_EQ(w.boxes.last().icon, MsgIcon::Error);
    EXPECT_TRUE(w.chooserCaptions.empty());

    w.setCandidate(2, w.dir.file("gone.ini"));
    w.chooserAnswers.push_back(w.candidate(2));
    w.commands.fileOpen();
    EXPECT_EQ(w.boxes.last().text, "Can't find this ini file:\r\n" + w.candidate(2));
    EXPECT_EQ(w.boxes.last().caption, " Selected ini file not found!");
    EXPECT_EQ(w.boxes.last().icon, MsgIcon::Error);
    // The missing choice becomes the current file; the panel keeps the old text.
    EXPECT_EQ(w.session.currentIniFile(), w.candidate(2));
    EXPECT_EQ(w.panel, " Load ini file by clicking Open in the File menu...");
    EXPECT_EQ(w.events, (std::vector<std::string> { "chooser" }));
}

TEST(FileCommandsTest, SaveWithEmptyTreeHasNothingToSave)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "; no entries\r\n")));
    const std::string before = readFile(w.session.currentIniFile());
    w.commands.fileSave();
    w.commands.fileSaveAs();
    ASSERT_EQ(w.boxes.boxes().size(), 2u);
    for (const auto &box : w.boxes.boxes()) {
        EXPECT_EQ(box.text, "Nothing to save...     ");
        EXPECT_EQ(box.caption, " Nothing to save");
        EXPECT_EQ(box.icon, MsgIcon::Information);
    }
    EXPECT_EQ(readFile(w.session.currentIniFile()), before);
}

TEST(FileCommandsTest, SaveWritesTheCurrentFileOrFallsBackToTheChooser)
{
    FakeWindow w;
    w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n"));
    w.setCandidate(2, w.iniFile("b.ini", "menu1=B\r\n"));
    buildTree(w.tree, "T|cd t");

    w.chooserAnswers.push_back(w.candidate(2));
    w.commands.fileSave();
    EXPECT_EQ(w.chooserCaptions, (std::vector<std::string> { " Choose ini file to save data in" }));
    EXPECT_EQ(w.session.currentIniFile(), w.candidate(2));
    EXPECT_EQ(w.panel, " " + w.candidate(2));
    EXPECT_EQ(readFile(w.candidate(2)), otherSections + "[DirMenu]\r\nmenu1=T\r\ncmd1=cd t\r\n");

    w.events.clear();
    w.commands.fileSave();
    EXPECT_EQ(w.events, (std::vector<std::string> { "save" }));

    w.events.clear();
    w.chooserAnswers.push_back(w.candidate(1));
    w.commands.fileSaveAs();
    EXPECT_EQ(w.events, (std::vector<std::string> { "chooser", "save" }));
    EXPECT_EQ(w.session.currentIniFile(), w.candidate(1));
    EXPECT_EQ(readFile(w.candidate(1)), readFile(w.candidate(2)));
}

TEST(FileCommandsTest, ExitWithoutSavingWithConfirmationOffClosesAtOnce)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
    const std::string before = readFile(w.session.currentIniFile());
    buildTree(w.tree, "Edited");
    w.confirm = false;
    w.commands.fileExitWithoutSaving();
    EXPECT_TRUE(w.closed);
    EXPECT_TRUE(w.session.exitWithoutSaving());
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_EQ(w.events, (std::vector<std::string> { "close", "settings" }));
    EXPECT_EQ(readFile(w.session.currentIniFile()), before);
}

TEST(FileCommandsTest, ExitWithoutSavingAsks)
{
    struct Case
    {
        MsgResult answer;
        bool closed;
        bool saved;
    };
    for (const Case c : { Case { MsgResult::Yes, true, false },
             Case { MsgResult::No, true, true },
             Case { MsgResult::Cancel, false, false } }) {
        FakeWindow w;
        w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
        const std::string before = readFile(w.session.currentIniFile());
        buildTree(w.tree, "Edited");
        w.boxes.answer(c.answer);
        w.commands.fileExitWithoutSaving();
        ASSERT_EQ(w.boxes.boxes().size(), 1u);
        EXPECT_EQ(w.boxes.last().text,
            "Do you want to exit without saving any changes you might have made?");
        EXPECT_EQ(w.boxes.last().caption, " Exit without saving?");
        EXPECT_EQ(w.boxes.last().icon, MsgIcon::Question);
        EXPECT_EQ(w.boxes.last().buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(w.closed, c.closed);
        EXPECT_EQ(readFile(w.session.currentIniFile()) != before, c.saved);
    }
}

TEST(FileCommandsTest, ExitWithoutSavingWithNothingLoadedLeavesWithoutAsking)
{
    FakeWindow w;
    w.commands.fileExitWithoutSaving();
    EXPECT_TRUE(w.closed);
    EXPECT_TRUE(w.boxes.empty());
}

TEST(FileCommandsTest, ClosingStoresSettingsFirstThenSavesLikeExitAndSave)
{
    for (const bool viaCommand : { false, true }) {
        FakeWindow w;
        w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n"));
        w.chooserAnswers.push_back(w.candidate(1));
        w.commands.fileOpen();
        w.tree.setTitle(w.tree.first(), "Edited");
        w.events.clear();
        if (viaCommand)
            w.commands.fileExitAndSave();
        else
            w.closeWindow(); // the close button, Alt+F4, the window manager
        EXPECT_TRUE(w.closed);
        EXPECT_EQ(w.events, (std::vector<std::string> { "close", "settings", "save" }));
        EXPECT_EQ(readFile(w.session.currentIniFile()),
            otherSections + "[DirMenu]\r\nmenu1=Edited\r\ncmd1=\r\n");
    }
}

TEST(FileCommandsTest, ClosingWithNodesButNoExistingFileKeepsTheWindowOpen)
{
    FakeWindow w;
    w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n"));
    buildTree(w.tree, "New");
    w.closeWindow();
    EXPECT_FALSE(w.closed);
    EXPECT_EQ(w.chooserCaptions, (std::vector<std::string> { " Choose ini file to save data in" }));

    // Without any candidate the chooser cannot be filled; Exit without saving then leaves.
    FakeWindow none;
    buildTree(none.tree, "New");
    none.closeWindow();
    EXPECT_FALSE(none.closed);
    EXPECT_EQ(none.boxes.last().text, "No ini file (wincmd.ini) was found!");
    none.boxes.answer(MsgResult::Yes);
    none.commands.fileExitWithoutSaving();
    EXPECT_TRUE(none.closed);
}

TEST(FileCommandsTest, SavingAnEmptiedMenuAsksBeforeRemovingEveryEntry)
{
    for (const MsgResult answer : { MsgResult::No, MsgResult::Yes }) {
        FakeWindow w;
        w.session.setCurrentIniFile(
            w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\nmenu2=B\r\nmenu3=C\r\n")));
        const std::string before = readFile(w.session.currentIniFile());
        w.boxes.answer(answer);
        w.commands.fileSave();
        ASSERT_EQ(w.boxes.boxes().size(), 1u);
        EXPECT_EQ(w.boxes.last().text, "Remove all 3 entries from the file?");
        EXPECT_EQ(w.boxes.last().defaultAnswer, MsgResult::No);
        EXPECT_EQ(readFile(w.session.currentIniFile()),
            answer == MsgResult::Yes ? otherSections + "[DirMenu]\r\n" : before);
    }
}

TEST(FileCommandsTest, ClosingWithEmptyTreeAsksTheSameAndClosesEitherWay)
{
    for (const MsgResult answer : { MsgResult::No, MsgResult::Yes }) {
        FakeWindow w;
        w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
        const std::string before = readFile(w.session.currentIniFile());
        w.boxes.answer(answer);
        w.closeWindow();
        EXPECT_TRUE(w.closed);
        EXPECT_EQ(w.boxes.last().text, "Remove the 1 entry from the file?");
        EXPECT_EQ(readFile(w.session.currentIniFile()),
            answer == MsgResult::Yes ? otherSections + "[DirMenu]\r\n" : before);
    }
}

TEST(FileCommandsTest, LinesTheMenuDoesNotShowAreRemovedOnlyAfterOneQuestionPerLoad)
{
    FakeWindow w;
    w.setCandidate(1, w.iniFile("a.ini", "; mine\r\nmenu1=A\r\ncmd1=cd a\r\nmenu5=Far\r\n"));
    w.chooserAnswers.push_back(w.candidate(1));
    w.commands.fileOpen();
    const std::string before = readFile(w.candidate(1));

    w.boxes.answer(MsgResult::Cancel);
    w.commands.fileSave();
    ASSERT_EQ(w.boxes.boxes().size(), 1u);
    const auto &box = w.boxes.last();
    EXPECT_EQ(box.text,
        "The file holds 2 lines that the menu does not show; saving will remove them.\r\n"
        "\r\nline 4: ; mine (a comment)"
        "\r\nline 7: menu5=Far (past a gap in the numbering, where the file manager stops "
        "reading)");
    EXPECT_EQ(box.caption, "Lines not shown");
    EXPECT_EQ(box.buttonTexts, (std::vector<std::string> { "Save and remove them", "Cancel" }));
    EXPECT_EQ(box.defaultButton, 1u);
    EXPECT_EQ(box.escapeButton, 1u);
    EXPECT_EQ(readFile(w.candidate(1)), before);

    // The close-time save asks the same; Cancel keeps the window and the file.
    w.boxes.answer(MsgResult::Cancel);
    w.closeWindow();
    EXPECT_FALSE(w.closed);
    EXPECT_EQ(w.boxes.boxes().size(), 2u);
    EXPECT_EQ(readFile(w.candidate(1)), before);

    // Agreed once, the next saves of this load go ahead without asking.
    w.fs.failWrites = true;
    w.boxes.answerChoice(0);
    w.commands.fileSave();
    w.fs.failWrites = false;
    w.boxes.reset();
    w.commands.fileSave();
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_EQ(readFile(w.candidate(1)), otherSections + "[DirMenu]\r\nmenu1=A\r\ncmd1=cd a\r\n");

    // A new load of a file with such lines asks again.
    w.iniFile("a.ini", "menu1=A\r\n\r\ncmd1=cd a\r\n");
    w.chooserAnswers.push_back(w.candidate(1));
    w.boxes.answer(MsgResult::No); // "Save menus?"
    w.commands.fileOpen();
    w.boxes.answer(MsgResult::Cancel);
    w.commands.fileSave();
    EXPECT_EQ(w.boxes.last().buttonTexts.front(), "Save and remove them");
}

TEST(FileCommandsTest, EntriesTheFileCannotStoreAreNamedBeforeEverySave)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
    const std::string before = readFile(w.session.currentIniFile());
    buildTree(w.tree, "Projects\n  -Old-\n    Docs|cd d\n  Fine|cd f\n-\n  Child\n");

    w.boxes.answer(MsgResult::Cancel);
    w.commands.fileSave();
    ASSERT_EQ(w.boxes.boxes().size(), 1u);
    EXPECT_EQ(w.boxes.last().text,
        "The file cannot store these entries as they are:\r\n"
        "\r\nentry 1, under Projects (saved as number 2): a submenu title beginning with \"-\" "
        "reads back as the end of a submenu"
        "\r\nentry 2, at the top level (saved as number 7): a separator cannot hold entries\r\n"
        "\r\nSaved anyway, they read back changed or not at all.");
    EXPECT_EQ(w.boxes.last().caption, "Cannot be stored");
    EXPECT_EQ(w.boxes.last().buttonTexts, (std::vector<std::string> { "Save anyway", "Cancel" }));
    EXPECT_EQ(w.boxes.last().defaultButton, 1u);
    EXPECT_EQ(readFile(w.session.currentIniFile()), before);

    w.boxes.answer(MsgResult::Cancel);
    w.closeWindow();
    EXPECT_FALSE(w.closed);
    EXPECT_EQ(readFile(w.session.currentIniFile()), before);

    w.boxes.answerChoice(0);
    w.commands.fileSave();
    EXPECT_NE(readFile(w.session.currentIniFile()).find("menu2=--Old-"), std::string::npos);
}

TEST(FileCommandsTest, SaveThatCannotWriteIsLoggedBeforeItsBoxAndChangesNothing)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
    const std::string before = readFile(w.session.currentIniFile());
    buildTree(w.tree, "Edited");
    w.fs.failWrites = true;
    w.commands.fileSave();
    EXPECT_EQ(readFile(w.session.currentIniFile()), before);
    EXPECT_EQ(w.logEntries(), 1);
    ASSERT_EQ(w.boxes.boxes().size(), 1u);
    EXPECT_EQ(w.boxes.last().text,
        "Unable to write to " + w.session.currentIniFile() + "\r\nNo space left on device");
    EXPECT_EQ(w.boxes.last().caption, "Error");
    EXPECT_EQ(w.boxes.last().icon, MsgIcon::Warning);
    EXPECT_EQ(w.boxes.logAtBox[0], readFile(w.log.path()));
    EXPECT_NE(readFile(w.log.path())
                  .find("Last error: Unable to write to " + w.session.currentIniFile()
                      + ": No space left on device\r\n"),
        std::string::npos);
    EXPECT_EQ(w.status, "Save failed: nothing was saved");
}

TEST(FileCommandsTest, CloseAfterAFailedSaveAsksAndNamesWhatWasNotSaved)
{
    for (const MsgResult answer : { MsgResult::No, MsgResult::Yes }) {
        FakeWindow w;
        w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
        const std::string before = readFile(w.session.currentIniFile());
        buildTree(w.tree, "Edited");
        w.fs.failWrites = true;
        w.settingsFail = true;
        w.boxes.answer(MsgResult::Ok); // settings failure
        w.boxes.answer(MsgResult::Ok); // save failure
        w.boxes.answer(answer);
        w.closeWindow();
        ASSERT_EQ(w.boxes.boxes().size(), 3u);
        EXPECT_EQ(w.boxes.boxes()[0].text,
            "Unable to write to " + w.dir.file("torvex.ini")
                + "\r\nThe window settings were not saved.");
        EXPECT_EQ(w.boxes.boxes()[1].caption, "Error");
        EXPECT_EQ(w.boxes.last().text,
            "The menu was not saved to " + w.session.currentIniFile()
                + ".\r\nThe window settings were not saved.\r\n\r\nClose anyway?");
        EXPECT_EQ(w.boxes.last().caption, "Not saved");
        EXPECT_EQ(w.boxes.last().buttons, MsgButtons::YesNo);
        EXPECT_EQ(w.boxes.last().defaultAnswer, MsgResult::No) << "Enter keeps the edits";
        EXPECT_EQ(w.closed, answer == MsgResult::Yes);
        EXPECT_EQ(readFile(w.session.currentIniFile()), before);
        EXPECT_EQ(w.logEntries(), 2);
    }
}

TEST(FileCommandsTest, SettingsThatCannotBeWrittenDoNotStopTheSaveOrTheClose)
{
    FakeWindow w;
    w.session.setCurrentIniFile(w.setCandidate(1, w.iniFile("a.ini", "menu1=A\r\n")));
    buildTree(w.tree, "Edited");
    w.settingsFail = true;
    w.closeWindow();
    EXPECT_TRUE(w.closed);
    EXPECT_EQ(w.boxes.boxes().size(), 1u);
    EXPECT_EQ(readFile(w.session.currentIniFile()),
        otherSections + "[DirMenu]\r\nmenu1=Edited\r\ncmd1=\r\n");
    EXPECT_NE(readFile(w.log.path()).find("Sender: TForm1\r\n"), std::string::npos);
}

TEST(FileCommandsTest, ConfirmationSettingIsOnUnlessStoredOff)
{
    TempDir dir;
    FaultyFileSystem fs;
    const std::string path = dir.file("torvex.ini");
    EXPECT_TRUE(askBeforeExitWithoutSaving(ProgramSettings(path, fs)));
    dir.write("torvex.ini", "[form2]\r\nCBoxAsk=0\r\n");
    EXPECT_FALSE(askBeforeExitWithoutSaving(ProgramSettings(path, fs)));
    dir.write("torvex.ini", "[form2]\r\nCBoxAsk=true\r\n");
    EXPECT_TRUE(askBeforeExitWithoutSaving(ProgramSettings(path, fs)));
    dir.write("torvex.ini", "[form2]\r\nCBoxAsk=0\r\n");
    fs.failReads = true;
    EXPECT_TRUE(askBeforeExitWithoutSaving(ProgramSettings(path, fs)));
}

} // namespace
} // namespace torvex

namespace torvex {
namespace {

TEST(RecentFiles, NewestFirstEachOnceAtMostEightAndStoredInTorvexIni)
{
    std::vector<std::string> files;
    for (int i = 1; i <= 9; ++i)
        files = withRecentFile(files, "/f" + std::to_string(i));
    ASSERT_EQ(files.size(), recentFilesLimit);
    EXPECT_EQ(files.front(), "/f9");
    EXPECT_EQ(files.back(), "/f2") << "the oldest goes";
    files = withRecentFile(files, "/f5");
    EXPECT_EQ(files, (std::vector<std::string> { "/f5", "/f9", "/f8", "/f7", "/f6", "/f4", "/f3", "/f2" }));

    TempDir dir;
    ProgramSettings settings(dir.file("torvex.ini"));
    writeRecentFiles(settings, files);
    EXPECT_EQ(readRecentFiles(settings), files);
    writeRecentFiles(settings, { "/a" });
    EXPECT_EQ(readRecentFiles(settings), (std::vector<std::string> { "/a" })) << "older keys cleared";
    EXPECT_NE(readFile(dir.file("torvex.ini")).find("[RecentFiles]"), std::string::npos);
}

TEST(SaveQuestions, ALongListOfRemovedLinesIsWholeInTheDetails)
{
    std::vector<DirMenuFinding> lines;
    for (std::size_t i = 1; i <= questionListLimit; ++i)
        lines.push_back({ i, "; note " + std::to_string(i), loadFindingReason::comment });
    EXPECT_EQ(notShownDetails(lines).english(), "") << "the question itself shows them all";

    lines.push_back({ 99, "menu1=Other", loadFindingReason::inSecondSection });
    const std::string details = notShownDetails(lines).english();
    EXPECT_EQ(details.rfind("line 1: ; note 1 (a comment)\r\n", 0), 0u) << details;
    EXPECT_NE(details.find("\r\nline 12: ; note 12 (a comment)\r\n"), std::string::npos);
    EXPECT_TRUE(details.ends_with("line 99: menu1=Other (in a second DirMenu section)"));
    EXPECT_NE(notShownQuestion(lines).english().find("and 1 more"), std::string::npos);
}

} // namespace
} // namespace torvex
