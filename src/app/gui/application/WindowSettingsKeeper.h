#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

class QMainWindow;

namespace torvex {

class FileSystem;
class FolderPane;
class MainWindowPanes;
class ProgramSettings;
class Session;

// The main window's stored settings in torvex.ini: its bounds, the splitter, the drive, the drop
// mode and the tree's colours; read at start, written at every close request.
class WindowSettingsKeeper
{
public:
    // `settingsPath` is torvex.ini, opened through `fs` on first use.
    WindowSettingsKeeper(QMainWindow &window,
        MainWindowPanes &panes,
        FolderPane &folderPane,
        const Session &session,
        std::filesystem::path settingsPath,
        FileSystem &fs);
    ~WindowSettingsKeeper();

    // The one accessor of torvex.ini, opened on first use.
    ProgramSettings &settings();
    // The tree takes these colours (stored colour values).
    void setTreeColours(int32_t background, int32_t font);
    void read();
    // A failed write raises "Unable to write to ..."; the caller reports it and goes on.
    void write();

private:
    void inkTreePictures();

    QMainWindow &m_window;
    MainWindowPanes &m_panes;
    FolderPane &m_folderPane;
    const Session &m_session;
    std::filesystem::path m_settingsPath;
    FileSystem &m_fs;
    std::unique_ptr<ProgramSettings> m_settings;
};

} // namespace torvex
