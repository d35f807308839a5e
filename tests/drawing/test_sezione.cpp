// The section drawing: world window, opening and shadow, column, slab edges.
#include "support/finestra_prova.h"

#include "drawing/lettura.h"
#include "drawing/sezione.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;
using Tipo = Elemento::Tipo;

namespace {

void posizione(CalcoTess& f, int i) {
    f.Option2 = {};
    f.Option2[static_cast<std::size_t>(i)] = true;
}

void forma(CalcoTess& f, int i) {
    f.Option1 = {};
    f.Option1[static_cast<std::size_t>(i)] = true;
}

// The opening of 30 × 20 cm, 50 cm from the face of the 40 × 60 column, on the x axis.
void foro_davanti(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    g.foro_P1 = {70, -15};
    g.foro_P3 = {90, -15};
    g.foro_P2 = {90, 15};
    g.foro_P4 = {70, 15};
    g.alfa1 = -0.211093;
    g.alfa2 = 0.211093;
}

} // namespace

TEST(Sezione, WorldWindowFromSizePositionAndZoom) {
    FinestraProva w; // 40 × 60, d = 37, scala = 2
    CalcoTess& f = *w.f;
    disegna_sezione(f);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleLeft, -194);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleTop, 194);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleWidth, 388);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleHeight, -388);

    f.dati.scala = 2 / 1.1; // one "+"
    disegna_sezione(f);
    EXPECT_NEAR(f.Pic.ScaleWidth, 388 / 1.1, 1e-9);

    f.dati.scala = 2;
    posizione(f, 2); // corner: the larger of a + Db_a and b + Db_b
    f.dati.Db_a = 100;
    f.dati.Db_b = 30;
    disegna_sezione(f);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleWidth, 2 * (140 + 37) * 2);
}

TEST(Sezione, EdgeColumnFarFromItsEdgeIsDrawnSmallWithTheEdgeLine) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    posizione(f, 1);
    f.dati.Db_a = 1000;
    disegna_sezione(f);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleLeft, -2194);
    EXPECT_DOUBLE_EQ(f.Pic.ScaleTop, 2194);
    const auto linee = prova::di_tipo(f.Pic, Tipo::linea);
    ASSERT_EQ(linee.size(), 1u);
    EXPECT_TRUE(prova::vicino(linee[0].p1, {-1020, -2194}));
    EXPECT_TRUE(prova::vicino(linee[0].p2, {-1020, 2194}));
    // " Da" starts on the edge line, centred on the x axis.
    const auto scritti = prova::di_tipo(f.Pic, Tipo::testo);
    ASSERT_EQ(scritti.size(), 3u);
    EXPECT_EQ(scritti[2].testo, " Da");
    EXPECT_TRUE(prova::vicino(scritti[2].p1, {-1020, -f.Pic.TextHeight("Da") / 2}));
}

TEST(Sezione, SlabEdgesAreLabelledOnlyWhenTheyLeaveTheColumnFace) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    posizione(f, 2);
    f.dati.Db_a = 0;
    f.dati.Db_b = 30;
    disegna_sezione(f);
    EXPECT_EQ(prova::testi(f.Pic), (std::vector<std::string>{" b", "a", " Db"}));
    const auto linee = prova::di_tipo(f.Pic, Tipo::linea);
    ASSERT_EQ(linee.size(), 2u);
    const double R = (60 + 30 + 37) * 2;
    EXPECT_TRUE(prova::vicino(linee[0].p1, {-20, -60}));     // the slab corner
    EXPECT_TRUE(prova::vicino(linee[0].p2, {-20, -60 + 2 * R}));
    EXPECT_TRUE(prova::vicino(linee[1].p2, {-20 + 2 * R, -60}));
    // " Db" left of the y axis by the width of "Db", midway between the face and the edge.
    const Elemento db = prova::di_tipo(f.Pic, Tipo::testo)[2];
    EXPECT_TRUE(prova::vicino(
        db.p1, {-f.Pic.TextWidth("Db"), -30 - 15 - f.Pic.TextHeight("Db") / 2}));

    f.dati.Db_a = 25;
    f.dati.Db_b = 0;
    disegna_sezione(f);
    EXPECT_EQ(prova::testi(f.Pic), (std::vector<std::string>{" b", "a", " Da"}));
}

