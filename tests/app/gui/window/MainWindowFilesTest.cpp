// The main window's File commands, closing and error handler, driven through the window.

#include "app/gui/files/FileController.h"
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

class MainWindowFilesTest : public ::testing::Test
{
protected:
    TempDir dir;
    LogWatchingBoxes boxes;
    std::unique_ptr<MainWindow> form;

    // Starts the main window with `candidate` as the only file found ("" for none), and
    // recovery copies in `recoveryFolder` ("" for none).
    void start(const std::string &candidate, const std::filesystem::path &recoveryFolder = {})
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ candidate });
        environment.recoveryFolder = recoveryFolder;
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
    auto *tview = form->findChild<QWidget *>(QStringLiteral("tview"));
    QApplication::setActiveWindow(form.get());
    tview->setFocus();
    // A Delete for the tree, waiting while the writer walks the tree and lets events run.
    QCoreApplication::postEvent(
        tview, new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier));
    action("mnuFilesSave")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(test::outline(form->tree()), "Home|cd c:\\\nWork|cd d:\\\n");
    EXPECT_EQ(readFile(path),
        "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\nmenu2=Work\r\ncmd2=cd d:\\\r\n");

    // A close request waiting while the reader fills the tree would save half a menu.
    QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    EXPECT_TRUE(form->files().openMenuFile(path));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(test::outline(form->tree()), "Home|cd c:\\\nWork|cd d:\\\n");
    EXPECT_TRUE(form->close()) << "closing works again once the load is done";
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
    EXPECT_EQ(boxes.last().caption, " Unfinished save");
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
