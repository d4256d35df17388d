// The menu tree view hands each drag to its handlers as plain values and applies their answer.

#include "app/gui/tree/MenuTreeView.h"

#include "app/MenuFileSteps.h"
#include "menu/DirMenuReader.h"
#include "menu/gui/MenuTreeModel.h"
#include "menu/gui/ShownMenuModel.h"
#include "support/TreeBuilder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include <QScrollBar>

#include <gtest/gtest.h>
#include <random>
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

// A menu of `entries` entries whose submenus nest up to `depth` levels, its shape drawn from
// `seed` (an outline for test::buildTree).
std::string nestedOutline(int entries, int depth, unsigned seed)
{
    std::mt19937 random(seed);
    std::string outline;
    int level = 0;
    for (int i = 0; i < entries; ++i) {
        outline += std::string(2 * level, ' ') + "E" + std::to_string(i) + "\n";
        const unsigned step = random() % 3;
        if (step == 0 && level + 1 < depth)
            ++level; // the next entry is this one's first child
        else if (step == 1 && level > 0)
            level -= 1 + static_cast<int>(random() % level);
    }
    return outline;
}

// A view over a tree that is loaded as the window loads a file: built apart, then taken in.
class LoadedMenuTreeView : public testing::Test
{
protected:
    LoadedMenuTreeView()
    {
        view.setMenuModel(&model);
        view.resize(200, 200);
        view.show();
    }
    ~LoadedMenuTreeView() override { view.setModel(nullptr); }

    void load(const std::string &outline)
    {
        MenuTree loaded;
        test::buildTree(loaded, outline);
        tree.takeNodes(loaded);
        QApplication::processEvents();
    }

    // The nodes of the rows the view shows, top to bottom.
    std::vector<const MenuNode *> shownRows() const
    {
        std::vector<const MenuNode *> rows;
        for (QModelIndex i = view.model()->index(0, 0); i.isValid(); i = view.indexBelow(i))
            rows.push_back(MenuTreeView::nodeOf(i));
        return rows;
    }

    // Every node of the tree is a row, in menu order, and exactly those with children are
    // open.
    void expectEveryNodeShownAndEverySubmenuOpen() const
    {
        const std::vector<MenuNode *> inMenuOrder = tree.preOrder();
        EXPECT_EQ(shownRows(), std::vector<const MenuNode *>(inMenuOrder.begin(), inMenuOrder.end()));
        for (const MenuNode *node : inMenuOrder)
            EXPECT_EQ(view.isExpanded(view.indexOf(node)), node->hasChildren()) << node->title();
    }

    MenuTree tree;
    MenuTreeModel model { tree };
    MenuTreeView view;
};

TEST_F(LoadedMenuTreeView, EveryRowOfNestedMenusIsShownOpenAfterEachLoad)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        // A load after a load: the submenus of the menu before are forgotten.
        load(nestedOutline(150, 6, seed));
        ASSERT_GT(tree.submenuCount(), 10u);
        expectEveryNodeShownAndEverySubmenuOpen();
    }
}

// Submenus opened by the load are remembered by their rows: rows added, removed and moved
// before them and around them after the load leave them open.
TEST_F(LoadedMenuTreeView, SubmenusStayOpenAsTheRowsAroundThemChange)
{
    load("A\n  A1\n  A2\n    A21\nB\nC\n  C1\n    C11\n  C2\nD\n");
    tree.addNode(tree.first(), AttachMode::AddFirst, "First");
    QApplication::processEvents();
    expectEveryNodeShownAndEverySubmenuOpen();

    tree.remove(test::find(tree, "B"));
    QApplication::processEvents();
    expectEveryNodeShownAndEverySubmenuOpen();

    // C, with its open submenu C1, moves before A: the tree asks to open C's new parent only.
    ASSERT_TRUE(tree.move(test::find(tree, "C"), test::find(tree, "A"), AttachMode::Insert));
    QApplication::processEvents();
    expectEveryNodeShownAndEverySubmenuOpen();

    // D becomes a submenu (opened as the tree asks), A2 loses its last child and closes.
    ASSERT_TRUE(tree.move(test::find(tree, "A21"), test::find(tree, "D"), AttachMode::AddChild));
    QApplication::processEvents();
    EXPECT_TRUE(view.isExpanded(view.indexOf(test::find(tree, "D"))));
    EXPECT_FALSE(view.isExpanded(view.indexOf(test::find(tree, "A2"))));
    expectEveryNodeShownAndEverySubmenuOpen();
}

// Closing the find box shows every row again, each submenu open, as the load did.
TEST_F(LoadedMenuTreeView, ShowingEveryNodeAgainAfterAFilterOpensEverySubmenu)
{
    load(nestedOutline(120, 5, 7));
    view.shownModel()->showOnly(NodeSet { tree.first() });
    QApplication::processEvents();
    ASSERT_EQ(shownRows().size(), 1u);
    view.shownModel()->showAll();
    QApplication::processEvents();
    expectEveryNodeShownAndEverySubmenuOpen();
}

// 600 top-level rows, then a menu nested 12 levels deep ("Level 0" to "Level 11") below them.
std::string topRowsThenDeepMenu()
{
    std::string outline;
    for (int i = 0; i < 600; ++i)
        outline += "Top " + std::to_string(i) + "\n";
    for (int level = 0; level < 12; ++level)
        outline += std::string(2 * level, ' ') + "Level " + std::to_string(level) + "\n";
    return outline;
}

// The titles' column is fitted to the rows around those in view: deeper rows scrolled into
// view later widen it, so that their titles are drawn.
TEST_F(LoadedMenuTreeView, ScrollingDownToDeeperRowsWidensTheColumn)
{
    load(topRowsThenDeepMenu());
    const MenuNode *deepest = test::find(tree, "Level 11");
    ASSERT_NE(deepest, nullptr);
    EXPECT_FALSE(view.visualRect(view.indexOf(deepest)).isValid())
        << "fitted to the rows at the top, the column is narrower than the deep rows' indent";

    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(view.visualRect(view.indexOf(deepest)).isValid());
    EXPECT_GT(view.header()->sectionSize(0), 11 * view.indentation());
}

// The current row scrolled into view stays whole in view when the rows it brings widen the
// column and with it show the horizontal scroll bar.
TEST_F(LoadedMenuTreeView, TheRowScrolledToStaysInViewWhenTheColumnWidens)
{
    load(topRowsThenDeepMenu() + "Last\n");
    ASSERT_FALSE(view.horizontalScrollBar()->isVisible());
    const QModelIndex last = view.indexOf(test::find(tree, "Last"));
    view.setCurrentIndex(last);
    QApplication::processEvents();
    ASSERT_TRUE(view.horizontalScrollBar()->isVisible());
    const QRect row = view.visualRect(last);
    EXPECT_GE(row.top(), 0);
    EXPECT_LE(row.bottom(), view.viewport()->rect().bottom());
}

} // namespace
} // namespace torvex
