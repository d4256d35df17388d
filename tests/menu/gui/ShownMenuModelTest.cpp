// The rows the tree view shows: every node, or a set of nodes with their ancestors, kept
// consistent with the tree through edits made while filtered.
#include "menu/gui/ShownMenuModel.h"

#include "menu/gui/MenuTreeModel.h"
#include "support/TreeBuilder.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::buildTree;
using test::find;

// What the model shows, walked through its indexes in row order: each node with its depth,
// checked on the way against indexOf and parent.
std::vector<std::pair<const MenuNode *, int>> shownRows(const ShownMenuModel &model)
{
    std::vector<std::pair<const MenuNode *, int>> rows;
    struct Level
    {
        QModelIndex parent;
        int depth;
    };
    std::vector<Level> pending { { QModelIndex(), 0 } };
    // Depth-first in row order: children are pushed in reverse.
    while (!pending.empty()) {
        const Level level = pending.back();
        pending.pop_back();
        if (level.parent.isValid()) {
            const MenuNode *node = ShownMenuModel::node(level.parent);
            rows.emplace_back(node, level.depth - 1);
            EXPECT_EQ(model.indexOf(node), level.parent);
        }
        for (int row = model.rowCount(level.parent) - 1; row >= 0; --row) {
            const QModelIndex child = model.index(row, 0, level.parent);
            EXPECT_EQ(model.parent(child), level.parent);
            pending.push_back({ child, level.depth + 1 });
        }
    }
    return rows;
}

// The tree in pre-order with each node's depth, only the nodes of `shown` when given.
std::vector<std::pair<const MenuNode *, int>> expectedRows(
    const MenuTree &tree, const NodeSet *shown)
{
    std::vector<std::pair<const MenuNode *, int>> rows;
    tree.forEach([&](MenuNode *node) {
        if (!shown || shown->count(node)) {
            int depth = 0;
            for (const MenuNode *up = node->parent(); up; up = up->parent())
                ++depth;
            rows.emplace_back(node, depth);
        }
        return true;
    });
    return rows;
}

NodeSet withAncestors(const std::vector<MenuNode *> &nodes)
{
    NodeSet shown;
    for (const MenuNode *node : nodes)
        for (; node; node = node->parent())
            shown.insert(node);
    return shown;
}

// A random menu of `count` nodes, up to five levels deep.
void randomMenu(MenuTree &tree, std::mt19937 &random, int count)
{
    std::vector<MenuNode *> nodes;
    for (int i = 0; i < count; ++i) {
        MenuNode *parent = nodes.empty() || random() % 4 == 0 ? nullptr
                                                               : nodes[random() % nodes.size()];
        int depth = 0;
        for (const MenuNode *up = parent; up; up = up->parent())
            ++depth;
        if (depth >= 5)
            parent = parent->parent();
        nodes.push_back(parent ? tree.addChild(parent, "N" + std::to_string(i))
                               : tree.addTopLevel("N" + std::to_string(i)));
    }
}

class ShownMenuModelTest : public testing::Test
{
protected:
    MenuTree tree;
    MenuTreeModel source { tree };
    ShownMenuModel model { source };
    // Checks the model's consistency after every signal; a failure aborts the test.
    QAbstractItemModelTester tester { &model,
        QAbstractItemModelTester::FailureReportingMode::Fatal };
};

TEST_F(ShownMenuModelTest, ShowsEachSetOfRandomMenusWithTheAncestorsInTreeOrder)
{
    std::mt19937 random(7);
    for (int menu = 0; menu < 20; ++menu) {
        tree.clear();
        randomMenu(tree, random, 150);
        EXPECT_EQ(shownRows(model), expectedRows(tree, nullptr));
        const std::vector<MenuNode *> all = tree.preOrder();
        for (int round = 0; round < 5; ++round) {
            std::vector<MenuNode *> picked;
            for (MenuNode *node : all)
                if (random() % 10 < static_cast<unsigned>(round))
                    picked.push_back(node);
            const NodeSet shown = withAncestors(picked);
            model.showOnly(shown);
            ASSERT_TRUE(model.isFiltered());
            ASSERT_EQ(shownRows(model), expectedRows(tree, &shown)) << "menu " << menu;
            for (MenuNode *node : all)
                EXPECT_EQ(model.indexOf(node).isValid(), shown.count(node) > 0);
        }
        model.showAll();
        EXPECT_EQ(shownRows(model), expectedRows(tree, nullptr));
    }
}

