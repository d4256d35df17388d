#include "platform/WinePrefix.h"

#include <system_error>

namespace torvex {

WinePrefix::WinePrefix(std::filesystem::path root)
    : m_root(std::move(root))
{ }

bool WinePrefix::isPrefixFolder(const std::filesystem::path &folder)
{
    std::error_code error;
    return std::filesystem::exists(folder / "system.reg", error)
        && std::filesystem::is_directory(folder / "drive_c", error);
}

namespace {

std::optional<WinePrefix> nearestPrefixAbove(const std::filesystem::path &file)
{
    for (std::filesystem::path folder = file.parent_path(); !folder.empty();
         folder = folder.parent_path()) {
        if (WinePrefix::isPrefixFolder(folder))
            return WinePrefix(folder);
        if (folder == folder.root_path())
            break;
    }
    return std::nullopt;
}

} // namespace

std::optional<WinePrefix> WinePrefix::containing(const std::filesystem::path &file)
{
    std::error_code error;
    const auto written = std::filesystem::absolute(file, error).lexically_normal();
    if (error)
        return std::nullopt;
    if (auto found = nearestPrefixAbove(written))
        return found;
    const auto resolved = std::filesystem::weakly_canonical(written, error);
    if (error || resolved == written)
        return std::nullopt;
    return nearestPrefixAbove(resolved);
}

bool WinePrefix::isSameFolder(const WinePrefix &other) const
{
    std::error_code error;
    if (std::filesystem::equivalent(m_root, other.m_root, error))
        return true;
    return m_root.lexically_normal() == other.m_root.lexically_normal();
}

std::optional<WinePrefix> WinePrefix::locate(const Environment &environment)
{
    std::filesystem::path root;
    if (auto it = environment.find("WINEPREFIX"); it != environment.end() && !it->second.empty())
        root = it->second;
    else if (auto home = environment.find("HOME");
             home != environment.end() && !home->second.empty())
        root = std::filesystem::path(home->second) / ".wine";
    else
        return std::nullopt;
    std::error_code error;
    if (!std::filesystem::is_directory(root, error))
        return std::nullopt;
    return WinePrefix(root);
}

} // namespace torvex
