#include "core/LargePages.h"

#include <cstdint>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

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
    if (const auto [start, length] = wholePages(reinterpret_cast<std::uintptr_t>(data), bytes, pageSize);
        length > 0)
        ::madvise(start, length, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace torvex
