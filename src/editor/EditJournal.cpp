#include "editor/EditJournal.h"

#include "core/Text.h"

#include <cassert>

namespace torvex {

namespace {

// Replay must not be recorded again, and views repaint once at its end.
class ReplayScope
{
public:
    explicit ReplayScope(MenuTree &tree)
        : m_tree(tree)
        , m_recorder(tree.recorder())
    {
        m_tree.setRecorder(nullptr);
        m_tree.beginUpdate();
    }
    ~ReplayScope()
    {
        m_tree.endUpdate();
        m_tree.setRecorder(m_recorder);
    }
    ReplayScope(const ReplayScope &) = delete;
    ReplayScope &operator=(const ReplayScope &) = delete;

private:
    MenuTree &m_tree;
    MenuTreeRecorder *m_recorder;
};

} // namespace

std::string quotedTitle(std::string_view title)
{
    constexpr std::size_t longest = 40;
    const std::string_view shown = leadingCharacters(title, longest);
    return "\"" + std::string(shown) + (shown.size() < title.size() ? "...\"" : "\"");
}

EditStep::EditStep(std::string name, MenuNode *selectedBefore)
    : m_name(std::move(name))
    , m_selectedBefore(selectedBefore)
    , m_selectedAfter(selectedBefore)
{ }

void EditStep::revert(MenuTree &tree)
{
    const ReplayScope scope(tree);
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change)
        revertChange(tree, *change);
    tree.setSelected(m_selectedBefore);
}

void EditStep::apply(MenuTree &tree)
{
    const ReplayScope scope(tree);
    for (Change &change : m_changes)
        applyChange(tree, change);
    tree.setSelected(m_selectedAfter);
}

// A subtree that comes back shows open, as every submenu does after a load.
void EditStep::expandRestored(MenuTree &tree, MenuNode *node)
{
    tree.requestExpansion(node->parent(), true);
    std::vector<MenuNode *> pending { node };
    while (!pending.empty()) {
        MenuNode *top = pending.back();
        pending.pop_back();
        if (!top->hasChildren())
            continue;
        tree.requestExpansion(top, true);
        for (const auto &child : top->children())
            pending.push_back(child.get());
    }
}

void EditStep::revertChange(MenuTree &tree, Change &change)
{
    switch (change.kind) {
    case Change::Kind::Attach:
        change.offTree = tree.takeSubtree(change.node);
        break;
    case Change::Kind::Detach:
        tree.restoreSubtree(std::move(change.offTree), change.fromParent, change.fromRow);
        expandRestored(tree, change.node);
        break;
    case Change::Kind::Move:
        tree.moveTo(change.node, change.fromParent, change.fromRow);
        tree.requestExpansion(change.fromParent, true);
        break;
    case Change::Kind::Title:
        tree.setTitle(change.node, change.titleBefore);
        break;
    case Change::Kind::Data:
        tree.setData(change.node, change.dataBefore);
        break;
    case Change::Kind::Images:
        tree.setImages(change.node, change.imagesBefore[0], change.imagesBefore[1]);
        break;
    }
}

void EditStep::applyChange(MenuTree &tree, Change &change)
{
    switch (change.kind) {
    case Change::Kind::Attach:
        tree.restoreSubtree(std::move(change.offTree), change.toParent, change.toRow);
        expandRestored(tree, change.node);
        break;
    case Change::Kind::Detach:
        change.offTree = tree.takeSubtree(change.node);
        break;
    case Change::Kind::Move:
        tree.moveTo(change.node, change.toParent, change.toRow);
        tree.requestExpansion(change.toParent, true);
        break;
    case Change::Kind::Title:
        tree.setTitle(change.node, change.titleAfter);
        break;
    case Change::Kind::Data:
        tree.setData(change.node, change.dataAfter);
        break;
    case Change::Kind::Images:
        tree.setImages(change.node, change.imagesAfter[0], change.imagesAfter[1]);
        break;
    }
}

bool EditStep::absorb(EditStep &later)
{
    if (m_changes.size() != 1 || later.m_changes.size() != 1)
        return false;
    Change &mine = m_changes.front();
    Change &theirs = later.m_changes.front();
    if (mine.node != theirs.node || mine.kind != theirs.kind)
        return false;
    if (mine.kind == Change::Kind::Title) {
        mine.titleAfter = std::move(theirs.titleAfter);
    } else if (mine.kind == Change::Kind::Data) {
        mine.dataAfter = std::move(theirs.dataAfter);
    } else {
        return false;
    }
    m_selectedAfter = later.m_selectedAfter;
    later.m_changes.clear();
    return true;
}

bool EditStep::changesNothing() const
{
    if (m_changes.size() != 1 || m_selectedBefore != m_selectedAfter)
        return m_changes.empty();
    const Change &only = m_changes.front();
    if (only.kind == Change::Kind::Title)
        return only.titleBefore == only.titleAfter;
    if (only.kind == Change::Kind::Data)
        return only.dataBefore.command == only.dataAfter.command
            && only.dataBefore.targetPath == only.dataAfter.targetPath;
    return false;
}

