#pragma once

#include "menu/MenuTree.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// Entries named by their titles from the top level down, joined by " > " ("Tools > Editors"),
// as scripts name them. A title may itself hold ">" or even " > ": the path is matched against
// the menu's titles, the first way of reading it that leads to an entry winning, in menu order.
inline constexpr std::string_view titlePathSeparator = " > ";

// The entry the path names, nullptr when none does. `under` (nullptr: the top level) is where
// the path starts.
MenuNode *findByTitlePath(const MenuTree &tree, std::string_view path, MenuNode *under = nullptr);

// The deepest entry that a leading part of the path names, and the titles of the rest, split
// at each " > ": where "add --under" goes and which submenus it has to make. The node is
// nullptr (the top level) when not even the first title is found; the rest is empty when the
// whole path names an entry.
struct TitlePathReach
{
    MenuNode *node = nullptr;
    std::vector<std::string> missing;
};
TitlePathReach reachTitlePath(const MenuTree &tree, std::string_view path);

} // namespace torvex
