#pragma once

#include <string>
#include <string_view>

namespace torvex {

class DestinationRule;

// The folder a command changes to: the command without its first two characters when they
// are "cd" in any letter case, then without characters of code 32 or below at both ends.
std::string commandFolder(std::string_view command);

// Whether the broken-path search stops at `command`: an empty command and a folder change
// that `rule` finds broken do; a folder change the rule cannot tell (a variable it does not
// know, a network path, a path without a drive) does not. A command that is no folder change
// does, unless its text without a leading "cd" is itself an existing folder.
bool stopsBrokenPathSearch(std::string_view command, const DestinationRule &rule);

} // namespace torvex
