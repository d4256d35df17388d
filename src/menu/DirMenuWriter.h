#pragma once

#include "core/LocalText.h"
#include "menu/DirMenuKeys.h"
#include "menu/MenuProgress.h"
#include "menu/MenuTree.h"

#include <functional>
#include <string>
#include <string_view>

namespace torvex {

// The lines of the DirMenu section for the tree, in the order they are written: numbered from
// 1, "menu"/"cmd"/"path" keys in lower case, "--" end lines after the last child of a submenu.
// No key is written twice.
DirMenuEntries writeDirMenu(const MenuTree &tree, const ProgressFn &progress = {});

// Called with each line of writeDirMenu; the views last only for the call.
using DirMenuLineFn = std::function<void(std::string_view key, std::string_view value)>;

// The lines of writeDirMenu handed over one by one, without a list of them in memory.
void forEachDirMenuLine(
    const MenuTree &tree, const DirMenuLineFn &line, const ProgressFn &progress = {});

// What a save says when the ini file refused the value written under `key` (a key of
// writeDirMenu's lines for the tree, such as "cmd12") because it `problem` (such as "holds a
// line break"): the entry's number and title, and which of its values was refused, as in
// Entry 12 "Projects": the command holds a line break
// Control characters in the title show as blanks, so the text stays on one line.
// The window shows it in the user's language (refusedEntryLine), the title as it is; the
// command line and torvex.log take its English.
inline constexpr const char *refusedEntryContext = "torvex::DirMenuWriter";
LocalText refusedEntryLine(const MenuTree &tree, std::string_view key, std::string_view problem);
std::string refusedEntryText(const MenuTree &tree, std::string_view key, std::string_view problem);

} // namespace torvex
