// The plan drawing of the column, the slab edges and the control perimeter.
#pragma once

namespace tessaro {

class CalcoTess;

// Redraws the plan on Pic and recomputes the section moduli of the control perimeter at
// dcrit = 2·deff. Nothing happens while fields 5, 6, 7 do not give a positive product; during
// the start-up only dcrit is set.
void disegna(CalcoTess& f);

} // namespace tessaro
