#pragma once

#include "app/IniLocator.h"
#include "app/MenuFileSteps.h"
#include "app/Session.h"
#include "core/MessageBoxes.h"
#include "menu/DirMenuFile.h"
#include "menu/MenuTree.h"
#include "platform/ProgramFolders.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QButtonGroup;
class QDragMoveEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QToolButton;

namespace torvex {

class ButtonColumn;
class DirListBox;
class InputGate;
class ItemEditorPanel;
class FileSystem;
class HelpViewer;
class MenuTreeModel;
class MenuTreeView;
class QtMessageBoxes;
class StatusPanels;
class OptionsDialog;
class IniChooserDialog;
class SystemFolders;
class ThemeComponent;
class WindowsView;

// What the main window is started with. The program passes the real machine; tests pass a
// view without a Wine prefix, their own candidates and scripted message boxes.
struct MainWindowEnvironment
{
    // The Windows view of the machine (drives, paths, registry); required.
    std::shared_ptr<const WindowsView> view;
    // The first command-line argument, "" when there is none (candidate slot 4).
    std::string firstArgument;
    // Where torvex.ini, torvex.log and torvex.hlp live.
    ProgramFolders folders;
    // Message boxes to use instead of real ones (not owned); nullptr shows real boxes.
    MessageBoxes *messageBoxes = nullptr;
    // Candidates to use as found, skipping the search through the registry and folders.
    std::optional<IniCandidates> candidates;
    // The folder the directory list opens at start (a Windows path); "" for the current one.
    std::string startFolder;
    // Where a save that writes a file in place keeps its earlier content until the new one is
    // on the disk, and where start-up looks for copies left by saves that did not finish; ""
    // for none (such saves are then refused).
    std::filesystem::path recoveryFolder;
};

// The main window: the folder list and drop-mode buttons on the left, the drive buttons,
// the item editor and the menu tree on the right. Its code is split by concern:
// MainWindow.cpp (construction, menus, keyboard, message boxes), MainWindowLayout.cpp (widgets),
// MainWindowStartup.cpp (start-up sequence, help, about), MainWindowEditing.cpp,
// MainWindowFiles.cpp, MainWindowDragDrop.cpp and MainWindowSettings.cpp.
class MainWindow : public QMainWindow, public MenuFileUi
{
    Q_OBJECT

public:
    explicit MainWindow(MainWindowEnvironment environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The program's state: candidates, current file, drop mode and flags.
    Session &session() { return m_session; }
    const Session &session() const { return m_session; }

    // ---- Services for the other windows and for tests ----
    MenuTree &tree() { return m_tree; }
    const WindowsView &windowsView() const { return *m_view; }
    FileSystem &fileSystem() { return *m_fs; }
    const ProgramFolders &folders() const { return m_environment.folders; }
    // Replaces the message boxes (not owned); nullptr goes back to the window's own.
    void setMessageBoxes(MessageBoxes *boxes);
    MessageBoxes &boxes() { return *m_messageBoxes; }
    void setOptionsDialog(OptionsDialog *form2) { m_form2 = form2; }
    void setChooser(IniChooserDialog *form3) { m_form3 = form3; }
    OptionsDialog *optionsDialog() const { return m_form2; }
    IniChooserDialog *chooser() const { return m_form3; }
    DirListBox *dirListBox() const { return m_dirListBox; }
    MenuTreeView *treeView() const { return m_tview; }
    MenuTreeModel *treeModel() const { return m_model; }

    // Writes a blank followed by `text` into status panel 0.
    void showStatus(const std::string &text) override;
    void showStatus(const QString &text);
    QString statusText(int panel) const;

    // ---- MenuFileUi ----
    void processEvents() override;
    void setBusyCursor(bool busy) override;
    void setMenusEnabled(bool enabled) override;
    void setPanelsEnabled(bool enabled) override;
    void afterLoad() override;
    void saveFailed(const std::string &message, const std::string &cause) override;
    MessageBoxes *messageBoxes() override { return m_messageBoxes; }

    // ---- Window commands (MainWindow.cpp / MainWindowStartup.cpp) ----
    void FormResize();
    void mnuHelpHelpClick();
    void mnuHelpAboutClick();
    // Waits `milliseconds` by the tick count while handling pending events.
    static void waitProcessingMessages(unsigned milliseconds);
    // Shows " "+path in Panel_IniSti.
    void showIniPath(const std::string &path);

    // ---- Editing (MainWindowEditing.cpp) ----
    void mnuPopupPopup();
    void mnuPopupAddSubMenuClick();
    void mnuPopUpAddSisterMenuClick();
    void mnuPopUpAddCopyClick();
    void mnuPopupDeleteSelectedMenuClick();
    void mnuPopupAddMenuClick();
    void deleteMenuTree(MenuNode *node);
    void showSelectedEntry();
    void tviewMouseDown(Qt::MouseButton button, const QPoint &pos);
    void tviewKeyUp(int key);
    void DirListBoxChange();
    void SButShowFolderClick();
    void updateItemCount();

    // ---- File commands (MainWindowFiles.cpp) ----
    void mnuFileOpenClick();
    void mnuFilesSaveClick();
    void mnuFileSaveInClick();
    void mnuFileExitWithoutSavingClick();
    void mnuFileExitClick();
    void FormClose();
    // The reader and the writer over this window (see DirMenuFile.h for what they return);
    // the user's input to the window is dropped while they run.
    bool loadMenu(const std::string &path);
    bool saveMenu(const std::string &path);
    void globalErrorHandler(const std::string &senderClassName, const std::string &message);
    // -- file commands: add further declarations below this line --

    // ---- Drag and drop (MainWindowDragDrop.cpp) ----
    void tviewStartDrag();
    void tviewDragOver(QDragMoveEvent *event);
    void tviewDragDrop(QDropEvent *event);
    void DirListBoxMouseDown(const QPoint &pos);
    // The directory list entry (row) under the last press in the list, -1 when the press hit
    // no entry; it names the folder of a Ctrl-drop.
    int pressedDirEntry = -1;
    // The node the last drag in the tree started on.
    MenuNode *draggedNode();

    // ---- Settings (MainWindowSettings.cpp) ----
    void readWindowSettings();
    void writeWindowSettings();
    void VelDrivesClickButton(char drive);
    void mnuOptionsOptionsClick();
    // -- settings: add further declarations below this line --
    // The one accessor of torvex.ini in the program's folder, opened on first use.
    class ProgramSettings &settings();
    // The drive button panel `VelDrives`.
    class DrivePanel *velDrives() const;
    // The tree takes these colours (stored colour values) and is repainted.
    void setTreeColours(int32_t background, int32_t font);
    // Status panel 0 without any text.
    void clearStatus();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // MainWindowLayout.cpp
    void buildWindow();
    QWidget *buildLeftPane();
    QWidget *buildRightPane();
    void buildTree();
    void buildStatusBar();
    // MainWindow.cpp
    void buildMainMenu();
    void buildPopupMenu();
    QAction *addMenuAction(QMenu *menu, const char *name, const char *caption, QKeySequence key);
    QAction *addPopupEntry(
        const char *name, const char *caption, QKeySequence key, void (MainWindow::*handler)());
    void runMenuCommand(QMenu *menu, void (MainWindow::*handler)());
    void showPopup(const QPoint &pos);
    void connectControls();
    // MainWindowProblems.cpp: the problem list, a dock shown from View > Problems.
    void buildProblemList();
    // MainWindowStartup.cpp
    void FormCreate();
    void startUp();
    void locateCandidates();
    void restoreDropMode();
    void loadOnlyCandidate();
    void reportRecoveryCopies();

    // ---- Core ----
    Session m_session;
    MenuTree m_tree;
    std::shared_ptr<const WindowsView> m_view;
    // The host files under m_fs, with the recovery folder of the environment.
    std::unique_ptr<FileSystem> m_hostFs;
    std::unique_ptr<FileSystem> m_fs;
    std::unique_ptr<SystemFolders> m_tamPath;
    std::unique_ptr<QtMessageBoxes> m_ownBoxes;
    MessageBoxes *m_messageBoxes = nullptr;
    MainWindowEnvironment m_environment;
    OptionsDialog *m_form2 = nullptr;
    IniChooserDialog *m_form3 = nullptr;
    HelpViewer *m_helpViewer = nullptr;
    ThemeComponent *m_winXP1 = nullptr;

    // ---- Widgets (objectName in comments where it differs from the member) ----
    QLabel *m_panelIniSti = nullptr; // Panel_IniSti
    StatusPanels *m_statusBar = nullptr; // StatusBar
    QWidget *m_panelLeft = nullptr;
    QSplitter *m_splitter = nullptr;
    QWidget *m_panelRight = nullptr;
    QLabel *m_panel1 = nullptr;
    ButtonColumn *m_buttonColumn = nullptr; // PanelKnapper
    DirListBox *m_dirListBox = nullptr;
    QWidget *m_velDrives = nullptr;
    ItemEditorPanel *m_itemEditor = nullptr; // PanelData
    InputGate *m_inputGate = nullptr;
    MenuTreeView *m_tview = nullptr;
    MenuTreeModel *m_model = nullptr;

    // ---- Menus ----
    QMenu *m_mnuFile = nullptr;
    QMenu *m_mnuOptions = nullptr;
    QMenu *m_mnuHelp = nullptr;
    QMenu *m_viewMenu = nullptr;
    class QDockWidget *m_problemDock = nullptr;
    // How much the window grew to make room for the problem list.
    int m_problemDockGrowth = 0;
    QAction *m_mnuFileOpen = nullptr;
    QAction *m_mnuFilesSave = nullptr;
    QAction *m_mnuFileSaveIn = nullptr;
    QAction *m_mnuFileExitWithoutSaving = nullptr;
    QAction *m_mnuFileExit = nullptr;
    QAction *m_mnuOptionsOptions = nullptr;
    QAction *m_mnuHelpHelp = nullptr;
    QAction *m_mnuHelpAbout = nullptr;
    QMenu *m_mnuPopup = nullptr;
    QAction *m_mnuPopupAddSubMenu = nullptr;
    QAction *m_mnuPopUpAddSisterMenu = nullptr;
    QAction *m_mnuPopUpAddCopy = nullptr;
    QAction *m_n2 = nullptr;
    QAction *m_mnuPopupDeleteSelectedMenu = nullptr;
    QAction *m_mnuPopupAddMenu = nullptr;
    QAction *m_n4 = nullptr;
    QAction *m_mnuPopupShowCommandFolder = nullptr;

    // -- file commands: add further members below this line --
    // The error log, the error reporter and the File commands, made on first use; shared_ptr
    // so that the type can stay incomplete here.
    struct MainWindowFiles &files();
    std::shared_ptr<MainWindowFiles> m_files;
    // What the closing steps decided for the close event being handled.
    bool m_closeAccepted = true;

    // -- drag and drop: add further members below this line --
    // The drop logic and its view of this window (MainWindowDragDrop.cpp), made on first use;
    // shared_ptr so that the type can stay incomplete here.
    struct DragDrop;
    std::shared_ptr<DragDrop> m_dragDrop;
    DragDrop &dragDrop();

    // -- settings: add further members below this line --
    // shared_ptr so that the type can stay incomplete here.
    std::shared_ptr<ProgramSettings> m_settings;
    // Makes `VelDrives` with the properties of this window's instance.
    QWidget *createVelDrives(QWidget *parent);
};

} // namespace torvex
