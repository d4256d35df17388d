#pragma once

#include "menu/DirMenu.h"

#include <functional>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;

// The lines writeDirMenu gives for the menu that readDirMenu builds from `values`, made
// straight from the values as the reader tells them, without a tree in memory: a submenu
// start waits for the next entry or end, which tells whether it holds entries (a submenu
// without entries is written as an item).
void forEachResavedDirMenuLine(const DirMenuValues &values, const DirMenuLineFn &line);

// What a resave found and did.
struct ResaveOutcome
{
    std::vector<DirMenuFinding> notShown; // the lines the menu does not show, now removed
    bool empty = false; // the menu reads as empty: nothing was written
};

// Reads the DirMenu section of the file at `path` and writes it back as the editor would save
// the menu it reads, in one pass over the file's lines and without building the menu, so that
// a file of a million entries is held about once. The rest of the file keeps its bytes, and a
// file whose bytes would not change is not written. `loaded` is told the lines the menu does
// not show before anything is written. Throws IniReadError when the file cannot be read and
// TorvexError with the message of describeSaveFailure when it cannot be written.
ResaveOutcome resaveMenu(const std::string &path,
    FileSystem &fs,
    const std::function<void(const std::vector<DirMenuFinding> &notShown)> &loaded = {});

} // namespace torvex
