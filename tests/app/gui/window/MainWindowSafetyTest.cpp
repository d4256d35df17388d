// What the main window does to keep a menu safe when saving: the backup before the first save,
// the question when another program changed the menu in the file, the watch on the file while
// idle and the mark of unsaved changes.

#include "app/gui/files/ChangesWindow.h"
#include "app/gui/files/FileController.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/files/NoticeBar.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/FindWidget.h"
#include "support/gui/LoadedWindowFixture.h"
#include "support/gui/Wait.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace torvex {
namespace {

using test::find;
using test::outline;
using test::readFile;
using test::TempDir;

const std::string original = "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n"
                             "menu1=Home\r\ncmd1=cd c:\\\r\n";
// The same file after another program added an entry to the menu.
const std::string otherProgramsMenu =
    "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n"
    "menu1=Home\r\ncmd1=cd c:\\\r\nmenu2=Added\r\ncmd2=cd d:\\\r\n";
// ... or changed another section only.
const std::string otherSectionChanged = "[Configuration]\r\nInstallDir=c:\\other\r\n[DirMenu]\r\n"
                                        "menu1=Home\r\ncmd1=cd c:\\\r\n";

class MainWindowSafetyTest : public test::LoadedWindowFixture
{
protected:
    std::string path;

    // Writes `file` as wincmd.ini and starts the window, which loads it.
    void start(const std::string &file = original)
    {
        path = dir.write("wincmd.ini", file);
        LoadedWindowFixture::start(path);
    }

    // Adds a copy of "Home" as one step of the history.
    void edit()
    {
        form->tree().setSelected(find(form->tree(), "Home"));
        trigger("mnuPopUpAddCopy");
    }
    // Another program rewrites the file: a new file renamed over it, as editors save.
    void writeFromOutside(const std::string &bytes)
    {
        const std::string fresh = dir.write("wincmd.ini.new", bytes);
        std::filesystem::rename(fresh, path);
    }
    QString title() const { return form->windowTitle(); }
    QString filePanel() const { return widget<QLabel>("Panel_IniSti")->text(); }
};

TEST_F(MainWindowSafetyTest, TheFirstSaveKeepsTheFileAsItWasAndLaterSavesKeepThatBackup)
{
    start();
    edit();
    save();
    EXPECT_EQ(readFile(path + ".bak"), original);
    EXPECT_NE(readFile(path), original);
    EXPECT_EQ(form->statusText(0), QStringLiteral("  Data saved")) << "beside the file: as ever";

    edit();
    save();
    EXPECT_EQ(readFile(path + ".bak"), original) << "the second save keeps the first backup";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSafetyTest, SaveAsAndTheCloseTimeSaveKeepABackupToo)
{
    start();
    const std::string other = dir.write("other.ini", "[DirMenu]\r\nmenu1=Other\r\n");
    EXPECT_EQ(form->files().saveMenuToFile(other), SaveOutcome::Saved);
    EXPECT_EQ(readFile(other + ".bak"), "[DirMenu]\r\nmenu1=Other\r\n");

    edit();
    form->session().setExitWithoutSaving(false);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(path + ".bak"), original);
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nHome - New|cd c:\\\n");
}

TEST_F(MainWindowSafetyTest, NoBackupWhenTheOptionIsOff)
{
    dir.write("torvex.ini", "[form2]\r\nCBoxBackup=0\r\n");
    start();
    edit();
    save();
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    EXPECT_NE(readFile(path), original);
}

TEST_F(MainWindowSafetyTest, AnotherProgramsMenuIsNotOverwrittenWithoutTheQuestion)
{
    start();
    edit();
    writeFromOutside(otherProgramsMenu);

    // Cancel, the default, writes nothing.
    boxes.answerChoice(3);
    save();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "The menu in " + path + " was changed by another program after Torvex loaded it.\r\n"
        "\r\nOverwrite it with the menu shown here? The other program's change to the menu is "
        "then lost.\r\nReload shows the menu of the file instead, losing the changes made here.");
    EXPECT_EQ(boxes.last().buttonTexts,
        (std::vector<std::string> { "Overwrite", "Reload", "Show changes...", "Cancel" }));
    EXPECT_EQ(boxes.last().defaultButton, 3u);
    EXPECT_EQ(boxes.last().escapeButton, 3u);
    EXPECT_EQ(readFile(path), otherProgramsMenu);

    // Show changes shows them in a window the user can work in while the question waits,
    // and asks again once it is closed.
    boxes.answerChoice(2);
    boxes.answerChoice(3);
    bool shownWhileWaiting = false;
    QStringList shownLines;
    QTimer::singleShot(0, form.get(), [&] {
        auto *changes = form->findChild<ChangesWindow *>();
        if (!changes)
            return;
        shownWhileWaiting = changes->isVisible() && changes->isModal();
        shownLines = changes->changedLines();
        changes->close();
    });
    save();
    EXPECT_EQ(boxes.boxes().size(), 3u);
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_TRUE(shownLines.contains(QStringLiteral("-menu2=Added")));
    EXPECT_EQ(readFile(path), otherProgramsMenu);

    // Overwrite writes the editor's menu; the next save asks nothing.
    boxes.answerChoice(0);
    save();
    EXPECT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nHome - New|cd c:\\\n");
    EXPECT_EQ(readFile(path).find("Added"), std::string::npos);
    save();
    EXPECT_EQ(boxes.boxes().size(), 4u);
}

