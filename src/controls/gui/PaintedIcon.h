#pragma once

#include <QIcon>
#include <QSize>

#include <functional>

class QPainter;

namespace torvex {

// An icon drawn by `paint` into a square of `designSize` pixels, drawn anew at each size and
// scale it is shown at, so that it is as sharp at a scale factor of 2 as at 1.
QIcon paintedIcon(std::function<void(QPainter &)> paint, QSize designSize);

} // namespace torvex
