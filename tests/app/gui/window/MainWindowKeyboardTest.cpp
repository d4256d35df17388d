// The window by the keyboard alone: entries moved by Ctrl and the arrows (each one undo
// step), the focus reaching the drive buttons and the button column, and their keys.

#include "app/Session.h"
#include "app/gui/editing/UndoHistory.h"
#include "app/gui/folders/DirListBox.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/widgets/FocusFrame.h"
#include "app/gui/window/MainWindow.h"
#include "controls/gui/DrivePanel.h"
#include "menu/DirMenuWriter.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"
#include "settings/gui/Colours.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QTest>
#include <QUndoStack>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
        prefix.makeFolder("drive_d");
        prefix.linkDrive('d', "../drive_d");
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
    EXPECT_EQ(tview->currentIndex(), form->treeView()->indexOf(find(form->tree(), "Beta")));

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


// While the find box hides part of the menu a step would pass entries the user cannot see:
// the keys move nothing and say why, as a drop does, and the Edit menu greys the moves out.
TEST_F(MainWindowKeyboardTest, NoEntryMovesWhileTheFindBoxHidesPartOfTheMenu)
{
    QUndoStack *stack = form->history().stack();
    select("Beta");
    QTest::keyClick(tview, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(widget<QLineEdit>("FindText"), QStringLiteral("Beta"));
    QCoreApplication::processEvents();
    tview->setFocus();
    ASSERT_EQ(form->tree().selected(), find(form->tree(), "Beta"));

    press(Qt::Key_Up);
    press(Qt::Key_Right);
    EXPECT_EQ(outline(form->tree()), menu);
    EXPECT_EQ(stack->count(), 0);
    EXPECT_EQ(form->statusText(0), QStringLiteral(" Close the find box (Esc) to drop or move entries"));
    QMenu *edit = widget<QMenu>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    Q_EMIT edit->aboutToShow();
    EXPECT_FALSE(widget<QAction>("mnuEditMoveUp")->isEnabled());

    // With the box closed the same key moves the entry again.
    QTest::keyClick(widget<QLineEdit>("FindText"), Qt::Key_Escape);
    QCoreApplication::processEvents();
    tview->setFocus();
    Q_EMIT edit->aboutToShow();
    EXPECT_TRUE(widget<QAction>("mnuEditMoveUp")->isEnabled());
    press(Qt::Key_Up);
    EXPECT_EQ(find(form->tree(), "Beta")->row(), 1);
    EXPECT_EQ(stack->count(), 1);
}

TEST_F(MainWindowKeyboardTest, TabGoesFromTheDrivesThroughTheEditorTreeAndListToTheButtonColumn)
{
    std::vector<std::string> visited;
    form->drivePanel()->buttons().front()->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 40 && visited.size() < 40; ++i) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        visited.push_back(focus->objectName().toStdString());
        if (visited.back() == "SButFindEmptyCommands")
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const auto at = [&visited](const char *name) {
        const auto found = std::find(visited.begin(), visited.end(), name);
        EXPECT_NE(found, visited.end()) << name;
        return found - visited.begin();
    };
    EXPECT_LT(at("DriveButtonC"), at("EditTitle"));
    EXPECT_LT(at("EditTitle"), at("ButAddPathToTargetPath"));
    EXPECT_LT(at("ButAddPathToTargetPath"), at("tview"));
    EXPECT_LT(at("tview"), at("DirListBox"));
    EXPECT_LT(at("DirListBox"), at("SButSave"));
    EXPECT_LT(at("SButSave"), at("SButShowFolder"));
    // Tab stops at one of the drop modes, the arrows go to the others.
    int dropModes = 0;
    for (const char *name :
        { "SBut_Add", "SBut_AddFirst", "SBut_AddChild", "SBut_AddChildFirst", "SBut_Insert" }) {
        if (std::count(visited.begin(), visited.end(), name) == 0)
            continue;
        ++dropModes;
        EXPECT_LT(at("SButShowFolder"), at(name));
        EXPECT_LT(at(name), at("SButFindMenusWithNonexistentPaths"));
    }
    EXPECT_EQ(dropModes, 1);
    auto *addFirst = widget<QToolButton>("SBut_AddFirst");
    addFirst->setFocus(Qt::TabFocusReason);
    QTest::keyClick(addFirst, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), widget<QToolButton>("SBut_AddChild"));
}

TEST_F(MainWindowKeyboardTest, DriveButtonsTakeArrowsAndTheirLetter)
{
    DrivePanel *drives = form->drivePanel();
    ASSERT_GE(drives->buttons().size(), 2u);
    QToolButton *first = drives->buttons()[0];
    QToolButton *second = drives->buttons()[1];
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_TRUE(first->toolTip().contains(QStringLiteral("Left and Right")));

    // The letter of a drive chooses it: the folder list goes there.
    const char letter = static_cast<char>(second->property("drive").toInt());
    QTest::keyClick(first, static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')));
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(form->dirListBox()->drive(), letter);
}

TEST_F(MainWindowKeyboardTest, TheButtonColumnsKeysPressItsButtons)
{
    auto *addChild = widget<QToolButton>("SBut_AddChild");
    EXPECT_TRUE(addChild->toolTip().contains(QStringLiteral("(Ctrl+3)")));
    EXPECT_EQ(addChild->focusPolicy(), Qt::TabFocus);
    tview->setFocus();
    QTest::keyClick(tview, Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(addChild->isChecked());
    EXPECT_EQ(form->session().dropMode(), AttachMode::AddChild);
    QTest::keyClick(tview, Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(form->session().dropMode(), AttachMode::Insert);

    // F12: the next entry without a command.
    form->tree().setData(find(form->tree(), "Games"), {});
    select("Docs");
    QTest::keyClick(tview, Qt::Key_F12);
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "Games"));
}

// The light palette the window starts with and a dark one: the current row of the tree and
// the folder list has a frame in a colour that stands out from the row while the view has
// the focus, and none without it.
TEST_F(MainWindowKeyboardTest, FocusShowsOnTheCurrentRowUnderLightAndDarkPalettes)
{
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    auto *title = widget<QLineEdit>("EditTitle");
    for (QAbstractItemView *view :
        std::vector<QAbstractItemView *> { tview, form->dirListBox() }) {
        for (const QPalette &palette : { view->palette(), dark }) {
            SCOPED_TRACE(view->objectName().toStdString());
            view->setPalette(palette);
            ASSERT_TRUE(view->currentIndex().isValid());
            const bool selected = view->selectionModel()->isSelected(view->currentIndex());
            const QColor frame = focusFrameColour(palette, selected);
            const QColor row = palette.color(QPalette::Active,
                selected ? QPalette::Highlight : QPalette::Base);
            EXPECT_GE(contrastRatio(frame, row), 3.0);

            QRect rect = view->visualRect(view->currentIndex());
            if (view == form->dirListBox())
                rect.adjust(DirListBox::indentOf(view->currentIndex()), 0, 0, 0);
            const QPoint edge(rect.left() + 1, rect.center().y());
            view->setFocus();
            ASSERT_TRUE(view->hasFocus());
            const QImage focused = view->viewport()->grab().toImage();
            title->setFocus();
            const QImage unfocused = view->viewport()->grab().toImage();
            EXPECT_EQ(QColor(focused.pixel(edge)), frame);
            EXPECT_NE(QColor(unfocused.pixel(edge)), frame);
        }
    }
}

} // namespace
} // namespace torvex
