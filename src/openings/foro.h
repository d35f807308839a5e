// An opening in the slab near the column: where its shadow cuts the control perimeter and how
// much of the perimeter is lost.
#pragma once

#include "verification/DatiCalcolo.h"

namespace tessaro {

class CalcoTess;

// The point where the ray from the column centre at the angle alfa (rad) meets the control
// perimeter of a rectangular column (the rounded rectangle at 2·d from the faces), on the side
// x > 0.
Punto interseca_perim(CalcoTess& f, double alfa);

} // namespace tessaro
