// Stud layers. Plan coordinates: origin at the column centre, x along a, y along b (cm). The
// stud list gives each stud by the pair its position requires: (y, x) for an interior column,
// (x, y) at an edge, (y, −x) at a corner.
#include "reinforcement/layer.h"

#include "drawing/unchiodo.h"
#include "files/chiodi.h"
#include "form/CalcoTess.h"
#include "numeric/aritmetica.h"

#include <cmath>

namespace tessaro {
namespace {

// Position of rail i (1 … n_rett) over a face of length L, the first and last at its ends.
double t(const CalcoTess& f, int i, double L) { return fdiv((i - 1) * L, f.dati.n_rett - 1) - L / 2; }

// Studs at the distance r from the faces on the straight rails of a rectangular column.
void rotaie_dritte(CalcoTess& f, double r) {
    const double A = f.dati.a, B = f.dati.b;
    for (int i = 1; i <= f.dati.n_rett; ++i) {
        const double tb = t(f, i, B), ta = t(f, i, A);
        switch (f.posizione()) {
        case 0:
            riga_chiodo(f, tb, A / 2 + r);
            riga_chiodo(f, tb, -(A / 2 + r));
            riga_chiodo(f, B / 2 + r, ta);
            riga_chiodo(f, -(B / 2 + r), ta);
            punto_chiodo(f, ta, B / 2 + r);
            punto_chiodo(f, ta, -(B / 2 + r));
            punto_chiodo(f, A / 2 + r, tb);
            punto_chiodo(f, -(A / 2 + r), tb);
            break;
        case 1:
            riga_chiodo(f, ta, B / 2 + r);
            riga_chiodo(f, ta, -(B / 2 + r));
            riga_chiodo(f, A / 2 + r, tb);
            punto_chiodo(f, ta, B / 2 + r);
            punto_chiodo(f, ta, -(B / 2 + r));
            punto_chiodo(f, A / 2 + r, tb);
            break;
        case 2:
            riga_chiodo(f, tb, -(A / 2 + r));
            riga_chiodo(f, B / 2 + r, -ta);
            punto_chiodo(f, A / 2 + r, tb);
            punto_chiodo(f, ta, B / 2 + r);
            break;
        default:
            break;
        }
    }
}

// First-layer studs on the diagonal rails of the fans round the outer column corners.
void rotaie_diagonali(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double A = g.a, B = g.b, S1 = g.S1;
    g.ang0 = g.dang;
    for (int k = 1; k <= nearest(g.N_diag); ++k) {
        const double th = g.ang0;
        switch (f.posizione()) {
        case 0: {
            const double x = A / 2 + S1 * std::sin(th), y = B / 2 + S1 * std::cos(th);
            riga_chiodo(f, y, x);
            riga_chiodo(f, -y, x);
            riga_chiodo(f, -y, -x);
            riga_chiodo(f, y, -x);
            punto_chiodo(f, x, y);
            punto_chiodo(f, x, -y);
            punto_chiodo(f, -x, -y);
            punto_chiodo(f, -x, y);
            break;
        }
        case 1: {
            const double x = A / 2 + S1 * std::cos(th), y = B / 2 + S1 * std::sin(th);
            riga_chiodo(f, x, -y);
            riga_chiodo(f, x, y);
            punto_chiodo(f, x, -y);
            punto_chiodo(f, x, y);
            break;
        }
        case 2: {
            const double x = A / 2 + S1 * std::sin(th), y = B / 2 + S1 * std::cos(th);
            riga_chiodo(f, y, -x);
            punto_chiodo(f, x, y);
            break;
        }
        default:
            break;
        }
        g.ang0 += g.dang;
    }
}

// First-layer studs of a circular column on its radial rails.
void rotaie_radiali(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double R = g.a / 2 + g.S1;
    const int posizione = f.posizione();
    double passo = 0;
    switch (posizione) {
    case 0:
        g.ang0 = 0;
        passo = fdiv(6.283185308, g.n_rett);
        break;
    case 1:
        g.ang0 = -3.141592654 / 2;
        passo = fdiv(3.141592654, g.n_rett - 1);
        break;
    case 2:
        g.ang0 = 0;
        passo = fdiv(3.141592654, g.n_rett - 1) / 2;
        break;
    default:
        return;
    }
    for (int i = 1; i <= g.n_rett; ++i) {
        const double x = R * std::cos(g.ang0), y = R * std::sin(g.ang0);
        riga_chiodo(f, x, posizione == 2 ? -y : y);
        punto_chiodo(f, x, y);
        g.ang0 += passo;
    }
}

} // namespace

void primolayer(CalcoTess& f) {
    f.Pic.DrawWidth = 3;
    if (f.Option1[1]) {
        rotaie_radiali(f);
    } else if (f.Option1[0]) {
        rotaie_dritte(f, f.dati.S1);
        rotaie_diagonali(f);
    }
    f.Pic.DrawStyle = 2;
}

void ennesimolayer(CalcoTess& f) {
    f.Pic.DrawWidth = 3;
    if (!f.Option1[0]) return;
    rotaie_dritte(f, f.dati.r_layer);
}

} // namespace tessaro
