#include "app/gui/widgets/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
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

// The colour the pictures' lines are drawn in, replaced by the ink of the palette.
constexpr char lineColour[] = "#333d4f";

// Draws an SVG picture anew at every size and scale it is asked for.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(QByteArray svg)
        : m_svg(std::move(svg))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer renderer(m_svg);
        if (mode == QIcon::Disabled)
            painter->setOpacity(painter->opacity() * 0.4);
        renderer.render(painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_svg); }

private:
    QByteArray m_svg;
};

// The SVG text of a picture with its lines in `ink`.
QByteArray inkedPicture(const QString &path, const QColor &ink)
{
    QFile file(path);
    (void)file.open(QIODevice::ReadOnly);
    QByteArray svg = file.readAll();
    svg.replace(lineColour, ink.name(QColor::HexRgb).toLatin1());
    return svg;
}

QPixmap renderSvg(QSvgRenderer &renderer, QSize size, qreal scale)
{
    QPixmap pm(QSize(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale))));
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    pm.setDevicePixelRatio(scale);
    return pm;
}

} // namespace

QIcon speedButtonIcon(Picture picture, const QColor &ink)
{
    return QIcon(new SvgIconEngine(inkedPicture(picturePath(fileOf(picture)), ink)));
}

QPixmap renderPicture(const QString &path, QSize size, qreal scale)
{
    QSvgRenderer renderer(path);
    return renderSvg(renderer, size, scale);
}

QList<QPixmap> treeImages(qreal scale, const QColor &ink)
{
    QList<QPixmap> images;
    for (const char *name :
        { "tree-item", "tree-submenu", "tree-item-selected", "tree-submenu-selected" }) {
        QSvgRenderer renderer(inkedPicture(picturePath(name), ink));
        images.append(renderSvg(renderer, QSize(36, 13), scale));
    }
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
