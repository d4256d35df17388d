#include "platform/DesktopBookmarks.h"

#include "core/Text.h"
#include "files/FileSystem.h"
#include "files/Folders.h"
#include "files/UserFolders.h"
#include "platform/WindowsView.h"

#include <algorithm>
#include <set>

namespace torvex {

namespace fs = std::filesystem;

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = asciiLower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0 || (high == 0 && low == 0))
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// Folders compare without trailing slashes ("/home/me/" is "/home/me"); the root stays "/".
std::string folderKey(std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return std::string(folder);
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// The lines of a text file: LF, CR LF and a last line without a break alike.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The value of a user-dirs.dirs line between its quotes, escapes resolved; nothing when the
// line is not KEY="value".
std::optional<std::string> quotedValue(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimBlanks(line.substr(0, eq));
    if (!key.starts_with("XDG_") || !key.ends_with("_DIR"))
        return std::nullopt;
    std::string_view value = trimBlanks(line.substr(eq + 1));
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::nullopt;
    value = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

} // namespace

DesktopBookmarkFiles desktopBookmarkFiles(const Environment &environment)
{
    DesktopBookmarkFiles files;
    const fs::path config = userConfigHome(environment);
    const fs::path data = userDataHome(environment);
    if (!config.empty()) {
        files.gtk = config / "gtk-3.0" / "bookmarks";
        files.userDirs = config / "user-dirs.dirs";
    }
    if (!data.empty())
        files.kde = data / "user-places.xbel";
    return files;
}

std::optional<std::string> folderOfFileUri(std::string_view uri)
{
    constexpr std::string_view scheme = "file://";
    if (uri.size() < scheme.size() || !equalsNoCase(uri.substr(0, scheme.size()), scheme))
        return std::nullopt;
    std::string_view rest = uri.substr(scheme.size());
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::string_view host = rest.substr(0, slash);
    if (!host.empty() && !equalsNoCase(host, "localhost"))
        return std::nullopt;
    return percentDecoded(rest.substr(slash));
}

std::string fileUriOfFolder(std::string_view folder)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : folder) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')
            || (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~'
            || c == '/';
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += digits[byte >> 4];
            uri += digits[byte & 15];
        }
    }
    return uri;
}

std::vector<DesktopBookmark> readGtkBookmarks(std::string_view text)
{
    std::vector<DesktopBookmark> bookmarks;
    for (const std::string_view line : linesOf(text)) {
        const std::size_t blank = line.find(' ');
        std::optional<std::string> folder = folderOfFileUri(line.substr(0, blank));
        if (!folder)
            continue;
        const std::string_view label = blank == std::string_view::npos
            ? std::string_view()
            : trimBlanks(line.substr(blank + 1));
        bookmarks.push_back({ std::move(*folder), std::string(label) });
    }
    return bookmarks;
}

std::vector<DesktopBookmark> readUserDirs(std::string_view text, std::string_view home)
{
    std::vector<DesktopBookmark> folders;
    const std::string homeKey = folderKey(home);
    for (const std::string_view line : linesOf(text)) {
        if (trimBlanks(line).starts_with('#'))
            continue;
        std::optional<std::string> value = quotedValue(line);
        if (!value)
            continue;
        std::string folder;
        if (value->starts_with("$HOME/") || *value == "$HOME") {
            if (homeKey.empty())
                continue;
            folder = homeKey + value->substr(5);
        } else if (value->starts_with('/')) {
            folder = *value;
        } else {
            continue;
        }
        if (folderKey(folder) == homeKey)
            continue;
        folders.push_back({ folderKey(folder), {} });
    }
    return folders;
}

std::vector<DesktopBookmark> joinBookmarks(const std::vector<std::vector<DesktopBookmark>> &lists)
{
    std::vector<DesktopBookmark> joined;
    for (const auto &list : lists) {
        for (const DesktopBookmark &bookmark : list) {
            const std::string key = folderKey(bookmark.folder);
            const auto same = std::find_if(joined.begin(), joined.end(), [&key](const auto &b) {
                return folderKey(b.folder) == key;
            });
            if (same == joined.end())
                joined.push_back(bookmark);
            else if (same->label.empty())
                same->label = bookmark.label;
        }
    }
    return joined;
}

std::string rootDrivePath(std::string_view hostFolder)
{
    std::string path = "Z:";
    for (const char c : folderKey(hostFolder))
        path += c == '/' ? '\\' : c;
    if (path == "Z:")
        path += '\\';
    return path;
}

BookmarkImport importOf(const DesktopBookmark &bookmark, const WindowsView &view)
{
    BookmarkImport import;
    import.bookmark = bookmark;
    const std::string folder = folderKey(bookmark.folder);
    if (!bookmark.label.empty()) {
        import.title = bookmark.label;
    } else {
        const std::size_t slash = folder.rfind('/');
        import.title = slash == std::string::npos || slash + 1 == folder.size()
            ? folder
            : folder.substr(slash + 1);
    }
    std::error_code error;
    import.folderExists = fs::is_directory(fs::path(folder), error);
    if (!isUtf8(folder) || !isUtf8(import.title)) {
        import.refusal = "its name is not UTF-8";
        return import;
    }
    import.command = "cd " + view.windowsPath(fs::path(folder)).value_or(rootDrivePath(folder));
    // In the file manager's menu "&" marks the access key: a name shows as it is with "&&".
    std::string title;
    for (const char c : import.title)
        title += c == '&' ? std::string("&&") : std::string(1, c);
    import.title = std::move(title);
    return import;
}

std::string gtkBookmarksWith(
    std::string_view existing, const std::vector<std::string> &folders, std::size_t &added)
{
    std::set<std::string> known;
    for (const DesktopBookmark &bookmark : readGtkBookmarks(existing))
        known.insert(folderKey(bookmark.folder));
    std::string text(existing);
    added = 0;
    for (const std::string &folder : folders) {
        if (!known.insert(folderKey(folder)).second)
            continue;
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        text += fileUriOfFolder(folderKey(folder));
        text += '\n';
        ++added;
    }
    return text;
}

std::optional<std::string> readDesktopFile(
    const FileSystem &files, const std::filesystem::path &path)
{
    if (path.empty() || !files.fileExists(path.string()))
        return std::nullopt;
    return files.readAll(path.string());
}

std::size_t addGtkBookmarks(
    FileSystem &files, const std::filesystem::path &path, const std::vector<std::string> &folders)
{
    const std::optional<std::string> existing = readDesktopFile(files, path);
    std::size_t added = 0;
    const std::string text = gtkBookmarksWith(existing.value_or(""), folders, added);
    if (added == 0)
        return 0;
    FileContent content(text);
    if (existing)
        content.basedOn(*existing);
    else
        createFolderOf(path.string());
    files.writeAtomic(path.string(), content);
    return added;
}

} // namespace torvex
