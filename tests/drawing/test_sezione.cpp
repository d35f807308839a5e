// The canvas's text extents; the section drawing: world window, opening and shadow, column,
// slab edges; the plan drawing's guards. Where the drawing operations leave the pen is read
// from the display lists here and of the plan.
#include "support/finestra_prova.h"

#include "drawing/lettura.h"
#include "drawing/pianta.h"
#include "drawing/sezione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace tessaro {

using prova::figura;
using prova::FinestraProva;
using Lista = std::vector<std::string>;

namespace {

// An opening of 30 × 20 cm, 50 cm from the face of the 40 × 60 column, on the x axis.
void foro_davanti(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    g.foro_P1 = {70, -15};
    g.foro_P3 = {90, -15};
    g.foro_P2 = {90, 15};
    g.foro_P4 = {70, 15};
    g.alfa1 = -0.211093;
    g.alfa2 = 0.211093;
}

int triangoli(const Canvas& c) {
    int n = 0;
    for (const Elemento& e : c.elementi()) n += e.tipo == Elemento::Tipo::triangolo;
    return n;
}

} // namespace

TEST(Canvas, TextExtentsAreInWorldUnitsAndPrintGoesToTheNextLine) {
    prova::MisuraFissa m; // 5 px a character, 13 px a line
    Canvas c(m);
    c.Scale(-194, 194, 194, -194); // 388 cm over 236 px, y up
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 10 * 388.0 / 236);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), -13 * 388.0 / 236);
    c.CurrentX = 30;
    c.CurrentY = 50;
    c.Print(" Da");
    EXPECT_EQ(prova::lista(c), (std::vector<std::string>{"T ' Da' 30,50"}));
    EXPECT_DOUBLE_EQ(c.CurrentX, -194);                      // the left edge
    EXPECT_DOUBLE_EQ(c.CurrentY, 50 - 13 * 388.0 / 236);      // one line lower
    c.Scale(0, 0, 472, 118); // y down; two units a pixel across, half a unit down
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 20);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), 6.5);
}

TEST(Canvas, DotsWithOnePenMakeOneElementAndKeepTheirPlaceAmongTheOthers) {
    prova::MisuraFissa m;
    Canvas c(m);
    c.PSet(1, 2);
    c.PSet(3, 4);
    c.DrawWidth = 3; // another pen: another run
    c.PSet(5, 6);
    c.Line(0, 0, 1, 1);
    c.PSet(7, 8); // after a line: a run of its own
    c.ForeColor = 7;
    c.PSet(9, 10);
    c.DrawStyle = 2;
    c.PSet(11, 12);
    EXPECT_EQ(c.elementi().size(), 6u);
    EXPECT_EQ(prova::lista(c), (Lista{"P 1,2", "P 3,4", "P 5,6 w3", "L 0,0 1,1 w3", "P 7,8 w3",
                                      "P 9,10 w3 c7", "P 11,12 w3 c7"}));
    EXPECT_EQ(std::pair(c.CurrentX, c.CurrentY), std::pair(11.0, 12.0));
    c.Cls(); // the dots go with their elements
    c.PSet(0, 1);
    EXPECT_EQ(c.punti().size(), 1u);
    EXPECT_EQ(prova::lista(c), (Lista{"P 0,1 w3 c7"}));
}

// Label offsets below: a 13-pixel line is 13/236 of the window's height.
TEST(Sezione, WindowColumnAndSlabEdgesByPosition) {
    FinestraProva w; // 40 × 60, d = 37, scala = 2
    CalcoTess& f = *w.f;
    disegna_sezione(f);
    EXPECT_EQ(std::tuple(f.Pic.ScaleLeft, f.Pic.ScaleTop, f.Pic.ScaleWidth, f.Pic.ScaleHeight),
              std::tuple(-194, 194, 388, -388));
    EXPECT_EQ(prova::lista(f.Pic), (Lista{"B -20,-30 20,30", "T ' b' -20,10.6864",
                                          "T 'a' 0,-8.6271"}));

    figura(f, 0, 1); // an edge 1000 cm away: the column is drawn small
    f.dati.Db_a = 1000;
    disegna_sezione(f);
    EXPECT_EQ(f.Pic.ScaleLeft, -2194);
    EXPECT_EQ(prova::lista(f.Pic),
              (Lista{"B -20,-30 20,30", "T ' b' -20,120.8559", "T 'a' 0,211.7119",
                     "L -1020,-2194 -1020,2194", "T ' Da' -1020,120.8559"}));

    figura(f, 0, 2); // a corner whose x edge is flush with the column face: no " Da"
    f.dati.Db_a = 0;
    f.dati.Db_b = 30;
    disegna_sezione(f);
    EXPECT_EQ(f.Pic.ScaleLeft, -254);
    EXPECT_EQ(prova::lista(f.Pic),
              (Lista{"B -20,-30 20,30", "T ' b' -20,13.9915", "T 'a' 0,-2.0169",
                     "L -20,-60 -20,448", "L -20,-60 488,-60", "T ' Db' -21.5254,-31.0085"}));

    f.dati.scala = 2 / 1.1; // after one "+"
    disegna_sezione(f);
    EXPECT_NEAR(f.Pic.ScaleWidth, 508 / 1.1, 1e-9);
}

