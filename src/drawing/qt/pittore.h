// Replays the canvas's display list with a QPainter: the window, the PNG and the SVG export
// all paint through here.
#pragma once

#include "form/Canvas.h"

#include <QColor>
#include <QPainter>

namespace tessaro {

// The canvas background, a warm mid grey against which bright white lines, the dark-blue
// shadow of an opening and its light-grey outline all read clearly.
QColor sfondo_canvas();

// Paints the whole canvas into a square of lato_px × lato_px painter units at the painter's
// origin, the world window filling the square exactly. A widget passes 236 (Qt paints its
// logical pixels at the screen's device pixel ratio, so the picture stays sharp); the PNG
// export passes its own pixel size.
void dipingi(QPainter& p, const Canvas& canvas, double lato_px);

} // namespace tessaro
