#pragma once

#include "menu/MenuTree.h"

#include <cstddef>
#include <string>

namespace torvex {

// The file manager reads only this many entries of the directory menu.
inline constexpr std::size_t itemLimit = 200;

// Number of DirMenu entries the tree is counted as: n + s + 1 for n >= 2 nodes of which s
// have children (each submenu stands for its start and its end line), n itself for 0 or 1.
std::size_t itemCount(const MenuTree &tree);

// The count as the status bar shows it: a blank, the number and " items".
std::string itemCountText(std::size_t count);

} // namespace torvex
