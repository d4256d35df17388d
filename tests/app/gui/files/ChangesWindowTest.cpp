// File > Show changes... (Ctrl+D) through the main window: the menu on disk against what a save
// would write, entry by entry, and as key lines in the unified view and side by side.

#include "app/gui/files/ChangesWindow.h"

#include "app/gui/window/MainWindow.h"
#include "settings/gui/Colours.h"
#include "support/LogWatchingBoxes.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>
#include <memory>

namespace torvex {
namespace {

using test::readFile;
using test::TempDir;

const std::string wincmd = "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n"
                           "menu1=Home\r\ncmd1=cd c:\\\r\nmenu2=Work\r\ncmd2=cd d:\\\r\n";

class ChangesWindowTest : public ::testing::Test
{
protected:
    void start(const std::string &candidate)
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.candidates = test::foundFiles({ candidate });
        boxes.logPath = dir.file("torvex.log");
        form = test::startedWindow(std::move(environment));
        QApplication::setActiveWindow(form.get());
    }

    // Ctrl+D, as the user presses it in the item editor.
    ChangesWindow *pressCtrlD()
    {
        QTest::keyClick(editTitle(), Qt::Key_D, Qt::ControlModifier);
        return form->findChild<ChangesWindow *>(QStringLiteral("ChangesWindow"));
    }

    QLineEdit *editTitle() const { return test::findWidget<QLineEdit>(*form, "EditTitle"); }

    void typeAtEndOfTitle(const QString &text)
    {
        editTitle()->setFocus();
        QTest::keyClick(editTitle(), Qt::Key_End);
        QTest::keyClicks(editTitle(), text);
    }

    TempDir dir;
    test::LogWatchingBoxes boxes;
    std::unique_ptr<MainWindow> form;
};

TEST_F(ChangesWindowTest, AfterAnEditTheDiffListsExactlyTheChangedLines)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    typeAtEndOfTitle(QStringLiteral(" 2"));
    ASSERT_EQ(form->tree().first()->title(), "Home 2");

    ChangesWindow *window = pressCtrlD();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->summary(), QStringLiteral("1 entry changed"));
    EXPECT_EQ(window->entryLines(),
        (QStringList { QStringLiteral("Changed: Home: title \"Home\" -> \"Home 2\"") }));
    EXPECT_EQ(window->changedLines(),
        (QStringList { QStringLiteral("-menu1=Home"), QStringLiteral("+menu1=Home 2") }));

    // The key lines side by side: the old line faces the new one.
    test::findWidget<QCheckBox>(*window, "ChangesKeyLines")->click();
    test::findWidget<QCheckBox>(*window, "ChangesSideBySide")->click();
    auto *table = test::findWidget<QTableWidget>(*window, "ChangesTable");
    EXPECT_TRUE(table->isVisible());
    ASSERT_GE(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("menu1=Home"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("menu1=Home 2"));
    EXPECT_NE(table->item(1, 0)->background(), table->item(2, 0)->background());

    // The window stays open while the menu is edited; Ctrl+D compares anew in the same one.
    typeAtEndOfTitle(QStringLiteral("x"));
    EXPECT_EQ(pressCtrlD(), window);
    EXPECT_EQ(form->findChildren<ChangesWindow *>().size(), 1);
    EXPECT_EQ(window->changedLines(),
        (QStringList { QStringLiteral("-menu1=Home"), QStringLiteral("+menu1=Home 2x") }));

    // Once saved, the file and the editor agree.
    test::findWidget<QAction>(*form, "mnuFilesSave")->trigger();
    // Ctrl+D in the changes window itself compares again.
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(window->summary(), QStringLiteral("The menu on disk is the same as in the editor."));
    EXPECT_TRUE(window->entryLines().isEmpty());
    EXPECT_TRUE(window->changedLines().isEmpty());
    EXPECT_EQ(table->rowCount(), 0);
}

