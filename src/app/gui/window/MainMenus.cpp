#include "app/gui/window/MainMenus.h"

#include "app/gui/window/MainPlusKey.h"
#include "app/gui/tree/MenuTreeView.h"
#include "editor/MenuEditor.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace torvex {

MainMenus::MainMenus(
    QMainWindow &window, MenuTreeView &view, const MenuTree &tree, MenuCommands &commands)
    : QObject(&window)
    , m_window(window)
    , m_view(view)
    , m_tree(tree)
    , m_commands(commands)
{
    buildMainMenu();
    buildPopup();
    connect(&m_view, &QWidget::customContextMenuRequested, this, &MainMenus::showPopup);
}

QAction *MainMenus::addAction(
    QMenu *menu, const char *name, const char *caption, QKeySequence key, MenuCommand command)
{
    auto *action = menu->addAction(tr(caption));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command] {
        runIfEnabled(command);
    });
    return action;
}

void MainMenus::runIfEnabled(MenuCommand command) const
{
    // A disabled menu's shortcuts do nothing.
    if (isEnabled())
        (m_commands.*command)();
}

void MainMenus::buildMainMenu()
{
    QMenuBar *bar = m_window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    m_file = bar->addMenu(tr("&File"));
    m_file->setObjectName(QStringLiteral("mnuFile"));
    m_open = addAction(m_file, "mnuFileOpen", QT_TR_NOOP("Open..."), {}, &MenuCommands::open);
    // Any file, whatever start-up found: these stay in every case.
    addAction(m_file,
        "mnuFileOpenFile",
        QT_TR_NOOP("Open &file..."),
        QKeySequence(Qt::CTRL | Qt::Key_O),
        &MenuCommands::openFile);
    m_recent = m_file->addMenu(tr("Open &recent"));
    m_recent->setObjectName(QStringLiteral("mnuFileOpenRecent"));
    connect(m_recent, &QMenu::aboutToShow, this, &MainMenus::refreshRecentFiles);
    // Filled as it opens; an empty menu might not open at all.
    m_recent->addAction(tr("No recent files"))->setEnabled(false);
    addAction(
        m_file, "mnuFilesSave", QT_TR_NOOP("&Save"), QKeySequence(Qt::Key_F2), &MenuCommands::save);
    m_saveAs =
        addAction(m_file, "mnuFileSaveIn", QT_TR_NOOP("Save &as..."), {}, &MenuCommands::saveAs);
    addAction(
        m_file, "mnuFileSaveToFile", QT_TR_NOOP("Save &to file..."), {}, &MenuCommands::saveToFile);
    addAction(m_file,
        "mnuFileShowChanges",
        QT_TR_NOOP("Show changes..."),
        QKeySequence(Qt::CTRL | Qt::Key_D),
        &MenuCommands::showChanges);
    m_file->addSeparator()->setObjectName(QStringLiteral("N3"));
    addAction(m_file,
        "mnuFileExitWithoutSaving",
        QT_TR_NOOP("Exit &without saving"),
        {},
        &MenuCommands::exitWithoutSaving);
    m_file->addSeparator()->setObjectName(QStringLiteral("N1"));
    addAction(m_file,
        "mnuFileExit",
        QT_TR_NOOP("E&xit and save"),
        QKeySequence(Qt::ALT | Qt::Key_X),
        &MenuCommands::exitAndSave);
    m_options = bar->addMenu(tr("&Options"));
    m_options->setObjectName(QStringLiteral("mnuOptions"));
    addAction(m_options,
        "mnuOptionsOptions",
        QT_TR_NOOP("&Options..."),
        QKeySequence(Qt::Key_F4),
        &MenuCommands::showOptions);
    m_help = bar->addMenu(tr("&Help"));
    m_help->setObjectName(QStringLiteral("mnuHelp"));
    addAction(m_help,
        "mnuHelpHelp",
        QT_TR_NOOP("&Help"),
        QKeySequence(Qt::Key_F1),
        &MenuCommands::showHelp);
    addAction(m_help, "mnuHelpAbout", QT_TR_NOOP("&About..."), {}, &MenuCommands::showAbout);
}

QAction *MainMenus::addPopupEntry(
    const char *name, const char *caption, QKeySequence key, MenuCommand command)
{
    auto *action = m_popup->addAction(tr(caption));
    action->setObjectName(QLatin1String(name));
    const auto run = [this, command] {
        (m_commands.*command)();
    };
    connect(action, &QAction::triggered, this, run);
    if (key.isEmpty())
        return action;
    // The menu shows the key; the key itself belongs to the tree alone, so that Insert,
    // Delete and the plus key keep their meaning in the edits and the folder list. It acts
    // also while its entry is hidden: the command checks the tree itself.
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    auto *shortcut = new QShortcut(key, &m_view, nullptr, nullptr, Qt::WidgetShortcut);
    shortcut->setObjectName(QLatin1String(name) + QStringLiteral("Key"));
    connect(shortcut, &QShortcut::activated, this, run);
    return action;
}

