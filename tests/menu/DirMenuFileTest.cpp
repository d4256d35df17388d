#include "app/MenuFileSteps.h"
#include "core/Error.h"
#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"

#include <algorithm>
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
    // Records the sources the window translates the failure's parts from, the first apart;
    // "" for a part shown as it is.
    void saveFailed(const LocalText &message, const std::string &cause) override
    {
        const auto sourceOf = [](const LocalText &part) {
            return std::string(part.source() ? part.source() : "");
        };
        const LocalText &first = message.isJoined() ? message.values().front() : message;
        failureSources.push_back(sourceOf(first));
        std::string rest;
        if (message.isJoined()) {
            for (std::size_t i = 1; i < message.values().size(); ++i)
                rest += (i > 1 ? " + " : "") + sourceOf(message.values()[i]);
        }
        laterSources.push_back(rest);
        saveFailed(message.english(), cause);
    }
    MessageBoxes *messageBoxes() override { return &boxes; }

    std::vector<std::string> failureSources;
    std::vector<std::string> laterSources;
};

class DirMenuFile : public ::testing::Test
{
protected:
    TempDir dir;
    MenuTree tree;
    RecordingUi ui;
    LoadedFile loaded;

    bool saved(const std::string &path, const MenuTree &menu, FileSystem &fs)
    {
        return saveMenuInteractively(path, menu, ui, fs, loaded).outcome == SaveOutcome::Saved;
    }
};

TEST_F(DirMenuFile, LoadReportsProgressAndSelectsTheFirstNode)
{
    const std::string file = dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n");
    buildTree(tree, "Old\n");
    ASSERT_TRUE(loadMenuInteractively(file, tree, ui, FileSystem::real(), loaded));
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
            "panels on",
            "after load",
            "menus on",
            "status ",
            "idle" }));
}

