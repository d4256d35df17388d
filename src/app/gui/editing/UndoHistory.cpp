#include "app/gui/editing/UndoHistory.h"

#include "app/gui/editing/ItemEditorPanel.h"
#include "core/gui/ShownText.h"
#include "editor/ItemCount.h"
#include "menu/gui/MenuText.h"

#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

namespace torvex {

// A recorded step on the undo stack. Its change has already happened when it is pushed, so
// the first redo does nothing.
class MenuStepCommand : public QUndoCommand
{
public:
    MenuStepCommand(UndoHistory &history,
        const QString &name,
        std::unique_ptr<EditStep> step,
        int id,
        int session)
        : QUndoCommand(name)
        , m_history(history)
        , m_step(std::move(step))
        , m_id(id)
        , m_session(session)
    { }

    void undo() override
    {
        const std::size_t count = itemCount(m_history.m_tree);
        m_step->revert(m_history.m_tree);
        m_history.replayed(itemCount(m_history.m_tree) != count);
    }

    void redo() override
    {
        if (m_done) {
            m_done = false;
            return;
        }
        const std::size_t count = itemCount(m_history.m_tree);
        m_step->apply(m_history.m_tree);
        m_history.replayed(itemCount(m_history.m_tree) != count);
    }

    int id() const override { return m_id; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *later = static_cast<const MenuStepCommand *>(other);
        if (later->m_session != m_session || !m_step->absorb(*later->m_step))
            return false;
        setObsolete(m_step->changesNothing());
        return true;
    }

private:
    UndoHistory &m_history;
    std::unique_ptr<EditStep> m_step;
    int m_id;
    int m_session;
    bool m_done = true;
};

LocalText deletionName(const std::vector<MenuNode *> &nodes)
{
    if (nodes.size() == 1)
        return LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Delete %1"))
            .arg(quotedTitle(nodes.front()->title()));
    return LocalText::counted(stepNameContext,
        QT_TRANSLATE_N_NOOP("torvex::UndoHistory", "Delete %n entries"),
        "Delete %n entries",
        static_cast<long long>(nodes.size()));
}

UndoHistory::UndoHistory(MenuTree &tree, ItemEditorPanel &itemEditor)
    : m_tree(tree)
    , m_journal(tree)
    , m_stack(new QUndoStack(this))
    , m_itemEditor(itemEditor)
{
    m_journal.setHistoryLostHandler([this] {
        clear();
    });
    m_journal.setUnscopedChangeHandler([this] {
        openImplicitStep();
    });
    connect(m_stack, &QUndoStack::cleanChanged, this, &UndoHistory::cleanChanged);
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::openImplicitStep()
{
    // A file being read into the tree is no step; the load starts a new history.
    if (m_tree.isUpdating())
        return;
    // A change no command announced still becomes a step of its own, ended once the event
    // that made it has been handled.
    m_stepName = LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Change"));
    m_journal.begin(m_stepName.english());
    m_implicitOpen = true;
    QTimer::singleShot(0, this, &UndoHistory::closeImplicitStep);
}

void UndoHistory::record(const LocalText &name, const std::function<void()> &change)
{
    recordTyping(TypingField {}, name, change);
}

void UndoHistory::recordTyping(
    TypingField field, const LocalText &name, const std::function<void()> &change)
{
    closeImplicitStep();
    const int id = static_cast<int>(field) == 0 ? -1 : static_cast<int>(field);
    if (id < 0 && !m_journal.isOpen())
        endTyping();
    if (!m_journal.isOpen())
        m_stepName = name;
    m_journal.begin(name.english());
    struct End
    {
        UndoHistory &history;
        int id;
        ~End() { history.push(history.m_journal.end(), id); }
    } end { *this, id };
    change();
}

void UndoHistory::push(std::unique_ptr<EditStep> step, int id)
{
    if (step)
        m_stack->push(new MenuStepCommand(
            *this, shownText(m_stepName), std::move(step), id, m_typingSession));
}

void UndoHistory::replayed(bool countChanged)
{
    endTyping();
    m_itemEditor.showUndoneState(countChanged);
}

void UndoHistory::closeImplicitStep()
{
    if (!m_implicitOpen)
        return;
    m_implicitOpen = false;
    push(m_journal.end(), -1);
}

void UndoHistory::undo()
{
    closeImplicitStep();
    m_stack->undo();
}

void UndoHistory::redo()
{
    closeImplicitStep();
    m_stack->redo();
}

bool UndoHistory::isClean() const
{
    // A change of this event not yet closed into a step is a change all the same.
    return !m_implicitOpen && m_stack->isClean();
}

void UndoHistory::setClean()
{
    m_stack->setClean();
}

void UndoHistory::clear()
{
    m_stack->clear();
}

std::string UndoHistory::selectedTitle() const
{
    return m_tree.selected() ? quotedTitle(m_tree.selected()->title()) : std::string("\"\"");
}

void UndoHistory::recordOnSelected(const LocalText &name, const std::function<void()> &change)
{
    record(name.arg(selectedTitle()), change);
}

} // namespace torvex
