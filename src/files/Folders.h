#pragma once

#include <string>

namespace torvex {

// Creates `folder` and any missing parent, each new one with mode 0700 as the XDG base
// directory rules ask. Returns true when the folder exists afterwards; never throws.
bool createFolders(const std::string &folder) noexcept;

// createFolders for the folder holding the file at `path`.
bool createFolderOf(const std::string &path) noexcept;

} // namespace torvex
