#include "menu/SpokenEntry.h"

#include <string>

namespace torvex {

namespace {

constexpr const char *context = "torvex::SpokenEntry";

bool isSubmenu(const MenuNode &node)
{
    return node.hasChildren() || node.showsAsSubmenu();
}

} // namespace

LocalText spokenEntryName(const MenuNode &node)
{
    if (node.isSeparator())
        return { context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "separator") };
    const LocalText pattern = isSubmenu(node)
        ? LocalText(context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "%1, submenu"))
        : LocalText(context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "%1, item"));
    return pattern.arg(std::string(node.title()));
}

LocalText spokenEntryDetails(const MenuNode &node)
{
    if (node.isSeparator())
        return {};
    if (isSubmenu(node))
        return LocalText::counted(context,
            QT_TRANSLATE_N_NOOP("torvex::SpokenEntry", "%n entries"),
            "%n entry",
            static_cast<long long>(node.childCount()));
    const MenuEntryView entry = node.data();
    LocalText details = entry.command.empty()
        ? LocalText(context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "no command"))
        : LocalText(context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "command %1"))
              .arg(std::string(entry.command));
    if (entry.targetPath.empty())
        return details;
    return LocalText(context, QT_TRANSLATE_NOOP("torvex::SpokenEntry", "%1, target path %2"))
        .arg(details)
        .arg(std::string(entry.targetPath));
}

} // namespace torvex
