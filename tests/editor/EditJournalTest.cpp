// Every editing command and drop, recorded as a step, taken back and done again: the tree's
// outline, pictures, selection and the DirMenu lines it saves must come back exactly.

#include "editor/EditJournal.h"

#include "EditorFixture.h"
#include "editor/DropLogic.h"
#include "menu/DirMenuWriter.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

using test::find;
using test::outline;

class QuietDropView : public DropView
{
public:
    test::ScriptedMessageBoxes boxes;
    MessageBoxes &messageBoxes() override { return boxes; }
    void showStatus(const std::string &) override { }
    void showSelectedEntry() override { }
    void updateItemCount() override { }
};

// Everything a step must bring back: the saved lines, the outline with each node's pictures,
// and the selection.
std::string snapshot(const MenuTree &tree)
{
    std::string text;
    for (const auto &[key, value] : writeDirMenu(tree))
        text += key + "=" + value + "\n";
    text += outline(tree);
    tree.forEach([&text](MenuNode *node) {
        text += std::string(node->title()) + ":" + std::to_string(node->imageIndex())
            + std::to_string(node->selectedIndex()) + " ";
        return true;
    });
    text += "\nselected:" + (tree.selected() ? std::string(tree.selected()->title()) : std::string("-"));
    text += " count:" + std::to_string(tree.count());
    return text;
}

const char *sample = "Docs|cd C:\\Docs|cd D:\\Docs\n"
                     "Projects\n"
                     "  Alpha|cd C:\\Alpha\n"
                     "  Tools\n"
                     "    Hammer|cd C:\\Hammer\n"
                     "    Saw|cd C:\\Saw|cd D:\\Saw\n"
                     "  Beta|cd C:\\Beta\n"
                     "-\n"
                     "Games|cd C:\\Games\n";

class EditJournalTest : public test::EditorFixture
{
protected:
    EditJournalTest() { load(sample); }

    // A fresh copy of the sample, as opening the file again gives it.
    void reload()
    {
        tree.clear();
        load(sample);
    }

    DropRequest folderDrop(AttachMode mode, std::vector<DirEntry> entries, bool ctrl = false)
    {
        DropRequest request;
        request.source = DragSource::DirList;
        request.mode = mode;
        request.folders = std::move(entries);
        request.ctrlDown = ctrl;
        if (!request.folders.empty())
            request.pressedEntry = request.folders.front();
        return request;
    }

    void dragNode(const std::string &title, const std::string &target, AttachMode mode)
    {
        drops.startDrag(find(tree, title));
        drops.dragOver(DragSource::Tree, find(tree, target), 100, 400);
        DropRequest request;
        request.source = DragSource::Tree;
        request.mode = mode;
        drops.drop(request);
    }

    // Runs `operation` as one step and checks that undo, redo and undo again lead exactly
    // back and forth; returns the step.
    std::unique_ptr<EditStep> checkRoundTrip(const std::function<void()> &operation)
    {
        const std::string before = snapshot(tree);
        journal.begin("step");
        operation();
        std::unique_ptr<EditStep> step = journal.end();
        const std::string after = snapshot(tree);
        EXPECT_NE(before, after) << "the operation changed nothing";
        if (!step) {
            ADD_FAILURE() << "no step recorded";
            return nullptr;
        }
        step->revert(tree);
        EXPECT_EQ(snapshot(tree), before) << "undo";
        step->apply(tree);
        EXPECT_EQ(snapshot(tree), after) << "redo";
        step->revert(tree);
        EXPECT_EQ(snapshot(tree), before) << "second undo";
        step->apply(tree);
        return step;
    }

    EditJournal journal { tree };
    QuietDropView dropView;
    DropLogic drops { tree, dropView };
};

