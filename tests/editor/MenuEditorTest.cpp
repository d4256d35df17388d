#include "EditorFixture.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace torvex {
namespace {

using test::EditorFixture;
using test::find;
using test::outline;

class MenuEditorTest : public EditorFixture
{
};

// Records where the tree removed nodes, to see the order of a deletion.
class RemovalLog : public MenuTreeObserver
{
public:
    void beginRemove(MenuNode *parent, int row) override
    {
        removals.emplace_back(parent ? std::string(parent->title()) : std::string("(top)"), row);
    }
    std::vector<std::pair<std::string, int>> removals;
};

TEST_F(MenuEditorTest, AddSisterMenuAppendsNewAtTheEndOfTheLevel)
{
    load("A\nB\nC\nS\n  K1\n  K2\n");
    click("A");
    editor.addSiblingEntry();
    EXPECT_EQ(outline(tree), "A\nB\nC\nS\n  K1\n  K2\nNew\n");
    EXPECT_EQ(tree.selected(), tree.topLevel().back().get());
    EXPECT_EQ(ui.title, "New");
    EXPECT_EQ(ui.itemCount, " 9 items");

    click("K1");
    editor.addSiblingEntry();
    EXPECT_EQ(outline(tree), "A\nB\nC\nS\n  K1\n  K2\n  New\nNew\n");
    EXPECT_EQ(tree.selected()->parent(), find(tree, "S"));
}

TEST_F(MenuEditorTest, AddSubMenuKeepsTheRecordUntilTheLastChildGoes)
{
    load("Tools|cd c:\\tools|d:\\t\nOther\n");
    MenuNode *tools = click("Tools");
    editor.addSubMenu();
    EXPECT_EQ(outline(tree), "Tools|cd c:\\tools|d:\\t\n  New\nOther\n");
    EXPECT_EQ(tools->imageIndex(), ImageSubmenu);
    EXPECT_EQ(tools->selectedIndex(), ImageSubmenuSelected);
    MenuNode *added = tree.selected();
    EXPECT_EQ(added->parent(), tools);
    EXPECT_EQ(added->imageIndex(), ImageItem);
    EXPECT_EQ(ui.title, "New");
    EXPECT_EQ(ui.command, "");
    EXPECT_EQ(ui.itemCount, " 5 items");

    editor.deleteSelectedEntry();
    EXPECT_EQ(outline(tree), "Tools|cd c:\\tools|d:\\t\nOther\n");
    EXPECT_EQ(tools->imageIndex(), ImageItem);
    EXPECT_EQ(tree.selected(), tools);
    EXPECT_EQ(ui.command, "cd c:\\tools");
    EXPECT_TRUE(ui.itemControlsEnabled);
    EXPECT_TRUE(ui.panelEnabled);
}

TEST_F(MenuEditorTest, AddCopyLandsDirectlyBehindWithTheEditsTexts)
{
    load("A|cd a\nTools|cd t|x:\\\nC|cd c\n");
    click("Tools");
    ui.typeCommand("cd edited");
    editor.addCopy();
    EXPECT_EQ(outline(tree), "A|cd a\nTools|cd edited|x:\\\nTools - New|cd edited|x:\\\nC|cd c\n");
    EXPECT_EQ(tree.selected(), find(tree, "Tools - New"));
    EXPECT_EQ(ui.title, "Tools - New");

    click("C");
    editor.addCopy();
    EXPECT_EQ(tree.topLevel().back()->title(), "C - New");
    EXPECT_EQ(tree.topLevel().back()->data().command, "cd c");
}

TEST_F(MenuEditorTest, AddCopyOfASubmenuIsAnItemWithoutChildren)
{
    load("S\n  K1|cd k\n  K2\nZ\n");
    click("S");
    editor.addCopy();
    EXPECT_EQ(outline(tree), "S\n  K1|cd k\n  K2\nS - New\nZ\n");
    MenuNode *copy = find(tree, "S - New");
    EXPECT_EQ(copy->imageIndex(), ImageItem);
    EXPECT_EQ(copy->selectedIndex(), ImageItemSelected);
    EXPECT_TRUE(ui.itemControlsEnabled);
}

TEST_F(MenuEditorTest, CommandsWithoutASelectedNodeDoNothing)
{
    load("A|cd a\nB\n");
    tree.setSelected(nullptr);
    editor.addSubMenu();
    editor.addSiblingEntry();
    editor.addCopy();
    editor.deleteSelectedEntry();
    EXPECT_EQ(outline(tree), "A|cd a\nB\n");
    EXPECT_TRUE(ui.itemCounts.empty());
    EXPECT_TRUE(ui.panelEnabled);
}

TEST_F(MenuEditorTest, DeletingTheOnlyChildGivesTheParentItsPicturesAndRecordBack)
{
    load("P|cd p|t\n  S\n    K\nQ\n");
    MenuNode *p = find(tree, "P");
    click("S");
    editor.deleteSelectedEntry();
    EXPECT_EQ(outline(tree), "P|cd p|t\nQ\n");
    EXPECT_EQ(p->imageIndex(), ImageItem);
    EXPECT_EQ(p->selectedIndex(), ImageItemSelected);
    EXPECT_EQ(tree.selected(), p);
    EXPECT_EQ(ui.title, "P");
    EXPECT_EQ(ui.command, "cd p");
    EXPECT_EQ(ui.targetPath, "t");
}

TEST_F(MenuEditorTest, DeleteRemovesTheSubtreeInOnePieceAndShowsTheCountItLeavesOnce)
{
    load("A\nS\n  K1\n    X\n  K2\n");
    RemovalLog log;
    tree.setObserver(&log);
    click("S");
    ui.itemCounts.clear();
    editor.deleteSelectedEntry();
    tree.setObserver(nullptr);
    EXPECT_EQ(outline(tree), "A\n");
    // One removal however many entries go: views hear of one range.
    const std::vector<std::pair<std::string, int>> order { { "(top)", 1 } };
    EXPECT_EQ(log.removals, order);
    // Counted once, when the whole subtree is gone: one node left.
    const std::vector<std::string> counts { " 1 items" };
    EXPECT_EQ(ui.itemCounts, counts);
    EXPECT_EQ(tree.selected(), find(tree, "A"));
}

TEST_F(MenuEditorTest, DeletingTheLastNodeEmptiesAndDisablesThePanel)
{
    load("Only|cd x|y\n");
    editor.deleteSelectedEntry();
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_FALSE(ui.panelEnabled);
    EXPECT_EQ(ui.title, "");
    EXPECT_EQ(ui.command, "");
    EXPECT_EQ(ui.targetPath, "");
    EXPECT_EQ(ui.itemCount, " 0 items");

    PopupEntries emptyTree;
    emptyTree.addFirstEntry = true;
    EXPECT_EQ(popupEntries(tree), emptyTree);

    ui.panelEnabled = true;
    editor.deleteSelectedEntry();
    EXPECT_FALSE(ui.panelEnabled);
}

TEST_F(MenuEditorTest, PopupShowsTheStructuralEntriesWhileTheTreeHoldsNodes)
{
    load("A\n");
    const PopupEntries entries = popupEntries(tree);
    EXPECT_TRUE(entries.addSubMenu && entries.addSiblingEntry && entries.separatorN2
        && entries.deleteSelectedEntry && entries.addCopy && entries.separatorN4
        && entries.showCommandFolder);
    EXPECT_FALSE(entries.addFirstEntry);
}

TEST_F(MenuEditorTest, AddMenuSelectsTheNewEntrySoThatTypingGoesIntoIt)
{
    editor.addFirstEntry();
    EXPECT_EQ(outline(tree), "New\n");
    EXPECT_EQ(tree.selected(), tree.first());
    EXPECT_TRUE(ui.panelEnabled);
    EXPECT_EQ(ui.itemCount, " 1 items");
    EXPECT_EQ(ui.title, "New");
    EXPECT_TRUE(ui.itemControlsEnabled);

    ui.typeTitle("Home");
    EXPECT_EQ(outline(tree), "Home\n");
}

TEST_F(MenuEditorTest, WithoutASelectedEntryThePanelIsEmptiedAndDisabled)
{
    load("A|cd a|t\nB\n");
    // A drag over empty space leaves no node selected; the drag then ends without a drop.
    tree.setSelected(nullptr);
    editor.showSelectedEntry();
    EXPECT_FALSE(ui.panelEnabled);
    EXPECT_EQ(ui.title, "");
    EXPECT_EQ(ui.command, "");
    EXPECT_EQ(ui.targetPath, "");
    EXPECT_EQ(outline(tree), "A|cd a|t\nB\n") << "emptying the edits writes into no node";

    // A press on empty space with several nodes selects nothing and leaves it so.
    ui.panelEnabled = true;
    editor.treePressed();
    EXPECT_FALSE(ui.panelEnabled);

    click("B");
    EXPECT_TRUE(ui.panelEnabled);
    EXPECT_EQ(ui.title, "B");
}

TEST_F(MenuEditorTest, AddSubMenuOnASeparatorIsRefusedWithAStatusText)
{
    load("A\n-\nB\n");
    click("-");
    editor.addSubMenu();
    EXPECT_EQ(outline(tree), "A\n-\nB\n");
    EXPECT_EQ(ui.statuses.back(), "A separator cannot hold entries");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MenuEditorTest, SelectingASubmenuShowsItAndDisablesTheItemControls)
{
    load("A|cd a\nS|old|older\n  K\n");
    click("S");
    EXPECT_EQ(ui.title, "S");
    EXPECT_FALSE(ui.itemControlsEnabled);
    EXPECT_EQ(ui.command, "old");
    EXPECT_EQ(ui.targetPath, "older");
    click("A");
    EXPECT_TRUE(ui.itemControlsEnabled);
    EXPECT_EQ(ui.command, "cd a");
    EXPECT_EQ(ui.targetPath, "");
}

TEST_F(MenuEditorTest, TypingGoesStraightIntoTheSelectedNode)
{
    load("A|cd a\nB\n");
    MenuNode *a = find(tree, "A");
    for (const char *text : { "T", "To", "Too", "Tool" }) {
        ui.typeTitle(text);
        EXPECT_EQ(a->title(), text);
    }
    ui.typeCommand("");
    ui.typeTargetPath("d:\\x");
    EXPECT_EQ(a->data().command, "");
    EXPECT_EQ(a->data().targetPath, "d:\\x");
}

TEST_F(MenuEditorTest, TextTypedWhileThePanelShowsAnotherNodeIsNotWrittenIntoTheSelectedOne)
{
    load("A|cd a\nB|cd b\n");
    // A drag that ends without a drop moves the selection and leaves the panel as it was.
    MenuNode *b = find(tree, "B");
    tree.setSelected(b);
    ui.typeTitle("A2");
    EXPECT_EQ(outline(tree), "A|cd a\nB|cd b\n");
    EXPECT_EQ(ui.title, "B");
    EXPECT_EQ(ui.command, "cd b");

    // The window refreshes the panel before input reaches an edit; then typing lands in B.
    click("A");
    tree.setSelected(b);
    editor.showSelectedBeforeEdit();
    EXPECT_EQ(ui.title, "B");
    ui.typeTitle("B2");
    EXPECT_EQ(outline(tree), "A|cd a\nB2|cd b\n");
}

TEST_F(MenuEditorTest, AddCopyUsesTheSelectedNodesTextsWhenThePanelLagsBehind)
{
    load("A|cd a\nB|cd b|tb\n");
    tree.setSelected(find(tree, "B"));
    editor.addCopy();
    EXPECT_EQ(outline(tree), "A|cd a\nB|cd b|tb\nB - New|cd b|tb\n");
}

TEST_F(MenuEditorTest, FolderButtonsFillTheEditsFromTheOpenFolder)
{
    load("A|cd a|t\nS\n  K\n");
    const std::string open = "C:\\Program Files\\Tools";
    editor.openFolderChanged(open);
    EXPECT_EQ(ui.statuses.back(), open);
    EXPECT_EQ(ui.folderNameHint, " Title = folder name (Tools) ");

    editor.titleFromFolder(open);
    editor.commandFromFolder(open);
    editor.targetPathFromFolder(open);
    EXPECT_EQ(
        outline(tree), "Tools|cd C:\\Program Files\\Tools|cd C:\\Program Files\\Tools\nS\n  K\n");

    // At a drive's root the title stays; an empty open folder changes nothing.
    editor.openFolderChanged("C:\\");
    EXPECT_EQ(ui.folderNameHint, " Title = folder name () ");
    editor.titleFromFolder("C:\\");
    editor.commandFromFolder("");
    editor.targetPathFromFolder("");
    EXPECT_EQ(find(tree, "Tools")->data().command, "cd C:\\Program Files\\Tools");

    // F6 works on a submenu too, through its disabled Command edit.
    click("S");
    editor.commandFromFolder("D:\\Data");
    EXPECT_EQ(find(tree, "S")->data().command, "cd D:\\Data");
}

TEST_F(MenuEditorTest, ShowCommandFolderFindsTheFolderOfTheCommand)
{
    folders = { "D:\\Data" };
    EXPECT_EQ(editor.commandFolderToShow("CD  D:\\Data  "), "D:\\Data");
    EXPECT_EQ(editor.commandFolderToShow("D:\\Data"), "D:\\Data");
    EXPECT_EQ(editor.commandFolderToShow("cd\tD:\\Data\r\n"), "D:\\Data");
    EXPECT_EQ(editor.commandFolderToShow("cd D:\\Gone"), std::nullopt);
    EXPECT_EQ(editor.commandFolderToShow("notepad.exe"), std::nullopt);
    EXPECT_EQ(editor.commandFolderToShow(""), std::nullopt);
    EXPECT_EQ(editor.commandFolderToShow("cd "), std::nullopt);
}

} // namespace
} // namespace torvex
