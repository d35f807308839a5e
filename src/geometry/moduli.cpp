// Section moduli of the control perimeter: straight pieces integrated exactly, quarter arcs by
// Gauss–Legendre, the circular perimeter from its discretized chain.
#include "geometry/moduli.h"

#include "form/CalcoTess.h"
#include "geometry/perimetri.h"
#include "geometry/poligono.h"
#include "numeric/modulo1.h"

#include <cmath>

namespace tessaro {
namespace {

double lunghezza(double x1, double y1, double x2, double y2) {
    return fsqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// A quarter of the interior perimeter of the column a × b at the distance r, integrated about
// the x axis: the side run up from the axis, the run along the top face, the corner arc. With
// a and b exchanged it is the quarter about the y axis.
double quarto_interno(double a, double b, double r) {
    return Wd_line(a / 2 + r, 0, a / 2 + r, b / 2, 0, b / 2) +
           Wd_line(a / 2, b / 2 + r, 0, b / 2 + r, b / 2 + r, b / 2 + r) +
           Wd_arco(r, 0, 0, r, r, b / 2, b / 2 + r);
}

// Edge column, slab edge on the −x side: the perimeter is symmetric about y = 0; its centroid
// abscissa is the first moment over u1.
void moduli_bordo(DatiCalcolo& g, double r, double Qx, double Qy) {
    const double a = g.a, b = g.b, A = a / 2 + g.Db_a;
    g.W1x = 2 * (Qx + A * (b / 2 + r)) - g.W1x_foro;
    g.xG = fdiv(2 * (Qy - A * A / 2), g.u1);
    const double xG = g.xG;
    g.W1y = 2 * (Wd_line(-A, -(b / 2 + r), a / 2, -(b / 2 + r), xG + A, xG - a / 2) +
                 Wd_arco(r, 0, 0, r, r, a / 2 - xG, a / 2 + r - xG) +
                 Wd_line(a / 2 + r, 0, a / 2 + r, b / 2, a / 2 + r - xG, a / 2 + r - xG)) -
            g.W1y_foro;
}

// Corner column, slab edges on the −x and −y sides: the side run from the lower edge, the
// corner arc, the top run to the left edge, each about the centroid lines.
void moduli_angolo(DatiCalcolo& g, double r, double Qx, double Qy) {
    const double a = g.a, b = g.b, A = a / 2 + g.Db_a, B = b / 2 + g.Db_b;
    g.yG = fdiv(Qx + (b / 2 + r) * A - B * B / 2, g.u1);
    const double yG = g.yG;
    g.W1x = -g.W1x_foro + Wd_line(a / 2 + r, -B, a / 2 + r, b / 2, yG + B, yG - b / 2) +
            Wd_arco(r, 0, 0, r, r, b / 2 - yG, b / 2 + r - yG) +
            Wd_line(-A, b / 2 + r, a / 2, b / 2 + r, b / 2 + r - yG, b / 2 + r - yG);
    g.xG = fdiv(Qy + (a / 2 + r) * B - A * A / 2, g.u1);
    const double xG = g.xG;
    g.W1y = -g.W1y_foro + Wd_line(-A, b / 2 + r, a / 2, b / 2 + r, xG + A, xG - a / 2) +
            Wd_arco(r, 0, 0, r, r, a / 2 - xG, a / 2 + r - xG) +
            Wd_line(a / 2 + r, -B, a / 2 + r, b / 2, a / 2 + r - xG, a / 2 + r - xG);
}

void moduli_rettangolo(CalcoTess& f, double r) {
    DatiCalcolo& g = f.dati;
    const double Qx = quarto_interno(g.a, g.b, r);
    const double Qy = quarto_interno(g.b, g.a, r);
    if (f.Option2[0]) {
        g.W1x = 4 * Qx - g.W1x_foro;
        g.W1y = 4 * Qy - g.W1y_foro;
        crea_polig(f, r);
    } else if (f.Option2[1]) {
        moduli_bordo(g, r, Qx, Qy);
        crea_polig(f, r); // its centroid replaces the one computed above
    } else if (f.Option2[2]) {
        moduli_angolo(g, r, Qx, Qy);
    }
}

} // namespace

double Wd_line(double x1, double y1, double x2, double y2, double e1, double e2) {
    const double L = lunghezza(x1, y1, x2, y2);
    if (e1 * e2 >= 0) return std::fabs(e1 + e2) * L / 2;
    const double t = std::fabs(e1) / std::fabs(e2 - e1) * L; // from the first end to the axis
    return std::fabs(e1) * t / 2 + std::fabs(e2) * (L - t) / 2;
}

double Wd_arco(double x1, double y1, double x2, double y2, double R, double e1, double e2) {
    const double fi = 2 * arcsin(fdiv(lunghezza(x1, y1, x2, y2), 2 * R)); // the arc's angle
    const double psi = arcsin(fdiv(y1, R));
    const auto e = [&](double s) { return e1 + fdiv((e2 - e1) * std::sin(psi + s), std::sin(fi)); };
    const double s1 = (fi / 2) * 1.774596669241483, s2 = fi / 2,
                 s3 = (fi / 2) * 0.22540333075851704;
    return (fi * R / 18) * (5 * std::fabs(e(s1)) + 8 * std::fabs(e(s2)) + 5 * std::fabs(e(s3)));
}

void calcola_W(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double r = g.dcrit;
    g.W1x = g.W1y = g.W1x_foro = g.W1y_foro = 0;
    if (foro_vicino(f)) { // the opening's chord, with distances from the column axes
        const Punto &I1 = g.foro_I1, &I2 = g.foro_I2;
        g.W1x_foro = Wd_line(I2.x, I2.y, I1.x, I1.y, I2.y, I1.y);
        g.W1y_foro = Wd_line(I2.x, I2.y, I1.x, I1.y, I2.x, I1.x);
    }
    if (f.Option1[1]) {
        crea_polig_circ(f, g.a / 2 + r);
        g.W1x = g.Wy_pol - g.W1x_foro;
        g.W1y = g.Wx_pol - g.W1y_foro;
    } else if (f.Option1[0]) {
        moduli_rettangolo(f, r);
    }
}

} // namespace tessaro
