#pragma once

#include <string>
#include <string_view>

namespace torvex {

class WindowsView;

// The folder a command changes to: the command without its first two characters when they
// are "cd" in any letter case, then without characters of code 32 or below at both ends.
std::string commandFolder(std::string_view command);

// True when the folder of `command` is not an existing folder through the Windows view; an
// empty command, a program or a folder that is gone all count as broken.
bool isBrokenCommand(std::string_view command, const WindowsView &view);

} // namespace torvex
