#pragma once

#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"

namespace torvex {

// The lines writeDirMenu gives for the menu that readDirMenu builds from `values`, made
// straight from the values as the reader tells them, without a tree in memory: a submenu
// start waits for the next entry or end, which tells whether it holds entries (a submenu
// without entries is written as an item).
void forEachResavedDirMenuLine(const DirMenuValues &values, const DirMenuLineFn &line);

} // namespace torvex
