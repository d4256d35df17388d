#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace torvex {

class FileSystem;

// `torvex-menu diff FILE OTHER`: the DirMenu lines of the two files, as the reader takes
// them, compared as a unified diff ("--- FILE", "+++ OTHER", hunks with three lines of
// context) on `out`. Returns 0 when no line differs (nothing is printed) and 1 when some do.
// `requireFile` is run on each path first and throws when it names no regular file; reading
// throws IniReadError.
int runDiff(const std::string &file,
    const std::string &other,
    FileSystem &fs,
    const std::function<void(const std::string &path)> &requireFile,
    std::ostream &out);

} // namespace torvex
