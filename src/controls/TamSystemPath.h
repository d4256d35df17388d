#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

class RegistryView;
class WindowsView;

// The 32 text properties of TTamSystemPath, in their declared order.
enum class TamProperty {
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
inline constexpr std::size_t kTamPropertyCount = 32;

// The environment lookup the component uses: the value of a variable, or nothing.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The three folders the operating system reports (Windows, system, temporary).
struct SystemFolders
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
class TTamSystemPath
{
public:
    // Reads, in this order: the Windows, system and temporary folders; the shell folders of
    // the current user (20 values); the current-version key of the machine (8 values).
    // A key that cannot be opened with full access leaves its group empty. Throws
    // RegistryError ("Invalid data type for '%s'", "Failed to get data for '%s'") from the
    // registry; nothing is made then.
    TTamSystemPath(const RegistryView &registry,
        const EnvironmentLookup &environment,
        const SystemFolders &folders);

    // The same over a Windows view: its registry, its Windows environment and its folders.
    explicit TTamSystemPath(const WindowsView &view);

    // The value of a property ("" when its source gave nothing).
    const std::string &property(TamProperty which) const;

    // The write shared by all properties: the value is ignored.
    void setProperty(TamProperty which, std::string_view value);

    const std::string &AppData() const { return property(TamProperty::AppData); }
    const std::string &Cache() const { return property(TamProperty::Cache); }
    const std::string &Cookies() const { return property(TamProperty::Cookies); }
    const std::string &DeskTop() const { return property(TamProperty::DeskTop); }
    const std::string &Favorites() const { return property(TamProperty::Favorites); }
    const std::string &Fonts() const { return property(TamProperty::Fonts); }
    const std::string &History() const { return property(TamProperty::History); }
    const std::string &NetHood() const { return property(TamProperty::NetHood); }
    const std::string &Personal() const { return property(TamProperty::Personal); }
    const std::string &PrintHood() const { return property(TamProperty::PrintHood); }
    const std::string &Programs() const { return property(TamProperty::Programs); }
    const std::string &Recent() const { return property(TamProperty::Recent); }
    const std::string &SendTo() const { return property(TamProperty::SendTo); }
    const std::string &StartMenu() const { return property(TamProperty::StartMenu); }
    const std::string &StartUp() const { return property(TamProperty::StartUp); }
    const std::string &Templates() const { return property(TamProperty::Templates); }
    const std::string &Windows() const { return property(TamProperty::Windows); }
    const std::string &System() const { return property(TamProperty::System); }
    const std::string &Temp() const { return property(TamProperty::Temp); }
    const std::string &CommonFiles() const { return property(TamProperty::CommonFiles); }
    const std::string &Config() const { return property(TamProperty::Config); }
    const std::string &Device() const { return property(TamProperty::Device); }
    const std::string &Media() const { return property(TamProperty::Media); }
    const std::string &OtherDevice() const { return property(TamProperty::OtherDevice); }
    const std::string &ProgramFiles() const { return property(TamProperty::ProgramFiles); }
    const std::string &SystemRoot() const { return property(TamProperty::SystemRoot); }
    const std::string &WallPaper() const { return property(TamProperty::WallPaper); }
    const std::string &ComponentVersion() const { return property(TamProperty::ComponentVersion); }
    const std::string &MyPictures() const { return property(TamProperty::MyPictures); }
    const std::string &LocalSettings() const { return property(TamProperty::LocalSettings); }
    const std::string &LocalAppData() const { return property(TamProperty::LocalAppData); }
    const std::string &Content() const { return property(TamProperty::Content); }

private:
    std::array<std::string, kTamPropertyCount> m_values;
};

} // namespace torvex
