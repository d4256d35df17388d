// Undo and redo through the main window: the Edit menu and its keys, drops, deletes and typing
// taken back and done again, the History window and the find box above the tree.

#include "app/gui/folders/DirListBox.h"
#include "app/gui/files/FileController.h"
#include "app/gui/tree/FindBar.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/editing/UndoHistory.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TempDir.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <QUndoView>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace torvex {
namespace {

using test::find;
using test::outline;

const char *menu = "Docs|cd C:\\Docs\n"
                   "Projects\n"
                   "  Alpha|cd C:\\Alpha\n"
                   "  Tools\n"
                   "    Hammer|cd C:\\Hammer\n"
                   "  Beta|cd C:\\Beta|cd D:\\Beta\n"
                   "Games|cd C:\\Games\n";

class MainWindowUndoTest : public test::PrefixWindowFixture
{
protected:
    MainWindowUndoTest()
    {
        prefix.makeFolder("drive_c/Work/P");
        startWindow("C:\\Work");
        load(menu);
        tview = form->treeView();
        editTitle = widget<QLineEdit>("EditTitle");
        undo = widget<QAction>("mnuEditUndo");
        redo = widget<QAction>("mnuEditRedo");
    }

    QModelIndex indexOf(const std::string &title) const
    {
        return form->treeView()->indexOf(find(form->tree(), title));
    }

    void clickNode(const std::string &title)
    {
        const QModelIndex index = indexOf(title);
        ASSERT_TRUE(index.isValid()) << title;
        QTest::mouseClick(tview->viewport(), Qt::LeftButton, {}, tview->visualRect(index).center());
    }

    // Enter, move and drop the folder list's entry "P" on the row of `title`.
    bool dropFolderOn(const std::string &title)
    {
        DirListBox *list = form->dirListBox();
        list->clearSelection();
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSelected(list->entryText(row) == "P");
        std::unique_ptr<QMimeData> data(
            list->model()->mimeData(list->selectionModel()->selectedIndexes()));
        const QPoint at = tview->visualRect(indexOf(title)).center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tview->viewport(), &enter);
        QDragMoveEvent move(at, actions, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tview->viewport(), &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(at, actions, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tview->viewport(), &drop);
        QCoreApplication::processEvents();
        return true;
    }

    QUndoStack *stack() const { return form->history().stack(); }

    MenuTreeView *tview = nullptr;
    QLineEdit *editTitle = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;
};

TEST_F(MainWindowUndoTest, EditMenuStandsBetweenFileAndOptionsAndNamesTheStep)
{
    QStringList menus;
    for (QAction *action : form->menuBar()->actions())
        menus << action->menu()->objectName();
    EXPECT_LT(menus.indexOf(QStringLiteral("mnuFile")), menus.indexOf(QStringLiteral("mnuEdit")));
    EXPECT_LT(
        menus.indexOf(QStringLiteral("mnuEdit")), menus.indexOf(QStringLiteral("mnuOptions")));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    clickNode("Projects");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Delete);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Delete \"Projects\""));
    undo->trigger();
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Delete \"Projects\""));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainWindowUndoTest, DeletedSubmenuComesBackInPlaceWithItsChildren)
{
    const std::string before = outline(form->tree());
    clickNode("Projects");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Delete);
    EXPECT_EQ(find(form->tree(), "Hammer"), nullptr);
    EXPECT_EQ(stack()->count(), 1);

    QTest::keyClick(tview, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(outline(form->tree()), before);
    EXPECT_TRUE(tview->isExpanded(indexOf("Projects")));
    EXPECT_TRUE(tview->isExpanded(indexOf("Tools")));
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Projects"));
    EXPECT_EQ(editTitle->text(), QStringLiteral("Projects"));
    EXPECT_EQ(form->statusText(1), QStringLiteral(" 10 items"));

    QTest::keyClick(tview, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(find(form->tree(), "Projects"), nullptr);
    QTest::keyClick(tview, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(find(form->tree(), "Projects"), nullptr) << "nothing left to redo";
}

TEST_F(MainWindowUndoTest, DropIsUndoneAndRedone)
{
    const std::string before = outline(form->tree());
    ASSERT_TRUE(dropFolderOn("Docs"));
    const std::string after = outline(form->tree());
    ASSERT_NE(after, before);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Add folder \"P\""));
    undo->trigger();
    EXPECT_EQ(outline(form->tree()), before);
    // The target got its command back, and the item editor shows it.
    EXPECT_EQ(find(form->tree(), "Docs")->data().command, "cd C:\\Docs");
    redo->trigger();
    EXPECT_EQ(outline(form->tree()), after);
}

