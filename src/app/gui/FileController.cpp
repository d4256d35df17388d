#include "app/gui/FileController.h"

#include "app/MenuFileSteps.h"
#include "app/Session.h"
#include "app/gui/IniChooserDialog.h"
#include "app/gui/InputGate.h"
#include "app/gui/ItemEditorPanel.h"
#include "app/gui/NoticeBar.h"
#include "menu/FileSystem.h"
#include "menu/gui/MenuText.h"
#include "settings/ProgramSettings.h"

#include <QDate>
#include <QLocale>
#include <QTime>

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
    const std::string &logFolder,
    FileWindowServices services)
    : m_tree(tree)
    , m_fs(fileSystem)
    , m_inputGate(inputGate)
    , m_ui(ui)
    , m_services(std::move(services))
    , m_log(logFolder)
    , m_reporter(
          m_log,
          [&session] {
              return session.logContext();
          },
          ui)
    , m_commands(*this, tree, session)
{
    m_log.setDateTimeFormat(localeDateTimeFormat());
}

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

bool FileController::closeRequested()
{
    // A close request that arrives while a file is read or written would save a half-read
    // menu or write the file twice at once; the user closes again when the work is done.
    if (m_inputGate.isBlocked(InputGate::Reason::FileWork))
        return false;
    return m_commands.formClose() == CloseDecision::Close;
}

bool FileController::loadMenu(const std::string &path)
{
    // Loading lets pending events run so that the window repaints; the tree must not change
    // under it, and the window must not close half-way.
    const InputGate::Hold hold(m_inputGate, InputGate::Reason::FileWork);
    const bool loaded = torvex::loadMenu(path, m_tree, m_ui, m_fs, m_loaded);
    if (loaded)
        updateNotice(path);
    return loaded;
}

SaveOutcome FileController::saveMenu(const std::string &path)
{
    SaveResult result;
    {
        const InputGate::Hold hold(m_inputGate, InputGate::Reason::FileWork);
        result = torvex::saveMenu(path, m_tree, m_ui, m_fs, m_loaded);
    }
    if (result.firstUnstorable && m_services.itemEditor) {
        m_tree.setSelected(result.firstUnstorable);
        m_services.itemEditor->editor().showSelectedEntry();
    }
    if (result.outcome == SaveOutcome::Saved) {
        updateNotice(path);
        if (m_services.saved)
            m_services.saved();
    }
    return result.outcome;
}

void FileController::updateNotice(const std::string &path)
{
    NoticeBar *bar = m_services.noticeBar;
    if (!bar)
        return;
    if (path != m_loaded.path || m_loaded.notShown.empty()) {
        bar->dismiss();
        return;
    }
    QStringList details;
    for (const DirMenuFinding &finding : m_loaded.notShown)
        details.append(menuTextToQt(findingLine(finding)));
    bar->showNotice(QString::fromStdString(notShownSummary(m_loaded.notShown.size())), details);
}

void FileController::reportSaveFailure(const std::string &message, const std::string &cause)
{
    m_reporter.saveFailed(message, cause);
}

void FileController::reportError(const std::string &senderClassName, const std::string &message)
{
    m_reporter.globalError(senderClassName, message);
}

std::optional<std::string> FileController::chooseIniFile(
    const std::string &caption, const std::vector<std::string> &paths)
{
    IniChooserDialog *chooser = m_services.chooser();
    if (!chooser)
        return std::nullopt;
    chooser->setWindowTitle(QString::fromStdString(caption));
    chooser->setPaths(paths);
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
    m_services.showIniPath(text.substr(1));
}

bool FileController::confirmExitWithoutSaving()
{
    return askBeforeExitWithoutSaving(m_services.settings());
}

void FileController::reportError(const std::string &message)
{
    reportError(m_services.senderClassName(), message);
}

} // namespace torvex
