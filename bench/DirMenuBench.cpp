// Reading and saving the directory menu at several sizes, and the same save done as one
// single-key write per line (a full read and rewrite of the file for every key), so the gap
// between the two stays on record.
#include "menu/DirMenuWriter.h"
#include "menu/DirMenuFile.h"
#include "files/FileSystem.h"
#include "menu/IniDocument.h"
#include "menu/IniFile.h"

#include <benchmark/benchmark.h>
#include <exception>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace torvex;

// A menu of `entries` nodes: groups of nine items under a submenu, separators between groups.
void buildMenu(MenuTree &tree, std::size_t entries)
{
    MenuNode *group = nullptr;
    for (std::size_t i = 0; i < entries; ++i) {
        if (i % 10 == 0) {
            group = tree.addTopLevel("Group " + std::to_string(i / 10), NodeKind::Submenu);
            continue;
        }
        MenuNode *node = tree.addChild(group, "Folder " + std::to_string(i));
        tree.setCommand(node, "cd C:\\Data\\Projects\\Folder " + std::to_string(i));
        if (i % 3 == 0)
            tree.setTargetPath(node, "D:\\Mirror\\" + std::to_string(i));
    }
}

std::string scratchFile(const std::string &tag)
{
    const auto dir =
        std::filesystem::temp_directory_path() / ("torvex-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / (tag + ".ini");
    std::ofstream(path, std::ios::binary) << "[Configuration]\r\nInstallDir=C:\\fm\r\n\r\n"
                                             "[Layout]\r\nButtonBar=1\r\n";
    return path.string();
}

std::string savedMenuFile(std::size_t entries)
{
    MenuTree tree;
    buildMenu(tree, entries);
    const std::string path = scratchFile("read-" + std::to_string(entries));
    writeMenuFile(path, tree, FileSystem::real());
    return path;
}

void BM_Load(benchmark::State &state)
{
    const std::string path = savedMenuFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        MenuTree tree;
        readMenuFile(path, tree, FileSystem::real());
        benchmark::DoNotOptimize(tree.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Load)->Arg(200)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State &state)
{
    MenuTree tree;
    buildMenu(tree, static_cast<std::size_t>(state.range(0)));
    const std::string path = scratchFile("save-" + std::to_string(state.range(0)));
    // A save of a file that already holds the menu writes nothing, so every round saves an
    // edited menu: the first title alternates between two spellings.
    MenuNode *edited = tree.first();
    bool spelling = false;
    for (auto _ : state) {
        spelling = !spelling;
        tree.setTitle(edited, spelling ? "Group 0 (edited)" : "Group 0");
        try {
            writeMenuFile(path, tree, FileSystem::real());
        } catch (const std::exception &error) {
            state.SkipWithError(error.what());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Save)->Arg(200)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A file of `entries` entries whose section stands first, so that every resave rewrites it.
std::string sectionFirstFile(std::size_t entries)
{
    MenuTree built;
    buildMenu(built, entries);
    const std::string head = "[Configuration]\r\nInstallDir=C:\\fm\r\n";
    IniDocument doc = IniDocument::fromBytes(head);
    doc.replaceSection(dirMenuSection, writeDirMenu(built));
    doc.writeKey("Layout", "ButtonBar", "1");
    // Drop the leading [Configuration] lines and put them after the section.
    const std::string bytes = doc.toBytes();
    return bytes.substr(head.size()) + head;
}

// Runs `resave` on a fresh copy of the file in every round; the items-per-second figure
// gives the cost per entry, which should stay flat from a thousand to a million.
template <typename Resave>
void resavePerEntry(benchmark::State &state, const std::string &name, const Resave &resave)
{
    const auto entries = static_cast<std::size_t>(state.range(0));
    const std::string bytes = sectionFirstFile(entries);
    const std::string path = scratchFile(name + "-" + std::to_string(entries));
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        state.ResumeTiming();
        try {
            resave(path);
        } catch (const std::exception &error) {
            state.SkipWithError(error.what());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A whole resave, as `torvex-menu resave` does it: the menu read and written back without
// building it.
void BM_ResavePerEntry(benchmark::State &state)
{
    resavePerEntry(state, "resave", [](const std::string &path) {
        resaveMenu(path, FileSystem::real());
    });
}
BENCHMARK(BM_ResavePerEntry)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The same through the editor's load and save: the menu built in memory and written from it.
void BM_LoadAndSavePerEntry(benchmark::State &state)
{
    resavePerEntry(state, "loadsave", [](const std::string &path) {
        MenuTree tree;
        readMenuFile(path, tree, FileSystem::real());
        writeMenuFile(path, tree, FileSystem::real());
    });
}
BENCHMARK(BM_LoadAndSavePerEntry)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The section written the way the profile functions of the file manager's platform do it:
// erase, then one read-modify-write of the whole file per key.
void BM_SaveKeyByKey(benchmark::State &state)
{
    MenuTree tree;
    buildMenu(tree, static_cast<std::size_t>(state.range(0)));
    const DirMenuEntries lines = writeDirMenu(tree);
    const std::string path = scratchFile("keys-" + std::to_string(state.range(0)));
    for (auto _ : state) {
        IniFile ini(path);
        ini.eraseSection(dirMenuSection);
        for (const auto &[key, value] : lines)
            ini.writeKey(dirMenuSection, key, value);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveKeyByKey)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
