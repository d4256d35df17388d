#pragma once

#include "core/LocalText.h"
#include "menu/DirMenuFile.h"
#include "menu/DirMenuFindings.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuEntryList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class FileSystem;
class MessageBoxes;
class SaveBackup;

// What the window shows around loading and saving. Every hook has a harmless default.
class MenuFileUi
{
public:
    virtual ~MenuFileUi() = default;
    // The message panel; the implementation puts one blank before the text.
    virtual void showStatus(const std::string & /*text*/) { }
    // The same with a text the window shows in the user's language.
    virtual void showStatus(const LocalText &text) { showStatus(text.english()); }
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
    // The same with the message in the user's language.
    virtual void saveFailed(const LocalText &message, const std::string &cause)
    {
        saveFailed(message.english(), cause);
    }
    // The message boxes to use; nullptr shows none.
    virtual MessageBoxes *messageBoxes() { return nullptr; }
};

// A digest of a file's DirMenu lines as IniDocument::visitSection gives them, keys taken
// without regard to ASCII case as compareDirMenus takes them: the same lines give the same
// digest; different ones give a different digest but for a chance of about one in 2^64 per
// pair, so a large menu's lines need not be kept to notice another program's edit.
class MenuLinesDigest
{
public:
    void add(std::string_view key, std::string_view value);
    bool operator==(const MenuLinesDigest &) const = default;

private:
    void mix(std::uint64_t word);
    void mixBytes(std::string_view bytes, bool lowerCase);

    std::uint64_t m_hash = 0x2545f4914f6cdd1du;
    std::size_t m_lines = 0;
};

// A digest of a file's bytes by the same hash: the same bytes give the same digest, by which
// a read of an unchanged file is known without parsing it.
class FileBytesDigest
{
public:
    explicit FileBytesDigest(std::string_view bytes);
    bool operator==(const FileBytesDigest &) const = default;

private:
    MenuLinesDigest m_digest;
};

// The digest of the DirMenu lines of a document.
MenuLinesDigest menuLinesDigest(const IniDocument &document);

// The digest of the DirMenu lines of the file at `path`. Throws IniReadError when the file
// cannot be read.
MenuLinesDigest menuLinesDigestOnDisk(const std::string &path, FileSystem &fs);

// What the window knows of the file it loaded last: the lines there that the menu does not
// show, which a save into that file removes, and whether the user agreed to that.
struct LoadedFile
{
    std::string path;
    std::vector<DirMenuFinding> notShown;
    bool removalAccepted = false;
    // The digest of the DirMenu lines of the file `menuPath` as Torvex last read or wrote
    // them there, to notice another program's edit of the menu; nothing while unknown.
    std::string menuPath;
    std::optional<MenuLinesDigest> menuOnDisk;
    // A file whose menu the window could not show (nested deeper than windowMenuDepthLimit):
    // the window writes nothing into it.
    std::string tooDeepPath;
    // The file whose menu the editor's menu is while the undo history is at its clean state:
    // the one loaded, or saved to last.
    std::string cleanPath;
    // From the same read as menuOnDisk: the digest of the whole file, by which a file whose
    // bytes are still those is known to hold those lines without reading them again; nothing
    // while unknown.
    std::optional<FileBytesDigest> fileOnDisk;
    // The menu the reader builds of those lines (what Show changes compares with the editor's):
    // made by the save from its read, else kept by the first comparison that reads the file
    // with those bytes (not by the load, which would hold a large menu twice for nothing);
    // nothing until then.
    mutable std::shared_ptr<const MenuEntryList> menuEntriesOnDisk;
};

// The deepest menu the window shows. Its tree view lays out the rows of nested submenus by
// recursion, so a far deeper menu would run past the end of the stack; the limit leaves a
// wide margin below the depth at which it does.
inline constexpr std::size_t windowMenuDepthLimit = 2000;
// The status after a save into such a file.
inline constexpr const char *tooDeepNotSavedStatus = QT_TRANSLATE_NOOP(
    "torvex::MenuFileSteps", " Nothing was saved: Torvex could not show the menu of this file");

