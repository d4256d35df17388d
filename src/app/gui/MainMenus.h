#pragma once

#include <QKeySequence>
#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class QWidget;

namespace torvex {

class MenuTree;
class MenuTreeView;

// The commands the menus run.
struct MenuCommands
{
    std::function<void()> open; // mnuFileOpen
    std::function<void()> save; // mnuFilesSave
    std::function<void()> saveAs; // mnuFileSaveIn
    std::function<void()> showChanges; // mnuFileShowChanges
    std::function<void()> exitWithoutSaving; // mnuFileExitWithoutSaving
    std::function<void()> exitAndSave; // mnuFileExit
    std::function<void()> options; // mnuOptionsOptions
    std::function<void()> help; // mnuHelpHelp
    std::function<void()> about; // mnuHelpAbout
    std::function<void()> addSubMenu; // mnuPopupAddSubMenu
    std::function<void()> addSiblingEntry; // mnuPopUpAddSisterMenu
    std::function<void()> addCopy; // mnuPopUpAddCopy
    std::function<void()> deleteSelectedEntry; // mnuPopupDeleteSelectedMenu
    std::function<void()> addFirstEntry; // mnuPopupAddMenu
    std::function<void()> showCommandFolder; // mnuPopupShowCommandFolder
};

// The main window's menus: the menu bar `MainMenu1` with File, Options and Help, and the
// tree's popup `mnuPopup`, with their object names, captions and keys. The popup's keys act
// on the tree alone. While the menus are disabled, the menu bar's keys do nothing.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    // Fills the menu bar of `window` and gives `view` its popup menu and keys.
    MainMenus(QMainWindow &window, MenuTreeView &view, const MenuTree &tree, MenuCommands commands);

    // Enables or disables File, Options and Help.
    void setEnabled(bool enabled);
    bool isEnabled() const;
    // Runs `command` when the menus are enabled, as their keys do.
    void runIfEnabled(const std::function<void()> &command) const;
    // Hides Open and Save as: the file found at start is the only one edited in this run.
    void hideFileChoice();
    // A menu inserted in the menu bar before Options.
    QMenu *addMenuBeforeOptions(const QString &title, const char *name);
    // Shows only the popup entries that apply to the tree's state. (mnuPopupPopup)
    void updatePopupEntries();

private:
    QAction *addAction(QMenu *menu,
        const char *name,
        const char *caption,
        QKeySequence key,
        const std::function<void()> *command);
    QAction *addPopupEntry(const char *name,
        const char *caption,
        QKeySequence key,
        const std::function<void()> &command);
    void buildMainMenu();
    void buildPopup();
    void showPopup(const QPoint &pos);

    QMainWindow &m_window;
    MenuTreeView &m_view;
    const MenuTree &m_tree;
    MenuCommands m_commands;
    QMenu *m_file = nullptr;
    QMenu *m_options = nullptr;
    QMenu *m_help = nullptr;
    QAction *m_open = nullptr;
    QAction *m_saveAs = nullptr;
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
