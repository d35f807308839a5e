// The documented plan: the plan of the current case to scale on white, the column, S1, S and
// the rail length dimensioned, the free slab edges hatched, the opening and its shadow, the
// control perimeter u1 and the outer perimeter in their colours, rails and studs; with its
// legend and scale bar. The report, the plan PDF and the plan window all draw it here.
#pragma once

#include "form/grandezze.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace tessaro {

class CalcoTess;

// Extent of the documented plan in plan coordinates: cm, origin at the column centre, x along
// a, y up (dimensions and labels included).
QRectF estensione_pianta(const CalcoTess& f);

// Draws the documented plan (no background fill: the caller fills white). cm_a_dispositivo
// maps plan cm to the painter's device coordinates (it carries the zoom, the pan and the y
// flip); texts and line widths keep a fixed device size (in points of the device, given by
// punti_per_mm: device units per mm). The free edges, their hatching and an opening's shadow,
// which run to the plan's extent, are cut to `ritaglio` (device) when it is not empty: by
// hand, since an SVG writer drops a painter's clip.
void disegna_pianta_quotata(QPainter& p, const CalcoTess& f, const QTransform& cm_a_dispositivo,
                            double punti_per_mm, const QRectF& ritaglio = {});

// The legend (colour and name of each perimeter/element) with its top-left corner at `dove`
// in device coordinates, the dimensions' unit that of the system; returns its size.
QSizeF disegna_legenda(QPainter& p, QPointF dove, double punti_per_mm,
                       Sistema sistema = Sistema::tecnico);

// Scale bar with its left end at `dove` (device coordinates): a round length of plan cm (1, 2
// or 5 times a power of ten) that is 25 to 60 mm long on the device, in four bands.
void disegna_scala_grafica(QPainter& p, QPointF dove, const QTransform& cm_a_dispositivo,
                           double punti_per_mm, Sistema sistema = Sistema::tecnico);

} // namespace tessaro
