#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace torvex {

class RegistryView;
class WindowsEnvironment;
class WindowsView;

// The candidate paths of wincmd.ini found at start: slot 1 from the current user's key of the
// file manager, 2 from the machine's key, 3 in the Windows folder, 4 the first argument.
struct IniCandidates
{
    std::array<std::string, 4> slots; // slot n at index n - 1
    int candidateCount = 0;

    // The path in `slot` (1 to 4); "" for an empty slot. Throws std::out_of_range otherwise.
    const std::string &slot(int n) const { return slots.at(n - 1); }
};

// The path a registry key of the file manager names: "InstallDir" (a backslash appended when
// missing) followed by "IniFileName" (one leading dot dropped). "" when the key cannot be
// opened or either value is missing or empty. Throws RegistryError for a non-string value.
std::string registryIniPath(const RegistryView &registry, bool isMachine);

// The path a registry key of the file manager names where its "IniFileName" stands on its
// own: a full Windows path (a drive letter, "\\server\share") or one that holds %VARIABLES%,
// expanded through `environment` with COMMANDER_PATH set to "InstallDir" (without its
// trailing backslash), as the file manager expands it. "" for a bare name (which only
// registryIniPath's joining gives), a key that cannot be opened or a missing value. Throws
// RegistryError for a non-string value.
std::string standaloneRegistryIniPath(
    const RegistryView &registry, const WindowsEnvironment &environment, bool isMachine);

// Fills the four slots, empties every slot for which `fileExists` is false, removes duplicates
// (exact, case-sensitive texts: 2 against 1; 3 against 1, then 2; 4 against 1, 2, then 3)
// and counts the rest. `windowsFolder` "" leaves slot 3 empty; `firstArgument` is used
// unchanged. With an `environment`, a registry slot that the joined path left empty takes
// the standalone path of its key (standaloneRegistryIniPath) when that file exists: it only
// adds what the joining missed. Throws RegistryError from the registry reads.
IniCandidates locateIniFiles(const RegistryView &registry,
    std::string_view windowsFolder,
    std::string_view firstArgument,
    const std::function<bool(std::string_view)> &fileExists,
    const WindowsEnvironment *environment = nullptr);

// The same over a Windows view (its registry and its Windows environment), with the Windows
// folder that the system folder component reports (`windowsFolder`). A slot counts only when it
// names a regular file or a symbolic link to one (WindowsView::fileExists): a folder, FIFO, device
// or socket is no candidate.
IniCandidates locateIniFiles(
    const WindowsView &view, std::string_view windowsFolder, std::string_view firstArgument);

} // namespace torvex
