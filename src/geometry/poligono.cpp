// Discretized control perimeters and the sums over a chain of points.
#include "geometry/poligono.h"

#include "form/CalcoTess.h"

#include <cmath>
#include <cstring>

namespace tessaro {
namespace {

// The directions of the 31 chords of a quarter turn, the same for every perimeter: cos and sin
// of the middle angle (j − 0.5)·TETA of chord j (1 to 31), and sin(TETA/2).
struct Direzioni {
    std::array<double, 32> cos{}, sin{};
    double sin_meta = 0;
};

const Direzioni& direzioni() {
    static const Direzioni d = [] {
        Direzioni t;
        for (int j = 1; j <= 31; ++j) {
            const double psi = (j - 0.5) * TETA;
            t.cos[static_cast<std::size_t>(j)] = std::cos(psi);
            t.sin[static_cast<std::size_t>(j)] = std::sin(psi);
        }
        t.sin_meta = std::sin(TETA / 2);
        return t;
    }();
    return d;
}

// The chain being built in Xpol, Ypol, Lpol; point N is its last.
class Catena {
  public:
    explicit Catena(DatiCalcolo& g) : g_(g) { g_.Lpol[0] = 0; }

    int N = 0;

    void inizio(double x, double y) {
        g_.Xpol[0] = x;
        g_.Ypol[0] = y;
    }

    // A straight run S cm long along the unit direction (ux, uy), in pieces of equal length.
    void tratto(double S, double ux, double uy) {
        const std::int16_t n = pezzi(S, g_.passo_arco);
        for (int j = 1; j <= n; ++j) {
            const double l = S / n;
            pezzo(l * ux, l * uy, l);
        }
    }

    // A quarter turn of radius r in 31 chords whose assigned length is the arc's. It starts
    // heading along +x, or along +y when `da_verticale`.
    void quarto(double r, bool da_verticale) {
        const Direzioni& d = direzioni();
        const double c = 2 * r * d.sin_meta;
        for (std::size_t j = 1; j <= 31; ++j) {
            if (da_verticale)
                pezzo(-d.sin[j] * c, d.cos[j] * c, g_.passo_arco);
            else
                pezzo(d.cos[j] * c, d.sin[j] * c, g_.passo_arco);
        }
    }

    // Point N lies on the axis: the chain goes on with its own points reflected, in reverse
    // order, about the x axis (y becomes −y) or the y axis (x becomes −x).
    void specchia(bool asse_x) {
        const int K = N;
        for (int i = 1; i <= K; ++i) {
            g_.Xpol[K + i] = asse_x ? g_.Xpol[K - i] : -g_.Xpol[K - i];
            g_.Ypol[K + i] = asse_x ? -g_.Ypol[K - i] : g_.Ypol[K - i];
            g_.Lpol[K + i] = g_.Lpol[K - i + 1];
        }
        N = 2 * K;
    }

  private:
    void pezzo(double dx, double dy, double L) {
        ++N;
        g_.Xpol[N] = g_.Xpol[N - 1] + dx;
        g_.Ypol[N] = g_.Ypol[N - 1] + dy;
        g_.Lpol[N] = L;
    }

