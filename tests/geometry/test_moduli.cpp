// Section moduli of the control perimeter: the integration primitives, the closed form of the
// interior rectangle, the opening. The circle and the edge and corner cases are dumped by the
// beta scripts.
#include "support/finestra_prova.h"

#include "geometry/moduli.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::colonna;
using prova::FinestraProva;

TEST(Moduli, SegmentAndArcIntegrals) {
    struct Caso {
        double x1, y1, x2, y2, e1, e2, W;
    };
    // Ends on opposite sides: 1·1/2 + 3·3/2 wherever the segment of length 4 lies; a zero end
    // is no crossing: one trapezoid.
    for (const Caso c : {Caso{0, 0, 4, 0, -1, 3, 5}, {7, -2, 7, 2, -1, 3, 5},
                         {1, 1, 1 + 2.4, 1 - 3.2, 3, -1, 5}, {0, 0, 4, 0, 0, 3, 6},
                         {0, 0, 4, 0, -2, 0, 4}, {0, 0, 0, 3, -2, -4, 9}})
        EXPECT_DOUBLE_EQ(Wd_line(c.x1, c.y1, c.x2, c.y2, c.e1, c.e2), c.W) << c.e1 << " " << c.e2;
    // ∫ sin over a quarter turn is 1; the three-point rule gives 1.0000081. A constant
    // distance is integrated exactly: c times the arc length.
    EXPECT_NEAR(Wd_arco(1, 0, 0, 1, 1, 0, 1), 1.0000081, 5e-8);
    EXPECT_NEAR(Wd_arco(74, 0, 0, 74, 74, 30, 30), 30 * 74 * 2 * std::atan(1.0), 1e-9);
    EXPECT_THROW(Wd_arco(0, 0, 0, 0, 0, 1, 2), Fault);
}

TEST(Moduli, InteriorRectanglesMatchTheClosedForm) {
    struct Caso {
        double a, b, d;
    };
    for (const Caso c : {Caso{40, 60, 37}, {80, 25, 15}}) {
        FinestraProva w;
        colonna(*w.f, c.a, c.b, 1000, 1000, c.d, 0);
        calcola_W(*w.f);
        const DatiCalcolo& g = w.f->dati;
        const auto forma_chiusa = [&](double a, double b) {
            return b * b / 2 + a * b + 4 * a * c.d + 16 * c.d * c.d + 2 * PI * c.d * b;
        };
        EXPECT_NEAR(g.W1x / forma_chiusa(c.a, c.b), 1, 1e-5) << c.a << " × " << c.b;
        EXPECT_NEAR(g.W1y / forma_chiusa(c.b, c.a), 1, 1e-5) << c.a << " × " << c.b;
        EXPECT_NEAR(g.xG, 0, 1e-9);
        EXPECT_NEAR(g.yG, 0, 1e-9);
    }
}

TEST(Moduli, OpeningChordIsTakenOffOnlyWhenNearerThanSixD) {
    FinestraProva w;
    colonna(*w.f, 40, 60, 1000, 1000, 37, 0);
    DatiCalcolo& g = w.f->dati;
    g.foro_I1 = {94, -20};
    g.foro_I2 = {94, 25};
    w.f->Text5.Text = "0";
    w.f->Text4.Text = "222"; // exactly 6·d from the column axis: ignored
    calcola_W(*w.f);
    EXPECT_EQ(g.W1y_foro, 0);
    w.f->Text4.Text = "221.9x"; // an unconfirmed panel entry is read leniently
    calcola_W(*w.f);
    EXPECT_DOUBLE_EQ(g.W1x_foro, 20 * 20 / 2.0 + 25 * 25 / 2.0); // crosses the x axis
    EXPECT_DOUBLE_EQ(g.W1y_foro, 94 * 45);
    w.f->imposta_Option1(3, true); // shapes without a perimeter get the chord alone
    calcola_W(*w.f);
    EXPECT_EQ(g.W1x, 0);
    EXPECT_DOUBLE_EQ(g.W1y_foro, 94 * 45);
}

} // namespace tessaro
