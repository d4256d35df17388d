// The main window: construction, menus, keyboard, resize, status bar and message boxes.

#include "app/gui/MainWindow.h"

#include "app/gui/ButtonColumn.h"
#include "app/gui/DirListBox.h"
#include "app/gui/InputGate.h"
#include "app/gui/ItemEditorPanel.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/gui/StatusPanels.h"
#include "controls/SystemFolders.h"
#include "controls/gui/ThemeComponent.h"
#include "menu/gui/MenuText.h"
#include "menu/gui/MenuTreeModel.h"
#include "platform/WindowsFileSystem.h"
#include "platform/WindowsView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
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
    buildWindow();
    buildMainMenu();
    buildPopupMenu();
    buildProblemList();
    connectControls();
    m_winXP1 = new ThemeComponent(this);
    m_winXP1->setObjectName(QStringLiteral("WinXP1"));
    FormCreate();
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

// ---- Menus ----

QAction *MainWindow::addMenuAction(
    QMenu *menu, const char *name, const char *caption, QKeySequence key)
{
    auto *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    return action;
}

void MainWindow::runMenuCommand(QMenu *menu, void (MainWindow::*handler)())
{
    // A disabled menu's shortcuts do nothing.
    if (menu->isEnabled())
        (this->*handler)();
}

void MainWindow::buildMainMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    m_mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFileOpen =
        addMenuAction(m_mnuFile, "mnuFileOpen", "Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuFilesSave = addMenuAction(m_mnuFile, "mnuFilesSave", "&Save", QKeySequence(Qt::Key_F2));
    m_mnuFileSaveIn = addMenuAction(m_mnuFile, "mnuFileSaveIn", "Save &as...", {});
    m_mnuFile->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_mnuFileExitWithoutSaving =
        addMenuAction(m_mnuFile, "mnuFileExitWithoutSaving", "Exit &without saving", {});
    m_mnuFile->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_mnuFileExit = addMenuAction(
        m_mnuFile, "mnuFileExit", "E&xit and save", QKeySequence(Qt::ALT | Qt::Key_X));
    m_mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    m_mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    m_mnuOptionsOptions =
        addMenuAction(m_mnuOptions, "mnuOptionsOptions", "&Options...", QKeySequence(Qt::Key_F4));
    m_mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuHelpHelp = addMenuAction(m_mnuHelp, "mnuHelpHelp", "&Help", QKeySequence(Qt::Key_F1));
    m_mnuHelpAbout = addMenuAction(m_mnuHelp, "mnuHelpAbout", "&About...", {});

    const std::pair<QAction *, void (MainWindow::*)()> file[] = {
        { m_mnuFileOpen, &MainWindow::mnuFileOpenClick },
        { m_mnuFilesSave, &MainWindow::mnuFilesSaveClick },
        { m_mnuFileSaveIn, &MainWindow::mnuFileSaveInClick },
        { m_mnuFileExitWithoutSaving, &MainWindow::mnuFileExitWithoutSavingClick },
        { m_mnuFileExit, &MainWindow::mnuFileExitClick },
    };
    for (const auto &[action, handler] : file)
        connect(action, &QAction::triggered, this, [this, h = handler] {
            runMenuCommand(m_mnuFile, h);
        });
    connect(m_mnuOptionsOptions, &QAction::triggered, this, [this] {
        runMenuCommand(m_mnuOptions, &MainWindow::mnuOptionsOptionsClick);
    });
    connect(m_mnuHelpHelp, &QAction::triggered, this, [this] {
        runMenuCommand(m_mnuHelp, &MainWindow::mnuHelpHelpClick);
    });
    connect(m_mnuHelpAbout, &QAction::triggered, this, [this] {
        runMenuCommand(m_mnuHelp, &MainWindow::mnuHelpAboutClick);
    });
}

QAction *MainWindow::addPopupEntry(
    const char *name, const char *caption, QKeySequence key, void (MainWindow::*handler)())
{
    auto *action = m_mnuPopup->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    if (key.isEmpty())
        return action;
    // The menu shows the key; the key itself belongs to the tree alone, so that Insert,
    // Delete and the plus key keep their meaning in the edits and the folder list. It acts
    // also while its entry is hidden: the command checks the tree itself.
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    auto *shortcut = new QShortcut(key, m_tview, nullptr, nullptr, Qt::WidgetShortcut);
    shortcut->setObjectName(QLatin1String(name) + QStringLiteral("Key"));
    connect(shortcut, &QShortcut::activated, this, handler);
    return action;
}

