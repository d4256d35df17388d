// The main window's drag and drop, driven with the drag events Qt delivers to the tree: folders
// dragged from the folder list, the drop-mode buttons, Ctrl-drops, leaving the tree, and the
// start of a drag inside the tree.

#include "app/gui/folders/DirListBox.h"
#include "app/gui/tree/FolderDragData.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/tree/TreeDragDrop.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"
#include "support/gui/PrefixWindowFixture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace torvex {
namespace {

using test::find;
using test::outline;

class MainWindowDragDropTest : public test::PrefixWindowFixture
{
protected:
    MainWindowDragDropTest()
    {
        for (const char *name : { "P", "Q", "R" })
            prefix.makeFolder(std::string("drive_c/Work/") + name);
        startWindow("C:\\Work");
        tview = form->treeView();
        list = form->dirListBox();
    }

    int rowOf(const std::string &text) const
    {
        for (int row = 0; row < list->count(); ++row) {
            if (list->entryText(row) == text)
                return row;
        }
        ADD_FAILURE() << "no list entry " << text;
        return -1;
    }

    // Selects the list entries in the order given, as Ctrl-clicks would.
    void selectEntries(std::initializer_list<const char *> texts)
    {
        list->clearSelection();
        for (const char *text : texts)
            list->item(rowOf(text))->setSelected(true);
    }

    // What the list hands to a drag of its selection (the drag asks its model for this).
    QMimeData *listDragData() const
    {
        return list->model()->mimeData(list->selectionModel()->selectedIndexes());
    }

    QPoint pointOn(const std::string &title) const
    {
        const QModelIndex index = form->treeView()->indexOf(find(form->tree(), title));
        EXPECT_TRUE(index.isValid()) << title;
        return tview->visualRect(index).center();
    }

    // Enter, move and drop at `at` in the tree's viewport; returns whether the move was
    // accepted. The drop's own work runs once the drag is over, as after a real drag.
    bool dragAndDrop(QMimeData *data, QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        std::unique_ptr<QMimeData> owned(data);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(tview->viewport(), &enter);
        QDragMoveEvent move(at, actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(tview->viewport(), &move);
        statusWhileDragging = form->statusText(0);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(at, actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(tview->viewport(), &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
        QCoreApplication::processEvents();
        return true;
    }

    void clickButton(const char *name)
    {
        auto *button = form->findChild<QToolButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString editText(const char *name) const
    {
        return form->findChild<QLineEdit *>(QLatin1String(name))->text();
    }

    MenuTreeView *tview = nullptr;
    DirListBox *list = nullptr;
    QString statusWhileDragging;
};

TEST_F(MainWindowDragDropTest, ListDragCarriesSelectedFoldersInListOrder)
{
    selectEntries({ "R", "P", "Q" });
    std::unique_ptr<QMimeData> data(listDragData());
    const std::vector<DirEntry> entries = FolderDragData::decode(data.get());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "P");
    EXPECT_EQ(entries[0].path, "C:\\Work\\P");
    EXPECT_EQ(entries[2].text, "R");
    EXPECT_EQ(entries[2].path, "C:\\Work\\R");

    // A damaged payload gives no folders rather than half of them.
    QByteArray bytes = data->data(FolderDragData::mimeType);
    bytes.chop(3);
    QMimeData damaged;
    damaged.setData(FolderDragData::mimeType, bytes);
    EXPECT_TRUE(FolderDragData::decode(&damaged).empty());
}

TEST_F(MainWindowDragDropTest, DroppedFoldersBecomeFirstChildrenOfTheTarget)
{
    load("A|cd C:\\A\nT\n  T1|cd C:\\T1\nB\n");
    selectEntries({ "Q", "P", "R" });
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("T")));

    EXPECT_EQ(statusWhileDragging, QStringLiteral(" T"));
    EXPECT_EQ(outline(form->tree()),
        "A|cd C:\\A\nT\n  P|cd C:\\Work\\P\n  Q|cd C:\\Work\\Q\n  R|cd C:\\Work\\R\n"
        "  T1|cd C:\\T1\nB\n");
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "T"));
    EXPECT_EQ(tview->currentIndex(), form->treeView()->indexOf(find(form->tree(), "T")));
    EXPECT_EQ(editText("EditTitle"), QStringLiteral("T"));
    EXPECT_EQ(form->statusText(1), QStringLiteral(" 9 items"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowDragDropTest, ModeButtonsChooseWhereFoldersLand)
{
    load("A\nT|cd C:\\T\nB\n");
    clickButton("SBut_Insert");
    EXPECT_EQ(int(form->session().dropMode()), 4);
    selectEntries({ "P", "R" });
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("T")));
    EXPECT_EQ(outline(form->tree()), "A\nP|cd C:\\Work\\P\nR|cd C:\\Work\\R\nT|cd C:\\T\nB\n");