TEST(MenuLinesDigest, EqualForTheSameLinesOnly)
{
    const auto digest = [](const std::vector<std::pair<std::string, std::string>> &lines) {
        MenuLinesDigest d;
        for (const auto &[key, value] : lines)
            d.add(key, value);
        return d;
    };
    const MenuLinesDigest menu = digest({ { "menu1", "Home" }, { "cmd1", "cd c:\\" } });
    EXPECT_EQ(digest({ { "MENU1", "Home" }, { "Cmd1", "cd c:\\" } }), menu)
        << "keys are compared without regard to case";
    EXPECT_NE(digest({ { "menu1", "home" }, { "cmd1", "cd c:\\" } }), menu) << "values are not";
    // Only ASCII letters: neither the signs next to them nor other letters.
    EXPECT_NE(digest({ { "a@[", "x" } }), digest({ { "a`{", "x" } }));
    EXPECT_NE(digest({ { "\xc3\x84", "x" } }), digest({ { "\xc3\xa4", "x" } }));
    EXPECT_EQ(digest({ { "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "x" } }),
        digest({ { "abcdefghijklmnopqrstuvwxyz", "x" } }));
    EXPECT_NE(digest({ { "cmd1", "cd c:\\" }, { "menu1", "Home" } }), menu);
    EXPECT_NE(digest({ { "menu1", "Home" } }), menu);
    // The same bytes cut elsewhere are other lines; so are lines longer than a word.
    EXPECT_NE(digest({ { "k", "ab" }, { "k", "c" } }), digest({ { "k", "a" }, { "k", "bc" } }));
    EXPECT_NE(digest({ { "menu1", "Home" } }), digest({ { "menu1H", "ome" } }));
    EXPECT_NE(digest({ { "cmd1", "cd C:\\Data\\Projects\\Folder 1" } }),
        digest({ { "cmd1", "cd C:\\Data\\Projects\\Folder 2" } }));
    EXPECT_NE(digest({ { "menu1", std::string(8, '\0') } }), digest({ { "menu1", "" } }));
    // Every byte counts, whatever the length of the key or the value.
    for (std::size_t length = 1; length <= 17; ++length) {
        const std::string text(length, 'a');
        for (std::size_t at = 0; at < length; ++at) {
            std::string changed = text;
            changed[at] = 'b';
            EXPECT_NE(digest({ { text, "v" } }), digest({ { changed, "v" } })) << length << at;
            EXPECT_NE(digest({ { "k", text } }), digest({ { "k", changed } })) << length << at;
        }
    }
}

// The menu's lines remembered from the load itself: the same file reads back as unchanged,
// however its lines are written, and only an edit of what the menu reads counts.
TEST_F(DirMenuFile, TheLoadRemembersTheMenuToNoticeAnotherProgramsEdit)
{
    const std::string menu = "[DirMenu]\r\nmenu1=\"Home\"\r\nCMD1 = cd c:\\\r\nmenu1=Again\r\n"
                             "menu2=\r\n[Other]\r\na=1\r\n[dirmenu]\r\nmenu3=Later\r\n";
    const std::string file = dir.write("wincmd.ini", menu);
    ASSERT_TRUE(loadMenuInteractively(file, tree, ui, FileSystem::real(), loaded));
    EXPECT_EQ(loaded.menuPath, file);
    EXPECT_FALSE(menuChangedOnDisk(file, loaded, FileSystem::real()));

    // Lines the menu does not read, other sections and the case of keys are no edit of it.
    dir.write("wincmd.ini",
        "[DirMenu]\r\nMENU1=Home\r\ncmd1=cd c:\\\r\nmenu1=Changed\r\n[Other]\r\na=2\r\n"
        "[DirMenu]\r\nmenu3=Changed\r\n");
    EXPECT_FALSE(menuChangedOnDisk(file, loaded, FileSystem::real()));

    dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd d:\\\r\n");
    EXPECT_TRUE(menuChangedOnDisk(file, loaded, FileSystem::real()));
    dir.write("wincmd.ini", "[DirMenu]\r\ncmd1=cd c:\\\r\nmenu1=Home\r\n");
    EXPECT_TRUE(menuChangedOnDisk(file, loaded, FileSystem::real()));

    // Another file than the one loaded is not compared.
    EXPECT_FALSE(
        menuChangedOnDisk(dir.write("other.ini", "[DirMenu]\r\n"), loaded, FileSystem::real()));
}

TEST_F(DirMenuFile, MissingFileShowsTheMessageAndKeepsTheTree)
{
    buildTree(tree, "Keep\n");
    EXPECT_FALSE(loadMenuInteractively(dir.file("gone.ini"), tree, ui, FileSystem::real(), loaded));
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
    EXPECT_TRUE(
        loadMenuInteractively(dir.write("w.ini", "[Other]\r\na=1\r\n"), tree, ui, FileSystem::real(), loaded));
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(tree.selected(), nullptr);
}

TEST_F(DirMenuFile, UnreadableFileLeavesTheTreeAndThrows)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=x\r\n");
    buildTree(tree, "Keep\n");
    test::FaultyFileSystem fs;
    fs.failReads = true;
    EXPECT_THROW(loadMenuInteractively(file, tree, ui, fs, loaded), IniReadError);
    EXPECT_EQ(outline(tree), "Keep\n");
    const std::vector<std::string> tail(ui.events.end() - 4, ui.events.end());
    EXPECT_EQ(tail, (std::vector<std::string> { "idle", "panels on", "menus on", "status " }))
        << "the cursor, the panels and the menus are restored";
}

TEST_F(DirMenuFile, SaveWritesTheSectionLastAndReportsDone)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=old\r\n[Other]\r\na=1\r\n");
    buildTree(tree, "New|cd d:\\\n");
    EXPECT_TRUE(saved(file, tree, FileSystem::real()));
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

TEST_F(DirMenuFile, AnEmptyTreeEmptiesTheFileOnlyAfterTheQuestion)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nmenu1=old\r\nmenu2=older\r\n[X]\r\n");
    MenuTree empty;
    ui.boxes.answer(MsgResult::No);
    EXPECT_EQ(saveMenuInteractively(file, empty, ui, FileSystem::real(), loaded).outcome, SaveOutcome::Declined);
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes.last().text, "Remove all 2 entries from the file?");
    EXPECT_EQ(ui.boxes.last().caption, "Remove all entries?");
    EXPECT_EQ(ui.boxes.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.boxes.last().defaultAnswer, MsgResult::No);
    EXPECT_EQ(readFile(file), "[DirMenu]\r\nmenu1=old\r\nmenu2=older\r\n[X]\r\n");

    ui.boxes.answer(MsgResult::Yes);
    EXPECT_TRUE(saved(file, empty, FileSystem::real()));
    EXPECT_EQ(readFile(file), "[X]\r\n[DirMenu]\r\n");

    // An empty section over an empty menu: nothing to ask, nothing to write.
    ui.boxes.reset();
    EXPECT_EQ(
        saveMenuInteractively(file, empty, ui, FileSystem::real(), loaded).outcome, SaveOutcome::NothingWritten);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DirMenuFile, SaveDoesNothingForAMissingFile)
{
    buildTree(tree, "x\n");
    EXPECT_EQ(saveMenuInteractively(dir.file("missing.ini"), tree, ui, FileSystem::real(), loaded).outcome,
        SaveOutcome::NothingWritten);
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
        EXPECT_FALSE(saved(file, tree, *fs));
        EXPECT_EQ(readFile(file), original);
        const std::vector<std::string> tail(ui.events.end() - 4, ui.events.end());
        EXPECT_EQ(tail,
            (std::vector<std::string> { "idle",
                "status Save failed: nothing was saved",
                "failed Unable to write to " + file + " | " + cause,
                "menus on" }));
    }
    // The window says it in the user's language.
    EXPECT_EQ(ui.failureSources,
        (std::vector<std::string> { "Unable to write to %1", "Unable to write to %1" }));
}

