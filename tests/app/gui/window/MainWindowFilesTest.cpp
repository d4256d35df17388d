// The main window's File commands, closing and error handler, driven through the window.

#include "app/FileDialogs.h"
#include "app/gui/files/FileController.h"
#include "app/gui/window/MainMenus.h"
#include "app/gui/editing/UndoHistory.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/application/TorvexApplication.h"
#include "files/RecoveryCopy.h"
#include "platform/WindowsView.h"
#include "support/LogWatchingBoxes.h"
#include "support/ProcessesAndFlags.h"
#include "support/SyntheticPrefix.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>
#include <deque>
#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace torvex {
namespace {

using test::LogWatchingBoxes;
using test::readFile;
using test::TempDir;

// A control of the main window whose handler fails.
class FailingControl : public QWidget
{
public:
    using QWidget::QWidget;
    static constexpr QEvent::Type failEvent = QEvent::User;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == failEvent)
            throw std::runtime_error("Invalid data type for 'InstallDir'");
        return QWidget::event(event);
    }
};

const std::string wincmd = "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n"
                           "menu1=Home\r\ncmd1=cd c:\\\r\n";

// Text as UTF-16 in the byte order asked for, little-endian with its byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian = false)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string { high, low } : std::string { low, high };
    }
    return bytes;
}

// File dialogs that record what they were asked and answer from a script (Cancel once it
// is used up).
class ScriptedFileDialogs : public FileDialogs
{
public:
    std::vector<FileDialogRequest> asked;
    std::deque<std::string> answers;

    std::optional<std::string> fileToOpen(const FileDialogRequest &request) override
    {
        return next(request);
    }
    std::optional<std::string> fileToSaveInto(const FileDialogRequest &request) override
    {
        return next(request);
    }

private:
    std::optional<std::string> next(const FileDialogRequest &request)
    {
        asked.push_back(request);
        if (answers.empty())
            return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainWindowFilesTest : public ::testing::Test
{
protected:
    TempDir dir;
    LogWatchingBoxes boxes;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainWindow> form;

    // Starts the main window with `candidate` as the only file found ("" for none), and
    // recovery copies in `recoveryFolder` ("" for none).
    void start(const std::string &candidate,
        const std::filesystem::path &recoveryFolder = {},
        const std::string &firstArgument = {})
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ candidate });
        environment.recoveryFolder = recoveryFolder;
        environment.fileDialogs = &dialogs;
        environment.firstArgument = firstArgument;
        boxes.logPath = dir.file("torvex.log");
        form = test::startedWindow(std::move(environment));
    }

    QAction *action(const char *name) const { return test::findWidget<QAction>(*form, name); }
    bool menusEnabled() const
    {
        for (const char *name : { "mnuFile", "mnuOptions", "mnuHelp" })
            if (!form->findChild<QMenu *>(QLatin1String(name))->isEnabled())
                return false;
        return true;
    }
};

TEST_F(MainWindowFilesTest, FailureInAHandlerIsShownOnceThenLoggedOnceAndMenusComeBack)
{
    start("");
    auto *control = new FailingControl(form.get());
    form->menus().setEnabled(false);
    QEvent failure(FailingControl::failEvent);
    QCoreApplication::sendEvent(control, &failure);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Invalid data type for 'InstallDir'");
    EXPECT_EQ(boxes.last().caption, "Error");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Warning);
    EXPECT_EQ(boxes.logAtBox[0], "");
    const std::string log = readFile(dir.file("torvex.log"));
    EXPECT_EQ(log.rfind("------------------------\r\n", 0), 0u);
    EXPECT_EQ(log.find("------------------------\r\n", 1), std::string::npos);
    EXPECT_NE(log.find("App version: Torvex v1.2\r\n"), std::string::npos);
    EXPECT_NE(log.find("App function: globalErrorHandler\r\n"
                       "Last error: Invalid data type for 'InstallDir'\r\n"
                       "Sender: TForm1\r\n"),
        std::string::npos);
    EXPECT_TRUE(menusEnabled());
}

TEST_F(MainWindowFilesTest, AFailedStartUpIsReportedAndTheWindowStillShows)
{
    test::SyntheticPrefix prefix;
    prefix.writeUserHive(
        "[Software\\\\Pellmar\\\\Windows Commander] 1700000000\n\"InstallDir\"=dword:00000001\n");
    MainWindowEnvironment environment;
    environment.view =
        std::make_shared<WindowsView>(WindowsView::forPrefix(prefix.prefix(), Environment {}));
    environment.folders = ProgramFolders::besideExecutable(dir.path().string());
    environment.messageBoxes = &boxes;
    boxes.logPath = dir.file("torvex.log");
    form = test::startedWindow(std::move(environment));

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Invalid data type for 'InstallDir'");
    EXPECT_NE(readFile(dir.file("torvex.log")).find("Sender: TForm1\r\n"), std::string::npos);
    EXPECT_TRUE(form->isVisible()) << "the user must be able to reach Exit";
    EXPECT_TRUE(menusEnabled());
}