TEST_F(ShownMenuModelTest, UnfilteredPassesEveryChangeOnAsRows)
{
    buildTree(tree, "A\nB\n  B1\n  B2\nC\n");
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    tree.addChild(find(tree, "B"), "B3");
    tree.remove(find(tree, "A"));
    tree.move(find(tree, "C"), find(tree, "B1"), AttachMode::Insert);
    tree.setTitle(find(tree, "B2"), "Two");
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().value<QModelIndex>(), model.indexOf(find(tree, "Two")));
    EXPECT_EQ(shownRows(model), expectedRows(tree, nullptr));
}

// Edits while filtered: the nodes shown stay shown while in the tree, new ones wait for the
// next filter, and only shown rows tell of a change of their texts.
TEST_F(ShownMenuModelTest, FollowsTheTreeWhileFiltered)
{
    buildTree(tree, "A\nB\n  B1\n  B2\n    B21\nC\n  C1\nD\n");
    MenuNode *b = find(tree, "B");
    MenuNode *b2 = find(tree, "B2");
    model.showOnly(withAncestors({ find(tree, "B21"), find(tree, "C1"), find(tree, "D") }));
    NodeSet shown { b, b2, find(tree, "B21"), find(tree, "C"), find(tree, "C1"), find(tree, "D") };
    ASSERT_EQ(shownRows(model), expectedRows(tree, &shown));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    tree.setTitle(find(tree, "A"), "Hidden");
    EXPECT_EQ(changed.count(), 0) << "a row not shown";
    tree.setTitle(b2, "Two");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().value<QModelIndex>(), model.indexOf(b2));

    tree.addChild(b, "New");
    EXPECT_EQ(shownRows(model), expectedRows(tree, &shown)) << "added: not shown before a filter";
    tree.remove(find(tree, "C"));
    NodeSet left { b, b2, find(tree, "B21"), find(tree, "D") };
    EXPECT_EQ(shownRows(model), expectedRows(tree, &left));
    tree.move(find(tree, "D"), b, AttachMode::AddChildFirst);
    EXPECT_EQ(shownRows(model), expectedRows(tree, &left)) << "moved with the tree";
    // A shown node moved below one not shown is out of view until the next filter.
    tree.move(find(tree, "B21"), find(tree, "Hidden"), AttachMode::AddChild);
    const NodeSet leading { b, b2, find(tree, "D") };
    EXPECT_EQ(shownRows(model), expectedRows(tree, &leading));
    model.showAll();
    EXPECT_EQ(shownRows(model), expectedRows(tree, nullptr));
}

// A node looked up just before a filter stands elsewhere after it: nothing of the rows before
// is answered (a model of its own, with no tester that would look every row up first).
TEST(ShownMenuModelFiltering, RowsAreLookedUpAfreshAfterEachFilter)
{
    MenuTree tree;
    buildTree(tree, "A\nB\n  B1\nC\n  C1\n  C2\n");
    MenuTreeModel source(tree);
    ShownMenuModel model(source);
    MenuNode *c = find(tree, "C");
    model.showOnly(withAncestors({ find(tree, "C2") }));
    EXPECT_EQ(model.indexOf(c).row(), 0);
    model.showOnly(withAncestors({ find(tree, "A"), find(tree, "B1"), find(tree, "C1"), find(tree, "C2") }));
    model.reserve(5000); // room for a larger menu, the rows kept
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.indexOf(c).row(), 2);
    EXPECT_EQ(model.rowCount(model.indexOf(c)), 2);
    EXPECT_EQ(model.rowCount(model.indexOf(find(tree, "B"))), 1);
    // Entries without children tell the view so, and while filtered so do nodes whose children
    // are all hidden; one that gains a shown child no longer does.
    const QModelIndex c1 = model.indexOf(find(tree, "C1"));
    EXPECT_TRUE(model.flags(c1) & Qt::ItemNeverHasChildren);
    EXPECT_FALSE(model.flags(model.indexOf(c)) & Qt::ItemNeverHasChildren);
    tree.addChild(find(tree, "C1"), "C11");
    EXPECT_TRUE(model.flags(model.indexOf(find(tree, "C1"))) & Qt::ItemNeverHasChildren)
        << "its child is hidden";
    model.showOnly(withAncestors({ find(tree, "C11") }));
    EXPECT_FALSE(model.flags(model.indexOf(find(tree, "C1"))) & Qt::ItemNeverHasChildren);
    model.showOnly(withAncestors({ find(tree, "B") }));
    EXPECT_TRUE(model.flags(model.indexOf(find(tree, "B"))) & Qt::ItemNeverHasChildren);
    model.showAll();
    EXPECT_FALSE(model.flags(model.indexOf(find(tree, "B"))) & Qt::ItemNeverHasChildren);
    EXPECT_TRUE(model.flags(model.indexOf(find(tree, "A"))) & Qt::ItemNeverHasChildren);
}

} // namespace
} // namespace torvex
