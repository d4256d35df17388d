#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>

namespace torvex {

// The program's own pictures, vector drawings (resources/pictures) drawn at the size and
// scale of the screen, so that they stay sharp at any scale factor.
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

// A speed-button picture, 24 by 24 at scale 1, drawn anew for each size and scale, its lines
// in `ink` (the palette's text colour of the button) so that they show on a light or a dark
// ground alike; the coloured parts keep their colours.
QIcon speedButtonIcon(Picture picture, const QColor &ink);

// The tree's image list: four pictures of 36 by 13, in this order: menu item, submenu, menu
// item when selected, submenu when selected; drawn for a screen of this scale (device
// pixels per pixel). The lines of the two unselected pictures are drawn in `ink` (the tree's
// text colour, which reads on its background); the selected ones stay white on the highlight.
QList<QPixmap> treeImages(qreal scale, const QColor &ink);

// The SVG picture at `path` drawn at `size` on a screen of `scale`.
QPixmap renderPicture(const QString &path, QSize size, qreal scale);

// A folder of the folder list, 16 by 16 at scale 1: open (on the way to the open folder, or
// the open folder itself) or closed (a subfolder).
QIcon folderIcon(bool open);

// The application icon.
QIcon applicationIcon();

} // namespace torvex
