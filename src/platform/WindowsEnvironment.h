#pragma once

#include "platform/WinePrefix.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

class RegistryView;

// The environment a Windows program sees: names match without regard to case.
class WindowsEnvironment
{
public:
    WindowsEnvironment() = default;

    // The environment of a program started in a Wine prefix: the host environment (without
    // PATH, PWD, HOME, TEMP and TMP, which Wine keeps for itself), Wine's own folders
    // (SystemRoot, USERPROFILE, ProgramFiles, ...), then every variable of the machine's and
    // then the user's registry environment (the user's win), each expanded. Without a
    // Wine prefix (`hasPrefix` false): the host environment.
    static WindowsEnvironment forWine(
        const Environment &host, const RegistryView &registry, bool hasPrefix);

    // Sets (or replaces) a variable.
    void set(std::string_view name, std::string value);

    // The value of a variable, or nothing when it is not set.
    std::optional<std::string> value(std::string_view name) const;

    // Replaces every %NAME% whose variable is set and not empty, as Windows' expansion of
    // environment strings does; other text, and references to unset variables, stay.
    std::string expand(std::string_view text) const;

private:
    std::map<std::string, std::string> m_values; // by lower-case name
};

} // namespace torvex
