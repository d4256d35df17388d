#pragma once

#include "app/MenuFileSteps.h"
#include "menu/MenuComparison.h"

#include <string>

namespace torvex {

class FileSystem;
class MenuTree;

// The menu of a file as it is on disk now against the entries a save of the editor's menu
// would write, entry by entry (what compareDirMenus finds of the same lines, without the
// lines themselves).
struct ChangesOnDisk
{
    EntryComparison entries;
    // No DirMenu line differs: then no entry differs either.
    bool sameLines = false;
};

// Compares the file at `path` with what a save of `tree` would write. While the file's bytes
// are those `loaded` remembers, the menu it keeps of them stands for the file's, which is not
// parsed again; without one yet, the menu read is kept there. The lines a save writes are not
// made unless no entry differs. Throws IniReadError when the file cannot be read
// (IniFormatError when its text is one Torvex refuses).
ChangesOnDisk compareWithDisk(
    const std::string &path, const MenuTree &tree, FileSystem &fs, const LoadedFile &loaded);

} // namespace torvex
