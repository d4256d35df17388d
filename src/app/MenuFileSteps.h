#pragma once

#include "menu/DirMenuFile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace torvex {

class FileSystem;
class MessageBoxes;

// What the window shows around loading and saving. Every hook has a harmless default.
class MenuFileUi
{
public:
    virtual ~MenuFileUi() = default;
    // The message panel; the implementation puts one blank before the text.
    virtual void showStatus(const std::string & /*text*/) { }
    // Lets pending window events run (repaints while long work goes on).
    virtual void processEvents() { }
    virtual void setBusyCursor(bool /*busy*/) { }
    // The File, Options and Help menus.
    virtual void setMenusEnabled(bool /*enabled*/) { }
    // The item editor and both panes.
    virtual void setPanelsEnabled(bool /*enabled*/) { }
    // After a load, with the panels enabled: refresh the item editor from the selection (which
    // disables it without one) and recount the entries.
    virtual void afterLoad() { }
    // A save failed with `message` ("Unable to write to <path>") for the reason `cause` (""
    // when there is none to give): record it in the error log, then show it.
    virtual void saveFailed(const std::string & /*message*/, const std::string & /*cause*/) { }
    // The message boxes to use; nullptr shows none.
    virtual MessageBoxes *messageBoxes() { return nullptr; }
};

// What the window knows of the file it loaded last: the lines there that the menu does not
// show, which a save into that file removes, and whether the user agreed to that.
struct LoadedFile
{
    std::string path;
    std::vector<DirMenuFinding> notShown;
    bool removalAccepted = false;
};

// How a save ended.
enum class SaveOutcome {
    Saved,
    NothingWritten, // no file there, or nothing to save (an empty menu over an empty one)
    Declined, // the user answered Cancel or No to a question before the write
    Failed, // the write failed; the failure was reported
};

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::NothingWritten;
    // After a Cancel for entries the file cannot store: the first of them, for the item editor.
    MenuNode *firstUnstorable = nullptr;
};

// The questions of saving.
inline constexpr const char *notShownCaption = " Entries not shown";
inline constexpr const char *saveAndRemoveButton = "Save and remove them";
inline constexpr const char *unstorableCaption = " Cannot be stored";
inline constexpr const char *saveAnywayButton = "Save anyway";
inline constexpr const char *cancelButton = "Cancel";
inline constexpr const char *removeAllCaption = " Remove all entries?";
// The most lines a question lists; the rest are counted.
inline constexpr std::size_t questionListLimit = 12;

// The summary (notShownSummary), then the lines themselves.
std::string notShownQuestion(const std::vector<DirMenuFinding> &notShown);
// Each entry by its path in the menu with the reason, then what saving anyway does.
std::string unstorableQuestion(const std::vector<UnstorableEntry> &entries);
// "Remove all N entries from the file?"
std::string removeAllQuestion(std::size_t count);

// Text of the box shown when the file to load does not exist.
std::string missingIniFileText(const std::string &path);
inline constexpr const char *missingIniFileCaption = "Can't find ini file";
inline constexpr const char *saveFailedStatus = "Save failed: nothing was saved";

// Loads the menu of `path` with the window's steps around the reader: "Loading data...",
// panels and menus off, busy cursor, progress in percent, then everything back on and the
// item editor refreshed; `loaded` then names the file and what it holds that the menu does
// not show. Returns false, after the missing-file message and without touching the tree or
// `loaded`, when no file exists there. A file that cannot be read throws IniReadError and
// leaves the tree as it was, with the panels and menus enabled again.
bool loadMenu(
    const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs, LoadedFile &loaded);

// Saves the tree into `path` with the window's steps around the writer, after the questions
// a save may need, each with Cancel (or No) as its default: entries the file cannot store
// ("Save anyway"), lines of the loaded file the menu does not show ("Save and remove them",
// asked once per load; they are forgotten once saved over), and for an empty tree over a
// file whose menu has entries, "Remove all N entries from the file?" (Yes writes an empty
// section). Nothing is written to a missing file. Reports its own failures through
// ui.saveFailed; the file is then unchanged.
SaveResult saveMenu(const std::string &path,
    const MenuTree &tree,
    MenuFileUi &ui,
    FileSystem &fs,
    LoadedFile &loaded);

} // namespace torvex
