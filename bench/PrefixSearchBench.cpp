// Looking for wincmd.ini in every Wine prefix of a home folder with 10 to 1 000 prefixes
// (winetricks' place), each with its two hives, drive C: and one menu file: the cost per
// prefix of the search start-up runs when the window's own prefix holds no file.
#include "app/PrefixSearch.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace torvex;

void writeFile(const fs::path &path, const std::string &text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A home folder with `count` prefixes, made once per count and kept for the process.
fs::path homeWithPrefixes(int count)
{
    const fs::path home = fs::temp_directory_path()
        / ("torvex-bench-prefixes-" + std::to_string(::getpid()) + "-" + std::to_string(count));
    if (fs::exists(home))
        return home;
    const std::string userHive = "WINE REGISTRY Version 2\n\n#arch=win32\n\n"
                                 "[Software\\\\Pellmar\\\\Windows Commander] 1\n"
                                 "\"IniFileName\"=\"wincmd.ini\"\n\"InstallDir\"=\"C:\\\\fm\"\n";
    for (int i = 0; i < count; ++i) {
        const fs::path root = home / ".local/share/wineprefixes" / ("p" + std::to_string(i));
        writeFile(root / "system.reg", "WINE REGISTRY Version 2\n\n#arch=win32\n\n");
        writeFile(root / "user.reg", userHive);
        writeFile(root / "drive_c/fm/wincmd.ini", "[DirMenu]\r\nmenu1=Work\r\ncmd1=cd C:\\\r\n");
        fs::create_directories(root / "drive_c/windows");
        fs::create_directories(root / "dosdevices");
        fs::create_symlink("../drive_c", root / "dosdevices/c:");
    }
    return home;
}

void searchEveryPrefix(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const Environment environment { { "HOME", homeWithPrefixes(count).string() } };
    for (auto _ : state) {
        const auto files =
            filesInOtherPrefixes(findPrefixPlaces(environment), environment, std::nullopt);
        if (files.size() != static_cast<std::size_t>(count))
            state.SkipWithError("not every prefix's file was found");
        benchmark::DoNotOptimize(files);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(searchEveryPrefix)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int count : { 10, 100, 1000 }) {
        std::error_code error;
        fs::remove_all(fs::temp_directory_path()
                / ("torvex-bench-prefixes-" + std::to_string(::getpid()) + "-"
                    + std::to_string(count)),
            error);
    }
    return 0;
}
