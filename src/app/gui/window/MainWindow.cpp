// The main window: construction, its parts and their wiring, the editing commands it runs
// itself, the status bar and the closing.

#include "app/gui/window/MainWindow.h"

#include "app/gui/application/LoggedClassName.h"
#include "app/gui/application/StartUpSequence.h"
#include "app/gui/application/WindowSettingsKeeper.h"
#include "app/gui/editing/ButtonColumn.h"
#include "app/gui/editing/EditCommands.h"
#include "app/gui/editing/EntryMoveCommands.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/editing/ProblemDock.h"
#include "app/gui/editing/UndoHistory.h"
#include "app/gui/files/ChangesWindow.h"
#include "app/gui/files/FileController.h"
#include "app/gui/files/InputGate.h"
#include "app/gui/files/QtFileDialogs.h"
#include "app/gui/files/QtMessageBoxes.h"
#include "app/gui/files/WindowFileUi.h"
#include "app/gui/folders/DirListBox.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/tree/FindBar.h"
#include "app/gui/tree/MenuPreviewPopup.h"
#include "app/gui/tree/MenuTreeView.h"
#include "app/gui/tree/TreeDragDrop.h"
#include "app/gui/window/HelpCommands.h"
#include "app/gui/window/MainWindowOptionsHost.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/window/StatusPanels.h"
#include "controls/gui/DrivePanel.h"
#include "controls/gui/ThemeComponent.h"
#include "core/gui/ShownText.h"
#include "editor/EntryDestination.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/PrefixPlaces.h"
#include "platform/WindowsFileSystem.h"
#include "platform/WindowsView.h"
#include "settings/OptionsHost.h"
#include "settings/ProgramSettings.h"
#include "settings/gui/OptionsDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <stdexcept>

