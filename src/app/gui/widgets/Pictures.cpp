#include "app/gui/widgets/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

// The pictures are compiled into the GUI library, which is static: its resources are
// registered by name, outside any namespace.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace torvex {

namespace {

QString picturePath(const char *name)
{
    registerPictures();
    return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name));
}

const char *fileOf(Picture picture)
{
    switch (picture) {
    case Picture::Save:
        return "save";
    case Picture::ShowFolder:
        return "show-folder";
    case Picture::Add:
        return "add";
    case Picture::AddFirst:
        return "add-first";
    case Picture::AddChild:
        return "add-child";
    case Picture::AddChildFirst:
        return "add-child-first";
    case Picture::Insert:
        return "insert";
    case Picture::FindBrokenPaths:
        return "find-broken-paths";
    case Picture::FindEmptyCommands:
        return "find-empty-commands";
    }
    return "save";
}

} // namespace

QIcon speedButtonIcon(Picture picture)
{
    // The icon engine draws the vector picture anew at every size and scale it is asked for.
    return QIcon(picturePath(fileOf(picture)));
}

QPixmap renderPicture(const QString &path, QSize size, qreal scale)
{
    QSvgRenderer renderer(path);
    QPixmap pm(QSize(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale))));
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    pm.setDevicePixelRatio(scale);
    return pm;
}

QList<QPixmap> treeImages(qreal scale)
{
    QList<QPixmap> images;
    for (const char *name :
        { "tree-item", "tree-submenu", "tree-item-selected", "tree-submenu-selected" })
        images.append(renderPicture(picturePath(name), QSize(36, 13), scale));
    return images;
}

QIcon folderIcon(bool open)
{
    return QIcon(picturePath(open ? "folder-open" : "folder-closed"));
}

QIcon applicationIcon()
{
    return QIcon(picturePath("torvex"));
}

} // namespace torvex
