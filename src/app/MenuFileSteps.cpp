#include "app/MenuFileSteps.h"

#include "core/MessageBoxes.h"
#include "core/Text.h"
#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "menu/MenuComparison.h"
#include "files/SaveBackup.h"

#include <bit>
#include <cstring>
#include <exception>

namespace torvex {

std::string missingIniFileText(const std::string &path)
{
    return std::string("Can't find Windows Commander's ini file:   ") + lineBreak + path + lineBreak
        + lineBreak + "Aborting...";
}

namespace {

// The first questionListLimit lines of a list, then how many more there are.
std::string listed(const std::vector<std::string> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < questionListLimit; ++i)
        text += lineBreak + lines[i];
    if (lines.size() > questionListLimit)
        text += lineBreak + ("and " + std::to_string(lines.size() - questionListLimit) + " more");
    return text;
}

} // namespace

std::string notShownDetails(const std::vector<DirMenuFinding> &notShown)
{
    if (notShown.size() <= questionListLimit)
        return {};
    std::string text;
    for (const DirMenuFinding &finding : notShown)
        text += (text.empty() ? "" : lineBreak) + findingDetail(finding);
    return text;
}

std::string unstorablePlace(const UnstorableEntry &entry)
{
    // By place and number: the titles are the very thing that may not read well.
    const std::string where = entry.parentTitle.empty()
        ? std::string("at the top level")
        : "under " + entry.parentTitle;
    return "entry " + std::to_string(entry.position) + ", " + where + " (saved as number "
        + std::to_string(entry.number) + ")";
}

std::string notShownQuestion(const std::vector<DirMenuFinding> &notShown)
{
    std::vector<std::string> lines;
    for (const DirMenuFinding &finding : notShown)
        lines.push_back(findingDetail(finding));
    return notShownSummary(notShown.size()) + lineBreak + listed(lines);
}

std::string unstorableQuestion(const std::vector<UnstorableEntry> &entries)
{
    std::vector<std::string> lines;
    for (const UnstorableEntry &entry : entries)
        lines.push_back(unstorablePlace(entry) + ": " + entry.reason);
    return std::string("The file cannot store these entries as they are:") + lineBreak
        + listed(lines) + lineBreak + lineBreak
        + "Saved anyway, they read back changed or not at all.";
}

std::string menuChangedText(const std::string &path)
{
    return "The menu in " + path + " was changed by another program after Torvex loaded it.";
}

std::string menuChangedQuestion(const std::string &path)
{
    return menuChangedText(path) + lineBreak + lineBreak
        + "Overwrite it with the menu shown here? The other program's change to the menu is "
          "then lost."
        + lineBreak + "Reload shows the menu of the file instead, losing the changes made here.";
}

std::string fileGoneText(const std::string &path)
{
    return path + " was moved or deleted after Torvex loaded it. Save to file... keeps the menu "
                  "shown here in a file of your choice.";
}

std::string reloadQuestion(const std::string &path)
{
    return "Load the menu of " + path + " again?" + lineBreak + lineBreak
        + "The changes made to the menu in Torvex are lost.";
}

std::string noBackupQuestion(const std::string &path, const std::string &reason)
{
    return "No backup of " + path + " could be kept:" + lineBreak + reason + lineBreak + lineBreak
        + "Save without a backup?";
}

std::string backupElsewhereStatus(const std::string &where)
{
    return " Data saved; the file as it was is kept in " + where;
}

void MenuLinesDigest::mix(std::uint64_t word)
{
    // A running hash of 64-bit words, each word scrambled first (the body of MurmurHash3).
    word *= 0x87c37b91114253d5u;
    word = std::rotl(word, 31) * 0x4cf5ad432745937fu;
    m_hash = std::rotl(m_hash ^ word, 27) * 5 + 0x52dce729u;
}

