#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace torvex {

// A process environment, by variable name (case as given).
using Environment = std::map<std::string, std::string>;

// The environment of this process.
Environment processEnvironment();

// A Wine prefix: the folder holding user.reg, system.reg, dosdevices/ and drive_c/.
class WinePrefix
{
public:
    explicit WinePrefix(std::filesystem::path root);

    // The prefix Wine would use: $WINEPREFIX when set and not empty, else $HOME/.wine.
    // Returns nothing when that folder does not exist (or neither variable is set).
    static std::optional<WinePrefix> locate(const Environment &environment);

    const std::filesystem::path &root() const { return m_root; }
    std::filesystem::path dosDevices() const { return m_root / "dosdevices"; }

private:
    std::filesystem::path m_root;
};

} // namespace torvex
