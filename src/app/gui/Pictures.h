#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace torvex {

// The program's own pictures, drawn at start-up so that they stay sharp and consistent.
enum class Picture {
    Save,
    ShowFolder,
    Add,
    AddFirst,
    AddChild,
    AddChildFirst,
    Insert,
    FindBrokenPaths,
    FindEmptyCommands,
};

// A speed-button picture, 24 by 24.
QIcon speedButtonIcon(Picture picture);

// The tree's image list: four pictures of 36 by 13, in this order: menu item, submenu, menu
// item when selected, submenu when selected.
QList<QPixmap> treeImages();

// The application icon.
QIcon applicationIcon();

} // namespace torvex
