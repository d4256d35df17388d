#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace torvex {

class MenuTree;
class WindowsView;

// `torvex-menu where [PATH]`: runs the editor's start-up search for wincmd.ini over `view`,
// PATH standing for the first command-line argument, and prints "1=..." to "4=..." (empty
// after "=" for an empty slot) and "count=N". Returns 0. Throws RegistryError from the
// registry, as start-up reports it.
int runWhere(const std::vector<std::string> &paths, const WindowsView &view, std::ostream &out);

// Writes "menu N: broken path: TITLE" for each item whose non-empty command leads to no
// existing folder; returns true when there was any.
bool reportBrokenPaths(const MenuTree &tree, const WindowsView &view, std::ostream &out);

} // namespace torvex
