#pragma once

#include "platform/RegistryHive.h"
#include "platform/RegistryView.h"

#include <filesystem>

namespace torvex {

// The registry of a Wine prefix: user.reg is the current user's root, system.reg the
// machine's. Read only; full access is granted wherever a key exists, as Wine grants it to
// the owner of the prefix. On a 64-bit prefix a machine key "Software\X..." that is absent
// is read from "Software\Wow6432Node\X...", where 32-bit installers write their keys.
class WineRegistry : public RegistryView
{
public:
    // An empty registry: no key opens, no value exists.
    WineRegistry() = default;
    WineRegistry(RegistryHive currentUser, RegistryHive localMachine);

    // Loads `prefix`/user.reg and `prefix`/system.reg; a missing file gives an empty root,
    // and so does a hive that is refused (see RegistryHive::load), which problems() names.
    static WineRegistry load(const std::filesystem::path &prefix);

    // One line for each hive that was refused; empty when both were read or missing.
    const std::vector<std::string> &problems() const { return m_problems; }

    bool canOpenKey(RegistryRoot root, std::string_view key, KeyAccess access) const override;
    std::optional<std::string> readString(
        RegistryRoot root, std::string_view key, std::string_view name) const override;

    std::vector<std::string> valueNames(RegistryRoot root, std::string_view key) const override;

    const RegistryHive &hive(RegistryRoot root) const;

private:
    // The key path to look up for `key` under `root`, after the Wow6432Node fallback.
    std::string keyToRead(RegistryRoot root, std::string_view key) const;

    RegistryHive m_currentUser;
    RegistryHive m_localMachine;
    std::vector<std::string> m_problems;
};

// The text of a string value as a program reads it: the text forms as stored, hex(1) and
// hex(2) decoded from UTF-16LE; the result ends at the first NUL. Returns "" for a value
// without data. Throws RegistryError for other types and for malformed data.
std::string stringValueText(const RegistryValue &value, std::string_view name);

} // namespace torvex
