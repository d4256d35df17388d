#include "menu/MenuTree.h"

#include "support/TreeBuilder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::buildTree;
using test::find;
using test::outline;

// Records the observer calls as text, so the bracketing can be compared.
class RecordingObserver : public MenuTreeObserver
{
public:
    std::vector<std::string> calls;
    static std::string name(MenuNode *n) { return n ? std::string(n->title()) : "<top>"; }
    void beginInsert(MenuNode *p, int row) override
    {
        calls.push_back("insert " + name(p) + " " + std::to_string(row));
    }
    void endInsert() override { calls.push_back("/insert"); }
    void beginRemove(MenuNode *p, int row) override
    {
        calls.push_back("remove " + name(p) + " " + std::to_string(row));
    }
    void endRemove() override { calls.push_back("/remove"); }
    void beginMove(MenuNode *sp, int sr, MenuNode *dp, int dr) override
    {
        calls.push_back("move " + name(sp) + " " + std::to_string(sr) + " -> " + name(dp) + " "
            + std::to_string(dr));
    }
    void endMove() override { calls.push_back("/move"); }
    void beginReset() override { calls.push_back("reset"); }
    void endReset() override { calls.push_back("/reset"); }
    void expansionRequested(MenuNode *n, bool e) override
    {
        calls.push_back((e ? "expand " : "collapse ") + name(n));
    }
};

struct AttachCase
{
    AttachMode mode;
    const char *expected;
};

class AttachModes : public ::testing::TestWithParam<AttachCase>
{
};

TEST_P(AttachModes, NewNodeLandsWhereTheModeSays)
{
    MenuTree tree;
    buildTree(tree, "A\n  A1\n  T\n    T1\n  A3\nB\n");
    tree.addNode(find(tree, "T"), GetParam().mode, "N");
    EXPECT_EQ(outline(tree), GetParam().expected);
    EXPECT_EQ(tree.count(), 7u);
}

INSTANTIATE_TEST_SUITE_P(MenuTree,
    AttachModes,
    ::testing::Values(AttachCase { AttachMode::Add, "A\n  A1\n  T\n    T1\n  A3\n  N\nB\n" },
        AttachCase { AttachMode::AddFirst, "A\n  N\n  A1\n  T\n    T1\n  A3\nB\n" },
        AttachCase { AttachMode::AddChild, "A\n  A1\n  T\n    T1\n    N\n  A3\nB\n" },
        AttachCase { AttachMode::AddChildFirst, "A\n  A1\n  T\n    N\n    T1\n  A3\nB\n" },
        AttachCase { AttachMode::Insert, "A\n  A1\n  N\n  T\n    T1\n  A3\nB\n" }),
    [](const auto &info) {
        return "Mode" + std::to_string(static_cast<int>(info.param.mode));
    });

TEST(MenuTree, NewNodesHaveFreshRecordsAndKindPictures)
{
    MenuTree tree;
    MenuNode *item = tree.addTopLevel("Item");
    MenuNode *sub = tree.addTopLevel("Sub", NodeKind::Submenu);
    EXPECT_EQ(item->imageIndex(), ImageItem);
    EXPECT_EQ(item->selectedIndex(), ImageItemSelected);
    EXPECT_EQ(sub->imageIndex(), ImageSubmenu);
    EXPECT_EQ(sub->selectedIndex(), ImageSubmenuSelected);
    EXPECT_TRUE(item->data().command.empty());
    EXPECT_TRUE(item->data().targetPath.empty());
    EXPECT_EQ(item->parent(), nullptr);
    EXPECT_EQ(item->nextSibling(), sub);
    EXPECT_EQ(sub->prevSibling(), item);
    EXPECT_EQ(sub->nextSibling(), nullptr);
}

TEST(MenuTree, TopLevelAddsWithoutRelative)
{
    MenuTree tree;
    tree.addNode(nullptr, AttachMode::Add, "B");
    tree.addNode(nullptr, AttachMode::AddFirst, "A");
    tree.addNode(nullptr, AttachMode::AddChild, "C");
    EXPECT_EQ(outline(tree), "A\nB\nC\n");
}