// Whether the DirMenu lines of the file at `path` differ from those `loaded` remembers of
// it; false while it remembers none of that file. Throws IniReadError when the file cannot
// be read.
bool menuChangedOnDisk(const std::string &path, const LoadedFile &loaded, FileSystem &fs);

// The digest of the DirMenu lines of the file at `path` as it is now, as menuLinesDigestOnDisk
// gives it; the one `loaded` remembers, without parsing the file, while the file's bytes are
// those it remembers with it. Throws IniReadError when the file cannot be read.
MenuLinesDigest menuLinesDigestNow(
    const std::string &path, FileSystem &fs, const LoadedFile &loaded);

// Remembers the digest of the DirMenu lines of the file at `path` in `loaded`; a file that
// cannot be read leaves nothing remembered.
void rememberMenuOnDisk(const std::string &path, LoadedFile &loaded, FileSystem &fs);

// What a save does besides the questions about the menu itself.
struct SaveSafeguards
{
    // Keeps the file as it was before the first save of the run; nullptr keeps none.
    SaveBackup *backup = nullptr;
    // Shows the file's menu on disk beside the editor's; nothing offers it when empty.
    std::function<void(const std::string &path)> showChanges;
    // The undo history is at its clean state: a save into LoadedFile::cleanPath that would
    // remove no line of the file leaves the file untouched.
    bool menuAtCleanState = false;
    // Told when the checks and questions before writing are over, none declined: before the
    // backup and the writing.
    std::function<void()> checked;
};

// How a save ended.
enum class SaveOutcome {
    Saved,
    NothingWritten, // no file there, or nothing to save (an empty menu over an empty one)
    Unchanged, // the file already holds the menu as it is; it was left untouched
    Declined, // the user answered Cancel or No to a question before the write
    Failed, // the write failed; the failure was reported
};

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::NothingWritten;
    // After a Cancel for entries the file cannot store: the first of them, for the item editor.
    MenuNode *firstUnstorable = nullptr;
    // The user chose to load the file's menu instead, and confirmed that the editor's
    // changes are lost (outcome Declined).
    bool reload = false;
};

// The texts of loading and saving, marked for the window's translation.
inline constexpr const char *fileStepsContext = "torvex::MenuFileSteps";
inline LocalText fileStepText(const char *source)
{
    return LocalText(fileStepsContext, source);
}

// The questions of saving.
inline constexpr const char *notShownCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Lines not shown");
inline constexpr const char *saveAndRemoveButton =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Save and remove them");
inline constexpr const char *unstorableCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Cannot be stored");
inline constexpr const char *saveAnywayButton =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Save anyway");
inline constexpr const char *cancelButton = QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Cancel");
inline constexpr const char *removeAllCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Remove all entries?");
inline constexpr const char *menuChangedCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Menu changed on disk");
inline constexpr const char *overwriteButton =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Overwrite");
inline constexpr const char *reloadButton = QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Reload");
inline constexpr const char *showChangesButton =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Show changes...");
inline constexpr const char *reloadCaption = QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Reload?");
inline constexpr const char *noBackupCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "No backup");
inline constexpr const char *saveWithoutBackupButton =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Save without backup");
// The most lines a question lists; the rest are counted.
inline constexpr std::size_t questionListLimit = 12;

