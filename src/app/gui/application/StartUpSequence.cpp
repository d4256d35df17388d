#include "app/gui/application/StartUpSequence.h"

#include "app/ErrorLog.h"
#include "core/MessageBoxes.h"
#include "app/PrefixSearch.h"
#include "app/gui/editing/ButtonColumn.h"
#include "app/gui/folders/DirListBox.h"
#include "app/gui/files/FileController.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/window/MainWindow.h"
#include "editor/MenuEditor.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/application/TorvexApplication.h"
#include "app/gui/application/WindowSettingsKeeper.h"
#include "platform/SystemFolders.h"
#include "files/FileSystem.h"
#include "files/RecoveryCopy.h"
#include "platform/WindowsView.h"
#include "settings/gui/OptionsDialog.h"

#include <QApplication>
#include <QLabel>

#include <exception>

namespace torvex {

namespace {

constexpr const char *startUpContext = "torvex::StartUpSequence";
constexpr const char *loadHint = QT_TRANSLATE_NOOP(
    "torvex::StartUpSequence", " Load ini file by clicking Open in the File menu...");
constexpr const char *dragGuidance = QT_TRANSLATE_NOOP("torvex::StartUpSequence",
    "Drag and drop folders from the directory list (to add submenus). Hold down the Ctrl key "
    "to drop a folder's name and path onto an existing menu. Drag and drop single menu items.");

constexpr const char *missingArgumentCaption =
    QT_TRANSLATE_NOOP("torvex::StartUpSequence", "File not found");

LocalText missingArgumentText(const std::string &path)
{
    return LocalText::joined({ LocalText(startUpContext,
                                   QT_TRANSLATE_NOOP("torvex::StartUpSequence",
                                       "The file given on the command line does not exist:")),
                                 LocalText::verbatim(path) },
        lineBreak);
}

} // namespace

StartUpSequence::StartUpSequence(MainWindow &window,
    MainWindowPanes &panes,
    WindowSettingsKeeper &windowSettings,
    const MainWindowEnvironment &environment,
    const FileSystem &hostFs)
    : m_window(window)
    , m_panes(panes)
    , m_windowSettings(windowSettings)
    , m_environment(environment)
    , m_hostFs(hostFs)
{ }

StartUpSequence::~StartUpSequence() = default;

void StartUpSequence::start(OptionsDialog *options, IniChooserDialog *chooser)
{
    run();
    if (options)
        options->loadOptions();
    offerCandidates(chooser);
}

void StartUpSequence::offerCandidates(IniChooserDialog *chooser)
{
    if (!chooser || !m_window.session().needsChoiceAtStart())
        return;
    QCoreApplication::processEvents();
    // This runs outside any event handler: a failure of the load is reported here, as one of
    // the chooser's, rather than ending the program.
    try {
        m_window.files().open();
    } catch (const std::exception &e) {
        m_window.files().reportError(TorvexApplication::senderClassName(chooser), e.what());
    }
}

void StartUpSequence::run() // FormCreate
{
    try {
        startUp();
    } catch (const std::exception &e) {
        // The rest of the sequence is skipped; the handler shows and logs the failure.
        m_window.files().reportError("TForm1", e.what());
        // The window still appears, as it does when the event loop starts, so that the user
        // can at least reach the File menu and leave; a window that failed before it showed
        // would otherwise keep the program running unseen.
        m_window.show();
    }
}

void StartUpSequence::startUp()
{
    Session &session = m_window.session();
    m_panes.itemEditor()->setEnabled(false);
    session.setAppTitle(Session::applicationTitle);
    const QString title = QString::fromStdString(session.appTitle());
    QApplication::setApplicationName(title);
    m_window.setWindowTitle(QStringLiteral("  ") + title);
    if (auto *app = TorvexApplication::instance())
        app->setErrorHandler([this](const std::string &sender, const std::string &message) {
            m_window.files().reportError(sender, message);
        });
    m_panes.iniPanel()->setText(QCoreApplication::translate(startUpContext, loadHint));
    m_window.menus().setEnabled(false);
    m_panes.itemEditor()->setGuidance(QCoreApplication::translate(startUpContext, dragGuidance));
    session.setExitWithoutSaving(false);
    session.setDropMode(AttachMode::AddChildFirst);
    locateCandidates();
    // The folder list starts somewhere before the settings choose its drive; that is no
    // change of folder the user made.
    const std::string start = m_environment.startFolder.empty()
        ? m_window.windowsView().currentDirectory()
        : m_environment.startFolder;
    m_window.folderPane().startAt(start.empty() ? std::string("Z:\\") : start);
    m_windowSettings.read();
    m_window.show();
    m_window.menuEditor().openFolderChanged(m_window.dirListBox()->directory());
    m_window.dirListBox()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_window.menuEditor().updateItemCount();
    m_panes.rightPane()->setEnabled(true);
    m_panes.leftPane()->setEnabled(true);
    m_window.menus().setEnabled(true);
    restoreDropMode();
    QApplication::processEvents();
    reportRecoveryCopies();
    m_window.reportPrefixProblems();
    reportMissingArgument();
    if (session.onlyCandidate())
        loadOnlyCandidate();
}

void StartUpSequence::locateCandidates()
{
    IniCandidates found;
    if (m_environment.candidates) {
        found = *m_environment.candidates;
    } else {
        const WindowsView &view = m_window.windowsView();
        m_systemFolders = std::make_unique<SystemFolders>(view);
        found = locateIniFiles(view, m_systemFolders->windows(), m_environment.firstArgument);
    }
    m_window.session().setCandidates(found);
    // Nothing in the window's own prefix: the other prefixes of the machine are searched,
    // and what they hold is offered in the chooser, never loaded unasked.
    if (found.candidateCount == 0 && !m_environment.isPrefixFixed) {
        const WindowsView &view = m_window.windowsView();
        m_window.session().setOtherPrefixFiles(
            filesInOtherPrefixes(findPrefixPlaces(m_environment.hostEnvironment),
                m_environment.hostEnvironment,
                view.prefix()));
    }
}

void StartUpSequence::restoreDropMode()
{
    // The button the settings put down is the mode, as if it had been clicked.
    if (const auto mode = m_panes.buttonColumn()->checkedDropMode())
        m_window.session().setDropMode(*mode);
}

void StartUpSequence::loadOnlyCandidate()
{
    Session &session = m_window.session();
    session.setCurrentIniFile(session.onlyCandidate().value_or(""));
    m_window.showIniPath(session.currentIniFile());
    // The file found is the only one edited in this run.
    m_window.menus().hideFileChoice();
    QApplication::processEvents();
    m_window.files().openMenuFile(session.currentIniFile());
}

void StartUpSequence::reportMissingArgument()
{
    // Named, or the user would face an empty window and wonder where the menu went.
    const std::string &path = m_environment.firstArgument;
    if (!path.empty() && !m_window.fileSystem().fileExists(path))
        m_window.boxes().inform(missingArgumentText(path),
            LocalText(startUpContext, missingArgumentCaption),
            MsgIcon::Error);
}

void StartUpSequence::reportRecoveryCopies()
{
    // Before any file is loaded: the user may want to put a copy back first.
    std::vector<LocalText> notices;
    for (const FoundRecoveryCopy &found : findRecoveryCopies(m_hostFs.recoveryFolder()))
        notices.push_back(recoveryCopyNotice(found));
    if (!notices.empty())
        m_window.boxes().inform(
            LocalText::joined(std::move(notices), std::string(lineBreak) + lineBreak),
            LocalText(recoveryCopyContext, recoveryCopyCaption),
            MsgIcon::Warning);
}

} // namespace torvex
