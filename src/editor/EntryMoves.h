#pragma once

#include "menu/MenuTree.h"

namespace torvex {

// Moves `node` with its subtree relative to `target` in `mode`, as a drop of a tree entry
// does: MenuTree::move, then the pictures of every node whose children changed (the target,
// the node and its old and new parents) follow the tree's shape. Returns false when the
// target lies in the node's own subtree (nothing changes then).
bool moveEntryWithSubtree(MenuTree &tree, MenuNode *node, MenuNode *target, AttachMode mode);

// The moves of an entry by keys, each within the shape of the menu around it.
enum class EntryStep {
    Up, // before the entry above it on its level (Ctrl+Up)
    Down, // after the entry below it on its level (Ctrl+Down)
    OutOfSubmenu, // out of its submenu, directly after that submenu (Ctrl+Left)
    IntoSubmenuAbove, // into the submenu directly above it, as its last entry (Ctrl+Right)
};

// Whether `node` can take the step: not up from the first entry of a level nor down from the
// last, not out of the top level, and into the entry above only when that is a submenu (a
// separator or an item gains no children this way).
bool canStepEntry(const MenuNode *node, EntryStep step);

// Takes the step through moveEntryWithSubtree; returns false, changing nothing, when the
// step cannot be taken. The node stays selected when it was.
bool stepEntry(MenuTree &tree, MenuNode *node, EntryStep step);

} // namespace torvex
