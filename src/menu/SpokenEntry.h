#pragma once

#include "menu/MenuTree.h"

#include <string>

namespace torvex {

// What a screen reader says for a row of the menu tree. The name: the title and the kind
// ("Docs, item", "Tools, submenu"; a separator is "separator"). The details: what the entry
// runs ("command cd C:\Docs, target path cd D:\Docs", "no command") or, for a submenu, how
// many entries it holds ("3 entries").
std::string spokenEntryName(const MenuNode &node);
std::string spokenEntryDetails(const MenuNode &node);

} // namespace torvex
