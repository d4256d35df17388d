#include "platform/WindowsView.h"

#include "core/Text.h"
#include "platform/HostFileRead.h"
#include "platform/RegistryError.h"
#include "platform/WindowsPath.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace torvex {

namespace {

constexpr std::string_view kWineDrivesKey = "Software\\Wine\\Drives";

DriveTypeCode typeFromWineName(std::string_view name, int index)
{
    if (equalsNoCase(name, "hd"))
        return DriveTypeCode::Fixed;
    if (equalsNoCase(name, "floppy"))
        return DriveTypeCode::Removable;
    if (equalsNoCase(name, "cdrom"))
        return DriveTypeCode::CDRom;
    if (equalsNoCase(name, "network"))
        return DriveTypeCode::Remote;
    if (equalsNoCase(name, "ramdisk"))
        return DriveTypeCode::RamDisk;
    return index < 2 ? DriveTypeCode::Removable : DriveTypeCode::Fixed;
}

// The entry of `folder` named `name`: the exact name when it exists, else the first entry
// whose name matches without regard to case, else `name` itself.
fs::path matchPart(const fs::path &folder, const std::string &name, bool &isFound)
{
    std::error_code error;
    fs::path exact = folder / name;
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (equalsNoCase(it->path().filename().string(), name))
            return it->path();
    }
    isFound = false;
    return exact;
}

// A label file is a line of text; anything else in its place (a FIFO, a device, a large
// file) is no label and is never waited on.
std::string firstLineTrimmed(const fs::path &file)
{
    constexpr std::size_t labelLimit = 4096;
    std::string line = readRegularFile(file, labelLimit).text;
    line = line.substr(0, line.find('\n'));
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ')
        line.pop_back();
    return line;
}

} // namespace

DriveIcon driveIconFor(DriveTypeCode type)
{
    switch (type) {
    case DriveTypeCode::Removable:
        return DriveIcon::Removable;
    case DriveTypeCode::Fixed:
        return DriveIcon::Fixed;
    case DriveTypeCode::Remote:
        return DriveIcon::Remote;
    case DriveTypeCode::CDRom:
        return DriveIcon::CDRom;
    case DriveTypeCode::RamDisk:
        return DriveIcon::RamDisk;
    default:
        return DriveIcon::Unknown;
    }
}

std::string_view driveIconName(DriveIcon icon)
{
    switch (icon) {
    case DriveIcon::Removable:
        return "drive-removable-media";
    case DriveIcon::Fixed:
        return "drive-harddisk";
    case DriveIcon::Remote:
        return "folder-remote";
    case DriveIcon::CDRom:
        return "drive-optical";
    case DriveIcon::RamDisk:
        return "media-flash";
    default:
        return "dialog-question";
    }
}

WindowsView WindowsView::open(const Environment &environment)
{
    auto prefix = WinePrefix::locate(environment);
    return prefix ? forPrefix(*prefix, environment) : withoutPrefix(environment);
}

WindowsView WindowsView::forPrefix(const WinePrefix &prefix, const Environment &environment)
{
    WindowsView view;
    view.m_prefix = prefix;
    view.m_registry = WineRegistry::load(prefix.root());
    view.m_environment = WindowsEnvironment::forWine(environment, view.m_registry, true);
    view.readDrives();
    return view;
}

WindowsView WindowsView::forFile(std::string_view path, const Environment &environment)
{
    if (!path.empty() && !isWindowsPath(path) && !isUncPath(path)) {
        if (auto prefix = WinePrefix::containing(std::filesystem::path(path)))
            return forPrefix(*prefix, environment);
    }
    return open(environment);
}

WindowsView WindowsView::withoutPrefix(const Environment &environment)
{
    WindowsView view;
    view.m_environment = WindowsEnvironment::forWine(environment, view.m_registry, false);
    view.m_drives['z' - 'a'] = { true, fs::path("/"), DriveTypeCode::Fixed };
    if (auto tmp = environment.find("TMPDIR"); tmp != environment.end() && !tmp->second.empty())
        view.m_hostTemp = tmp->second;
    return view;
}

void WindowsView::readDrives()
{
    std::error_code error;
    for (int i = 0; i < 26; ++i) {
        std::string name { static_cast<char>('a' + i), ':' };
        fs::path link = m_prefix->dosDevices() / name;
        if (!fs::exists(fs::symlink_status(link, error)))
            continue;
        Drive &drive = m_drives[i];
        drive.isPresent = true;
        drive.root = link;
        if (!fs::is_directory(link, error)) {
            drive.type = DriveTypeCode::Unavailable;
            continue;
        }
        std::optional<std::string> wineType;
        try {
            wineType = m_registry.readString(RegistryRoot::LocalMachine, kWineDrivesKey, name);
        } catch (const RegistryError &) {
            // A drive type of the wrong kind is ignored, as Wine's mount manager ignores it.
        }
        drive.type = typeFromWineName(wineType.value_or(""), i);
    }
}

