#pragma once

#include "core/LocalText.h"
#include "editor/ItemCount.h"
#include "menu/MenuTree.h"

#include <cstddef>
#include <string>
#include <vector>

namespace torvex {

// One line of the menu as the file manager pops it up.
struct PreviewEntry
{
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    // The title as the file manager reads it back: without surrounding blanks and quotes, a
    // submenu's cut to maxSubmenuTitle characters; "&" still marks the access key.
    std::string title;
    const MenuNode *node = nullptr; // the entry of the tree it comes from
    std::vector<PreviewEntry> children; // a submenu's entries
};

// The menu the file manager shows for a tree (View > Preview menu).
struct MenuPreview
{
    std::vector<PreviewEntry> entries;
    // Entries of the tree written past the last entry the file manager reads, and so not shown.
    std::size_t leftOut = 0;
};

// What the file manager makes of the lines a save writes for `tree`: it reads the entries
// menu1 to menu`limit` one by one, each value as the ini file gives it back (trimmed and
// unquoted), so that an item titled "-x" shows as a submenu, one titled "--x" ends the
// submenu it stands in, a submenu titled "" shows as a separator and an item without a
// title is not shown. Submenus whose end line lies past the limit stay open, holding what
// follows up to the limit.
MenuPreview previewMenu(const MenuTree &tree, std::size_t limit = itemLimit);

// The greyed last line under a cut menu: "3 entries not shown (the file manager reads 200)".
LocalText leftOutText(std::size_t leftOut, std::size_t limit = itemLimit);

} // namespace torvex
