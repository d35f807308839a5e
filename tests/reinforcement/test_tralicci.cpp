// The stud-rail design: rail counts, stud layers and their list, the layer loop and its limits,
// the stud diameter and the provided reinforcement.
#include "support/finestra_prova.h"

#include "reinforcement/tralicci.h"
#include "verification/conversioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <tuple>

namespace tessaro {

using prova::FinestraProva;

namespace {

std::vector<std::string> righe_chiodi(const FinestraProva& w) {
    std::ifstream in(w.cartella.percorso() / "chiodi.tmp", std::ios::binary);
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) {
        EXPECT_TRUE(!r.empty() && r.back() == '\r');
        righe.push_back(r.substr(0, r.size() - 1));
    }
    return righe;
}

// The two numbers of a stud line.
std::pair<double, double> coppia(const std::string& riga) {
    std::istringstream in(riga);
    std::pair<double, double> p;
    in >> p.first >> p.second;
    return p;
}

// The default 40 × 60 column with d = 37: a load of 200 t fails the control perimeter
// (Vrd,c = 143281 kg) and holds at the column face (Vrd,max = 399476 kg).
void carico_forte(FinestraProva& w) { w.digita(1, "-200000"); }

} // namespace

TEST(Tralicci, StraightRailCountsRoundHalfToEven) {
    struct Caso {
        const char *totali, *diag, *Db_a, *atteso;
    };
    for (const Caso c : {Caso{"13", "0", "1000", " 12"}, {"10", "0", "1000", " 8"},
                         {"12", "1", "0", " 11"}, {"12", "1", "1000", " 12"}}) {
        FinestraProva w;
        w.f->Text1[31].Text = c.totali;
        w.f->Text1[30].Text = c.diag;
        w.f->Text1[38].Text = c.Db_a;
        carico_forte(w);
        EXPECT_TRUE(w.f->Frame4.Visible);
        EXPECT_EQ(w.testo(31), c.atteso) << c.totali << " " << c.diag;
        EXPECT_EQ(w.uscita.str(), "");
    }
}

TEST(Tralicci, TooManyDiagonalRailsStopsAfterTheTheoreticalReinforcement) {
    FinestraProva w;
    w.f->Text1[30].Text = "2";
    carico_forte(w);
    EXPECT_EQ(w.uscita.str(), "message=Troppi tralicci diagonali !\n");
    EXPECT_FALSE(w.f->Label3[9].Caption.empty());
    EXPECT_TRUE(w.f->Label3[6].Caption.empty());
    EXPECT_EQ(righe_chiodi(w), std::vector<std::string>{" 1             0            interno"});
}

TEST(Tralicci, TheoreticalReinforcementFromTheShownValues) {
    FinestraProva w;
    carico_forte(w);
    const DatiCalcolo& g = w.f->dati;
    const double Vc = 0.75 * g.TAUrdc * g.u1 * g.deff;
    EXPECT_DOUBLE_EQ(g.Aftot_teor, (g.Veff1 - Vc) / 3227.3);
    EXPECT_EQ(w.f->Label3[11].Caption,
              show(R(strict(w.f->Label3[9].Caption) * 3227.3 + Vc, 0)));
}

TEST(Tralicci, FirstLayerOfA40By30InteriorColumn) {
    FinestraProva w;
    w.f->Text1[7].Text = "30";
    carico_forte(w);
    ASSERT_EQ(w.f->posizione(), 0);
    ASSERT_EQ(w.f->dati.n_rett, 3);
    const auto righe = righe_chiodi(w);
    ASSERT_GE(righe.size(), 13u);
    EXPECT_EQ(righe[0], "0.0            12           interno");
    const std::pair<double, double> attese[] = {
        {-15, 38.5}, {-15, -38.5}, {33.5, -20}, {-33.5, -20}, {0, 38.5},  {0, -38.5},
        {33.5, 0},   {-33.5, 0},   {15, 38.5},  {15, -38.5},  {33.5, 20}, {-33.5, 20}};
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(coppia(righe[i + 1]), attese[i]) << i;
}

TEST(Tralicci, EightCircularStudsFortyFiveDegreesApart) {
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.f->Text1[31].Text = "8";
    carico_forte(w);
    ASSERT_TRUE(w.f->Frame4.Visible);
    const auto righe = righe_chiodi(w);
    ASSERT_GE(righe.size(), 9u);
    for (int i = 0; i < 8; ++i) {
        const auto [x, y] = coppia(righe[static_cast<std::size_t>(i) + 1]);
        EXPECT_NEAR(x, 38.5 * std::cos(i * PI / 4), 1e-9) << i;
        EXPECT_NEAR(y, 38.5 * std::sin(i * PI / 4), 1e-9) << i;
    }
}

TEST(Tralicci, LayersUntilTheOuterPerimeterHolds) {
    FinestraProva w;
    carico_forte(w);
    const DatiCalcolo& g = w.f->dati;
    EXPECT_GE(g.nlayer, 2);
    EXPECT_GT(g.Vrdc_est, g.Veff1_est);
    EXPECT_EQ(w.f->Label3[4].ForeColor, NERO);
    EXPECT_EQ(w.f->Label3[4].Caption, show(R(g.Vrdc_est, 0)));
    EXPECT_DOUBLE_EQ(g.L_tral, (g.nlayer - 1) * 27.5);
    EXPECT_EQ(w.f->Label3[10].Caption, short_form(g.L_tral));
    // The outer perimeter of an interior column is closed round the column.
    EXPECT_GT(g.uest, g.u1);
    EXPECT_GT(g.Aest, g.Aq);
    // The chosen diameter is the even number of mm at or above the required one.
    const double fi = strict(w.f->fichiodo.Text);
    EXPECT_GE(fi, g.fi_teor);
    EXPECT_LT(fi - 2, g.fi_teor);
    EXPECT_EQ(std::fmod(fi, 2), 0);
}