namespace {

// Each of the eight bytes of `word` with ASCII letters in lower case, the others as they are.
std::uint64_t asciiLowerWord(std::uint64_t word)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    const std::uint64_t low7 = word & (0x7f * ones);
    // The top bit of each byte: set from 'A' up, and from past 'Z' up, for bytes below 0x80.
    const std::uint64_t fromA = low7 + (0x80 - 'A') * ones;
    const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * ones;
    const std::uint64_t upper = fromA & ~pastZ & ~word & (0x80 * ones);
    return word | (upper >> 2);
}

} // namespace

void MenuLinesDigest::mixBytes(std::string_view bytes, bool lowerCase)
{
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(lowerCase ? asciiLowerWord(word) : word);
    }
    // The last one to seven bytes, read in a fixed number of steps (the length is known).
    const std::size_t rest = bytes.size() - at;
    if (rest == 0)
        return;
    const auto *tail = reinterpret_cast<const unsigned char *>(bytes.data() + at);
    std::uint64_t word = 0;
    if (rest >= 4) {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::memcpy(&first, tail, 4);
        std::memcpy(&last, tail + rest - 4, 4);
        word = first | (std::uint64_t { last } << 32);
    } else {
        word = tail[0] | (std::uint64_t { tail[rest / 2] } << 8)
            | (std::uint64_t { tail[rest - 1] } << 16);
    }
    mix(lowerCase ? asciiLowerWord(word) : word);
}

void MenuLinesDigest::add(std::string_view key, std::string_view value)
{
    // The lengths first: each list of lines is one sequence of words.
    mix((std::uint64_t { key.size() } << 32) ^ value.size());
    mixBytes(key, true);
    mixBytes(value, false);
    ++m_lines;
}

MenuLinesDigest menuLinesDigest(const IniDocument &document)
{
    MenuLinesDigest digest;
    visitDirMenuLines(document, [&digest](std::string_view key, std::string_view value) {
        digest.add(key, value);
    });
    return digest;
}

FileBytesDigest::FileBytesDigest(std::string_view bytes)
{
    m_digest.add({}, bytes);
}

MenuLinesDigest menuLinesDigestOnDisk(const std::string &path, FileSystem &fs)
{
    return menuLinesDigest(IniFile(path, fs).document());
}

MenuLinesDigest menuLinesDigestNow(
    const std::string &path, FileSystem &fs, const LoadedFile &loaded)
{
    // Read as IniFile reads it: a missing file holds nothing.
    std::string bytes = fs.fileExists(path) ? fs.readAll(path) : std::string();
    if (path == loaded.menuPath && loaded.menuOnDisk && loaded.fileOnDisk
        && FileBytesDigest(bytes) == *loaded.fileOnDisk)
        return *loaded.menuOnDisk;
    return menuLinesDigest(IniDocument::fromOwnedBytes(std::move(bytes), path));
}

bool menuChangedOnDisk(const std::string &path, const LoadedFile &loaded, FileSystem &fs)
{
    if (path != loaded.menuPath || !loaded.menuOnDisk)
        return false;
    return menuLinesDigestNow(path, fs, loaded) != *loaded.menuOnDisk;
}

void rememberMenuOnDisk(const std::string &path, LoadedFile &loaded, FileSystem &fs)
{
    loaded.menuPath = path;
    try {
        const IniDocument document = IniFile(path, fs).document();
        DirMenuValues values;
        MenuLinesDigest digest;
        visitDirMenuLines(document, [&](std::string_view key, std::string_view value) {
            values.add(key, value);
            digest.add(key, value);
        });
        loaded.menuOnDisk = digest;
        loaded.fileOnDisk = FileBytesDigest(document.originalBytes());
        loaded.menuEntriesOnDisk =
            std::make_shared<const MenuEntryList>(MenuEntryList::read(values));
    } catch (const FileError &) {
        // Unknown lines cannot tell another program's edit: nothing is asked then.
        loaded.menuOnDisk.reset();
        loaded.fileOnDisk.reset();
        loaded.menuEntriesOnDisk.reset();
    }
}

std::string removeAllQuestion(std::size_t count)
{
    if (count == 1)
        return "Remove the 1 entry from the file?";
    return "Remove all " + std::to_string(count) + " entries from the file?";
}

