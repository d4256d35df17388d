#pragma once

#include "core/Environment.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace torvex {

// A Wine prefix: the folder holding user.reg, system.reg, dosdevices/ and drive_c/.
class WinePrefix
{
public:
    explicit WinePrefix(std::filesystem::path root);

    // The prefix Wine would use: $WINEPREFIX when set and not empty, else $HOME/.wine.
    // Returns nothing when that folder does not exist (or neither variable is set).
    static std::optional<WinePrefix> locate(const Environment &environment);

    // True when `folder` holds a system.reg (of whatever kind: a broken one is refused when it
    // is read, not here) and a drive_c folder, the marks of a Wine prefix.
    static bool isPrefixFolder(const std::filesystem::path &folder);

    // The prefix a host file belongs to: the nearest folder above it that is a prefix folder,
    // looked for along the path as written (relative to the current folder) and then along
    // the path with its links resolved. Nothing for a file outside every prefix.
    static std::optional<WinePrefix> containing(const std::filesystem::path &file);

    const std::filesystem::path &root() const { return m_root; }
    // Two prefixes are the same when their roots name the same folder.
    bool isSameFolder(const WinePrefix &other) const;
    std::filesystem::path dosDevices() const { return m_root / "dosdevices"; }

private:
    std::filesystem::path m_root;
};

} // namespace torvex
