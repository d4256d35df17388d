#include "editor/DropLogic.h"

#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::buildTree;
using test::find;
using test::outline;

// Records what the drop asks of the window, in order.
class RecordingView : public DropView
{
public:
    std::vector<std::string> calls;
    test::ScriptedMessageBoxes boxes;
    MessageBoxes &messageBoxes() override { return boxes; }
    void showStatus(const std::string &text) override { calls.push_back("status:" + text); }
    void showSelectedEntry() override { calls.push_back("click"); }
    void updateItemCount() override { calls.push_back("count"); }
};

class ExpansionObserver : public MenuTreeObserver
{
public:
    std::vector<std::string> expanded;
    void expansionRequested(MenuNode *node, bool expand) override
    {
        if (expand)
            expanded.emplace_back(node->title());
    }
};

const std::vector<std::string> refreshed { "click", "count" };

DirEntry folder(const std::string &name)
{
    return { name, "D:\\Work\\" + name };
}

class DropTest : public ::testing::Test
{
protected:
    MenuTree tree;
    RecordingView view;
    test::ScriptedMessageBoxes &boxes = view.boxes;
    DropLogic logic { tree, view };

    DropRequest folderDrop(AttachMode mode, std::vector<DirEntry> folders) const
    {
        DropRequest request;
        request.source = DragSource::DirList;
        request.mode = mode;
        request.folders = std::move(folders);
        return request;
    }
    DropRequest nodeDrop(AttachMode mode) const
    {
        DropRequest request;
        request.source = DragSource::Tree;
        request.mode = mode;
        return request;
    }
    // Drags `title` onto `target` the way the tree does: the drag starts on the node, the
    // pointer then passes over the target.
    void dragNode(const std::string &title, const std::string &target, AttachMode mode)
    {
        logic.startDrag(find(tree, title));
        logic.dragOver(DragSource::Tree, find(tree, target), 100, 400);
        view.calls.clear();
        logic.drop(nodeDrop(mode));
    }
};

struct ModeCase
{
    AttachMode mode;
    const char *expected;
};

class FolderDropModes : public DropTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(FolderDropModes, SeveralFoldersLandInListOrder)
{
    buildTree(tree, "A\n  X\n  T\n    T1\n  Y\nB\n");
    tree.setSelected(find(tree, "T"));
    logic.drop(folderDrop(GetParam().mode, { folder("P"), folder("Q"), folder("R") }));

