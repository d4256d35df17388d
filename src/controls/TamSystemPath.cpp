#include "controls/TamSystemPath.h"

#include "platform/RegistryView.h"
#include "platform/WindowsView.h"

#include <utility>

namespace torvex {

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

using Source = std::pair<std::string_view, TamProperty>;

// The shell folder values, in the order they are read.
constexpr std::array<Source, 20> kShellFolders = { {
    { "AppData", TamProperty::AppData },
    { "Cache", TamProperty::Cache },
    { "Cookies", TamProperty::Cookies },
    { "DeskTop", TamProperty::DeskTop },
    { "Favorites", TamProperty::Favorites },
    { "Fonts", TamProperty::Fonts },
    { "History", TamProperty::History },
    { "NetHood", TamProperty::NetHood },
    { "Personal", TamProperty::Personal },
    { "PrintHood", TamProperty::PrintHood },
    { "Programs", TamProperty::Programs },
    { "Recent", TamProperty::Recent },
    { "SendTo", TamProperty::SendTo },
    { "Start Menu", TamProperty::StartMenu },
    { "StartUp", TamProperty::StartUp },
    { "Templates", TamProperty::Templates },
    { "My Pictures", TamProperty::MyPictures },
    { "Local Settings", TamProperty::LocalSettings },
    { "Local AppData", TamProperty::LocalAppData },
    { "Content", TamProperty::Content },
} };

// The current-version values, in the order they are read.
constexpr std::array<Source, 8> kCurrentVersion = { {
    { "CommonFilesDir", TamProperty::CommonFiles },
    { "ConfigPath", TamProperty::Config },
    { "DevicePath", TamProperty::Device },
    { "MediaPath", TamProperty::Media },
    { "OtherDevicePath", TamProperty::OtherDevice },
    { "ProgramFilesPath", TamProperty::ProgramFiles },
    { "SystemRoot", TamProperty::SystemRoot },
    { "WallPaperDir", TamProperty::WallPaper },
} };

template <std::size_t N>
void readGroup(std::array<std::string, kTamPropertyCount> &values,
    const RegistryView &registry,
    RegistryRoot root,
    std::string_view key,
    const std::array<Source, N> &sources,
    const EnvironmentLookup &environment)
{
    if (!registry.canOpenKey(root, key, KeyAccess::Full))
        return;
    for (const auto &[name, property] : sources) {
        std::string text = registry.readString(root, key, name).value_or("");
        values[static_cast<std::size_t>(property)] = expandOneReference(text, environment);
    }
}

} // namespace

std::string expandOneReference(std::string_view text, const EnvironmentLookup &environment)
{
    if (text.empty())
        return {};
    std::size_t opening = 0;
    std::size_t closing = 0;
    int signs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        ++signs;
        (signs % 2 == 1 ? opening : closing) = i + 1;
    }
    if (!(closing > opening && opening > 0))
        return std::string(text);
    auto name = text.substr(opening, closing - opening - 1);
    auto value = environment ? environment(name) : std::nullopt;
    if (!value || value->empty())
        return std::string(text);
    return std::string(text.substr(0, opening - 1)) + *value + std::string(text.substr(closing));
}

TTamSystemPath::TTamSystemPath(const RegistryView &registry,
    const EnvironmentLookup &environment,
    const SystemFolders &folders)
{
    m_values[static_cast<std::size_t>(TamProperty::Windows)] = folders.windows;
    m_values[static_cast<std::size_t>(TamProperty::System)] = folders.system;
    m_values[static_cast<std::size_t>(TamProperty::Temp)] = folders.temp;
    readGroup(m_values,
        registry,
        RegistryRoot::CurrentUser,
        kShellFoldersKey,
        kShellFolders,
        environment);
    readGroup(m_values,
        registry,
        RegistryRoot::LocalMachine,
        kCurrentVersionKey,
        kCurrentVersion,
        environment);
    m_values[static_cast<std::size_t>(TamProperty::ComponentVersion)] = "4.00.00.00";
}

TTamSystemPath::TTamSystemPath(const WindowsView &view)
    : TTamSystemPath(
        view.registry(),
        [&view](std::string_view name) {
            return view.environment().value(name);
        },
        SystemFolders { view.windowsFolder(), view.systemFolder(), view.tempFolder() })
{ }

const std::string &TTamSystemPath::property(TamProperty which) const
{
    return m_values.at(static_cast<std::size_t>(which));
}

void TTamSystemPath::setProperty(TamProperty, std::string_view)
{
    // Every property is read-only; the shared write accepts a value and drops it.
}

} // namespace torvex
