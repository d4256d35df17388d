#pragma once

#include "editor/MenuPreview.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;
class QPoint;
class QWidget;

namespace torvex {

class MenuNode;
class MenuTree;

// Fills `menu` with the preview: an action for each item (its title as the text, so "&"
// marks the access key and "&&" is a plain "&"), a submenu for each submenu, separators,
// and when entries are left out a last greyed line saying how many. `chosen` runs with the
// tree's entry when the user picks an item.
void fillPreviewMenu(QMenu &menu,
    const std::vector<PreviewEntry> &entries,
    std::size_t leftOut,
    const std::function<void(const MenuNode *)> &chosen);

// View > Preview menu (F9): pops the menu up at the pointer as the file manager shows it.
// Picking an entry there announces it, so that the window selects it in the tree.
class MenuPreviewPopup : public QObject
{
    Q_OBJECT

public:
    // Adds the command to `viewMenu`; the popup belongs to `window`.
    MenuPreviewPopup(QMenu &viewMenu, const MenuTree &tree, QWidget &window);

    // Builds the preview of the tree as it is now and pops it up at `at` (global position).
    void popUp(const QPoint &at);
    // The preview last popped up, nullptr before the first.
    QMenu *menu() const { return m_menu; }

Q_SIGNALS:
    void entryChosen(MenuNode *node);

private:
    const MenuTree &m_tree;
    QWidget &m_window;
    QPointer<QMenu> m_menu;
};

} // namespace torvex
