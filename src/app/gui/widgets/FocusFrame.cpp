#include "app/gui/widgets/FocusFrame.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>

namespace torvex {

QColor focusFrameColour(const QPalette &palette, bool selected)
{
    return palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
}

void drawFocusFrame(const QAbstractItemView &view, QPainter &painter, const QRect &row)
{
    const QModelIndex current = view.currentIndex();
    if (!view.hasFocus() || !current.isValid() || row.isEmpty())
        return;
    const bool selected = view.selectionModel() && view.selectionModel()->isSelected(current);
    painter.save();
    QPen pen(focusFrameColour(view.palette(), selected), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(row).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace torvex
