// The main window: start-up with zero, one and several candidates, the window's keys, the
// status bar, the popup menu and Help.

#include "app/gui/window/MainWindow.h"

#include "app/gui/files/FileController.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/window/StatusPanels.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"
#include "support/gui/Wait.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::ScriptedMessageBoxes;
using test::TempDir;

constexpr const char *loadHint = " Load ini file by clicking Open in the File menu...";

std::string sampleMenu()
{
    return "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd C:\\Users\r\nmenu2=-Work\r\nmenu3=Docs\r\n"
           "cmd3=cd D:\\Docs\r\nmenu4=--\r\nmenu5=Last\r\ncmd5=cd E:\\\r\n";
}

class MainWindowTest : public testing::Test
{
protected:
    TempDir dir;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;

    // Starts the main window with these candidate files (slots 1 to 4, "" for empty).
    void start(std::array<std::string, 4> slots = {}, const std::string &startFolder = "Z:\\")
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, startFolder);
        environment.candidates = test::foundFiles(slots);
        form = test::startedWindow(std::move(environment));
    }

    template <typename T> T *widget(const char *name) const
    {
        return test::findWidget<T>(*form, name);
    }
    QAction *action(const char *name) const { return widget<QAction>(name); }

    // Gives the window the focus and `target` the keyboard focus, as a user click would.
    void focus(QWidget *target)
    {
        QApplication::setActiveWindow(form.get());
        target->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), target);
    }
};

// ---- Start-up ----

TEST_F(MainWindowTest, WithoutCandidatesTheTreeStaysEmptyAndTheCountStillRuns)
{
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("  Torvex v1.2"));
    EXPECT_EQ(form->session().appTitle(), "Torvex v1.2");
    EXPECT_EQ(form->session().candidates().candidateCount, 0);
    EXPECT_TRUE(form->tree().isEmpty());
    EXPECT_EQ(widget<QLabel>("Panel_IniSti")->text(), QString::fromUtf8(loadHint));
    EXPECT_FALSE(widget<QWidget>("PanelData")->isEnabled());
    EXPECT_TRUE(widget<QWidget>("PanelLeft")->isEnabled());
    EXPECT_TRUE(widget<QWidget>("PanelRight")->isEnabled());
    EXPECT_TRUE(widget<QMenu>("mnuFile")->isEnabled());
    EXPECT_TRUE(action("mnuFileOpen")->isVisible());
    EXPECT_FALSE(form->statusText(1).isEmpty()) << "the item count ran on the empty tree";
    EXPECT_EQ(int(form->session().dropMode()), 3);
    EXPECT_TRUE(widget<QAbstractButton>("SBut_AddChildFirst")->isChecked());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, TheOnlyCandidateIsLoadedAtOnceAndOpenAndSaveAsHide)
{
    const std::string ini = dir.write("wincmd.ini", sampleMenu());
    start({ "", "", "", ini });
    EXPECT_EQ(form->session().currentIniFile(), ini);
    EXPECT_EQ(widget<QLabel>("Panel_IniSti")->text(), QString::fromStdString(" " + ini));
    EXPECT_EQ(form->tree().count(), 4u);
    EXPECT_TRUE(widget<QWidget>("PanelData")->isEnabled());
    EXPECT_FALSE(action("mnuFileOpen")->isVisible());
    EXPECT_FALSE(action("mnuFileSaveIn")->isVisible());
    EXPECT_TRUE(action("mnuFilesSave")->isVisible());
    // The whole tree is open after a load and the first node is selected and shown.
    auto *tview = widget<QTreeView>("tview");
    EXPECT_TRUE(tview->isExpanded(tview->model()->index(1, 0)));
    EXPECT_EQ(tview->currentIndex(), tview->model()->index(0, 0));
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("Home"));
}

// Answers the chooser as soon as it shows, with `button` ("butOK" or "butCancel"), and
// collects the paths it lists.
void answerChooser(const char *button, QStringList *listed)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, button, listed] {
        auto *chooser = qobject_cast<IniChooserDialog *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        poll->deleteLater();
        poll->stop();
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral(" Choose ini file to get data from"));
        auto *list = chooser->findChild<QListWidget *>(QStringLiteral("lboxIniStier"));
        for (int i = 0; i < list->count(); ++i)
            listed->append(list->item(i)->text());
        QTest::mouseClick(chooser->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    });
    poll->start(10);
}