TEST_F(DirMenuFile, ARefusedFileKeepsTheMenuAndLeavesEverythingUsable)
{
    std::string utf16BigEndian = "\xFE\xFF";
    for (const char c : std::string("[DirMenu]\nmenu1=A\n"))
        utf16BigEndian += { '\0', c };
    const std::string file = dir.write("w.ini", utf16BigEndian);
    buildTree(tree, "Keep|cd k\n");
    try {
        loadMenuInteractively(file, tree, ui, FileSystem::real(), loaded);
        FAIL() << "no error";
    } catch (const IniFormatError &error) {
        EXPECT_EQ(std::string(error.what()),
            "Unable to read " + file + ": UTF-16 big-endian is not supported");
    }
    EXPECT_EQ(outline(tree), "Keep|cd k\n");
    const std::vector<std::string> tail(ui.events.end() - 4, ui.events.end());
    EXPECT_EQ(tail, (std::vector<std::string> { "idle", "panels on", "menus on", "status " }));

    ui.events.clear();
    EXPECT_FALSE(saved(file, tree, FileSystem::real()));
    EXPECT_EQ(readFile(file), utf16BigEndian);
    EXPECT_NE(std::find(ui.events.begin(),
                  ui.events.end(),
                  "failed Unable to read " + file + ": UTF-16 big-endian is not supported | "),
        ui.events.end());
    EXPECT_EQ(ui.failureSources, std::vector<std::string> { "" }) << "the reader's own text";
}

TEST_F(DirMenuFile, ACrOnlyFileLoadsAndIsSavedWithItsOwnLineEndings)
{
    const std::string file = dir.write(
        "w.ini", "[DirMenu]\rmenu1='-Tools'\rmenu2=A\rcmd2=cd a\rmenu3=--\r[Other]\ra=1\r");
    ASSERT_TRUE(loadMenuInteractively(file, tree, ui, FileSystem::real(), loaded));
    EXPECT_EQ(outline(tree), "Tools\n  A|cd a\n");
    ASSERT_TRUE(saved(file, tree, FileSystem::real()));
    EXPECT_EQ(
        readFile(file), "[Other]\ra=1\r[DirMenu]\rmenu1=-Tools\rmenu2=A\rcmd2=cd a\rmenu3=--\r");
}