TEST_F(EditJournalTest, ContextMenuCommandsAreTakenBackAndDoneAgain)
{
    const std::vector<std::pair<std::string, std::function<void()>>> commands {
        { "Add submenu to an item",
            [this] {
                click("Docs"), editor.addSubMenu();
            } },
        { "Add submenu to a submenu",
            [this] {
                click("Tools"), editor.addSubMenu();
            } },
        { "Add sister menu",
            [this] {
                click("Hammer"), editor.addSiblingEntry();
            } },
        { "Add copy",
            [this] {
                click("Saw"), editor.addCopy();
            } },
        { "Add copy of the last",
            [this] {
                click("Games"), editor.addCopy();
            } },
        { "Delete an item",
            [this] {
                click("Alpha"), editor.deleteSelectedEntry();
            } },
        { "Delete the only child",
            [this] {
                click("Tools");
                editor.deleteMenuTree(find(tree, "Hammer"));
                editor.deleteMenuTree(find(tree, "Saw"));
            } },
        { "Delete a submenu with children",
            [this] {
                click("Projects"), editor.deleteSelectedEntry();
            } },
        { "F5 title from folder",
            [this] {
                click("Alpha"), editor.titleFromFolder("C:\\Work\\Omega");
            } },
        { "F6 command from folder",
            [this] {
                click("Alpha"), editor.commandFromFolder("C:\\Work");
            } },
        { "F7 target path from folder",
            [this] {
                click("Beta"), editor.targetPathFromFolder("D:\\X");
            } },
    };
    for (const auto &[name, command] : commands) {
        SCOPED_TRACE(name);
        reload();
        checkRoundTrip(command);
    }
}

TEST_F(EditJournalTest, DeletingEverythingAndAddMenuOnTheEmptyTree)
{
    checkRoundTrip([this] {
        while (!tree.isEmpty()) {
            tree.setSelected(tree.first());
            editor.deleteSelectedEntry();
        }
    });
    tree.clear();
    checkRoundTrip([this] {
        editor.addFirstEntry();
    });
}

TEST_F(EditJournalTest, DeletedSubmenuComesBackWholeAfterEditsThatReuseFreedNodes)
{
    // A deletion kept for undo, nodes freed by deletions that are not kept, and many nodes
    // added after both: none of the new nodes may take the room of the subtree kept.
    click("Projects");
    const std::string original = snapshot(tree);
    auto deletion = checkRoundTrip([this] {
        editor.deleteSelectedEntry();
    });
    ASSERT_NE(deletion, nullptr);
    const std::string deleted = snapshot(tree);
    journal.begin("many");
    MenuNode *bulk = tree.addTopLevel("Bulk", NodeKind::Submenu);
    for (int i = 0; i < 2000; ++i)
        tree.addChild(bulk, "n" + std::to_string(i));
    auto additions = journal.end();
    ASSERT_NE(additions, nullptr);
    additions->revert(tree);
    for (int i = 0; i < 2000; ++i)
        tree.addTopLevel("again");
    for (int i = 0; i < 2000; ++i)
        tree.remove(tree.topLevel().back().get());
    EXPECT_EQ(snapshot(tree), deleted);
    deletion->revert(tree);
    EXPECT_EQ(snapshot(tree), original);

    // The additions' step goes with its nodes; the deletion still goes back and forth.
    additions.reset();
    for (int i = 0; i < 3000; ++i)
        tree.addTopLevel("more");
    for (int i = 0; i < 3000; ++i)
        tree.remove(tree.topLevel().back().get());
    deletion->apply(tree);
    EXPECT_EQ(snapshot(tree), deleted);
    deletion->revert(tree);
    EXPECT_EQ(snapshot(tree), original);
}

