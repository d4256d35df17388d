// The main window's own settings: torvex.ini read at creation and written at every close, the
// drive buttons and the Options dialog applied to the window.

#include "app/gui/folders/DirListBox.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "controls/gui/DrivePanel.h"
#include "platform/WindowsView.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/OptionsDialog.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SyntheticPrefix.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace torvex {
namespace {

// C: is a fixed drive, D: a CD-ROM drive and N: a network drive.
constexpr const char *drivesHive = "[Software\\\\Wine\\\\Drives] 1700000000\n"
                                   "\"d:\"=\"cdrom\"\n\"n:\"=\"network\"\n";

class MainWindowSettingsTest : public ::testing::Test
{
protected:
    MainWindowSettingsTest()
    {
        prefix.writeMachineHive(drivesHive);
        prefix.makeFolder("drive_c/Data");
        prefix.linkDrive('d', elsewhere.makeFolder("cd"));
        prefix.linkDrive('n', elsewhere.makeFolder("share/Projects").parent_path());
        view =
            std::make_shared<WindowsView>(WindowsView::forPrefix(prefix.prefix(), Environment {}));
    }

    ~MainWindowSettingsTest() override { quit(); }

    // Starts the program as main does: the main window, then the Options dialog.
    void start()
    {
        form = std::make_unique<MainWindow>(
            test::windowEnvironment(view, programFolder.path(), boxes, "C:\\Data"));
        form2 = test::attachOptionsDialog(*form);
        form->start();
    }

    // Closes the window as its close button does (the settings are written).
    void closeWindow()
    {
        form->close();
        QApplication::processEvents();
    }

    void quit()
    {
        if (!form)
            return;
        form->session().setExitWithoutSaving(true);
        form.reset();
    }

    template <class T> T *widget(const char *name) const
    {
        return test::findWidget<T>(*form, name);
    }

    QAction *action(const char *name) const { return widget<QAction>(name); }

    std::string letters() const
    {
        std::string all;
        for (QToolButton *b : form->drivePanel()->buttons())
            all += char(b->property("drive").toInt());
        return all;
    }

    // Runs `action` as soon as `dialog` shows (it opens modally after the call that follows).
    static void whenShown(QWidget *dialog, std::function<void()> action)
    {
        auto *poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, dialog, [poll, dialog, action] {
            if (!dialog->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            action();
        });
        poll->start(10);
    }

    std::string iniPath() const { return programFolder.file("torvex.ini"); }
    std::string stored(const char *key) const
    {
        return ProgramSettings(iniPath()).readString(mainWindowSection, key, "<missing>");
    }

