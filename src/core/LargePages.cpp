#include "core/LargePages.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#if defined(__linux__)
#include <sys/auxv.h>
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <gnu/libc-version.h>
#endif

extern char **environ;

namespace torvex {

namespace {

// The whole pages of `size` bytes inside [begin, begin + bytes), as a start and a length.
std::pair<void *, std::size_t> wholePages(
    std::uintptr_t begin, std::size_t bytes, std::uintptr_t size)
{
    const std::uintptr_t first = (begin + size - 1) & ~(size - 1);
    const std::uintptr_t last = (begin + bytes) & ~(size - 1);
    if (last <= first)
        return { nullptr, 0 };
    return { reinterpret_cast<void *>(first), last - first };
}

// The name of each NAME=value (or NAME) item of a colon-separated list such as GLIBC_TUNABLES.
bool namesItem(std::string_view list, std::string_view name)
{
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view item = list.substr(0, colon);
        if (item.substr(0, item.find('=')) == name)
            return true;
        if (colon == std::string_view::npos)
            break;
        list.remove_prefix(colon + 1);
    }
    return false;
}

// The environment the program runs in, as NAME=value strings.
std::vector<std::string> processEnvironmentStrings()
{
    std::vector<std::string> strings;
    for (char **entry = environ; entry && *entry; ++entry)
        strings.emplace_back(*entry);
    return strings;
}

} // namespace

void preferLargePages(void *data, std::size_t bytes, bool filledAtOnce)
{
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t largePage = std::uintptr_t(2) << 20;
    if (data == nullptr || bytes < 2 * largePage)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    // Only advice: a system without the pages, or that refuses, reads the same.
    if (const auto [start, length] = wholePages(begin, bytes, largePage); length > 0)
        ::madvise(start, length, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
    // Kernels before 5.14 refuse it; the pages then come one fault at a time, as always.
    if (filledAtOnce) {
        const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        if (const auto [start, length] = wholePages(begin, bytes, pageSize); length > 0)
            ::madvise(start, length, MADV_POPULATE_WRITE);
    }
#endif
#else
    (void)data;
    (void)bytes;
    (void)filledAtOnce;
#endif
}

void makePresent(void *data, std::size_t bytes)
{
#if defined(MADV_POPULATE_WRITE)
    if (data == nullptr)
        return;
    const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    // Kernels before 5.14 refuse it; the pages then come one fault at a time, as always.
    if (const auto [start, length] =
            wholePages(reinterpret_cast<std::uintptr_t>(data), bytes, pageSize);
        length > 0)
        ::madvise(start, length, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

std::optional<std::string> tunablesWithLargeHeapPages(const char *current)
{
    const std::string_view before = current ? current : "";
    if (namesItem(before, heapLargePagesTunable))
        return std::nullopt;
    std::string tunables(before);
    if (!tunables.empty())
        tunables += ':';
    return tunables + heapLargePagesTunable + "=1";
}

bool cLibraryHasHeapLargePages(std::string_view version)
{
    int major = 0;
    int minor = 0;
    const char *end = version.data() + version.size();
    const auto [afterMajor, majorError] = std::from_chars(version.data(), end, major);
    if (majorError != std::errc() || afterMajor == end || *afterMajor != '.')
        return false;
    if (std::from_chars(afterMajor + 1, end, minor).ec != std::errc())
        return false;
    return major > 2 || (major == 2 && minor >= 35);
}

bool largePagesOnlyWhereAsked(std::string_view modeLine)
{
    return modeLine.find("[madvise]") != std::string_view::npos;
}

std::vector<std::string> environmentWith(
    const std::vector<std::string> &environment, std::string_view name, std::string_view value)
{
    const auto defines = [name](const std::string &entry) {
        return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0
            && entry[name.size()] == '=';
    };
    std::string definition = std::string(name) + '=' + std::string(value);
    std::vector<std::string> result;
    result.reserve(environment.size() + 1);
    bool replaced = false;
    for (const std::string &entry : environment) {
        if (!defines(entry)) {
            result.push_back(entry);
        } else if (!replaced) {
            result.push_back(definition);
            replaced = true;
        }
    }
    if (!replaced)
        result.push_back(std::move(definition));
    return result;
}

std::uintmax_t largestFileNamed(int argc, const char *const *argv)
{
    std::uintmax_t largest = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        const std::filesystem::path path(argv[i]);
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error)
            largest = std::max(largest, size);
    }
    return largest;
}

void restartWithLargeHeapPages(int argc, char **argv)
{
#if defined(__linux__) && defined(__GLIBC__)
    if (largestFileNamed(argc, argv) < largeHeapPagesFileBytes)
        return;
    // A set-user-ID program's C library ignores the tunable: the start would be for nothing.
    if (getauxval(AT_SECURE) != 0 || !cLibraryHasHeapLargePages(gnu_get_libc_version()))
        return;
    std::string modeLine;
    std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), modeLine);
    if (!largePagesOnlyWhereAsked(modeLine))
        return;
    // Set once started again, so that this start is never repeated.
    const auto tunables = tunablesWithLargeHeapPages(std::getenv("GLIBC_TUNABLES"));
    if (!tunables)
        return;
    const std::vector<std::string> environment =
        environmentWith(processEnvironmentStrings(), "GLIBC_TUNABLES", *tunables);
    std::vector<char *> pointers;
    pointers.reserve(environment.size() + 1);
    for (const std::string &entry : environment)
        pointers.push_back(const_cast<char *>(entry.c_str()));
    pointers.push_back(nullptr);
    // The same executable, wherever argv[0] points; the standard streams stay open across it.
    ::execve("/proc/self/exe", argv, pointers.data());
#else
    (void)argc;
    (void)argv;
#endif
}

} // namespace torvex
