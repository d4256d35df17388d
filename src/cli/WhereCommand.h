#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace torvex {

class WindowsView;

// `torvex-menu where [PATH]`: runs the editor's start-up search for wincmd.ini over `view`,
// PATH standing for the first command-line argument, and prints "1=..." to "4=..." (empty
// after "=" for an empty slot) and "count=N". Returns 0. Throws RegistryError from the
// registry, as start-up reports it.
int runWhere(const std::vector<std::string> &paths, const WindowsView &view, std::ostream &out);

} // namespace torvex
