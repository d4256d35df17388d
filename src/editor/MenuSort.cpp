#include "editor/MenuSort.h"

#include <algorithm>
#include <vector>

namespace torvex {

namespace {

std::size_t sortOneLevel(
    MenuTree &tree, MenuNode *parent, const TitleOrder &order, const SortChoice &choice)
{
    const auto &level = parent ? parent->children() : tree.topLevel();
    std::vector<MenuNode *> wanted;
    wanted.reserve(level.size());
    for (const auto &node : level)
        wanted.push_back(node.get());
    const auto before = [&](const MenuNode *a, const MenuNode *b) {
        if (choice.submenusFirst && a->hasChildren() != b->hasChildren())
            return a->hasChildren();
        return order(a->title(), b->title()) < 0;
    };
    for (auto stretch = wanted.begin(); stretch != wanted.end();) {
        const auto fence = std::find_if(stretch, wanted.end(), [](const MenuNode *node) {
            return node->isSeparator();
        });
        std::stable_sort(stretch, fence, before);
        stretch = fence == wanted.end() ? fence : fence + 1;
    }
    // Each entry is moved before the one that stands where it belongs, from the first row on.
    std::size_t moved = 0;
    for (std::size_t row = 0; row < wanted.size(); ++row) {
        MenuNode *standing = (parent ? parent->children() : tree.topLevel())[row].get();
        if (standing == wanted[row])
            continue;
        tree.move(wanted[row], standing, AttachMode::Insert);
        ++moved;
    }
    return moved;
}

} // namespace

std::size_t sortMenuLevel(
    MenuTree &tree, MenuNode *parent, const TitleOrder &order, const SortChoice &choice)
{
    std::size_t moved = sortOneLevel(tree, parent, order, choice);
    if (!choice.allLevels)
        return moved;
    // The submenus below, level by level; the walk keeps its own list, so the moves do not
    // disturb it.
    std::vector<MenuNode *> submenus;
    for (const auto &node : parent ? parent->children() : tree.topLevel())
        if (node->hasChildren())
            submenus.push_back(node.get());
    while (!submenus.empty()) {
        MenuNode *submenu = submenus.back();
        submenus.pop_back();
        moved += sortOneLevel(tree, submenu, order, choice);
        for (const auto &node : submenu->children())
            if (node->hasChildren())
                submenus.push_back(node.get());
    }
    return moved;
}

} // namespace torvex