TEST_F(MainWindowTest, SeveralCandidatesShowTheChooserAndOkLoadsTheChosenFile)
{
    const std::string first = dir.write("first.ini", sampleMenu());
    const std::string second = dir.write("second.ini", "[DirMenu]\r\nmenu1=Other\r\n");
    start({ first, "", second, "" });
    EXPECT_TRUE(form->tree().isEmpty()) << "nothing loads before the chooser";
    QStringList listed;
    answerChooser("butOK", &listed);
    test::attachChooser(*form);
    EXPECT_EQ(
        listed, QStringList({ QString::fromStdString(first), QString::fromStdString(second) }));
    EXPECT_EQ(form->session().currentIniFile(), first);
    EXPECT_EQ(form->tree().count(), 4u);
    EXPECT_TRUE(action("mnuFileOpen")->isVisible());
}

TEST_F(MainWindowTest, CancelInTheChooserLeavesTheTreeEmpty)
{
    const std::string first = dir.write("first.ini", sampleMenu());
    const std::string second = dir.write("second.ini", sampleMenu());
    start({ first, second, "", "" });
    QStringList listed;
    answerChooser("butCancel", &listed);
    test::attachChooser(*form);
    EXPECT_EQ(listed.size(), 2);
    EXPECT_TRUE(form->tree().isEmpty());
    EXPECT_EQ(form->session().currentIniFile(), "");
    EXPECT_EQ(widget<QLabel>("Panel_IniSti")->text(), QString::fromUtf8(loadHint));
}

TEST_F(MainWindowTest, AFileThatCannotBeReadAtStartIsReportedAndTheProgramGoesOn)
{
    // A regular file that every read fails on (the unmapped first page of this process).
    const std::string unreadable = "/proc/self/mem";
    start({ unreadable, dir.write("second.ini", sampleMenu()), "", "" });
    QStringList listed;
    answerChooser("butOK", &listed);
    EXPECT_NO_THROW(test::attachChooser(*form));

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Error");
    EXPECT_NE(boxes.last().text.find(unreadable), std::string::npos) << boxes.last().text;
    const std::string entry = test::readFile(dir.file("torvex.log"));
    EXPECT_NE(entry.find("Sender: TForm3\r\n"), std::string::npos) << entry;
    EXPECT_TRUE(widget<QMenu>("mnuFile")->isEnabled());
}

TEST_F(MainWindowTest, OneCandidateCreatesTheChooserWithoutShowingIt)
{
    const std::string ini = dir.write("wincmd.ini", sampleMenu());
    start({ ini, "", "", "" });
    auto *chooser = test::attachChooser(*form);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(form->chooser(), chooser);
}

// ---- Keys ----

TEST_F(MainWindowTest, PopupKeysActOnlyWhileTheTreeHasTheFocus)
{
    start({ dir.write("wincmd.ini", sampleMenu()), "", "", "" });
    auto *title = widget<QLineEdit>("EditTitle");
    focus(title);
    title->setCursorPosition(0);
    QTest::keyClick(title, Qt::Key_Delete);
    EXPECT_EQ(title->text(), QStringLiteral("ome")) << "Delete deleted a character";
    EXPECT_EQ(form->tree().count(), 4u) << "and no menu item";

    auto *tview = widget<QTreeView>("tview");
    focus(tview);
    const std::size_t before = form->tree().count();
    QTest::keyClick(tview, Qt::Key_Delete);
    EXPECT_LT(form->tree().count(), before);
}

TEST_F(MainWindowTest, HiddenPopupEntriesKeepTheirKeys)
{
    start();
    auto *tview = widget<QTreeView>("tview");
    focus(tview);
    form->menus().updatePopupEntries();
    ASSERT_FALSE(action("mnuPopUpAddSisterMenu")->isVisible());
    // The command itself finds nothing to do with an empty tree, but its key reaches it.
    bool ran = false;
    auto *key = widget<QShortcut>("mnuPopUpAddSisterMenuKey");
    QObject::connect(key, &QShortcut::activated, [&] {
        ran = true;
    });
    QTest::keyClick(tview, Qt::Key_Insert);
    EXPECT_TRUE(ran);
}