TEST(MenuTree, PreOrderIndexesCoverTheWholeTree)
{
    MenuTree tree;
    buildTree(tree, "P3\n  P2\n    P1\n      X\n    Y\nZ\n");
    std::vector<std::string> titles;
    for (MenuNode *n : tree.preOrder())
        titles.emplace_back(n->title());
    EXPECT_EQ(titles, (std::vector<std::string> { "P3", "P2", "P1", "X", "Y", "Z" }));
    EXPECT_EQ(tree.nodeAt(4)->title(), "Y");
    EXPECT_EQ(tree.nodeAt(6), nullptr);
    EXPECT_EQ(tree.indexOf(find(tree, "Z")), 5);
    EXPECT_EQ(tree.indexOf(nullptr), -1);
    EXPECT_EQ(MenuTree::nextInPreOrder(find(tree, "X"))->title(), "Y");
    EXPECT_EQ(MenuTree::nextInPreOrder(find(tree, "Y"))->title(), "Z");
    EXPECT_EQ(MenuTree::nextInPreOrder(find(tree, "Z")), nullptr);
    EXPECT_EQ(tree.submenuCount(), 3u);
}

TEST(MenuTree, RemoveTakesTheSubtreeAndMovesTheSelection)
{
    MenuTree tree;
    buildTree(tree, "A\n  A1\n    A11\n  A2\nB\n");
    tree.setSelected(find(tree, "A11"));
    tree.remove(find(tree, "A1"));
    EXPECT_EQ(outline(tree), "A\n  A2\nB\n");
    EXPECT_EQ(tree.count(), 3u);
    EXPECT_EQ(tree.selected(), find(tree, "A2"));

    tree.setSelected(find(tree, "A2"));
    tree.remove(find(tree, "A2"));
    EXPECT_EQ(tree.selected(), find(tree, "A")) << "the parent when no sibling is left";
    EXPECT_FALSE(find(tree, "A")->hasChildren());

    tree.clear();
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(tree.selected(), nullptr);
    EXPECT_EQ(tree.first(), nullptr);
}

TEST(MenuTree, RefreshNodeKindEmptiesOnlySubmenus)
{
    MenuTree tree;
    buildTree(tree, "A|cd a|t\nB|cd b\n");
    MenuNode *a = find(tree, "A");
    tree.refreshNodeKind(a);
    EXPECT_EQ(a->data().command, "cd a") << "an item keeps its record";
    tree.addChild(a, "child");
    tree.refreshNodeKind(a);
    EXPECT_EQ(a->imageIndex(), ImageSubmenu);
    EXPECT_TRUE(a->data().command.empty());
    EXPECT_TRUE(a->data().targetPath.empty());
    tree.remove(a->firstChild());
    tree.refreshNodeKind(a);
    EXPECT_EQ(a->imageIndex(), ImageItem);
    EXPECT_TRUE(a->data().command.empty()) << "moving children away does not bring it back";
    tree.refreshNodeKind(nullptr);
}

TEST(MenuTree, MoveKeepsSubtreeAndRefusesOwnDescendants)
{
    MenuTree tree;
    buildTree(tree, "A\n  A1\n    A11\nB\nC\n");
    MenuNode *a = find(tree, "A");
    EXPECT_FALSE(tree.move(a, find(tree, "A11"), AttachMode::AddChild));
    EXPECT_FALSE(tree.move(a, find(tree, "A1"), AttachMode::Add));
    EXPECT_TRUE(tree.move(a, a, AttachMode::AddChild));
    EXPECT_EQ(outline(tree), "A\n  A1\n    A11\nB\nC\n");

    EXPECT_TRUE(tree.move(a, find(tree, "C"), AttachMode::AddChildFirst));
    EXPECT_EQ(outline(tree), "B\nC\n  A\n    A1\n      A11\n");
    EXPECT_EQ(a->parent(), find(tree, "C"));
    EXPECT_EQ(tree.count(), 5u);
}