TEST_F(MainWindowUndoTest, TypingMakesOneStepThatCtrlZInTheEditTakesBack)
{
    clickNode("Alpha");
    editTitle->setFocus();
    editTitle->end(false);
    QTest::keyClicks(editTitle, QStringLiteral("abc"));
    EXPECT_EQ(find(form->tree(), "Alphaabc")->data().command, "cd C:\\Alpha");
    EXPECT_EQ(stack()->count(), 1);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Edit title of \"Alpha\""));

    QTest::keyClick(editTitle, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(find(form->tree(), "Alpha"), nullptr);
    EXPECT_EQ(editTitle->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(stack()->count(), 1) << "the edit's own undo must not run";

    QTest::keyClick(editTitle, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(editTitle->text(), QStringLiteral("Alphaabc"));

    // Leaving the edit ends the step; showing another entry's text makes none.
    clickNode("Beta");
    EXPECT_EQ(stack()->count(), 1);
    editTitle->setFocus();
    QTest::keyClicks(editTitle, QStringLiteral("x"));
    EXPECT_EQ(stack()->count(), 2);
}

TEST_F(MainWindowUndoTest, SaveMarksTheCleanStateAndLoadingStartsANewHistory)
{
    test::TempDir dir;
    const std::string path = dir.write("wincmd.ini", "[DirMenu]\r\nmenu1=Home\r\ncmd1=cd c:\\\r\n");
    clickNode("Games");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Insert);
    ASSERT_EQ(stack()->count(), 1);
    ASSERT_TRUE(form->files().openMenuFile(path));
    EXPECT_EQ(stack()->count(), 0) << "the file read is no step";
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(form->history().isClean());

    QSignalSpy clean(&form->history(), &UndoHistory::cleanChanged);
    clickNode("Home");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Insert);
    EXPECT_FALSE(form->history().isClean());
    ASSERT_EQ(form->files().saveMenuToFile(path), SaveOutcome::Saved);
    EXPECT_TRUE(form->history().isClean());
    undo->trigger();
    EXPECT_FALSE(form->history().isClean());
    redo->trigger();
    EXPECT_TRUE(form->history().isClean());
    EXPECT_EQ(clean.count(), 4);
}

TEST_F(MainWindowUndoTest, ChangesNoCommandAnnouncedStillBecomeOneStepPerEvent)
{
    form->tree().setTitle(find(form->tree(), "Docs"), "Papers");
    form->tree().setTitle(find(form->tree(), "Games"), "Play");
    QCoreApplication::processEvents();
    ASSERT_EQ(stack()->count(), 1);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Change"));
    undo->trigger();
    EXPECT_EQ(outline(form->tree()), menu);
}

TEST_F(MainWindowUndoTest, HistoryWindowGoesBackToTheClickedStep)
{
    clickNode("Docs");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Insert);
    QTest::keyClick(tview, Qt::Key_Insert);
    clickNode("Games");
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_Delete);
    ASSERT_EQ(stack()->count(), 3);
    widget<QAction>("mnuEditHistory")->trigger();
    auto *window = widget<QDialog>("HistoryWindow");
    ASSERT_TRUE(window->isVisible());
    auto *list = widget<QUndoView>("HistoryList");
    // Row 0 is the menu as loaded, row k the state after step k.
    const QRect row1 = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1.center());
    EXPECT_EQ(stack()->index(), 1);
    EXPECT_EQ(outline(form->tree()), std::string(menu) + "New\n");
    window->close();
}

TEST_F(MainWindowUndoTest, FindBoxHidesHighlightsStepsAndRestores)
{
    clickNode("Games");
    QTest::keyClick(tview, Qt::Key_F, Qt::ControlModifier);
    auto *bar = widget<FindBar>("FindBar");
    auto *text = widget<QLineEdit>("FindText");
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(text->hasFocus());
    QTest::keyClicks(text, QStringLiteral("ALP"));
    QCoreApplication::processEvents();
    // Alpha matches, Projects is its parent, Games stays as the selected entry.
    // A row the view has no index for is not shown.
    const auto hidden = [this](const std::string &title) {
        const QModelIndex index = indexOf(title);
        return !index.isValid() || tview->isRowHidden(index.row(), index.parent());
    };
    EXPECT_FALSE(hidden("Alpha"));
    EXPECT_FALSE(hidden("Projects"));
    EXPECT_FALSE(hidden("Games"));
    EXPECT_TRUE(hidden("Docs"));
    EXPECT_TRUE(hidden("Tools"));
    EXPECT_EQ(widget<QLabel>("FindCount")->text(), QStringLiteral("0 of 1"));
    // The match is painted on the match ground, the parent that only leads to it is not.
    const QColor matchGround = findMatchColours(tview->palette()).background;
    const QImage shown = tview->viewport()->grab().toImage();
    const auto ground = [&](const std::string &title) {
        const QRect row = tview->visualRect(indexOf(title));
        return shown.pixelColor(row.right() - 2, row.center().y());
    };
    EXPECT_EQ(ground("Alpha"), matchGround);
    EXPECT_NE(ground("Projects"), matchGround);

    text->clear();
    QTest::keyClicks(text, QStringLiteral("c:\\"));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget<QLabel>("FindCount")->text(), QStringLiteral("5 of 5"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Docs")) << "round past the end";
    EXPECT_EQ(editTitle->text(), QStringLiteral("Docs"));
    QTest::keyClick(text, Qt::Key_F3);
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Alpha"));
    EXPECT_EQ(widget<QLabel>("FindCount")->text(), QStringLiteral("2 of 5"));

    // Drops are refused while the tree is filtered.
    EXPECT_FALSE(dropFolderOn("Alpha"));
    EXPECT_EQ(form->statusText(0), QStringLiteral(" ") + QLatin1String(dropRefusedWhileFiltered));

    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(hidden("Docs"));
    EXPECT_FALSE(hidden("Tools"));
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Alpha"));
    EXPECT_TRUE(dropFolderOn("Alpha"));
}

} // namespace
} // namespace torvex