TEST_F(MainWindowTest, ARightClickSelectsTheRowBeforeThePopupOpens)
{
    start({ dir.write("wincmd.ini", sampleMenu()), "", "", "" });
    auto *tview = widget<QTreeView>("tview");
    auto *popup = widget<QMenu>("mnuPopup");
    const QModelIndex last = tview->model()->index(2, 0);
    ASSERT_EQ(last.data().toString(), QStringLiteral("Last"));
    const QPoint at = tview->visualRect(last).center();
    QTest::mouseClick(tview->viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(form->tree().selected()->title(), "Last");
    EXPECT_EQ(tview->currentIndex(), last);
    // The platform turns the right click into a context-menu event; QTest's click does not.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, tview->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tview->viewport(), &menuEvent);
    EXPECT_TRUE(test::waitUntil([&] {
        return popup->isVisible();
    }));
    EXPECT_TRUE(action("mnuPopupDeleteSelectedMenu")->isVisible()) << "the popup was prepared";
    EXPECT_FALSE(action("mnuPopupAddMenu")->isVisible());
    popup->close();
}

TEST_F(MainWindowTest, TheTreesSelectionAndTheViewsCurrentRowAreOne)
{
    start({ dir.write("wincmd.ini", sampleMenu()), "", "", "" });
    auto *tview = widget<QTreeView>("tview");
    MenuTree &tree = form->tree();
    // The core chooses: the view follows.
    MenuNode *docs = tree.topLevel()[1]->child(0);
    tree.setSelected(docs);
    EXPECT_EQ(tview->currentIndex().data().toString(), QStringLiteral("Docs"));
    // The user chooses: the core follows.
    focus(tview);
    QTest::keyClick(tview, Qt::Key_Down);
    EXPECT_EQ(tree.selected()->title(), "Last");
    EXPECT_EQ(widget<QLineEdit>("EditTitle")->text(), QStringLiteral("Last"));
    tree.setSelected(nullptr);
    EXPECT_TRUE(tview->selectionModel()->selectedIndexes().isEmpty());
}

TEST_F(MainWindowTest, EmptyTreePopupShowsCopyAddMenuAndShowFolderOnly)
{
    start();
    form->menus().updatePopupEntries();
    QStringList shown;
    for (QAction *a : widget<QMenu>("mnuPopup")->actions())
        if (a->isVisible() && !a->isSeparator())
            shown << a->text();
    EXPECT_EQ(shown,
        QStringList({ QStringLiteral("Add &copy"),
            QStringLiteral("&Add menu"),
            QStringLiteral("Show Command &folder") }));
}

TEST_F(MainWindowTest, F5ToF7ActOnlyWhileTheItemEditorIsEnabled)
{
    const std::string ini = dir.write("wincmd.ini", sampleMenu());
    std::filesystem::create_directories(dir.path() / "Tools");
    const std::string tools = "Z:" + (dir.path() / "Tools").string();
    std::string windowsTools = tools;
    for (char &c : windowsTools)
        c = c == '/' ? '\\' : c;
    start({ ini, "", "", "" }, windowsTools);
    auto *title = widget<QLineEdit>("EditTitle");
    auto *command = widget<QLineEdit>("EditCommand");
    auto *tview = widget<QTreeView>("tview");
    focus(tview);

    QTest::keyClick(tview, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(title->text(), QStringLiteral("Tools")) << "modifiers are not looked at";
    QTest::keyClick(tview, Qt::Key_F6);
    EXPECT_EQ(command->text(), QString::fromStdString("cd " + windowsTools));

    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("Kept"));
    command->selectAll();
    QTest::keyClicks(command, QStringLiteral("cd kept"));
    widget<QWidget>("PanelData")->setEnabled(false);
    QTest::keyClick(tview, Qt::Key_F5);
    QTest::keyClick(tview, Qt::Key_F6);
    EXPECT_EQ(title->text(), QStringLiteral("Kept"));
    EXPECT_EQ(command->text(), QStringLiteral("cd kept"));
}

// Counts the presses of one key that reach a widget.
class KeySpy : public QObject
{
public:
    KeySpy(QWidget *target, int key)
        : m_key(key)
    {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == m_key)
            ++count;
        return false;
    }

private:
    int m_key;
};

TEST_F(MainWindowTest, TheWindowsKeysStillReachTheFocusedControl)
{
    start({ dir.write("wincmd.ini", sampleMenu()), "", "", "" });
    auto *title = widget<QLineEdit>("EditTitle");
    focus(title);
    KeySpy spy(title, Qt::Key_F7);
    QTest::keyClick(title, Qt::Key_F7);
    EXPECT_EQ(spy.count, 1);
    EXPECT_EQ(widget<QLineEdit>("EditTargetPath")->text(), QStringLiteral("cd Z:\\"));
}

