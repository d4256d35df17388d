#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;

// The torvex-menu command line: `args` without the program name. Writes results to `out`,
// one-line errors to `err`, and returns the exit code (0 fine, 1 findings, 2 error or usage).
int runMenuTool(
    const std::vector<std::string> &args, std::ostream &out, std::ostream &err, FileSystem &fs);

} // namespace torvex