TEST_F(ChangesWindowTest, TheFileIsReadAsItIsOnDiskNow)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    // Another program adds an entry after the load.
    dir.write("wincmd.ini", wincmd + "menu3=Games\r\ncmd3=cd g:\\\r\n");
    ChangesWindow *window = pressCtrlD();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->summary(), QStringLiteral("1 entry removed"));
    EXPECT_EQ(window->entryLines(), (QStringList { QStringLiteral("Removed: Games") }));
    EXPECT_EQ(window->changedLines(),
        (QStringList { QStringLiteral("-menu3=Games"), QStringLiteral("-cmd3=cd g:\\") }));
    EXPECT_EQ(readFile(path), wincmd + "menu3=Games\r\ncmd3=cd g:\\\r\n");
}

// Each coloured line of the three views keeps the palette's text readable on its ground, under
// a light and a dark palette.
TEST_F(ChangesWindowTest, ColouredLinesReadUnderALightAndADarkPalette)
{
    const QPalette original = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    for (const QPalette &palette : { QPalette(QColor(240, 240, 240)), dark }) {
        const bool isDark = palette.color(QPalette::Base) == dark.color(QPalette::Base);
        SCOPED_TRACE(isDark ? "dark" : "light");
        QApplication::setPalette(palette);
        form.reset();
        start(dir.write("wincmd.ini", wincmd));
        typeAtEndOfTitle(QStringLiteral(" 2"));
        ChangesWindow *window = pressCtrlD();
        ASSERT_NE(window, nullptr);
        const auto expectReadable = [](const QColor &text, const QColor &ground) {
            EXPECT_GE(contrastRatio(text, ground), readableContrast)
                << ground.name().toStdString() << " under " << text.name().toStdString();
        };

        auto *entries = test::findWidget<QListWidget>(*window, "ChangesEntries");
        ASSERT_EQ(entries->count(), 1);
        const QColor entryText = entries->item(0)->foreground().style() == Qt::NoBrush
            ? entries->palette().color(QPalette::Text)
            : entries->item(0)->foreground().color();
        expectReadable(entryText, entries->item(0)->background().color());

        test::findWidget<QCheckBox>(*window, "ChangesKeyLines")->click();
        auto *unified = test::findWidget<QTextEdit>(*window, "ChangesUnified");
        int coloured = 0;
        for (QTextBlock block = unified->document()->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().hasProperty(QTextFormat::BackgroundBrush)) {
                ++coloured;
                expectReadable(unified->palette().color(QPalette::Text),
                    block.blockFormat().background().color());
            }
        EXPECT_GE(coloured, 3) << "the hunk's head, the removed and the added line";

        test::findWidget<QCheckBox>(*window, "ChangesSideBySide")->click();
        auto *table = test::findWidget<QTableWidget>(*window, "ChangesTable");
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < 2; ++column)
                if (const QTableWidgetItem *item = table->item(row, column);
                    item && item->background().style() != Qt::NoBrush)
                    expectReadable(table->palette().color(QPalette::Text), item->background().color());
        form->session().setExitWithoutSaving(true);
    }
    form.reset();
    QApplication::setPalette(original);
}