TEST(Tralicci, RetypingTheChosenDiameterChangesNothing) {
    FinestraProva w;
    carico_forte(w);
    const std::string Af_tot = w.f->Label3[12].Caption, Vrd_s = w.f->Label3[13].Caption;
    ASSERT_FALSE(Af_tot.empty());
    w.f->imposta_fichiodo(show(strict(w.f->fichiodo.Text)));
    EXPECT_EQ(w.f->Label3[12].Caption, Af_tot);
    EXPECT_EQ(w.f->Label3[13].Caption, Vrd_s);
    // A larger diameter typed by the user is kept at the next design.
    w.f->imposta_fichiodo("20");
    w.f->Command1_Click(0);
    EXPECT_EQ(w.f->fichiodo.Text, " 20");
}

TEST(Tralicci, ContourReachedStopsTheLayers) {
    FinestraProva w;
    w.f->Text1[38].Text = "250"; // interior: both edges beyond the switching distances
    w.f->Text1[24].Text = "250";
    w.f->Text1[29].Text = "5";
    w.digita(1, "-390000");
    ASSERT_EQ(w.f->posizione(), 0);
    EXPECT_EQ(w.uscita.str(), "message=Raggiunto il contorno!\n");
    EXPECT_EQ(w.f->Label3[4].ForeColor, QBColor(5));
    // The layer that would reach beyond the edge is counted but not placed.
    EXPECT_GT(1.5 * 37 + w.f->dati.r_layer, 250);
    EXPECT_LE(1.5 * 37 + w.f->dati.r_layer - 5, 250);
}

TEST(Tralicci, NegativeOuterShearIsStoredAsZero) {
    FinestraProva w;
    // A strong concrete (high Vrd,max) under a heavy distributed load: the load inside the
    // outer perimeter exceeds the punching force.
    w.f->Text1[11].Text = "800";
    w.f->Text1[0].Text = "120000";
    w.digita(1, "-600000");
    ASSERT_TRUE(w.f->Frame4.Visible);
    EXPECT_EQ(w.f->dati.Veff1_est, 0);
    EXPECT_EQ(w.f->dati.nlayer, 2);
    EXPECT_EQ(w.f->Label3[15].Caption, "0");
}

TEST(Tralicci, NoConvergenceStopsAtFiftyOneLayers) {
    FinestraProva w;
    // No gap bridged and no distributed load: the outer perimeter and its shear stay the same
    // layer after layer.
    w.f->Text1[25].Text = "0";
    w.f->Text1[0].Text = "0";
    w.f->Text1[38].Text = "5000";
    w.f->Text1[24].Text = "5000";
    w.digita(1, "-390000");
    EXPECT_EQ(w.f->dati.nlayer, 51);
    EXPECT_EQ(w.f->Label3[4].ForeColor, QBColor(5));
    EXPECT_EQ(w.uscita.str(), "");
}

TEST(Tralicci, InputsWithoutASoundLayoutAreRefused) {
    struct Caso {
        int campo;
        const char* testo;
    };
    for (const Caso c : {Caso{29, "0"}, {25, "-1"}, {30, "-1"}, {15, "-1"}}) {
        FinestraProva w;
        w.f->Text1[static_cast<std::size_t>(c.campo)].Text = c.testo;
        carico_forte(w);
        EXPECT_NE(w.uscita.str().find("non progettata"), std::string::npos) << c.campo;
        EXPECT_EQ(righe_chiodi(w).size(), 1u) << c.campo;
    }
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.f->Text1[31].Text = "1";
    carico_forte(w);
    EXPECT_EQ(w.uscita.str(), "message=Servono almeno 2 tralicci per un pilastro circolare !\n");
    // Counts beyond any practical layout, which would overflow the outer perimeter's list or
    // take ages to draw, are refused with their limit.
    for (const auto& [diag, totali, circolare] :
         {std::tuple{"11", "100", false}, {"0", "300", false}, {"0", "61", true}}) {
        FinestraProva v;
        v.f->imposta_Option1(circolare ? 1 : 0, true);
        v.f->Text1[30].Text = diag;
        v.f->Text1[31].Text = totali;
        carico_forte(v);
        EXPECT_NE(v.uscita.str().find("Al massimo"), std::string::npos) << totali;
        EXPECT_EQ(righe_chiodi(v).size(), 1u);
    }
    FinestraProva v; // the largest counts still design and trace their perimeters
    v.f->Text1[30].Text = "10";
    v.f->Text1[31].Text = "240";
    v.digita(1, "-300000");
    EXPECT_EQ(v.uscita.str(), "");
    EXPECT_FALSE(v.f->Label3[4].Caption.empty());
}

TEST(Tralicci, OtherShapesGetOnlyTheTheoreticalReinforcement) {
    FinestraProva w;
    carico_forte(w);
    w.f->imposta_Option1(3, true);
    w.f->Label3[6].Caption = "";
    w.f->Command1_Click(0);
    EXPECT_TRUE(w.f->Frame4.Visible);
    EXPECT_FALSE(w.f->Label3[9].Caption.empty());
    EXPECT_TRUE(w.f->Label3[6].Caption.empty());
    EXPECT_EQ(righe_chiodi(w).size(), 1u);
}

} // namespace tessaro