TEST(Sezione, ColumnOutlineLabelsAndTheEnabledStateOfB) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    disegna_sezione(f);
    const auto box = prova::di_tipo(f.Pic, Tipo::rettangolo);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_TRUE(prova::vicino(box[0].p1, {-20, -30}));
    EXPECT_TRUE(prova::vicino(box[0].p2, {20, 30}));
    const auto scritti = prova::di_tipo(f.Pic, Tipo::testo);
    ASSERT_EQ(scritti.size(), 2u);
    EXPECT_TRUE(prova::vicino(scritti[0].p1, {-20, -f.Pic.TextHeight("b") / 2}));
    EXPECT_TRUE(prova::vicino(scritti[1].p1, {0, -30 - f.Pic.TextHeight("a")}));
    EXPECT_GT(scritti[1].p1.y, -30); // inside, above the bottom face
    EXPECT_TRUE(f.Text1[7].Enabled);

    forma(f, 1);
    disegna_sezione(f);
    EXPECT_FALSE(f.Text1[7].Enabled);
    const auto cerchi = prova::di_tipo(f.Pic, Tipo::arco);
    ASSERT_EQ(cerchi.size(), 1u);
    EXPECT_TRUE(cerchi[0].intero);
    EXPECT_DOUBLE_EQ(cerchi[0].r, 20);
    const auto d40 = prova::di_tipo(f.Pic, Tipo::testo);
    ASSERT_EQ(d40.size(), 1u);
    EXPECT_EQ(d40[0].testo, "D40");
    EXPECT_TRUE(prova::vicino(d40[0].p1, {-f.Pic.TextWidth("D40") / 2, -20}));

    forma(f, 4); // an imposed area: no outline, b left as it was
    disegna_sezione(f);
    EXPECT_TRUE(f.Pic.elementi().empty());
    EXPECT_FALSE(f.Text1[7].Enabled);
}

TEST(Sezione, TheOpeningIsDrawnOnlyNearerThanSixDepths) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    foro_davanti(f);
    f.Text4.Text = "1000"; // the default
    disegna_sezione(f);
    EXPECT_TRUE(prova::di_tipo(f.Pic, Tipo::triangolo).empty());
    f.Text4.Text = "222"; // exactly 6·d
    disegna_sezione(f);
    EXPECT_TRUE(prova::di_tipo(f.Pic, Tipo::triangolo).empty());

    f.Text4.Text = "221.9";
    f.Pic.ForeColor = 4;
    disegna_sezione(f);
    const auto& el = f.Pic.elementi();
    ASSERT_GE(el.size(), 6u);
    // The dark-blue sector at width 5 first, the light-grey outline over it, then the column
    // in bright white.
    EXPECT_EQ(el[0].tipo, Tipo::triangolo);
    EXPECT_EQ(el[0].colore, 1);
    EXPECT_EQ(el[0].larghezza, 5);
    EXPECT_TRUE(prova::vicino(el[0].p1, {0, 0}));
    EXPECT_TRUE(prova::vicino(el[0].p2, {1000, 1000 * std::tan(-0.211093)}));
    EXPECT_TRUE(prova::vicino(el[0].p3, {1000, 1000 * std::tan(0.211093)}));
    const Punto giro[] = {{70, -15}, {90, -15}, {90, 15}, {70, 15}, {70, -15}};
    for (int i = 0; i < 4; ++i) {
        const Elemento& lato = el[static_cast<std::size_t>(1 + i)];
        EXPECT_EQ(lato.colore, 7);
        EXPECT_EQ(lato.larghezza, 1);
        EXPECT_TRUE(prova::vicino(lato.p1, giro[i]));
        EXPECT_TRUE(prova::vicino(lato.p2, giro[i + 1]));
    }
    EXPECT_EQ(el[5].tipo, Tipo::rettangolo);
    EXPECT_EQ(el[5].colore, 15);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
    EXPECT_EQ(f.Pic.DrawStyle, 0);
}

TEST(Sezione, TheShadowFillEndsForVerticalRaysAndStaysEmptyBehindTheColumn) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    foro_davanti(f);
    f.Text4.Text = "50";
    const double retto = 2 * std::atan(1.0); // π/2 as the polar angle computes it
    for (const auto& [alfa1, alfa2] : {std::pair{-retto, retto}, {0.2, retto}, {-retto, 0.0}}) {
        f.dati.alfa1 = alfa1;
        f.dati.alfa2 = alfa2;
        disegna_sezione(f);
        EXPECT_EQ(prova::di_tipo(f.Pic, Tipo::triangolo).size(), 1u) << alfa1 << " " << alfa2;
    }
    // Rays pointing behind the column make the nesting step negative: no sector.
    f.dati.alfa1 = 2.8;
    f.dati.alfa2 = 2.9;
    disegna_sezione(f);
    EXPECT_TRUE(prova::di_tipo(f.Pic, Tipo::triangolo).empty());
    EXPECT_EQ(prova::di_tipo(f.Pic, Tipo::linea).size(), 4u); // the outline still shows
}

TEST(Sezione, NothingHappensDuringStartUp) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Pic.Circle(1, 1, 1);
    f.dati.in_avvio = 1;
    disegna_sezione(f);
    EXPECT_EQ(f.Pic.elementi().size(), 1u);
}

} // namespace tessaro
