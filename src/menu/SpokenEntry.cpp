#include "menu/SpokenEntry.h"

namespace torvex {

namespace {

bool isSubmenu(const MenuNode &node)
{
    return node.hasChildren() || node.showsAsSubmenu();
}

} // namespace

std::string spokenEntryName(const MenuNode &node)
{
    if (node.isSeparator())
        return "separator";
    return std::string(node.title()) + (isSubmenu(node) ? ", submenu" : ", item");
}

std::string spokenEntryDetails(const MenuNode &node)
{
    if (node.isSeparator())
        return {};
    if (isSubmenu(node)) {
        const std::size_t count = node.childCount();
        return std::to_string(count) + (count == 1 ? " entry" : " entries");
    }
    const MenuEntryView entry = node.data();
    std::string details =
        entry.command.empty() ? "no command" : "command " + std::string(entry.command);
    if (!entry.targetPath.empty())
    {
        details += ", target path ";
        details += entry.targetPath;
    }
    return details;
}

} // namespace torvex