    test::SyntheticPrefix prefix;
    test::TempFolder elsewhere;
    test::TempDir programFolder;
    std::shared_ptr<WindowsView> view;
    test::ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
    OptionsDialog *form2 = nullptr;
};

TEST_F(MainWindowSettingsTest, FirstStartWithoutASettingsFile)
{
    start();
    EXPECT_EQ(form->frameGeometry(), QRect(100, 100, 760, 560));
    EXPECT_EQ(widget<QSplitter>("Splitter")->sizes().value(0), 230);
    EXPECT_TRUE(widget<QToolButton>("SBut_AddChildFirst")->isChecked());
    EXPECT_EQ(int(form->session().dropMode()), 3);
    EXPECT_EQ(form->drivePanel()->drive(), 'C');
    EXPECT_EQ(form->dirListBox()->drive(), 'C');
    EXPECT_EQ(letters(), "C"); // fixed drives only, once the Options are applied
    const QPalette colours = form->treeView()->palette();
    const QPalette system = QApplication::palette(form->treeView());
    EXPECT_EQ(colours.color(QPalette::Base), system.color(QPalette::Button));
    EXPECT_EQ(colours.color(QPalette::Text), system.color(QPalette::Text));
    EXPECT_TRUE(form->session().confirmDropOnCommand());
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
}

TEST_F(MainWindowSettingsTest, StoredValuesAreAppliedWithTheirClamps)
{
    programFolder.write("torvex.ini",
        "[form1]\r\nleft=40\r\ntop=50\r\nwidth=820\r\nheight=610\r\nsplitter=100\r\n"
        "SBut_Add=1\r\nSBut_Insert=1\r\nVelDrives=Q\r\n"
        "[form2]\r\nSTextFarve=0x000000FF\r\nCBoxRemote=1\r\n");
    start();
    EXPECT_EQ(form->frameGeometry(), QRect(40, 50, 820, 610));
    // Raised to 160, and then the left pane's minimum (at least 200, as the notice needs)
    // governs.
    const int leftMinimum = widget<QWidget>("PanelLeft")->minimumWidth();
    EXPECT_GE(leftMinimum, 200);
    EXPECT_EQ(widget<QSplitter>("Splitter")->sizes().value(0), leftMinimum);
    EXPECT_TRUE(widget<QToolButton>("SBut_Insert")->isChecked());
    EXPECT_FALSE(widget<QToolButton>("SBut_Add")->isChecked());
    EXPECT_EQ(int(form->session().dropMode()), 4);
    EXPECT_EQ(form->drivePanel()->drive(), 'C'); // no drive Q
    EXPECT_EQ(letters(), "CN");
    EXPECT_EQ(form->treeView()->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(MainWindowSettingsTest, ANetworkDriveIsSelectedAgainAtTheNextStart)
{
    programFolder.write("torvex.ini", "[form1]\r\nVelDrives=n\r\n[form2]\r\nCBoxRemote=1\r\n");
    start();
    EXPECT_EQ(letters(), "CN");
    EXPECT_EQ(form->drivePanel()->drive(), 'N');
    EXPECT_EQ(form->dirListBox()->drive(), 'N');
}

TEST_F(MainWindowSettingsTest, CloseWritesWhatTheUserLeft)
{
    programFolder.write("torvex.ini", "[form2]\r\nCBoxRemote=1\r\n");
    start();
    form->move(70, 80);
    form->resize(900, 640);
    widget<QSplitter>("Splitter")->setSizes({ 300, 594 });
    QTest::mouseClick(widget<QToolButton>("SBut_Add"), Qt::LeftButton);
    QTest::mouseClick(form->drivePanel()->button('N'), Qt::LeftButton);
    EXPECT_EQ(form->dirListBox()->drive(), 'N');
    const QRect outer = form->frameGeometry(); // the frame's size is the platform's
    closeWindow();
    EXPECT_EQ(stored("maximized"), "0");
    EXPECT_EQ(stored("left"), std::to_string(outer.x()));
    EXPECT_EQ(stored("top"), std::to_string(outer.y()));
    EXPECT_EQ(stored("width"), std::to_string(outer.width()));
    EXPECT_EQ(stored("height"), std::to_string(outer.height()));
    EXPECT_EQ(stored("splitter"), "300");
    EXPECT_EQ(stored("SBut_Add"), "1");
    EXPECT_EQ(stored("SBut_AddChildFirst"), "0");
    EXPECT_EQ(stored("VelDrives"), "N");

    quit();
    start();
    EXPECT_EQ(form->frameGeometry(), outer);
    EXPECT_EQ(widget<QSplitter>("Splitter")->sizes().value(0), 300);
    EXPECT_TRUE(widget<QToolButton>("SBut_Add")->isChecked());
    EXPECT_EQ(int(form->session().dropMode()), 0);
    EXPECT_EQ(form->drivePanel()->drive(), 'N');
}

TEST_F(MainWindowSettingsTest, AllDiskTypesOffWritesAnEmptyDriveAtTheNextClose)
{
    start();
    whenShown(form2, [this] {
        for (const char *name : { "CBoxFixed", "CBoxRemote" })
            form2->findChild<QCheckBox *>(QLatin1String(name))->setChecked(false);
        QTest::mouseClick(form2->findChild<QPushButton *>(QStringLiteral("ButOK")), Qt::LeftButton);
    });
    action("mnuOptionsOptions")->trigger();
    EXPECT_TRUE(form->drivePanel()->buttons().empty());
    EXPECT_EQ(form->drivePanel()->drive(), '\0');
    closeWindow();
    EXPECT_EQ(stored("VelDrives"), "");

    // An empty drive falls back to C, which then has no button: nothing is selected.
    quit();
    start();
    EXPECT_TRUE(form->drivePanel()->buttons().empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSettingsTest, ConfirmationsFollowOnlyAnOk)
{
    start();
    test::buildTree(form->tree(), "Home|cd c:\\\n");
    const auto uncheckBoth = [this] {
        for (const char *name : { "CBoxAsk", "CBoxDropTargetHasCommand" })
            form2->findChild<QCheckBox *>(QLatin1String(name))->setChecked(false);
    };
    // Closed by its frame: nothing is written or applied.
    whenShown(form2, [&] {
        uncheckBoth();
        form2->close();
    });
    action("mnuOptionsOptions")->trigger();
    EXPECT_TRUE(form->session().confirmDropOnCommand());
    boxes.answer(MsgResult::Cancel);
    action("mnuFileExitWithoutSaving")->trigger();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.last().caption, " Exit without saving?");

    whenShown(form2, [&] {
        uncheckBoth();
        QTest::mouseClick(form2->findChild<QPushButton *>(QStringLiteral("ButOK")), Qt::LeftButton);
    });
    action("mnuOptionsOptions")->trigger();
    EXPECT_FALSE(form->session().confirmDropOnCommand());
    boxes.reset();
    action("mnuFileExitWithoutSaving")->trigger();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(form->session().exitWithoutSaving());
}

TEST_F(MainWindowSettingsTest, SettingsThatCannotBeWrittenStillLetTheWindowClose)
{
    start();
    form->show();
    // A folder where the file should be: every write of it fails.
    std::filesystem::create_directory(iniPath());
    closeWindow();
    EXPECT_FALSE(form->isVisible());
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(
        boxes.boxes().front().text.find("Unable to write to " + iniPath()), std::string::npos);
}

} // namespace
} // namespace torvex
