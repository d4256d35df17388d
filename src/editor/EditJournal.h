#pragma once

#include "menu/MenuTree.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace torvex {

// One thing the user did to the menu (a command, a drop, typing into an edit), as the list of
// the tree's primitive changes it made, with the selection before and after. It can take
// itself back and happen again, any number of times, as long as the steps around it are taken
// back and done again in order. A subtree the step removed (or an addition it took back) is
// kept alive by the step, so that pointers to its nodes held by later steps stay valid.
class EditStep
{
public:
    EditStep(std::string name, MenuNode *selectedBefore);
    ~EditStep() = default;
    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

    // What the step did, as the Edit menu names it ("Delete "Projects"").
    const std::string &name() const { return m_name; }
    bool isEmpty() const { return m_changes.empty(); }
    std::size_t changeCount() const { return m_changes.size(); }

    // Takes every change back, newest first, then selects the node selected before the step.
    // The tree must be as the step left it (later steps taken back).
    void revert(MenuTree &tree);
    // Makes every change again, oldest first, then selects the node selected after the step.
    void apply(MenuTree &tree);

    // Joins `later`, made right after this step, when both changed one and the same field of
    // the same node and nothing else (typing into an edit): this step then leads from its own
    // before to `later`'s after, and `later` is left empty. Returns whether it joined.
    bool absorb(EditStep &later);
    // True when the step leads back to where it started (text typed and typed away again).
    bool changesNothing() const;

private:
    friend class EditJournal;

    struct Change
    {
        enum class Kind { Attach, Detach, Move, Title, Data, Images };
        Change(Kind changeKind, MenuNode *changed)
            : kind(changeKind)
            , node(changed)
        { }
        Kind kind;
        MenuNode *node;
        // The node while the change keeps it out of the tree.
        DetachedNode offTree;
        MenuNode *fromParent = nullptr; // Detach, Move: where the node was
        std::size_t fromRow = 0;
        MenuNode *toParent = nullptr; // Attach, Move: where the node went
        std::size_t toRow = 0;
        std::string titleBefore;
        std::string titleAfter;
        MenuEntry dataBefore;
        MenuEntry dataAfter;
        int imagesBefore[2] = { 0, 0 };
        int imagesAfter[2] = { 0, 0 };
    };

    void revertChange(MenuTree &tree, Change &change);
    void applyChange(MenuTree &tree, Change &change);
    static void expandRestored(MenuTree &tree, MenuNode *node);

    std::string m_name;
    std::vector<Change> m_changes;
    MenuNode *m_selectedBefore = nullptr;
    MenuNode *m_selectedAfter = nullptr;
};

// Records the changes of a tree into steps. The window opens a step around each thing the
// user does; the changes made meanwhile go into it.
class EditJournal final : private MenuTreeRecorder
{
public:
    // Becomes the tree's recorder until destroyed; the tree must outlive the journal.
    explicit EditJournal(MenuTree &tree);
    ~EditJournal() override;
    EditJournal(const EditJournal &) = delete;
    EditJournal &operator=(const EditJournal &) = delete;

    // Opens a step named `name`. A step opened while another is open joins it (its name is
    // not used) and ends with the matching end().
    void begin(std::string name);
    // Closes what the matching begin() opened. The outermost end() returns the step, or
    // nullptr when it changed nothing.
    std::unique_ptr<EditStep> end();
    bool isOpen() const { return m_depth > 0; }

    // Called when the tree changes outside any step, before the change is recorded; it may
    // open a step with begin().
    void setUnscopedChangeHandler(std::function<void()> handler)
    {
        m_unscopedChange = std::move(handler);
    }
    // Called when the steps made so far no longer fit the tree: it was cleared, or changed
    // outside any step. Whoever keeps steps must drop them all.
    void setHistoryLostHandler(std::function<void()> handler)
    {
        m_historyLost = std::move(handler);
    }

private:
    // The step to record into, nullptr when the change cannot be recorded.
    EditStep *stepForChange();
    static void gatherSubtree(EditStep &step, MenuNode *node);
    void lose();

    // ---- MenuTreeRecorder ----
    void attached(MenuNode *node, MenuNode *parent, std::size_t row) override;
    void detached(DetachedNode node, MenuNode *parent, std::size_t row) override;
    void moved(MenuNode *node,
        MenuNode *fromParent,
        std::size_t fromRow,
        MenuNode *toParent,
        std::size_t toRow) override;
    void titleChanged(MenuNode *node, const std::string &before) override;
    void dataChanged(MenuNode *node, const MenuEntry &before) override;
    void imagesChanged(MenuNode *node, int imageBefore, int selectedBefore) override;
    void cleared() override;

    MenuTree &m_tree;
    std::unique_ptr<EditStep> m_open;
    int m_depth = 0;
    // Steps were handed out since the history was last lost.
    bool m_stepsGiven = false;
    std::function<void()> m_unscopedChange;
    std::function<void()> m_historyLost;
};

// A node's title as a step name quotes it: in double quotes, cut to 40 characters with "...".
std::string quotedTitle(std::string_view title);

} // namespace torvex
