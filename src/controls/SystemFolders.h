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

    const std::string &AppData() const { return property(FolderProperty::AppData); }
    const std::string &Cache() const { return property(FolderProperty::Cache); }
    const std::string &Cookies() const { return property(FolderProperty::Cookies); }
    const std::string &DeskTop() const { return property(FolderProperty::DeskTop); }
    const std::string &Favorites() const { return property(FolderProperty::Favorites); }
    const std::string &Fonts() const { return property(FolderProperty::Fonts); }
    const std::string &History() const { return property(FolderProperty::History); }
    const std::string &NetHood() const { return property(FolderProperty::NetHood); }
    const std::string &Personal() const { return property(FolderProperty::Personal); }
    const std::string &PrintHood() const { return property(FolderProperty::PrintHood); }
    const std::string &Programs() const { return property(FolderProperty::Programs); }
    const std::string &Recent() const { return property(FolderProperty::Recent); }
    const std::string &SendTo() const { return property(FolderProperty::SendTo); }
    const std::string &StartMenu() const { return property(FolderProperty::StartMenu); }
    const std::string &StartUp() const { return property(FolderProperty::StartUp); }
    const std::string &Templates() const { return property(FolderProperty::Templates); }
    const std::string &Windows() const { return property(FolderProperty::Windows); }
    const std::string &System() const { return property(FolderProperty::System); }
    const std::string &Temp() const { return property(FolderProperty::Temp); }
    const std::string &CommonFiles() const { return property(FolderProperty::CommonFiles); }
    const std::string &Config() const { return property(FolderProperty::Config); }
    const std::string &Device() const { return property(FolderProperty::Device); }
    const std::string &Media() const { return property(FolderProperty::Media); }
    const std::string &OtherDevice() const { return property(FolderProperty::OtherDevice); }
    const std::string &ProgramFiles() const { return property(FolderProperty::ProgramFiles); }
    const std::string &SystemRoot() const { return property(FolderProperty::SystemRoot); }
    const std::string &WallPaper() const { return property(FolderProperty::WallPaper); }
    const std::string &ComponentVersion() const
    {
        return property(FolderProperty::ComponentVersion);
    }
    const std::string &MyPictures() const { return property(FolderProperty::MyPictures); }
    const std::string &LocalSettings() const { return property(FolderProperty::LocalSettings); }
    const std::string &LocalAppData() const { return property(FolderProperty::LocalAppData); }
    const std::string &Content() const { return property(FolderProperty::Content); }

private:
    std::array<std::string, kFolderPropertyCount> m_values;
};

} // namespace torvex
