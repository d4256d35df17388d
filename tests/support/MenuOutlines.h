#pragma once

#include "menu/DirMenuKeys.h"

#include <string>
#include <vector>

namespace torvex::test {

// Generated menus for the property tests, each drawn from a list of numbers (rapidcheck's).

// A menu the file can store, as an outline for buildTree: titles without a leading dash (but
// separators, "-" items without a command), submenu titles of at most 99 characters, no line
// breaks, no command or target path on a submenu. Each entry goes one level deeper than the
// one before, stays, or climbs out of one or two levels.
std::string storableOutline(const std::vector<int> &draws);

// Any DirMenu section: titles of every shape the reader treats apart, commands and target paths
// on any entry, numbers with gaps, past the count or twice, keys in any letter case.
DirMenuEntries anySection(const std::vector<int> &draws);

} // namespace torvex::test
