#pragma once

#include <cstddef>
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

} // namespace torvex
