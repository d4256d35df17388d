#include "platform/WindowsEnvironment.h"

#include "core/Text.h"
#include "platform/RegistryError.h"
#include "platform/RegistryView.h"

#include <array>

namespace torvex {

namespace {

constexpr std::string_view kMachineEnvironmentKey =
    "System\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr std::string_view kUserEnvironmentKey = "Environment";
constexpr std::string_view kProfileListKey =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

// Wine's own variables and the registry values they come from; a later source that is set
// wins, so a 32-bit program on a 64-bit prefix sees the "(x86)" folders, as under Wine.
struct RegistrySource
{
    std::string_view variable;
    std::string_view key;
    std::string_view valueName;
};

constexpr std::array<RegistrySource, 8> kWineFolders = { {
    { "ProgramData", kProfileListKey, "ProgramData" },
    { "ALLUSERSPROFILE", kProfileListKey, "ProgramData" },
    { "PUBLIC", kProfileListKey, "Public" },
    { "ProgramW6432", kCurrentVersionKey, "ProgramFilesDir" },
    { "ProgramFiles", kCurrentVersionKey, "ProgramFilesDir" },
    { "ProgramFiles", kCurrentVersionKey, "ProgramFilesDir (x86)" },
    { "CommonProgramFiles", kCurrentVersionKey, "CommonFilesDir" },
    { "CommonProgramFiles", kCurrentVersionKey, "CommonFilesDir (x86)" },
} };

// The environment values of the registry are only ever read as strings; a value of another
// type is skipped, as Wine skips it.
std::optional<std::string> readQuietly(
    const RegistryView &registry, RegistryRoot root, std::string_view key, std::string_view name)
{
    try {
        return registry.readString(root, key, name);
    } catch (const RegistryError &) {
        return std::nullopt;
    }
}

} // namespace

void WindowsEnvironment::set(std::string_view name, std::string value)
{
    m_values[asciiLower(name)] = std::move(value);
}

std::optional<std::string> WindowsEnvironment::value(std::string_view name) const
{
    auto it = m_values.find(asciiLower(name));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::string WindowsEnvironment::expand(std::string_view text) const
{
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto open = text.find('%', pos);
        auto close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        auto name = text.substr(open + 1, close - open - 1);
        auto found = name.empty() ? std::nullopt : value(name);
        if (found && !found->empty()) {
            out += *found;
            pos = close + 1;
        } else {
            // The closing sign may open the next reference.
            out += text.substr(open, close - open);
            pos = close;
        }
    }
    return out;
}

WindowsEnvironment WindowsEnvironment::forWine(
    const Environment &host, const RegistryView &registry, bool hasPrefix)
{
    WindowsEnvironment env;
    for (const auto &[name, value] : host) {
        if (hasPrefix
            && (equalsNoCase(name, "PATH") || equalsNoCase(name, "PWD")
                || equalsNoCase(name, "HOME") || equalsNoCase(name, "TEMP")
                || equalsNoCase(name, "TMP")))
            continue;
        env.set(name, value);
    }
    if (!hasPrefix)
        return env;
    env.set("SystemRoot", "C:\\windows");
    env.set("windir", "C:\\windows");
    env.set("SystemDrive", "C:");
    auto user = host.find("USER");
    std::string userName = user != host.end() ? user->second : "wine";
    env.set("USERNAME", userName);
    for (const auto &source : kWineFolders) {
        auto text = readQuietly(registry, RegistryRoot::LocalMachine, source.key, source.valueName);
        if (text && !text->empty())
            env.set(source.variable, env.expand(*text));
    }
    auto profiles =
        readQuietly(registry, RegistryRoot::LocalMachine, kProfileListKey, "ProfilesDirectory");
    std::string profile = env.expand(profiles.value_or("C:\\users")) + "\\" + userName;
    env.set("USERPROFILE", profile);
    env.set("APPDATA", profile + "\\AppData\\Roaming");
    env.set("LOCALAPPDATA", profile + "\\AppData\\Local");
    for (auto [root, key] : { std::pair { RegistryRoot::LocalMachine, kMachineEnvironmentKey },
             std::pair { RegistryRoot::CurrentUser, kUserEnvironmentKey } }) {
        for (const std::string &name : registry.valueNames(root, key)) {
            auto text = readQuietly(registry, root, key, name);
            if (text && !text->empty())
                env.set(name, env.expand(*text));
        }
    }
    return env;
}

} // namespace torvex
