#include "app/MenuFileSteps.h"

#include "app/ErrorReporter.h"
#include "core/MessageBoxes.h"
#include "core/Text.h"
#include "files/FileSystem.h"
#include "files/SaveBackup.h"
#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "menu/MenuComparison.h"

#include <bit>
#include <cstring>
#include <exception>

namespace torvex {

LocalText missingIniFileText(const std::string &path)
{
    return LocalText::joined(
        { fileStepText(QT_TRANSLATE_NOOP(
              "torvex::MenuFileSteps", "Can't find Windows Commander's ini file:   ")),
            LocalText::verbatim(path),
            LocalText::verbatim(""),
            fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Aborting...")) },
        lineBreak);
}

namespace {

// The first questionListLimit items of a list, each as `line` gives it, then how many more
// there are.
template <typename Item, typename Line> LocalText listed(const std::vector<Item> &items, Line line)
{
    std::vector<LocalText> lines;
    for (std::size_t i = 0; i < items.size() && i < questionListLimit; ++i)
        lines.push_back(line(items[i]));
    if (items.size() > questionListLimit)
        lines.push_back(LocalText::counted(fileStepsContext,
            QT_TRANSLATE_N_NOOP("torvex::MenuFileSteps", "and %n more"),
            "and %n more",
            static_cast<long long>(items.size() - questionListLimit)));
    return LocalText::joined(std::move(lines), lineBreak);
}

// A question's text, one line of `parts` after another.
LocalText lines(std::vector<LocalText> parts)
{
    return LocalText::joined(std::move(parts), lineBreak);
}

const LocalText emptyLine = LocalText::verbatim("");

} // namespace

LocalText notShownSummaryText(std::size_t count)
{
    return LocalText::counted(fileStepsContext,
        QT_TRANSLATE_N_NOOP("torvex::MenuFileSteps",
            "The file holds %n lines that the menu does not show; saving will remove them."),
        "The file holds 1 line that the menu does not show; saving will remove it.",
        static_cast<long long>(count));
}

LocalText findingDetailText(const DirMenuFinding &finding)
{
    // The reason is one of loadFindingReason's marked texts.
    return fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "line %1: %2 (%3)"))
        .arg(std::to_string(finding.lineNumber))
        .arg(finding.text)
        .arg(LocalText::markedCopy(findingReasonContext, finding.reason));
}

LocalText notShownDetails(const std::vector<DirMenuFinding> &notShown)
{
    if (notShown.size() <= questionListLimit)
        return LocalText::verbatim("");
    std::vector<LocalText> details;
    details.reserve(notShown.size());
    for (const DirMenuFinding &finding : notShown)
        details.push_back(findingDetailText(finding));
    return lines(std::move(details));
}

LocalText unstorablePlace(const UnstorableEntry &entry)
{
    // By place and number: the titles are the very thing that may not read well.
    const std::string position = std::to_string(entry.position);
    const std::string number = std::to_string(entry.number);
    if (entry.parentTitle.empty())
        return fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
                                "entry %1, at the top level (saved as number %2)"))
            .arg(position)
            .arg(number);
    return fileStepText(
        QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "entry %1, under %2 (saved as number %3)"))
        .arg(position)
        .arg(entry.parentTitle)
        .arg(number);
}

LocalText notShownQuestion(const std::vector<DirMenuFinding> &notShown)
{
    return lines(
        { notShownSummaryText(notShown.size()), emptyLine, listed(notShown, findingDetailText) });
}

LocalText unstorableQuestion(const std::vector<UnstorableEntry> &entries)
{
    const auto line = [](const UnstorableEntry &entry) {
        // The reason is one of unstorableText's marked texts.
        return fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "%1: %2"))
            .arg(unstorablePlace(entry))
            .arg(LocalText::markedCopy(unstorableReasonContext, entry.reason));
    };
    return lines({ fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
                       "The file cannot store these entries as they are:")),
        emptyLine,
        listed(entries, line),
        emptyLine,
        fileStepText(QT_TRANSLATE_NOOP(
            "torvex::MenuFileSteps", "Saved anyway, they read back changed or not at all.")) });
}

LocalText menuChangedText(const std::string &path)
{
    return fileStepText(
        QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
            "The menu in %1 was changed by another program after Torvex loaded it."))
        .arg(path);
}

LocalText menuChangedQuestion(const std::string &path)
{
    return lines({ menuChangedText(path),
        emptyLine,
        fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
            "Overwrite it with the menu shown here? The other program's change to the menu is "
            "then lost.")),
        fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
            "Reload shows the menu of the file instead, losing the changes made here.")) });
}

LocalText fileGoneText(const std::string &path)
{
    return fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps",
                            "%1 was moved or deleted after Torvex loaded it. Save to file... keeps "
                            "the menu shown here in a file of your choice."))
        .arg(path);
}