namespace {

ProgressFn statusProgress(MenuFileUi &ui)
{
    return [&ui](int percent) {
        ui.showStatus(std::to_string(percent) + "%");
        ui.processEvents();
    };
}

// Restores the cursor however the load ends, and after a failed one also the panels, the
// menus and the status text, so that the menu shown before stays usable.
class LoadGuard
{
public:
    explicit LoadGuard(MenuFileUi &ui)
        : m_ui(ui)
    { }
    ~LoadGuard()
    {
        m_ui.setBusyCursor(false);
        if (!m_finished) {
            m_ui.setPanelsEnabled(true);
            m_ui.setMenusEnabled(true);
            m_ui.showStatus("");
        }
    }
    LoadGuard(const LoadGuard &) = delete;
    LoadGuard &operator=(const LoadGuard &) = delete;
    void finish() { m_finished = true; }

private:
    MenuFileUi &m_ui;
    bool m_finished = false;
};

void reportSaveFailure(MenuFileUi &ui, const SaveFailure &failure)
{
    ui.setBusyCursor(false);
    // The write is atomic, so a failure leaves the file as it was: say so instead of leaving
    // the last progress figure standing.
    ui.showStatus(saveFailedStatus);
    ui.saveFailed(failure.message, failure.cause);
    ui.setMenusEnabled(true);
}

} // namespace

bool loadMenuInteractively(
    const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs, LoadedFile &loaded)
{
    if (!fs.fileExists(path)) {
        if (MessageBoxes *boxes = ui.messageBoxes())
            boxes->inform(missingIniFileText(path), missingIniFileCaption, MsgIcon::Information);
        return false;
    }
    ui.showStatus("Loading data...");
    ui.setPanelsEnabled(false);
    ui.setMenusEnabled(false);
    ui.setBusyCursor(true);
    ui.processEvents();

    LoadGuard guard(ui);
    MenuLinesDigest digest;
    std::optional<FileBytesDigest> bytes;
    std::vector<DirMenuFinding> notShown;
    try {
        notShown = readMenuFile(
            path,
            tree,
            fs,
            statusProgress(ui),
            [&ui] {
                ui.processEvents();
            },
            [&digest](std::string_view key, std::string_view value) {
                digest.add(key, value);
            },
            windowMenuDepthLimit,
            dirMenuSection,
            [&bytes](const IniDocument &asRead) {
                bytes.emplace(asRead.originalBytes());
            });
    } catch (const IniReadError &error) {
        if (isTooDeepCause(error.cause()))
            loaded.tooDeepPath = path;
        throw;
    }
    loaded = LoadedFile { path, std::move(notShown), false, path, digest, {}, path, bytes, {} };
    ui.setMenusEnabled(true);
    ui.setBusyCursor(false);
    // The panes first: the item editor then decides for itself, and stays off without a
    // selected entry.
    ui.setPanelsEnabled(true);
    ui.afterLoad();
    ui.setMenusEnabled(true);
    ui.showStatus("");
    guard.finish();
    return true;
}

