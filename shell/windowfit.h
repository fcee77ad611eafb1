#pragma once

#include <QRect>
#include <QSize>

// How the fixed-layout window fits a screen: scaled down uniformly, never up,
// so that all of it stays on the screen's free area.
namespace windowfit {

// Below this the texts could no longer be read; such screens get this scale.
constexpr double kSmallestScale = 0.5;

// The scale at which `designed` fits inside `available`: 1 when it fits as it
// is, else the smaller of the two ratios, at least kSmallestScale. An empty
// area (no screen known) leaves the window as designed.
double scaleFor(QSize available, QSize designed);

// The window's size at `scale`, rounded down so that it never exceeds the
// area the scale was computed for.
QSize scaledSize(QSize designed, double scale);

// Where a window of `size` goes inside `available`: centred, and with its top
// left corner inside the area when it is larger.
QPoint placeIn(const QRect &available, QSize size);

} // namespace windowfit
