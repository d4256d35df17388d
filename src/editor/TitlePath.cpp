#include "editor/TitlePath.h"

namespace torvex {

MenuNode *findByTitlePath(const MenuTree &tree, std::string_view path, MenuNode *under)
{
    const auto &level = under ? under->children() : tree.topLevel();
    for (const auto &child : level) {
        const std::string_view title = child->title();
        if (path == title)
            return child.get();
        // A title followed by the separator: the rest names an entry below it.
        if (child->hasChildren() && path.size() > title.size() + titlePathSeparator.size()
            && path.starts_with(title) && path.substr(title.size()).starts_with(titlePathSeparator)) {
            if (MenuNode *found = findByTitlePath(
                    tree, path.substr(title.size() + titlePathSeparator.size()), child.get()))
                return found;
        }
    }
    return nullptr;
}

TitlePathReach reachTitlePath(const MenuTree &tree, std::string_view path)
{
    // The longest leading part that names an entry, tried at each separator from the end.
    std::size_t end = path.size();
    for (;;) {
        if (MenuNode *node = findByTitlePath(tree, path.substr(0, end))) {
            TitlePathReach reach { node, {} };
            std::string_view rest = path.substr(end);
            while (!rest.empty()) {
                rest.remove_prefix(titlePathSeparator.size());
                const std::size_t next = rest.find(titlePathSeparator);
                reach.missing.emplace_back(rest.substr(0, next));
                rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
            }
            return reach;
        }
        if (end == 0)
            break;
        end = path.rfind(titlePathSeparator, end - 1);
        if (end == std::string_view::npos || end == 0)
            break;
    }
    TitlePathReach reach;
    std::string_view rest = path;
    for (;;) {
        const std::size_t next = rest.find(titlePathSeparator);
        reach.missing.emplace_back(rest.substr(0, next));
        if (next == std::string_view::npos)
            break;
        rest.remove_prefix(next + titlePathSeparator.size());
    }
    return reach;
}

} // namespace torvex
