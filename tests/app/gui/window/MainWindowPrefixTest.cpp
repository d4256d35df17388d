// The main window works in the Wine prefix of the file it edits, and offers the files of the
// other prefixes of the machine when its own has none.
#include "app/gui/folders/DirListBox.h"
#include "app/gui/files/FileController.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/window/MainWindow.h"
#include "controls/gui/DrivePanel.h"
#include "platform/WindowsView.h"
#include "support/PrefixLayouts.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/gui/FindWidget.h"
#include "support/gui/ListRows.h"
#include "support/gui/Wait.h"
#include "support/gui/WindowEnvironment.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace torvex {
namespace {

class MainWindowPrefixTest : public ::testing::Test
{
protected:
    test::FakeHome home;
    // ~/.wine has drives C: and D: and no C:\Data; the bottle has C: with C:\Data\Work, and E:.
    fs::path wine = home.makePrefix(".wine");
    fs::path bottle = home.makePrefix(".local/share/bottles/bottles/Work");
    test::TempFolder programFolder;
    test::ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;

    void SetUp() override
    {
        fs::remove_all(wine / "drive_c/Data");
        fs::create_symlink(home.path(), wine / "dosdevices/d:");
        fs::create_symlink(home.path(), bottle / "dosdevices/e:");
    }

    ~MainWindowPrefixTest() override
    {
        if (form)
            form->session().setExitWithoutSaving(true);
    }

    void start(const std::array<std::string, 4> &slots,
        bool isPrefixFixed = false,
        const fs::path &startPrefix = {})
    {
        MainWindowEnvironment environment = test::windowEnvironment(
            std::make_shared<const WindowsView>(WindowsView::forPrefix(
                WinePrefix(startPrefix.empty() ? wine : startPrefix), home.environment())),
            programFolder.path(),
            boxes,
            "C:\\");
        environment.candidates = test::foundFiles(slots);
        environment.hostEnvironment = home.environment();
        environment.isPrefixFixed = isPrefixFixed;
        form = test::startedWindow(std::move(environment));
    }

    std::string fileIn(const fs::path &prefix) const
    {
        return (prefix / "drive_c/fm/wincmd.ini").string();
    }

    std::string driveLetters() const
    {
        std::string letters;
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            if (form->drivePanel()->button(letter))
                letters += letter;
        return letters;
    }

    fs::path windowPrefix() const { return form->windowsView().prefix()->root(); }
    QLabel *prefixPanel() const { return test::findWidget<QLabel>(*form, "PanelPrefix"); }
    void showProblems() { form->findChild<QAction *>(QStringLiteral("viewProblems"))->trigger(); }
    int brokenRows()
    {
        auto *rows = test::findWidget<QAbstractItemView>(*form, "problemRows");
        return test::rowCount(*rows);
    }
};

TEST_F(MainWindowPrefixTest, DrivesFoldersAndBrokenPathsComeFromThePrefixOfTheFile)
{
    start({ fileIn(bottle), "", "", "" });
    EXPECT_EQ(windowPrefix(), bottle);
    EXPECT_EQ(prefixPanel()->text(), QStringLiteral(" Bottles: Work "));
    EXPECT_EQ(prefixPanel()->toolTip(),
        QLatin1Char(' ') + QString::fromStdString(bottle.string()) + QLatin1Char(' '));
    EXPECT_EQ(driveLetters(), "CE");
    showProblems();
    QTest::qWait(300); // the list is made a moment after the menu changed
    EXPECT_EQ(brokenRows(), 0) << "C:\\Data\\Work is in the bottle";
    form->dirListBox()->setDirectory("C:\\Data");
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\Data");

    // Another file, in ~/.wine: everything moves there.
    ASSERT_TRUE(form->files().openMenuFile(fileIn(wine)));
    EXPECT_EQ(windowPrefix(), wine);
    EXPECT_EQ(prefixPanel()->text(), QStringLiteral(" ~/.wine "));
    EXPECT_EQ(driveLetters(), "CD");
    EXPECT_TRUE(test::waitUntil([this] {
        return brokenRows() == 1;
    })) << "C:\\Data\\Work is not in ~/.wine";
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\") << "~/.wine has no C:\\Data";
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MainWindowPrefixTest, ANamedPrefixIsKept)
{
    start({ fileIn(bottle), "", "", "" }, true);
    EXPECT_EQ(windowPrefix(), wine);
    EXPECT_EQ(prefixPanel()->text(), QStringLiteral(" ~/.wine "));
}

TEST_F(MainWindowPrefixTest, FilesOfOtherPrefixesAreOfferedWithTheirNamesNeverLoadedUnasked)
{
    fs::remove(wine / "drive_c/fm/wincmd.ini");
    start({});
    EXPECT_TRUE(form->tree().isEmpty()) << "the only file found is another prefix's";
    EXPECT_EQ(windowPrefix(), wine);
    QStringList listed;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &listed] {
        auto *chooser = qobject_cast<IniChooserDialog *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        poll->deleteLater();
        poll->stop();
        auto *list = chooser->findChild<QListWidget *>(QStringLiteral("lboxIniStier"));
        for (int i = 0; i < list->count(); ++i)
            listed.append(list->item(i)->text());
        QTest::mouseClick(
            chooser->findChild<QPushButton *>(QStringLiteral("butOK")), Qt::LeftButton);
    });
    poll->start(10);
    test::attachChooser(*form);
    EXPECT_EQ(listed,
        QStringList {
            QStringLiteral("[Bottles: Work]  ") + QString::fromStdString(fileIn(bottle)) });
    EXPECT_EQ(form->session().currentIniFile(), fileIn(bottle));
    EXPECT_EQ(form->tree().count(), 1u);
    EXPECT_EQ(windowPrefix(), bottle);
}

TEST_F(MainWindowPrefixTest, APrefixWhoseHiveCannotBeReadIsNamedAtStart)
{
    fs::remove(bottle / "user.reg");
    ASSERT_EQ(::mkfifo((bottle / "user.reg").c_str(), 0600), 0);
    start({}, true, bottle);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, prefixProblemCaption);
    EXPECT_NE(boxes.last().text.find((bottle / "user.reg").string() + ": not a regular file"),
        std::string::npos);
}

} // namespace
} // namespace torvex