TEST_F(MainWindowSafetyTest, ReloadLoadsTheFilesMenuAfterTheSecondQuestion)
{
    start();
    edit();
    writeFromOutside(otherProgramsMenu);

    // A Cancel to the second question keeps the editor's menu.
    boxes.answerChoice(1);
    boxes.answerChoice(1);
    save();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.last().caption, "Reload?");
    EXPECT_EQ(boxes.last().defaultButton, 1u);
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nHome - New|cd c:\\\n");

    boxes.answerChoice(1);
    boxes.answerChoice(0);
    save();
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nAdded|cd d:\\\n");
    EXPECT_EQ(readFile(path), otherProgramsMenu);
    EXPECT_FALSE(title().endsWith(QLatin1Char('*'))) << "the loaded menu is the saved one";
}

TEST_F(MainWindowSafetyTest, ClosingAsksTheSameAndCancelKeepsTheWindow)
{
    start();
    edit();
    writeFromOutside(otherProgramsMenu);
    form->session().setExitWithoutSaving(false);
    boxes.answerChoice(3);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Menu changed on disk");
    EXPECT_EQ(readFile(path), otherProgramsMenu);
}

TEST_F(MainWindowSafetyTest, AnotherSectionChangedOnDiskAsksNothingAndIsKept)
{
    start();
    edit();
    writeFromOutside(otherSectionChanged);
    save();
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(readFile(path).find("InstallDir=c:\\other"), std::string::npos);
    EXPECT_NE(readFile(path).find("menu2=Home"), std::string::npos);
}

TEST_F(MainWindowSafetyTest, TheWatchShowsAnotherProgramsEditWithReload)
{
    start();
    ASSERT_FALSE(bar()->isVisible());
    writeFromOutside(otherProgramsMenu);
    ASSERT_TRUE(test::waitUntil([&] {
        return bar()->isVisible();
    }));
    EXPECT_EQ(bar()->text(),
        QString::fromStdString(
            "The menu in " + path + " was changed by another program after Torvex loaded it."));
    auto *reload = widget<QPushButton>("noticeActionButton");
    ASSERT_TRUE(reload->isVisible());
    EXPECT_EQ(reload->text(), QStringLiteral("Reload"));
    // Nothing was changed in the editor: nothing to lose, nothing asked.
    QTest::mouseClick(reload, Qt::LeftButton);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nAdded|cd d:\\\n");
    EXPECT_FALSE(bar()->isVisible());
}

TEST_F(MainWindowSafetyTest, TheWatchTellsOfAFileMovedAwayAndOffersSaveToFile)
{
    start();
    edit();
    std::filesystem::rename(path, path + ".moved");
    ASSERT_TRUE(test::waitUntil([&] {
        return bar()->isVisible();
    }));
    EXPECT_EQ(bar()->text(),
        QString::fromStdString(path
            + " was moved or deleted after Torvex loaded it. Save to file... keeps the menu "
              "shown here in a file of your choice."));
    EXPECT_EQ(widget<QPushButton>("noticeActionButton")->text(), QStringLiteral("Save to file..."));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSafetyTest, ReloadFromTheNoticeAsksFirstWhenTheEditorHasChanges)
{
    start();
    edit();
    writeFromOutside(otherProgramsMenu);
    ASSERT_TRUE(test::waitUntil([&] {
        return bar()->isVisible();
    }));
    boxes.answerChoice(1);
    QTest::mouseClick(widget<QPushButton>("noticeActionButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Reload?");
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nHome - New|cd c:\\\n");
    // Still changed on disk: the notice stays to tell so.
    EXPECT_TRUE(bar()->isVisible());

    boxes.answerChoice(0);
    form->files().reloadMenu(path);
    EXPECT_EQ(outline(form->tree()), "Home|cd c:\\\nAdded|cd d:\\\n");
}

TEST_F(MainWindowSafetyTest, TheWatchIgnoresTorvexsOwnSavesAndOtherSections)
{
    start();
    edit();
    save();
    QTest::qWait(3 * 250);
    EXPECT_FALSE(bar()->isVisible());
    std::string saved = readFile(path);
    saved.replace(saved.find("c:\\fm"), 5, "c:\\other");
    writeFromOutside(saved);
    QTest::qWait(3 * 250);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowSafetyTest, TheMarkShowsUnsavedChangesUntilSavedOrUndone)
{
    start();
    const QString cleanTitle = title();
    const QString cleanPanel = filePanel();
    EXPECT_EQ(cleanPanel, QString::fromStdString(" " + path));
    EXPECT_FALSE(cleanTitle.contains(QLatin1Char('*')));

    edit();
    EXPECT_EQ(title(), cleanTitle + QStringLiteral(" *"));
    EXPECT_EQ(filePanel(), QString::fromStdString(" * " + path));

    save();
    EXPECT_EQ(title(), cleanTitle);
    EXPECT_EQ(filePanel(), cleanPanel);

    edit();
    EXPECT_EQ(title(), cleanTitle + QStringLiteral(" *"));
    trigger("mnuEditUndo");
    EXPECT_EQ(title(), cleanTitle);
    EXPECT_EQ(filePanel(), cleanPanel);
}

} // namespace
} // namespace torvex