    EXPECT_EQ(outline(tree), GetParam().expected);
    EXPECT_EQ(tree.selected(), find(tree, "T"));
    EXPECT_EQ(view.calls, refreshed);
    EXPECT_TRUE(boxes.empty());
    for (const char *name : { "P", "Q", "R" }) {
        const MenuNode *node = find(tree, name);
        EXPECT_EQ(node->imageIndex(), ImageItem);
        EXPECT_EQ(node->selectedIndex(), ImageItemSelected);
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes,
    FolderDropModes,
    ::testing::Values(ModeCase { AttachMode::Add,
                          "A\n  X\n  T\n    T1\n  Y\n"
                          "  P|cd D:\\Work\\P\n  Q|cd D:\\Work\\Q\n  R|cd D:\\Work\\R\nB\n" },
        ModeCase { AttachMode::AddFirst,
            "A\n  P|cd D:\\Work\\P\n  Q|cd D:\\Work\\Q\n  R|cd D:\\Work\\R\n"
            "  X\n  T\n    T1\n  Y\nB\n" },
        ModeCase { AttachMode::AddChild,
            "A\n  X\n  T\n    T1\n"
            "    P|cd D:\\Work\\P\n    Q|cd D:\\Work\\Q\n    R|cd D:\\Work\\R\n  Y\nB\n" },
        ModeCase { AttachMode::AddChildFirst,
            "A\n  X\n  T\n"
            "    P|cd D:\\Work\\P\n    Q|cd D:\\Work\\Q\n    R|cd D:\\Work\\R\n"
            "    T1\n  Y\nB\n" },
        ModeCase { AttachMode::Insert,
            "A\n  X\n  P|cd D:\\Work\\P\n  Q|cd D:\\Work\\Q\n  R|cd D:\\Work\\R\n"
            "  T\n    T1\n  Y\nB\n" }));

TEST_F(DropTest, FolderBecomesAnItemWithACdCommand)
{
    buildTree(tree, "T\n");
    tree.setSelected(find(tree, "T"));
    ExpansionObserver observer;
    tree.setObserver(&observer);
    logic.drop(folderDrop(AttachMode::AddChildFirst, { folder("Data") }));
    tree.setObserver(nullptr);

    const MenuNode *data = find(tree, "Data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data().command, "cd D:\\Work\\Data");
    EXPECT_EQ(data->data().targetPath, "");
    // The target, now with a child, shows the submenu pictures and is opened.
    const MenuNode *target = find(tree, "T");
    EXPECT_EQ(target->imageIndex(), ImageSubmenu);
    EXPECT_EQ(target->selectedIndex(), ImageSubmenuSelected);
    EXPECT_EQ(observer.expanded, std::vector<std::string> { "T" });
}

TEST_F(DropTest, DriveRootEntryKeepsItsRootText)
{
    buildTree(tree, "T\n");
    tree.setSelected(find(tree, "T"));
    logic.drop(folderDrop(AttachMode::Add, { { "C:\\", "C:\\" } }));
    EXPECT_EQ(outline(tree), "T\nC:\\|cd C:\\\n");
}

TEST_F(DropTest, WithoutTargetFoldersGoToTheEndOfTheTopLevel)
{
    // An empty tree, and a tree with nothing selected, both append in list order whatever
    // the mode.
    logic.drop(folderDrop(AttachMode::AddChildFirst, { folder("P"), folder("Q") }));
    EXPECT_EQ(outline(tree), "P|cd D:\\Work\\P\nQ|cd D:\\Work\\Q\n");
    EXPECT_EQ(view.calls, std::vector<std::string> { "count" });

    logic.drop(folderDrop(AttachMode::Insert, { folder("R") }));
    EXPECT_EQ(outline(tree), "P|cd D:\\Work\\P\nQ|cd D:\\Work\\Q\nR|cd D:\\Work\\R\n");
}

TEST_F(DropTest, NoSelectedEntryAddsNothingButRefreshes)
{
    buildTree(tree, "T\n");
    tree.setSelected(find(tree, "T"));
    logic.drop(folderDrop(AttachMode::AddChildFirst, {}));
    EXPECT_EQ(outline(tree), "T\n");
    EXPECT_EQ(view.calls, refreshed);
}

TEST_F(DropTest, DropFromElsewhereDoesNothing)
{
    buildTree(tree, "T\n");
    tree.setSelected(find(tree, "T"));
    DropRequest request = folderDrop(AttachMode::Add, { folder("P") });
    request.source = DragSource::Other;
    logic.drop(request);
    EXPECT_EQ(outline(tree), "T\n");
    EXPECT_TRUE(view.calls.empty());
}

// "Make sub menu?" in the two child modes, for folders and for moved nodes alike.
struct ConfirmCase
{
    AttachMode mode;
    DragSource source;
};

class MakeSubMenu : public DropTest, public ::testing::WithParamInterface<ConfirmCase>
{
protected:
    void dropOnT()
    {
        if (GetParam().source == DragSource::Tree) {
            dragNode("M", "T", GetParam().mode);
        } else {
            tree.setSelected(find(tree, "T"));
            logic.drop(folderDrop(GetParam().mode, { folder("P") }));
        }
    }
};

TEST_P(MakeSubMenu, YesMakesTheTargetASubmenuWithoutCommand)
{
    buildTree(tree, "T|cd C:\\Old|E:\\Other\nM|cd C:\\M\n");
    boxes.answer(MsgResult::Yes);
    dropOnT();

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "OK to make 'T'\r\ninto a menu with submenus but\r\nno command/target path?");
    EXPECT_EQ(boxes.last().caption, "Make sub menu?");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Question);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::YesNo);

    const MenuNode *target = find(tree, "T");
    ASSERT_TRUE(target->hasChildren());
    EXPECT_EQ(target->data().command, "");
    EXPECT_EQ(target->data().targetPath, "");
    EXPECT_EQ(target->imageIndex(), ImageSubmenu);
    EXPECT_EQ(tree.selected(), target);
    EXPECT_EQ(view.calls, refreshed);
}