TEST_F(MainWindowFilesTest, CommandsAndMenusOfTheMainWindowReportAsTForm1)
{
    start("");
    EXPECT_EQ(TorvexApplication::senderClassName(action("mnuFileOpen")), "TForm1");
    EXPECT_EQ(
        TorvexApplication::senderClassName(form->findChild<QMenu *>(QStringLiteral("mnuFile"))),
        "TForm1");
    EXPECT_EQ(
        TorvexApplication::senderClassName(form->findChild<QWidget *>(QStringLiteral("tview"))),
        "TForm1");
}

TEST_F(MainWindowFilesTest, CloseButtonSavesLikeExitAndSave)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    ASSERT_EQ(test::outline(form->tree()), "Home|cd c:\\\n");
    form->tree().setTitle(form->tree().first(), "Start");
    EXPECT_TRUE(form->close()); // the close button, Alt+F4 and the window manager come here
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readFile(path),
        "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\nmenu1=Start\r\ncmd1=cd c:\\\r\n");
}

TEST_F(MainWindowFilesTest, InputAndCloseRequestsWaitingDuringLoadOrSaveChangeNothing)
{
    const std::string path = dir.write(
        "wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\nmenu2=Work\r\ncmd2=cd d:\\\r\n");
    start(path);
    form->tree().setTitle(form->tree().first(), "Start"); // a change, so that the save writes
    auto *tview = form->findChild<QWidget *>(QStringLiteral("tview"));
    QApplication::setActiveWindow(form.get());
    tview->setFocus();
    // A Delete for the tree, waiting while the writer walks the tree and lets events run.
    QCoreApplication::postEvent(
        tview, new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier));
    action("mnuFilesSave")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(test::outline(form->tree()), "Start|cd c:\\\nWork|cd d:\\\n");
    EXPECT_EQ(readFile(path),
        "[DirMenu]\r\nmenu1=Start\r\ncmd1=cd c:\\\r\nmenu2=Work\r\ncmd2=cd d:\\\r\n");

    // A close request waiting while the reader fills the tree would save half a menu.
    QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    EXPECT_TRUE(form->files().openMenuFile(path));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(test::outline(form->tree()), "Start|cd c:\\\nWork|cd d:\\\n");
    EXPECT_TRUE(form->close()) << "closing works again once the load is done";
}

// The sample's bytes and modification time, set an hour back so that a rewrite shows.
struct FileState
{
    std::string bytes;
    std::filesystem::file_time_type modified;
    bool operator==(const FileState &) const = default;
};

FileState agedState(const std::string &path)
{
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
    return { readFile(path), std::filesystem::last_write_time(path) };
}

FileState stateOf(const std::string &path)
{
    return { readFile(path), std::filesystem::last_write_time(path) };
}

TEST_F(MainWindowFilesTest, AMenuAsLoadedLeavesTheFileUntouchedOnSaveAndBothExits)
{
    // The sample is laid out as people write theirs (the section amid others, separators
    // without commands): a save would write it differently.
    const std::string sample = readFile(std::string(TORVEX_SOURCE_DIR) + "/examples/wincmd.ini");
    const std::string path = dir.write("wincmd.ini", sample);
    const FileState before = agedState(path);

    start(path);
    action("mnuFilesSave")->trigger(); // F2
    EXPECT_EQ(stateOf(path), before);
    EXPECT_EQ(form->statusText(0), QStringLiteral("  No changes to save: the file was left as it is"));
    EXPECT_TRUE(boxes.boxes().empty());

    // One edit taken back is no change either.
    form->history().record("Rename", [this] {
        form->tree().setTitle(form->tree().first(), "Start");
    });
    form->history().undo();
    action("mnuFilesSave")->trigger();
    EXPECT_EQ(stateOf(path), before);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(stateOf(path), before);

    start(path);
    action("mnuFileExit")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stateOf(path), before);

    // An edit not yet closed into a step is written, and so is one kept.
    start(path);
    form->tree().setTitle(form->tree().first(), "Start");
    EXPECT_TRUE(form->close());
    EXPECT_NE(readFile(path), sample);
    EXPECT_NE(readFile(path).find("menu1=Start\r\n"), std::string::npos);
}