TEST_F(DirMenuFile, ARefusedValueIsNamedWithItsEntry)
{
    const std::string original = "[DirMenu]\r\nmenu1=old\r\n";
    const std::string file = dir.write("w.ini", original);
    buildTree(tree, "S\n  A|cd a\nProjects|cd p\n");
    tree.setCommand(test::find(tree, "Projects"), "cd c:\\a\nc:\\b");
    EXPECT_FALSE(saved(file, tree, FileSystem::real()));
    EXPECT_EQ(readFile(file), original);
    EXPECT_EQ(ui.events[ui.events.size() - 2],
        "failed Unable to write to " + file
            + "\r\nEntry 4 \"Projects\": the command holds a line break | ");

    tree.setTitle(test::find(tree, "A"), "A\r\nB");
    ui.events.clear();
    EXPECT_FALSE(saved(file, tree, FileSystem::real()));
    EXPECT_EQ(ui.events[ui.events.size() - 2],
        "failed Unable to write to " + file
            + "\r\nEntry 2 \"A  B\": the title holds a line break | ");
    EXPECT_EQ(ui.failureSources, std::vector<std::string>(2, "Unable to write to %1"));
    // The entry's line is translated too, its title as it is.
    EXPECT_EQ(ui.laterSources, std::vector<std::string>(2, "Entry %1 \"%2\": %3"));
}

// Another program (the file manager) writes the file after the save read it under its lock:
// it cannot be kept out, so the save checks the file right before writing.
TEST_F(DirMenuFile, AnotherProgramsWriteDuringTheSaveIsNeverMixedIntoIt)
{
    const std::string original = "[DirMenu]\r\nmenu1=old\r\n[Other]\r\na=1\r\n";
    const std::string file = dir.write("w.ini", original);
    ASSERT_TRUE(loadMenuInteractively(file, tree, ui, FileSystem::real(), loaded));
    tree.clear();
    buildTree(tree, "New\n");
    test::FaultyFileSystem files;
    int reads = 0;
    std::string meanwhile;
    // The second read is the one the save writes from.
    files.afterRead = [&](const std::string &) {
        if (++reads == 2)
            dir.write("w.ini", meanwhile);
    };

    // The menu changed: nothing is written, and the user is asked.
    meanwhile = "[DirMenu]\r\nmenu1=theirs\r\n[Other]\r\na=1\r\n";
    ui.boxes.answerChoice(2); // Cancel
    EXPECT_EQ(saveMenuInteractively(file, tree, ui, files, loaded).outcome, SaveOutcome::Declined);
    EXPECT_EQ(readFile(file), meanwhile);
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes.last().caption, "Menu changed on disk");

    // Overwrite: the save is made from the file as it is now.
    dir.write("w.ini", original);
    loaded.menuOnDisk = menuLinesDigestOnDisk(file, files);
    reads = 0;
    ui.boxes.reset();
    ui.boxes.answerChoice(0);
    EXPECT_TRUE(saved(file, tree, files));
    EXPECT_EQ(readFile(file), "[Other]\r\na=1\r\n[DirMenu]\r\nmenu1=New\r\ncmd1=\r\n");

    // The menu changed after the save looked at it and before it read the file to write it.
    dir.write("w.ini", original);
    loaded.menuOnDisk = menuLinesDigestOnDisk(file, files);
    meanwhile = "[DirMenu]\r\nmenu1=early\r\n[Other]\r\na=1\r\n";
    reads = 0;
    ui.boxes.reset();
    files.afterRead = [&](const std::string &) {
        if (++reads == 1)
            dir.write("w.ini", meanwhile);
    };
    ui.boxes.answerChoice(2);
    EXPECT_EQ(saveMenuInteractively(file, tree, ui, files, loaded).outcome, SaveOutcome::Declined);
    EXPECT_EQ(readFile(file), meanwhile);
    EXPECT_EQ(ui.boxes.boxes().size(), 1u);
    files.afterRead = [&](const std::string &) {
        if (++reads == 2)
            dir.write("w.ini", meanwhile);
    };

    // Only another section changed: saved again without a question, that change kept.
    dir.write("w.ini", original);
    loaded.menuOnDisk = menuLinesDigestOnDisk(file, files);
    meanwhile = "[DirMenu]\r\nmenu1=old\r\n[Other]\r\na=2\r\n";
    reads = 0;
    ui.boxes.reset();
    EXPECT_TRUE(saved(file, tree, files));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(readFile(file), "[Other]\r\na=2\r\n[DirMenu]\r\nmenu1=New\r\ncmd1=\r\n");
}

