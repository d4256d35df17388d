#pragma once

#include "app/MenuFileSteps.h"
#include "core/LocalText.h"

#include <optional>
#include <string>
#include <vector>

namespace torvex {

class MenuTree;
class MessageBoxes;
class ProgramSettings;
class Session;

// Texts of the File commands' message boxes, shown in the user's language through
// fileCommandText.
inline constexpr const char *fileCommandsContext = "torvex::FileCommands";
inline constexpr const char *nothingToSaveText =
    QT_TRANSLATE_NOOP("torvex::FileCommands", "Nothing to save...     ");
inline constexpr const char *nothingToSaveCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " Nothing to save");
inline constexpr const char *noIniFileText =
    QT_TRANSLATE_NOOP("torvex::FileCommands", "No ini file (wincmd.ini) was found!");
inline constexpr const char *noIniFileCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " No ini file found!");
inline constexpr const char *iniFileNotFoundCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " Selected ini file not found!");
inline constexpr const char *saveMenusText =
    QT_TRANSLATE_NOOP("torvex::FileCommands", "Save menus?");
inline constexpr const char *saveMenusCaption = QT_TRANSLATE_NOOP("torvex::FileCommands", " Save?");
inline constexpr const char *exitWithoutSavingText = QT_TRANSLATE_NOOP(
    "torvex::FileCommands", "Do you want to exit without saving any changes you might have made?");
inline constexpr const char *exitWithoutSavingCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " Exit without saving?");
inline constexpr const char *notSavedCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", "Not saved");
inline constexpr const char *settingsNotSavedText =
    QT_TRANSLATE_NOOP("torvex::FileCommands", "The window settings were not saved.");
// Captions of the chooser.
inline constexpr const char *chooseOpenCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " Choose ini file to get data from");
inline constexpr const char *chooseSaveCaption =
    QT_TRANSLATE_NOOP("torvex::FileCommands", " Choose ini file to save data in");

// One of the texts above, to be shown in the user's language.
inline LocalText fileCommandText(const char *source)
{
    return LocalText(fileCommandsContext, source);
}

// "Can't find this ini file:", a line break and the path.
LocalText iniFileNotFoundText(const std::string &path);
// The question asked when the menu could not be saved while closing: what was not saved
// (the menu and path; the window settings too when `settingsFailed`), then "Close anyway?".
LocalText closeAnywayText(const std::string &path, bool settingsFailed);

// Whether "Exit without saving" asks first: `CBoxAsk` of section form2, on when missing,
// not a number or when the settings file cannot be read.
bool askBeforeExitWithoutSaving(const ProgramSettings &settings);

// What the File commands need from the main window.
class FileCommandsHost
{
public:
    virtual ~FileCommandsHost() = default;
    // Shows the chooser with `caption` and `paths` (never empty) modally. Returns the chosen
    // path, or nullopt for Cancel.
    virtual std::optional<std::string> chooseIniFile(
        const LocalText &caption, const std::vector<std::string> &paths) = 0;
    virtual MessageBoxes &messages() = 0;
    // The window's load and save of the DirMenu section: the file-level reader and writer
    // (MenuFileSteps.h) with the window's steps around them; saveMenuToFile asks its
    // questions and reports its own failures (log entry, then the box).
    virtual bool openMenuFile(const std::string &path) = 0;
    virtual SaveOutcome saveMenuToFile(const std::string &path) = 0;
    virtual bool fileExists(const std::string &path) const = 0;
    // The file panel Panel_IniSti.
    virtual void setIniPanelText(const std::string &text) = 0;
    // Reads the confirmation setting of "Exit without saving" from the settings file now.
    virtual bool confirmExitWithoutSaving() = 0;
    // Asks the window to close; the window answers with FileCommands::formClose.
    virtual void closeWindow() = 0;
    // Stores the window's settings (form1); throws on failure.
    virtual void writeWindowSettings() = 0;
    // Shows and logs a failure the way the global error handler does.
    virtual void reportError(const std::string &message) = 0;
};

enum class CloseDecision { Close, KeepOpen };

// Open, Save, Save as, Exit without saving, Exit and save, and the closing of the main
// window. Failures other than the writer's own pass through to the caller.
class FileCommands
{
public:
    // The commands read the candidates and change the current file and exit-without-saving
    // in `session`.
    FileCommands(FileCommandsHost &host, const MenuTree &tree, Session &session);

    // With a current file and a non-empty tree, asks "Save menus?" first: Yes saves and ends,
    // Cancel ends. Then the chooser; OK loads the chosen file.
    void fileOpen();
    // Writes the current file when it exists, else behaves as Save as. An empty tree is
    // written only over a current file whose menu has entries, after the question; otherwise
    // there is nothing to save.
    void fileSave();
    // Writes to a file picked in the chooser, which becomes the current file.
    void fileSaveAs();
    // Leaves without writing the menu, after the confirmation when it is on.
    void fileExitWithoutSaving();
    // Closes the window; the closing steps save.
    void fileExitAndSave();
    // Every way of closing the window: stores the window settings, then writes the current
    // file, or keeps the window open and runs Save as when the menu has nodes but no existing
    // file. A Cancel to a question of the save keeps the window open (a No to removing every
    // entry closes without writing). When the menu cannot be written the user is asked
    // whether to close anyway, No being the default.
    CloseDecision formClose();

private:
    enum class ChooserAction { Load, Save };
    void runChooser(const LocalText &caption, ChooserAction action);
    bool settingsStored();

    FileCommandsHost &m_host;
    const MenuTree &m_tree;
    Session &m_session;
};

} // namespace torvex
