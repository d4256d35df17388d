#include "editor/EntryMoves.h"

namespace torvex {

bool moveEntryWithSubtree(MenuTree &tree, MenuNode *node, MenuNode *target, AttachMode mode)
{
    MenuNode *oldParent = node->parent();
    if (!tree.move(node, target, mode))
        return false;
    tree.refreshNodeKind(target);
    tree.refreshNodeKind(target->parent());
    tree.refreshNodeKind(node);
    tree.refreshNodeKind(node->parent());
    tree.refreshNodeKind(oldParent);
    return true;
}

namespace {

bool isSubmenu(const MenuNode *node)
{
    return node && !node->isSeparator() && (node->hasChildren() || node->showsAsSubmenu());
}

// Where the step puts the node: the relative and the mode of MenuTree::move.
struct StepPlace
{
    MenuNode *relative = nullptr;
    AttachMode mode = AttachMode::Insert;
};

StepPlace placeOf(const MenuNode *node, EntryStep step)
{
    if (!node)
        return {};
    switch (step) {
    case EntryStep::Up:
        return { node->prevSibling(), AttachMode::Insert };
    case EntryStep::Down: {
        MenuNode *below = node->nextSibling();
        if (!below)
            return {};
        if (MenuNode *afterBelow = below->nextSibling())
            return { afterBelow, AttachMode::Insert };
        return { below, AttachMode::Add };
    }
    case EntryStep::OutOfSubmenu: {
        MenuNode *submenu = node->parent();
        if (!submenu)
            return {};
        if (MenuNode *afterSubmenu = submenu->nextSibling())
            return { afterSubmenu, AttachMode::Insert };
        return { submenu, AttachMode::Add };
    }
    case EntryStep::IntoSubmenuAbove: {
        MenuNode *above = node->prevSibling();
        if (!isSubmenu(above))
            return {};
        return { above, AttachMode::AddChild };
    }
    }
    return {};
}

} // namespace

bool canStepEntry(const MenuNode *node, EntryStep step)
{
    return placeOf(node, step).relative != nullptr;
}

bool stepEntry(MenuTree &tree, MenuNode *node, EntryStep step)
{
    const StepPlace place = placeOf(node, step);
    if (!place.relative)
        return false;
    const bool wasSelected = tree.selected() == node;
    if (!moveEntryWithSubtree(tree, node, place.relative, place.mode))
        return false;
    if (wasSelected)
        tree.setSelected(node);
    return true;
}

} // namespace torvex