const WindowsView::Drive *WindowsView::drive(char letter) const
{
    int index = driveIndex(letter);
    if (index < 0 || !m_drives[index].isPresent)
        return nullptr;
    return &m_drives[index];
}

std::optional<fs::path> WindowsView::hostPath(std::string_view path) const
{
    fs::path current;
    if (isUncPath(path)) {
        // Wine reaches \\server\share through dosdevices/unc/server/share.
        if (!m_prefix)
            return std::nullopt;
        current = m_prefix->dosDevices() / "unc";
        path.remove_prefix(2);
    } else if (isWindowsPath(path)) {
        const Drive *root = drive(path[0]);
        if (!root)
            return std::nullopt;
        current = root->root;
        path.remove_prefix(2);
    } else {
        return fs::path(path);
    }
    bool isFound = true;
    for (const std::string &part : windowsPathParts(path))
        current = isFound ? matchPart(current, part, isFound) : current / part;
    return current;
}

std::optional<std::string> WindowsView::windowsPath(const fs::path &hostPath) const
{
    std::error_code error;
    fs::path full = fs::weakly_canonical(fs::absolute(hostPath, error), error);
    if (error)
        return std::nullopt;
    int best = -1;
    std::size_t bestLength = 0;
    fs::path bestRest;
    for (int i = 0; i < 26; ++i) {
        if (!m_drives[i].isPresent || m_drives[i].type == DriveTypeCode::Unavailable)
            continue;
        fs::path root = fs::canonical(m_drives[i].root, error);
        if (error)
            continue;
        auto [rootEnd, fullEnd] = std::mismatch(root.begin(), root.end(), full.begin(), full.end());
        std::size_t length = std::distance(root.begin(), root.end());
        if (rootEnd != root.end() || (best >= 0 && length <= bestLength))
            continue;
        best = i;
        bestLength = length;
        bestRest.clear();
        for (auto it = fullEnd; it != full.end(); ++it)
            bestRest /= *it;
    }
    if (best < 0)
        return std::nullopt;
    std::string result { static_cast<char>('A' + best), ':', '\\' };
    for (const fs::path &part : bestRest) {
        if (part.empty())
            continue;
        if (result.back() != '\\')
            result += '\\';
        result += part.string();
    }
    return result;
}

bool WindowsView::fileExists(std::string_view path) const
{
    if (path.empty())
        return false;
    auto host = hostPath(path);
    std::error_code error;
    return host && fs::is_regular_file(*host, error);
}

bool WindowsView::pathExists(std::string_view path) const
{
    if (path.empty())
        return false;
    auto host = hostPath(path);
    std::error_code error;
    return host && fs::exists(*host, error);
}

bool WindowsView::directoryExists(std::string_view path) const
{
    if (path.empty())
        return false;
    auto host = hostPath(path);
    std::error_code error;
    return host && fs::is_directory(*host, error);
}

std::string WindowsView::windowsFolder() const
{
    return hasPrefix() && directoryExists("C:\\windows") ? "C:\\windows" : "";
}

std::string WindowsView::systemFolder() const
{
    return windowsFolder().empty() ? "" : "C:\\windows\\system32";
}

std::string WindowsView::tempFolder() const
{
    std::string folder;
    if (hasPrefix()) {
        folder = m_environment.value("TEMP").value_or("");
        if (folder.empty())
            folder = m_environment.value("TMP").value_or("");
        if (folder.empty())
            folder = windowsFolder();
    }
    if (folder.empty())
        folder =
            windowsPath(m_hostTemp.empty() ? fs::path("/tmp") : fs::path(m_hostTemp)).value_or("");
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::uint32_t WindowsView::driveMask() const
{
    std::uint32_t mask = 0;
    for (int i = 0; i < 26; ++i) {
        if (m_drives[i].isPresent)
            mask |= 1u << i;
    }
    return mask;
}

DriveTypeCode WindowsView::driveType(char letter) const
{
    const Drive *found = drive(letter);
    return found ? found->type : DriveTypeCode::Unavailable;
}

std::string WindowsView::displayName(char letter) const
{
    return displayText(letter).english();
}

LocalText WindowsView::displayText(char letter) const
{
    const Drive *found = drive(letter);
    if (!found)
        return {};
    const std::string label = firstLineTrimmed(found->root / ".windows-label");
    const std::string upper(1, static_cast<char>('A' + driveIndex(letter)));
    if (label.empty())
        return LocalText(
            "torvex::WindowsView", QT_TRANSLATE_NOOP("torvex::WindowsView", "Local Disk (%1:)"))
            .arg(upper);
    return LocalText::verbatim(label + " (" + upper + ":)");
}

std::string WindowsView::currentDirectory() const
{
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error ? std::string() : windowsPath(current).value_or("");
}

} // namespace torvex
