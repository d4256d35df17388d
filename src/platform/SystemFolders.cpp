#include "platform/SystemFolders.h"

#include "platform/RegistryView.h"
#include "platform/WindowsView.h"

#include <utility>

namespace torvex {

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

using Source = std::pair<std::string_view, FolderProperty>;

// The shell folder values, in the order they are read.
constexpr std::array<Source, 20> kShellFolders = { {
    { "AppData", FolderProperty::AppData },
    { "Cache", FolderProperty::Cache },
    { "Cookies", FolderProperty::Cookies },
    { "DeskTop", FolderProperty::DeskTop },
    { "Favorites", FolderProperty::Favorites },
    { "Fonts", FolderProperty::Fonts },
    { "History", FolderProperty::History },
    { "NetHood", FolderProperty::NetHood },
    { "Personal", FolderProperty::Personal },
    { "PrintHood", FolderProperty::PrintHood },
    { "Programs", FolderProperty::Programs },
    { "Recent", FolderProperty::Recent },
    { "SendTo", FolderProperty::SendTo },
    { "Start Menu", FolderProperty::StartMenu },
    { "StartUp", FolderProperty::StartUp },
    { "Templates", FolderProperty::Templates },
    { "My Pictures", FolderProperty::MyPictures },
    { "Local Settings", FolderProperty::LocalSettings },
    { "Local AppData", FolderProperty::LocalAppData },
    { "Content", FolderProperty::Content },
} };

// The current-version values, in the order they are read.
constexpr std::array<Source, 8> kCurrentVersion = { {
    { "CommonFilesDir", FolderProperty::CommonFiles },
    { "ConfigPath", FolderProperty::Config },
    { "DevicePath", FolderProperty::Device },
    { "MediaPath", FolderProperty::Media },
    { "OtherDevicePath", FolderProperty::OtherDevice },
    { "ProgramFilesPath", FolderProperty::ProgramFiles },
    { "SystemRoot", FolderProperty::SystemRoot },
    { "WallPaperDir", FolderProperty::WallPaper },
} };

template <std::size_t N>
void readGroup(std::array<std::string, kFolderPropertyCount> &values,
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

SystemFolders::SystemFolders(
    const RegistryView &registry, const EnvironmentLookup &environment, const OsFolders &folders)
{
    m_values[static_cast<std::size_t>(FolderProperty::Windows)] = folders.windows;
    m_values[static_cast<std::size_t>(FolderProperty::System)] = folders.system;
    m_values[static_cast<std::size_t>(FolderProperty::Temp)] = folders.temp;
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
    m_values[static_cast<std::size_t>(FolderProperty::ComponentVersion)] = "4.00.00.00";
}

SystemFolders::SystemFolders(const WindowsView &view)
    : SystemFolders(
        view.registry(),
        [&view](std::string_view name) {
            return view.environment().value(name);
        },
        OsFolders { view.windowsFolder(), view.systemFolder(), view.tempFolder() })
{ }

const std::string &SystemFolders::property(FolderProperty which) const
{
    return m_values.at(static_cast<std::size_t>(which));
}

void SystemFolders::setProperty(FolderProperty, std::string_view)
{
    // Every property is read-only; the shared write accepts a value and drops it.
}

} // namespace torvex
