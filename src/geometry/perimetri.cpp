// Control perimeters and the automatic choice of the column position.
#include "geometry/perimetri.h"

#include "form/campi.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

enum class Caso { angolo, bordo_a, bordo_b, interno };

// The four tests of the position choice, all with strict comparisons. At an exact tie between
// two perimeters none of them fires; the shortest perimeter is then taken, preferring the
// interior, then the edge on the a side, the edge on the b side and the corner. At such a tie
// the edge weight of the shorter-edged position is exactly 1, so β stays continuous.
Caso scegli(double uK, double uA, double uB, double uI) {
    if (uK < uA && uK < uB && uK < uI) return Caso::angolo;
    if (uK < uB && uK > uA && uA < uI) return Caso::bordo_a;
    if (uK > uB && uK < uA && uB < uI) return Caso::bordo_b;
    if (uK > uI && uA > uI && uB > uI) return Caso::interno;
    const double m = std::min({uK, uA, uB, uI});
    if (uI == m) return Caso::interno;
    if (uA == m) return Caso::bordo_a;
    if (uB == m) return Caso::bordo_b;
    return Caso::angolo;
}

void didascalie(CalcoTess& f, bool ruotate) {
    auto& L = f.Label1;
    L[36].Caption = ruotate ? "Myc (kgm)" : "Mxc (kgm)";
    L[27].Caption = ruotate ? "Mxc (kgm)" : "Myc (kgm)";
    L[2].Caption = ruotate ? "Myd (kgm)" : "Mxd (kgm)";
    L[3].Caption = ruotate ? "Mxd (kgm)" : "Myd (kgm)";
    L[18].Caption = ruotate ? "W1y" : "W1x";
    L[17].Caption = ruotate ? "W1x" : "W1y";
    L[16].Caption = ruotate ? "y" : "x";
    L[28].Caption = ruotate ? "x" : "y";
    L[6].Caption = ruotate ? "b (cm)" : "a (cm)";
    L[7].Caption = ruotate ? "a (cm)" : "b (cm)";
    L[8].Caption = ruotate ? "roy (%)" : "rox (%)";
    L[9].Caption = ruotate ? "rox (%)" : "roy (%)";
    L[41].Caption = ruotate ? "Db_b" : "Db_a";
    L[45].Caption = ruotate ? "Db_a" : "Db_b";
    f.Label10.Caption = ruotate ? "Y" : "X";
    f.Label8.Caption = ruotate ? "X" : "Y";
    f.Label9.Caption = ruotate ? "â" : "á";
    f.Label6.Caption = "à";
}

// The edge lies on the b side: from here on the rest of the system sees it on the a side.
void ruota_assi(CalcoTess& f, double& uA, double& uB) {
    didascalie(f, true);
    scambia(f.dati.a, f.dati.b);
    scambia(f.dati.Db_a, f.dati.Db_b);
    scambia(uA, uB);
}

void rettangolare(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double d = g.deff;
    const double uI = 2 * (g.a + g.b) + 4 * PI * d;
    double uA = 2 * g.a + g.b + 2 * g.Db_a + 2 * PI * d;
    double uB = 2 * g.b + g.a + 2 * g.Db_b + 2 * PI * d;
    const double uK = g.a + g.b + g.Db_a + g.Db_b + PI * d;
    switch (scegli(uK, uA, uB, uI)) {
    case Caso::angolo: {
        const double a = g.a, b = g.b, Da = g.Db_a, Db = g.Db_b;
        f.imposta_Option2(2, true);
        g.u0 = minimo(a + b, 3 * d);
        g.u1 = uK;
        g.Aq = (Da + a + 2 * d) * (Db + b + 2 * d) + (PI - 4) * d * d;
        g.rid_b = fdiv(Db, a + b - Da + 3 * PI * d);
        g.rid_a = fdiv(Da, a + b - Db + 3 * PI * d);
        return;
    }
    case Caso::bordo_b:
        ruota_assi(f, uA, uB);
        [[fallthrough]];
    case Caso::bordo_a: {
        const double a = g.a, b = g.b, Da = g.Db_a;
        f.imposta_Option2(1, true);
        g.u0 = b + minimo(2 * a, 3 * d);
        g.u1 = uA;
        g.Aq = a * b + (4 * d + b) * Da + 2 * d * (2 * a + b + PI * d);
        g.rid_a = fdiv(Da, b / 2 + PI * d);
        g.rid_b = 1;
        return;
    }
    case Caso::interno:
        f.imposta_Option2(0, true);
        g.u0 = 2 * (g.a + g.b);
        g.u1 = uI;
        g.Aq = g.a * g.b + 4 * d * (g.a + g.b + PI * d);
        g.rid_a = g.rid_b = 1;
        return;
    }
}