TEST_F(EditJournalTest, DropsInEveryModeAreTakenBackAndDoneAgain)
{
    for (const AttachMode mode : { AttachMode::Add,
             AttachMode::AddFirst,
             AttachMode::AddChild,
             AttachMode::AddChildFirst,
             AttachMode::Insert }) {
        SCOPED_TRACE(static_cast<int>(mode));
        reload();
        checkRoundTrip([&] {
            dragNode("Tools", "Docs", mode);
        });
        reload();
        checkRoundTrip([&] {
            dragNode("Hammer", "Games", mode);
        });
        reload();
        // "Make sub menu?" answered Yes empties the target's record.
        dropView.boxes.answer(MsgResult::Yes);
        checkRoundTrip([&] {
            tree.setSelected(find(tree, "Games"));
            drops.drop(folderDrop(mode, { { "New1", "E:\\New1" }, { "New2", "E:\\New2" } }));
        });
    }
}

TEST_F(EditJournalTest, CtrlDropsAndMovesOutOfSubmenusAreTakenBack)
{
    checkRoundTrip([this] {
        tree.setSelected(find(tree, "Projects"));
        drops.drop(folderDrop(AttachMode::AddChild, { { "Renamed", "E:\\Renamed" } }, true));
    });
    reload();
    checkRoundTrip([this] {
        tree.setSelected(find(tree, "Alpha"));
        drops.drop(folderDrop(AttachMode::Add, { { "Renamed", "E:\\Renamed" } }, true));
    });
    reload();
    // Tools loses both children one after the other and becomes an item again.
    checkRoundTrip([this] {
        dragNode("Hammer", "Games", AttachMode::Add);
        dragNode("Saw", "Games", AttachMode::Add);
    });
}

TEST_F(EditJournalTest, TypingIsRecordedAndStepsOfOneFieldJoin)
{
    click("Alpha");
    std::vector<std::unique_ptr<EditStep>> steps;
    for (const char *text : { "A", "Ab", "Abc" }) {
        journal.begin("typing");
        editor.titleEdited(text);
        steps.push_back(journal.end());
    }
    EXPECT_TRUE(steps[0]->absorb(*steps[1]));
    EXPECT_TRUE(steps[0]->absorb(*steps[2]));
    EXPECT_TRUE(steps[2]->isEmpty());
    steps[0]->revert(tree);
    EXPECT_EQ(find(tree, "Alpha")->title(), "Alpha");
    steps[0]->apply(tree);
    EXPECT_EQ(find(tree, "Abc")->data().command, "cd C:\\Alpha");

    // Another field or another node does not join.
    journal.begin("command");
    editor.commandEdited("cd X");
    auto command = journal.end();
    EXPECT_FALSE(steps[0]->absorb(*command));
    click("Beta");
    journal.begin("other node");
    editor.titleEdited("B");
    auto other = journal.end();
    EXPECT_FALSE(command->absorb(*other));
    EXPECT_FALSE(other->changesNothing());

    // Typed away again, the joined step changes nothing.
    journal.begin("back");
    editor.titleEdited("Beta");
    auto back = journal.end();
    EXPECT_TRUE(other->absorb(*back));
    EXPECT_TRUE(other->changesNothing());
}

TEST_F(EditJournalTest, ChangesAreTakenBackAfterTheTreeCompactedItsTexts)
{
    click("Alpha");
    const std::string loaded = snapshot(tree);
    journal.begin("command");
    editor.commandEdited("cd D:\\Changed");
    std::unique_ptr<EditStep> command = journal.end();
    // Titles typed until the texts left behind have been compacted many times over.
    click("Beta");
    const std::string changed = snapshot(tree);
    std::vector<std::unique_ptr<EditStep>> typing;
    for (int i = 0; i < 3000; ++i) {
        journal.begin("typing");
        editor.titleEdited(
            std::string(static_cast<std::size_t>(200 + i % 50), static_cast<char>('a' + i % 26)));
        typing.push_back(journal.end());
    }
    EXPECT_LT(tree.garbageTextBytes(), 100u * 1024);
    for (auto step = typing.rbegin(); step != typing.rend(); ++step)
        (*step)->revert(tree);
    EXPECT_EQ(snapshot(tree), changed);
    click("Alpha");
    command->revert(tree);
    EXPECT_EQ(snapshot(tree), loaded);
    command->apply(tree);
    for (const auto &step : typing)
        step->apply(tree);
    EXPECT_EQ(find(tree, "Alpha")->data().command, "cd D:\\Changed");
    EXPECT_EQ(tree.selected()->title(), std::string(249, 'j'));
}

