// Eccentricity factor: the four position cases of each part of β and their blend.
#include "geometry/beta.h"

#include "form/campi.h"
#include "geometry/moduli.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"

#include <cmath>
#include <exception>

namespace tessaro {
namespace {

// Distance of a slab edge that plays no part, cm.
constexpr double LONTANO = 10000;

// Control perimeters with the slab edges at the column faces (corner, edge on the a side, edge
// on the b side) and without edges, and the reduced perimeters u* of the first three, cm.
struct Perimetri {
    double uK, uA, uB, uI;
    double uK_rid, uA_rid, uB_rid;
};

Perimetri perimetri_rettangolo(const DatiCalcolo& g) {
    const double a = g.a, b = g.b, d = g.deff;
    return {a + b + PI * d,
            2 * a + b + 2 * PI * d,
            2 * b + a + 2 * PI * d,
            2 * (a + b) + 4 * PI * d,
            PI * d + minimo(a / 2, 1.5 * d) + minimo(b / 2, 1.5 * d),
            b + 2 * (PI * d + minimo(a / 2, 1.5 * d)),
            a + 2 * (PI * d + minimo(b / 2, 1.5 * d))};
}

Perimetri perimetri_cerchio(const DatiCalcolo& g) {
    const double D = g.a;
    const double uI = PI * (4 * g.deff + D);
    return {uI / 4 + D, uI / 2 + D, uI / 2 + D, uI, uI / 4, uI / 2, uI / 2};
}

// The increment of a case without moment: u/u* − 1.
double rapporto(double u, double u_rid) {
    return fdiv(u, u_rid) - 1;
}

// The increment of a moment M (kg·m) moved to the perimeter centroid at the coordinate g (cm):
// |k·|M·100 − Nd·g|/Nd·u/W|, with Nd (kg) as field 1 shows it now.
double termine_momento(const CalcoTess& f, double k, double M, double g, double u, double W) {
    const double Nd = campo(f, Dato::Nd);
    return std::fabs(fdiv(fdiv(k * std::fabs(M * 100 - Nd * g), Nd) * u, W));
}

// The increment of the resultant moment of a circular interior column: |0.6·Mr·100/Nd·uI/W|.
double termine_risultante(const CalcoTess& f, double uI, double W) {
    const DatiCalcolo& g = f.dati;
    const double Mr = fsqrt(g.Mxd * g.Mxd + g.Myd * g.Myd);
    const double Nd = campo(f, Dato::Nd);
    return std::fabs(fdiv(fdiv(0.6 * Mr * 100, Nd) * uI, W));
}

// The share of the resultant's increment that goes to betay, 2^(−|Mxd/Myd|): all of it when
// Mxd is 0, none when Myd is 0; betax takes the rest.
double quota_y(const DatiCalcolo& g) {
    const double q = g.Myd == 0 ? 1000000 : std::fabs(fdiv(g.Mxd, g.Myd));
    return std::exp(-q * std::log(2.0));
}

// B0 corner, B1 edge on the a side, B2 edge on the b side, B3 interior.
double miscela(const DatiCalcolo& g, double B0, double B1, double B2, double B3) {
    const double ra = g.rid_a, rb = g.rid_b;
    return B0 * (1 - ra) * (1 - rb) + B1 * (1 - ra) * rb + B2 * ra * (1 - rb) + B3 * ra * rb;
}

// The values that the cases change for a while. They are put back on every way out; when a
// fault ends the routine, everything the cases write is put back, so that nothing of a case
// survives: the edge distances, sides and moments, the moduli, the centroid and the chain's
// results (calcola_W), β. The chains Xpol, Ypol, Lpol are not kept: every perimeter writes its
// chain before reading it.
class StatoProvvisorio {
  public:
    explicit StatoProvvisorio(CalcoTess& f)
        : f_(f), prima_(copia(f.dati)), Option2_(f.Option2),
          eccezioni_(std::uncaught_exceptions()) {}
    StatoProvvisorio(const StatoProvvisorio&) = delete;
    StatoProvvisorio& operator=(const StatoProvvisorio&) = delete;
    ~StatoProvvisorio() {
        const bool guasto = std::uncaught_exceptions() > eccezioni_;
        const auto cambiati = valori(f_.dati);
        for (std::size_t i = 0; i < cambiati.size(); ++i)
            if (guasto || i < RIPRISTINATI) *cambiati[i] = prima_[i];
        f_.Option2 = Option2_;
    }

