#pragma once

#include "core/LocalText.h"

#include <string>
#include <string_view>

namespace torvex {

// Longest folder name the title is filled with, in characters.
inline constexpr std::size_t maxFolderNameLength = 200;

// The name of the open folder `path`: the text after its last backslash, cut to 200
// characters (UTF-8 sequences are kept whole). Empty for a drive's root ("C:\") and for a
// path without a backslash.
std::string currentFolderName(std::string_view path);

// The F5 button's hint for the open folder `path`: " Title = folder name (" + name + ") ".
LocalText folderNameHint(std::string_view path);

// What a folder becomes as a command (and, by F7, as a target path): "cd " + path.
std::string changeFolderCommand(std::string_view path);

} // namespace torvex
