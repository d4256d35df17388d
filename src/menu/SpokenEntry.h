#pragma once

#include "core/LocalText.h"
#include "menu/MenuTree.h"

namespace torvex {

// What a screen reader says for a row of the menu tree, in the user's language where the
// window shows it. The name: the title and the kind ("Docs, item", "Tools, submenu"; a
// separator is "separator"). The details: what the entry runs ("command cd C:\Docs, target
// path cd D:\Docs", "no command") or, for a submenu, how many entries it holds ("3 entries").
// Titles, commands and target paths stay as they are in every language.
LocalText spokenEntryName(const MenuNode &node);
LocalText spokenEntryDetails(const MenuNode &node);

} // namespace torvex
