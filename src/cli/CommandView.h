#pragma once

#include "platform/WinePrefix.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace torvex {

class WindowsView;

// The Windows view a torvex-menu command works in: the prefix named by --prefix; else the
// prefix of the command's first file that is a host path inside one; else the one Wine would
// use. Writes a notice to `err` for a named folder that is no prefix and for each part of
// the prefix that could not be read.
WindowsView viewForCommand(const std::vector<std::string> &args,
    const std::optional<std::filesystem::path> &namedPrefix,
    const Environment &environment,
    std::ostream &err);

} // namespace torvex
