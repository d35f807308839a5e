// Discretized control perimeters: the chain of short pieces round a rectangular or circular
// column, with its length, centroid, moduli and enclosed slab area.
#pragma once

#include "numeric/aritmetica.h"

#include <array>
#include <cstdint>
#include <functional>

namespace tessaro {

class CalcoTess;
struct DatiCalcolo;

// Angle of one arc piece, rad: 31 pieces make a quarter turn.
inline constexpr double TETA = PI / 62;

// Pieces of a straight run S cm long cut into pieces about passo cm long: the nearest integer
// to S/passo + 1, at most 50. A passo of 0 is a fault.
std::int16_t pezzi(double S, double passo);

// One point of a chain: the length assigned to the piece that ends there, then x and y (cm).
using Riga = std::array<double, 3>;

// perim_pol, xG, yG, Wx_pol, Wy_pol and area_pol of the chain of points riga(0) ... riga(n):
// trapezoid sums over the pieces 1..n, the area measured from the horizontal line through
// point 0. An empty chain (n = 0) is a fault.
void valuta_catena(DatiCalcolo& g, int n, const std::function<Riga(int)>& riga);

// The perimeter at the distance r (cm) from the faces of the rectangular column a × b, for the
// position set in Option2 (interior ring, edge ring open at x = −(a/2 + Db_a), corner quarter
// bounded by both slab edges), in Xpol, Ypol, Lpol, with its results.
void crea_polig(CalcoTess& f, double r);

// The same for the circular column of diameter a, with R (cm) the radius of the perimeter from
// the column centre; every point of the chain is also marked on Pic with the current colour
// and width, the only picture of a circular column's perimeter.
void crea_polig_circ(CalcoTess& f, double R);

} // namespace tessaro
