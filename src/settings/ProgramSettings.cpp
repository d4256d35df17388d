#include "settings/ProgramSettings.h"

#include "platform/ProgramFolders.h"

#include <algorithm>

namespace torvex {

namespace {

constexpr std::string_view keyMaximized = "maximized";
constexpr std::string_view keyTop = "top";
constexpr std::string_view keyLeft = "left";
constexpr std::string_view keyWidth = "width";
constexpr std::string_view keyHeight = "height";
constexpr std::string_view keySplitter = "splitter";
constexpr std::string_view keyDrive = "VelDrives";

constexpr std::string_view keyBackground = "STextFarve";
constexpr std::string_view keyFontColour = "sTextFontColor";
constexpr std::string_view keyAsk = "CBoxAsk";
constexpr std::string_view keyDropTargetHasCommand = "CBoxDropTargetHasCommand";
constexpr std::string_view keyBackup = "CBoxBackup";

// The drive-type check boxes in the order they are read, written and applied.
struct DriveTypeKey
{
    std::string_view key;
    bool Options::*field;
    bool def;
    DriveType type;
};

constexpr std::array<DriveTypeKey, 7> driveTypeKeys = { {
    { "CBoxFixed", &Options::showFixed, true, DriveType::Fixed },
    { "CBoxRemote", &Options::showRemote, false, DriveType::Remote },
    { "CBoxUnavailable", &Options::showUnavailable, false, DriveType::Unavailable },
    { "CBoxRemovable", &Options::showRemovable, false, DriveType::Removable },
    { "CBoxCDRom", &Options::showCDRom, false, DriveType::CDRom },
    { "CBoxRamDisk", &Options::showRamDisk, false, DriveType::RamDisk },
    { "CBoxUnknown", &Options::showUnknown, false, DriveType::Unknown },
} };

} // namespace

DriveTypeSet driveTypesOf(const Options &options)
{
    DriveTypeSet types;
    for (const DriveTypeKey &entry : driveTypeKeys) {
        if (options.*entry.field)
            types = types.with(entry.type);
    }
    return types;
}

int dropModeFromButtons(const std::array<bool, 5> &isDown)
{
    int mode = defaultDropMode;
    for (int i = 0; i < 5; ++i) {
        if (isDown[static_cast<std::size_t>(i)])
            mode = i;
    }
    return mode;
}

std::optional<char> startDrive(
    std::string_view stored, const std::function<bool(const std::string &)> &folderExists)
{
    // The whole text takes part in the test, so "CD" never names a root and falls back to C.
    if (!stored.empty() && folderExists(std::string(stored) + ":\\"))
        return stored.front();
    if (folderExists("c:\\"))
        return 'c';
    return std::nullopt;
}

std::string ProgramSettings::pathIn(std::string_view folder)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += settingsFileName;
    return path;
}

ProgramSettings::ProgramSettings(std::string path, FileSystem &fs)
    : m_file(std::move(path), fs)
{ }

void ProgramSettings::prepareFolder()
{
    // A settings folder under $XDG_CONFIG_HOME is made by the first write. When it cannot be,
    // the write itself fails and reports the file.
    createFolderOf(path());
}

std::string ProgramSettings::readString(
    std::string_view section, std::string_view key, std::string_view def) const
{
    return m_file.readString(section, key, def);
}

void ProgramSettings::writeString(
    std::string_view section, std::string_view key, std::string_view value)
{
    prepareFolder();
    m_file.writeKey(section, key, value);
}

int ProgramSettings::readInteger(std::string_view section, std::string_view key, int def) const
{
    return m_file.readInteger(section, key, def);
}

void ProgramSettings::writeInteger(std::string_view section, std::string_view key, int value)
{
    prepareFolder();
    m_file.writeInteger(section, key, value);
}

bool ProgramSettings::readBool(std::string_view section, std::string_view key, bool def) const
{
    return m_file.readBool(section, key, def);
}

void ProgramSettings::writeBool(std::string_view section, std::string_view key, bool value)
{
    prepareFolder();
    m_file.writeBool(section, key, value);
}

