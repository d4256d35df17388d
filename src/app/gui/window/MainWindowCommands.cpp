// The main window's menu commands (MenuCommands): File goes to the file controller, Help to
// the help commands, the popup's edits to the editing logic, each as one step of the undo
// history.

#include "app/gui/files/ChangesWindow.h"
#include "app/gui/files/FileController.h"
#include "app/gui/folders/FolderPane.h"
#include "app/gui/window/HelpCommands.h"
#include "app/gui/editing/ItemEditorPanel.h"
#include "app/gui/window/MainWindow.h"
#include "app/gui/window/MainWindowPanes.h"
#include "app/gui/editing/UndoHistory.h"
#include "editor/MenuEditor.h"
#include "platform/WindowsView.h"
#include "settings/gui/OptionsDialog.h"

namespace torvex {

namespace {

// Runs `command` of the editing logic as one step named `name`, the selected entry's title
// its %1.
void runOnSelected(
    UndoHistory &history, MenuEditor &editor, const char *name, void (MenuEditor::*command)())
{
    history.recordOnSelected(LocalText(stepNameContext, name), [&editor, command] {
        (editor.*command)();
    });
}

} // namespace

// ---- File ----

void MainWindow::open()
{
    m_files->open();
}

void MainWindow::save()
{
    m_files->save();
}

void MainWindow::saveAs()
{
    m_files->saveAs();
}

void MainWindow::openFile()
{
    m_files->openFile();
}

std::vector<std::string> MainWindow::recentFiles()
{
    return m_files->recentFiles();
}

bool MainWindow::recentFileExists(const std::string &path)
{
    return m_fs->fileExists(path);
}

void MainWindow::openRecent(const std::string &path)
{
    m_files->openRecent(path);
}

void MainWindow::saveToFile()
{
    m_files->saveToFile();
}

void MainWindow::showChanges()
{
    ChangesWindow::showChanges(
        this, m_session.currentIniFile(), m_tree, *m_fs, m_files->loadedFile());
}

void MainWindow::exitWithoutSaving()
{
    m_files->exitWithoutSaving();
}

void MainWindow::exitAndSave()
{
    m_files->exitAndSave();
}

// ---- Options and Help ----

void MainWindow::showOptions()
{
    if (!m_optionsDialog)
        return;
    m_optionsDialog->loadOptions();
    m_optionsDialog->exec();
}

void MainWindow::showHelp()
{
    m_help->showHelp();
}

void MainWindow::showAbout()
{
    m_help->showAbout();
}

// ---- The tree's popup ----

void MainWindow::addSubMenu()
{
    runOnSelected(*m_history,
        *m_editor,
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Add submenu to %1"),
        &MenuEditor::addSubMenu);
}

void MainWindow::addSiblingEntry()
{
    runOnSelected(*m_history,
        *m_editor,
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Add sister menu of %1"),
        &MenuEditor::addSiblingEntry);
}

void MainWindow::addCopy()
{
    runOnSelected(*m_history,
        *m_editor,
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Add copy of %1"),
        &MenuEditor::addCopy);
}

void MainWindow::deleteSelectedEntry()
{
    runOnSelected(*m_history,
        *m_editor,
        QT_TRANSLATE_NOOP("torvex::UndoHistory", "Delete %1"),
        &MenuEditor::deleteSelectedEntry);
}

void MainWindow::addFirstEntry()
{
    m_history->record(
        LocalText(stepNameContext, QT_TRANSLATE_NOOP("torvex::UndoHistory", "Add menu")), [this] {
            m_editor->addFirstEntry();
        });
}

void MainWindow::showCommandFolder()
{
    // The Command edit may still hold the node a cancelled drop left in the panel.
    m_editor->showSelectedBeforeEdit();
    const auto folder = m_editor->commandFolderToShow(m_panes->itemEditor()->commandText());
    if (!folder)
        return;
    // The list takes Windows paths: a host path in a command goes through its drive.
    const auto host = windowsView().hostPath(*folder);
    const auto windows = host ? windowsView().windowsPath(*host) : std::nullopt;
    if (windows)
        m_folderPane->showFolder(*windows);
}

} // namespace torvex
