#pragma once

#include "app/ErrorLog.h"
#include "app/ErrorReporter.h"
#include "app/FileCommands.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;
class IniChooserDialog;
class InputGate;
class ItemEditorPanel;
class MenuFileUi;
class MenuTree;
class NoticeBar;
class ProgramSettings;
class Session;

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
    ItemEditorPanel *itemEditor = nullptr;
};

// The File commands of the main window: open, save, save as, the two exits and the closing
// steps, loading and saving with the window's input held back meanwhile, and the error log
// and reporter they write to. The decisions live in FileCommands and ErrorReporter.
class FileController : private FileCommandsHost
{
public:
    FileController(MenuTree &tree,
        Session &session,
        FileSystem &fileSystem,
        InputGate &inputGate,
        MenuFileUi &ui,
        const std::string &logFolder,
        FileWindowServices services);

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

    MenuTree &m_tree;
    FileSystem &m_fs;
    InputGate &m_inputGate;
    MenuFileUi &m_ui;
    FileWindowServices m_services;
    ErrorLog m_log;
    ErrorReporter m_reporter;
    FileCommands m_commands;
    LoadedFile m_loaded;
};

} // namespace torvex
