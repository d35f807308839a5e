// Discretized perimeters: piece counts, the circle marked on the plan, faults; the point list of
// the outer perimeter: arcs, gaps, and its bounds. The control chains of the rectangle feed the
// moduli and centroids that the position and beta scripts dump.
#include "support/finestra_prova.h"

#include "geometry/poligono.h"
#include "geometry/punti.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::colonna;
using prova::FinestraProva;

namespace {
// The length of the pieces da..a of the point list.
double lunghezza(const DatiCalcolo& g, int da, int a) {
    double L = 0;
    for (int i = da; i <= a; ++i) L += g.punti_perim[i][0];
    return L;
}
} // namespace

TEST(Poligono, PiecesOfAStraightRun) {
    struct Caso {
        double S, passo;
        int pezzi;
    };
    // nearest(S/passo + 1) with halves to even, at least 1 for S = 0, at most 50.
    for (const Caso c : {Caso{0, 1, 1}, {0.4, 1, 1}, {1.5, 1, 2}, {2.5, 1, 4}, {49.4, 1, 50},
                         {1000, 1, 50}, {30, 74 * TETA, 9}})
        EXPECT_EQ(pezzi(c.S, c.passo), c.pezzi) << c.S << " " << c.passo;
    EXPECT_THROW(pezzi(10, 0), Fault);
    EXPECT_THROW(pezzi(40000, 1), Fault); // beyond a 16-bit count
}

TEST(Poligono, CircleIsMarkedPointByPointOnThePlan) {
    FinestraProva w;
    colonna(*w.f, 40, 40, 1000, 1000, 37, 0);
    w.f->Pic.Cls();
    w.f->Pic.ForeColor = 9;
    w.f->Pic.DrawWidth = 3;
    crea_polig_circ(*w.f, 94);
    // One run of dots with the pen set.
    const auto& e = w.f->Pic.elementi();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].tipo, Elemento::Tipo::punti);
    EXPECT_EQ(std::pair(e[0].colore, e[0].larghezza), std::pair(9, 3));
    ASSERT_EQ(e[0].fine - e[0].primo, 124u);
    for (const Punto& p : w.f->Pic.punti())
        EXPECT_NEAR(std::hypot(p.x, p.y), 94, 1e-9); // every vertex on the circle
}

TEST(Punti, ArcLengthDoesNotDependOnItsPieceCount) {
    FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    g.dang = PI / 2; // the arc turns dang/2, an eighth of a turn
    for (const double corda : {0.0, 3.0, 7.65, 500.0}) {
        std::int16_t n = 0;
        crea_punti_su_arco(*w.f, 10, 0, 10 - corda, 0, 0, 10, n, 10);
        EXPECT_EQ(n, 1 + pezzi(corda, 10 * TETA));
        EXPECT_NEAR(lunghezza(g, 1, n), 7.853981635, 1e-12) << corda;
        // Heading up from (10, 0), counter-clockwise round the origin.
        EXPECT_NEAR(g.punti_perim[n][1], 10 * std::cos(PI / 4), 1e-9);
        EXPECT_NEAR(g.punti_perim[n][2], 10 * std::sin(PI / 4), 1e-9);
        EXPECT_NEAR(g.passo_arco * (n - 1), 7.853981635, 1e-12);
    }
}

TEST(Punti, GapCountsInTheAreaButNotInTheLength) {
    FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    g.punti_perim[0] = {0, 0, 0};
    std::int16_t n = 0;
    crea_punti_su_segm(*w.f, 0, 0, 10, 0, 5, n);
    crea_punti_su_segm(*w.f, 12, 10, 0, 10, 5, n); // (10, 0) to (12, 10) left open
    calcola_valori_da_punti(*w.f, n);
    EXPECT_NEAR(g.perim_pol, 22, 1e-12);
    EXPECT_NEAR(g.area_pol, 110, 1e-12); // the trapezoid closed by the gap
    EXPECT_NEAR(g.yG, 12 * 10 / 22.0, 1e-12);
}

TEST(Poligono, FaultsInsteadOfEmptyChainsOrWritesBeyondTheList) {
    FinestraProva w;
    colonna(*w.f, 40, 60, 1000, 1000, 37, 0);
    w.f->Option2 = {false, false, false};
    EXPECT_THROW(crea_polig(*w.f, 74), Fault); // an empty chain has no centroid
    w.f->imposta_Option2(0, true);
    EXPECT_THROW(crea_polig(*w.f, 0), Fault);
    EXPECT_THROW(crea_polig_circ(*w.f, 0), Fault);
    std::int16_t n = 995, vuota = 0, m = 0;
    EXPECT_THROW(crea_punti_su_segm(*w.f, 0, 0, 100, 0, 10, n), Fault);
    EXPECT_EQ(n, 1001); // the list ends at its last row
    EXPECT_THROW(calcola_valori_da_punti(*w.f, vuota), Fault);
    EXPECT_THROW(crea_punti_su_segm(*w.f, 0, 0, 1, 0, 0, m), Fault); // no piece size
}

} // namespace tessaro

namespace tessaro {

// A perimeter already traced in the pass comes back to the last bit, and one whose inputs
// differ in any of them (even by one unit in the last place) is traced anew.
TEST(Poligono, APerimeterTracedAgainInThePassIsTheSame) {
    const auto risultati = [](const DatiCalcolo& g) {
        return std::array{g.passo_arco, g.perim_pol, g.xG, g.yG, g.Wx_pol, g.Wy_pol, g.area_pol};
    };
    for (int posizione = 0; posizione < 3; ++posizione) {
        FinestraProva fresca, usata;
        colonna(*fresca.f, 40, 60, 15, 25, 37, posizione);
        crea_polig(*fresca.f, 74);
        colonna(*usata.f, 40, 60, 15, 25, 37, posizione);
        usata.f->dati.n_tracciati = 0;
        for (const double r : {74.0, std::nextafter(74.0, 75.0), 74.0}) crea_polig(*usata.f, r);
        EXPECT_EQ(usata.f->dati.n_tracciati, 2);
        EXPECT_EQ(risultati(usata.f->dati), risultati(fresca.f->dati)) << posizione;
        usata.f->dati.b = std::nextafter(60.0, 61.0);
        crea_polig(*usata.f, 74);
        EXPECT_EQ(usata.f->dati.n_tracciati, 3) << posizione;
    }
}

} // namespace tessaro
