// The point list punti_perim of the outer perimeter, built stretch by stretch by the rail
// design, and its length, centroid, moduli and enclosed area.
#pragma once

#include <cstdint>

namespace tessaro {

class CalcoTess;

// Appends the straight stretch (x1, y1)–(x2, y2) at row n + 1 on: its start with length 0, then
// pieces about r·π/62 long (at most 50); n is left on the last row. r (cm) must be positive.
void crea_punti_su_segm(CalcoTess& f, double x1, double y1, double x2, double y2, double r,
                        std::int16_t& n);

// Appends the counter-clockwise arc of radius rho (cm) and angle dang/2 that starts at
// (x1, y1) heading at fi0 + 90° (rad): its start with length 0, then as many chords as the
// straight stretch to (x2, y2) would have pieces, each assigned the arc length of its step.
void crea_punti_su_arco(CalcoTess& f, double x1, double y1, double x2, double y2, double fi0,
                        double r, std::int16_t& n, double rho);

// perim_pol, xG, yG, Wx_pol, Wy_pol and area_pol of the rows 0..n (n at least 1).
void calcola_valori_da_punti(CalcoTess& f, std::int16_t n);

} // namespace tessaro