EditJournal::EditJournal(MenuTree &tree)
    : m_tree(tree)
{
    m_tree.setRecorder(this);
}

EditJournal::~EditJournal()
{
    if (m_tree.recorder() == this)
        m_tree.setRecorder(nullptr);
}

void EditJournal::begin(std::string name)
{
    if (m_depth++ == 0)
        m_open = std::make_unique<EditStep>(std::move(name), m_tree.selected());
}

std::unique_ptr<EditStep> EditJournal::end()
{
    assert(m_depth > 0);
    if (m_depth == 0 || --m_depth > 0)
        return nullptr;
    std::unique_ptr<EditStep> step = std::move(m_open);
    if (step->isEmpty())
        return nullptr;
    step->m_selectedAfter = m_tree.selected();
    m_stepsGiven = true;
    return step;
}

EditStep *EditJournal::stepForChange()
{
    if (m_depth == 0 && m_unscopedChange)
        m_unscopedChange();
    if (m_depth > 0)
        return m_open.get();
    lose();
    return nullptr;
}

void EditJournal::lose()
{
    if (m_open)
        m_open->m_changes.clear();
    // A load reports every node it adds; the steps are dropped once.
    if (m_stepsGiven && m_historyLost)
        m_historyLost();
    m_stepsGiven = false;
}

void EditJournal::attached(MenuNode *node, MenuNode *parent, std::size_t row)
{
    if (EditStep *step = stepForChange()) {
        EditStep::Change change { EditStep::Change::Kind::Attach, node };
        change.toParent = parent;
        change.toRow = row;
        step->m_changes.push_back(std::move(change));
    }
}

void EditJournal::detached(DetachedNode node, MenuNode *parent, std::size_t row)
{
    if (EditStep *step = stepForChange()) {
        gatherSubtree(*step, node.get());
        EditStep::Change change { EditStep::Change::Kind::Detach, node.get() };
        change.offTree = std::move(node);
        change.fromParent = parent;
        change.fromRow = row;
        step->m_changes.push_back(std::move(change));
    }
}

// The editor deletes a subtree node by node, children first. The removals of `node`'s
// children (and its change to item pictures when it lost the last one) that were recorded
// right before its own removal are taken back outside the tree, so that the step keeps the
// subtree whole and an undo puts it back in one piece rather than node by node.
void EditJournal::gatherSubtree(EditStep &step, MenuNode *node)
{
    auto &changes = step.m_changes;
    while (!changes.empty()) {
        EditStep::Change &last = changes.back();
        if (last.kind == EditStep::Change::Kind::Detach && last.fromParent == node)
            MenuTree::adoptDetached(node, std::move(last.offTree), last.fromRow);
        else if (last.kind == EditStep::Change::Kind::Images && last.node == node)
            MenuTree::setDetachedImages(node, last.imagesBefore[0], last.imagesBefore[1]);
        else
            return;
        changes.pop_back();
    }
}

void EditJournal::moved(MenuNode *node,
    MenuNode *fromParent,
    std::size_t fromRow,
    MenuNode *toParent,
    std::size_t toRow)
{
    if (EditStep *step = stepForChange()) {
        EditStep::Change change { EditStep::Change::Kind::Move, node };
        change.fromParent = fromParent;
        change.fromRow = fromRow;
        change.toParent = toParent;
        change.toRow = toRow;
        step->m_changes.push_back(std::move(change));
    }
}

void EditJournal::titleChanged(MenuNode *node, const std::string &before)
{
    if (EditStep *step = stepForChange()) {
        EditStep::Change change { EditStep::Change::Kind::Title, node };
        change.titleBefore = before;
        change.titleAfter = node->title();
        step->m_changes.push_back(std::move(change));
    }
}

void EditJournal::dataChanged(MenuNode *node, const MenuEntry &before)
{
    if (EditStep *step = stepForChange()) {
        EditStep::Change change { EditStep::Change::Kind::Data, node };
        change.dataBefore = before;
        change.dataAfter = node->data().copy();
        step->m_changes.push_back(std::move(change));
    }
}

void EditJournal::imagesChanged(MenuNode *node, int imageBefore, int selectedBefore)
{
    if (EditStep *step = stepForChange()) {
        EditStep::Change change { EditStep::Change::Kind::Images, node };
        change.imagesBefore[0] = imageBefore;
        change.imagesBefore[1] = selectedBefore;
        change.imagesAfter[0] = node->imageIndex();
        change.imagesAfter[1] = node->selectedIndex();
        step->m_changes.push_back(std::move(change));
    }
}

void EditJournal::cleared()
{
    lose();
}

} // namespace torvex
