// The stud-rail design: rail counts, stud layers and their list, the layer loop and its limits,
// the stud diameter, the refused inputs.
#include "support/finestra_prova.h"

#include "numeric/conversioni.h"
#include "reinforcement/schema.h"
#include "verification/stato_caso.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tessaro {

using prova::FinestraProva;

namespace {

// The lines of the stud list, each ending in CR.
std::vector<std::string> righe_chiodi(const FinestraProva& w) {
    std::istringstream in(prova::leggi_file(w.cartella.percorso() / "chiodi.tmp"));
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) righe.push_back(r);
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

TEST(Tralicci, FirstLayerOfA40By30InteriorColumn) {
    FinestraProva w;
    w.f->Text1[7].Text = "30";
    carico_forte(w);
    ASSERT_EQ(w.f->posizione(), 0);
    const auto righe = righe_chiodi(w);
    ASSERT_GE(righe.size(), 13u);
    EXPECT_EQ(righe[0], "0.0            12           interno\r");
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
    const auto righe = righe_chiodi(w);
    ASSERT_GE(righe.size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto [x, y] = coppia(righe[i + 1]);
        EXPECT_NEAR(x, 38.5 * std::cos(i * PI / 4), 1e-9) << i;
        EXPECT_NEAR(y, 38.5 * std::sin(i * PI / 4), 1e-9) << i;
    }
}

TEST(Tralicci, RetypingTheChosenDiameterChangesNothing) {
    FinestraProva w;
    carico_forte(w);
    const std::string Af_tot = w.f->Label3[12].Caption, Vrd_s = w.f->Label3[13].Caption;
    ASSERT_FALSE(Af_tot.empty());
    w.f->imposta_fichiodo(show(strict(w.f->fichiodo.Text)));
    EXPECT_EQ(w.f->Label3[12].Caption, Af_tot);
    EXPECT_EQ(w.f->Label3[13].Caption, Vrd_s);
}

TEST(Tralicci, TheLayerLoopEndsWithoutConvergenceOrWithNoShearLeft) {
    // No gap bridged and no distributed load: the outer perimeter and its shear stay the same
    // layer after layer, up to the 51st.
    FinestraProva w;
    w.f->Text1[25].Text = "0";
    w.f->Text1[0].Text = "0";
    w.f->Text1[38].Text = "5000";
    w.f->Text1[24].Text = "5000";
    w.digita(1, "-390000");
    EXPECT_EQ(w.f->dati.nlayer, 51);
    EXPECT_EQ(w.f->Label3[4].ForeColor, QBColor(5));
    EXPECT_EQ(w.uscita.str(), "");
    // A strong concrete (high Vrd,max) under a heavy distributed load: the load inside the
    // outer perimeter exceeds the punching force, and Veff1,est is stored as 0.
    FinestraProva v;
    v.f->Text1[11].Text = "800";
    v.f->Text1[0].Text = "120000";
    v.digita(1, "-600000");
    ASSERT_TRUE(v.f->Frame4.Visible);
    EXPECT_EQ(v.f->dati.Veff1_est, 0);
    EXPECT_EQ(v.f->dati.nlayer, 2);
    EXPECT_EQ(v.f->Label3[15].Caption, "0");
}

// A refusal is told through the state of the case, not by a box at every recalculation, and
// leaves blank what the refused design did not compute: never the results of another case.
TEST(Tralicci, InputsWithoutASoundLayoutAreRefusedQuietlyWithoutAnotherCasesResults) {
    struct Caso {
        int forma, campo;
        const char *testo, *rifiuto, *totali = "12";
    };
    for (const Caso c : {Caso{0, 29, "0", "non progettata"}, {0, 25, "-1", "non progettata"},
                         {0, 30, "-1", "non progettata"}, {0, 15, "-1", "non progettata"},
                         {1, 31, "1", "Servono almeno 2 tralicci per un pilastro circolare"},
                         // Counts beyond any practical layout, which would overflow the outer
                         // perimeter's list or take ages to draw, are refused with their limit,
                         // also where they would not fit the 16 bits of the rail counter.
                         {0, 30, "11", "Al massimo 10 tralicci diagonali per spigolo", "100"},
                         {0, 31, "300", "Al massimo 50 tralicci diritti per faccia"},
                         {1, 31, "61", "Al massimo 60 tralicci per un pilastro circolare"},
                         {0, 31, "200000", "Al massimo 50 tralicci diritti per faccia"},
                         {0, 30, "40000", "Al massimo 10 tralicci diagonali per spigolo"},
                         {1, 31, "40000", "Al massimo 60 tralicci per un pilastro circolare"}}) {
        FinestraProva w;
        carico_forte(w); // a complete design first, whose results must not stay
        ASSERT_FALSE(w.f->Label3[13].Caption.empty());
        w.f->imposta_Option1(c.forma, true);
        w.f->Text1[31].Text = c.totali;
        w.f->Text1[static_cast<std::size_t>(c.campo)].Text = c.testo;
        w.f->Command1_Click(0);
        EXPECT_NE(w.f->ultimo.rifiuto.find(c.rifiuto), std::string::npos) << c.campo << " " << c.testo;
        EXPECT_EQ(w.uscita.str(), "");
        EXPECT_TRUE(w.f->Frame4.Visible);
        for (const int i : {4, 6, 7, 10, 12, 13, 14, 15, 16})
            EXPECT_EQ(w.f->Label3[static_cast<std::size_t>(i)].Caption, "") << i;
        // An input out of its range is refused by the state as well; the rail counts are
        // sound inputs that no layout can take.
        const bool fuori_campo = c.campo != 31 && (c.campo != 30 || c.testo[0] == '-');
        const StatoCaso stato = stato_caso(*w.f);
        EXPECT_EQ(stato.aggiornati, !fuori_campo) << c.campo << " " << c.testo;
        EXPECT_EQ(stato.esito, fuori_campo ? Esito::non_calcolato : Esito::non_verificato);
        EXPECT_EQ(righe_chiodi(w).size(), 1u) << c.campo << " " << c.testo;
    }
    FinestraProva v; // the largest counts still design and trace their perimeters
    v.f->Text1[30].Text = "10";
    v.f->Text1[31].Text = "240";
    v.digita(1, "-300000");
    EXPECT_EQ(v.uscita.str(), "");
    EXPECT_FALSE(v.f->Label3[4].Caption.empty());
    // Other shapes get the theoretical reinforcement alone.
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

// Every rail of the layout once, each with one stud per layer and none repeated, whatever the
// shape, the position and the diagonal rails: the studs the drawing repeats (on the axes, at
// the ends of a fan) are one stud.
TEST(Schema, OneRailPerLaidRailWithOneStudPerLayer) {
    struct Caso {
        int forma;
        const char *Db_a, *Db_b, *totali, *diag, *carico;
        std::size_t rotaie;
    };
    for (const Caso c : {Caso{0, "1000", "1000", "12", "0", "-200000", 12},
                         {0, "1000", "1000", "16", "1", "-200000", 16},
                         {0, "0", "1000", "12", "1", "-100000", 11},
                         {0, "0", "0", "8", "2", "-50000", 8},
                         {1, "1000", "1000", "8", "0", "-150000", 8},
                         {1, "0", "1000", "7", "0", "-80000", 7},
                         {1, "0", "0", "5", "0", "-40000", 5}}) {
        FinestraProva w;
        w.f->imposta_Option1(c.forma, true);
        w.f->Text1[38].Text = c.Db_a;
        w.f->Text1[24].Text = c.Db_b;
        w.f->Text1[31].Text = c.totali;
        w.f->Text1[30].Text = c.diag;
        w.digita(1, c.carico);
        ASSERT_TRUE(w.f->Frame4.Visible) << c.forma << " " << c.Db_a << " " << c.Db_b;
        const auto rotaie = schema_chiodatura(*w.f);
        ASSERT_EQ(rotaie.size(), c.rotaie) << c.forma << " " << c.Db_a << " " << c.Db_b;
        const double S1 = strict(w.testo(28)), S = strict(w.testo(29));
        double angolo = -10;
        for (const Traliccio& t : rotaie) {
            ASSERT_EQ(t.chiodi.size(), static_cast<std::size_t>(w.f->dati.nlayer));
            for (std::size_t k = 0; k < t.chiodi.size(); ++k)
                EXPECT_NEAR(t.chiodi[k], S1 + static_cast<double>(k) * S, 1e-6);
            const Punto p = t.chiodo(0);
            EXPECT_GT(std::atan2(p.y, p.x), angolo); // in order round the column
            angolo = std::atan2(p.y, p.x);
        }
    }
}

} // namespace tessaro