TEST(Sezione, CircularColumnDisablesBAndAWallDrawsNothing) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    figura(f, 1, 0);
    disegna_sezione(f);
    EXPECT_EQ(prova::lista(f.Pic), (Lista{"O 0,0 20", "T 'D40' -12.3305,-20"}));
    EXPECT_FALSE(f.Text1[7].Enabled);
    figura(f, 5, 0); // a wall: nothing, and b keeps its state
    disegna_sezione(f);
    EXPECT_EQ(prova::lista(f.Pic), Lista{});
    EXPECT_FALSE(f.Text1[7].Enabled);
    // Nothing at all during the start-up.
    f.Pic.Circle(1, 1, 1);
    f.dati.in_avvio = 1;
    figura(f, 0, 0);
    disegna_sezione(f);
    EXPECT_EQ(prova::lista(f.Pic), Lista{"O 1,1 1"});
}

TEST(Sezione, TheOpeningAndItsShadowOnlyNearerThanSixDepthsWithAFillThatEnds) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    foro_davanti(f);
    f.Text4.Text = "222"; // exactly 6·d
    disegna_sezione(f);
    EXPECT_EQ(f.Pic.elementi().size(), 3u);

    f.Text4.Text = "221.9";
    f.Pic.ForeColor = 4;
    disegna_sezione(f);
    const Lista l = prova::lista(f.Pic);
    ASSERT_EQ(l.size(), 8u);
    EXPECT_EQ(Lista(l.begin(), l.begin() + 6),
              (Lista{"F 0,0 1000,-214.2854 1000,214.2854 w5 c1", "L 70,-15 90,-15 c7",
                     "L 90,-15 90,15 c7", "L 90,15 70,15 c7", "L 70,15 70,-15 c7",
                     "B -20,-30 20,30"}));
    EXPECT_EQ(f.Pic.DrawWidth, 1);

    // Vertical rays end the fill; rays behind the column make the nesting step negative.
    const double retto = 2 * std::atan(1.0); // π/2 as the polar angle computes it
    for (const auto& [alfa1, alfa2, n] : {std::tuple{-retto, retto, 1}, {0.2, retto, 1},
                                          {-retto, 0.0, 1}, {2.8, 2.9, 0}}) {
        f.dati.alfa1 = alfa1;
        f.dati.alfa2 = alfa2;
        disegna_sezione(f);
        EXPECT_EQ(triangoli(f.Pic), n) << alfa1 << " " << alfa2;
    }
    EXPECT_EQ(f.Pic.elementi().size(), 7u); // the outline and the column still show
}

TEST(Pianta, RunsOnlyForAPositiveProductOfDeffAAndB) {
    FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    g.deff = 50;
    g.W1x = -1;
    using Caso = std::pair<std::size_t, const char*>;
    for (const auto& [i, testo] : {Caso{7, ""}, {6, "-40"}, {5, "abc"}}) {
        const std::string prima = std::exchange(w.f->Text1[i].Text, testo);
        disegna(*w.f); // dcrit only
        EXPECT_EQ(std::pair(g.dcrit, g.W1x), std::pair(74.0, -1.0)) << i << " " << testo;
        w.f->Text1[i].Text = prima;
    }
    g.in_avvio = 1; // start-up: dcrit only
    disegna(*w.f);
    EXPECT_EQ(std::pair(g.dcrit, g.W1x), std::pair(100.0, -1.0));
    g.in_avvio = 0;
    disegna(*w.f);
    EXPECT_GT(g.W1x, 0);
}

} // namespace tessaro
