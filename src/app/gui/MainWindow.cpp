// The main window: construction, its parts and their wiring, the editing commands it runs
// itself, the status bar and the closing.

#include "app/gui/MainWindow.h"

#include "app/gui/ButtonColumn.h"
#include "app/gui/DirListBox.h"
#include "app/gui/FileController.h"
#include "app/gui/FolderPane.h"
#include "app/gui/HelpCommands.h"
#include "app/gui/InputGate.h"
#include "app/gui/ItemEditorPanel.h"
#include "app/gui/LoggedClassName.h"
#include "app/gui/MainWindowPanes.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/gui/StatusPanels.h"
#include "app/gui/TreeDragDrop.h"
#include "controls/SystemFolders.h"
#include "controls/gui/ThemeComponent.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/WindowsFileSystem.h"
#include "platform/WindowsView.h"
#include "settings/OptionsHost.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <stdexcept>

namespace torvex {

MainWindow::MainWindow(MainWindowEnvironment environment, QWidget *parent)
    : QMainWindow(parent)
    , m_view(environment.view)
    , m_environment(std::move(environment))
{
    if (!m_view)
        throw std::invalid_argument("TForm1 needs a Windows view");
    m_hostFs = std::make_unique<FileSystem>(m_environment.recoveryFolder);
    m_fs = std::make_unique<WindowsFileSystem>(m_view, m_hostFs.get());
    m_ownBoxes = std::make_unique<QtMessageBoxes>(this);
    setMessageBoxes(m_environment.messageBoxes);
    m_inputGate = new InputGate(this);
    m_folderPane = new FolderPane(
        m_view,
        [this](const std::string &message) {
            // The failure is the main window's, whose handler of the click was running.
            m_files->reportError(senderClassName(), message);
        },
        this);
    buildWindow();
    buildParts();
    buildProblemList();
    connectControls();
    m_winXP1 = new ThemeComponent(this);
    m_winXP1->setObjectName(QStringLiteral("WinXP1"));
}

MainWindow::~MainWindow()
{
    // The model observes the tree, which is a member: it must go before the tree does.
    m_tview->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
}

void MainWindow::setMessageBoxes(MessageBoxes *boxes)
{
    m_messageBoxes = boxes ? boxes : m_ownBoxes.get();
}

DirListBox *MainWindow::dirListBox() const
{
    return m_folderPane->list();
}

DrivePanel *MainWindow::velDrives() const
{
    return m_folderPane->drives();
}

std::string MainWindow::senderClassName() const
{
    return loggedClassName(this);
}

// ---- Parts and wiring ----

void MainWindow::buildWindow()
{
    ItemEditorServices services;
    services.showStatus = [this](const std::string &text) {
        showStatus(text);
    };
    services.boxes = [this]() -> MessageBoxes & {
        return boxes();
    };
    services.openFolder = [this] {
        return dirListBox()->directory();
    };
    m_panes = std::make_unique<MainWindowPanes>(
        *this, *m_folderPane, m_tree, m_view, m_session, *m_inputGate, std::move(services));
    m_panelIniSti = m_panes->iniPanel();
    m_statusBar = m_panes->statusBar();
    m_panelLeft = m_panes->leftPane();
    m_splitter = m_panes->splitter();
    m_panelRight = m_panes->rightPane();
    m_buttonColumn = m_panes->buttonColumn();
    m_itemEditor = m_panes->itemEditor();
    m_tview = m_panes->treeView();
    m_model = m_panes->treeModel();
}

void MainWindow::buildParts()
{
    FileWindowServices fileServices;
    fileServices.chooser = [this] {
        return m_chooser;
    };
    fileServices.boxes = [this]() -> MessageBoxes & {
        return boxes();
    };
    fileServices.showIniPath = [this](const std::string &path) {
        showIniPath(path);
    };
    fileServices.settings = [this]() -> ProgramSettings & {
        return settings();
    };
    fileServices.closeWindow = [this] {
        close();
    };
    fileServices.writeWindowSettings = [this] {
        writeWindowSettings();
    };
    fileServices.senderClassName = [this] {
        return senderClassName();
    };
    m_files = std::make_unique<FileController>(m_tree,
        m_session,
        *m_fs,
        *m_inputGate,
        *this,
        m_environment.folders.logFolder,
        std::move(fileServices));

    m_help = std::make_unique<HelpCommands>(
        *this,
        m_environment.folders,
        [this]() -> MessageBoxes & {
            return boxes();
        },
        [this] {
            return m_session.appTitle();
        });
    m_menus = new MainMenus(*this, *m_tview, m_tree, menuCommands());

    DragDropServices dragServices;
    dragServices.boxes = [this]() -> MessageBoxes & {
        return boxes();
    };
    dragServices.showStatus = [this](const std::string &text) {
        showStatus(text);
    };
    dragServices.showSelectedEntry = [this] {
        showSelectedEntry();
    };
    dragServices.updateItemCount = [this] {
        updateItemCount();
    };
    m_dragDrop =
        new TreeDragDrop(m_tree, m_session, *m_tview, *m_folderPane, std::move(dragServices), this);
}

MenuCommands MainWindow::menuCommands()
{
    const auto file = [this](void (FileController::*command)()) {
        return [this, command] {
            (m_files.get()->*command)();
        };
    };
    const auto edit = [this](void (MenuEditor::*command)()) {
        return [this, command] {
            (m_itemEditor->editor().*command)();
        };
    };
    MenuCommands commands;
    commands.open = file(&FileController::open);
    commands.save = file(&FileController::save);
    commands.saveAs = file(&FileController::saveAs);
    commands.exitWithoutSaving = file(&FileController::exitWithoutSaving);
    commands.exitAndSave = file(&FileController::exitAndSave);
    commands.options = [this] {
        showOptions();
    };
    commands.help = [this] {
        m_help->showHelp();
    };
    commands.about = [this] {
        m_help->showAbout();
    };
    commands.addSubMenu = edit(&MenuEditor::addSubMenu);
    commands.addSiblingEntry = edit(&MenuEditor::addSisterMenu);
    commands.addCopy = edit(&MenuEditor::addCopy);
    commands.deleteSelectedEntry = edit(&MenuEditor::deleteSelectedMenu);
    commands.addFirstEntry = edit(&MenuEditor::addMenu);
    commands.showCommandFolder = [this] {
        showCommandFolder();
    };
    return commands;
}

void MainWindow::connectControls()
{
    connect(m_buttonColumn->saveButton(), &QToolButton::clicked, this, [this] {
        m_menus->runIfEnabled([this] {
            m_files->save();
        });
    });
    connect(m_buttonColumn->showFolderButton(),
        &QToolButton::clicked,
        this,
        &MainWindow::showCommandFolder);
    connect(m_buttonColumn, &ButtonColumn::dropModeChosen, this, [this](AttachMode mode) {
        m_session.setDropMode(mode);
    });
    connect(m_buttonColumn->findBrokenPathsButton(), &QToolButton::clicked, this, [this] {
        m_itemEditor->findBrokenPaths();
    });
    connect(m_buttonColumn->findEmptyCommandsButton(), &QToolButton::clicked, this, [this] {
        m_itemEditor->findEmptyCommands();
    });
    connect(m_inputGate, &InputGate::keyPressed, this, [this](int key) {
        m_itemEditor->functionKeyPressed(key);
    });

    // DirListBoxChange
    connect(m_folderPane, &FolderPane::folderChanged, this, [this] {
        m_itemEditor->editor().openFolderChanged(dirListBox()->directory());
    });

    connect(m_tview, &QTreeView::clicked, this, [this] {
        showSelectedEntry();
    });
    // tviewMouseDown, tviewKeyUp
    connect(m_tview, &MenuTreeView::mousePressed, this, [this] {
        m_itemEditor->editor().treePressed();
    });
    connect(m_tview, &MenuTreeView::keyReleased, this, [this] {
        showSelectedEntry();
    });

    // Focus order: the item editor, the tree, then the folder list.
    setTabOrder(m_itemEditor->titleEdit(), m_itemEditor->commandEdit());
    setTabOrder(m_itemEditor->commandEdit(), m_itemEditor->targetPathEdit());
    setTabOrder(m_itemEditor->targetPathEdit(), m_itemEditor->folderNameButton());
    setTabOrder(m_itemEditor->folderNameButton(), m_itemEditor->commandPathButton());
    setTabOrder(m_itemEditor->commandPathButton(), m_itemEditor->targetPathButton());
    setTabOrder(m_itemEditor->targetPathButton(), m_tview);
    setTabOrder(m_tview, dirListBox());
}

// ---- Editing ----

void MainWindow::showSelectedEntry()
{
    m_itemEditor->editor().showSelectedEntry();
}

void MainWindow::updateItemCount()
{
    m_itemEditor->editor().updateItemCount();
}

void MainWindow::deleteEntry(MenuNode *node)
{
    m_itemEditor->editor().deleteMenuTree(node);
}

void MainWindow::showCommandFolder()
{
    // The Command edit may still hold the node a cancelled drop left in the panel.
    m_itemEditor->editor().showSelectedBeforeEdit();
    const auto folder = m_itemEditor->editor().commandFolderToShow(m_itemEditor->commandText());
    if (!folder)
        return;
    // The list takes Windows paths: a host path in a command goes through its drive.
    const auto host = m_view->hostPath(*folder);
    const auto windows = host ? m_view->windowsPath(*host) : std::nullopt;
    if (windows)
        m_folderPane->showFolder(*windows);
}

// ---- Status bar ----

void MainWindow::showStatus(const std::string &text)
{
    // Statuses quote titles (a drop target's, say): menu text, converted as such.
    showStatus(menuTextToQt(text));
}

void MainWindow::showStatus(const QString &text)
{
    m_statusBar->panel(0)->setText(QLatin1Char(' ') + text);
}

QString MainWindow::statusText(int panel) const
{
    return m_statusBar->panel(panel)->text();
}

void MainWindow::clearStatus()
{
    m_statusBar->panel(0)->clear();
}

void MainWindow::showIniPath(const std::string &path)
{
    m_panelIniSti->setText(QLatin1Char(' ') + QString::fromStdString(path));
}

// ---- MenuFileUi ----

void MainWindow::processEvents()
{
    QApplication::processEvents();
}

void MainWindow::setBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void MainWindow::setMenusEnabled(bool enabled)
{
    m_menus->setEnabled(enabled);
}

void MainWindow::setPanelsEnabled(bool enabled)
{
    m_panelLeft->setEnabled(enabled);
    m_panelRight->setEnabled(enabled);
    m_itemEditor->setEnabled(enabled);
}

void MainWindow::saveFailed(const std::string &message, const std::string &cause)
{
    m_files->reportSaveFailure(message, cause);
}

void MainWindow::afterLoad()
{
    m_tview->expandAll();
    showSelectedEntry();
    updateItemCount();
}

// ---- Close, resize, show ----

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_files->closeRequested()); // FormClose
}

void MainWindow::fitStatusPanels()
{
    m_statusBar->setPanelWidth(1, 100);
    m_statusBar->setPanelWidth(0, width() - 100);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatusPanels();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    repaint();
}

} // namespace torvex
