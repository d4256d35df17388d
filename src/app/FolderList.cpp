#include "app/FolderList.h"

#include "core/Text.h"
#include "platform/WindowsPath.h"
#include "platform/WindowsView.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace torvex {

namespace {

std::string joinPath(const std::string &folder, const std::string &name)
{
    return folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

} // namespace

std::string normalFolderPath(std::string_view path)
{
    if (!isWindowsPath(path))
        return {};
    std::string result;
    result += asciiUpper(path[0]);
    result += ":\\";
    const std::vector<std::string> parts = windowsPathParts(path.substr(2));
    for (std::size_t i = 0; i < parts.size(); ++i)
        result += (i ? "\\" : "") + parts[i];
    return result;
}

LocalText spokenFolderName(const FolderEntry &entry)
{
    constexpr const char *context = "torvex::FolderList";
    if (entry.level == 0)
        return (entry.kind == FolderEntry::Kind::Open
                ? LocalText(context, QT_TRANSLATE_NOOP("torvex::FolderList", "%1, drive, open"))
                : LocalText(context, QT_TRANSLATE_NOOP("torvex::FolderList", "%1, drive")))
            .arg(entry.text);
    switch (entry.kind) {
    case FolderEntry::Kind::Open:
        return LocalText(context, QT_TRANSLATE_NOOP("torvex::FolderList", "%1, open folder"))
            .arg(entry.text);
    case FolderEntry::Kind::Ancestor:
        return LocalText(
            context, QT_TRANSLATE_NOOP("torvex::FolderList", "%1, folder above the open one"))
            .arg(entry.text);
    case FolderEntry::Kind::Subfolder:
        break;
    }
    return LocalText(context, QT_TRANSLATE_NOOP("torvex::FolderList", "%1, subfolder"))
        .arg(entry.text);
}

std::string folderName(std::string_view path)
{
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1));
}

std::string parentFolder(std::string_view path)
{
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos || slash <= 2)
        return std::string(path.substr(0, std::min<std::size_t>(path.size(), 3)));
    return std::string(path.substr(0, slash));
}

bool windowsNameLess(std::string_view a, std::string_view b)
{
    const std::string la = asciiLower(a);
    const std::string lb = asciiLower(b);
    return la != lb ? la < lb : a < b;
}

std::vector<std::string> subfolderNames(const WindowsView &view, const std::string &path)
{
    std::vector<std::string> names;
    const auto host = view.hostPath(path);
    if (!host)
        return names;
    std::error_code ec;
    fs::directory_iterator it(*host, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), windowsNameLess);
    return names;
}

std::string existingFolder(const WindowsView &view, const std::string &path)
{
    const std::string normal = normalFolderPath(path);
    if (normal.empty() || !view.directoryExists(normal.substr(0, 3)))
        return {};
    std::string result = normal.substr(0, 3);
    for (const std::string &part : windowsPathParts(std::string_view(normal).substr(3))) {
        // Take the spelling on disk: the user may have typed the name in another case.
        const std::vector<std::string> names = subfolderNames(view, result);
        auto exact = std::find(names.begin(), names.end(), part);
        if (exact == names.end())
            exact = std::find_if(names.begin(), names.end(), [&](const std::string &n) {
                return equalsNoCase(n, part);
            });
        if (exact == names.end())
            break;
        result = joinPath(result, *exact);
    }
    return result;
}

std::vector<FolderEntry> folderEntries(const WindowsView &view, const std::string &path)
{
    std::vector<FolderEntry> entries;
    const std::string normal = normalFolderPath(path);
    if (normal.empty())
        return entries;
    std::string current = normal.substr(0, 3);
    const std::vector<std::string> parts = windowsPathParts(std::string_view(normal).substr(3));
    const FolderEntry::Kind rootKind =
        parts.empty() ? FolderEntry::Kind::Open : FolderEntry::Kind::Ancestor;
    entries.push_back({ current, current, 0, rootKind });
    for (std::size_t i = 0; i < parts.size(); ++i) {
        current = joinPath(current, parts[i]);
        const auto kind =
            i + 1 == parts.size() ? FolderEntry::Kind::Open : FolderEntry::Kind::Ancestor;
        entries.push_back({ parts[i], current, static_cast<int>(i + 1), kind });
    }
    const int subLevel = static_cast<int>(parts.size()) + 1;
    for (const std::string &name : subfolderNames(view, normal))
        entries.push_back({ name, joinPath(normal, name), subLevel, FolderEntry::Kind::Subfolder });
    return entries;
}

} // namespace torvex
