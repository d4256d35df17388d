#pragma once

#include <QKeySequence>
#include <QObject>

#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class QWidget;

namespace torvex {

class MenuTree;
class MenuTreeView;

// The commands the menus run; the main window is their one implementation. Each runs on the
// menu's entry and on its key.
class MenuCommands
{
public:
    virtual void open() = 0; // mnuFileOpen
    virtual void openFile() = 0; // mnuFileOpenFile
    // The files of "Open recent", newest first, and the loading of one.
    virtual std::vector<std::string> recentFiles() = 0;
    virtual bool recentFileExists(const std::string &path) = 0;
    virtual void openRecent(const std::string &path) = 0; // mnuFileOpenRecent
    virtual void saveToFile() = 0; // mnuFileSaveToFile
    virtual void save() = 0; // mnuFilesSave
    virtual void saveAs() = 0; // mnuFileSaveIn
    virtual void showChanges() = 0; // mnuFileShowChanges
    virtual void exitWithoutSaving() = 0; // mnuFileExitWithoutSaving
    virtual void exitAndSave() = 0; // mnuFileExit
    virtual void showOptions() = 0; // mnuOptionsOptions
    virtual void showHelp() = 0; // mnuHelpHelp
    virtual void showAbout() = 0; // mnuHelpAbout
    // The popup's commands, named as the editing logic (MenuEditor) names them; each is one
    // step of the undo history.
    virtual void addSubMenu() = 0; // mnuPopupAddSubMenu
    virtual void addSiblingEntry() = 0; // mnuPopUpAddSisterMenu
    virtual void addCopy() = 0; // mnuPopUpAddCopy
    virtual void deleteSelectedEntry() = 0; // mnuPopupDeleteSelectedMenu
    virtual void addFirstEntry() = 0; // mnuPopupAddMenu
    virtual void showCommandFolder() = 0; // mnuPopupShowCommandFolder

protected:
    ~MenuCommands() = default;
};

// One of the commands.
using MenuCommand = void (MenuCommands::*)();

// The main window's menus: the menu bar `MainMenu1` with File, Options and Help, and the
// tree's popup `mnuPopup`, with their object names, captions and keys. The popup's keys act
// on the tree alone. While the menus are disabled, the menu bar's keys do nothing.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    // Fills the menu bar of `window` and gives `view` its popup menu and keys.
    MainMenus(
        QMainWindow &window, MenuTreeView &view, const MenuTree &tree, MenuCommands &commands);

    // Enables or disables File, Options and Help.
    void setEnabled(bool enabled);
    bool isEnabled() const;
    // Runs `command` when the menus are enabled, as their keys do.
    void runIfEnabled(MenuCommand command) const;
    // Hides Open and Save as: the file found at start is the only one edited in this run.
    void hideFileChoice();
    // Fills "Open recent" with the recent files, those gone missing greyed; it runs each time
    // the submenu opens.
    void refreshRecentFiles();
    QMenu *recentMenu() const { return m_recent; }
    // A menu inserted in the menu bar before Options; the one of that name when it is there.
    QMenu *addMenuBeforeOptions(const QString &title, const char *name);
    // A submenu of File (Import, Export) inserted before the exits; the one of that name when
    // it is there.
    QMenu *addFileSubmenu(const QString &title, const char *name);
    // Shows only the popup entries that apply to the tree's state. (mnuPopupPopup)
    void updatePopupEntries();
    // The tree's popup, for commands that add entries of their own at its end.
    QMenu &popup() const { return *m_popup; }

private:
    QAction *addAction(
        QMenu *menu, const char *name, const char *caption, QKeySequence key, MenuCommand command);
    QAction *addPopupEntry(
        const char *name, const char *caption, QKeySequence key, MenuCommand command);
    void buildMainMenu();
    void buildPopup();
    void showPopup(const QPoint &pos);

    QMainWindow &m_window;
    MenuTreeView &m_view;
    const MenuTree &m_tree;
    MenuCommands &m_commands;
    QMenu *m_file = nullptr;
    QMenu *m_options = nullptr;
    QMenu *m_help = nullptr;
    QAction *m_open = nullptr;
    QAction *m_saveAs = nullptr;
    QMenu *m_recent = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_addSubMenu = nullptr;
    QAction *m_addSiblingEntry = nullptr;
    QAction *m_addCopy = nullptr;
    QAction *m_separatorN2 = nullptr;
    QAction *m_deleteSelectedEntry = nullptr;
    QAction *m_addFirstEntry = nullptr;
    QAction *m_separatorN4 = nullptr;
    QAction *m_showCommandFolder = nullptr;
};

} // namespace torvex