int32_t ProgramSettings::readTreeBackground() const
{
    return readInteger(optionsSection, keyBackground, buttonFaceColour);
}

WindowSettings ProgramSettings::readWindowSettings() const
{
    WindowSettings settings;
    settings.isMaximized = readBool(mainWindowSection, keyMaximized, false);
    // Read also for a maximized window: they are the size it returns to.
    const WindowBounds firstStart;
    settings.bounds.top = readInteger(mainWindowSection, keyTop, firstStart.top);
    settings.bounds.left = readInteger(mainWindowSection, keyLeft, firstStart.left);
    settings.bounds.width = readInteger(mainWindowSection, keyWidth, firstStart.width);
    settings.bounds.height = readInteger(mainWindowSection, keyHeight, firstStart.height);
    settings.splitter = std::max(readInteger(mainWindowSection, keySplitter, 230), minimumSplitter);
    settings.storedDrive = readString(mainWindowSection, keyDrive, "c");

    std::array<bool, 5> isDown {};
    for (std::size_t i = 0; i < dropModeKeys.size(); ++i)
        isDown[i] = readBool(mainWindowSection, dropModeKeys[i], int(i) == defaultDropMode);
    settings.dropMode = dropModeFromButtons(isDown);
    return settings;
}

void ProgramSettings::writeWindowSettings(const WindowSnapshot &snapshot)
{
    // A window closed while minimized opens maximized next time; its normal-state geometry
    // stays as an earlier close left it.
    const bool isNormal = snapshot.state == WindowState::Normal;
    writeBool(mainWindowSection, keyMaximized, !isNormal);
    if (isNormal) {
        writeInteger(mainWindowSection, keyTop, snapshot.bounds.top);
        writeInteger(mainWindowSection, keyLeft, snapshot.bounds.left);
        writeInteger(mainWindowSection, keyWidth, snapshot.bounds.width);
        writeInteger(mainWindowSection, keyHeight, snapshot.bounds.height);
    }
    writeInteger(mainWindowSection, keySplitter, std::max(snapshot.splitter, minimumSplitter));
    for (std::size_t i = 0; i < dropModeKeys.size(); ++i)
        writeBool(mainWindowSection, dropModeKeys[i], int(i) == snapshot.dropMode);
    writeString(mainWindowSection,
        keyDrive,
        snapshot.drive == '\0' ? std::string() : std::string(1, snapshot.drive));
}

Options ProgramSettings::readOptions() const
{
    Options options;
    options.backgroundColour = readInteger(optionsSection, keyBackground, buttonFaceColour);
    options.fontColour = readInteger(optionsSection, keyFontColour, windowTextColour);
    for (const DriveTypeKey &entry : driveTypeKeys)
        options.*entry.field = readBool(optionsSection, entry.key, entry.def);
    options.askOnExitWithoutSaving = readBool(optionsSection, keyAsk, true);
    options.confirmDropOnCommand = readBool(optionsSection, keyDropTargetHasCommand, true);
    options.keepBackup = readBool(optionsSection, keyBackup, true);
    return options;
}

void ProgramSettings::writeOptions(const Options &options)
{
    writeInteger(optionsSection, keyBackground, options.backgroundColour);
    writeInteger(optionsSection, keyFontColour, options.fontColour);
    for (const DriveTypeKey &entry : driveTypeKeys)
        writeBool(optionsSection, entry.key, options.*entry.field);
    writeBool(optionsSection, keyAsk, options.askOnExitWithoutSaving);
    writeBool(optionsSection, keyDropTargetHasCommand, options.confirmDropOnCommand);
    writeBool(optionsSection, keyBackup, options.keepBackup);
}

bool ProgramSettings::readAskOnExitWithoutSaving() const
{
    return readBool(optionsSection, keyAsk, true);
}

bool ProgramSettings::readKeepBackup() const
{
    return readBool(optionsSection, keyBackup, true);
}

} // namespace torvex