// The captions of "Open recent" and whether each can be chosen.
std::vector<std::pair<std::string, bool>> recentEntries(MainWindow &form)
{
    form.menus().refreshRecentFiles();
    std::vector<std::pair<std::string, bool>> entries;
    for (QAction *entry : form.menus().recentMenu()->actions())
        entries.emplace_back(entry->text().toStdString(), entry->isEnabled());
    return entries;
}

TEST_F(MainWindowFilesTest, OpenFileAndOpenRecentReachAnyFileWhateverStartUpFound)
{
    const std::string first = dir.write("wincmd.ini", wincmd);
    const std::string second =
        dir.write("other.ini", "[DirMenu]\r\nmenu1=Work\r\ncmd1=cd d:\\\r\n");
    start(first); // the only candidate: Open and Save as are hidden
    EXPECT_FALSE(action("mnuFileOpen")->isVisible());
    EXPECT_TRUE(action("mnuFileOpenFile")->isVisible());
    EXPECT_EQ(action("mnuFileOpenFile")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_TRUE(action("mnuFileSaveToFile")->isVisible());

    dialogs.answers = { second };
    action("mnuFileOpenFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, " Open ini file");
    EXPECT_EQ(dialogs.asked[0].filters,
        (std::vector<std::string> { "wincmd.ini (wincmd.ini)", "Ini files (*.ini)" }));
    EXPECT_EQ(test::outline(form->tree()), "Work|cd d:\\\n");
    EXPECT_EQ(form->session().currentIniFile(), second);
    EXPECT_EQ(recentEntries(*form),
        (std::vector<std::pair<std::string, bool>> { { second, true }, { first, true } }));

    // A file gone since is greyed; unsaved changes are asked about before another file loads.
    std::filesystem::remove(first);
    EXPECT_EQ(recentEntries(*form),
        (std::vector<std::pair<std::string, bool>> { { second, true }, { first, false } }));
    form->history().record("Rename", [this] {
        form->tree().setTitle(form->tree().first(), "Job");
    });
    boxes.answer(MsgResult::Cancel);
    dialogs.answers = { second };
    action("mnuFileOpenFile")->trigger();
    EXPECT_EQ(boxes.last().caption, " Save?");
    EXPECT_EQ(dialogs.asked.size(), 1u) << "Cancel ends before the dialog";
    EXPECT_EQ(test::outline(form->tree()), "Job|cd d:\\\n");
}

TEST_F(MainWindowFilesTest, OpenFileStartsInTheDriveCOfThePrefix)
{
    test::SyntheticPrefix prefix;
    MainWindowEnvironment environment = test::windowEnvironment(
        std::make_shared<WindowsView>(WindowsView::forPrefix(prefix.prefix(), Environment {})),
        dir.path(),
        boxes,
        "C:\\");
    environment.candidates = test::foundFiles({ "" });
    environment.fileDialogs = &dialogs;
    form = test::startedWindow(std::move(environment));
    action("mnuFileOpenFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].start, std::filesystem::canonical(prefix.path() / "drive_c").string());
    EXPECT_EQ(test::outline(form->tree()), "") << "Cancel loads nothing";
}

TEST_F(MainWindowFilesTest, SaveToFileKeepsEditsOfAFileDeletedWhileOpen)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    form->tree().setTitle(form->tree().first(), "Start");
    std::filesystem::remove(path);

    // Cancel writes nothing anywhere.
    const std::string elsewhere = dir.file("kept.ini");
    action("mnuFileSaveToFile")->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].start, path);
    EXPECT_FALSE(std::filesystem::exists(elsewhere));

    dialogs.answers = { elsewhere };
    action("mnuFileSaveToFile")->trigger();
    EXPECT_EQ(readFile(elsewhere), "[DirMenu]\r\nmenu1=Start\r\ncmd1=cd c:\\\r\n");
    EXPECT_EQ(form->session().currentIniFile(), elsewhere);
    EXPECT_EQ(recentEntries(*form).front(), std::make_pair(elsewhere, true));
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(MainWindowFilesTest, AMissingFileOnTheCommandLineIsNamedInABox)
{
    const std::string missing = dir.file("typo.ini");
    start("", {}, missing);
    ASSERT_FALSE(boxes.boxes().empty());
    EXPECT_EQ(boxes.boxes().front().caption, "File not found");
    EXPECT_EQ(boxes.boxes().front().text,
        "The file given on the command line does not exist:\r\n" + missing);
}

TEST_F(MainWindowFilesTest, ClosingWithNodesButNoFileKeepsTheWindowOpen)
{
    start("");
    test::buildTree(form->tree(), "New");
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes.last().text, "No ini file (wincmd.ini) was found!");

    boxes.answer(MsgResult::Yes);
    action("mnuFileExitWithoutSaving")->trigger();
    EXPECT_EQ(boxes.last().caption, " Exit without saving?");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowFilesTest, ExitWithoutSavingKeepsTheFileAsItWas)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    form->tree().setTitle(form->tree().first(), "Start");
    boxes.answer(MsgResult::Yes);
    action("mnuFileExitWithoutSaving")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readFile(path), wincmd);
}

