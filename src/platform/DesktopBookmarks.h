#pragma once

#include "core/Environment.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class FileSystem;
class WindowsView;

// A folder the Linux desktop knows: a bookmark of the file managers or an XDG user folder.
struct DesktopBookmark
{
    std::string folder; // absolute host path, bytes as the file system names it
    std::string label; // the bookmark's own name, empty when it has none
};

// Where the desktop keeps its folders: GTK's bookmarks ($XDG_CONFIG_HOME/gtk-3.0/bookmarks),
// KDE's places ($XDG_DATA_HOME/user-places.xbel) and the XDG user folders
// ($XDG_CONFIG_HOME/user-dirs.dirs). Empty paths when neither the variables nor HOME are set.
struct DesktopBookmarkFiles
{
    std::filesystem::path gtk;
    std::filesystem::path kde;
    std::filesystem::path userDirs;
};
DesktopBookmarkFiles desktopBookmarkFiles(const Environment &environment);

// The host path of a "file://" URI ("file:///home/me/My%20Files" or with the host
// "localhost"), its %XX escapes decoded into bytes. Nothing for another scheme, another host,
// a relative path, a broken escape or an escaped NUL byte.
std::optional<std::string> folderOfFileUri(std::string_view uri);

// The "file://" URI of an absolute host path: every byte but letters, digits, "-._~" and
// "/" escaped as %XX, as the file managers read it back.
std::string fileUriOfFolder(std::string_view folder);

// The folders of GTK's bookmarks file: one bookmark a line, a URI and, after the first blank,
// an optional label. Lines of other schemes, blank lines and broken URIs are passed over.
// CR LF and a missing last line break are read like LF.
std::vector<DesktopBookmark> readGtkBookmarks(std::string_view text);

// The folders of user-dirs.dirs: lines XDG_xxx_DIR="$HOME/..." or ="/absolute/...", without a
// label. "#" comments, other forms and a folder that is the home folder itself (which the XDG
// rules use to switch a user folder off) are passed over; `\"`, `\\` and `\$` stand for the
// character.
std::vector<DesktopBookmark> readUserDirs(std::string_view text, std::string_view home);

// `lists` joined in order, each folder once (the first time it appears, a label taken from a
// later one when the first has none); folders compare with trailing slashes removed.
std::vector<DesktopBookmark> joinBookmarks(const std::vector<std::vector<DesktopBookmark>> &lists);

// One folder offered for import, as the dialog shows it and the menu takes it.
struct BookmarkImport
{
    DesktopBookmark bookmark;
    // The label, else the folder's name ("/" for the root), each "&" doubled so that the menu
    // shows it rather than taking the next letter as the access key.
    std::string title;
    std::string command; // "cd " and the Windows path in the prefix
    bool folderExists = false;
    // Why it cannot become an entry, empty when it can: a name that is not UTF-8 cannot be
    // shown as a title nor reached by the same path under Wine.
    std::string refusal;
};

// What the import offers for `bookmark`: the Windows path is the one of the drive whose host
// folder holds the folder most closely, else "Z:" and the host path with backslashes.
BookmarkImport importOf(const DesktopBookmark &bookmark, const WindowsView &view);

// "Z:" and the path with backslashes: how a Wine prefix names a host path through its drive
// on "/".
std::string rootDrivePath(std::string_view hostFolder);

// The GTK bookmarks file with `folders` added: the user's own lines stay as they are, in their
// order, each folder already bookmarked (or given twice) is left out, and the new lines, one
// URI each, go at the end, after a line break added to a last line without one. `added` is
// set to the number of lines added.
std::string gtkBookmarksWith(
    std::string_view existing, const std::vector<std::string> &folders, std::size_t &added);

// The text of one of the desktop's files through `files`; nothing when there is no such file.
// Throws IniReadError when it is there but cannot be read.
std::optional<std::string> readDesktopFile(
    const FileSystem &files, const std::filesystem::path &path);

// Adds `folders` to GTK's bookmarks file at `path` as gtkBookmarksWith does, written through
// the file layer's safe write (a temporary renamed over the file), refused when another
// program changed the file since it was read; a missing file is made, with its folder.
// Nothing is written when nothing is added. Returns the number of folders added. Throws
// IniReadError when the file cannot be read (nothing is written then) and IniWriteError when
// it cannot be written.
std::size_t addGtkBookmarks(
    FileSystem &files, const std::filesystem::path &path, const std::vector<std::string> &folders);

} // namespace torvex
