// The ini document in memory on a large section: parse, replace the section, serialise.
// Each step is linear in the size of the file; 100 000 entries should stay well under a second.
#include "menu/IniDocument.h"

#include <benchmark/benchmark.h>

namespace {

using namespace torvex;

IniEntries menuEntries(int count)
{
    IniEntries entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        entries.emplace_back("menu" + std::to_string(i), "Folder " + std::to_string(i));
    return entries;
}

std::string fileWithSection(const IniEntries &entries)
{
    IniDocument doc = IniDocument::fromBytes("[Configuration]\r\nInstallDir=C:\\fm\r\n\r\n");
    doc.replaceSection("DirMenu", entries);
    doc.writeKey("Layout", "ButtonBar", "1");
    return doc.toBytes();
}

void BM_IniParseReadSection(benchmark::State &state)
{
    const std::string bytes = fileWithSection(menuEntries(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const IniDocument doc = IniDocument::fromBytes(bytes);
        benchmark::DoNotOptimize(doc.readSection("DirMenu"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_IniParseReadSection)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_IniParseReplaceSerialise(benchmark::State &state)
{
    const IniEntries entries = menuEntries(static_cast<int>(state.range(0)));
    const std::string bytes = fileWithSection(entries);
    for (auto _ : state) {
        IniDocument doc = IniDocument::fromBytes(bytes);
        doc.replaceSection("DirMenu", entries);
        benchmark::DoNotOptimize(doc.toBytes());
    }
}
BENCHMARK(BM_IniParseReplaceSerialise)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
