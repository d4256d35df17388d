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

// The contrast ratio of two colours as screens show them, from 1 (the same lightness) to 21
// (black on white), by their relative luminance. Text wants at least `readableContrast`.
double contrastRatio(const QColor &a, const QColor &b);
inline constexpr double readableContrast = 4.5;

// `preferred` when it is readable on `background`, otherwise black or white, whichever
// contrasts more.
QColor readableOn(const QColor &background, const QColor &preferred);

// The menu tree's colours: `background` and the text colour `font` (the palette's text colour
// when none is given), the text kept readable on the background by `readableOn`.
void setTreeColours(QWidget *view, int32_t background, const int32_t *font = nullptr);

} // namespace torvex
