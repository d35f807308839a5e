// Discretized control perimeters: the chain of short pieces round a rectangular or circular
// column, with its length, centroid, moduli and enclosed slab area.
#pragma once

#include "form/DatiCalcolo.h"
#include "numeric/aritmetica.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace tessaro {

class CalcoTess;

// Angle of one arc piece, rad: 31 pieces make a quarter turn.
inline constexpr double TETA = PI / 62;

// Pieces of a straight run S cm long cut into pieces about passo cm long: the nearest integer
// to S/passo + 1, at most 50. A passo of 0 is a fault.
std::int16_t pezzi(double S, double passo);

// One point of a chain: the length assigned to the piece that ends there, then x and y (cm).
using Riga = std::array<double, 3>;

// perim_pol, xG, yG, Wx_pol, Wy_pol and area_pol of the chain of points riga(0) ... riga(n):
// trapezoid sums over the pieces 1..n, the area measured from the horizontal line through
// point 0. An empty chain (n = 0), or n past the `punti` points that riga can give, is a fault.
// riga is called in the innermost sums: a plain read, no check.
template <class Righe>
void valuta_catena(DatiCalcolo& g, int n, std::size_t punti, const Righe& riga) {
    if (n < 0 || static_cast<std::size_t>(n) >= punti) throw Fault("indice oltre i limiti");
    double perimetro = 0, sx = 0, sy = 0;
    for (int i = 1; i <= n; ++i) {
        const Riga p = riga(i - 1), q = riga(i);
        perimetro += q[0];
        sx += q[0] * (p[1] + q[1]) / 2;
        sy += q[0] * (p[2] + q[2]) / 2;
    }
    g.perim_pol = checked(perimetro);
    g.xG = fdiv(sx, perimetro);
    g.yG = fdiv(sy, perimetro);
    const double y0 = riga(0)[2];
    double Wx = 0, Wy = 0, area = 0;
    for (int i = 1; i <= n; ++i) {
        const Riga p = riga(i - 1), q = riga(i);
        Wx += q[0] * (std::fabs(p[1] - g.xG) + std::fabs(q[1] - g.xG)) / 2;
        Wy += q[0] * (std::fabs(p[2] - g.yG) + std::fabs(q[2] - g.yG)) / 2;
        area += ((p[2] + q[2]) / 2 - y0) * (p[1] - q[1]);
    }
    g.Wx_pol = checked(Wx);
    g.Wy_pol = checked(Wy);
    g.area_pol = checked(area);
}

// The perimeter at the distance r (cm) from the faces of the rectangular column a × b, for the
// position set in Option2 (interior ring, edge ring open at x = −(a/2 + Db_a), corner quarter
// bounded by both slab edges), in Xpol, Ypol, Lpol, with its results.
void crea_polig(CalcoTess& f, double r);

// The same for the circular column of diameter a, with R (cm) the radius of the perimeter from
// the column centre; every point of the chain is also marked on Pic with the current colour
// and width, the only picture of a circular column's perimeter.
void crea_polig_circ(CalcoTess& f, double R);

} // namespace tessaro