TEST(MenuTree, MoveWithinOneLevelInBothDirections)
{
    MenuTree tree;
    buildTree(tree, "A\nB\nC\nD\n");
    tree.move(find(tree, "A"), find(tree, "D"), AttachMode::Insert);
    EXPECT_EQ(outline(tree), "B\nC\nA\nD\n");
    tree.move(find(tree, "D"), find(tree, "B"), AttachMode::AddFirst);
    EXPECT_EQ(outline(tree), "D\nB\nC\nA\n");
    tree.move(find(tree, "D"), find(tree, "B"), AttachMode::Add);
    EXPECT_EQ(outline(tree), "B\nC\nA\nD\n");
    tree.move(find(tree, "C"), find(tree, "A"), AttachMode::Insert);
    EXPECT_EQ(outline(tree), "B\nC\nA\nD\n") << "already directly before the target";
}

TEST(MenuTree, ObserverSeesBracketedChangesAndExpansion)
{
    MenuTree tree;
    buildTree(tree, "A\n  A1\nB\n");
    RecordingObserver rec;
    tree.setObserver(&rec);
    tree.addNode(find(tree, "A1"), AttachMode::Add, "A2");
    tree.move(find(tree, "A1"), find(tree, "B"), AttachMode::AddChild);
    tree.move(find(tree, "A2"), find(tree, "B"), AttachMode::Add);
    tree.remove(find(tree, "B"));
    EXPECT_EQ(rec.calls,
        (std::vector<std::string> { "insert A 1",
            "/insert",
            "move A 0 -> B 0",
            "/move",
            "expand B",
            "move A 0 -> <top> 2",
            "/move",
            "collapse A",
            "remove <top> 1",
            "/remove" }));
    tree.setObserver(nullptr);
}

TEST(MenuTree, TakenNodesReplaceTheTreeInOneResetAndLeaveTheSourceUsable)
{
    MenuTree tree;
    buildTree(tree, "Old\n  Old1\n");
    tree.setSelected(find(tree, "Old1"));
    MenuTree built;
    buildTree(built, "A\n  A1\n  A2\nB|cd b\n");
    RecordingObserver rec;
    tree.setObserver(&rec);

    tree.takeNodes(built);
    EXPECT_EQ(rec.calls, (std::vector<std::string> { "reset", "/reset" }));
    EXPECT_EQ(outline(tree), "A\n  A1\n  A2\nB|cd b\n");
    EXPECT_EQ(tree.count(), 4u);
    EXPECT_EQ(tree.selected(), nullptr);
    // The nodes know their new tree: top-level nodes have no parent, siblings are found.
    MenuNode *a = find(tree, "A");
    EXPECT_EQ(a->parent(), nullptr);
    EXPECT_EQ(a->nextSibling(), find(tree, "B"));
    EXPECT_EQ(find(tree, "A2")->parent(), a);
    tree.addTopLevel("C");
    EXPECT_EQ(outline(tree), "A\n  A1\n  A2\nB|cd b\nC\n");

    EXPECT_TRUE(built.isEmpty());
    EXPECT_EQ(built.first(), nullptr);
    built.addTopLevel("D");
    EXPECT_EQ(outline(built), "D\n");
    EXPECT_EQ(tree.count(), 5u);
    tree.setObserver(nullptr);
}

TEST(MenuTree, DeepAndWideTreesWalkWithoutRecursion)
{
    MenuTree tree;
    MenuNode *parent = tree.addTopLevel("root");
    for (int i = 0; i < 100000; ++i)
        parent = tree.addChild(parent, "n");
    EXPECT_EQ(tree.count(), 100001u);
    EXPECT_EQ(tree.preOrder().size(), 100001u);
    EXPECT_EQ(tree.submenuCount(), 100000u);
    tree.clear();
    EXPECT_EQ(tree.count(), 0u);
}

