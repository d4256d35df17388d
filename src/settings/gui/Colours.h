#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

class QWidget;

namespace torvex {

// The colour that a stored colour value stands for: a plain colour 0x00BBGGRR, or a system
// colour (0x80000000 plus its index) taken from `palette` (button face, window text, window
// background and the other indexes that map onto a palette role).
QColor toQColor(int32_t colour, const QPalette &palette);

// Gives `widget` the colour for `role`, a system colour being taken from the application's
// palette for that widget, and repaints it.
void setWidgetColour(QWidget *widget, QPalette::ColorRole role, int32_t colour);

// The plain colour value 0x00BBGGRR of `colour`.
int32_t fromQColor(const QColor &colour);

} // namespace torvex