    DatiCalcolo& g_;
};

void valuta_poligono(DatiCalcolo& g, int N) {
    valuta_catena(g, N, g.Lpol.size(), [&g](int i) {
        const auto k = static_cast<std::size_t>(i);
        return Riga{g.Lpol.v[k], g.Xpol.v[k], g.Ypol.v[k]};
    });
}

} // namespace

std::int16_t pezzi(double S, double passo) {
    const std::int16_t n = nearest(fdiv(S, passo) + 1);
    return n > 50 ? std::int16_t{50} : n;
}

namespace {

// What a rectangular perimeter depends on, and what it leaves in the record beside its scratch
// chain (which nobody reads after valuta_catena).
std::array<double, 7> ingressi_polig(const CalcoTess& f, double r) {
    const DatiCalcolo& g = f.dati;
    return {g.a, g.b, r, g.Db_a, g.Db_b, g.dcrit, static_cast<double>(f.posizione())};
}
std::array<double*, 7> risultati_polig(DatiCalcolo& g) {
    return {&g.passo_arco, &g.perim_pol, &g.xG, &g.yG, &g.Wx_pol, &g.Wy_pol, &g.area_pol};
}

// The perimeter traced point by point.
void traccia_polig(CalcoTess& f, double r) {
    DatiCalcolo& g = f.dati;
    const double a = g.a, b = g.b;
    g.passo_arco = r * TETA;
    Catena c(g);
    if (f.Option2[0]) { // a quarter from the bottom axis to the right axis, mirrored twice
        c.inizio(0, -(b / 2 + r));
        c.tratto(a / 2, 1, 0);
        c.quarto(r, false);
        c.tratto(b / 2, 0, 1);
        c.specchia(true);
        c.specchia(false);
    } else if (f.Option2[1]) { // the lower half from the slab edge, mirrored
        c.inizio(-(a / 2 + g.Db_a), -(b / 2 + r));
        c.tratto(g.Db_a + a, 1, 0);
        c.quarto(r, false);
        c.tratto(b / 2, 0, 1);
        c.specchia(true);
    } else if (f.Option2[2]) { // from the lower slab edge up, round the corner, to the left one
        c.inizio(a / 2 + g.dcrit, -(b / 2 + g.Db_b));
        c.tratto(b + g.Db_b, 0, 1);
        c.quarto(r, true);
        c.tratto(g.Db_a + a, -1, 0);
    }
    valuta_poligono(g, c.N);
}

} // namespace

void crea_polig(CalcoTess& f, double r) {
    DatiCalcolo& g = f.dati;
    // A perimeter already traced in this pass, for inputs equal to the last bit, gives its
    // results again.
    const std::array<double, 7> ingressi = ingressi_polig(f, r);
    for (int i = 0; i < g.n_tracciati; ++i) {
        const DatiCalcolo::Tracciato& t = g.tracciati[static_cast<std::size_t>(i)];
        if (std::memcmp(t.ingressi.data(), ingressi.data(), sizeof ingressi) != 0) continue;
        const auto risultati = risultati_polig(g);
        for (std::size_t k = 0; k < risultati.size(); ++k)
            *risultati[k] = t.risultati[k];
        return;
    }
    traccia_polig(f, r);
    if (g.n_tracciati < static_cast<int>(g.tracciati.size())) {
        DatiCalcolo::Tracciato& t = g.tracciati[static_cast<std::size_t>(g.n_tracciati++)];
        t.ingressi = ingressi;
        const auto risultati = risultati_polig(g);
        for (std::size_t k = 0; k < risultati.size(); ++k)
            t.risultati[k] = *risultati[k];
    }
}

void crea_polig_circ(CalcoTess& f, double R) {
    DatiCalcolo& g = f.dati;
    const double a = g.a;
    g.passo_arco = R * TETA;
    Catena c(g);
    if (f.Option2[0]) {
        c.inizio(0, -R);
        c.quarto(R, false);
        c.specchia(true);
        c.specchia(false);
    } else if (f.Option2[1]) {
        c.inizio(-(a / 2 + g.Db_a), -R);
        c.tratto(a / 2 + g.Db_a, 1, 0);
        c.quarto(R, false);
        c.specchia(true);
    } else if (f.Option2[2]) {
        c.inizio(a / 2 + g.dcrit, -(a / 2 + g.Db_b));
        c.tratto(a / 2 + g.Db_b, 0, 1);
        c.quarto(R, true);
        c.tratto(a / 2 + g.Db_a, -1, 0);
    }
    valuta_poligono(g, c.N);
    for (int i = 1; i <= c.N; ++i)
        f.Pic.PSet(g.Xpol[i], g.Ypol[i]);
}

} // namespace tessaro