  private:
    // The first RIPRISTINATI are put back on every way out, the others after a fault only.
    static constexpr std::size_t RIPRISTINATI = 6;
    static std::array<double*, 19> valori(DatiCalcolo& g) {
        return {&g.Db_a,   &g.Db_b,     &g.a,        &g.b,     &g.Mxd,  &g.Myd,        &g.W1x,
                &g.W1y,    &g.W1x_foro, &g.W1y_foro, &g.xG,    &g.yG,   &g.passo_arco, &g.perim_pol,
                &g.Wx_pol, &g.Wy_pol,   &g.area_pol, &g.betax, &g.betay};
    }
    static std::array<double, 19> copia(DatiCalcolo& g) {
        std::array<double, 19> v{};
        const auto p = valori(g);
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = *p[i];
        return v;
    }

    CalcoTess& f_;
    const std::array<double, 19> prima_;
    const std::array<bool, 3> Option2_;
    const int eccezioni_;
};

// Sets the slab-edge distances (cm) and the position, and computes the moduli there.
void caso(CalcoTess& f, double Db_a, double Db_b, int posizione) {
    f.dati.Db_a = Db_a;
    f.dati.Db_b = Db_b;
    f.imposta_Option2(posizione, true);
    calcola_W(f);
}

void calcola_betax(CalcoTess& f, bool circolare) {
    StatoProvvisorio provvisorio(f);
    DatiCalcolo& g = f.dati;
    const Perimetri p = circolare ? perimetri_cerchio(g) : perimetri_rettangolo(g);
    const auto k_bordo = [&] { return circolare ? Kab(0.5) : Kab(fdiv(g.a, 2 * g.b)); };
    const double B0 = rapporto(p.uK, p.uK_rid);
    // Edge on the b side, seen as an edge on the a side of the column turned by a right angle.
    scambia(g.a, g.b);
    scambia(g.Mxd, g.Myd);
    caso(f, 0, LONTANO, 1);
    const double B2 = termine_momento(f, k_bordo(), g.Mxd, g.yG, p.uB, g.W1x);
    scambia(g.a, g.b);
    scambia(g.Mxd, g.Myd);
    calcola_W(f);
    const double B1 = termine_momento(f, k_bordo(), g.Mxd, g.yG, p.uA, g.W1x);
    caso(f, LONTANO, LONTANO, 0);
    const double B3 = circolare ? termine_risultante(f, p.uI, g.W1x) * (1 - quota_y(g))
                                : termine_momento(f, Kab(fdiv(g.b, g.a)), g.Mxd, g.yG, p.uI, g.W1x);
    g.betax = miscela(g, B0, B1, B2, B3);
}

void calcola_betay(CalcoTess& f, bool circolare) {
    {
        StatoProvvisorio provvisorio(f);
        DatiCalcolo& g = f.dati;
        const Perimetri p = circolare ? perimetri_cerchio(g) : perimetri_rettangolo(g);
        const double B0 = rapporto(p.uK, p.uK_rid);
        const double B1 = rapporto(p.uA, p.uA_rid);
        const double B2 = rapporto(p.uB, p.uB_rid);
        caso(f, LONTANO, LONTANO, 0);
        const double B3 = circolare
                              ? termine_risultante(f, p.uI, g.W1y) * quota_y(g)
                              : termine_momento(f, Kab(fdiv(g.a, g.b)), g.Myd, g.xG, p.uI, g.W1y);
        g.betay = miscela(g, B0, B1, B2, B3);
    }
    calcola_W(f); // the moduli and the centroid of the actual column again
}

} // namespace

double Kab(double r) {
    if (r <= 0.5) return 0.45;
    if (r <= 1) return 0.45 + 0.3 * (r - 0.5);
    if (r <= 2) return 0.6 + 0.1 * (r - 1);
    if (r <= 3) return 0.7 + 0.1 * (r - 2);
    return 0.8;
}

void calcola_beta1(CalcoTess& f) {
    calcola_betax(f, false);
}
void calcola_beta2(CalcoTess& f) {
    calcola_betay(f, false);
}
void calcola_beta1_circ(CalcoTess& f) {
    calcola_betax(f, true);
}
void calcola_beta2_circ(CalcoTess& f) {
    calcola_betay(f, true);
}

} // namespace tessaro
