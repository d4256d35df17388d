#include "editor/CommandFolder.h"

#include "editor/EntryDestination.h"

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

bool stopsBrokenPathSearch(std::string_view command, const DestinationRule &rule)
{
    const DestinationCheck check = rule.ofCommand(command);
    if (check.reason == DestinationReason::NotFolderChange)
        return !rule.folderExists(commandFolder(command));
    return check.isBroken();
}

} // namespace torvex
