// The point list of the outer perimeter.
#include "geometry/punti.h"

#include "form/CalcoTess.h"
#include "geometry/poligono.h"

#include <cmath>

namespace tessaro {
namespace {

// Starts a stretch with its first point (x1, y1) at length 0 and returns the number of its
// pieces: the distance L (cm) to (x2, y2) cut in pieces about r·π/62 long.
std::int16_t apri_tratto(DatiCalcolo& g, double x1, double y1, double x2, double y2, double r,
                         std::int16_t& n, double& L) {
    g.passo_arco = TETA * r;
    L = fsqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    ++n;
    g.punti_perim[n] = {0, x1, y1};
    return pezzi(L, g.passo_arco);
}

} // namespace

void crea_punti_su_segm(CalcoTess& f, double x1, double y1, double x2, double y2, double r,
                        std::int16_t& n) {
    DatiCalcolo& g = f.dati;
    double L = 0;
    const std::int16_t m = apri_tratto(g, x1, y1, x2, y2, r, n, L);
    for (int j = 1; j <= m; ++j) {
        const Riga p = g.punti_perim[n];
        ++n;
        g.punti_perim[n] = {L / m, p[1] + (x2 - x1) / m, p[2] + (y2 - y1) / m};
    }
}

void crea_punti_su_arco(CalcoTess& f, double x1, double y1, double x2, double y2, double fi0,
                        double r, std::int16_t& n, double rho) {
    DatiCalcolo& g = f.dati;
    double c0 = 0;
    const std::int16_t m = apri_tratto(g, x1, y1, x2, y2, r, n, c0);
    const double delta = fdiv(g.dang / 2, m); // rad
    g.passo_arco = delta * rho;
    const double c = 2 * rho * std::sin(delta / 2);
    for (int j = 1; j <= m; ++j) {
        const double psi = (j - 0.5) * delta + fi0;
        const Riga p = g.punti_perim[n];
        ++n;
        g.punti_perim[n] = {g.passo_arco, p[1] - std::sin(psi) * c, p[2] + std::cos(psi) * c};
    }
}

void calcola_valori_da_punti(CalcoTess& f, std::int16_t n) {
    DatiCalcolo& g = f.dati;
    valuta_catena(g, n, g.punti_perim.size(),
                  [&g](int i) { return g.punti_perim.v[static_cast<std::size_t>(i)]; });
}

} // namespace tessaro
