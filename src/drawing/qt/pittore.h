// Replays the canvas's display list with a QPainter: the window, the PNG and the SVG export
// all paint through here.
#pragma once

#include "drawing/Canvas.h"

#include <QColor>
#include <QPainter>

namespace tessaro {

// The canvas background, against which bright white, dark blue and light grey read clearly.
QColor sfondo_canvas();

// Paints the whole canvas into a square of lato_px × lato_px device pixels at the painter's
// origin (lato_px = 236 × the device pixel ratio or the export scale).
void dipingi(QPainter& p, const Canvas& canvas, double lato_px);

} // namespace tessaro