TEST_P(MakeSubMenu, NoLeavesEverythingAsItWas)
{
    buildTree(tree, "T|cd C:\\Old|E:\\Other\nM|cd C:\\M\n");
    const std::string before = outline(tree);
    boxes.answer(MsgResult::No);
    dropOnT();

    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(outline(tree), before);
    EXPECT_TRUE(view.calls.empty());
}

TEST_P(MakeSubMenu, NotAskedWhenTheTargetHasNothingToLose)
{
    buildTree(tree, "T\nM|cd C:\\M\n");
    dropOnT();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(find(tree, "T")->hasChildren());
}

TEST_P(MakeSubMenu, TargetPathAloneIsAskedAbout)
{
    buildTree(tree, "T||E:\\Other\nM|cd C:\\M\n");
    boxes.answer(MsgResult::No);
    dropOnT();
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_FALSE(find(tree, "T")->hasChildren());
}

TEST_P(MakeSubMenu, SwitchedOffTheStringsAreEmptiedWithoutAsking)
{
    buildTree(tree, "T|cd C:\\Old|E:\\Other\nM|cd C:\\M\n");
    if (GetParam().source == DragSource::Tree) {
        logic.startDrag(find(tree, "M"));
        logic.dragOver(DragSource::Tree, find(tree, "T"), 100, 400);
        DropRequest request = nodeDrop(GetParam().mode);
        request.confirmDropOnCommand = false;
        logic.drop(request);
    } else {
        tree.setSelected(find(tree, "T"));
        DropRequest request = folderDrop(GetParam().mode, { folder("P") });
        request.confirmDropOnCommand = false;
        logic.drop(request);
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(find(tree, "T")->hasChildren());
    EXPECT_EQ(find(tree, "T")->data().command, "");
    EXPECT_EQ(find(tree, "T")->data().targetPath, "");
}

INSTANTIATE_TEST_SUITE_P(ChildModes,
    MakeSubMenu,
    ::testing::Values(ConfirmCase { AttachMode::AddChild, DragSource::DirList },
        ConfirmCase { AttachMode::AddChildFirst, DragSource::DirList },
        ConfirmCase { AttachMode::AddChild, DragSource::Tree },
        ConfirmCase { AttachMode::AddChildFirst, DragSource::Tree }));

TEST_F(DropTest, SiblingModesNeverAsk)
{
    for (AttachMode mode : { AttachMode::Add, AttachMode::AddFirst, AttachMode::Insert }) {
        tree.clear();
        buildTree(tree, "A\n  T|cd C:\\Old|E:\\Other\n");
        tree.setSelected(find(tree, "T"));
        logic.drop(folderDrop(mode, { folder("P") }));
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(find(tree, "T")->data().command, "cd C:\\Old");
        EXPECT_EQ(find(tree, "P")->parent(), find(tree, "A"));
    }
}

TEST_F(DropTest, MovingIntoOwnSubtreeIsAnIllegalDrop)
{
    buildTree(tree, "A\n  B\n    C|cd C:\\C\nD\n");
    const std::string before = outline(tree);
    dragNode("A", "C", AttachMode::AddChildFirst);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text, "You can't move a menu to one of its own submenus!");
    EXPECT_EQ(boxes.last().caption, "Illegal drop");
    EXPECT_EQ(boxes.last().icon, MsgIcon::Error);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(outline(tree), before);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(DropTest, DroppingANodeOntoItselfChangesNothing)
{
    buildTree(tree, "A\n  B\nT|cd C:\\T\n");
    for (AttachMode mode : { AttachMode::AddChildFirst, AttachMode::Add, AttachMode::Insert }) {
        for (const char *title : { "A", "T" }) {
            const std::string before = outline(tree);
            dragNode(title, title, mode);
            EXPECT_EQ(outline(tree), before);
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(view.calls, refreshed);
        }
    }
    EXPECT_EQ(find(tree, "A")->imageIndex(), ImageSubmenu);
}

TEST_F(DropTest, MovingTheOnlyChildOutMakesTheOldParentAnItem)
{
    buildTree(tree, "S\n  C|cd C:\\C\nT\n");
    dragNode("C", "T", AttachMode::Add);

    EXPECT_EQ(outline(tree), "S\nT\nC|cd C:\\C\n");
    const MenuNode *oldParent = find(tree, "S");
    EXPECT_EQ(oldParent->imageIndex(), ImageItem);
    EXPECT_EQ(oldParent->selectedIndex(), ImageItemSelected);
    EXPECT_EQ(tree.selected(), find(tree, "T"));
    EXPECT_EQ(view.calls, refreshed);
}

TEST_F(DropTest, MovedSubmenuKeepsItsSubtreeAndTargetBecomesSubmenu)
{
    buildTree(tree, "S\n  S1|cd C:\\S1\nT|cd C:\\T\n");
    boxes.answer(MsgResult::Yes);
    dragNode("S", "T", AttachMode::AddChild);
    EXPECT_EQ(outline(tree), "T\n  S\n    S1|cd C:\\S1\n");
    EXPECT_EQ(find(tree, "T")->imageIndex(), ImageSubmenu);
}

TEST_F(DropTest, TreeDropWithoutTargetOrDraggedNodeDoesNothing)
{
    buildTree(tree, "A\nB\n");
    tree.setSelected(find(tree, "B"));
    logic.drop(nodeDrop(AttachMode::Add)); // no drag started
    logic.startDrag(find(tree, "A"));
    tree.setSelected(nullptr);
    logic.drop(nodeDrop(AttachMode::Add));
    EXPECT_EQ(outline(tree), "A\nB\n");
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(DropTest, DeletedDraggedNodeIsNotMoved)
{
    buildTree(tree, "A\nB\nC\n");
    logic.startDrag(find(tree, "A"));
    tree.remove(find(tree, "A"));
    tree.setSelected(find(tree, "C"));
    logic.drop(nodeDrop(AttachMode::Add));
    EXPECT_EQ(outline(tree), "B\nC\n");
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(DropTest, CtrlDropOntoItemRenamesItAndPointsItAtTheFolder)
{
    buildTree(tree, "A\n  T|cd C:\\Old|E:\\Target\n");
    tree.setSelected(find(tree, "T"));
    DropRequest request = folderDrop(AttachMode::AddChildFirst, { folder("P"), folder("Q") });
    request.ctrlDown = true;
    request.pressedEntry = folder("Data");
    logic.drop(request);

    EXPECT_EQ(outline(tree), "A\n  Data|cd D:\\Work\\Data|E:\\Target\n");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(view.calls, refreshed);
}

TEST_F(DropTest, CtrlDropOntoSubmenuRenamesItAndEmptiesItsRecord)
{
    buildTree(tree, "S\n  C|cd C:\\C\n");
    MenuNode *submenu = find(tree, "S");
    tree.setData(submenu, { "cd C:\\Stale", "E:\\Stale" });
    tree.setSelected(submenu);
    DropRequest request = folderDrop(AttachMode::Add, { folder("P") });
    request.ctrlDown = true;
    request.pressedEntry = folder("Data");
    logic.drop(request);

    EXPECT_EQ(outline(tree), "Data\n  C|cd C:\\C\n");
}

TEST_F(DropTest, CtrlDropWithoutPressedEntryChangesNothing)
{
    buildTree(tree, "T|cd C:\\T\n");
    tree.setSelected(find(tree, "T"));
    DropRequest request = folderDrop(AttachMode::AddChildFirst, { folder("P") });
    request.ctrlDown = true;
    logic.drop(request);
    EXPECT_EQ(outline(tree), "T|cd C:\\T\n");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(view.calls, refreshed);
}

TEST_F(DropTest, CtrlDropWithoutTargetIsAPlainDrop)
{
    DropRequest request = folderDrop(AttachMode::AddChildFirst, { folder("P") });
    request.ctrlDown = true;
    request.pressedEntry = folder("Data");
    logic.drop(request);
    EXPECT_EQ(outline(tree), "P|cd D:\\Work\\P\n");
}

TEST_F(DropTest, DragOverSelectsTheNodeUnderThePointer)
{
    buildTree(tree, "Alpha\nBeta\n");
    auto result = logic.dragOver(DragSource::DirList, find(tree, "Beta"), 100, 400);
    EXPECT_TRUE(result.accept);
    EXPECT_EQ(tree.selected(), find(tree, "Beta"));
    EXPECT_EQ(view.calls, std::vector<std::string> { "status:Beta" });

    view.calls.clear();
    result = logic.dragOver(DragSource::Tree, nullptr, 100, 400);
    EXPECT_FALSE(result.accept);
    EXPECT_EQ(tree.selected(), nullptr);
    EXPECT_EQ(view.calls, std::vector<std::string> { "status:" });
}

TEST_F(DropTest, APlaceThatWillRefuseTheDropIsToldWhileDragging)
{
    buildTree(tree, "A\n-\n");
    MenuNode *separator = find(tree, "-");
    EXPECT_TRUE(logic.refusesDropOn(DragSource::DirList, AttachMode::AddChild, false, separator));
    EXPECT_EQ(view.calls, std::vector<std::string> { "status:A separator cannot hold entries" });
    EXPECT_TRUE(logic.refusesDropOn(DragSource::Tree, AttachMode::AddChildFirst, false, separator));
    // Beside it, onto another entry, with Ctrl (folders rename it) or dragged onto itself: taken.
    EXPECT_FALSE(logic.refusesDropOn(DragSource::DirList, AttachMode::Add, false, separator));
    EXPECT_FALSE(
        logic.refusesDropOn(DragSource::DirList, AttachMode::AddChild, false, find(tree, "A")));
    EXPECT_FALSE(logic.refusesDropOn(DragSource::DirList, AttachMode::AddChild, true, separator));
    logic.startDrag(separator);
    EXPECT_FALSE(logic.refusesDropOn(DragSource::Tree, AttachMode::AddChild, false, separator));
}

TEST_F(DropTest, DragOverRefusesForeignSources)
{
    buildTree(tree, "Alpha\nBeta\n");
    tree.setSelected(find(tree, "Alpha"));
    const auto result = logic.dragOver(DragSource::Other, find(tree, "Beta"), 5, 400);
    EXPECT_FALSE(result.accept);
    EXPECT_EQ(result.scroll, DragScroll::None);
    EXPECT_EQ(tree.selected(), find(tree, "Alpha"));
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(DropTest, DragOverScrollsNearTheEdges)
{
    buildTree(tree, "Alpha\n");
    MenuNode *node = find(tree, "Alpha");
    struct
    {
        int y;
        int height;
        DragScroll scroll;
    } const cases[] = {
        { 271, 300, DragScroll::LineDown },
        { 270, 300, DragScroll::None },
        { 150, 300, DragScroll::None },
        { 30, 300, DragScroll::None },
        { 29, 300, DragScroll::LineUp },
        { 0, 300, DragScroll::LineUp },
        // In a tree lower than both margins together, down wins.
        { 20, 40, DragScroll::LineDown },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(logic.dragOver(DragSource::DirList, node, c.y, c.height).scroll, c.scroll)
            << "y=" << c.y << " height=" << c.height;
    }
}

TEST_F(DropTest, LeavingTheTreeRefreshesThePanelAndKeepsTheDrag)
{
    buildTree(tree, "A\nB\nC\n");
    logic.startDrag(find(tree, "A"));
    EXPECT_EQ(tree.selected(), find(tree, "A"));
    logic.dragOver(DragSource::Tree, find(tree, "B"), 100, 400);
    view.calls.clear();
    logic.dragLeft();
    EXPECT_EQ(tree.selected(), find(tree, "B"));
    EXPECT_EQ(view.calls, std::vector<std::string> { "click" });

    // The pointer comes back and drops after all.
    logic.dragOver(DragSource::Tree, find(tree, "C"), 100, 400);
    logic.drop(nodeDrop(AttachMode::Add));
    EXPECT_EQ(outline(tree), "B\nC\nA\n");
}

TEST_F(DropTest, ChildDropsOntoASeparatorAreRefusedLikeAnIllegalDrop)
{
    for (const AttachMode mode : { AttachMode::AddChild, AttachMode::AddChildFirst }) {
        tree.clear();
        buildTree(tree, "A\n-\nM|cd C:\\M\n");
        tree.setSelected(find(tree, "-"));
        view.calls.clear();
        logic.drop(folderDrop(mode, { folder("P") }));
        dragNode("M", "-", mode);
        EXPECT_EQ(outline(tree), "A\n-\nM|cd C:\\M\n");
        EXPECT_EQ(
            view.calls, (std::vector<std::string> { "status:A separator cannot hold entries" }));
    }
    // Beside a separator is fine.
    dragNode("M", "-", AttachMode::Insert);
    EXPECT_EQ(outline(tree), "A\nM|cd C:\\M\n-\n");
}

} // namespace
} // namespace torvex
