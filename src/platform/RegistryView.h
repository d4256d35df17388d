#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// The two registry roots the program reads.
enum class RegistryRoot {
    CurrentUser,
    LocalMachine,
};

// The access a key is opened with. Full access may be refused where reading is allowed.
enum class KeyAccess {
    Read,
    Full,
};

// Read-only view of the registry. Key paths are relative to the root, with backslashes
// between the parts; key and value names match without regard to case.
class RegistryView
{
public:
    virtual ~RegistryView() = default;

    // True when the key exists and may be opened with `access`.
    virtual bool canOpenKey(RegistryRoot root, std::string_view key, KeyAccess access) const = 0;

    // The text of a string or expandable string value, up to its first NUL (not expanded).
    // Returns nothing when the key or the value is missing, and "" when the value holds no
    // data. Throws RegistryError "Invalid data type for '%s'" for a value of another type and
    // "Failed to get data for '%s'" when its data cannot be fetched.
    virtual std::optional<std::string> readString(
        RegistryRoot root, std::string_view key, std::string_view name) const = 0;

    // The names of the key's values (their letter case may differ from the stored one);
    // empty when the key is missing or the registry cannot list them.
    virtual std::vector<std::string> valueNames(
        RegistryRoot /*root*/, std::string_view /*key*/) const
    {
        return {};
    }
};

} // namespace torvex
