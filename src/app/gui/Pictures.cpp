#include "app/gui/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace torvex {

namespace {

const QColor ink(0x33, 0x3d, 0x4f);
const QColor accent(0x2f, 0x74, 0xc0);
const QColor folderFill(0xf2, 0xc4, 0x4f);
const QColor folderEdge(0xb8, 0x8a, 0x1e);
const QColor warn(0xc6, 0x2f, 0x2f);

QPixmap canvas(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void drawFolder(QPainter &p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 2);
    path.lineTo(r.left() + r.width() * 0.38, r.top() + 2);
    path.lineTo(r.left() + r.width() * 0.48, r.top() + 5);
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(folderEdge, 1));
    p.setBrush(folderFill);
    p.drawPath(path);
}

// Three list lines with a marker line in `accent` at position `at` (0..3) and `indent`.
void drawList(QPainter &p, int at, bool indent)
{
    const int ys[] = { 5, 10, 15, 20 };
    for (int i = 0; i < 4; ++i) {
        if (i == at) {
            const int x = indent ? 9 : 3;
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            QPolygonF arrow(
                { QPointF(x, ys[i] - 3), QPointF(x + 5, ys[i]), QPointF(x, ys[i] + 3) });
            p.drawPolygon(arrow);
            p.fillRect(QRectF(x + 7, ys[i] - 1.5, 20 - x - 3, 3), accent);
            continue;
        }
        p.fillRect(QRectF(3, ys[i] - 1, 18, 2), ink);
    }
}

void drawSave(QPainter &p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 3.5, 9, 6));
    p.drawRect(QRectF(6.5, 13.5, 11, 7));
}

void drawShowFolder(QPainter &p)
{
    drawFolder(p, QRectF(2.5, 4.5, 16, 12));
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(15, 15), 4, 4);
    p.drawLine(QPointF(18, 18), QPointF(22, 22));
}

void drawFindBroken(QPainter &p)
{
    drawFolder(p, QRectF(2.5, 4.5, 16, 12));
    p.setPen(QPen(warn, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 13), QPointF(21, 20));
    p.drawLine(QPointF(21, 13), QPointF(14, 20));
}

void drawFindEmpty(QPainter &p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 3.5, 14, 17));
    p.fillRect(QRectF(6, 7, 9, 1.5), ink);
    p.setPen(QPen(ink, 1, Qt::DashLine));
    p.drawLine(QPointF(6, 12), QPointF(15, 12));
    p.drawLine(QPointF(6, 16), QPointF(15, 16));
    QFont f;
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(warn);
    p.drawText(QRectF(13, 9, 11, 15), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon speedButtonIcon(Picture picture)
{
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Save:
        drawSave(p);
        break;
    case Picture::ShowFolder:
        drawShowFolder(p);
        break;
    case Picture::Add:
        drawList(p, 3, false);
        break;
    case Picture::AddFirst:
        drawList(p, 0, false);
        break;
    case Picture::AddChild:
        drawList(p, 3, true);
        break;
    case Picture::AddChildFirst:
        drawList(p, 1, true);
        break;
    case Picture::Insert:
        drawList(p, 2, false);
        break;
    case Picture::FindBrokenPaths:
        drawFindBroken(p);
        break;
    case Picture::FindEmptyCommands:
        drawFindEmpty(p);
        break;
    }
    return QIcon(pm);
}

QList<QPixmap> treeImages()
{
    QList<QPixmap> images;
    for (int i = 0; i < 4; ++i) {
        const bool submenu = i % 2 == 1;
        const bool selected = i >= 2;
        QPixmap pm = canvas(36, 13);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        // Selected pictures stand on the selection's highlight, so they are drawn light.
        const QColor line = selected ? QColor(Qt::white) : ink;
        if (submenu) {
            drawFolder(p, QRectF(18.5, 0.5, 15, 11));
            p.fillRect(QRectF(4, 6, 12, 1.5), line);
        } else {
            p.fillRect(QRectF(4, 6, 22, 1.5), line);
            p.setPen(Qt::NoPen);
            p.setBrush(line);
            p.drawPolygon(QPolygonF({ QPointF(26, 2.5), QPointF(32, 6.75), QPointF(26, 11) }));
        }
        images.append(pm);
    }
    return images;
}

QIcon applicationIcon()
{
    QPixmap pm = canvas(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    drawFolder(p, QRectF(6.5, 7.5, 19, 15));
    p.fillRect(QRectF(9, 17, 13, 2), ink);
    return QIcon(pm);
}

} // namespace torvex
