// Editing commands of the main window: the tree's popup menu, the item editor, the folder
// list's open folder, the count and the searches. The decisions live in MenuEditor; the code
// here moves texts between it and the widgets.

#include "app/gui/DirListBox.h"
#include "app/gui/ItemEditorPanel.h"
#include "app/gui/MainWindow.h"
#include "app/gui/StatusPanels.h"
#include "controls/gui/DrivePanel.h"
#include "editor/EditorTexts.h"
#include "editor/EntryDestination.h"
#include "editor/MenuEditor.h"
#include "menu/gui/MenuText.h"
#include "platform/WindowsView.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cctype>
#include <map>
#include <utility>

namespace torvex {

void MainWindow::mnuPopupPopup()
{
    const PopupEntries shown = popupEntries(m_tree);
    m_mnuPopupAddSubMenu->setVisible(shown.addSubMenu);
    m_mnuPopUpAddSisterMenu->setVisible(shown.addSisterMenu);
    m_mnuPopUpAddCopy->setVisible(shown.addCopy);
    m_n2->setVisible(shown.separatorN2);
    m_mnuPopupDeleteSelectedMenu->setVisible(shown.deleteSelectedMenu);
    m_mnuPopupAddMenu->setVisible(shown.addMenu);
    m_n4->setVisible(shown.separatorN4);
    m_mnuPopupShowCommandFolder->setVisible(shown.showCommandFolder);
}

void MainWindow::mnuPopupAddSubMenuClick()
{
    m_itemEditor->editor().addSubMenu();
}

void MainWindow::mnuPopUpAddSisterMenuClick()
{
    m_itemEditor->editor().addSisterMenu();
}

void MainWindow::mnuPopUpAddCopyClick()
{
    m_itemEditor->editor().addCopy();
}

void MainWindow::mnuPopupDeleteSelectedMenuClick()
{
    m_itemEditor->editor().deleteSelectedMenu();
}

void MainWindow::mnuPopupAddMenuClick()
{
    m_itemEditor->editor().addMenu();
}

void MainWindow::deleteMenuTree(MenuNode *node)
{
    m_itemEditor->editor().deleteMenuTree(node);
}

void MainWindow::showSelectedEntry()
{
    m_itemEditor->editor().showSelectedEntry();
}

void MainWindow::tviewMouseDown(Qt::MouseButton, const QPoint &)
{
    m_itemEditor->editor().treePressed();
}

void MainWindow::tviewKeyUp(int)
{
    m_itemEditor->editor().showSelectedEntry();
}

void MainWindow::DirListBoxChange()
{
    m_itemEditor->editor().openFolderChanged(m_dirListBox->directory());
}

void MainWindow::SButShowFolderClick()
{
    // The Command edit may still hold the node a cancelled drop left in the panel.
    m_itemEditor->editor().showSelectedBeforeEdit();
    const auto folder = m_itemEditor->editor().commandFolderToShow(m_itemEditor->commandText());
    if (!folder)
        return;
    // The list takes Windows paths: a host path in a command goes through its drive.
    const auto host = m_view->hostPath(*folder);
    const auto windows = host ? m_view->windowsPath(*host) : std::nullopt;
    if (!windows)
        return;
    m_dirListBox->setDirectory(*windows);
    // The drive buttons follow the list onto another drive, so the button that is down
    // names the drive shown (and is the one stored at close). Its click finds the list
    // already on that drive and leaves the folder alone.
    DrivePanel *panel = velDrives();
    const char drive = m_dirListBox->drive();
    if (panel && drive != 0 && panel->model().isDriveShown(drive)
        && std::toupper(static_cast<unsigned char>(panel->drive()))
            != std::toupper(static_cast<unsigned char>(drive)))
        panel->setDrive(drive);
}

void MainWindow::updateItemCount()
{
    m_itemEditor->editor().updateItemCount();
}

} // namespace torvex
