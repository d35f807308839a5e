// Cutting lines and polygons to a rectangle before they reach the painter.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

namespace tessaro {

// Far-away geometry is ordinary on the plan (a slab edge 1000 cm from a small column, an
// opening's shadow cut 10 m out, or much farther when its ray is nearly vertical); cut to a
// margin around the canvas, neither the rasteriser nor an SVG reader sees huge coordinates.

// Cuts the segment a–b to r; false when nothing of it lies inside.
bool ritaglia_segmento(QPointF& a, QPointF& b, const QRectF& r);

// The part of the polygon inside r (Sutherland–Hodgman); empty when none.
QPolygonF ritaglia_poligono(const QPolygonF& poligono, const QRectF& r);

} // namespace tessaro
