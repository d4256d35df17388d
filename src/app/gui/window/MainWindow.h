#pragma once

#include "app/MenuFileSteps.h"
#include "app/PrefixFollower.h"
#include "app/Session.h"
#include "app/gui/bookmarks/BookmarkCommands.h"
#include "app/gui/files/FileController.h"
#include "app/gui/window/HelpCommands.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/window/MainMenus.h"
#include "app/gui/window/MainWindowEnvironment.h"
#include "core/MessageBoxes.h"
#include "editor/DropLogic.h"
#include "menu/DirMenuFile.h"
#include "menu/MenuTree.h"
#include "platform/CurrentWindowsView.h"
#include "platform/WindowsFileSystem.h"

#include <QMainWindow>

#include <memory>
#include <string>

namespace torvex {

class DirListBox;
class DrivePanel;
class FileSystem;
class FolderPane;
class IniChooserDialog;
class InputGate;
class MainMenus;
class MainWindowPanes;
class MenuPreviewPopup;
class MenuEditor;
class MenuTreeModel;
class MenuTreeView;
class OptionsDialog;
class OptionsHost;
class ProblemDock;
class ProgramSettings;
class QtFileDialogs;
class QtMessageBoxes;
class StartUpSequence;
class ThemeComponent;
class TreeDragDrop;
class UndoHistory;
class WindowFileUi;
class WindowsView;
class WindowSettingsKeeper;

// The caption of the message that names what of a Wine prefix could not be read.
inline constexpr const char *prefixProblemCaption = "Wine prefix";

// The main window: the folder list and drop-mode buttons on the left, the drive buttons, the
// item editor and the menu tree on the right. It composes its parts (MainMenus, FileController,
// FolderPane, TreeDragDrop, HelpCommands, ProblemDock, WindowSettingsKeeper, StartUpSequence,
// widgets by MainWindowPanes) and wires them in buildParts. A part that needs another part
// holds a reference to it; what a part needs of the window is a named interface that the
// window implements (the private bases below), so "go to definition" ends in this class.
class MainWindow : public QMainWindow,
                   private MenuCommands,
                   private FileWindow,
                   private ItemEditorWindow,
                   private DropView,
                   private HelpWindow,
                   private BookmarkWindow
{
    Q_OBJECT

public:
    // Builds the window; start() runs it.
    explicit MainWindow(MainWindowEnvironment environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, once the Options dialog and the chooser are attached: the window
    // starts and shows (and loads the only file found), the Options dialog applies the stored
    // options, then the chooser step runs.
    void start();
    // With more than one file found, runs Open at once, so that the chooser shows over the
    // main window; a failure of the load is reported as one of the chooser's.
    void offerCandidates();

    // The program's state: candidates, current file, drop mode and flags.
    Session &session() { return m_session; }
    const Session &session() const { return m_session; }
    // The editing logic, run by the tree's commands and the item editor.
    MenuEditor &menuEditor() { return *m_editor; }

    // ---- Its parts ----
    MainMenus &menus() { return *m_menus; }
    MenuPreviewPopup &preview() { return *m_preview; }
    BookmarkCommands &bookmarks() { return *m_bookmarks; }
    FileController &files() { return *m_files; }
    FolderPane &folderPane() { return *m_folderPane; }
    TreeDragDrop &dragDrop() { return *m_dragDrop; }
    UndoHistory &history() { return *m_history; }
    // What the window shows around loading and saving.
    MenuFileUi &fileUi();

    // ---- Services for the other windows ----
    MenuTree &tree() { return m_tree; }
    // The view of the prefix of the file being edited (before one is loaded, the prefix the
    // window was started in).
    const WindowsView &windowsView() const { return m_views.view(); }
    CurrentWindowsView &currentView() { return m_views; }
    // Makes the window work in the prefix of `path` (a file about to be loaded or written):
    // the prefix of a file from another prefix that the chooser offered; the prefix a host
    // path lies in; else the one the window was started in. A prefix named at start
    // (--prefix) is kept whatever the file. Drives, folder list, searches and F5-F7 follow.
    void followPrefixOf(const std::string &path) override;
    FileSystem &fileSystem() { return *m_fs; }
    const ProgramFolders &folders() const { return m_environment.folders; }
    // Replaces the message boxes (not owned); nullptr goes back to the window's own.
    void setMessageBoxes(MessageBoxes *boxes);
    MessageBoxes &boxes() override { return *m_messageBoxes; }
    void setOptionsDialog(OptionsDialog *dialog) { m_optionsDialog = dialog; }
    void setChooser(IniChooserDialog *chooser) { m_chooser = chooser; }
    // F1 in a window over this one: torvex.hlp at `topic`, in a viewer that `over` owns.
    void showHelpTopic(int topic, QWidget *over);
    OptionsDialog *optionsDialog() const { return m_optionsDialog; }
    IniChooserDialog *chooser() const { return m_chooser; }
    // The window as the Options dialog sees it.
    OptionsHost &optionsHost();
    DirListBox *dirListBox() const;
    // The drive button panel `VelDrives`.
    DrivePanel *drivePanel() const;
    MenuTreeView *treeView() const;
    MenuTreeModel *treeModel() const;
    // The one accessor of torvex.ini in the program's folder, opened on first use.
    ProgramSettings &settings() override;
    // The tree takes these colours (stored colour values) and is repainted.
    void setTreeColours(int32_t background, int32_t font);

    // Writes a blank followed by `text` into status panel 0.
    void showStatus(const std::string &text) override;
    void showStatus(const LocalText &text) override;
    void showStatus(const QString &text) override;
    void clearStatus();
    QString statusText(int panel) const;
    // Shows " "+path in Panel_IniSti.
    void showIniPath(const std::string &path) override;
    // Shows the prefix of the current view in `PanelPrefix` (its name; its folder as tooltip).
    void showPrefix();
    // Tells the user what of the current prefix could not be read (a refused hive).
    void reportPrefixProblems();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // MainWindow.cpp
    void buildWindow();
    void buildEditor();
    void buildParts();
    void connectControls();
    void connectTree();
    void setFocusOrder();
    void buildProblemDock();
    void buildPreviewAndBookmarks();

    // ---- MenuCommands (MainWindowCommands.cpp) ----
    void open() override;
    void save() override;
    void saveAs() override;
    void openFile() override;
    std::vector<std::string> recentFiles() override;
    bool recentFileExists(const std::string &path) override;
    void openRecent(const std::string &path) override;
    void saveToFile() override;
    void showChanges() override;
    void exitWithoutSaving() override;
    void exitAndSave() override;
    void showOptions() override; // mnuOptionsOptionsClick
    void showHelp() override;
    void showAbout() override;
    void addSubMenu() override;
    void addSiblingEntry() override;
    void addCopy() override;
    void deleteSelectedEntry() override;
    void addFirstEntry() override;
    void showCommandFolder() override; // SButShowFolderClick

    // ---- FileWindow ----
    IniChooserDialog *iniChooser() override { return m_chooser; }
    void closeWindow() override { close(); }
    void writeWindowSettings() override;
    std::string senderClassName() override;
    void showChangesUntilClosed(const std::string &path) override;
    FileDialogs &fileDialogs() override;
    std::string hostPath(const std::string &path) override;

    // ---- ItemEditorWindow ----
    void showItemCount(const LocalText &text) override;
    std::string openFolder() override;

    // ---- DropView ----
    MessageBoxes &messageBoxes() override { return boxes(); }
    void showSelectedEntry() override;
    void updateItemCount() override;

    // ---- Core ----
    Session m_session;
    MenuTree m_tree;
    // The editing logic: the tree's commands, the item editor's writes, the count, the searches.
    std::unique_ptr<MenuEditor> m_editor;
    // Records the tree's changes: goes before the tree does.
    std::unique_ptr<UndoHistory> m_history;
    // The view the window was started in, for files outside every prefix.
    std::shared_ptr<const WindowsView> m_startView;
    CurrentWindowsView m_views;
    std::unique_ptr<PrefixFollower> m_prefixFollower;
    // The host files under m_fs, with the recovery folder of the environment.
    std::unique_ptr<FileSystem> m_hostFs;
    std::unique_ptr<WindowsFileSystem> m_fs;
    std::unique_ptr<QtMessageBoxes> m_ownBoxes;
    std::unique_ptr<QtFileDialogs> m_ownFileDialogs;
    MessageBoxes *m_messageBoxes = nullptr;
    MainWindowEnvironment m_environment;
    std::unique_ptr<OptionsHost> m_optionsHost;
    OptionsDialog *m_optionsDialog = nullptr; // Form2
    IniChooserDialog *m_chooser = nullptr; // Form3
    ThemeComponent *m_theme = nullptr; // WinXP1

    // ---- Parts ----
    std::unique_ptr<FileController> m_files;
    std::unique_ptr<HelpCommands> m_help;
    MainMenus *m_menus = nullptr;
    FolderPane *m_folderPane = nullptr;
    TreeDragDrop *m_dragDrop = nullptr;
    MenuPreviewPopup *m_preview = nullptr;
    BookmarkCommands *m_bookmarks = nullptr;
    InputGate *m_inputGate = nullptr;

    // ---- Widgets ----
    std::unique_ptr<MainWindowPanes> m_panes;
    std::unique_ptr<WindowFileUi> m_fileUi;
    std::unique_ptr<WindowSettingsKeeper> m_windowSettings;
    std::unique_ptr<StartUpSequence> m_startUp;
};

} // namespace torvex
