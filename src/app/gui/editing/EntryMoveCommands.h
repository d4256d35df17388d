#pragma once

#include "editor/EntryMoves.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace torvex {

class MainMenus;
class MenuTree;
class UndoHistory;

// Moving the selected entry by keys, in the Edit menu: Move up (Ctrl+Up), Move down
// (Ctrl+Down), Move out of submenu (Ctrl+Left), Move into submenu above (Ctrl+Right). The
// keys belong to the tree alone, so that the edits keep Ctrl+Left and Ctrl+Right for words.
// Each move is one undo step; a move the entry's place does not allow does nothing.
class EntryMoveCommands : public QObject
{
    Q_OBJECT

public:
    EntryMoveCommands(QMenu &editMenu,
        QWidget &treeView,
        UndoHistory &history,
        MenuTree &tree,
        const MainMenus &menus,
        QObject *parent);

    QAction *action(EntryStep step) const { return m_actions[int(step)]; }
    void move(EntryStep step);

private:
    UndoHistory &m_history;
    MenuTree &m_tree;
    const MainMenus &m_menus;
    QAction *m_actions[4] = {};
};

} // namespace torvex
