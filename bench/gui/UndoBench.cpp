// The undo history's costs on a menu of 10 000 entries: the memory 1 000 steps hold beyond
// the menu itself, and the time an undo of a deleted submenu of 5 000 entries takes with the
// tree model and an expanded tree view attached (offscreen).
#include "OffscreenMain.h"
#include "app/gui/tree/MenuTreeView.h"
#include "editor/EditJournal.h"
#include "editor/EditorUi.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuTreeModel.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

using namespace torvex;

// The editing logic's window, doing nothing.
class QuietUi : public EditorUi
{
public:
    void showStatus(const std::string &) override { }
    void showItemCount(const LocalText &) override { }
    MessageBoxes &boxes() override { std::abort(); }
    void showItemLimitWarning(const LocalText &, BoxPlacement) override { }
    ScreenPoint pointerPosition() const override { return {}; }
    ScreenSize screenSize() const override { return {}; }
    void setPanelEnabled(bool) override { }
    void setItemControlsEnabled(bool) override { }
    void setTitleText(std::string_view) override { }
    void setCommandText(std::string_view) override { }
    void setTargetPathText(std::string_view) override { }
    std::string commandText() const override { return {}; }
    std::string targetPathText() const override { return {}; }
    void setFolderNameHint(const LocalText &) override { }
    void processEvents() override { }
};

// `groups` submenus of nine items each under `parent` (nullptr: the top level).
void addGroups(MenuTree &tree, MenuNode *parent, int groups)
{
    for (int g = 0; g < groups; ++g) {
        MenuNode *group = parent
            ? tree.addChild(parent, "Group " + std::to_string(g), NodeKind::Submenu)
            : tree.addTopLevel("Group " + std::to_string(g), NodeKind::Submenu);
        for (int i = 0; i < 9; ++i) {
            MenuNode *item = tree.addChild(group, "Folder " + std::to_string(i));
            tree.setCommand(item, "cd C:\\Data\\Projects\\Group " + std::to_string(g) + "\\Folder");
        }
    }
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// 1 000 steps of every kind (typing, additions, deletions of a group, moves) on a menu of
// 10 000 entries; the heap in use afterwards, over the heap before the steps.
std::size_t heapAfterSteps(bool withHistory)
{
    MenuTree tree;
    addGroups(tree, nullptr, 1000);
    QuietUi ui;
    MenuEditor editor(tree, ui, [](const std::string &) {
        return false;
    });
    const std::size_t before = heapInUse();
    std::unique_ptr<EditJournal> journal;
    std::vector<std::unique_ptr<EditStep>> steps;
    if (withHistory)
        journal = std::make_unique<EditJournal>(tree);
    for (int step = 0; step < 1000; ++step) {
        if (journal)
            journal->begin("step");
        MenuNode *group = tree.topLevel()[static_cast<std::size_t>(step) % 500].get();
        tree.setSelected(group->firstChild());
        editor.showSelectedEntry();
        switch (step % 4) {
        case 0:
            editor.titleEdited("Typed into " + std::to_string(step));
            break;
        case 1:
            editor.addSiblingEntry();
            break;
        case 2:
            editor.deleteMenuTree(group);
            break;
        case 3:
            tree.move(group->lastChild(), tree.first(), AttachMode::AddChild);
            break;
        }
        if (journal)
            steps.push_back(journal->end());
    }
    const std::size_t after = heapInUse();
    return after > before ? after - before : 0;
}

void BM_MemoryOfThousandSteps(benchmark::State &state)
{
    std::size_t with = 0;
    std::size_t without = 0;
    for (auto _ : state) {
        with = heapAfterSteps(true);
        without = heapAfterSteps(false);
    }
    state.counters["historyMB"] = static_cast<double>(with - std::min(with, without)) / 1e6;
    state.counters["withHistoryMB"] = static_cast<double>(with) / 1e6;
    state.counters["withoutHistoryMB"] = static_cast<double>(without) / 1e6;
}
BENCHMARK(BM_MemoryOfThousandSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UndoDeleteOfLargeSubmenu(benchmark::State &state)
{
    MenuTree tree;
    MenuNode *big = tree.addTopLevel("Big", NodeKind::Submenu);
    addGroups(tree, big, 500); // 5 001 entries with Big itself
    addGroups(tree, nullptr, 500);
    MenuTreeModel model(tree);
    MenuTreeView view;
    view.setMenuModel(&model);
    view.resize(400, 600);
    view.show();
    view.expandAll();
    QCoreApplication::processEvents();
    QuietUi ui;
    MenuEditor editor(tree, ui, [](const std::string &) {
        return false;
    });
    EditJournal journal(tree);
    journal.begin("Delete \"Big\"");
    editor.deleteMenuTree(big);
    std::unique_ptr<EditStep> step = journal.end();
    QCoreApplication::processEvents();

    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step->revert(tree);
        // The view lays its rows out again before it can paint.
        QCoreApplication::processEvents();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        step->apply(tree);
        QCoreApplication::processEvents();
    }
    state.counters["changes"] = static_cast<double>(step->changeCount());
    state.counters["nodes"] = static_cast<double>(tree.count());
    view.setModel(nullptr);
}
BENCHMARK(BM_UndoDeleteOfLargeSubmenu)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return torvex::bench::runOffscreen(argc, argv);
}