    clickButton("SBut_AddFirst");
    EXPECT_EQ(int(form->session().dropMode()), 1);
    selectEntries({ "Q", "Work" });
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("B")));
    EXPECT_EQ(outline(form->tree()),
        "Work|cd C:\\Work\nQ|cd C:\\Work\\Q\nA\nP|cd C:\\Work\\P\nR|cd C:\\Work\\R\n"
        "T|cd C:\\T\nB\n");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowDragDropTest, MakeSubMenuNoLeavesTheTreeAlone)
{
    load("T|cd C:\\T\n");
    clickButton("SBut_AddChild");
    EXPECT_EQ(int(form->session().dropMode()), 2);
    boxes.answer(MsgResult::No);
    selectEntries({ "P" });
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("T")));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().caption, "Make sub menu?");
    EXPECT_EQ(outline(form->tree()), "T|cd C:\\T\n");

    boxes.answer(MsgResult::Yes);
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("T")));
    EXPECT_EQ(outline(form->tree()), "T\n  P|cd C:\\Work\\P\n");
    EXPECT_EQ(editText("EditCommand"), QString());
}

TEST_F(MainWindowDragDropTest, CtrlDropRenamesTheTargetAfterThePressedFolder)
{
    load("A\nT|cd C:\\Old|D:\\Target\n");
    const QPoint onQ = list->visualItemRect(list->item(rowOf("Q"))).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, onQ);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onQ);
    EXPECT_EQ(form->folderPane().pressedRow(), rowOf("Q"));
    EXPECT_EQ(list->currentRow(), rowOf("Q"));

    selectEntries({ "P", "R" });
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("T"), Qt::ControlModifier));
    EXPECT_EQ(outline(form->tree()), "A\nQ|cd C:\\Work\\Q|D:\\Target\n");
    EXPECT_EQ(editText("EditTitle"), QStringLiteral("Q"));
    EXPECT_EQ(editText("EditCommand"), QStringLiteral("cd C:\\Work\\Q"));

    // A press on no entry leaves nothing to name the node after.
    QTest::mousePress(
        list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 2));
    EXPECT_EQ(form->folderPane().pressedRow(), -1);
    ASSERT_TRUE(dragAndDrop(listDragData(), pointOn("A"), Qt::ControlModifier));
    EXPECT_EQ(outline(form->tree()), "A\nQ|cd C:\\Work\\Q|D:\\Target\n");
}

TEST_F(MainWindowDragDropTest, EmptySpaceAndForeignDataAreRefused)
{
    load("A\nB\n");
    selectEntries({ "P" });
    const QPoint below(5, tview->viewport()->height() - 5);
    EXPECT_FALSE(dragAndDrop(listDragData(), below));
    EXPECT_EQ(statusWhileDragging, QStringLiteral(" "));
    EXPECT_EQ(form->tree().selected(), nullptr);

    form->tree().setSelected(find(form->tree(), "A"));
    auto *text = new QMimeData;
    text->setText(QStringLiteral("C:\\Work\\P"));
    EXPECT_FALSE(dragAndDrop(text, pointOn("B")));
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "A"));
    EXPECT_EQ(outline(form->tree()), "A\nB\n");
}

TEST_F(MainWindowDragDropTest, EdgesScrollOneLineAndTheDropKeepsTheSelectedTarget)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "N" + std::to_string(i) + "\n";
    load(text);
    tview->scrollToBottom();
    tview->scrollTo(
        form->treeView()->indexOf(find(form->tree(), "N30")), QAbstractItemView::PositionAtTop);
    const auto topNode = [this] {
        return MenuTreeView::nodeOf(tview->indexAt(QPoint(1, 1)));
    };
    ASSERT_EQ(topNode(), find(form->tree(), "N30"));
    selectEntries({ "P" });
    std::unique_ptr<QMimeData> data(listDragData());
    const auto moveTo = [&](QPoint at) {
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tview->viewport(), &move);
        return move.isAccepted();
    };
    QDragEnterEvent enter(QPoint(10, 100), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tview->viewport(), &enter);
    EXPECT_EQ(topNode(), find(form->tree(), "N30"));

    const QPoint nearTop(10, 5);
    MenuNode *underTop = MenuTreeView::nodeOf(tview->indexAt(nearTop));
    EXPECT_TRUE(moveTo(nearTop));
    EXPECT_EQ(topNode(), find(form->tree(), "N29"));
    EXPECT_EQ(form->tree().selected(), underTop);

    const QPoint nearBottom(10, tview->viewport()->height() - 5);
    EXPECT_TRUE(moveTo(nearBottom));
    EXPECT_TRUE(moveTo(nearBottom));
    EXPECT_EQ(topNode(), find(form->tree(), "N31"));
    MenuNode *target = form->tree().selected();
    ASSERT_NE(target, nullptr);
    // The row under the pointer is another one now; the drop goes to the selected node.
    ASSERT_NE(MenuTreeView::nodeOf(tview->indexAt(nearBottom)), target);
    QDropEvent drop(nearBottom, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tview->viewport(), &drop);
    QCoreApplication::processEvents();
    ASSERT_TRUE(target->hasChildren());
    EXPECT_EQ(target->firstChild()->title(), "P");
}