void MainWindow::buildPopupMenu()
{
    m_mnuPopup = new QMenu(this);
    m_mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    // The plus key of the main keyboard, which is the "=" key of a US layout.
    m_mnuPopupAddSubMenu = addPopupEntry("mnuPopupAddSubMenu",
        "Add &submemu",
        QKeySequence(Qt::Key_Equal),
        &MainWindow::mnuPopupAddSubMenuClick);
    // On layouts where that key types "+" itself (German, Nordic) it arrives as the plus key.
    auto *plusKey =
        new QShortcut(QKeySequence(Qt::Key_Plus), m_tview, nullptr, nullptr, Qt::WidgetShortcut);
    plusKey->setObjectName(QStringLiteral("mnuPopupAddSubMenuPlusKey"));
    connect(plusKey, &QShortcut::activated, this, &MainWindow::mnuPopupAddSubMenuClick);
    m_mnuPopUpAddSisterMenu = addPopupEntry("mnuPopUpAddSisterMenu",
        "&Add sister menu",
        QKeySequence(Qt::Key_Insert),
        &MainWindow::mnuPopUpAddSisterMenuClick);
    m_mnuPopUpAddCopy = addPopupEntry("mnuPopUpAddCopy",
        "Add &copy",
        QKeySequence(Qt::CTRL | Qt::Key_Insert),
        &MainWindow::mnuPopUpAddCopyClick);
    m_n2 = m_mnuPopup->addSeparator();
    m_n2->setObjectName(QStringLiteral("N2"));
    m_mnuPopupDeleteSelectedMenu = addPopupEntry("mnuPopupDeleteSelectedMenu",
        "&Delete selected menu",
        QKeySequence(Qt::Key_Delete),
        &MainWindow::mnuPopupDeleteSelectedMenuClick);
    m_mnuPopupAddMenu =
        addPopupEntry("mnuPopupAddMenu", "&Add menu", {}, &MainWindow::mnuPopupAddMenuClick);
    m_n4 = m_mnuPopup->addSeparator();
    m_n4->setObjectName(QStringLiteral("N4"));
    m_mnuPopupShowCommandFolder = addPopupEntry(
        "mnuPopupShowCommandFolder", "Show Command &folder", {}, &MainWindow::SButShowFolderClick);
}

void MainWindow::showPopup(const QPoint &pos)
{
    mnuPopupPopup();
    m_mnuPopup->popup(m_tview->viewport()->mapToGlobal(pos));
}

// ---- Wiring ----

void MainWindow::connectControls()
{
    connect(m_buttonColumn->saveButton(), &QToolButton::clicked, this, [this] {
        runMenuCommand(m_mnuFile, &MainWindow::mnuFilesSaveClick);
    });
    connect(m_buttonColumn->showFolderButton(),
        &QToolButton::clicked,
        this,
        &MainWindow::SButShowFolderClick);
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

    connect(m_dirListBox, &DirListBox::directoryChanged, this, &MainWindow::DirListBoxChange);
    connect(m_dirListBox, &DirListBox::mousePressed, this, &MainWindow::DirListBoxMouseDown);

    connect(m_tview, &QTreeView::clicked, this, [this] {
        showSelectedEntry();
    });
    connect(m_tview, &MenuTreeView::mousePressed, this, &MainWindow::tviewMouseDown);
    connect(m_tview, &MenuTreeView::keyReleased, this, &MainWindow::tviewKeyUp);
    connect(m_tview, &MenuTreeView::dragStarting, this, &MainWindow::tviewStartDrag);
    connect(m_tview, &MenuTreeView::dragMoved, this, &MainWindow::tviewDragOver);
    connect(m_tview, &MenuTreeView::dropped, this, &MainWindow::tviewDragDrop);
    connect(m_tview, &QWidget::customContextMenuRequested, this, &MainWindow::showPopup);

    // Focus order: the item editor, the tree, then the folder list.
    setTabOrder(m_itemEditor->titleEdit(), m_itemEditor->commandEdit());
    setTabOrder(m_itemEditor->commandEdit(), m_itemEditor->targetPathEdit());
    setTabOrder(m_itemEditor->targetPathEdit(), m_itemEditor->folderNameButton());
    setTabOrder(m_itemEditor->folderNameButton(), m_itemEditor->commandPathButton());
    setTabOrder(m_itemEditor->commandPathButton(), m_itemEditor->targetPathButton());
    setTabOrder(m_itemEditor->targetPathButton(), m_tview);
    setTabOrder(m_tview, m_dirListBox);
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
    for (QMenu *menu : { m_mnuFile, m_mnuOptions, m_mnuHelp }) {
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

void MainWindow::setPanelsEnabled(bool enabled)
{
    m_panelLeft->setEnabled(enabled);
    m_panelRight->setEnabled(enabled);
    m_itemEditor->setEnabled(enabled);
}

void MainWindow::afterLoad()
{
    m_tview->expandAll();
    showSelectedEntry();
    updateItemCount();
}

// ---- Resize, show ----

void MainWindow::FormResize()
{
    m_statusBar->setPanelWidth(1, 100);
    m_statusBar->setPanelWidth(0, width() - 100);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    repaint();
}

} // namespace torvex