LocalText reloadQuestion(const std::string &path)
{
    return lines(
        { fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Load the menu of %1 again?"))
                .arg(path),
            emptyLine,
            fileStepText(QT_TRANSLATE_NOOP(
                "torvex::MenuFileSteps", "The changes made to the menu in Torvex are lost.")) });
}

LocalText noBackupQuestion(const std::string &path, const std::string &reason)
{
    return lines(
        { fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "No backup of %1 could be kept:"))
                .arg(path),
            LocalText::verbatim(reason),
            emptyLine,
            fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Save without a backup?")) });
}

LocalText backupElsewhereStatus(const std::string &where)
{
    return fileStepText(
        QT_TRANSLATE_NOOP("torvex::MenuFileSteps", " Data saved; the file as it was is kept in %1"))
        .arg(where);
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

LocalText removeAllQuestion(std::size_t count)
{
    return LocalText::counted(fileStepsContext,
        QT_TRANSLATE_N_NOOP("torvex::MenuFileSteps", "Remove all %n entries from the file?"),
        "Remove the 1 entry from the file?",
        static_cast<long long>(count));
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

// The failure's message as the window shows it: the write's own "Unable to write to <path>"
// and an entry the file refused in the user's language, anything else as it is.
LocalText shownFailure(const std::exception &error, const SaveFailure &failure)
{
    const auto *writeError = dynamic_cast<const IniWriteError *>(&error);
    const std::string what = error.what();
    if (!writeError || !failure.message.starts_with(what))
        return LocalText::verbatim(failure.message);
    const LocalText unable = writeFailureText(writeError->path());
    if (unable.english() != what)
        return LocalText::verbatim(failure.message);
    if (failure.message.size() == what.size())
        return unable;
    if (failure.refusal && failure.message == what + std::string(lineBreak) + failure.refusal->english())
        return LocalText::joined({ unable, *failure.refusal }, lineBreak);
    return LocalText::joined(
        { unable, LocalText::verbatim(failure.message.substr(what.size())) }, "");
}

void reportSaveFailure(MenuFileUi &ui, const std::exception &error, const SaveFailure &failure)
{
    ui.setBusyCursor(false);
    // The write is atomic, so a failure leaves the file as it was: say so instead of leaving
    // the last progress figure standing.
    ui.showStatus(fileStepText(saveFailedStatus));
    ui.saveFailed(shownFailure(error, failure), failure.cause);
    ui.setMenusEnabled(true);
}

} // namespace

bool loadMenuInteractively(
    const std::string &path, MenuTree &tree, MenuFileUi &ui, FileSystem &fs, LoadedFile &loaded)
{
    if (!fs.fileExists(path)) {
        if (MessageBoxes *boxes = ui.messageBoxes())
            boxes->inform(missingIniFileText(path),
                fileStepText(missingIniFileCaption),
                MsgIcon::Information);
        return false;
    }
    ui.showStatus(fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Loading data...")));
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
    LocalText text,
    const char *caption,
    const char *goOnButton,
    LocalText details = {})
{
    MessageBoxes *boxes = ui.messageBoxes();
    if (!boxes)
        return false;
    MsgChoice choice;
    choice.text = std::move(text);
    choice.caption = fileStepText(caption);
    choice.icon = MsgIcon::Warning;
    choice.buttons = { fileStepText(goOnButton), fileStepText(cancelButton) };
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
    choice.caption = fileStepText(menuChangedCaption);
    choice.icon = MsgIcon::Warning;
    choice.buttons = { fileStepText(overwriteButton), fileStepText(reloadButton) };
    if (safeguards.showChanges)
        choice.buttons.push_back(fileStepText(showChangesButton));
    choice.buttons.push_back(fileStepText(cancelButton));
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
            || boxes->ask(removeAllQuestion(inFile.count()),
                   fileStepText(removeAllCaption),
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
        ui.showStatus(fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", "Saving data...")));
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
        ui.showStatus(fileStepText(tooDeepNotSavedStatus));
        ui.setMenusEnabled(true);
        return result;
    }
    if (safeguards.menuAtCleanState && path == loaded.cleanPath
        && (path != loaded.path || loaded.notShown.empty())) {
        // Writing would at best give the same lines in another order and layout: the file
        // stays byte for byte as the user or another program left it.
        ui.showStatus(fileStepText(unchangedStatus));
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
            ui.showStatus(fileStepText(QT_TRANSLATE_NOOP("torvex::MenuFileSteps", " Data saved")));
        ui.setMenusEnabled(true);
        // What the file held beyond the menu is gone now.
        if (path == loaded.path)
            loaded.notShown.clear();
        rememberMenuOnDisk(path, loaded, fs);
        loaded.cleanPath = path;
        result.outcome = SaveOutcome::Saved;
    } catch (const std::exception &error) {
        reportSaveFailure(ui, error, describeSaveFailure(error, tree));
        result.outcome = SaveOutcome::Failed;
    }
    return result;
}

} // namespace torvex
