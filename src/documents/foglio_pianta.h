// The plan sheet: the documented plan to a stated scale under its heading, with its legend,
// scale bar and title block (project, element, designer, date, scale, verdict). It is the last
// page of the report, the plan PDF, and the PNG and SVG pictures of the plan window.
#pragma once

#include "documents/relazione_pdf.h"

#include <QPainter>
#include <QRectF>

namespace tessaro {

class CalcoTess;

// Paints the sheet of the case into `area` (device units, punti_per_mm of them to the mm): on a
// sheet wider than high the legend and the title block stand on the right of the plan, else
// below it. Returns the scale's denominator.
int disegna_foglio_pianta(QPainter& p, const CalcoTess& f, const Intestazione& intestazione,
                          const QRectF& area, double punti_per_mm);

// The denominator of the first scale of 1:20, 1:25, 1:50, 1:100, 1:200, ... at which the
// documented plan fits a frame of the given size, mm, with 25 mm on each side for its
// dimensions.
int scala_pianta(const CalcoTess& f, double larghezza_mm, double altezza_mm);

// The scale of the plan on the sheet of the given size, mm, as disegna_foglio_pianta takes it.
int scala_foglio(const CalcoTess& f, double larghezza_mm, double altezza_mm);

} // namespace tessaro
