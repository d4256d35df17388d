#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvex {

using DirMenuEntries = std::vector<std::pair<std::string, std::string>>;

// The section of wincmd.ini that holds the directory menu.
inline constexpr const char *dirMenuSection = "DirMenu";
// A submenu title read from a file keeps at most this many characters.
inline constexpr std::size_t maxSubmenuTitle = 99;

// A key as the reader reads it: "menu", "cmd" or "path" in any letter case, followed by a
// number written without leading zeros, below 2^30. Number 0 for any other key.
struct DirMenuKey
{
    std::uint32_t number = 0;
    std::uint8_t kind = 0; // 0 menu, 1 cmd, 2 path
};
DirMenuKey readDirMenuKey(std::string_view key);

// The number in a key such as "Menu12" when the key is `prefix` (any letter case) followed by
// a decimal number written without leading zeros, at most `limit`; 0 otherwise.
std::size_t dirMenuKeyNumber(std::string_view key, std::string_view prefix, std::size_t limit);

} // namespace torvex
