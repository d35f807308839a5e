// An opening near the column: tangent rays, crossing points, the perimeter lost.
#include "support/finestra_prova.h"

#include "numeric/modulo1.h"
#include "openings/foro.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {
// The 40 × 60 column with d = 37 and the panel filled in; "OK" pressed.
void foro(FinestraProva& w, const char* larghezza, const char* profondita, const char* distanza,
          const char* y) {
    w.f->Text2.Text = larghezza;
    w.f->Text3.Text = profondita;
    w.f->Text4.Text = distanza;
    w.f->Text5.Text = y;
    w.f->Command1_Click(4);
    w.f->Command2_Click(0);
}
} // namespace

TEST(Foro, OnTheAxisInFrontOfTheRightFace) {
    FinestraProva w;
    foro(w, "30", "20", "50", "0");
    const DatiCalcolo& g = w.f->dati;
    EXPECT_NEAR(g.alfa2, 0.211093, 1e-6);
    EXPECT_DOUBLE_EQ(g.foro_I1.x, 94);
    EXPECT_NEAR(g.foro_I1.y, -20.142857, 1e-6);
    EXPECT_NEAR(g.foro_I2.y, 20.142857, 1e-6);
    EXPECT_DOUBLE_EQ(g.raggio_arco, 13700);
    EXPECT_DOUBLE_EQ(g.uc_foro, 40.3);
    foro(w, "10", "40", "50", "0"); // a deep opening: the geometric mean width
    EXPECT_DOUBLE_EQ(g.foro_larg, 20);
    foro(w, "30", "abc", "50", "0"); // not a number: nothing changes
    EXPECT_DOUBLE_EQ(g.foro_larg, 20);
}

TEST(Foro, TangentCornersAboveAndBelowTheAxis) {
    FinestraProva w;
    const DatiCalcolo& g = w.f->dati;
    foro(w, "30", "20", "50", "15"); // lower side exactly on the axis
    EXPECT_EQ(g.alfa1, 0);
    foro(w, "30", "20", "50", "40"); // wholly above: far lower corner
    EXPECT_NEAR(g.alfa1, std::atan2(25, 90), 1e-9);
    EXPECT_NEAR(g.alfa2, std::atan2(55, 70), 1e-9);
    foro(w, "30", "20", "50", "-40"); // wholly below: near lower and far upper corners
    EXPECT_NEAR(g.alfa1, std::atan2(-55, 70), 1e-9);
    EXPECT_NEAR(g.alfa2, std::atan2(-25, 90), 1e-9);
    EXPECT_GT(g.uc_foro, 0);
}

TEST(Foro, RaysMeetEverySideOfThePerimeter) {
    FinestraProva w; // a = 40, b = 60, d = 37: right side x = 94, top y = 104
    EXPECT_DOUBLE_EQ(interseca_perim(*w.f, 0.1).x, 94);
    const Punto basso = interseca_perim(*w.f, -1.5);
    EXPECT_DOUBLE_EQ(basso.y, -104);
    EXPECT_NEAR(basso.x, -104 / std::tan(-1.5), 1e-9);
    // On the corner arcs the crossing lies on the ray, within a few centimetres of the circle
    // of radius 74 about the corner: the arc is replaced by a fitted parabola.
    for (const double alfa : {0.5, 0.7, 0.9, 1.1, -0.6, -1.0}) {
        const Punto p = interseca_perim(*w.f, alfa);
        EXPECT_NEAR(std::hypot(p.x - 20, p.y - (alfa > 0 ? 30 : -30)), 74, 3) << alfa;
        EXPECT_NEAR(std::atan2(p.y, p.x), alfa, 1e-9) << alfa;
    }
    EXPECT_EQ(w.uscita.str(), ""); // no singular fit
}

TEST(Foro, CrossingAlwaysFoundOnTheRay) {
    FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    for (const double a : {0.0, 1.0, 40.0, 300.0})
        for (const double b : {0.0, 2.0, 60.0})
            for (const double d : {0.5, 37.0, 90.0}) {
                g.a = a;
                g.b = b;
                g.deff = d;
                for (double alfa = -1.55; alfa < 1.56; alfa += 0.01) {
                    const Punto p = interseca_perim(*w.f, alfa);
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
                    EXPECT_NEAR(std::atan2(p.y, p.x), alfa, 1e-6);
                }
            }
}

TEST(Modulo1, ParabolaFitAndLineCrossingFlagWhatHasNoAnswer) {
    const auto zero = [] { return 0.5; }; // a perturbation of exactly zero
    double X[] = {0, 1, 2, 3}, Y[] = {0, 6, 11, 18}; // y = 3 + 2x + x²
    double c0 = 0, c1 = 0, c2 = 0;
    EXPECT_TRUE(regressione_polinomiale(3, Y, X, 3, c0, c1, c2, zero));
    EXPECT_NEAR(c0, 3, 1e-9);
    EXPECT_NEAR(c1, 2, 1e-9);
    EXPECT_NEAR(c2, 1, 1e-9);
    double Xs[] = {0, 2, 2, 2}, Ys[] = {0, 1, 2, 3};
    EXPECT_FALSE(regressione_polinomiale(3, Ys, Xs, 3, c0, c1, c2, zero));
    const Retta v = retta_per_due_punti(3, 1, 3, 5); // parallel lines do not cross
    double x = 0, y = 0;
    EXPECT_THROW(intersezione_rette(v, v, x, y), Fault);
}

} // namespace tessaro