// The column-face perimeter of a circular column at a slab edge counts the slab-edge distances
// as well; it can never exceed the column's own circumference π·D, or Vrd,max would be
// credited to concrete that is not at the column face.
double faccia_circolare(double u0, double D) {
    return minimo(u0, PI * D);
}

void circolare(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double d = g.deff;
    const double D = g.a;
    const double uI = PI * (4 * d + D);
    double uA = uI / 2 + D + 2 * g.Db_a;
    double uB = uI / 2 + D + 2 * g.Db_b;
    const double uK = uI / 4 + D + g.Db_a + g.Db_b;
    const Caso caso = scegli(uK, uA, uB, uI);
    switch (caso) {
    case Caso::angolo: {
        const double Da = g.Db_a, Db = g.Db_b;
        f.imposta_Option2(2, true);
        g.u0 = faccia_circolare(PI * D / 4 + D + Da + Db, D);
        g.u1 = uK;
        g.Aq =
            (Da + D + 2 * d) * (Db + D + 2 * d) + (D / 2 + 2 * d) * (D / 2 + 2 * d) * (PI / 4 - 1);
        g.rid_b = fdiv(Db, 0.75 * PI * (4 * d + D) - D - Da);
        g.rid_a = fdiv(Da, 0.75 * PI * (4 * d + D) - D - Db);
        break;
    }
    case Caso::bordo_a:
    case Caso::bordo_b: {
        const bool ruotato = caso == Caso::bordo_b;
        if (ruotato) ruota_assi(f, uA, uB);
        const double Da = g.Db_a;
        f.imposta_Option2(1, true);
        g.u0 = faccia_circolare(PI * D / 2 + D + 2 * Da, D);
        g.u1 = uA;
        g.Aq = (D / 2 + Da) * (4 * d + D) + PI * (2 * d + D / 2) * (2 * d + D / 2) / 2;
        const double peso = fdiv(Da, 0.25 * PI * (4 * d + D) - D / 2);
        // The weight belongs to the side where the edge was entered.
        g.rid_a = ruotato ? 1 : peso;
        g.rid_b = ruotato ? peso : 1;
        break;
    }
    case Caso::interno:
        f.imposta_Option2(0, true);
        g.u0 = PI * D;
        g.u1 = uI;
        g.Aq = PI * (D / 2 + 2 * d) * (D / 2 + 2 * d);
        g.rid_a = g.rid_b = 1;
        break;
    }
    if (f.Option2[0]) g.u0 = (PI * D / 2) * (1 + (ku0(f, g.Db_a) + ku0(f, g.Db_b)) / 2);
}

} // namespace

double ku0(const CalcoTess& f, double dist) {
    const double d = f.dati.deff;
    if (dist >= 6 * d) return 1;
    return std::sin(fdiv(PI * dist, 12 * d));
}

bool foro_vicino(const CalcoTess& f) {
    const double p = lenient(f.Text5.Text), q = lenient(f.Text4.Text);
    return 6 * f.dati.deff > std::sqrt(p * p + q * q);
}

double taglio_foro(const CalcoTess& f) {
    return foro_vicino(f) ? f.dati.uc_foro : 0;
}

void calcola_u0(CalcoTess& f) {
    didascalie(f, false);
    if (f.Option1[0])
        rettangolare(f);
    else if (f.Option1[1])
        circolare(f);
    f.dati.u1 -= taglio_foro(f);
    scrivi(f, Dato::Aq, R(f.dati.Aq, 3));
    scrivi(f, Dato::u1, R(f.dati.u1, 3));
    scrivi(f, Dato::u0, R(f.dati.u0, 3));
    f.Label5.Caption = "";
}

} // namespace tessaro
