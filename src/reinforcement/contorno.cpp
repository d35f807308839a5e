// The outer control perimeter. Plan coordinates: origin at the column centre, x along a, y
// along b (cm); angles counter-clockwise from +x (rad).
#include "reinforcement/contorno.h"

#include "drawing/unchiodo.h"
#include "form/CalcoTess.h"
#include "geometry/punti.h"
#include "numeric/aritmetica.h"

#include <cmath>
#include <cstdint>

namespace tessaro {
namespace {

// State of one tracing: the points so far, where the list stopped (P3) and the outermost
// studs of the previous and of the current rail.
struct Traccia {
    CalcoTess& f;
    double h;         // 1.5·d, cm
    double Dmax;      // largest gap bridged between adjacent studs, cm
    double r_rif;     // reference radius of the piece sizes, cm
    std::int16_t n = 0;
    Punto P3, precedente, corrente;

    void segmento(const Punto& da, const Punto& a) {
        crea_punti_su_segm(f, da.x, da.y, a.x, a.y, r_rif, n);
    }
    void arco(const Punto& da, const Punto& a, double fi0) {
        crea_punti_su_arco(f, da.x, da.y, a.x, a.y, fi0, r_rif, n, h);
    }
    // The list starts at p with a piece of length 0: p is also the reference of the area.
    void inizio(const Punto& p) {
        f.dati.punti_perim[0] = {0, p.x, p.y};
        n = 0;
    }
    void aggiungi(double L, double x, double y) {
        ++n;
        f.dati.punti_perim[n] = {L, x, y};
    }