namespace {

// Asks a question whose default and escape button is Cancel; true for the first button.
// Without boxes nothing can be asked, and the answer is the default.
bool confirmed(MenuFileUi &ui,
    std::string text,
    const char *caption,
    const char *goOnButton,
    std::string details = {})
{
    MessageBoxes *boxes = ui.messageBoxes();
    if (!boxes)
        return false;
    MsgChoice choice;
    choice.text = std::move(text);
    choice.caption = caption;
    choice.icon = MsgIcon::Warning;
    choice.buttons = { goOnButton, cancelButton };
    choice.defaultButton = 1;
    choice.escapeButton = 1;
    choice.details = std::move(details);
    return boxes->choose(choice) == 0;
}

// Asks what to do about another program's edit of the menu in the file; true for Overwrite.
// Otherwise the outcome is Declined, with reload set when the user chose to load the file's
// menu instead.
bool overwriteChangedMenu(
    const std::string &path, MenuFileUi &ui, const SaveSafeguards &safeguards, SaveResult &result)
{
    result.outcome = SaveOutcome::Declined;
    MessageBoxes *boxes = ui.messageBoxes();
    if (!boxes)
        return false;
    MsgChoice choice;
    choice.text = menuChangedQuestion(path);
    choice.caption = menuChangedCaption;
    choice.icon = MsgIcon::Warning;
    choice.buttons = { overwriteButton, reloadButton };
    if (safeguards.showChanges)
        choice.buttons.push_back(showChangesButton);
    choice.buttons.push_back(cancelButton);
    choice.defaultButton = choice.escapeButton = choice.buttons.size() - 1;
    for (;;) {
        const std::size_t answer = boxes->choose(choice);
        if (answer == 0) {
            result.outcome = SaveOutcome::NothingWritten;
            return true;
        }
        if (answer == 1) {
            result.reload = confirmed(ui, reloadQuestion(path), reloadCaption, reloadButton);
            return false;
        }
        if (answer != 2 || !safeguards.showChanges)
            return false;
        // The window is not modal: the question comes back over it.
        safeguards.showChanges(path);
    }
}

// The question about another program's edit of the menu; false when the save is not to go
// on, with the outcome set. `agreed` is then the digest of the menu on disk that the save may
// replace; nothing when it cannot be read.
bool mayOverwrite(const std::string &path,
    MenuFileUi &ui,
    FileSystem &fs,
    const LoadedFile &loaded,
    const SaveSafeguards &safeguards,
    SaveResult &result,
    std::optional<MenuLinesDigest> &agreed)
{
    try {
        agreed = menuLinesDigestNow(path, fs, loaded);
    } catch (const FileError &) {
        agreed.reset();
    }
    const bool changed =
        path == loaded.menuPath && loaded.menuOnDisk && agreed && *agreed != *loaded.menuOnDisk;
    return !changed || overwriteChangedMenu(path, ui, safeguards, result);
}

// Keeps the backup before the write; false when the save is not to go on.
bool backupKept(const std::string &path,
    MenuFileUi &ui,
    const SaveSafeguards &safeguards,
    std::optional<std::string> &where)
{
    if (!safeguards.backup)
        return true;
    try {
        where = safeguards.backup->keepBefore(path);
        return true;
    } catch (const IniReadError &error) {
        return confirmed(
            ui, noBackupQuestion(path, error.what()), noBackupCaption, saveWithoutBackupButton);
    } catch (const FileError &error) {
        const std::string cause = error.cause().empty() ? "" : ": " + error.cause();
        return confirmed(ui,
            noBackupQuestion(path, error.what() + cause),
            noBackupCaption,
            saveWithoutBackupButton);
    }
}

// The questions before a write; false when nothing is to be written, with the outcome set.
bool mayWrite(const std::string &path,
    const MenuTree &tree,
    MenuFileUi &ui,
    FileSystem &fs,
    LoadedFile &loaded,
    const SaveSafeguards &safeguards,
    SaveResult &result,
    std::optional<MenuLinesDigest> &agreed)
{
    if (!mayOverwrite(path, ui, fs, loaded, safeguards, result, agreed))
        return false;
    if (tree.isEmpty()) {
        MenuTree inFile;
        readMenuFile(path, inFile, fs);
        if (inFile.isEmpty())
            return false;
        MessageBoxes *boxes = ui.messageBoxes();
        if (!boxes
            || boxes->askWithDefault(removeAllQuestion(inFile.count()),
                   removeAllCaption,
                   MsgIcon::Question,
                   MsgButtons::YesNo,
                   MsgResult::No)
                != MsgResult::Yes) {
            result.outcome = SaveOutcome::Declined;
            return false;
        }
        return true;
    }
    const std::vector<UnstorableEntry> unstorable = findUnstorableEntries(tree);
    if (!unstorable.empty()
        && !confirmed(ui, unstorableQuestion(unstorable), unstorableCaption, saveAnywayButton)) {
        result.outcome = SaveOutcome::Declined;
        result.firstUnstorable = unstorable.front().node;
        return false;
    }
    if (path == loaded.path && !loaded.notShown.empty() && !loaded.removalAccepted) {
        if (!confirmed(ui,
                notShownQuestion(loaded.notShown),
                notShownCaption,
                saveAndRemoveButton,
                notShownDetails(loaded.notShown))) {
            result.outcome = SaveOutcome::Declined;
            return false;
        }
        loaded.removalAccepted = true;
    }
    return true;
}

// Writes the menu under the save's lock, as long as the menu in the file is still the one the
// save may replace; false, with the outcome set, when the user then declines to overwrite
// another program's edit.
bool writeMenu(const std::string &path,
    const MenuTree &tree,
    MenuFileUi &ui,
    FileSystem &fs,
    const SaveSafeguards &safeguards,
    SaveResult &result,
    std::optional<MenuLinesDigest> &agreed)
{
    for (int attempt = 1;; ++attempt) {
        ui.showStatus("Saving data...");
        ui.setBusyCursor(true);
        try {
            writeMenuFile(path, tree, fs, statusProgress(ui), [&](const IniDocument &asRead) {
                if (agreed && menuLinesDigest(asRead) != *agreed)
                    throw IniWriteError(path, fileChangedCause);
            });
            ui.setBusyCursor(false);
            return true;
        } catch (const IniWriteError &error) {
            ui.setBusyCursor(false);
            if (error.cause() != fileChangedCause)
                throw;
        }
        // Another program wrote the file during the save, which left it as that program did.
        // A change beside the menu is kept by saving again; one of the menu is asked about.
        std::optional<MenuLinesDigest> now;
        try {
            now = menuLinesDigestOnDisk(path, fs);
        } catch (const FileError &) { }
        if (attempt < 3 && agreed && now == agreed)
            continue;
        ui.showStatus("");
        if (!overwriteChangedMenu(path, ui, safeguards, result))
            return false;
        agreed = now;
    }
}

} // namespace

