// The menu tree view hands each drag to its handlers as plain values and applies their answer.

#include "app/gui/tree/MenuTreeView.h"

#include "app/MenuFileSteps.h"
#include "menu/DirMenuReader.h"
#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

class MenuTreeViewTest : public testing::Test
{
protected:
    MenuTreeViewTest()
    {
        data.setText(QStringLiteral("C:\\Data"));
        view.resize(200, 200);
    }

    QMimeData data;
    MenuTreeView view;
};

TEST_F(MenuTreeViewTest, WithoutHandlersEveryDragIsRefused)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
}

TEST_F(MenuTreeViewTest, HandlersSeeTheDragAndTheirDecisionIsApplied)
{
    struct RecordingHandler : TreeDropHandler
    {
        std::vector<TreeDrag> moves;
        std::vector<TreeDrag> drops;
        // Not what the Ctrl key proposes (a copy): the view must take the handler's action.
        DragDecision moveAnswer = Qt::MoveAction;
        DragDecision dragMoved(const TreeDrag &drag) override
        {
            moves.push_back(drag);
            return moveAnswer;
        }
        DragDecision dropped(const TreeDrag &drag) override
        {
            drops.push_back(drag);
            return DragDecision {};
        }
    } handler;
    std::vector<TreeDrag> &moves = handler.moves;
    std::vector<TreeDrag> &drops = handler.drops;
    DragDecision &moveAnswer = handler.moveAnswer;
    view.setDropHandler(&handler);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;

    QDragEnterEvent enter(QPoint(7, 9), actions, &data, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_TRUE(moves[0].entering);
    EXPECT_EQ(moves[0].position, QPoint(7, 9));
    EXPECT_EQ(moves[0].data, &data);
    EXPECT_EQ(moves[0].source, nullptr) << "a drag from no widget of this program";
    EXPECT_TRUE(moves[0].modifiers.testFlag(Qt::ControlModifier));
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::MoveAction);

    moveAnswer = std::nullopt;
    QDragMoveEvent move(QPoint(8, 30), actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &move);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_FALSE(moves[1].entering);
    EXPECT_EQ(moves[1].position, QPoint(8, 30));
    EXPECT_FALSE(move.isAccepted());

    QDropEvent drop(QPoint(8, 30), actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &drop);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_FALSE(drop.isAccepted()) << "the drop handler refused it";
}

// A loaded menu shown as the window shows it: every submenu open, nested ones too, and the
// titles' column as wide as the titles, also after a title grew.
TEST(MenuTreeViewShowing, ALoadedMenuShowsItsSubmenusOpenAndTheColumnFollowsTheTitles)
{
    MenuTree tree;
    MenuTreeModel model(tree);
    MenuTreeView view;
    view.setMenuModel(&model);
    view.resize(200, 200);
    view.show();
    MenuTree loaded;
    test::buildTree(loaded, "A\n  A1\n    A11\n  A2\nB\nC\n  C1\n");
    tree.takeNodes(loaded);
    for (const char *title : { "A", "A1", "C" })
        EXPECT_TRUE(view.isExpanded(view.indexOf(test::find(tree, title)))) << title;
    EXPECT_TRUE(view.visualRect(view.indexOf(test::find(tree, "A11"))).isValid());
    EXPECT_TRUE(view.visualRect(view.indexOf(test::find(tree, "C1"))).isValid());

    QApplication::processEvents();
    const int before = view.header()->sectionSize(0);
    tree.setTitle(test::find(tree, "A11"), std::string(120, 'W'));
    QApplication::processEvents();
    EXPECT_GT(view.header()->sectionSize(0), before);
    EXPECT_GT(view.header()->sectionSize(0),
        view.fontMetrics().horizontalAdvance(QString(120, QLatin1Char('W'))));
    view.setModel(nullptr);
}

// The deepest menu the window shows is laid out with every submenu open: the view's layout
// recurses once per level, and this depth stays far from the end of the stack (offscreen, with
// the default stack of 8 MB, 25 000 levels were laid out and 30 000 overflowed it).
TEST(MenuTreeViewShowing, TheDeepestMenuTheWindowShowsIsLaidOut)
{
    const std::size_t levels = windowMenuDepthLimit;
    DirMenuEntries entries;
    for (std::size_t i = 1; i < levels; ++i)
        entries.emplace_back("menu" + std::to_string(i), "-L" + std::to_string(i));
    entries.emplace_back("menu" + std::to_string(levels), "Deepest");
    MenuTree tree;
    MenuTreeModel model(tree);
    MenuTreeView view;
    view.setMenuModel(&model);
    view.resize(200, 200);
    view.show();
    MenuTree loaded;
    readDirMenu(entries, loaded);
    tree.takeNodes(loaded);
    QApplication::processEvents();
    const MenuNode *deepest = tree.nodeAt(levels - 1);
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->title(), "Deepest");
    EXPECT_TRUE(view.isExpanded(view.indexOf(deepest->parent())));
    view.scrollTo(view.indexOf(deepest));
    QApplication::processEvents();
    EXPECT_TRUE(view.visualRect(view.indexOf(deepest)).isValid());
    view.setModel(nullptr);
}

} // namespace
} // namespace torvex