void MainMenus::buildPopup()
{
    m_popup = new QMenu(&m_window);
    m_popup->setObjectName(QStringLiteral("mnuPopup"));
    // The plus key of the main keyboard without modifiers, named in the menu as it is labelled.
    m_addSubMenu = addPopupEntry(
        "mnuPopupAddSubMenu", QT_TR_NOOP("Add &submemu"), {}, &MenuCommands::addSubMenu);
    m_addSubMenu->setShortcut(QKeySequence(Qt::Key_Plus));
    m_addSubMenu->setShortcutContext(Qt::WidgetShortcut);
    new MainPlusKey(m_view, [this] {
        m_commands.addSubMenu();
    });
    m_addSiblingEntry = addPopupEntry("mnuPopUpAddSisterMenu",
        QT_TR_NOOP("&Add sister menu"),
        QKeySequence(Qt::Key_Insert),
        &MenuCommands::addSiblingEntry);
    m_addCopy = addPopupEntry("mnuPopUpAddCopy",
        QT_TR_NOOP("Add &copy"),
        QKeySequence(Qt::CTRL | Qt::Key_Insert),
        &MenuCommands::addCopy);
    m_separatorN2 = m_popup->addSeparator();
    m_separatorN2->setObjectName(QStringLiteral("N2"));
    m_deleteSelectedEntry = addPopupEntry("mnuPopupDeleteSelectedMenu",
        QT_TR_NOOP("&Delete selected menu"),
        QKeySequence(Qt::Key_Delete),
        &MenuCommands::deleteSelectedEntry);
    m_addFirstEntry =
        addPopupEntry("mnuPopupAddMenu", QT_TR_NOOP("&Add menu"), {}, &MenuCommands::addFirstEntry);
    m_separatorN4 = m_popup->addSeparator();
    m_separatorN4->setObjectName(QStringLiteral("N4"));
    m_showCommandFolder = addPopupEntry("mnuPopupShowCommandFolder",
        QT_TR_NOOP("Show Command &folder"),
        {},
        &MenuCommands::showCommandFolder);
}

void MainMenus::showPopup(const QPoint &pos)
{
    updatePopupEntries();
    m_popup->popup(m_view.viewport()->mapToGlobal(pos));
}

void MainMenus::updatePopupEntries()
{
    const PopupEntries shown = popupEntries(m_tree);
    m_addSubMenu->setVisible(shown.addSubMenu);
    m_addSubMenu->setEnabled(shown.addSubMenuEnabled);
    m_addSiblingEntry->setVisible(shown.addSiblingEntry);
    m_addCopy->setVisible(shown.addCopy);
    m_separatorN2->setVisible(shown.separatorN2);
    m_deleteSelectedEntry->setVisible(shown.deleteSelectedEntry);
    m_addFirstEntry->setVisible(shown.addFirstEntry);
    m_separatorN4->setVisible(shown.separatorN4);
    m_showCommandFolder->setVisible(shown.showCommandFolder);
}

void MainMenus::setEnabled(bool enabled)
{
    for (QMenu *menu : { m_file, m_options, m_help }) {
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

bool MainMenus::isEnabled() const
{
    return m_file->isEnabled();
}

void MainMenus::hideFileChoice()
{
    m_saveAs->setVisible(false);
    m_open->setVisible(false);
}

void MainMenus::refreshRecentFiles()
{
    m_recent->clear();
    const std::vector<std::string> files = m_commands.recentFiles();
    if (files.empty()) {
        m_recent->addAction(tr("No recent files"))->setEnabled(false);
        return;
    }
    for (const std::string &path : files) {
        QString caption = QString::fromStdString(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *action = m_recent->addAction(caption);
        action->setEnabled(m_commands.recentFileExists(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (isEnabled())
                m_commands.openRecent(path);
        });
    }
}

QMenu *MainMenus::addMenuBeforeOptions(const QString &title, const char *name)
{
    const QString objectName = QLatin1String(name);
    if (auto *existing = m_window.findChild<QMenu *>(objectName, Qt::FindDirectChildrenOnly))
        return existing;
    auto *menu = new QMenu(title, &m_window);
    menu->setObjectName(QLatin1String(name));
    m_window.menuBar()->insertMenu(m_options->menuAction(), menu);
    return menu;
}

QMenu *MainMenus::addFileSubmenu(const QString &title, const char *name)
{
    const QString objectName = QLatin1String(name);
    if (auto *existing = m_file->findChild<QMenu *>(objectName, Qt::FindDirectChildrenOnly))
        return existing;
    auto *menu = new QMenu(title, m_file);
    menu->setObjectName(objectName);
    // Before the separator above the exits, after the commands that save.
    m_file->insertMenu(m_file->findChild<QAction *>(QStringLiteral("N3")), menu);
    return menu;
}

} // namespace torvex
