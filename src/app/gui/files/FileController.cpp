#include "app/gui/files/FileController.h"

#include "app/FileDialogs.h"
#include "app/MenuFileSteps.h"
#include "app/RecentFiles.h"
#include "app/Session.h"
#include "app/gui/editing/UndoHistory.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/files/InputGate.h"
#include "app/gui/files/MenuFileWatcher.h"
#include "app/gui/files/NoticeBar.h"
#include "app/gui/files/UnsavedMark.h"
#include "core/MessageBoxes.h"
#include "core/gui/ShownText.h"
#include "editor/MenuEditor.h"
#include "files/FileSystem.h"
#include "menu/IniError.h"
#include "menu/gui/MenuText.h"
#include "settings/ProgramSettings.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QTime>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>

namespace torvex {

namespace {

// The user's locale: short date and long time, the latter without the time zone that Qt adds
// to it (the log names local time).
DateTimeFormat localeDateTimeFormat()
{
    return { [](const std::tm &when) {
                const QDate date(when.tm_year + 1900, when.tm_mon + 1, when.tm_mday);
                return QLocale::system().toString(date, QLocale::ShortFormat).toStdString();
            },
        [](const std::tm &when) {
            QString format = QLocale::system().timeFormat(QLocale::LongFormat);
            format.remove(QLatin1Char('t'));
            const QTime time(when.tm_hour, when.tm_min, when.tm_sec);
            return QLocale::system().toString(time, format.trimmed()).toStdString();
        } };
}

} // namespace

FileController::FileController(MenuTree &tree,
    Session &session,
    FileSystem &fileSystem,
    InputGate &inputGate,
    MenuFileUi &ui,
    FileWindow &window,
    FileControllerParts parts,
    const std::string &logFolder,
    const std::filesystem::path &stateFolder)
    : m_tree(tree)
    , m_session(session)
    , m_fs(fileSystem)
    , m_inputGate(inputGate)
    , m_ui(ui)
    , m_window(window)
    , m_parts(parts)
    , m_log(logFolder)
    , m_reporter(
          m_log,
          [&session] {
              return session.logContext();
          },
          ui)
    , m_commands(*this, tree, session)
    , m_backup(fileSystem, stateFolder)
    , m_watcher(std::make_unique<MenuFileWatcher>([this] {
        fileChangedOnDisk();
    }))
    , m_mark(new UnsavedMark(parts.history, *parts.filePanel.window(), parts.filePanel))
{
    m_log.setDateTimeFormat(localeDateTimeFormat());
}

FileController::~FileController() = default;

void FileController::open()
{
    m_commands.fileOpen();
}

void FileController::save()
{
    m_commands.fileSave();
}

void FileController::saveAs()
{
    m_commands.fileSaveAs();
}

void FileController::exitWithoutSaving()
{
    m_commands.fileExitWithoutSaving();
}

void FileController::exitAndSave()
{
    m_commands.fileExitAndSave();
}

bool FileController::unsavedChangesSettled()
{
    if (m_parts.history.isClean())
        return true;
    const MsgResult answer = messages().ask(fileCommandText(saveMenusText),
        fileCommandText(saveMenusCaption),
        MsgIcon::Question,
        MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::No)
        return true;
    m_commands.fileSave();
    return m_parts.history.isClean();
}

std::string FileController::driveCFolder()
{
    const std::string driveC = m_window.hostPath("C:\\");
    if (driveC.empty())
        return driveC;
    // The drive is a link in dosdevices; the dialog shows the folder it leads to, drive_c.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(driveC, error);
    return error ? driveC : folder.string();
}

void FileController::openFile()
{
    if (!unsavedChangesSettled())
        return;
    const std::optional<std::string> chosen = m_window.fileDialogs().fileToOpen(
        { openFileCaption, driveCFolder(), { wincmdIniFilter, iniFilesFilter } });
    if (chosen)
        openChosenFile(*chosen);
}

void FileController::openRecent(const std::string &path)
{
    if (unsavedChangesSettled())
        openChosenFile(path);
}

void FileController::openChosenFile(const std::string &path)
{
    if (!m_fs.fileExists(path)) {
        messages().inform(
            iniFileNotFoundText(path), fileCommandText(iniFileNotFoundCaption), MsgIcon::Error);
        return;
    }
    m_session.setCurrentIniFile(path);
    setIniPanelText(" " + path);
    openMenuFile(path);
}

void FileController::saveToFile()
{
    if (m_tree.isEmpty()) {
        messages().inform(fileCommandText(nothingToSaveText),
            fileCommandText(nothingToSaveCaption),
            MsgIcon::Information);
        return;
    }
    // The dialog starts at the current file, else at a new wincmd.ini in drive_c.
    std::string start = m_session.currentIniFile();
    if (start.empty()) {
        const std::string driveC = driveCFolder();
        start = driveC.empty() ? std::string("wincmd.ini") : driveC + "/wincmd.ini";
    } else if (std::string host = m_window.hostPath(start); !host.empty()) {
        start = std::move(host);
    }
    const std::optional<std::string> chosen = m_window.fileDialogs().fileToSaveInto(
        { saveToFileCaption, start, { wincmdIniFilter, iniFilesFilter } });
    if (!chosen)
        return;
    const std::string &path = *chosen;
    const bool made = !m_fs.fileExists(path);
    if (made && !std::ofstream(path, std::ios::binary)) {
        reportSaveFailure(writeFailureText(path), std::strerror(errno));
        return;
    }
    const SaveOutcome outcome = saveMenuToFile(path);
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Unchanged) {
        m_session.setCurrentIniFile(path);
        setIniPanelText(" " + path);
        rememberRecent(path);
    } else if (made) {
        // A file made for the save and not written goes again.
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

std::vector<std::string> FileController::recentFiles()
{
    return readRecentFiles(m_window.settings());
}

void FileController::rememberRecent(const std::string &path)
{
    try {
        ProgramSettings &settings = m_window.settings();
        writeRecentFiles(settings, withRecentFile(readRecentFiles(settings), path));
    } catch (const std::exception &) {
        // The list is a convenience: a torvex.ini that cannot be written keeps the old one.
    }
}

bool FileController::closeRequested()
{
    // A close request that arrives while a file is read or written would save a half-read
    // menu or write the file twice at once; the user closes again when the work is done.
    if (m_inputGate.isBlocked(InputGate::Reason::FileWork))
        return false;
    return m_commands.formClose() == CloseDecision::Close;
}

bool FileController::openMenuFile(const std::string &path)
{
    m_window.followPrefixOf(path);
    // Loading lets pending events run so that the window repaints; the tree must not change
    // under it, and the window must not close half-way.
    const InputGate::Hold hold(m_inputGate, InputGate::Reason::FileWork);
    const bool loaded = torvex::loadMenuInteractively(path, m_tree, m_ui, m_fs, m_loaded);
    if (loaded) {
        updateNotice(path);
        m_watcher->watch(m_window.hostPath(path));
        rememberRecent(path);
    }
    return loaded;
}

SaveOutcome FileController::saveMenuToFile(const std::string &path)
{
    m_window.followPrefixOf(path);
    SaveSafeguards safeguards;
    if (backupWanted())
        safeguards.backup = &m_backup;
    safeguards.showChanges = [this](const std::string &file) {
        m_window.showChangesUntilClosed(file);
    };
    safeguards.menuAtCleanState = m_parts.history.isClean();
    safeguards.checked = m_saveChecked;
    SaveResult result;
    {
        const InputGate::Hold hold(m_inputGate, InputGate::Reason::FileWork);
        result = torvex::saveMenuInteractively(path, m_tree, m_ui, m_fs, m_loaded, safeguards);
    }
    if (result.reload) {
        openMenuFile(path);
        return result.outcome;
    }
    if (result.firstUnstorable) {
        m_tree.setSelected(result.firstUnstorable);
        m_parts.editor.showSelectedEntry();
    }
    if (result.outcome == SaveOutcome::Saved) {
        updateNotice(path);
        m_watcher->watch(m_window.hostPath(path));
        m_parts.history.setClean();
    }
    return result.outcome;
}

void FileController::updateNotice(const std::string &path)
{
    NoticeBar *bar = &m_parts.noticeBar;
    if (path != m_loaded.path || m_loaded.notShown.empty()) {
        bar->dismiss();
        return;
    }
    QStringList details { QCoreApplication::translate(findingReasonContext, notShownHeading) };
    for (const DirMenuFinding &finding : m_loaded.notShown)
        details.append(shownText(findingDetailText(finding)));
    bar->showNotice(shownText(notShownSummaryText(m_loaded.notShown.size())), details);
}

bool FileController::backupWanted()
{
    try {
        return m_window.settings().readKeepBackup();
    } catch (const std::exception &) {
        // A backup too many costs a file; one too few may cost the menu.
        return true;
    }
}

bool FileController::reloadMenu(const std::string &path)
{
    if (!m_parts.history.isClean()) {
        MsgChoice choice;
        choice.text = reloadQuestion(path);
        choice.caption = fileStepText(reloadCaption);
        choice.icon = MsgIcon::Warning;
        choice.buttons = { fileStepText(reloadButton), fileStepText(cancelButton) };
        choice.defaultButton = choice.escapeButton = 1;
        if (messages().choose(choice) != 0)
            return false;
    }
    return openMenuFile(path);
}

void FileController::fileChangedOnDisk()
{
    // The file is read or written by Torvex itself right now; its own save is remembered
    // when it ends.
    if (m_inputGate.isBlocked(InputGate::Reason::FileWork))
        return;
    const std::string path = m_loaded.menuPath;
    if (!path.empty() && !m_fs.fileExists(path)) {
        // Moved or deleted: no reload can help; the menu is still here to be saved elsewhere.
        m_parts.noticeBar.showNotice(shownText(fileGoneText(path)),
            {},
            NoticeBar::Action {
                QCoreApplication::translate("torvex::FileController", "Save to file..."), [this] {
                    saveToFile();
                } });
        return;
    }
    bool changed = false;
    try {
        changed = menuChangedOnDisk(path, m_loaded, m_fs);
    } catch (const std::exception &) {
        // A file being replaced or gone for now: the next change tells again.
        return;
    }
    if (!changed)
        return;
    m_parts.noticeBar.showNotice(shownText(menuChangedText(path)),
        {},
        NoticeBar::Action {
            QCoreApplication::translate("torvex::FileController", "Reload"), [this, path] {
                // Kept from the reload, the file's change is still there to tell.
                if (!reloadMenu(path))
                    fileChangedOnDisk();
            } });
}

void FileController::reportSaveFailure(const LocalText &message, const std::string &cause)
{
    m_reporter.saveFailed(message, cause);
}

void FileController::reportError(const std::string &senderClassName, const std::string &message)
{
    m_reporter.globalError(senderClassName, message);
}

void FileController::reportError(const std::string &senderClassName, const LocalText &message)
{
    m_reporter.globalError(senderClassName, message);
}

std::optional<std::string> FileController::chooseIniFile(
    const LocalText &caption, const std::vector<std::string> &paths)
{
    IniChooserDialog *chooser = m_window.iniChooser();
    if (!chooser)
        return std::nullopt;
    chooser->setWindowTitle(shownText(caption));
    // A file of another prefix carries that prefix's name beside it.
    std::vector<std::string> labels;
    for (const std::string &path : paths) {
        const OtherPrefixFile *other = m_session.otherPrefixFile(path);
        labels.push_back(other ? other->label : std::string());
    }
    chooser->setPaths(paths, labels);
    if (chooser->exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser->selectedPath();
}

bool FileController::fileExists(const std::string &path) const
{
    return m_fs.fileExists(path);
}

void FileController::setIniPanelText(const std::string &text)
{
    m_window.showIniPath(text.substr(1));
    m_mark->refresh();
}

bool FileController::confirmExitWithoutSaving()
{
    return askBeforeExitWithoutSaving(m_window.settings());
}

void FileController::reportError(const std::string &message)
{
    reportError(m_window.senderClassName(), message);
}

} // namespace torvex
