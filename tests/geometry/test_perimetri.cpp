// The control perimeters and the automatic choice of the column position.
#include "support/finestra_prova.h"

#include "geometry/perimetri.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {
constexpr double d = 37;
}

TEST(Perimetri, InteriorRectangleAtTheDefaults) {
    FinestraProva w;
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_DOUBLE_EQ(g.u0, 200);
    EXPECT_NEAR(g.u1, 200 + 148 * PI, 1e-9);
    EXPECT_NEAR(g.Aq, 2400 + 148 * (100 + 37 * PI), 1e-9);
    EXPECT_EQ(g.rid_a, 1);
    EXPECT_EQ(g.rid_b, 1);
    EXPECT_EQ(w.testo(19), "34403.361");
}

TEST(Perimetri, EdgeOnTheASide) {
    FinestraProva w;
    w.digita(38, "0");
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 1);
    EXPECT_EQ(g.rid_a, 0);
    EXPECT_EQ(g.rid_b, 1);
    EXPECT_DOUBLE_EQ(g.u0, 140); // 60 + min(80, 111)
    EXPECT_NEAR(g.u1, 2 * 40 + 60 + 2 * PI * d, 1e-9);
    EXPECT_EQ(w.f->Label1[6].Caption, "a (cm)");
}

TEST(Perimetri, EdgeOnTheBSideRotatesTheAxes) {
    FinestraProva w;
    w.digita(24, "0");
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 1);
    EXPECT_EQ(g.a, 60);
    EXPECT_EQ(g.b, 40);
    EXPECT_EQ(g.Db_a, 0);
    EXPECT_EQ(g.Db_b, 1000);
    EXPECT_DOUBLE_EQ(g.u0, 40 + 111); // b + min(2·a, 3·d) with the exchanged sides
    EXPECT_EQ(w.f->Label1[6].Caption, "b (cm)");
    EXPECT_EQ(w.f->Label1[7].Caption, "a (cm)");
    EXPECT_EQ(w.f->Label1[2].Caption, "Myd (kgm)");
    EXPECT_EQ(w.f->Label9.Caption, "â");
    EXPECT_EQ(w.f->Label10.Caption, "Y");
    EXPECT_EQ(w.testo(6), "40"); // the input boxes are not touched
    EXPECT_EQ(w.f->dati.Mxd, 0);
    // Moving the edge away restores the captions.
    w.digita(24, "1000");
    EXPECT_EQ(w.f->Label1[6].Caption, "a (cm)");
    EXPECT_EQ(w.f->Label9.Caption, "á");
}

TEST(Perimetri, CornerColumn) {
    FinestraProva w;
    w.f->Text1[38].Text = "10";
    w.digita(24, "20");
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 2);
    EXPECT_DOUBLE_EQ(g.u0, 100); // min(a + b, 3·d)
    EXPECT_NEAR(g.u1, 40 + 60 + 10 + 20 + PI * d, 1e-9);
    EXPECT_NEAR(g.Aq, (10 + 40 + 74) * (20 + 60 + 74) + (PI - 4) * d * d, 1e-9);
    EXPECT_NEAR(g.rid_b, 20 / (100 - 10 + 3 * PI * d), 1e-12);
    EXPECT_NEAR(g.rid_a, 10 / (100 - 20 + 3 * PI * d), 1e-12);
}

TEST(Perimetri, TieBetweenEdgeAndInteriorIsInteriorWithWeightOne) {
    FinestraProva w;
    // uA = uI when Db_a = b/2 + π·d; the weight of the edge position is then 1 as well.
    w.f->dati.Db_a = 30 + PI * d;
    w.f->dati.Db_b = 1000;
    w.f->dati.deff = d;
    w.f->dati.a = 40;
    w.f->dati.b = 60;
    const double uA = 2 * 40 + 60 + 2 * w.f->dati.Db_a + 2 * PI * d;
    ASSERT_EQ(uA, 2 * 100 + 4 * PI * d);
    calcola_u0(*w.f);
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_EQ(w.f->dati.rid_a, 1);
    EXPECT_NEAR(w.f->dati.Db_a / (30 + PI * d), 1, 1e-15);
}

TEST(Perimetri, CircularColumn) {
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    EXPECT_EQ(w.testo(7), "40");
    EXPECT_EQ(w.testo(30), "0");
    EXPECT_FALSE(w.f->Text1[30].Enabled);
    w.f->Command1_Click(0);
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_DOUBLE_EQ(g.u0, PI * 40); // both edges beyond 6·d
    EXPECT_NEAR(g.u1, PI * (4 * d + 40), 1e-9);
    // An edge nearer than 6·d reduces the interior column-face perimeter.
    w.digita(38, "400");
    w.digita(24, "150");
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_NEAR(g.u0, PI * 40 / 2 * (1 + (1 + std::sin(PI * 150 / (12 * d))) / 2), 1e-9);
    w.f->imposta_Option1(0, true);
    EXPECT_TRUE(w.f->Text1[30].Enabled);
    EXPECT_EQ(w.testo(30), "0");
}

TEST(Perimetri, CircularEdgeOnTheBSideWeighsTheBSide) {
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.digita(24, "10");
    const DatiCalcolo& g = w.f->dati;
    EXPECT_EQ(w.f->posizione(), 1);
    EXPECT_EQ(g.Db_a, 10);
    EXPECT_EQ(g.rid_a, 1);
    EXPECT_NEAR(g.rid_b, 10 / (0.25 * PI * (4 * d + 40) - 20), 1e-12);
    EXPECT_NEAR(g.u0, PI * 40 / 2 + 40 + 2 * 10, 1e-9); // below the circumference
}

TEST(Perimetri, CircularFacePerimeterNeverExceedsTheCircumference) {
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.digita(38, "127"); // edge just before the switch to interior
    EXPECT_EQ(w.f->posizione(), 1);
    EXPECT_NEAR(w.f->dati.u0, PI * 40, 1e-9);
    w.digita(38, "0");
    EXPECT_NEAR(w.f->dati.u0, PI * 40 / 2 + 40, 1e-9); // the slab edge at the column face
    w.f->Text1[38].Text = "60";
    w.digita(24, "60"); // corner
    EXPECT_EQ(w.f->posizione(), 2);
    EXPECT_NEAR(w.f->dati.u0, PI * 40, 1e-9);
}

} // namespace tessaro
