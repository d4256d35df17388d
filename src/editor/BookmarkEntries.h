#pragma once

#include "platform/DesktopBookmarks.h"

#include <string>
#include <vector>

namespace torvex {

class MenuNode;
class MenuTree;
class WindowsView;

// Adds an entry for each import that can become one (no refusal), titled and with its "cd"
// command, in the given order: after `after` on its level, or at the end of the top level
// when `after` is nullptr. Every change is recorded, so an open step of the undo journal takes
// them all. Returns the new entries.
std::vector<MenuNode *> addBookmarkEntries(
    MenuTree &tree, MenuNode *after, const std::vector<BookmarkImport> &imports);

// One entry offered for export to the desktop's bookmarks.
struct BookmarkExport
{
    const MenuNode *node = nullptr;
    std::string hostFolder; // the folder its command changes to, on the host, links resolved
    // Why it is skipped ("no command", "leads to no folder"), empty when it is not.
    std::string skipReason;
};

// What the export makes of the entries of `tree` that carry a command (items, not separators),
// in menu order: the folder a command changes to ("cd" and a Windows path, or a path alone),
// as an absolute host folder that exists through `view`.
std::vector<BookmarkExport> bookmarkExports(const MenuTree &tree, const WindowsView &view);

} // namespace torvex
