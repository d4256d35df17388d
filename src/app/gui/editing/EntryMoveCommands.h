#pragma once

#include "editor/EntryMoves.h"

#include <QObject>

#include <functional>

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
    // While `heldBack` answers true (the find box hides part of the menu, so that a step
    // would pass entries the user cannot see) no entry moves: the Edit menu greys the moves
    // out and a key calls `tellHeldBack` instead.
    void holdBackWhile(std::function<bool()> heldBack, std::function<void()> tellHeldBack);

private:
    bool isHeldBack() const;

    UndoHistory &m_history;
    MenuTree &m_tree;
    const MainMenus &m_menus;
    QAction *m_actions[4] = {};
    std::function<bool()> m_heldBack;
    std::function<void()> m_tellHeldBack;
};

} // namespace torvex
