#include "platform/WineRegistry.h"

#include "core/Text.h"
#include "platform/RegistryError.h"
#include "platform/WinText.h"

namespace torvex {

namespace {

std::string upToNul(std::string text)
{
    if (auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

std::string decodeUtf16Data(const std::vector<std::uint8_t> &data)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    return utf16ToUtf8(units);
}

constexpr std::string_view kSoftwarePrefix = "software\\";
constexpr std::string_view kWow64Prefix = "software\\wow6432node\\";

} // namespace

std::string stringValueText(const RegistryValue &value, std::string_view name)
{
    // A text form always carries its terminating NUL, so only hex data can be empty.
    if (!value.isTextForm && value.data.empty())
        return {};
    if (value.type != RegType::String && value.type != RegType::ExpandString)
        throw RegistryError(kInvalidDataTypeMessage, name);
    return upToNul(value.isTextForm ? value.text : decodeUtf16Data(value.data));
}

WineRegistry::WineRegistry(RegistryHive currentUser, RegistryHive localMachine)
    : m_currentUser(std::move(currentUser))
    , m_localMachine(std::move(localMachine))
{ }

WineRegistry WineRegistry::load(const std::filesystem::path &prefix)
{
    std::string userProblem;
    std::string machineProblem;
    WineRegistry registry(RegistryHive::load(prefix / "user.reg", &userProblem),
        RegistryHive::load(prefix / "system.reg", &machineProblem));
    for (std::string *problem : { &userProblem, &machineProblem })
        if (!problem->empty())
            registry.m_problems.push_back(std::move(*problem));
    return registry;
}

const RegistryHive &WineRegistry::hive(RegistryRoot root) const
{
    return root == RegistryRoot::CurrentUser ? m_currentUser : m_localMachine;
}

std::string WineRegistry::keyToRead(RegistryRoot root, std::string_view key) const
{
    while (key.starts_with('\\'))
        key.remove_prefix(1);
    std::string path(key);
    if (root != RegistryRoot::LocalMachine || !m_localMachine.isWin64())
        return path;
    const std::string lower = asciiLower(path) + '\\';
    if (!lower.starts_with(kSoftwarePrefix) || lower == kSoftwarePrefix
        || lower.starts_with(kWow64Prefix) || m_localMachine.hasKey(path))
        return path;
    return path.insert(kSoftwarePrefix.size(), "Wow6432Node\\");
}

bool WineRegistry::canOpenKey(RegistryRoot root, std::string_view key, KeyAccess) const
{
    return hive(root).keyCount() > 0 && hive(root).hasKey(keyToRead(root, key));
}

std::optional<std::string> WineRegistry::readString(
    RegistryRoot root, std::string_view key, std::string_view name) const
{
    const RegistryValue *value = hive(root).value(keyToRead(root, key), name);
    if (!value)
        return std::nullopt;
    return stringValueText(*value, name);
}

std::vector<std::string> WineRegistry::valueNames(RegistryRoot root, std::string_view key) const
{
    return hive(root).valueNames(keyToRead(root, key));
}

} // namespace torvex
