#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class MenuTree;
class WindowsView;

// The folder a command changes to: the command without its first two characters when they
// are "cd" in any letter case, then without characters of code 32 or below at both ends.
std::string commandFolder(std::string_view command);

// True when the folder of `command` is not an existing folder through the Windows view; an
// empty command, a program or a folder that is gone all count as broken.
bool isBrokenCommand(std::string_view command, const WindowsView &view);

// An item found by brokenPathItems: its menu number (node index + 1) and title.
struct BrokenPathItem
{
    std::size_t menuNumber;
    std::string title;
};

// Every item (no children, title not "-") whose command is broken, in node order. Items
// with an empty command are left out when `withEmptyCommands` is false (a report that lists
// them separately).
std::vector<BrokenPathItem> brokenPathItems(
    const MenuTree &tree, const WindowsView &view, bool withEmptyCommands);

} // namespace torvex
