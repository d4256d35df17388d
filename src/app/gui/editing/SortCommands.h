#pragma once

#include "core/LocalText.h"
#include "editor/MenuSort.h"

#include <QObject>

class QAction;
class QMenu;

namespace torvex {

class MenuTree;
class UndoHistory;

// Titles in the order of the user's locale (QCollator): numbers by their value ("Folder 2"
// before "Folder 10"), letter case and accents only where nothing else tells titles apart.
TitleOrder localeTitleOrder();

// Sorting by title, in the Edit menu and at the end of the tree's popup: the level of the
// selected entry (the top level when none is selected), or all levels; submenus first or
// mixed with the items (a check in the Edit menu). Each sort is one undo step.
class SortCommands : public QObject
{
    Q_OBJECT

public:
    SortCommands(QMenu &editMenu, QMenu &popup, UndoHistory &history, MenuTree &tree,
        QObject *parent);

    QAction *sortLevelAction() const { return m_sortLevel; }
    QAction *sortAllAction() const { return m_sortAll; }
    QAction *submenusFirstAction() const { return m_submenusFirst; }

    void sortLevel();
    void sortAll();

private:
    void sort(MenuNode *parent, bool allLevels, const LocalText &stepName);

    UndoHistory &m_history;
    MenuTree &m_tree;
    TitleOrder m_order;
    QAction *m_sortLevel = nullptr;
    QAction *m_sortAll = nullptr;
    QAction *m_submenusFirst = nullptr;
};

} // namespace torvex
