#include "controls/gui/PaintedIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace torvex {

namespace {

class PaintedIconEngine : public QIconEngine
{
public:
    PaintedIconEngine(std::function<void(QPainter &)> paint, QSize designSize)
        : m_paint(std::move(paint))
        , m_designSize(designSize)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(qreal(rect.width()) / m_designSize.width(),
            qreal(rect.height()) / m_designSize.height());
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        m_paint(*painter);
        painter->restore();
    }

    // `size` is in device pixels: the icon asks for the size times the screen's scale.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new PaintedIconEngine(m_paint, m_designSize); }

private:
    std::function<void(QPainter &)> m_paint;
    QSize m_designSize;
};

} // namespace

QIcon paintedIcon(std::function<void(QPainter &)> paint, QSize designSize)
{
    return QIcon(new PaintedIconEngine(std::move(paint), designSize));
}

} // namespace torvex
