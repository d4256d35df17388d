// The File commands, the closing steps, loading and saving, and the error handler of the
// main window. The decisions live in FileCommands and ErrorReporter; this file only connects
// them to the window's widgets and dialogs.

#include "app/ErrorLog.h"
#include "app/ErrorReporter.h"
#include "app/FileCommands.h"
#include "app/MenuFileSteps.h"
#include "app/gui/IniChooserDialog.h"
#include "app/gui/InputGate.h"
#include "app/gui/LoggedClassName.h"
#include "app/gui/MainWindow.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QCloseEvent>
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

// The main window as the File commands see it.
class FileHost : public FileCommandsHost
{
public:
    explicit FileHost(MainWindow &form)
        : m_form(form)
    { }

    std::optional<std::string> chooseIniFile(
        const std::string &caption, const std::vector<std::string> &paths) override
    {
        IniChooserDialog *chooser = m_form.chooser();
        if (!chooser)
            return std::nullopt;
        chooser->setWindowTitle(QString::fromStdString(caption));
        chooser->setPaths(paths);
        if (chooser->exec() != QDialog::Accepted)
            return std::nullopt;
        return chooser->selectedPath();
    }
    MessageBoxes &messages() override { return m_form.boxes(); }
    bool loadMenu(const std::string &path) override { return m_form.loadMenu(path); }
    bool saveMenu(const std::string &path) override { return m_form.saveMenu(path); }
    bool fileExists(const std::string &path) const override
    {
        return m_form.fileSystem().fileExists(path);
    }
    void setIniPanelText(const std::string &text) override { m_form.showIniPath(text.substr(1)); }
    bool confirmExitWithoutSaving() override
    {
        return askBeforeExitWithoutSaving(m_form.settings());
    }
    void closeWindow() override { m_form.close(); }
    void writeWindowSettings() override { m_form.writeWindowSettings(); }
    void reportError(const std::string &message) override
    {
        m_form.globalErrorHandler(loggedClassName(&m_form), message);
    }

private:
    MainWindow &m_form;
};

} // namespace

// Everything the File commands keep for the life of the window.
struct MainWindowFiles
{
    explicit MainWindowFiles(MainWindow &form)
        : log(form.folders().logFolder)
        , reporter(
              log,
              [&form] {
                  return form.session().logContext();
              },
              form)
        , host(form)
        , commands(host, form.tree(), form.session())
    {
        log.setDateTimeFormat(localeDateTimeFormat());
    }

    ErrorLog log;
    ErrorReporter reporter;
    FileHost host;
    FileCommands commands;
};

MainWindowFiles &MainWindow::files()
{
    if (!m_files)
        m_files = std::make_shared<MainWindowFiles>(*this);
    return *m_files;
}

void MainWindow::mnuFileOpenClick()
{
    files().commands.fileOpen();
}

void MainWindow::mnuFilesSaveClick()
{
    files().commands.fileSave();
}

void MainWindow::mnuFileSaveInClick()
{
    files().commands.fileSaveAs();
}

void MainWindow::mnuFileExitWithoutSavingClick()
{
    files().commands.fileExitWithoutSaving();
}

void MainWindow::mnuFileExitClick()
{
    files().commands.fileExitAndSave();
}

void MainWindow::FormClose()
{
    m_closeAccepted = files().commands.formClose() == CloseDecision::Close;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A close request that arrives while a file is read or written would save a half-read
    // menu or write the file twice at once; the user closes again when the work is done.
    if (m_inputGate->isBlocked(InputGate::Reason::FileWork)) {
        event->ignore();
        return;
    }
    FormClose();
    event->setAccepted(m_closeAccepted);
}

bool MainWindow::loadMenu(const std::string &path)
{
    // Loading lets pending events run so that the window repaints; the tree must not change
    // under it, and the window must not close half-way.
    const InputGate::Hold hold(*m_inputGate, InputGate::Reason::FileWork);
    return torvex::loadMenu(path, m_tree, *this, *m_fs);
}

bool MainWindow::saveMenu(const std::string &path)
{
    const InputGate::Hold hold(*m_inputGate, InputGate::Reason::FileWork);
    return torvex::saveMenu(path, m_tree, *this, *m_fs);
}

void MainWindow::saveFailed(const std::string &message, const std::string &cause)
{
    files().reporter.saveFailed(message, cause);
}

void MainWindow::globalErrorHandler(const std::string &senderClassName, const std::string &message)
{
    files().reporter.globalError(senderClassName, message);
}

} // namespace torvex
