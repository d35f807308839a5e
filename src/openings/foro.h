// An opening in the slab near the column: where its shadow cuts the control perimeter and how
// much of the perimeter is lost.
#pragma once

#include "form/DatiCalcolo.h"

namespace tessaro {

class CalcoTess;

// The point where the ray from the column centre at the angle alfa (rad) meets the control
// perimeter of a rectangular column (the rounded rectangle at 2·d from the faces), on the side
// x > 0.
Punto interseca_perim(CalcoTess& f, double alfa);

// The opening of the panel's four fields confirmed with "OK": stored with its corners, tangent
// rays and the control perimeter it cuts off ("Rid. foro"), or uc_foro 0 when it lies 6·d or
// more from the column axis. False, with nothing stored, when a field is not a number; true
// when the recalculation is to follow.
bool conferma_foro(CalcoTess& f);

} // namespace tessaro
