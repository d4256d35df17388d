// Editing commands of the main window: the tree's popup menu, the item editor, the folder
// list's open folder, the count and the searches. Filled in by the editing work; until then
// the handlers below do the least that keeps the window usable.

#include "app/gui/DirListBox.h"
#include "app/gui/MenuTreeView.h"
#include "app/gui/StatusPanels.h"
#include "app/gui/TForm1.h"
#include "editor/ItemCount.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace torvex {

void TForm1::mnuPopupPopup()
{
    const bool hasItems = !m_tree.isEmpty();
    for (QAction *a :
        { m_mnuPopupAddSubMenu, m_mnuPopUpAddSisterMenu, m_n2, m_mnuPopupDeleteSelectedMenu })
        a->setVisible(hasItems);
    m_mnuPopupAddMenu->setVisible(!hasItems);
}

void TForm1::mnuPopupAddSubMenuClick() { }

void TForm1::mnuPopUpAddSisterMenuClick() { }

void TForm1::mnuPopUpAddCopyClick() { }

void TForm1::mnuPopupDeleteSelectedMenuClick() { }

void TForm1::mnuPopupAddMenuClick() { }

void TForm1::deleteMenuTree(MenuNode *node)
{
    m_tree.remove(node);
}

void TForm1::tviewClick()
{
    const MenuNode *node = m_tree.selected();
    if (!node)
        return;
    m_editTitle->setText(QString::fromStdString(node->title()));
    m_editCommand->setText(QString::fromStdString(node->data().Command));
    m_editTargetPath->setText(QString::fromStdString(node->data().TargetPath));
}

void TForm1::tviewMouseDown(Qt::MouseButton, const QPoint &)
{
    tviewClick();
}

void TForm1::tviewKeyUp(int)
{
    tviewClick();
}

void TForm1::EditTitleChange() { }

void TForm1::EditCommandChange() { }

void TForm1::EditTargetPathChange() { }

void TForm1::AddFolderNameToTitleClick() { }

void TForm1::ButAddPathToCommandClick() { }

void TForm1::ButAddPathToTargetPathClick() { }

void TForm1::DirListBoxChange()
{
    showStatus(m_dirListBox->directory());
}

void TForm1::SButShowFolderClick() { }

void TForm1::updateItemCount()
{
    m_statusBar->panel(1)->setText(QString::fromStdString(itemCountText(itemCount(m_tree))));
}

void TForm1::SButFindMenusWithNonexistentPathsClick() { }

void TForm1::SButFindEmptyCommandsClick() { }

} // namespace torvex
