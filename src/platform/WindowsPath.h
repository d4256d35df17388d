#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// The one rule for Windows paths in Torvex. A Windows path is a drive letter (either case),
// a colon, and then nothing ("C:" is the drive's root) or a backslash or slash ("C:\Work",
// "c:/work"). Anything else is not: "C:relative" (relative to a drive's current folder),
// "\\server\share", "\windows" and host paths such as "/home".

// The index 0..25 of drive letter `letter` (either case); -1 for any other character.
int driveIndex(char letter);

// True when `path` is a Windows path by the rule above.
bool isWindowsPath(std::string_view path);

// True when `path` names a network share: "\\server\share..." (backslashes: "//x" is a host
// path), not a device path ("\\?\", "\\.\").
bool isUncPath(std::string_view path);

// The folders and name of a Windows path after its "X:": split at backslashes and slashes,
// with "." parts and empty parts (doubled separators) dropped and ".." taking away the part
// before it, as Windows resolves them before it touches the disk. ".." at the root stays at
// the root.
std::vector<std::string> windowsPathParts(std::string_view afterDrive);

} // namespace torvex
