// The main window's editing: context menu and its keys, the item editor, the folder buttons,
// Show Command folder, the count and the searches, driven through the widgets.

#include "app/gui/folders/DirListBox.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "controls/gui/DrivePanel.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failures for Qt strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace torvex {
namespace {

using test::find;
using test::outline;

class MainWindowEditingTest : public test::PrefixWindowFixture
{
protected:
    MainWindowEditingTest()
    {
        prefix.makeFolder("drive_c/Data");
        prefix.makeFolder("drive_c/Program Files/Tools");
        startWindow("C:\\");
        tview = widget<MenuTreeView>("tview");
        editTitle = widget<QLineEdit>("EditTitle");
        editCommand = widget<QLineEdit>("EditCommand");
        editTargetPath = widget<QLineEdit>("EditTargetPath");
    }

    // A mouse click on the row of the node titled `title`.
    void clickNode(const std::string &title)
    {
        const QModelIndex index = form->treeView()->indexOf(find(form->tree(), title));
        ASSERT_TRUE(index.isValid()) << title;
        const QPoint at = tview->visualRect(index).center();
        QTest::mouseClick(tview->viewport(), Qt::LeftButton, {}, at);
    }

    void treeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        tview->setFocus();
        QTest::keyClick(tview, key, modifiers);
    }

    QString status(int panel) const { return form->statusText(panel); }

    MenuTreeView *tview = nullptr;
    QLineEdit *editTitle = nullptr;
    QLineEdit *editCommand = nullptr;
    QLineEdit *editTargetPath = nullptr;
};

