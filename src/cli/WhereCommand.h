#pragma once

#include "platform/WinePrefix.h"

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

// True for the arguments of `where --all` and `where --all --json` (in either order).
bool isWhereAll(const std::vector<std::string> &arguments);

// `torvex-menu where --all [--json]`: every prefix, the view's own first, then those of the
// places Linux users keep them (findPrefixPlaces over `environment`), each searched as start-up
// searches one. As text, per prefix: "prefix=LABEL", "folder=DIR", its slots "1=" to "3="
// (Windows paths, as "where" prints them), "count=N" and a "problem=..." line for each thing
// that could not be read, then a blank line; at the end the problems of the places
// themselves and "prefixes=N". As JSON: {"prefixes":[{"label","folder","candidates":[{"slot",
// "path","file"}],"problems":[...]}],"problems":[...]}. Returns 0; never throws for a broken
// prefix, which is reported as its problem.
int runWhereAll(
    const WindowsView &view, const Environment &environment, bool asJson, std::ostream &out);

} // namespace torvex
