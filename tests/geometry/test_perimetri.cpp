// The choice of the column position at its ties and the capped circular face perimeter.
#include "support/finestra_prova.h"

#include "geometry/perimetri.h"

#include <gtest/gtest.h>

namespace tessaro {

TEST(Perimetri, TieBetweenEdgeAndInteriorIsInteriorWithWeightOne) {
    prova::FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    constexpr double d = 37;
    // uA = uI when Db_a = b/2 + π·d; the weight of the edge position is then 1 as well.
    g.Db_a = 30 + PI * d;
    g.Db_b = 1000;
    g.deff = d;
    ASSERT_EQ(2 * 40 + 60 + 2 * g.Db_a + 2 * PI * d, 2 * 100 + 4 * PI * d);
    calcola_u0(*w.f);
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_EQ(g.rid_a, 1);
    EXPECT_NEAR(g.Db_a / (30 + PI * d), 1, 1e-15);
}

TEST(Perimetri, CircularCornerFacePerimeterNeverExceedsTheCircumference) {
    prova::FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.f->Text1[38].Text = "60";
    w.digita(24, "60");
    EXPECT_EQ(w.f->posizione(), 2);
    EXPECT_NEAR(w.f->dati.u0, PI * 40, 1e-9);
}

} // namespace tessaro