TEST_F(MainWindowEditingTest, TreeKeysRunTheContextMenuCommands)
{
    load("A|cd a\nB|cd b|tb\nC\n");
    clickNode("A");
    EXPECT_EQ(editTitle->text(), QStringLiteral("A"));

    treeKey(Qt::Key_Insert);
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB|cd b|tb\nC\nNew\n");
    EXPECT_EQ(editTitle->text(), QStringLiteral("New"));
    EXPECT_EQ(status(1), QStringLiteral(" 5 items"));

    clickNode("B");
    treeKey(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB|cd b|tb\nB - New|cd b|tb\nC\nNew\n");

    clickNode("C");
    treeKey(Qt::Key_Equal);
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB|cd b|tb\nB - New|cd b|tb\nC\n  New\nNew\n");
    EXPECT_TRUE(tview->isExpanded(form->treeView()->indexOf(find(form->tree(), "C"))));
    EXPECT_EQ(editTitle->text(), QStringLiteral("New"));
    EXPECT_TRUE(editCommand->isEnabled());
    EXPECT_EQ(status(1), QStringLiteral(" 8 items"));

    treeKey(Qt::Key_Delete);
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB|cd b|tb\nB - New|cd b|tb\nC\nNew\n");
    EXPECT_EQ(status(1), QStringLiteral(" 6 items"));
    EXPECT_TRUE(boxes.empty());

    // A layout whose plus key types "+" sends the plus key itself.
    clickNode("C");
    treeKey(Qt::Key_Plus);
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB|cd b|tb\nB - New|cd b|tb\nC\n  New\nNew\n");
}

TEST_F(MainWindowEditingTest, OnlyTheMainPlusKeyWithoutModifiersAddsASubmenu)
{
    load("A\n-\nB\n");
    clickNode("A");
    treeKey(Qt::Key_Plus, Qt::KeypadModifier);
    treeKey(Qt::Key_Plus, Qt::ShiftModifier);
    treeKey(Qt::Key_Equal, Qt::KeypadModifier);
    EXPECT_EQ(outline(form->tree()), "A\n-\nB\n");
    // The menu names the key as it is labelled.
    EXPECT_EQ(widget<QAction>("mnuPopupAddSubMenu")->shortcut().toString(QKeySequence::NativeText),
        QStringLiteral("+"));

    // A separator cannot hold entries: refused with a status text, no box.
    clickNode("-");
    treeKey(Qt::Key_Plus);
    EXPECT_EQ(outline(form->tree()), "A\n-\nB\n");
    EXPECT_EQ(status(0), QStringLiteral(" A separator cannot hold entries"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowEditingTest, AddMenuOnAnEmptyTreeSelectsTheNewEntryForTyping)
{
    load("Only\n");
    treeKey(Qt::Key_Delete);
    ASSERT_TRUE(form->tree().isEmpty());
    EXPECT_FALSE(widget<QWidget>("PanelData")->isEnabled());
    widget<QAction>("mnuPopupAddMenu")->trigger();
    EXPECT_TRUE(widget<QWidget>("PanelData")->isEnabled());
    EXPECT_EQ(editTitle->text(), QStringLiteral("New"));
    editTitle->setFocus();
    editTitle->selectAll();
    QTest::keyClicks(editTitle, QStringLiteral("Home"));
    EXPECT_EQ(outline(form->tree()), "Home\n");
}

TEST_F(MainWindowEditingTest, AddSubmenuIsGreyedOnASeparator)
{
    load("A\n-\n");
    auto *addSubMenu = widget<QAction>("mnuPopupAddSubMenu");
    form->tree().setSelected(find(form->tree(), "-"));
    form->menus().updatePopupEntries();
    EXPECT_TRUE(addSubMenu->isVisible());
    EXPECT_FALSE(addSubMenu->isEnabled());
    form->tree().setSelected(find(form->tree(), "A"));
    form->menus().updatePopupEntries();
    EXPECT_TRUE(addSubMenu->isEnabled());
}

TEST_F(MainWindowEditingTest, KeysInAnEditDoNotRunTreeCommands)
{
    load("A\nB\n");
    editTitle->setFocus();
    QTest::keyClick(editTitle, Qt::Key_Insert);
    QTest::keyClick(editTitle, Qt::Key_Delete);
    EXPECT_EQ(form->tree().count(), 2u);
}

TEST_F(MainWindowEditingTest, PopupShowsAddMenuOnlyForAnEmptyTree)
{
    auto shown = [this](const char *name) {
        return widget<QAction>(name)->isVisible();
    };
    load("Only|cd x|y\n");
    form->menus().updatePopupEntries();
    EXPECT_TRUE(shown("mnuPopupAddSubMenu") && shown("mnuPopUpAddSisterMenu") && shown("N2")
        && shown("mnuPopupDeleteSelectedMenu") && shown("mnuPopUpAddCopy"));
    EXPECT_FALSE(shown("mnuPopupAddMenu"));

    treeKey(Qt::Key_Delete);
    EXPECT_TRUE(form->tree().isEmpty());
    EXPECT_FALSE(widget<QWidget>("PanelData")->isEnabled());
    EXPECT_TRUE(editTitle->text().isEmpty() && editCommand->text().isEmpty()
        && editTargetPath->text().isEmpty());
    form->menus().updatePopupEntries();
    EXPECT_FALSE(shown("mnuPopupAddSubMenu") || shown("mnuPopUpAddSisterMenu") || shown("N2")
        || shown("mnuPopupDeleteSelectedMenu"));
    EXPECT_TRUE(shown("mnuPopupAddMenu") && shown("mnuPopUpAddCopy") && shown("N4")
        && shown("mnuPopupShowCommandFolder"));

    widget<QAction>("mnuPopupAddMenu")->trigger();
    EXPECT_EQ(outline(form->tree()), "New\n");
    EXPECT_TRUE(widget<QWidget>("PanelData")->isEnabled());
    EXPECT_EQ(editTitle->text(), QStringLiteral("New")) << "the new entry is selected";
}

TEST_F(MainWindowEditingTest, TheItemEditorWritesEveryKeystrokeIntoTheNode)
{
    load("A|cd a\nS\n  K\n");
    MenuNode *a = find(form->tree(), "A");
    editTitle->setFocus();
    editTitle->selectAll();
    QTest::keyClicks(editTitle, QStringLiteral("Tools"));
    EXPECT_EQ(a->title(), "Tools");
    EXPECT_EQ(
        form->treeModel()->data(form->treeView()->indexOf(a)).toString(), QStringLiteral("Tools"));
    editCommand->setFocus();
    QTest::keyClick(editCommand, Qt::Key_End);
    QTest::keyClicks(editCommand, QStringLiteral("\\x"));
    EXPECT_EQ(a->data().command, "cd a\\x");

    clickNode("S");
    EXPECT_FALSE(editCommand->isEnabled());
    EXPECT_FALSE(editTargetPath->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("ButAddPathToCommand")->isEnabled());
    EXPECT_TRUE(widget<QPushButton>("AddFolderNameToTitle")->isEnabled());
}

TEST_F(MainWindowEditingTest, PastedLineBreaksAndControlCharactersBecomeBlanks)
{
    load("A|cd a|ta\n");
    clickNode("A");
    QGuiApplication::clipboard()->setText(QStringLiteral("C:\\One\r\nC:\\Two\nC:\\Three\r"));
    editTargetPath->setFocus();
    editTargetPath->selectAll();
    QTest::keyClick(editTargetPath, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editTargetPath->text(), QStringLiteral("C:\\One C:\\Two C:\\Three "));
    EXPECT_EQ(find(form->tree(), "A")->data().targetPath, "C:\\One C:\\Two C:\\Three ");

    QGuiApplication::clipboard()->setText(
        QString::fromStdU16String(std::u16string(u"x\0y\u0007z\u2028w\u0085", 8)));
    editCommand->setFocus();
    QTest::keyClick(editCommand, Qt::Key_End);
    QTest::keyClick(editCommand, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(find(form->tree(), "A")->data().command, "cd ax y z w ");
    // Typing goes on where the paste ended.
    QTest::keyClicks(editCommand, QStringLiteral("!"));
    EXPECT_EQ(find(form->tree(), "A")->data().command, "cd ax y z w !");

    QGuiApplication::clipboard()->setText(QStringLiteral("Two\nLines"));
    editTitle->setFocus();
    editTitle->selectAll();
    QTest::keyClick(editTitle, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(find(form->tree(), "Two Lines"), form->tree().first());
}

TEST_F(MainWindowEditingTest, AControlCharacterReadFromTheFileStaysUntilTheUserEditsTheEntry)
{
    load("A|cd a\n");
    MenuNode *a = find(form->tree(), "A");
    form->tree().setTitle(a, "Tab\there");
    form->tree().setCommand(a, "cd \x01x");
    clickNode("Tab\there");
    EXPECT_EQ(editTitle->text(), QStringLiteral("Tab\there"));
    EXPECT_EQ(a->title(), "Tab\there");
    EXPECT_EQ(a->data().command, "cd \x01x");

    editTitle->setFocus();
    QTest::keyClick(editTitle, Qt::Key_End);
    QTest::keyClicks(editTitle, QStringLiteral("!"));
    EXPECT_EQ(a->title(), "Tab here!");
    EXPECT_EQ(a->data().command, "cd \x01x") << "an edit changes only its own value";
}

TEST_F(MainWindowEditingTest, TypingAfterTheSelectionMovedGoesIntoTheNodeShown)
{
    load("A|cd a\nB|cd b\n");
    clickNode("A");
    // A drag that ends without a drop leaves the selection on B and the editor on A.
    form->tree().setSelected(find(form->tree(), "B"));
    editTitle->setFocus();
    QTest::keyClick(editTitle, Qt::Key_End);
    QTest::keyClicks(editTitle, QStringLiteral("2"));
    EXPECT_EQ(outline(form->tree()), "A|cd a\nB2|cd b\n");
    EXPECT_EQ(editCommand->text(), QStringLiteral("cd b"));
}

TEST_F(MainWindowEditingTest, FunctionKeysFillTheEditorFromTheOpenFolder)
{
    load("A|cd a\nS\n  K\n");
    form->dirListBox()->setDirectory("C:\\Program Files\\Tools");
    EXPECT_EQ(status(0), QStringLiteral(" C:\\Program Files\\Tools"));
    EXPECT_EQ(widget<QPushButton>("AddFolderNameToTitle")->toolTip(),
        QStringLiteral(" Title = folder name (Tools) "));

    treeKey(Qt::Key_F5);
    treeKey(Qt::Key_F6);
    treeKey(Qt::Key_F7);
    EXPECT_EQ(outline(form->tree()),
        "Tools|cd C:\\Program Files\\Tools|cd C:\\Program Files\\Tools\nS\n  K\n");

    // F6 also acts for a submenu, whose Command edit is disabled.
    clickNode("S");
    QTest::mouseClick(widget<QPushButton>("ButAddPathToCommand"), Qt::LeftButton);
    EXPECT_EQ(find(form->tree(), "S")->data().command, "");
    treeKey(Qt::Key_F6);
    EXPECT_EQ(find(form->tree(), "S")->data().command, "cd C:\\Program Files\\Tools");

    form->dirListBox()->setDirectory("C:\\");
    EXPECT_EQ(widget<QPushButton>("AddFolderNameToTitle")->toolTip(),
        QStringLiteral(" Title = folder name () "));
    treeKey(Qt::Key_F5);
    EXPECT_EQ(find(form->tree(), "S")->title(), "S");
}

TEST_F(MainWindowEditingTest, EditsFilledByTheProgramShowTheBeginningOfTheirText)
{
    load("A|cd C:\\Program Files\\Tools\\Very\\Long|cd D:\\Target\nB\n");
    clickNode("B");
    clickNode("A");
    EXPECT_EQ(editTitle->cursorPosition(), 0);
    EXPECT_EQ(editCommand->cursorPosition(), 0);
    EXPECT_EQ(editTargetPath->cursorPosition(), 0);

    form->dirListBox()->setDirectory("C:\\Program Files\\Tools");
    treeKey(Qt::Key_F6);
    EXPECT_EQ(editCommand->text(), QStringLiteral("cd C:\\Program Files\\Tools"));
    EXPECT_EQ(editCommand->cursorPosition(), 0);

    // Typing keeps the cursor where the user put it.
    editTitle->setFocus();
    QTest::keyClick(editTitle, Qt::Key_End);
    QTest::keyClicks(editTitle, QStringLiteral("x"));
    EXPECT_EQ(editTitle->cursorPosition(), 2);
    EXPECT_EQ(find(form->tree(), "Ax")->data().command, "cd C:\\Program Files\\Tools");
}

TEST_F(MainWindowEditingTest, ShowCommandFolderOpensTheCommandsFolder)
{
    load("A|CD  c:\\data  \nB|notepad.exe\n");
    widget<QToolButton>("SButShowFolder")->click();
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\Data");
    EXPECT_EQ(status(0), QStringLiteral(" C:\\Data"));

    form->dirListBox()->setDirectory("C:\\");
    clickNode("B");
    widget<QAction>("mnuPopupShowCommandFolder")->trigger();
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\");

    // A drop cancelled with No leaves the selection on its target and the editor on the
    // node shown before: the selected node's folder opens.
    clickNode("A");
    form->tree().setSelected(find(form->tree(), "B"));
    form->tree().setCommand(find(form->tree(), "B"), "cd C:\\Program Files\\Tools");
    widget<QToolButton>("SButShowFolder")->click();
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\Program Files\\Tools");
}

TEST_F(MainWindowEditingTest, TheCountWarnsAtTwoHundred)
{
    std::string items;
    for (int i = 0; i < 199; ++i)
        items += "Item" + std::to_string(i) + "\n";
    load(items);
    EXPECT_EQ(status(1), QStringLiteral(" 200 items"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "Total Commander will only show the first 200 items!\r\nYou now have 200 items!");
    EXPECT_EQ(boxes.last().caption, "Information");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Information);

    treeKey(Qt::Key_Delete);
    EXPECT_EQ(status(1), QStringLiteral(" 199 items"));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(MainWindowEditingTest, SearchesSelectTheHitOrSayWhereTheyStarted)
{
    load("N1|cd C:\\Data\nN2|cd C:\\Gone\nN3|cd c:\\data\nN4\nN5|cd C:\\Data\n"
         "N6|cd C:\\Data\nN7|cd C:\\Data\nN8|cd C:\\Data\nN9|cd C:\\Data\nN10|cd C:\\Data\n");
    clickNode("N5");
    widget<QToolButton>("SButFindMenusWithNonexistentPaths")->click();
    EXPECT_EQ(status(0), QStringLiteral(" Searched from 5 to 10"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, " None found");
    EXPECT_EQ(boxes.last().text,
        "No menus with broken paths were found  \r\n(search started from menu number 5).");

    clickNode("N1");
    widget<QToolButton>("SButFindMenusWithNonexistentPaths")->click();
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "N2"));
    EXPECT_EQ(editTitle->text(), QStringLiteral("N2"));
    EXPECT_EQ(tview->currentIndex(), form->treeView()->indexOf(find(form->tree(), "N2")));
    EXPECT_EQ(status(0), QStringLiteral(" 1"));

    widget<QToolButton>("SButFindEmptyCommands")->click();
    EXPECT_EQ(editTitle->text(), QStringLiteral("N4"));
    EXPECT_EQ(status(0), QStringLiteral(" 3"));
}

TEST_F(MainWindowEditingTest, InputWaitingDuringASearchIsDropped)
{
    load("N1|cd C:\\Data\nN2|cd C:\\Data\nN3|cd C:\\Data\n");
    editTitle->setFocus();
    QCoreApplication::postEvent(
        editTitle, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    widget<QToolButton>("SButFindEmptyCommands")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(outline(form->tree()), "N1|cd C:\\Data\nN2|cd C:\\Data\nN3|cd C:\\Data\n");
    EXPECT_EQ(editTitle->text(), QStringLiteral("N1"));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

// The drive buttons and the folder list's drive: the button that is down names the list's
// drive, after Show Command folder onto another drive or a click on a drive it cannot read.
class ShowFolderDriveTest : public test::PrefixWindowFixture
{
};

TEST_F(ShowFolderDriveTest, TheDriveButtonsFollowTheListOntoAnotherDrive)
{
    prefix.makeFolder("drive_d/Photos/2024");
    prefix.linkDrive('d', "../drive_d");
    startWindow("C:\\");
    load("P|cd D:\\Photos\\2024\n");
    auto *panel = widget<DrivePanel>("VelDrives");
    ASSERT_EQ(panel->drive(), 'C');

    widget<QToolButton>("SButShowFolder")->click();
    EXPECT_EQ(form->dirListBox()->directory(), "D:\\Photos\\2024");
    EXPECT_EQ(panel->drive(), 'D');
}

TEST_F(ShowFolderDriveTest, ADriveThatCannotBeReadIsReportedAndItsButtonGoesBackUp)
{
    prefix.linkDrive('e', prefix.path() / "gone");
    startWindow("C:\\");
    auto *panel = widget<DrivePanel>("VelDrives");
    panel->setDriveTypes({ DriveType::Fixed, DriveType::Unavailable });
    ASSERT_TRUE(panel->model().isDriveShown('E'));

    panel->setDrive('E');
    EXPECT_EQ(form->dirListBox()->directory(), "C:\\");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.last().caption, "Error");
    EXPECT_EQ(boxes.last().text, "Drive E: is not available");
    QApplication::processEvents();
    EXPECT_EQ(panel->drive(), 'C');
}

TEST_F(ShowFolderDriveTest, ADriveThatCannotBeReadIsLoggedAsTheMainWindowsFailure)
{
    prefix.linkDrive('e', prefix.path() / "gone");
    startWindow("C:\\");
    auto *panel = widget<DrivePanel>("VelDrives");
    panel->setDriveTypes({ DriveType::Fixed, DriveType::Unavailable });
    QTest::mouseClick(panel->button('E'), Qt::LeftButton);

    const std::string log =
        test::readFile((std::filesystem::path(programFolder.path()) / "torvex.log").string());
    EXPECT_NE(log.find("App function: globalErrorHandler\r\n"
                       "Last error: Drive E: is not available\r\n"
                       "Sender: TForm1\r\n"),
        std::string::npos)
        << log;
}

} // namespace
} // namespace torvex