// Every node's position, neighbours and last-child flag checked against its level's list;
// the nodes that disagree, by title.
std::string misplacedNodes(const MenuTree &tree)
{
    std::vector<const std::vector<NodeLink> *> levels { &tree.topLevel() };
    tree.forEach([&levels](MenuNode *node) {
        if (node->hasChildren())
            levels.push_back(&node->children());
        return true;
    });
    std::string wrong;
    for (const auto *level : levels) {
        const std::size_t size = level->size();
        for (std::size_t i = 0; i < size; ++i) {
            const MenuNode *node = (*level)[i].get();
            if (node->row() != static_cast<int>(i)
                || node->prevSibling() != (i > 0 ? (*level)[i - 1].get() : nullptr)
                || node->nextSibling() != (i + 1 < size ? (*level)[i + 1].get() : nullptr)
                || node->isLastChild() != (i + 1 == size))
                wrong += std::string(node->title()) + " ";
        }
    }
    return wrong;
}

TEST(MenuTree, PositionsFollowEveryEdit)
{
    MenuTree tree;
    buildTree(tree, "A\n  A1\n  A2\n  A3\nB\nC\nD\n");
    const auto edit = [&tree](const char *what, const std::function<void()> &change) {
        change();
        EXPECT_EQ(misplacedNodes(tree), "") << what;
    };
    edit("insert in the middle", [&] {
        tree.addNode(find(tree, "C"), AttachMode::Insert, "BC");
    });
    edit("add first", [&] {
        tree.addNode(find(tree, "C"), AttachMode::AddFirst, "first");
    });
    edit("add a first child", [&] {
        tree.addNode(find(tree, "A"), AttachMode::AddChildFirst, "A0");
    });
    edit("remove in the middle", [&] {
        tree.remove(find(tree, "A2"));
    });
    edit("move forward on a level", [&] {
        tree.move(find(tree, "first"), find(tree, "D"), AttachMode::Insert);
    });
    edit("move backward on a level", [&] {
        tree.move(find(tree, "D"), find(tree, "A"), AttachMode::Insert);
    });
    edit("move to another level", [&] {
        tree.move(find(tree, "A1"), find(tree, "C"), AttachMode::AddChild);
    });
    edit("move up a level", [&] {
        tree.move(find(tree, "A0"), find(tree, "B"), AttachMode::Insert);
    });
    EXPECT_EQ(outline(tree), "D\nA\n  A3\nA0\nB\nBC\nC\n  A1\nfirst\n");
    EXPECT_EQ(find(tree, "C")->row(), 5);
}

// Keeps each subtree taken out of the tree, as the edit journal does for its undo.
class KeepingRecorder : public MenuTreeRecorder
{
public:
    std::vector<DetachedNode> kept;
    void attached(MenuNode *, MenuNode *, std::size_t) override { }
    void detached(DetachedNode node, MenuNode *, std::size_t) override
    {
        kept.push_back(std::move(node));
    }
    void moved(MenuNode *, MenuNode *, std::size_t, MenuNode *, std::size_t) override { }
    void titleChanged(MenuNode *, const std::string &) override { }
    void dataChanged(MenuNode *, const MenuEntry &) override { }
    void imagesChanged(MenuNode *, int, int) override { }
    void cleared() override { }
};

// Titles "<prefix>0" to "<prefix>N-1" under `parent`.
void addNumbered(MenuTree &tree, MenuNode *parent, const std::string &prefix, int count)
{
    for (int i = 0; i < count; ++i)
        tree.addChild(parent, prefix + std::to_string(i));
}

// The titles under `parent` that are not "<prefix>0" to "<prefix>N-1" in order.
std::string strayChildren(const MenuNode *parent, const std::string &prefix, int count)
{
    std::string stray;
    if (parent->childCount() != static_cast<std::size_t>(count))
        stray += "count " + std::to_string(parent->childCount()) + " ";
    for (std::size_t i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->title() != prefix + std::to_string(i)
            || parent->child(i)->parent() != parent)
            stray += std::string(parent->child(i)->title()) + " ";
    }
    return stray;
}

