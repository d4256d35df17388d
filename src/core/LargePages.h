#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// Asks the system to back the memory [data, data + bytes) with large pages where it can
// (transparent huge pages on Linux, taken only where asked for on most systems): a buffer of
// tens of megabytes, such as a large file read whole or its line index, then costs a few
// dozen page faults and TLB entries instead of tens of thousands. Only whole large pages
// inside the range are advised, and only in buffers of at least two of them; memory already
// touched may stay as it is. Does nothing where the system has no such pages.
// With `filledAtOnce` the caller is about to write the whole range: its pages are then also
// made present in one call rather than one fault at a time, which matters most where large
// pages are not to be had.
void preferLargePages(void *data, std::size_t bytes, bool filledAtOnce = false);

// Makes the pages of [data, data + bytes) present in one call, of any size: room reserved ahead
// of the moment it is written then costs no page fault there (each one a trip into the system,
// dear in a virtual machine). Does nothing where the system cannot.
void makePresent(void *data, std::size_t bytes);

// reserve() with the reserved room made present at once (see makePresent).
template <typename T> void reservePresent(std::vector<T> &items, std::size_t count)
{
    items.reserve(count);
    makePresent(items.data(), items.capacity() * sizeof(T));
}

// reserve() with large pages preferred for the reserved room (see preferLargePages).
template <typename T>
void reserveWithLargePages(std::vector<T> &items, std::size_t count, bool filledAtOnce = false)
{
    items.reserve(count);
    preferLargePages(items.data(), items.capacity() * sizeof(T), filledAtOnce);
}

// The C library's heap on large pages (GNU C library 2.35 and later, its tunable
// glibc.malloc.hugetlb): the heap and its large blocks are then advised as above, including
// those of libraries that allocate on their own (the tree view's row list among them). It can
// only be asked for before the program starts, in the environment variable GLIBC_TUNABLES:
// restartWithLargeHeapPages starts the program again with it, at the very start of main.

// GLIBC_TUNABLES's name of the heap's large pages.
inline constexpr const char *heapLargePagesTunable = "glibc.malloc.hugetlb";

// The value of GLIBC_TUNABLES that asks for the heap on large pages, made from the value the
// program was started with (`current`, nullptr when unset): `current` with
// "glibc.malloc.hugetlb=1" added after a colon. nullopt when `current` names that tunable
// already, with any value: the user chose (0 keeps the heap as it is), or the program was
// started again already.
std::optional<std::string> tunablesWithLargeHeapPages(const char *current);

// Whether a C library of version `version` ("2.36") knows the heap's large pages (2.35 on).
bool cLibraryHasHeapLargePages(std::string_view version);

// Whether the system gives large pages only where they are asked for: `modeLine` is the line of
// /sys/kernel/mm/transparent_hugepage/enabled, the mode in use in brackets ("always [madvise]
// never"). In mode "always" the heap has them already, in "never" not at all.
bool largePagesOnlyWhereAsked(std::string_view modeLine);

// `environment` (NAME=value strings) with `name` set to `value`: its first definition replaced
// in place and any further ones dropped, or the definition added at the end; the others kept
// in their order.
std::vector<std::string> environmentWith(
    const std::vector<std::string> &environment, std::string_view name, std::string_view value);

// The size of the largest regular file that argv[1] to argv[argc - 1] name (0 when none does).
std::uintmax_t largestFileNamed(int argc, const char *const *argv);

// From this size on, a file named on the command line is worth starting the program again for:
// the new start costs some 30 to 50 ms of CPU (the libraries loaded a second time), the large
// pages save about 50 ms on a menu of 7 MB (100 000 entries) and 400 ms on one of 73 MB.
inline constexpr std::uintmax_t largeHeapPagesFileBytes = std::uintmax_t(16) << 20;

// Starts the program again, the same executable with the same arguments and environment but
// for GLIBC_TUNABLES, when the heap's large pages would save more than the start costs: a file
// of at least largeHeapPagesFileBytes named on the command line, a GNU C library that knows
// them, the system's large pages given only where asked, the tunable not set yet, not a
// set-user-ID program. Returns when it does not (or when the start fails): the program then
// runs on as it was started. Call it first thing in main, before any thread or output.
void restartWithLargeHeapPages(int argc, char **argv);

} // namespace torvex
