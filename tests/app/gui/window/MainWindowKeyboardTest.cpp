// The window by the keyboard alone: entries moved by Ctrl and the arrows (each one undo
// step), the focus reaching the drive buttons and the button column, and their keys.

#include "app/gui/editing/UndoHistory.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/window/MainWindow.h"
#include "menu/DirMenuWriter.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::find;
using test::outline;

const char *menu = "Docs|cd C:\\Docs\n"
                   "Projects\n"
                   "  Alpha|cd C:\\Alpha\n"
                   "  Tools\n"
                   "    Hammer|cd C:\\Hammer\n"
                   "  Beta|cd C:\\Beta\n"
                   "-\n"
                   "Games|cd C:\\Games\n";

class MainWindowKeyboardTest : public test::PrefixWindowFixture
{
protected:
    MainWindowKeyboardTest()
    {
        prefix.makeFolder("drive_c/Work/P");
        startWindow("C:\\Work");
        load(menu);
        tview = form->treeView();
    }

    void select(const std::string &title)
    {
        form->tree().setSelected(find(form->tree(), title));
        tview->setFocus();
    }

    void press(Qt::Key key) { QTest::keyClick(tview, key, Qt::ControlModifier); }

    MenuTreeView *tview = nullptr;
};

TEST_F(MainWindowKeyboardTest, CtrlArrowsMoveTheSelectedEntryOneUndoStepEach)
{
    QUndoStack *stack = form->history().stack();
    select("Beta");
    press(Qt::Key_Up);
    EXPECT_EQ(outline(form->tree()),
        "Docs|cd C:\\Docs\nProjects\n  Alpha|cd C:\\Alpha\n  Beta|cd C:\\Beta\n  Tools\n"
        "    Hammer|cd C:\\Hammer\n-\nGames|cd C:\\Games\n");
    EXPECT_EQ(stack->undoText(), QStringLiteral("Move up \"Beta\""));
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Beta"));
    EXPECT_EQ(tview->currentIndex(), form->treeModel()->indexOf(find(form->tree(), "Beta")));

    select("Hammer");
    press(Qt::Key_Left);
    EXPECT_EQ(find(form->tree(), "Hammer")->parent(), find(form->tree(), "Projects"));
    EXPECT_EQ(find(form->tree(), "Hammer")->row(), 3);
    EXPECT_TRUE(find(form->tree(), "Tools")->showsAsItem());
    EXPECT_EQ(stack->undoText(), QStringLiteral("Move out of submenu \"Hammer\""));

    select("Docs");
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    EXPECT_EQ(find(form->tree(), "Docs")->parent(), find(form->tree(), "Projects"));
    EXPECT_EQ(find(form->tree(), "Docs")->isLastChild(), true);
    EXPECT_EQ(stack->count(), 4);

    // Where the entry cannot go, nothing happens and no step is added.
    press(Qt::Key_Down);
    EXPECT_EQ(stack->count(), 4);

    // Each key is one step: four undos give the menu as loaded, the pictures included.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(tview, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(outline(form->tree()), menu);
    EXPECT_TRUE(find(form->tree(), "Tools")->showsAsSubmenu());
}

TEST_F(MainWindowKeyboardTest, TheMovesStandInTheEditMenuWithTheirKeysAndKeepTheEditsKeys)
{
    QAction *moveIn = widget<QAction>("mnuEditMoveIn");
    ASSERT_NE(moveIn, nullptr);
    EXPECT_EQ(moveIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Right));
    EXPECT_EQ(widget<QAction>("mnuEditMoveUp")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Up));
    select("Beta");
    moveIn->trigger();
    EXPECT_EQ(find(form->tree(), "Beta")->parent(), find(form->tree(), "Tools"));

    // In the title's edit Ctrl+Left moves the cursor by words and no entry.
    const std::string before = outline(form->tree());
    auto *title = widget<QLineEdit>("EditTitle");
    title->setFocus();
    title->setCursorPosition(title->text().size());
    QTest::keyClick(title, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(outline(form->tree()), before);
    EXPECT_EQ(title->cursorPosition(), 0);
}

} // namespace
} // namespace torvex
