#pragma once

#include "app/ErrorLog.h"
#include "app/ErrorReporter.h"
#include "app/FileCommands.h"
#include "files/SaveBackup.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace torvex {

class FileDialogs;
class FileSystem;
class IniChooserDialog;
class InputGate;
class MenuEditor;
class MenuFileUi;
class MenuFileWatcher;
class MenuTree;
class NoticeBar;
class ProgramSettings;
class Session;
class UndoHistory;
class UnsavedMark;

// What the file controller needs of the window it works for; the main window is the one
// implementation.
class FileWindow
{
public:
    // The ini chooser, nullptr while there is none.
    virtual IniChooserDialog *iniChooser() = 0;
    virtual MessageBoxes &boxes() = 0;
    // Shows `path` as the file being edited.
    virtual void showIniPath(const std::string &path) = 0;
    virtual ProgramSettings &settings() = 0;
    virtual void closeWindow() = 0;
    virtual void writeWindowSettings() = 0;
    // The class name the log records for a failure of the window's own handlers.
    virtual std::string senderClassName() = 0;
    // Shows the menu of the file at the path on disk beside the editor's, until closed.
    virtual void showChangesUntilClosed(const std::string &path) = 0;
    // The host path of a path as the program meets it (a Windows path maps through its
    // drive); "" when it has none.
    virtual std::string hostPath(const std::string &path) = 0;
    // Called with the file before each load and save: the window moves to its Wine prefix.
    virtual void followPrefixOf(const std::string &path) = 0;
    // The dialogs that pick a file to open or save into.
    virtual FileDialogs &fileDialogs() = 0;

protected:
    ~FileWindow() = default;
};

// The window's parts the file controller works with.
struct FileControllerParts
{
    // The menu's history: its clean state tells whether the menu differs from the one loaded
    // or last saved; a save marks it clean.
    UndoHistory &history;
    // Shows the entry a save was cancelled for.
    MenuEditor &editor;
    // The bar above the tree that tells what the loaded file holds beyond the menu.
    NoticeBar &noticeBar;
    // The status panel naming the file; with it the window's title marks unsaved changes.
    QLabel &filePanel;
};

// The File commands of the main window: open, save, save as, the two exits and the closing
// steps, loading and saving with the window's input held back meanwhile, and the error log
// and reporter they write to. The decisions live in FileCommands and ErrorReporter.
class FileController : private FileCommandsHost
{
public:
    // `stateFolder` takes the backup of a file when its own folder cannot. The DirMenu section
    // of the file loaded or saved last is watched from then on: an edit by
    // another program shows in the notice bar with a Reload button.
    FileController(MenuTree &tree,
        Session &session,
        FileSystem &fileSystem,
        InputGate &inputGate,
        MenuFileUi &ui,
        FileWindow &window,
        FileControllerParts parts,
        const std::string &logFolder,
        const std::filesystem::path &stateFolder);
    ~FileController() override;

    void open(); // mnuFileOpenClick
    void save(); // mnuFilesSaveClick
    void saveAs(); // mnuFileSaveInClick
    void exitWithoutSaving(); // mnuFileExitWithoutSavingClick
    void exitAndSave(); // mnuFileExitClick
    // Picks any file in a file dialog that starts in the drive_c of the current prefix and
    // loads it, after "Save menus?" when the menu has unsaved changes.
    void openFile(); // mnuFileOpenFile
    // Loads `path`, one of recentFiles(), the same way.
    void openRecent(const std::string &path); // mnuFileOpenRecent
    // Writes the menu into a file picked in a file dialog, made when there is none; it
    // becomes the current file. The way to keep edits whose file was moved or deleted.
    void saveToFile(); // mnuFileSaveToFile
    // The files loaded last, newest first (torvex.ini).
    std::vector<std::string> recentFiles();
    // Runs the closing steps of a close request; returns whether the window may close. A
    // request that arrives while a file is read or written is refused at once. (FormClose)
    bool closeRequested();

    // The reader and the writer (see DirMenuFile.h for what they return); the user's input
    // to the window is dropped while they run.
    bool openMenuFile(const std::string &path) override;
    SaveOutcome saveMenuToFile(const std::string &path) override;

    // The file loaded last and what it holds that the menu does not show.
    const LoadedFile &loadedFile() const { return m_loaded; }
    // Loads the menu of the file at `path` again after the question whether the editor's
    // changes may go, asked only when there are unsaved changes. Returns whether it loaded.
    bool reloadMenu(const std::string &path);
    // The watch on the file's menu.
    MenuFileWatcher &watcher() { return *m_watcher; }
    // Told at each save when the checks and questions before writing are over, before the
    // backup and the writing (the measuring aid times the checks apart); empty: not told.
    void setSaveCheckedObserver(std::function<void()> observer)
    {
        m_saveChecked = std::move(observer);
    }

    void reportSaveFailure(const LocalText &message, const std::string &cause);
    // Shows and logs a failure that escaped the handler of the window `senderClassName`.
    void reportError(const std::string &senderClassName, const std::string &message);
    void reportError(const std::string &senderClassName, const LocalText &message);

private:
    // ---- FileCommandsHost ----
    std::optional<std::string> chooseIniFile(
        const LocalText &caption, const std::vector<std::string> &paths) override;
    MessageBoxes &messages() override { return m_window.boxes(); }
    bool fileExists(const std::string &path) const override;
    void setIniPanelText(const std::string &text) override;
    bool confirmExitWithoutSaving() override;
    void closeWindow() override { m_window.closeWindow(); }
    void writeWindowSettings() override { m_window.writeWindowSettings(); }
    void reportError(const std::string &message) override;
    // Shows the notice bar while the file last loaded or saved, `path`, holds lines the menu
    // does not show; hides it otherwise.
    void updateNotice(const std::string &path);
    // Whether the backup before the first save is on (torvex.ini; on when unreadable).
    bool backupWanted();
    // The watcher noticed a change of the watched file: shows it when its menu changed.
    void fileChangedOnDisk();
    // Asks "Save menus?" while the menu has unsaved changes; false when the user cancelled
    // or the save did not happen.
    bool unsavedChangesSettled();
    // Makes `path` the current file and loads it; a missing file gets its box instead.
    void openChosenFile(const std::string &path);
    // Puts `path` first in the recent files; a list that cannot be stored is no failure.
    void rememberRecent(const std::string &path);
    // The host folder of the current prefix's drive C, "" without one.
    std::string driveCFolder();

    MenuTree &m_tree;
    Session &m_session;
    FileSystem &m_fs;
    InputGate &m_inputGate;
    MenuFileUi &m_ui;
    FileWindow &m_window;
    FileControllerParts m_parts;
    ErrorLog m_log;
    ErrorReporter m_reporter;
    FileCommands m_commands;
    LoadedFile m_loaded;
    SaveBackup m_backup;
    std::unique_ptr<MenuFileWatcher> m_watcher;
    std::function<void()> m_saveChecked;
    UnsavedMark *m_mark;
};

} // namespace torvex
