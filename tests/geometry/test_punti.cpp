// The point list of the outer perimeter: stretches, arcs, gaps, and its bounds.
#include "support/finestra_prova.h"

#include "geometry/poligono.h"
#include "geometry/punti.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {
double lunghezza(const DatiCalcolo& g, int da, int a) {
    double L = 0;
    for (int i = da; i <= a; ++i)
        L += g.punti_perim[i][0];
    return L;
}
} // namespace

TEST(Punti, StraightStretch) {
    FinestraProva w;
    const DatiCalcolo& g = w.f->dati;
    std::int16_t n = 0;
    crea_punti_su_segm(*w.f, 3, 4, 3, 4, 10, n); // length 0: its start and one empty piece
    ASSERT_EQ(n, 2);
    EXPECT_EQ(g.punti_perim[1], (Riga{0, 3, 4}));
    EXPECT_EQ(g.punti_perim[2], (Riga{0, 3, 4}));
    // 10 cm in pieces of about 10·π/62: nearest(19.7 + 1) = 21 pieces.
    crea_punti_su_segm(*w.f, 0, 0, 6, -8, 10, n);
    ASSERT_EQ(n, 2 + 1 + 21);
    EXPECT_EQ(g.punti_perim[3], (Riga{0, 0, 0}));
    EXPECT_NEAR(lunghezza(g, 3, n), 10, 1e-12);
    EXPECT_NEAR(g.punti_perim[n][1], 6, 1e-12);
    EXPECT_NEAR(g.punti_perim[n][2], -8, 1e-12);
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

TEST(Punti, ListEndsAtItsLastRowWithoutWritingBeyond) {
    FinestraProva w;
    std::int16_t n = 995;
    EXPECT_THROW(crea_punti_su_segm(*w.f, 0, 0, 100, 0, 10, n), Fault);
    EXPECT_EQ(n, 1001);
    std::int16_t vuota = 0;
    EXPECT_THROW(calcola_valori_da_punti(*w.f, vuota), Fault);
    std::int16_t m = 0;
    EXPECT_THROW(crea_punti_su_segm(*w.f, 0, 0, 1, 0, 0, m), Fault); // no piece size
}

} // namespace tessaro