TEST_F(EditJournalTest, ManyStepsUndoneAndRedoneInOrderLeadBackToEachState)
{
    std::vector<std::string> states { snapshot(tree) };
    std::vector<std::unique_ptr<EditStep>> steps;
    const std::vector<std::function<void()>> operations {
        [this] {
            click("Tools"), editor.deleteSelectedEntry();
        },
        [this] {
            click("Docs"), editor.addSubMenu();
        },
        [this] {
            dragNode("Games", "New", AttachMode::AddChild);
        },
        [this] {
            click("Beta"), editor.titleEdited("Gamma");
        },
        [this] {
            click("Projects"), editor.deleteSelectedEntry();
        },
        [this] {
            click("Docs"), editor.addCopy();
        },
    };
    for (const auto &operation : operations) {
        journal.begin("step");
        operation();
        steps.push_back(journal.end());
        ASSERT_NE(steps.back(), nullptr);
        states.push_back(snapshot(tree));
    }
    for (std::size_t i = steps.size(); i-- > 0;) {
        steps[i]->revert(tree);
        EXPECT_EQ(snapshot(tree), states[i]) << "after undoing step " << i;
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i]->apply(tree);
        EXPECT_EQ(snapshot(tree), states[i + 1]) << "after redoing step " << i;
    }
}

TEST_F(EditJournalTest, NestedStepsJoinAndStepsWithoutChangesAreNotKept)
{
    journal.begin("outer");
    journal.begin("inner");
    click("Alpha");
    editor.addSiblingEntry();
    EXPECT_EQ(journal.end(), nullptr);
    EXPECT_TRUE(journal.isOpen());
    editor.addSiblingEntry();
    auto step = journal.end();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->name(), "outer");
    EXPECT_EQ(step->changeCount(), 2u);

    journal.begin("nothing");
    click("Docs");
    EXPECT_EQ(journal.end(), nullptr);
}

TEST_F(EditJournalTest, ChangesOutsideStepsAndClearingLoseTheHistory)
{
    int lost = 0;
    journal.setHistoryLostHandler([&lost] {
        ++lost;
    });
    journal.begin("step");
    editor.titleEdited("X");
    auto step = journal.end();
    tree.setTitle(find(tree, "Games"), "Outside");
    EXPECT_EQ(lost, 1);
    // Nothing handed out since: a load's many additions lose nothing more.
    reload();
    EXPECT_EQ(lost, 1);

    // The handler may open a step for a change made outside one.
    journal.setUnscopedChangeHandler([this] {
        journal.begin("implicit");
    });
    tree.setTitle(find(tree, "Games"), "Inside");
    EXPECT_TRUE(journal.isOpen());
    auto implicit = journal.end();
    ASSERT_NE(implicit, nullptr);
    EXPECT_EQ(implicit->name(), "implicit");
    tree.clear();
    EXPECT_EQ(lost, 2);
}

TEST(StepNames, TitlesAreQuotedAndLongOnesCut)
{
    EXPECT_EQ(quotedTitle("Projects"), "\"Projects\"");
    EXPECT_EQ(quotedTitle(std::string(40, 'x')), "\"" + std::string(40, 'x') + "\"");
    EXPECT_EQ(quotedTitle(std::string(41, 'x')), "\"" + std::string(40, 'x') + "...\"");
    // Cut between characters, never inside one.
    EXPECT_EQ(quotedTitle(std::string(39, 'x') + "\xc3\xa9\xc3\xa9"),
        "\"" + std::string(39, 'x') + "\xc3\xa9...\"");
}

} // namespace
} // namespace torvex
