#pragma once

#include "platform/DriveSource.h"
#include "platform/WindowsEnvironment.h"
#include "platform/WinePrefix.h"
#include "platform/WineRegistry.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// The machine as a Windows program running in a Wine prefix sees it: the registry, the
// drives, Windows paths and the system folders. Without a prefix the machine has one fixed
// drive Z: on "/", an empty registry and no Windows folder.
class WindowsView : public DriveSource
{
public:
    // The view of the prefix Wine would use for `environment` (see WinePrefix::locate).
    static WindowsView open(const Environment &environment);

    // The view of the given prefix; `environment` is the host environment.
    static WindowsView forPrefix(const WinePrefix &prefix, const Environment &environment);

    // The view for a wincmd.ini at `path`: the prefix a host path lies in
    // (WinePrefix::containing), else the one Wine would use for `environment` (open). A
    // Windows path names no folder of its own, so it gets the latter.
    static WindowsView forFile(std::string_view path, const Environment &environment);

    // The view without a Wine prefix.
    static WindowsView withoutPrefix(const Environment &environment);

    bool hasPrefix() const { return m_prefix.has_value(); }
    const std::optional<WinePrefix> &prefix() const { return m_prefix; }
    const RegistryView &registry() const { return m_registry; }
    const WindowsEnvironment &environment() const { return m_environment; }
    // What could not be read of the prefix (a hive that was refused), one line each.
    const std::vector<std::string> &problems() const { return m_registry.problems(); }

    // The host path of `path`. A Windows path ("X:\..." or "X:/...", "X:" alone is the root)
    // maps to the drive's host folder, each part matched without regard to case where the
    // exact name is missing; "." and ".." parts are resolved first. A network path
    // ("\\server\share\...") maps to the prefix's dosdevices/unc folder, as under Wine. Any
    // other path is a host path and is returned as it is. Nothing for a Windows path on a
    // drive that is missing, or a network path without a prefix.
    std::optional<std::filesystem::path> hostPath(std::string_view path) const;

    // The Windows path of a host path (relative to the current folder when relative): the
    // drive whose host folder holds it most closely, then the rest with backslashes.
    // Nothing when no drive holds it.
    std::optional<std::string> windowsPath(const std::filesystem::path &hostPath) const;

    // True when `path` (Windows or host) names a regular file or a symbolic link to one; a
    // folder, FIFO, device or socket is not a file.
    bool fileExists(std::string_view path) const;

    // True when something (of any kind, symbolic links followed) exists at `path`.
    bool pathExists(std::string_view path) const;

    // True when `path` (Windows or host) names an existing folder.
    bool directoryExists(std::string_view path) const;

    // "C:\windows" when that folder exists, else "".
    std::string windowsFolder() const;

    // "C:\windows\system32" when the Windows folder exists, else "".
    std::string systemFolder() const;

    // The folder for temporary files, ending in a backslash: the expanded TEMP (or TMP) of
    // the Windows environment, else the Windows folder, else the host's temporary folder.
    std::string tempFolder() const;

    // DriveSource
    std::uint32_t driveMask() const override;
    DriveTypeCode driveType(char letter) const override;
    std::string displayName(char letter) const override;
    LocalText displayText(char letter) const override;
    std::string currentDirectory() const override;

private:
    struct Drive
    {
        bool isPresent = false;
        std::filesystem::path root; // the dosdevices link itself, or "/" without a prefix
        DriveTypeCode type = DriveTypeCode::Unavailable;
    };

    WindowsView() = default;
    void readDrives();
    const Drive *drive(char letter) const;

    std::optional<WinePrefix> m_prefix;
    WineRegistry m_registry;
    WindowsEnvironment m_environment;
    std::array<Drive, 26> m_drives;
    std::string m_hostTemp;
};

} // namespace torvex
