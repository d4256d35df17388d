// The main window's start-up sequence.

#include "app/ErrorLog.h"
#include "app/gui/ButtonColumn.h"
#include "app/gui/DirListBox.h"
#include "app/gui/FileController.h"
#include "app/gui/FolderPane.h"
#include "app/gui/IniChooserDialog.h"
#include "app/gui/ItemEditorPanel.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MainWindowPanes.h"
#include "app/gui/TorvexApplication.h"
#include "controls/SystemFolders.h"
#include "menu/FileSystem.h"
#include "menu/RecoveryCopy.h"
#include "platform/WindowsView.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/OptionsDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QWidget>

#include <exception>

namespace torvex {

namespace {

constexpr const char *loadHint = " Load ini file by clicking Open in the File menu...";
constexpr const char *dragGuidance =
    "Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key "
    "to drop a folder's name and path onto an existing menu. Drag and drop single menu items.";

} // namespace

void MainWindow::start()
{
    runStartUp();
    if (m_optionsDialog)
        m_optionsDialog->loadOptions();
    offerCandidates();
}

void MainWindow::offerCandidates()
{
    if (!m_chooser || m_session.candidates().candidateCount <= 1)
        return;
    QCoreApplication::processEvents();
    // This runs outside any event handler: a failure of the load is reported here, as one of
    // the chooser's, rather than ending the program.
    try {
        m_files->open();
    } catch (const std::exception &e) {
        m_files->reportError(TorvexApplication::senderClassName(m_chooser), e.what());
    }
}

void MainWindow::runStartUp()
{
    try {
        startUp();
    } catch (const std::exception &e) {
        // The rest of the sequence is skipped; the handler shows and logs the failure.
        m_files->reportError("TForm1", e.what());
        // The window still appears, as it does when the event loop starts, so that the user
        // can at least reach the File menu and leave; a window that failed before it showed
        // would otherwise keep the program running unseen.
        show();
    }
}

void MainWindow::startUp()
{
    m_panes->itemEditor()->setEnabled(false);
    m_session.setAppTitle(Session::applicationTitle);
    const QString title = QString::fromStdString(m_session.appTitle());
    QApplication::setApplicationName(title);
    setWindowTitle(QStringLiteral("  ") + title);
    if (auto *app = TorvexApplication::instance())
        app->setErrorHandler([this](const std::string &sender, const std::string &message) {
            m_files->reportError(sender, message);
        });
    m_panes->iniPanel()->setText(QString::fromUtf8(loadHint));
    setMenusEnabled(false);
    m_panes->itemEditor()->setGuidance(QString::fromUtf8(dragGuidance));
    m_session.setExitWithoutSaving(false);
    m_session.setDropMode(AttachMode::AddChildFirst);
    locateCandidates();
    // The folder list starts somewhere before the settings choose its drive; that is no
    // change of folder the user made.
    const std::string start =
        m_environment.startFolder.empty() ? m_view->currentDirectory() : m_environment.startFolder;
    m_folderPane->startAt(start.empty() ? std::string("Z:\\") : start);
    readWindowSettings();
    show();
    m_panes->itemEditor()->editor().openFolderChanged(dirListBox()->directory());
    dirListBox()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    updateItemCount();
    m_panes->rightPane()->setEnabled(true);
    m_panes->leftPane()->setEnabled(true);
    setMenusEnabled(true);
    restoreDropMode();
    QApplication::processEvents();
    reportRecoveryCopies();
    if (m_session.onlyCandidate())
        loadOnlyCandidate();
}

void MainWindow::locateCandidates()
{
    IniCandidates found;
    if (m_environment.candidates) {
        found = *m_environment.candidates;
    } else {
        m_systemFolders = std::make_unique<SystemFolders>(*m_view);
        found = locateIniFiles(*m_view, m_systemFolders->windows(), m_environment.firstArgument);
    }
    m_session.setCandidates(found);
}

void MainWindow::restoreDropMode()
{
    // The button the settings put down is the mode, as if it had been clicked.
    if (const auto mode = m_panes->buttonColumn()->checkedDropMode())
        m_session.setDropMode(*mode);
}

void MainWindow::loadOnlyCandidate()
{
    m_session.setCurrentIniFile(m_session.onlyCandidate().value_or(""));
    showIniPath(m_session.currentIniFile());
    // The file found is the only one edited in this run.
    m_menus->hideFileChoice();
    QApplication::processEvents();
    m_files->loadMenu(m_session.currentIniFile());
}

void MainWindow::reportRecoveryCopies()
{
    // Before any file is loaded: the user may want to put a copy back first.
    std::string text;
    for (const FoundRecoveryCopy &found : findRecoveryCopies(m_hostFs->recoveryFolder()))
        text +=
            (text.empty() ? "" : std::string(lineBreak) + lineBreak) + recoveryCopyNotice(found);
    if (!text.empty())
        m_messageBoxes->inform(text, recoveryCopyCaption, MsgIcon::Warning);
}

void MainWindow::waitProcessingMessages(unsigned milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < static_cast<qint64>(milliseconds))
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace torvex
