// What the undo history relies on from its steps: typing joins only within one field of one
// entry, a joined step that still moves the selection is kept, and an undo shows the
// submenu an entry comes back into.
#include "EditorFixture.h"
#include "editor/EditJournal.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace torvex {
namespace {

using test::find;

// Records which nodes the tree asks the views to show expanded or collapsed.
class ExpansionLog : public MenuTreeObserver
{
public:
    void expansionRequested(MenuNode *node, bool expanded) override
    {
        requests.emplace_back(node->title(), expanded);
    }
    bool asked(std::string_view title, bool expanded) const
    {
        return std::find(requests.begin(), requests.end(), std::pair(std::string(title), expanded))
            != requests.end();
    }
    std::vector<std::pair<std::string, bool>> requests;
};

class EditJournalContract : public test::EditorFixture
{
protected:
    EditJournalContract()
    {
        load("Docs|cd C:\\Docs\n"
             "Projects\n"
             "  Alpha|cd C:\\Alpha\n"
             "  Tools\n"
             "    Hammer|cd C:\\Hammer\n"
             "  Beta|cd C:\\Beta\n"
             "Games|cd C:\\Games\n");
    }

    std::unique_ptr<EditStep> step(const std::function<void()> &change)
    {
        journal.begin("step");
        change();
        return journal.end();
    }

    EditJournal journal { tree };
};

TEST_F(EditJournalContract, TypingIntoTheSameFieldOfTwoEntriesMakesTwoSteps)
{
    click("Alpha");
    auto alphaTitle = step([this] {
        editor.titleEdited("Alpha2");
    });
    click("Beta");
    auto betaTitle = step([this] {
        editor.titleEdited("Beta2");
    });
    EXPECT_FALSE(alphaTitle->absorb(*betaTitle));
    EXPECT_FALSE(betaTitle->isEmpty());

    click("Alpha2");
    auto alphaCommand = step([this] {
        editor.commandEdited("cd C:\\A");
    });
    click("Beta2");
    auto betaCommand = step([this] {
        editor.commandEdited("cd C:\\B");
    });
    EXPECT_FALSE(alphaCommand->absorb(*betaCommand));

    // Each takes back its own entry only.
    betaCommand->revert(tree);
    alphaCommand->revert(tree);
    betaTitle->revert(tree);
    EXPECT_EQ(find(tree, "Beta")->data().command, "cd C:\\Beta");
    EXPECT_NE(find(tree, "Alpha2"), nullptr);
}

TEST_F(EditJournalContract, AJoinedStepThatOnlyMovesTheSelectionIsNotEmpty)
{
    MenuNode *alpha = click("Alpha");
    auto typed = step([this, alpha] {
        tree.setTitle(alpha, "Alphax");
        tree.setSelected(find(tree, "Games"));
    });
    auto typedAway = step([this, alpha] {
        tree.setTitle(alpha, "Alpha");
    });
    ASSERT_TRUE(typed->absorb(*typedAway));
    // The text is back, but undoing the step still selects Alpha again.
    EXPECT_FALSE(typed->changesNothing());
    typed->revert(tree);
    EXPECT_EQ(tree.selected(), alpha);

    // The selection moved by the later step: the joined step ends where that one ended.
    auto typedAgain = step([this, alpha] {
        tree.setTitle(alpha, "Alphay");
    });
    auto typedAwayElsewhere = step([this, alpha] {
        tree.setTitle(alpha, "Alpha");
        tree.setSelected(find(tree, "Docs"));
    });
    ASSERT_TRUE(typedAgain->absorb(*typedAwayElsewhere));
    EXPECT_FALSE(typedAgain->changesNothing());
    typedAgain->revert(tree);
    EXPECT_EQ(tree.selected(), alpha);
    typedAgain->apply(tree);
    EXPECT_EQ(tree.selected(), find(tree, "Docs"));
}

TEST_F(EditJournalContract, AnUndoneDeleteOpensTheSubmenuItReturnsTo)
{
    ExpansionLog log;
    tree.setObserver(&log);
    for (const char *title : { "Alpha", "Tools", "Hammer" }) {
        SCOPED_TRACE(title);
        MenuNode *node = click(title);
        MenuNode *parent = node->parent();
        auto deletion = step([this] {
            editor.deleteSelectedEntry();
        });
        ASSERT_NE(deletion, nullptr);
        log.requests.clear();
        deletion->revert(tree);
        EXPECT_TRUE(log.asked(parent->title(), true));
    }
    // A submenu that comes back shows open as well.
    EXPECT_TRUE(log.asked("Tools", true));

    // An undone move out of a submenu opens the submenu it goes back into.
    MenuNode *beta = find(tree, "Beta");
    auto move = step([this, beta] {
        tree.move(beta, find(tree, "Games"), AttachMode::Add);
    });
    ASSERT_NE(move, nullptr);
    ASSERT_EQ(beta->parent(), nullptr);
    log.requests.clear();
    move->revert(tree);
    EXPECT_TRUE(log.asked("Projects", true));
    tree.setObserver(nullptr);
}

} // namespace
} // namespace torvex
