// The opening panel and the perimeter cut off by the opening's shadow.
#include "openings/foro.h"

#include "form/campi.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"

#include <cmath>

namespace tessaro {
namespace {

double distanza(const Punto& p, const Punto& q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// The ray at alfa meets the corner arc about (a/2, s·b/2) of radius d2 where it leaves the
// circle: the larger root of |t·(cos, sin) − C| = d2.
Punto su_arco_angolo(const DatiCalcolo& g, double alfa, double s) {
    const double d2 = 2 * g.deff;
    const double cx = g.a / 2, cy = s * g.b / 2;
    const double ux = std::cos(alfa), uy = std::sin(alfa);
    const double p = ux * cx + uy * cy;
    const double disc = p * p - (cx * cx + cy * cy - d2 * d2);
    const double t = p + std::sqrt(disc > 0 ? disc : 0);
    return {t * ux, t * uy};
}

// Polar angles of the opening's tangent rays, in (−π, π].
void raggi_tangenti(DatiCalcolo& g, double t5) {
    const auto in_semipiano = [](double angolo) { return angolo > PI ? angolo - 2 * PI : angolo; };
    g.alfa1 = angolo_polare(g.foro_P3.x, g.foro_P3.y);
    if (g.foro_larg / 2 > t5) g.alfa1 = angolo_polare(g.foro_P1.x, g.foro_P1.y);
    g.alfa1 = in_semipiano(g.alfa1);
    g.alfa2 = angolo_polare(g.foro_P4.x, g.foro_P4.y);
    if (g.foro_larg / 2 < std::fabs(t5) && t5 < 0)
        g.alfa2 = angolo_polare(g.foro_P2.x, g.foro_P2.y);
    g.alfa2 = in_semipiano(g.alfa2);
}

// Length of control perimeter in the shadow of a rectangular column: the chord points on one
// straight side, or on one arc through the three crossing points.
double perso_rettangolare(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    g.foro_I1 = interseca_perim(f, g.alfa1);
    g.foro_I2 = interseca_perim(f, g.alfa2);
    const Punto Im = interseca_perim(f, (g.alfa1 + g.alfa2) / 2);
    const Retta r1 = retta_per_due_punti(g.foro_I1.x, g.foro_I1.y, Im.x, Im.y);
    const Retta r2 = retta_per_due_punti(g.foro_I2.x, g.foro_I2.y, Im.x, Im.y);
    if (std::fabs(r1.B - r2.B) + std::fabs(r1.A - r2.A) <= 0.00001) {
        g.raggio_arco = (g.b + g.a + g.deff) * 100;
        return distanza(g.foro_I1, Im) + distanza(Im, g.foro_I2);
    }
    const Punto M1{(g.foro_I1.x + Im.x) / 2, (g.foro_I1.y + Im.y) / 2};
    const Punto M2{(g.foro_I2.x + Im.x) / 2, (g.foro_I2.y + Im.y) / 2};
    Punto c;
    intersezione_rette({-r1.B, r1.A, r1.B * M1.x - r1.A * M1.y},
                       {-r2.B, r2.A, r2.B * M2.x - r2.A * M2.y}, c.x, c.y);
    g.raggio_arco = distanza(g.foro_I2, c);
    const double h = distanza(g.foro_I1, g.foro_I2) / 2;
    return 2 * g.raggio_arco * arcsin(fdiv(h, g.raggio_arco));
}

// Any other shape: the shadow measured on the circle of radius 2·d + a/2.
double perso_circolare(DatiCalcolo& g) {
    g.raggio_arco = 2 * g.deff + g.a / 2;
    g.foro_I1 = {g.raggio_arco * std::cos(g.alfa1), g.raggio_arco * std::sin(g.alfa1)};
    g.foro_I2 = {g.raggio_arco * std::cos(g.alfa2), g.raggio_arco * std::sin(g.alfa2)};
    return (g.alfa2 - g.alfa1) * g.raggio_arco;
}

} // namespace

Punto interseca_perim(CalcoTess& f, double alfa) {
    const DatiCalcolo& g = f.dati;
    const double d2 = 2 * g.deff;
    const double s = alfa > 0 ? 1 : alfa < 0 ? -1 : 0;
    const double T = std::tan(alfa);
    if (std::fabs(alfa) <= angolo_polare(g.a / 2 + d2, g.b / 2)) { // the right side
        const double x = g.a / 2 + d2;
        return {x, T * x};
    }
    if (std::fabs(alfa) >= angolo_polare(g.a / 2, g.b / 2 + d2)) { // the top or bottom side
        const double y = s * (g.b / 2 + d2);
        return {fdiv(y, T), y};
    }
    // The corner arc, replaced by the parabola through three of its points on the half that
    // the ray meets.
    const double r2 = std::sqrt(2.0) * g.deff;
    const bool inferiore = angolo_polare(g.a / 2 + r2, g.b / 2 + r2) >= std::fabs(alfa);
    const double q = PI / 4, o = PI / 8, t = 9.424777962 / 8;
    double X[4] = {0, g.a / 2 + d2 * std::cos(q), 0, 0};
    double Y[4] = {0, s * (g.b / 2 + d2 * std::sin(q)), 0, 0};
    if (inferiore) {
        X[2] = g.a / 2 + d2 * std::cos(o);
        Y[2] = s * (g.b / 2 + d2 * std::sin(o));
        X[3] = g.a / 2 + d2;
        Y[3] = s * (g.b / 2);
    } else {
        X[2] = g.a / 2 + d2 * std::cos(t);
        Y[2] = s * (g.b / 2 + d2 * std::sin(t));
        X[3] = g.a / 2;
        Y[3] = s * (g.b / 2 + d2);
    }
    double c0 = 0, c1 = 0, c2 = 0;
    if (!regressione_polinomiale(3, Y, X, 3, c0, c1, c2, [&f] { return f.casuale(); }))
        f.piattaforma.messaggio("determinante nullo!", f.Caption, Icona::nessuna);
    // Where the fitted parabola gives no crossing (a negative root or a flat fit), the ray is
    // intersected with the corner circle itself, so that the routine never fails.
    const double u = T - c1;
    const double radicando = u * u - 4 * c0 * c2;
    if (radicando < 0 || c2 == 0) return su_arco_angolo(g, alfa, s);
    const double x = (u - s * std::sqrt(radicando)) / (2 * c2);
    if (!std::isfinite(x)) return su_arco_angolo(g, alfa, s);
    return {x, T * x};
}

bool conferma_foro(CalcoTess& f) {
    for (const Campo* c : {&f.Text2, &f.Text3, &f.Text4, &f.Text5})
        if (!is_numeric(c->Text)) return false;
    DatiCalcolo& g = f.dati;
    const double t4 = strict(f.Text4.Text), t5 = strict(f.Text5.Text);
    if (6 * g.deff < std::sqrt(t4 * t4 + t5 * t5)) { // too far to matter
        g.uc_foro = 0;
        scrivi(f, Dato::Rid_foro, 0);
        return true;
    }
    g.foro_prof = strict(f.Text3.Text);
    g.foro_larg = strict(f.Text2.Text);
    if (g.foro_prof > g.foro_larg) g.foro_larg = fsqrt(g.foro_larg * g.foro_prof);
    const double x_vicino = t4 + g.a / 2, y_basso = t5 - g.foro_larg / 2;
    const double x_lontano = x_vicino + g.foro_prof, y_alto = t5 + g.foro_larg / 2;
    g.foro_P1 = {x_vicino, y_basso};
    g.foro_P3 = {x_lontano, y_basso};
    g.foro_P2 = {x_lontano, y_alto};
    g.foro_P4 = {x_vicino, y_alto};
    raggi_tangenti(g, t5);
    const double L = f.Option1[0] ? perso_rettangolare(f) : perso_circolare(g);
    g.uc_foro = R(L, 1);
    scrivi(f, Dato::Rid_foro, g.uc_foro);
    return true;
}

} // namespace tessaro
