#pragma once

#include "core/LocalText.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class WindowsView;

// One entry of the directory list: the drive's root, a folder on the way down, the open
// folder or one of its subfolders.
struct FolderEntry
{
    enum class Kind { Ancestor, Open, Subfolder };

    std::string text; // the folder's name; "X:\" for the root
    std::string path; // the full Windows path
    int level = 0; // 0 for the root, one more per folder down
    Kind kind = Kind::Open;
};

// `path` as "X:\a\b": drive letter in upper case, backslashes, no empty, "." or ".." parts
// and no trailing backslash except for the root "X:\". Returns "" for a path that is not a
// Windows path ("X:" followed by nothing, a slash or a backslash).
std::string normalFolderPath(std::string_view path);

// What a screen reader says for an entry of the list, in the user's language where the window
// shows it: its text (as it is in every language) and what it is ("C:\, drive", "Work, open
// folder", "Tools, folder above the open one", "P, subfolder").
LocalText spokenFolderName(const FolderEntry &entry);

// The folder's name: the text after the last backslash; "" for a root.
std::string folderName(std::string_view path);

// The parent folder of a normal path; the root for a root.
std::string parentFolder(std::string_view path);

// Windows' order of file names: without regard to letter case, then by the exact text so
// that the order is total.
bool windowsNameLess(std::string_view a, std::string_view b);

// The names of the subfolders of the Windows folder `path`, in Windows' order. A folder
// that cannot be read, or does not exist, has none.
std::vector<std::string> subfolderNames(const WindowsView &view, const std::string &path);

// The nearest existing folder at or above `path` (normal form), with each part spelled as
// the file system spells it. The root of the drive when nothing below it exists; "" when
// the drive itself is missing.
std::string existingFolder(const WindowsView &view, const std::string &path);

// The entries the directory list shows for the open folder `path` (normal form, existing):
// root, folders on the way down, the open folder, then its subfolders in Windows' order.
std::vector<FolderEntry> folderEntries(const WindowsView &view, const std::string &path);

} // namespace torvex