// "The file holds 3 lines that the menu does not show; saving will remove them." (1 line
// ... it).
LocalText notShownSummaryText(std::size_t count);
// "line 6: menu5=B (past a gap in the numbering, ...)", the reason in the user's language.
LocalText findingDetailText(const DirMenuFinding &finding);
// The summary (notShownSummaryText), then the lines themselves.
LocalText notShownQuestion(const std::vector<DirMenuFinding> &notShown);
// Every line of a list longer than the question shows, for its details; "" otherwise.
LocalText notShownDetails(const std::vector<DirMenuFinding> &notShown);
// "entry 12, under Projects (saved as number 15)": where an entry stands and its number.
LocalText unstorablePlace(const UnstorableEntry &entry);
// Each entry by its place and number with the reason, then what saving anyway does.
LocalText unstorableQuestion(const std::vector<UnstorableEntry> &entries);
// "Remove all N entries from the file?"
LocalText removeAllQuestion(std::size_t count);

// "The menu in <path> was changed by another program after Torvex loaded it."
LocalText menuChangedText(const std::string &path);
// The question of a save over another program's edit: what Overwrite and Reload lose.
LocalText menuChangedQuestion(const std::string &path);
// The notice when the file being edited is no longer where it was loaded from.
LocalText fileGoneText(const std::string &path);
// The second question of Reload: the editor's changes are lost.
LocalText reloadQuestion(const std::string &path);
// Why no backup of `path` could be kept, then "Save without a backup?".
LocalText noBackupQuestion(const std::string &path, const std::string &reason);
// The status after a save whose backup went to `where`, a folder other than the file's.
LocalText backupElsewhereStatus(const std::string &where);

// Text of the box shown when the file to load does not exist.
LocalText missingIniFileText(const std::string &path);
inline constexpr const char *missingIniFileCaption =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Can't find ini file");
inline constexpr const char *saveFailedStatus =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Save failed: nothing was saved");
// The status after a save that found the file already holding the menu.
inline constexpr const char *unchangedStatus =
    QT_TRANSLATE_NOOP("torvex::MenuFileSteps", " No changes to save: the file was left as it is");

// Loads the menu of `path` with the window's steps around the reader: "Loading data...",
// panels and menus off, busy cursor, progress in percent, then everything back on and the
// item editor refreshed; `loaded` then names the file and what it holds that the menu does
// not show and the digest of its DirMenu lines, taken from the same read as the menu. Returns
// false, after the missing-file message and without touching the tree or `loaded`, when no file
// exists there. A file that cannot be read, or whose menu is nested deeper than
// windowMenuDepthLimit (tooDeepCause), throws IniReadError and leaves the tree as it was, with
// the panels and menus enabled again; a menu too deep also marks the file in `loaded` as
// one the window does not write (tooDeepPath).
bool loadMenuInteractively(
    const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs, LoadedFile &loaded);

// Saves the tree into `path` with the window's steps around the writer, after the questions
// a save may need, each with Cancel (or No) as its default: a menu that another program
// changed in the file since Torvex read or wrote it ("Overwrite", "Reload" after a second
// question, "Show changes..." that shows them and asks again), entries the file cannot store
// ("Save anyway"), lines of the loaded file the menu does not show ("Save and remove them",
// asked once per load; they are forgotten once saved over), and for an empty tree over a
// file whose menu has entries, "Remove all N entries from the file?" (Yes writes an empty
// section). Then the backup of `safeguards`, when there is one: a backup that cannot be
// kept asks whether to save without it. Nothing is written to a missing file, nor to the file
// whose menu was too deep to load (tooDeepNotSavedStatus). Other Torvex
// saves of the file wait while it is read and written; should another program change the
// menu in the file meanwhile, nothing is written and the question about its edit is asked
// (a change beside the menu is kept by saving again). A menu at its clean state over the file it
// was loaded from or saved to, which holds no line the menu does not show, is not written at
// all (outcome Unchanged, unchangedStatus), whatever another program did to the file. Reports its own failures through
// ui.saveFailed; the file is then unchanged. A save remembers the DirMenu lines it wrote.
SaveResult saveMenuInteractively(const std::string &path,
    const MenuTree &tree,
    MenuFileUi &ui,
    FileSystem &fs,
    LoadedFile &loaded,
    const SaveSafeguards &safeguards = {});

} // namespace torvex