TEST(MenuTree, NodesFreedAcrossManyBlocksAreReusedWithoutTouchingTheRest)
{
    MenuTree tree;
    MenuNode *a = tree.addTopLevel("A", NodeKind::Submenu);
    MenuNode *b = tree.addTopLevel("B", NodeKind::Submenu);
    MenuNode *c = tree.addTopLevel("C", NodeKind::Submenu);
    addNumbered(tree, a, "a", 20000);
    addNumbered(tree, b, "b", 20000);
    addNumbered(tree, c, "c", 20000);
    // The middle third goes (its rooms lie in blocks shared with the others) and as many new
    // nodes take its rooms, some of them to the front of a level.
    tree.remove(b);
    MenuNode *d = tree.addNode(c, AttachMode::Insert, "D", NodeKind::Submenu);
    addNumbered(tree, d, "d", 20000);
    for (int i = 0; i < 500; ++i)
        tree.addNode(a, AttachMode::AddFirst, "front");
    EXPECT_EQ(tree.count(), 60503u);
    EXPECT_EQ(strayChildren(a, "a", 20000), "");
    EXPECT_EQ(strayChildren(c, "c", 20000), "");
    EXPECT_EQ(strayChildren(d, "d", 20000), "");
    EXPECT_EQ(misplacedNodes(tree), "");
    EXPECT_EQ(tree.preOrder().size(), tree.count());
}

TEST(MenuTree, SubtreesKeptOutOfTheTreeStayWholeAndOutliveIt)
{
    KeepingRecorder recorder;
    {
        auto tree = std::make_unique<MenuTree>();
        tree->setRecorder(&recorder);
        MenuNode *kept = tree->addTopLevel("K", NodeKind::Submenu);
        addNumbered(*tree, kept, "k", 3000);
        MenuNode *other = tree->addTopLevel("O", NodeKind::Submenu);
        addNumbered(*tree, other, "o", 3000);
        tree->remove(kept);
        ASSERT_EQ(recorder.kept.size(), 1u);
        EXPECT_EQ(kept->row(), -1);
        EXPECT_EQ(kept->nextSibling(), nullptr);
        EXPECT_EQ(other->row(), 0);
        // New nodes must not take the rooms of the subtree kept.
        for (int i = 0; i < 4000; ++i)
            tree->addTopLevel("new");
        EXPECT_EQ(strayChildren(recorder.kept.front().get(), "k", 3000), "");
        EXPECT_EQ(strayChildren(other, "o", 3000), "");

        // A menu read into the tree replaces its nodes, and then the tree goes: the subtree
        // kept still reads, and is freed last.
        MenuTree read;
        addNumbered(read, read.addTopLevel("R"), "r", 100);
        tree->takeNodes(read);
        tree->remove(tree->first());
        tree.reset();
    }
    ASSERT_EQ(recorder.kept.size(), 2u);
    EXPECT_EQ(strayChildren(recorder.kept[0].get(), "k", 3000), "");
    EXPECT_EQ(strayChildren(recorder.kept[1].get(), "r", 100), "");
}

// Every node's title, command and target path, in pre-order, one line each.
std::string allTexts(const MenuNode *top)
{
    std::string text;
    std::vector<const MenuNode *> pending { top };
    while (!pending.empty()) {
        const MenuNode *node = pending.back();
        pending.pop_back();
        text += node->title();
        text += '|';
        text += node->data().command;
        text += '|';
        text += node->data().targetPath;
        text += '\n';
        for (std::size_t i = node->childCount(); i-- > 0;)
            pending.push_back(node->child(i));
    }
    return text;
}

// A text of `length` bytes of every value but NUL, starting at `first`.
std::string oddBytes(std::size_t length, int first)
{
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(1 + (first + static_cast<int>(i)) % 255);
    return text;
}

