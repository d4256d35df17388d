#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

class RegistryView;
class WindowsView;

// The 32 text properties of SystemFolders, in their declared order.
enum class FolderProperty {
    AppData,
    Cache,
    Cookies,
    DeskTop,
    Favorites,
    Fonts,
    History,
    NetHood,
    Personal,
    PrintHood,
    Programs,
    Recent,
    SendTo,
    StartMenu,
    StartUp,
    Templates,
    Windows,
    System,
    Temp,
    CommonFiles,
    Config,
    Device,
    Media,
    OtherDevice,
    ProgramFiles,
    SystemRoot,
    WallPaper,
    ComponentVersion,
    MyPictures,
    LocalSettings,
    LocalAppData,
    Content,
};
inline constexpr std::size_t kFolderPropertyCount = 32;

// The environment lookup the component uses: the value of a variable, or nothing.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The three folders the operating system reports (Windows, system, temporary).
struct OsFolders
{
    std::string windows;
    std::string system;
    std::string temp;
};

// Expands at most one %NAME% reference: the odd-numbered percent signs mark the opening and
// the even-numbered ones the closing position (later signs win); only when 0 < opening <
// closing is the name between them looked up, and only a non-empty value replaces the
// reference. An odd number of signs, an empty name or an unset variable leave the text as
// it is; the inserted value is not scanned again.
std::string expandOneReference(std::string_view text, const EnvironmentLookup &environment);

// The paths of the Windows system folders and of the user's shell folders, collected once
// when the component is made. Writes are accepted and ignored.
class SystemFolders
{
public:
    // Reads, in this order: the Windows, system and temporary folders; the shell folders of
    // the current user (20 values); the current-version key of the machine (8 values).
    // A key that cannot be opened with full access leaves its group empty. Throws
    // RegistryError ("Invalid data type for '%s'", "Failed to get data for '%s'") from the
    // registry; nothing is made then.
    SystemFolders(const RegistryView &registry,
        const EnvironmentLookup &environment,
        const OsFolders &folders);

    // The same over a Windows view: its registry, its Windows environment and its folders.
    explicit SystemFolders(const WindowsView &view);

    // The value of a property ("" when its source gave nothing).
    const std::string &property(FolderProperty which) const;

    // The write shared by all properties: the value is ignored.
    void setProperty(FolderProperty which, std::string_view value);

    const std::string &appData() const { return property(FolderProperty::AppData); }
    const std::string &cache() const { return property(FolderProperty::Cache); }
    const std::string &cookies() const { return property(FolderProperty::Cookies); }
    const std::string &deskTop() const { return property(FolderProperty::DeskTop); }
    const std::string &favorites() const { return property(FolderProperty::Favorites); }
    const std::string &fonts() const { return property(FolderProperty::Fonts); }
    const std::string &history() const { return property(FolderProperty::History); }
    const std::string &netHood() const { return property(FolderProperty::NetHood); }
    const std::string &personal() const { return property(FolderProperty::Personal); }
    const std::string &printHood() const { return property(FolderProperty::PrintHood); }
    const std::string &programs() const { return property(FolderProperty::Programs); }
    const std::string &recent() const { return property(FolderProperty::Recent); }
    const std::string &sendTo() const { return property(FolderProperty::SendTo); }
    const std::string &startMenu() const { return property(FolderProperty::StartMenu); }
    const std::string &startUp() const { return property(FolderProperty::StartUp); }
    const std::string &templates() const { return property(FolderProperty::Templates); }
    const std::string &windows() const { return property(FolderProperty::Windows); }
    const std::string &system() const { return property(FolderProperty::System); }
    const std::string &temp() const { return property(FolderProperty::Temp); }
    const std::string &commonFiles() const { return property(FolderProperty::CommonFiles); }
    const std::string &config() const { return property(FolderProperty::Config); }
    const std::string &device() const { return property(FolderProperty::Device); }
    const std::string &media() const { return property(FolderProperty::Media); }
    const std::string &otherDevice() const { return property(FolderProperty::OtherDevice); }
    const std::string &programFiles() const { return property(FolderProperty::ProgramFiles); }
    const std::string &systemRoot() const { return property(FolderProperty::SystemRoot); }
    const std::string &wallPaper() const { return property(FolderProperty::WallPaper); }
    const std::string &componentVersion() const
    {
        return property(FolderProperty::ComponentVersion);
    }
    const std::string &myPictures() const { return property(FolderProperty::MyPictures); }
    const std::string &localSettings() const { return property(FolderProperty::LocalSettings); }
    const std::string &localAppData() const { return property(FolderProperty::LocalAppData); }
    const std::string &content() const { return property(FolderProperty::Content); }

private:
    std::array<std::string, kFolderPropertyCount> m_values;
};

} // namespace torvex