    // One pair of adjacent rails: the arc round the previous stud, the chord to the current
    // one (bridged up to Dmax, a wider gap left out), the arc round the current stud.
    void ventaglio() {
        DatiCalcolo& g = f.dati;
        disegna_unchiodo(f, precedente.x, precedente.y);
        f.Pic.DrawWidth = 1;
        const Punto A = P3;
        const double tm = g.ang0 + g.dang / 2;
        const Punto P1{precedente.x + h * std::cos(tm), precedente.y + h * std::sin(tm)};
        const Punto P2{corrente.x + h * std::cos(tm), corrente.y + h * std::sin(tm)};
        P3 = {corrente.x + h * std::cos(g.ang0 + g.dang), corrente.y + h * std::sin(g.ang0 + g.dang)};
        const double dist = std::hypot(P2.x - P1.x, P2.y - P1.y);
        Punto Q1{(P1.x + P2.x) / 2, (P1.y + P2.y) / 2}, Q2 = Q1;
        if (dist > Dmax) {
            const double k = 0.5 * Dmax / dist;
            Q1 = {P1.x + k * (P2.x - P1.x), P1.y + k * (P2.y - P1.y)};
            Q2 = {P2.x + k * (P1.x - P2.x), P2.y + k * (P1.y - P2.y)};
        }
        arco(A, P1, g.ang0);
        segmento(P1, Q1);
        segmento(Q2, P2);
        arco(P2, P3, tm);
        g.ang0 += g.dang;
    }
};

// Studs of one fan at the angle ang0 + dang: on the corner circle of a rectangular column, on
// the ellipse through the rail ends of a circular one.
Punto stud_rettangolare(const DatiCalcolo& g, double th) {
    return {g.a / 2 + g.r_layer * std::cos(th), g.b / 2 + g.r_layer * std::sin(th)};
}
Punto stud_circolare(const DatiCalcolo& g, double th) {
    return {(g.a / 2 + g.r_layer) * std::cos(th), (g.b / 2 + g.r_layer) * std::sin(th)};
}

int traccia_circolare(Traccia& t) {
    DatiCalcolo& g = t.f.dati;
    const double R_out = 1.5 * g.deff + g.r_layer;
    const double bordo_x = -(g.a / 2 + g.Db_a);
    const auto passi = [&](int quanti) {
        for (int i = 0; i < quanti; ++i) {
            t.precedente = t.corrente;
            t.corrente = stud_circolare(g, g.ang0 + g.dang);
            t.ventaglio();
        }
    };
    // From the slab edge where the perimeter starts, along the fan of the rails, to the edge
    // x = −(a/2 + Db_a): the last rail's stud has no next rail to draw it.
    const auto tra_i_bordi = [&](const Punto& bordo) {
        t.inizio(bordo);
        t.segmento(bordo, t.P3);
        passi(g.n_rett - 1);
        disegna_unchiodo(t.f, t.corrente.x, t.corrente.y);
        t.segmento(t.P3, {bordo_x, t.P3.y});
    };
    switch (t.f.posizione()) {
    case 0:
        g.ang0 = 0;
        t.P3 = {g.a / 2 + R_out, 0};
        t.corrente = {g.a / 2 + g.r_layer, 0};
        t.inizio(t.P3);
        passi(g.n_rett);
        break;
    case 1:
        g.dang = fdiv(PI, g.n_rett - 1);
        g.ang0 = -PI / 2;
        t.P3 = {0, -(g.a / 2 + R_out)};
        t.corrente = {0, -(g.a / 2 + g.r_layer)};
        tra_i_bordi({bordo_x, -(g.a / 2 + R_out)});
        break;
    case 2:
        g.dang = fdiv(PI, g.n_rett - 1) / 2;
        g.ang0 = 0;
        t.P3 = {g.a / 2 + R_out, 0};
        t.corrente = {g.a / 2 + g.r_layer, 0};
        tra_i_bordi({g.a / 2 + R_out, -(g.a / 2 + g.Db_b)});
        break;
    default:
        break;
    }
    return t.n;
}

int traccia_rettangolare(Traccia& t) {
    DatiCalcolo& g = t.f.dati;
    const double R_out = 1.5 * g.deff + g.r_layer;
    const int posizione = t.f.posizione();
    g.ang0 = 0;
    t.P3 = {g.a / 2 + R_out, g.b / 2};
    t.corrente = {g.a / 2 + g.r_layer, g.b / 2};
    const Punto inizio{g.a / 2 + R_out, posizione == 2 ? -(g.b / 2 + g.Db_b) : 0};
    t.inizio(inizio);
    t.segmento(inizio, t.P3);
    for (int i = 0; i < g.n_diag1; ++i) {
        t.precedente = t.corrente;
        t.corrente = stud_rettangolare(g, g.ang0 + g.dang);
        t.ventaglio();
    }
    Vettore<std::array<double, 3>, 1001>& p = g.punti_perim;
    if (posizione == 0) {
        t.segmento(t.P3, {0, t.P3.y});
        // Mirrored about the y axis, then the whole about the x axis; every appended point
        // carries the length of the piece that followed its source.
        for (int asse = 0; asse < 2; ++asse) {
            const int m = t.n;
            for (int i = m - 1; i >= 0; --i)
                t.aggiungi(p[i + 1][0], asse == 0 ? -p[i][1] : p[i][1], asse == 0 ? p[i][2] : -p[i][2]);
        }
    } else {
        t.segmento(t.P3, {-(g.a / 2 + g.Db_a), t.P3.y});
        if (posizione == 1) {
            // The stretch along the slab edge is not counted.
            const int m = t.n;
            t.aggiungi(0, p[m][1], -p[m][2]);
            for (int i = m - 1; i >= 1; --i) t.aggiungi(p[i + 1][0], p[i][1], -p[i][2]);
        }
    }
    return t.n;
}

} // namespace

int traccia_contorno(CalcoTess& f, double Dmax) {
    DatiCalcolo& g = f.dati;
    const double R_out = 1.5 * g.deff + g.r_layer;
    const bool circolare = f.Option1[1];
    Traccia t{f, 1.5 * g.deff, Dmax, circolare ? g.a / 2 + R_out : R_out, 0, {}, {}, {}};
    return circolare ? traccia_circolare(t) : traccia_rettangolare(t);
}

} // namespace tessaro