SaveResult saveMenuInteractively(const std::string &path,
    const MenuTree &tree,
    MenuFileUi &ui,
    FileSystem &fs,
    LoadedFile &loaded,
    const SaveSafeguards &safeguards)
{
    SaveResult result;
    ui.setMenusEnabled(false);
    if (!fs.fileExists(path)) {
        ui.setMenusEnabled(true);
        return result;
    }
    if (path == loaded.tooDeepPath) {
        ui.showStatus(tooDeepNotSavedStatus);
        ui.setMenusEnabled(true);
        return result;
    }
    if (safeguards.menuAtCleanState && path == loaded.cleanPath
        && (path != loaded.path || loaded.notShown.empty())) {
        // Writing would at best give the same lines in another order and layout: the file
        // stays byte for byte as the user or another program left it.
        ui.showStatus(unchangedStatus);
        ui.setMenusEnabled(true);
        result.outcome = SaveOutcome::Unchanged;
        return result;
    }
    try {
        std::optional<std::string> backup;
        std::optional<MenuLinesDigest> agreed;
        if (!mayWrite(path, tree, ui, fs, loaded, safeguards, result, agreed)) {
            ui.setMenusEnabled(true);
            return result;
        }
        if (safeguards.checked)
            safeguards.checked();
        if (!backupKept(path, ui, safeguards, backup)) {
            result.outcome = SaveOutcome::Declined;
            ui.setMenusEnabled(true);
            return result;
        }
        if (!writeMenu(path, tree, ui, fs, safeguards, result, agreed)) {
            ui.setMenusEnabled(true);
            return result;
        }
        // This text carries a blank of its own besides the one the status panel adds.
        if (backup && *backup != path + ".bak")
            ui.showStatus(backupElsewhereStatus(*backup));
        else
            ui.showStatus(" Data saved");
        ui.setMenusEnabled(true);
        // What the file held beyond the menu is gone now.
        if (path == loaded.path)
            loaded.notShown.clear();
        rememberMenuOnDisk(path, loaded, fs);
        loaded.cleanPath = path;
        result.outcome = SaveOutcome::Saved;
    } catch (const std::exception &error) {
        reportSaveFailure(ui, describeSaveFailure(error, tree));
        result.outcome = SaveOutcome::Failed;
    }
    return result;
}

} // namespace torvex