namespace torvex {

namespace {

std::shared_ptr<const WindowsView> requiredView(std::shared_ptr<const WindowsView> view)
{
    if (!view)
        throw std::invalid_argument("TForm1 needs a Windows view");
    return view;
}

} // namespace

MainWindow::MainWindow(MainWindowEnvironment environment, QWidget *parent)
    : QMainWindow(parent)
    , m_startView(requiredView(environment.view))
    , m_views(m_startView)
    , m_environment(std::move(environment))
{
    m_hostFs = std::make_unique<FileSystem>(m_environment.recoveryFolder);
    m_fs = std::make_unique<WindowsFileSystem>(m_startView, m_hostFs.get());
    m_prefixFollower = std::make_unique<PrefixFollower>(
        m_startView, m_environment.hostEnvironment, m_environment.isPrefixFixed);
    // The file layer goes first, so that the parts told after it read through the new view.
    m_views.onReplaced([this] {
        m_fs->setView(m_views.shared());
    });
    m_ownBoxes = std::make_unique<QtMessageBoxes>(this);
    m_ownFileDialogs = std::make_unique<QtFileDialogs>(this);
    setMessageBoxes(m_environment.messageBoxes);
    m_inputGate = new InputGate(this);
    m_folderPane = new FolderPane(m_views, this);
    buildWindow();
    m_windowSettings = std::make_unique<WindowSettingsKeeper>(*this,
        *m_panes,
        *m_folderPane,
        m_session,
        ProgramSettings::pathIn(folders().settingsFolder),
        fileSystem());
    buildParts();
    buildProblemDock();
    buildPreviewAndBookmarks();
    connectControls();
    m_views.onReplaced([this] {
        showPrefix();
    });
    showPrefix();
    m_startUp = std::make_unique<StartUpSequence>(
        *this, *m_panes, *m_windowSettings, m_environment, *m_hostFs);
    m_theme = new ThemeComponent(this);
    m_theme->setObjectName(QStringLiteral("WinXP1"));
}

MainWindow::~MainWindow()
{
    // The model observes the tree, which is a member: it must go before the tree does.
    m_panes->treeView()->setModel(nullptr);
    delete m_panes->treeModel();
}

void MainWindow::start()
{
    m_startUp->start(m_optionsDialog, m_chooser);
}

void MainWindow::offerCandidates()
{
    m_startUp->offerCandidates(m_chooser);
}

void MainWindow::setMessageBoxes(MessageBoxes *boxes)
{
    m_messageBoxes = boxes ? boxes : m_ownBoxes.get();
}

DirListBox *MainWindow::dirListBox() const
{
    return m_folderPane->list();
}

MenuTreeView *MainWindow::treeView() const
{
    return m_panes->treeView();
}

MenuTreeModel *MainWindow::treeModel() const
{
    return m_panes->treeModel();
}

DrivePanel *MainWindow::drivePanel() const
{
    return m_folderPane->drives();
}

MenuFileUi &MainWindow::fileUi()
{
    return *m_fileUi;
}

ProgramSettings &MainWindow::settings()
{
    return m_windowSettings->settings();
}

OptionsHost &MainWindow::optionsHost()
{
    if (!m_optionsHost)
        m_optionsHost = std::make_unique<MainWindowOptionsHost>(*this);
    return *m_optionsHost;
}

void MainWindow::setTreeColours(int32_t background, int32_t font)
{
    m_windowSettings->setTreeColours(background, font);
}

// ---- Parts and wiring ----

void MainWindow::buildWindow()
{
    ItemEditorWindow &itemEditorWindow = *this;
    m_panes = std::make_unique<MainWindowPanes>(
        *this, *m_folderPane, m_tree, *m_inputGate, itemEditorWindow);
    buildEditor();
    m_fileUi = std::make_unique<WindowFileUi>(*this, *m_panes);
}

// The item editor shows what the editing logic tells it; the logic is the window's, beside the
// session. The file manager's own variable names its program folder, which depends on the file
// being edited, so it is looked up when a search asks, in the prefix of that file.
void MainWindow::buildEditor()
{
    ItemEditorPanel &panel = *m_panes->itemEditor();
    m_editor = std::make_unique<MenuEditor>(m_tree, panel.ui(), [this](const std::string &path) {
        return m_views.view().directoryExists(path);
    });
    m_editor->setVariables([this](std::string_view name) {
        const WindowsView &view = m_views.view();
        return fileManagerVariables(view, [this, &view] {
            return commanderPath(view.registry(), m_session.currentIniFile());
        })(name);
    });
    panel.setEditor(*m_editor);
}

// The whole wiring of the parts. What a part needs of the window, it reaches through the
// interface the window implements (`*this`); the undo history goes to each part that records
// steps: the item editor (typing, F5 to F7), drag and drop (each drop), the file controller
// (a save marks it clean) and the window's own popup commands.
void MainWindow::buildParts()
{
    // The window as each part sees it (private bases, named here for make_unique).
    FileWindow &fileWindow = *this;
    HelpWindow &helpWindow = *this;
    ItemEditorPanel &itemEditor = *m_panes->itemEditor();
    m_history = std::make_unique<UndoHistory>(m_tree, itemEditor);
    itemEditor.setHistory(m_history.get());

    m_files = std::make_unique<FileController>(m_tree,
        m_session,
        *m_fs,
        *m_inputGate,
        *m_fileUi,
        fileWindow,
        FileControllerParts { *m_history, *m_editor, *m_panes->noticeBar(), *m_panes->iniPanel() },
        m_environment.folders.logFolder,
        m_environment.recoveryFolder);
    m_help = std::make_unique<HelpCommands>(*this, helpWindow, m_environment.folders, m_session);
    m_menus = new MainMenus(*this, *m_panes->treeView(), m_tree, *this);
    m_dragDrop = new TreeDragDrop(
        m_tree, m_session, *m_panes->treeView(), *m_folderPane, *this, *m_history, this);
    auto *editCommands =
        new EditCommands(*this, *m_menus, *m_history, m_tree, *m_editor, *m_panes);
    FindBar *findBar = editCommands->findBar();
    m_dragDrop->refuseWhileFiltering(*findBar);
    // As a drop is refused while the find box filters the tree, so is a move by keys: the
    // entry would step past neighbours the tree does not show.
    editCommands->moveCommands()->holdBackWhile([findBar] { return findBar->isFiltering(); },
        [this] { showStatus(LocalText(dropRefusedContext, dropRefusedWhileFiltered)); });
}

void MainWindow::connectControls()
{
    ButtonColumn *buttons = m_panes->buttonColumn();
    connect(buttons->saveButton(), &QToolButton::clicked, this, [this] {
        m_menus->runIfEnabled(&MenuCommands::save);
    });
    connect(buttons->showFolderButton(), &QToolButton::clicked, this, [this] {
        showCommandFolder();
    });
    connect(buttons, &ButtonColumn::dropModeChosen, this, [this](AttachMode mode) {
        m_session.setDropMode(mode);
    });
    connect(buttons->findBrokenPathsButton(), &QToolButton::clicked, this, [this] {
        m_panes->itemEditor()->findBrokenPaths();
    });
    connect(buttons->findEmptyCommandsButton(), &QToolButton::clicked, this, [this] {
        m_panes->itemEditor()->findEmptyCommands();
    });
    connect(m_inputGate, &InputGate::keyPressed, this, [this](int key) {
        m_panes->itemEditor()->functionKeyPressed(key);
    });

    // DirListBoxChange
    connect(m_folderPane, &FolderPane::folderChanged, this, [this] {
        m_editor->openFolderChanged(dirListBox()->directory());
    });
    connect(m_folderPane, &FolderPane::failed, this, [this](const LocalText &message) {
        // The failure is the main window's, whose handler of the click was running.
        m_files->reportError(loggedClassName(this), message);
    });
    connectTree();
    setFocusOrder();
    // Options may give the panel other buttons.
    connect(drivePanel(), &DrivePanel::buttonsRemade, this, &MainWindow::setFocusOrder);
}

void MainWindow::connectTree()
{
    connect(m_panes->treeView(), &QTreeView::clicked, this, [this] {
        showSelectedEntry();
    });
    // tviewMouseDown, tviewKeyUp
    connect(m_panes->treeView(), &MenuTreeView::mousePressed, this, [this] {
        m_editor->treePressed();
    });
    connect(m_panes->treeView(), &MenuTreeView::keyReleased, this, [this] {
        showSelectedEntry();
    });
}

// The drive buttons, the item editor, the find box, the tree, the folder list, then the
// button column, as the eye reads the window.
void MainWindow::setFocusOrder()
{
    ItemEditorPanel &editor = *m_panes->itemEditor();
    QList<QWidget *> order;
    for (QToolButton *drive : drivePanel()->buttons())
        order << drive;
    order << editor.titleEdit() << editor.commandEdit() << editor.targetPathEdit()
          << editor.folderNameButton() << editor.commandPathButton()
          << editor.targetPathButton();
    for (const char *name : { "FindText", "FindClose" }) {
        if (auto *findControl = findChild<QWidget *>(QLatin1String(name)))
            order << findControl;
    }
    order << m_panes->treeView() << dirListBox();
    for (QToolButton *button : m_panes->buttonColumn()->buttons())
        order << button;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildProblemDock()
{
    auto *dock =
        new ProblemDock(*this, *m_menus, m_tree, *m_panes->treeModel(), m_views, m_session);
    connect(dock, &ProblemDock::entryChosen, this, [this](MenuNode *node) {
        m_tree.setSelected(node);
        showSelectedEntry();
    });
    connect(dock, &ProblemDock::deleteRequested, this, [this](const std::vector<MenuNode *> &nodes) {
        // The dock gives no node inside another one's submenu: each delete leaves the others
        // in place. All of them are one step.
        m_history->record(deletionName(nodes), [this, &nodes] {
            m_editor->deleteEntries(nodes);
        });
    });
}

// ---- What the parts need of the window ----

// View > Preview menu and File > Import / Export > Linux bookmarks; an entry chosen in the
// preview or the first one imported becomes the selected one.
void MainWindow::buildPreviewAndBookmarks()
{
    QMenu *viewMenu = m_menus->addMenuBeforeOptions(tr("&View"), "viewMenu");
    m_preview = new MenuPreviewPopup(*viewMenu, m_tree, *this);
    connect(m_preview, &MenuPreviewPopup::entryChosen, this, [this](MenuNode *node) {
        m_tree.setSelected(node);
        showSelectedEntry();
    });
    BookmarkWindow &bookmarkWindow = *this;
    // Made one after the other, so that Import stands above Export.
    QMenu *importMenu = m_menus->addFileSubmenu(tr("&Import"), "mnuFileImport");
    QMenu *exportMenu = m_menus->addFileSubmenu(tr("&Export"), "mnuFileExport");
    m_bookmarks = new BookmarkCommands(*importMenu,
        *exportMenu,
        *this,
        bookmarkWindow,
        m_tree,
        *m_history,
        m_views,
        *m_hostFs,
        m_environment.hostEnvironment);
    connect(m_bookmarks, &BookmarkCommands::entriesAdded, this, [this](MenuNode *first) {
        m_tree.setSelected(first);
        showSelectedEntry();
        updateItemCount();
    });
}

void MainWindow::showSelectedEntry()
{
    m_editor->showSelectedEntry();
}

void MainWindow::updateItemCount()
{
    m_editor->updateItemCount();
}

void MainWindow::showItemCount(const LocalText &text)
{
    m_panes->statusBar()->panel(1)->setText(shownText(text));
}

std::string MainWindow::openFolder()
{
    return dirListBox()->directory();
}

void MainWindow::writeWindowSettings()
{
    m_windowSettings->write();
}

std::string MainWindow::senderClassName()
{
    return loggedClassName(this);
}

void MainWindow::showChangesUntilClosed(const std::string &path)
{
    ChangesWindow::showChangesUntilClosed(this, path, m_tree, *m_fs, m_files->loadedFile());
}

FileDialogs &MainWindow::fileDialogs()
{
    if (m_environment.fileDialogs)
        return *m_environment.fileDialogs;
    return *m_ownFileDialogs;
}

std::string MainWindow::hostPath(const std::string &path)
{
    const auto host = windowsView().hostPath(path);
    return host ? host->string() : std::string();
}

// ---- Status bar ----

void MainWindow::showStatus(const std::string &text)
{
    // Statuses quote titles (a drop target's, say): menu text, converted as such.
    showStatus(menuTextToQt(text));
}

void MainWindow::showStatus(const LocalText &text)
{
    showStatus(shownText(text));
}

void MainWindow::showStatus(const QString &text)
{
    m_panes->statusBar()->panel(0)->setText(QLatin1Char(' ') + text);
}

QString MainWindow::statusText(int panel) const
{
    return m_panes->statusBar()->panel(panel)->text();
}

void MainWindow::clearStatus()
{
    m_panes->statusBar()->panel(0)->clear();
}

void MainWindow::showHelpTopic(int topic, QWidget *over)
{
    m_help->showTopic(topic, over);
}

void MainWindow::showIniPath(const std::string &path)
{
    m_panes->iniPanel()->setText(QLatin1Char(' ') + QString::fromStdString(path));
}

// ---- The Wine prefix ----

void MainWindow::followPrefixOf(const std::string &path)
{
    const OtherPrefixFile *offered = m_session.otherPrefixFile(path);
    const auto offeredIn =
        offered ? std::optional<std::filesystem::path>(offered->prefixRoot) : std::nullopt;
    auto next = m_prefixFollower->viewFor(path, offeredIn, m_views.shared());
    if (next == m_views.shared())
        return;
    m_views.replace(std::move(next));
    reportPrefixProblems();
}

void MainWindow::showPrefix()
{
    const WindowsView &view = windowsView();
    QLabel *panel = m_panes->prefixPanel();
    if (!view.hasPrefix()) {
        panel->setText(tr(" No Wine prefix "));
        panel->setToolTip(tr(" Drive Z: is the root folder "));
        return;
    }
    const auto &root = view.prefix()->root();
    panel->setText(QLatin1Char(' ')
        + QString::fromStdString(prefixLabel(root, m_environment.hostEnvironment))
        + QLatin1Char(' '));
    panel->setToolTip(QLatin1Char(' ') + QString::fromStdString(root.string()) + QLatin1Char(' '));
}

void MainWindow::reportPrefixProblems()
{
    const auto &problems = windowsView().problems();
    if (problems.empty())
        return;
    std::string text = "Part of this Wine prefix could not be read:";
    for (const std::string &problem : problems)
        text += std::string(lineBreak) + problem;
    boxes().inform(text, prefixProblemCaption, MsgIcon::Warning);
}

// ---- Close, resize, show ----

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_files->closeRequested()); // FormClose
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event); // FormResize
    m_panes->statusBar()->setPanelWidth(1, 100);
    m_panes->statusBar()->setPanelWidth(0, width() - 100);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    repaint();
}

} // namespace torvex