TEST_F(MainWindowFilesTest, AFileItCannotReadIsReportedAndTheWindowStaysUsable)
{
    const std::string bytes = utf16(u"[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n", true);
    const std::string path = dir.write("wincmd.ini", bytes);
    start(path);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to read " + path + ": UTF-16 big-endian is not supported");
    EXPECT_TRUE(form->tree().isEmpty());
    for (const char *panel : { "PanelLeft", "PanelRight", "PanelData" })
        EXPECT_TRUE(test::findWidget<QWidget>(*form, panel)->isEnabled()) << panel;
    EXPECT_TRUE(menusEnabled());

    test::buildTree(form->tree(), "New|cd n\n");
    action("mnuFilesSave")->trigger();
    EXPECT_EQ(boxes.last().text, "Unable to read " + path + ": UTF-16 big-endian is not supported");
    EXPECT_EQ(readFile(path), bytes);
}

// Texts the user did not touch are saved as they were read, also where they are no valid
// text: shown in the editor, they must not come back as replacement characters.
class UntouchedTexts : public MainWindowFilesTest
{
protected:
    // Loads the file, saves it and gives its bytes then.
    std::string loadAndSave(const std::string &file)
    {
        const std::string path = dir.write("wincmd.ini", file);
        start(path);
        EXPECT_EQ(form->tree().count(), 1u);
        // A change taken back by hand rather than by Undo is a change: the save writes.
        MenuNode *entry = form->tree().first();
        const std::string title(entry->title());
        form->tree().setTitle(entry, title + "x");
        form->tree().setTitle(entry, title);
        action("mnuFilesSave")->trigger();
        EXPECT_EQ(form->statusText(0), QStringLiteral("  Data saved"));
        return readFile(path);
    }
};

TEST_F(UntouchedTexts, LoneSurrogatesOfAUtf16FileStay)
{
    const std::u16string menu = u"[DirMenu]\r\nmenu1=A\xD800"
                                u"b\r\ncmd1=cd c:\\\xDC01\r\n";
    const std::u16string other = u"[Configuration]\r\nInstallDir=c:\\fm\r\n";
    EXPECT_EQ(loadAndSave(utf16(menu + other)), utf16(other + menu));
    EXPECT_EQ(test::findWidget<QLineEdit>(*form, "EditTitle")->text(),
        QString::fromUtf16(u"A\xD800"
                           u"b"));
}

TEST_F(UntouchedTexts, BytesOfAUtf8FileThatAreNoUtf8Stay)
{
    const std::string menu =
        "[DirMenu]\r\nmenu1=Caf\xE9\r\ncmd1=cd \xED\xA0\x80\xED\xB0\x80\xFF\r\n";
    const std::string other = "[Configuration]\r\nInstallDir=c:\\fm\r\n";
    EXPECT_EQ(loadAndSave("\xEF\xBB\xBF" + menu + other), "\xEF\xBB\xBF" + other + menu);
}

TEST_F(MainWindowFilesTest, StartUpSaysWhereAnUnfinishedSaveKeptTheEarlierContent)
{
    TempDir state;
    const std::string path = dir.write("wincmd.ini", wincmd);
    const std::string copy = RecoveryCopy(state.path(), path, "[DirMenu]\r\nmenu1=Old\r\n").path();
    start(path, state.path());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "A save of " + path + " did not finish; its earlier content is kept in " + copy);
    EXPECT_EQ(boxes.last().caption, "Unfinished save");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Warning);
    EXPECT_EQ(test::outline(form->tree()), "Home|cd c:\\\n") << "the file is loaded after it";
    EXPECT_TRUE(std::filesystem::exists(copy)) << "the copy is the user's to put back or remove";
}

TEST_F(MainWindowFilesTest, SaveOfAReadOnlyFileShowsAndLogsTheCause)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    const test::FileFlagLock lock(path, test::FileFlagLock::Immutable);
    if (!lock.isSet())
        GTEST_SKIP() << "the file system does not take the immutable flag";
    start(path);
    form->tree().setTitle(form->tree().first(), "Start");
    action("mnuFilesSave")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to write to " + path + "\r\nthe file is read-only");
    EXPECT_NE(readFile(dir.file("torvex.log"))
                  .find("Last error: Unable to write to " + path + ": the file is read-only\r\n"),
        std::string::npos);
    EXPECT_EQ(readFile(path), wincmd);
}

} // namespace
} // namespace torvex