// ---- Status bar ----

TEST_F(MainWindowTest, StatusPanelOneKeepsItsWidthWhenTheWindowGrows)
{
    start();
    form->resize(709, 540);
    auto *bar = widget<StatusPanels>("StatusBar");
    test::waitUntil([&] {
        return bar->panel(1)->width() == 100;
    });
    EXPECT_EQ(bar->panel(1)->width(), 100);
    const int before = bar->panel(0)->width();
    EXPECT_EQ(before, form->width() - 100);
    form->resize(form->width() + 200, form->height());
    test::waitUntil([&] {
        return bar->panel(0)->width() == before + 200;
    });
    EXPECT_EQ(bar->panel(0)->width(), before + 200);
    EXPECT_EQ(bar->panel(1)->width(), 100);
    EXPECT_EQ(bar->panel(1)->x(), bar->panel(0)->width());
}

TEST_F(MainWindowTest, ShowStatusPutsABlankFirst)
{
    start();
    form->showStatus(std::string("Saved"));
    EXPECT_EQ(form->statusText(0), QStringLiteral(" Saved"));
    form->showStatus(std::string());
    EXPECT_EQ(form->statusText(0), QStringLiteral(" "));
}

// ---- Help ----

TEST_F(MainWindowTest, HelpWithoutTheHelpFileSaysWhereItShouldBe)
{
    start();
    action("mnuHelpHelp")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "The help file (torvex.hlp) should be in this folder:  \r\n" + dir.path().string() + "/");
    EXPECT_EQ(boxes.last().caption, " Can't find help file");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Error);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::Ok);
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileAtItsTopic)
{
    std::filesystem::copy_file(TORVEX_HLP_FILE, dir.path() / "torvex.hlp");
    start();
    action("mnuHelpHelp")->trigger();
    EXPECT_TRUE(boxes.empty());
    auto *viewer = form->findChild<QWidget *>(QStringLiteral("HelpViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(MainWindowTest, AboutNamesTheProgram)
{
    start();
    action("mnuHelpAbout")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text.rfind("Torvex v1.2", 0), 0u);
    EXPECT_EQ(boxes.last().icon, MsgIcon::Information);
}

TEST_F(MainWindowTest, InstalledCopyKeepsItsFilesInItsOwnFoldersAndAboutNamesThem)
{
    const std::filesystem::path config = dir.path() / "config" / "torvex";
    const std::filesystem::path state = dir.path() / "state" / "torvex";
    const std::filesystem::path share = dir.path() / "share" / "torvex";
    std::filesystem::create_directories(share);
    std::filesystem::copy_file(TORVEX_HLP_FILE, share / "torvex.hlp");
    MainWindowEnvironment environment =
        test::windowEnvironment(test::viewWithoutPrefix(), dir.path() / "bin", boxes, "Z:\\");
    environment.folders = {
        config.string() + "/", state.string() + "/", share.string() + "/", false
    };
    form = test::startedWindow(std::move(environment));

    action("mnuHelpAbout")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.last().text.find("\r\n\r\nSettings: " + config.string() + "/torvex.ini\r\nLog: "
                  + state.string() + "/torvex.log\r\nHelp: " + share.string() + "/torvex.hlp"),
        std::string::npos)
        << boxes.last().text;

    action("mnuHelpHelp")->trigger();
    EXPECT_EQ(boxes.boxes().size(), 1u) << boxes.last().text;
    auto *viewer = form->findChild<QWidget *>(QStringLiteral("HelpViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());

    // Neither folder exists before the first write into it.
    EXPECT_FALSE(std::filesystem::exists(state));
    form->files().reportError("TForm1", "Something broke");
    EXPECT_NE(test::readFile(state / "torvex.log").find("Last error: Something broke\r\n"),
        std::string::npos);

    EXPECT_FALSE(std::filesystem::exists(config));
    form->close();
    QApplication::processEvents();
    EXPECT_EQ(test::readFile(config / "torvex.ini").rfind("[form1]\r\nmaximized=", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "bin" / "torvex.ini"));
}

TEST_F(MainWindowTest, DisabledMenusIgnoreTheirKeys)
{
    start();
    focus(widget<QTreeView>("tview"));
    form->menus().setEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_TRUE(boxes.empty());
    form->menus().setEnabled(true);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

} // namespace
} // namespace torvex