TEST_F(DirMenuFile, AResaveDuringWhichAnotherProgramWroteTheFileWritesNothing)
{
    const std::string file = dir.write("w.ini", "[DirMenu]\r\nMENU1=old\r\n");
    test::FaultyFileSystem files;
    files.afterRead = [&](const std::string &) {
        dir.write("w.ini", "[DirMenu]\r\nMENU1=theirs\r\n");
    };
    try {
        resaveMenu(file, files);
        ADD_FAILURE() << "no error";
    } catch (const TorvexError &error) {
        EXPECT_EQ(
            std::string(error.what()), "Unable to write to " + file + ": " + fileChangedCause);
    }
    EXPECT_EQ(readFile(file), "[DirMenu]\r\nMENU1=theirs\r\n");
}

std::string nestedMenu(std::size_t levels)
{
    std::string text = "[DirMenu]\r\n";
    for (std::size_t i = 1; i < levels; ++i)
        text += "menu" + std::to_string(i) + "=-Level " + std::to_string(i) + "\r\n";
    return text + "menu" + std::to_string(levels) + "=Deepest\r\ncmd" + std::to_string(levels)
        + "=cd c:\\\r\n";
}

TEST_F(DirMenuFile, AMenuDeeperThanTheWindowShowsIsRefusedAndNeverWritten)
{
    buildTree(tree, "Kept\n");
    const std::string deep = dir.write("deep.ini", nestedMenu(windowMenuDepthLimit + 1));
    try {
        loadMenuInteractively(deep, tree, ui, FileSystem::real(), loaded);
        ADD_FAILURE() << "no error";
    } catch (const IniReadError &error) {
        EXPECT_EQ(error.cause(), tooDeepCause(windowMenuDepthLimit + 1, windowMenuDepthLimit));
    }
    EXPECT_EQ(outline(tree), "Kept\n");
    EXPECT_EQ(loaded.tooDeepPath, deep);

    // Neither the menu shown nor an empty one is written into it.
    ui.events.clear();
    EXPECT_EQ(
        saveMenuInteractively(deep, tree, ui, FileSystem::real(), loaded).outcome, SaveOutcome::NothingWritten);
    EXPECT_EQ(readFile(deep), nestedMenu(windowMenuDepthLimit + 1));
    EXPECT_EQ(ui.events,
        (std::vector<std::string> {
            "menus off", std::string("status ") + tooDeepNotSavedStatus, "menus on" }));

    const std::string deepest = dir.write("deepest.ini", nestedMenu(windowMenuDepthLimit));
    ASSERT_TRUE(loadMenuInteractively(deepest, tree, ui, FileSystem::real(), loaded));
    EXPECT_EQ(tree.count(), windowMenuDepthLimit);
    EXPECT_EQ(loaded.tooDeepPath, "");
}

} // namespace
} // namespace torvex
