#pragma once

#include "menu/MenuTree.h"

#include <functional>
#include <string>

namespace torvex {

// The order of two titles: negative when `a` goes before `b`, 0 when they rank the same,
// positive otherwise. The window gives the user's locale's (natural, without regard to letter
// case and accents); the core sorts with whatever it is given.
using TitleOrder = std::function<int(std::string_view a, std::string_view b)>;

struct SortChoice
{
    bool submenusFirst = true; // submenus before items within each stretch, else mixed
    bool allLevels = false; // every submenu below too, at any depth
};

// Sorts the entries of one level by title: the children of `parent`, or the top level for
// nullptr. Separators are fences: each stretch between them is sorted on its own and the
// separators keep their places. Entries that rank the same keep their order. Every change
// is a recorded move of the tree, so that an open step of the undo journal takes the whole
// sort. Returns the number of entries moved.
std::size_t sortMenuLevel(
    MenuTree &tree, MenuNode *parent, const TitleOrder &order, const SortChoice &choice);

} // namespace torvex