TEST_F(MainWindowDragDropTest, LeavingTheTreeShowsTheSelectedNodeInThePanel)
{
    load("A|cd C:\\A\nB|cd C:\\B\n");
    EXPECT_EQ(editText("EditTitle"), QStringLiteral("A"));
    selectEntries({ "P" });
    std::unique_ptr<QMimeData> data(listDragData());
    QDragEnterEvent enter(pointOn("B"), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tview->viewport(), &enter);
    EXPECT_EQ(form->tree().selected(), find(form->tree(), "B"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(tview->viewport(), &leave);
    EXPECT_EQ(editText("EditTitle"), QStringLiteral("B"));
    EXPECT_EQ(editText("EditCommand"), QStringLiteral("cd C:\\B"));
    EXPECT_EQ(outline(form->tree()), "A|cd C:\\A\nB|cd C:\\B\n");
}

TEST_F(MainWindowDragDropTest, ADragGivenUpOverEmptySpaceLeavesNothingToTypeInto)
{
    load("A|cd C:\\A\nB|cd C:\\B\n");
    selectEntries({ "P" });
    std::unique_ptr<QMimeData> data(listDragData());
    const QPoint below(pointOn("B").x(), tview->viewport()->height() - 5);
    ASSERT_FALSE(tview->indexAt(below).isValid());
    QDragEnterEvent enter(below, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tview->viewport(), &enter);
    QDragLeaveEvent leave;
    QApplication::sendEvent(tview->viewport(), &leave);
    EXPECT_EQ(form->tree().selected(), nullptr);
    auto *panel = form->findChild<QWidget *>(QStringLiteral("PanelData"));
    EXPECT_FALSE(panel->isEnabled());
    EXPECT_EQ(editText("EditTitle"), QString());
    EXPECT_EQ(outline(form->tree()), "A|cd C:\\A\nB|cd C:\\B\n");
}

TEST_F(MainWindowDragDropTest, ChildModesRefuseASeparatorWithAStatusText)
{
    load("A\n-\nB|cd C:\\B\n");
    clickButton("SBut_AddChild");
    selectEntries({ "P" });
    // Refused while the pointer is over it (the forbidden cursor), with the reason.
    EXPECT_FALSE(dragAndDrop(listDragData(), pointOn("-")));
    EXPECT_EQ(statusWhileDragging, QStringLiteral(" A separator cannot hold entries"));
    EXPECT_EQ(outline(form->tree()), "A\n-\nB|cd C:\\B\n");
    EXPECT_TRUE(boxes.empty());
    // Entries beside it take the drag.
    EXPECT_TRUE(dragAndDrop(listDragData(), pointOn("A")));
    EXPECT_EQ(outline(form->tree()), "A\n  P|cd C:\\Work\\P\n-\nB|cd C:\\B\n");

    clickButton("SBut_Insert");
    EXPECT_TRUE(dragAndDrop(listDragData(), pointOn("-")));
    EXPECT_EQ(outline(form->tree()), "A\n  P|cd C:\\Work\\P\nP|cd C:\\Work\\P\n-\nB|cd C:\\B\n");
}

TEST_F(MainWindowDragDropTest, DragInTheTreeStartsOnThePressedNode)
{
    load("A\nB\nC\n");
    const QPoint from = pointOn("B");
    QTest::mousePress(tview->viewport(), Qt::LeftButton, {}, from);
    // The view arms the drag on the first move with the button held and starts it on a
    // move beyond the drag distance.
    for (int step = 1; step <= 2; ++step) {
        const QPoint to = from + QPoint(0, step * 2 * QApplication::startDragDistance());
        QMouseEvent move(QEvent::MouseMove,
            to,
            tview->viewport()->mapToGlobal(to),
            Qt::NoButton,
            Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(tview->viewport(), &move);
    }
    EXPECT_EQ(form->dragDrop().draggedNode(), find(form->tree(), "B"));
    // The platform here ends every drag at once, without a drop: nothing moves.
    EXPECT_EQ(outline(form->tree()), "A\nB\nC\n");
}

} // namespace
} // namespace torvex
