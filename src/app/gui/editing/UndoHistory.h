#pragma once

#include "core/LocalText.h"
#include "editor/EditJournal.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUndoStack;

namespace torvex {

class ItemEditorPanel;
class MenuTree;

// The fields the user types into; typing into one field of one entry makes one step while
// the user keeps typing there.
enum class TypingField { Title = 1, Command = 2, TargetPath = 3 };

// The context of the steps' names, which the Edit menu and History show translated.
inline constexpr const char *stepNameContext = "torvex::UndoHistory";

// The name of the step that deletes `nodes` ("Delete "Projects"", "Delete 3 entries").
LocalText deletionName(const std::vector<MenuNode *> &nodes);

// The undo history of the menu: one step for each thing the user did (a command, a drop,
// typing into an edit), recorded by the core journal and kept on a QUndoStack. Loading a file
// starts a new history; a save marks the clean state.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    // After each undo and redo the item editor shows the selected entry again and the count
    // follows when it may have changed.
    UndoHistory(MenuTree &tree, ItemEditorPanel &itemEditor);
    ~UndoHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // Runs `change` as one step named `name` (a step already open takes it in). The history
    // shows the name in the user's language; the core journal keeps it in English.
    void record(const LocalText &name, const std::function<void()> &change);
    // The same with a name that is no text of ours.
    void record(const std::string &name, const std::function<void()> &change)
    {
        record(LocalText::verbatim(name), change);
    }
    // Runs `change`, typing into `field`, as a step that joins the step before it while that
    // was typing into the same field of the same entry and the user has not left the edit.
    void recordTyping(
        TypingField field, const LocalText &name, const std::function<void()> &change);
    // The user left the edit (or pressed Return): the next typing makes a new step.
    void endTyping() { ++m_typingSession; }

    // Runs a popup command, `change`, as one step named `name` with the selected entry's
    // title as its %1 ("Add copy of "Projects"").
    void recordOnSelected(const LocalText &name, const std::function<void()> &change);

    void undo();
    void redo();
    bool isClean() const;
    // The menu now is the saved one.
    void setClean();
    // Drops every step (a new file was loaded).
    void clear();

Q_SIGNALS:
    // The menu became equal to the saved one (true) or different from it (false).
    void cleanChanged(bool clean);

private:
    friend class MenuStepCommand;
    void push(std::unique_ptr<EditStep> step, int id);
    void replayed(bool countChanged);
    void openImplicitStep();
    void closeImplicitStep();
    std::string selectedTitle() const;

    MenuTree &m_tree;
    EditJournal m_journal;
    QUndoStack *m_stack;
    ItemEditorPanel &m_itemEditor;
    // The name of the step open now, as the outermost record gave it.
    LocalText m_stepName;
    int m_typingSession = 0;
    bool m_implicitOpen = false;
};

} // namespace torvex
