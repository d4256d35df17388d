#pragma once

#include "controls/DrivePanelModel.h"
#include "files/FileSystem.h"
#include "menu/IniFile.h"
#include "menu/IniValues.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

inline constexpr std::string_view settingsFileName = "torvex.ini";
inline constexpr std::string_view mainWindowSection = "form1";
inline constexpr std::string_view optionsSection = "form2";

// The drop-mode buttons in the order of dropMode 0 to 4; their names are also their keys.
inline constexpr std::array<std::string_view, 5> dropModeKeys = {
    "SBut_Add", "SBut_AddFirst", "SBut_AddChild", "SBut_AddChildFirst", "SBut_Insert"
};
inline constexpr int defaultDropMode = 3; // SBut_AddChildFirst

inline constexpr int minimumSplitter = 160;

enum class WindowState { Normal, Maximized, Minimized };

// A window's outer bounds in screen pixels. The defaults are the first-start bounds: wide
// enough that the item editor shows its guidance and the captions whole in the fonts of a
// Linux desktop, and small enough for a 1024 by 768 screen.
struct WindowBounds
{
    int left = 100;
    int top = 100;
    int width = 760;
    int height = 560;
    bool operator==(const WindowBounds &) const = default;
};

// Section form1 as the main window applies it at creation.
struct WindowSettings
{
    bool isMaximized = false;
    WindowBounds bounds; // when isMaximized, the bounds the window returns to
    int splitter = 230; // already raised to minimumSplitter
    int dropMode = defaultDropMode;
    std::string storedDrive = "c"; // VelDrives
};

// What the main window holds at a close request, for section form1.
struct WindowSnapshot
{
    WindowState state = WindowState::Normal;
    WindowBounds bounds;
    int splitter = 230;
    int dropMode = defaultDropMode; // the one drop-mode button that is down
    char drive = '\0'; // the drive panel's Drive; '\0' is written as ""
};

// Section form2: the Options.
struct Options
{
    int32_t backgroundColour = buttonFaceColour; // STextFarve
    int32_t fontColour = windowTextColour; // sTextFontColor
    bool showFixed = true; // CBoxFixed
    bool showRemote = false; // CBoxRemote
    bool showUnavailable = false; // CBoxUnavailable
    bool showRemovable = false; // CBoxRemovable
    bool showCDRom = false; // CBoxCDRom
    bool showRamDisk = false; // CBoxRamDisk
    bool showUnknown = false; // CBoxUnknown
    bool askOnExitWithoutSaving = true; // CBoxAsk
    bool confirmDropOnCommand = true; // CBoxDropTargetHasCommand
    bool keepBackup = true; // CBoxBackup: a backup of the menu file before its first save
    bool operator==(const Options &) const = default;
};

// The drive types that the check boxes of `options` choose.
DriveTypeSet driveTypesOf(const Options &options);

// The drop mode that the five stored button states leave: the exclusive group lets the last
// true one in dropMode order win; with none true, SBut_AddChildFirst stays down.
int dropModeFromButtons(const std::array<bool, 5> &isDown);

// The drive to select at start-up for the stored VelDrives text `stored`: its first character
// when the folder `stored` + ":\" exists, else 'c' when "c:\" exists, else nothing.
std::optional<char> startDrive(
    std::string_view stored, const std::function<bool(const std::string &)> &folderExists);

// The program's own settings file, torvex.ini, read and written key by key through the ini
// engine: nothing is cached, every write reaches the file at once. A missing file, section or
// key, or a value that is no integer where one is expected, gives the default. Every write
// throws IniWriteError ("Unable to write to <path>") when the file cannot be written, and
// every read IniReadError when it exists but cannot be read. A missing folder of the file is
// created (mode 0700) by the first write.
class ProgramSettings
{
public:
    // `folder` followed by a separator (when it lacks one) and "torvex.ini".
    static std::string pathIn(std::string_view folder);

    explicit ProgramSettings(std::string path, FileSystem &fs = FileSystem::real());

    const std::string &path() const { return m_file.path(); }

    std::string readString(
        std::string_view section, std::string_view key, std::string_view def) const;
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    int readInteger(std::string_view section, std::string_view key, int def) const;
    void writeInteger(std::string_view section, std::string_view key, int value);
    bool readBool(std::string_view section, std::string_view key, bool def) const;
    void writeBool(std::string_view section, std::string_view key, bool value);

    // form2 / STextFarve, the tree's background colour (buttonFaceColour when missing).
    int32_t readTreeBackground() const;

    // form1 as read at the main window's creation: maximized, then the four geometry keys
    // unless maximized, splitter (raised to 160), the five drop-mode keys and VelDrives.
    WindowSettings readWindowSettings() const;

    // form1 at a close request, in this order: maximized ("1" when maximized or minimized),
    // the four geometry keys (normal state only; otherwise the file keeps the old ones),
    // splitter (at least 160), the five drop-mode keys (exactly one "1"), VelDrives (the
    // letter, or "" when the panel reports no drive). Stops at the first failed write.
    void writeWindowSettings(const WindowSnapshot &snapshot);

    // All of form2.
    Options readOptions() const;

    // All of form2, in the order of the Options dialog's OK, CBoxBackup last. Stops at the
    // first failed write.
    void writeOptions(const Options &options);

    // form2 / CBoxAsk, read from the file each time (true when missing).
    bool readAskOnExitWithoutSaving() const;

    // form2 / CBoxBackup, read from the file each time (true when missing): whether a save
    // keeps a backup of the menu file before its first save in a run.
    bool readKeepBackup() const;

private:
    void prepareFolder();

    IniFile m_file;
};

} // namespace torvex