TEST_F(ChangesWindowTest, OneEntryMissingNearTheTopIsOneLineAndTheKeyLinesAreAToggleAway)
{
    std::string section;
    for (int i = 1; i <= 40; ++i)
        section += "menu" + std::to_string(i) + "=Folder " + std::to_string(i) + "\r\ncmd"
            + std::to_string(i) + "=cd c:\\f" + std::to_string(i) + "\r\n";
    const std::string path =
        dir.write("wincmd.ini", "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n" + section);
    start(path);
    // Another program takes the second entry out and numbers the rest anew.
    std::string shorter;
    for (int i = 1, key = 1; i <= 40; ++i) {
        if (i == 2)
            continue;
        shorter += "menu" + std::to_string(key) + "=Folder " + std::to_string(i) + "\r\ncmd"
            + std::to_string(key) + "=cd c:\\f" + std::to_string(i) + "\r\n";
        ++key;
    }
    dir.write("wincmd.ini", "[Configuration]\r\nInstallDir=c:\\fm\r\n[DirMenu]\r\n" + shorter);

    ChangesWindow *window = pressCtrlD();
    ASSERT_NE(window, nullptr);
    // A save would put it back: one entry, where the key lines differ by the dozen.
    EXPECT_EQ(window->summary(), QStringLiteral("1 entry added"));
    EXPECT_EQ(window->entryLines(), (QStringList { QStringLiteral("Added: Folder 2") }));
    EXPECT_GT(window->changedLines().size(), 70);

    auto *entries = test::findWidget<QListWidget>(*window, "ChangesEntries");
    auto *unified = test::findWidget<QTextEdit>(*window, "ChangesUnified");
    auto *keyLines = test::findWidget<QCheckBox>(*window, "ChangesKeyLines");
    auto *sideBySide = test::findWidget<QCheckBox>(*window, "ChangesSideBySide");
    EXPECT_TRUE(entries->isVisible());
    EXPECT_FALSE(unified->isVisible());
    EXPECT_FALSE(sideBySide->isEnabled());

    keyLines->click();
    EXPECT_TRUE(window->showsKeyLines());
    EXPECT_TRUE(unified->isVisible());
    EXPECT_FALSE(entries->isVisible());
    EXPECT_TRUE(unified->toPlainText().contains(QStringLiteral("+menu2=Folder 2")));
    ASSERT_TRUE(sideBySide->isEnabled());
    sideBySide->click();
    EXPECT_TRUE(test::findWidget<QTableWidget>(*window, "ChangesTable")->isVisible());

    // Back to the entries, whatever the side by side choice.
    keyLines->click();
    EXPECT_TRUE(entries->isVisible());
    EXPECT_FALSE(sideBySide->isEnabled());
}

TEST_F(ChangesWindowTest, TheKeyLinesAreComparedAnewWhenTheyAreShown)
{
    const std::string path = dir.write("wincmd.ini", wincmd);
    start(path);
    typeAtEndOfTitle(QStringLiteral(" 2"));
    ChangesWindow *window = pressCtrlD();
    ASSERT_NE(window, nullptr);
    auto *unified = test::findWidget<QTextEdit>(*window, "ChangesUnified");
    auto *keyLines = test::findWidget<QCheckBox>(*window, "ChangesKeyLines");
    // Compared only once shown, at the moment they are shown: the edit since is in them.
    typeAtEndOfTitle(QStringLiteral("x"));
    keyLines->click();
    EXPECT_TRUE(unified->toPlainText().contains(QStringLiteral("+menu1=Home 2x")));
    EXPECT_EQ(window->entryLines(),
        (QStringList { QStringLiteral("Changed: Home: title \"Home\" -> \"Home 2x\"") }));

    // While shown, Refresh compares them again.
    typeAtEndOfTitle(QStringLiteral("y"));
    window->refresh();
    EXPECT_TRUE(unified->toPlainText().contains(QStringLiteral("+menu1=Home 2xy")));

    // Hidden, the entries alone; shown again, anew.
    keyLines->click();
    typeAtEndOfTitle(QStringLiteral("z"));
    window->refresh();
    EXPECT_EQ(window->entryLines(),
        (QStringList { QStringLiteral("Changed: Home: title \"Home\" -> \"Home 2xyz\"") }));
    keyLines->click();
    EXPECT_TRUE(unified->toPlainText().contains(QStringLiteral("+menu1=Home 2xyz")));
}

TEST_F(ChangesWindowTest, WithNoFileOpenTheWindowSaysSo)
{
    start("");
    ChangesWindow *window = pressCtrlD();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->summary(), QStringLiteral("No menu file is open."));
    EXPECT_TRUE(boxes.boxes().empty());
}

} // namespace
} // namespace torvex
