#pragma once

#include "platform/WinePrefix.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;
class WindowsView;

// The torvex-menu command line: `args` without the program name. Files are read and written
// through `fs`; `view` is the machine as the file manager sees it (where, broken paths, what
// is at a path); `environment` is the host's, where "where --all" looks for the other
// prefixes. Writes results (and --help, --version) to `out`, one-line errors and notices to
// `err`, and returns the exit code (0 fine, 1 findings, 2 error or usage).
int runMenuTool(const std::vector<std::string> &args,
    std::ostream &out,
    std::ostream &err,
    FileSystem &fs,
    const WindowsView &view,
    const Environment &environment = Environment());

} // namespace torvex