TEST(MenuTree, TextsChangedAgainAndAgainKeepEveryTextAndTheirRoomBounded)
{
    KeepingRecorder recorder;
    auto tree = std::make_unique<MenuTree>();
    tree->setRecorder(&recorder);
    // A subtree taken out for undo, with texts of every kind: its texts move with every
    // compaction of the tree's blocks.
    MenuNode *kept = tree->addTopLevel("Kept", NodeKind::Submenu);
    MenuNode *keptEntry = tree->addChild(kept, oddBytes(300, 7));
    tree->setData(keptEntry, MenuEntry { oddBytes(5000, 100), "" });
    tree->addChild(kept, "");
    tree->setTargetPath(tree->addChild(kept, "-"), "D:\\x");
    const std::string keptTexts = allTexts(kept);
    tree->remove(kept);

    MenuNode *edited = tree->addTopLevel("edited");
    MenuNode *still = tree->addTopLevel("still");
    tree->setData(still, MenuEntry { "cd C:\\Still", oddBytes(70, 3) });
    const std::string stillTexts = allTexts(still);
    std::size_t mostRoom = 0;
    std::string title;
    MenuEntry data;
    for (int i = 0; i < 20000; ++i) {
        // Lengths from none to long, the title given as a view of another node's texts now
        // and then (the blocks a compaction empties must outlast the write).
        title = oddBytes(static_cast<std::size_t>(i % 97), i);
        data = { i % 5 == 0 ? std::string() : oddBytes(static_cast<std::size_t>(i % 301), i + 1),
            oddBytes(static_cast<std::size_t>(i % 7), i + 2) };
        if (i % 11 == 0) {
            tree->setTitle(edited, still->data().targetPath);
            title = still->data().targetPath;
        } else {
            tree->setTitle(edited, title);
        }
        tree->setData(edited, data);
        ASSERT_EQ(edited->title(), title) << "change " << i;
        ASSERT_EQ(edited->data().command, data.command) << "change " << i;
        ASSERT_EQ(edited->data().targetPath, data.targetPath) << "change " << i;
        mostRoom = std::max(mostRoom, tree->liveTextBytes() + tree->garbageTextBytes());
    }
    EXPECT_EQ(allTexts(still), stillTexts);
    EXPECT_EQ(allTexts(recorder.kept.front().get()), keptTexts);
    // Some 20 MB written in all: what the texts take stays within a few times the live ones
    // and the room a compaction waits for.
    EXPECT_GT(tree->liveTextBytes(), 5000u);
    EXPECT_LT(mostRoom, 4 * tree->liveTextBytes() + 3 * 64 * 1024 + (1 << 20));

    // Texts emptied give their room back; the subtree kept outlives the tree with its texts.
    tree->setTitle(edited, "");
    tree->setData(edited, MenuEntry {});
    EXPECT_EQ(allTexts(edited), "||\n");
    tree.reset();
    EXPECT_EQ(allTexts(recorder.kept.front().get()), keptTexts);
}

TEST(MenuTree, TextsOfEveryLengthReadBackAfterALoadAndWithoutRecord)
{
    MenuTree tree;
    const std::string longText = oddBytes(3 << 20, 0);
    tree.reserve(3, 100);
    MenuNode *empty = tree.addTopLevel("");
    MenuNode *full = tree.addNode(nullptr, AttachMode::Add, "T", NodeKind::Item, { "c", "p" });
    MenuNode *huge =
        tree.addNode(nullptr, AttachMode::Add, longText, NodeKind::Item, { "", longText });
    EXPECT_EQ(allTexts(empty), "||\n");
    EXPECT_EQ(allTexts(full), "T|c|p\n");
    EXPECT_EQ(huge->title(), longText);
    EXPECT_EQ(huge->data().command, "");
    EXPECT_EQ(huge->data().targetPath, longText);
    // A submenu's record goes when it gets children; its title stays.
    tree.addChild(full, "child");
    tree.refreshNodeKind(full);
    EXPECT_EQ(allTexts(full), "T||\nchild||\n");
}

} // namespace
} // namespace torvex
