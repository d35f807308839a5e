// Eccentricity factor β = 1 + betax + betay of the punching shear (EN 1992-1-1, 6.4.3): each
// part a blend of the corner, edge and interior cases by the edge weights rid_a, rid_b, so that
// β changes continuously as a slab edge comes closer.
#pragma once

namespace tessaro {

class CalcoTess;

// Side-ratio factor k of EN 1992-1-1 Table 6.1, linear between its points, constant beyond.
double Kab(double r);

// betax from Mxd and betay from Myd, for a rectangular column (calcola_beta1, calcola_beta2)
// and a circular one (the _circ pair), the routine for betax first. Each evaluates its cases
// by changing Db_a, Db_b, a, b, Mxd, Myd and the position for a while and puts them back
// however it ends; a fault leaves the record and the position buttons as they were before the
// call. After the routine for betay, W1x, W1y, xG and yG describe the actual column again.
void calcola_beta1(CalcoTess& f);
void calcola_beta2(CalcoTess& f);
void calcola_beta1_circ(CalcoTess& f);
void calcola_beta2_circ(CalcoTess& f);

} // namespace tessaro
