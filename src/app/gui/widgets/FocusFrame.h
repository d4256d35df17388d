#pragma once

#include <QColor>
#include <QRect>

class QAbstractItemView;
class QPainter;
class QPalette;

namespace torvex {

// The colour of the focus frame on a row: the highlighted text's colour on a selected row,
// the text colour on any other, so that it stands out from the row under either palette.
QColor focusFrameColour(const QPalette &palette, bool selected);

// Draws a frame two pixels wide around `row`, the part of the current row that the view
// paints as the row (selected or not), while the view has the focus: the selection looks the
// same with or without the focus, the frame tells them apart. `painter` paints on the view's
// viewport.
void drawFocusFrame(const QAbstractItemView &view, QPainter &painter, const QRect &row);

} // namespace torvex
