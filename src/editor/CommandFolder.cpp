#include "editor/CommandFolder.h"

#include "menu/MenuTree.h"
#include "platform/WindowsView.h"

namespace torvex {

namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string commandFolder(std::string_view command)
{
    if (command.size() >= 2 && (command[0] == 'c' || command[0] == 'C')
        && (command[1] == 'd' || command[1] == 'D'))
        command.remove_prefix(2);
    while (!command.empty() && isBlankOrControl(command.front()))
        command.remove_prefix(1);
    while (!command.empty() && isBlankOrControl(command.back()))
        command.remove_suffix(1);
    return std::string(command);
}

bool isBrokenCommand(std::string_view command, const WindowsView &view)
{
    return !view.directoryExists(commandFolder(command));
}

std::vector<BrokenPathItem> brokenPathItems(
    const MenuTree &tree, const WindowsView &view, bool withEmptyCommands)
{
    std::vector<BrokenPathItem> found;
    std::size_t index = 0;
    tree.forEach([&](MenuNode *node) {
        ++index;
        const std::string &command = node->data().Command;
        if (node->hasChildren() || node->isSeparator() || (command.empty() && !withEmptyCommands))
            return true;
        if (isBrokenCommand(command, view))
            found.push_back({ index, node->title() });
        return true;
    });
    return found;
}

} // namespace torvex
