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

// What the file controller needs of the window it works for.
struct FileWindowServices
{
    // The ini chooser, nullptr while there is none.
    std::function<IniChooserDialog *()> chooser;
    std::function<MessageBoxes &()> boxes;
    // Shows `path` as the file being edited.
    std::function<void(const std::string &path)> showIniPath;
    std::function<ProgramSettings &()> settings;
    std::function<void()> closeWindow;
    std::function<void()> writeWindowSettings;
    // The class name the log records for a failure of the window's own handlers.
    std::function<std::string()> senderClassName;
    // A save went through: the menu now is the saved one.
    std::function<void()> saved;
    // The bar above the tree that tells what the loaded file holds beyond the menu.
    NoticeBar *noticeBar = nullptr;
    // Shows the entry a save was cancelled for.
    MenuEditor *editor = nullptr;
    // Where the backup of a file goes when its own folder cannot take it.
    std::filesystem::path stateFolder;
    // Shows the menu of the file at the path on disk beside the editor's.
    std::function<void(const std::string &path)> showChanges;
    // The menu's history: its clean state tells whether the menu differs from the one
    // loaded or last saved. With the file panel, the window's title marks unsaved changes.
    UndoHistory *history = nullptr;
    QLabel *filePanel = nullptr;
    // The host path of a path as the program meets it (a Windows path maps through its
    // drive); "" when it has none. Without it paths are used as they are.
    std::function<std::string(const std::string &path)> hostPath;
    // Called with the file before each load and save: the window moves to its Wine prefix.
    std::function<void(const std::string &path)> followPrefixOf;
};

// The File commands of the main window: open, save, save as, the two exits and the closing
// steps, loading and saving with the window's input held back meanwhile, and the error log
// and reporter they write to. The decisions live in FileCommands and ErrorReporter.
class FileController : private FileCommandsHost
{
public:
    // The DirMenu section of the file loaded or saved last is watched from then on: an edit by
    // another program shows in the notice bar with a Reload button.
    FileController(MenuTree &tree,
        Session &session,
        FileSystem &fileSystem,
        InputGate &inputGate,
        MenuFileUi &ui,
        const std::string &logFolder,
        FileWindowServices services);
    ~FileController() override;

    void open(); // mnuFileOpenClick
    void save(); // mnuFilesSaveClick
    void saveAs(); // mnuFileSaveInClick
    void exitWithoutSaving(); // mnuFileExitWithoutSavingClick
    void exitAndSave(); // mnuFileExitClick
    // Runs the closing steps of a close request; returns whether the window may close. A
    // request that arrives while a file is read or written is refused at once. (FormClose)
    bool closeRequested();

    // The reader and the writer (see DirMenuFile.h for what they return); the user's input
    // to the window is dropped while they run.
    bool loadMenu(const std::string &path) override;
    SaveOutcome saveMenu(const std::string &path) override;

    // The file loaded last and what it holds that the menu does not show.
    const LoadedFile &loadedFile() const { return m_loaded; }
    // Loads the menu of the file at `path` again after the question whether the editor's
    // changes may go, asked only when there are unsaved changes. Returns whether it loaded.
    bool reloadMenu(const std::string &path);
    // The watch on the file's menu.
    MenuFileWatcher &watcher() { return *m_watcher; }

    void reportSaveFailure(const std::string &message, const std::string &cause);
    // Shows and logs a failure that escaped the handler of the window `senderClassName`.
    void reportError(const std::string &senderClassName, const std::string &message);

private:
    // ---- FileCommandsHost ----
    std::optional<std::string> chooseIniFile(
        const std::string &caption, const std::vector<std::string> &paths) override;
    MessageBoxes &messages() override { return m_services.boxes(); }
    bool fileExists(const std::string &path) const override;
    void setIniPanelText(const std::string &text) override;
    bool confirmExitWithoutSaving() override;
    void closeWindow() override { m_services.closeWindow(); }
    void writeWindowSettings() override { m_services.writeWindowSettings(); }
    void reportError(const std::string &message) override;
    // Shows the notice bar while the file last loaded or saved, `path`, holds lines the menu
    // does not show; hides it otherwise.
    void updateNotice(const std::string &path);
    // Whether the backup before the first save is on (torvex.ini; on when unreadable).
    bool backupWanted();
    std::string hostPathOf(const std::string &path) const;
    // The watcher noticed a change of the watched file: shows it when its menu changed.
    void fileChangedOnDisk();

    MenuTree &m_tree;
    const Session &m_session;
    FileSystem &m_fs;
    InputGate &m_inputGate;
    MenuFileUi &m_ui;
    FileWindowServices m_services;
    ErrorLog m_log;
    ErrorReporter m_reporter;
    FileCommands m_commands;
    LoadedFile m_loaded;
    SaveBackup m_backup;
    std::unique_ptr<MenuFileWatcher> m_watcher;
    UnsavedMark *m_mark = nullptr;
};

} // namespace torvex
