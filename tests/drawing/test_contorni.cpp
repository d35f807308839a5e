// The picture of the plan: column outlines and dotted control perimeters by shape and
// position; one stud: dots by the symmetry of the position, lines of the stud list.
#include "support/finestra_prova.h"

#include "drawing/contorni.h"
#include "drawing/lettura.h"
#include "drawing/unchiodo.h"
#include "files/chiodi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace tessaro {

using prova::FinestraProva;
using Lista = std::vector<std::string>;

namespace {

// The plan as the drawing routine makes it, with dcrit = 2·d already set.
void disegna_figura(CalcoTess& f, int forma, int posizione) {
    prova::figura(f, forma, posizione);
    f.dati.dcrit = 2 * f.dati.deff;
    disegna_contorni(f);
}

Lista punteggiati(const Canvas& c) {
    Lista l;
    for (const std::string& e : prova::lista(c))
        if (e.ends_with(" dotted")) l.push_back(e.substr(0, e.size() - 7));
    return l;
}

// One stud drawn, at line width 2 before, into a fresh picture and a fresh stud list; the
// dots drawn, then the stud lines as written (two numbers, the second at column 14).
Lista un_chiodo(CalcoTess& f, int forma, int posizione, double x, double y) {
    prova::figura(f, forma, posizione);
    f.Pic.Cls();
    f.Pic.DrawWidth = 2;
    f.nfile_chiodi.emplace();
    disegna_unchiodo(f, x, y);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
    EXPECT_TRUE(scrivi_chiodi(f));
    f.nfile_chiodi.reset();
    Lista esito = prova::lista(f.Pic);
    std::ifstream in("chiodi.tmp", std::ios::binary);
    for (std::string riga; std::getline(in, riga);) esito.push_back(riga);
    return esito;
}

} // namespace

TEST(Contorni, RectangularColumnPerimeterByPosition) {
    FinestraProva w; // 40 × 60, d = 37: dcrit = 74
    CalcoTess& f = *w.f;
    disegna_figura(f, 0, 0);
    EXPECT_EQ(punteggiati(f.Pic),
              (Lista{"L -20,-104 20,-104", "L -20,104 20,104", "L -94,-30 -94,30",
                     "L 94,-30 94,30", "C 20,30 74 0>1.5708", "C -20,30 74 1.5708>3.1416",
                     "C -20,-30 74 3.1416>4.7124", "C 20,-30 74 4.7124>6.2832"}));
    EXPECT_EQ(f.Pic.DrawStyle, 2); // left dotted; the next picture resets it

    f.dati.Db_a = 1000; // edge: the straight parts run to the slab edge
    disegna_figura(f, 0, 1);
    EXPECT_EQ(punteggiati(f.Pic),
              (Lista{"L -1020,-104 20,-104", "L -1020,104 20,104", "L 94,-30 94,30",
                     "C 20,30 74 0>1.5708", "C 20,-30 74 4.7124>6.2832"}));

    f.dati.Db_a = 50;
    f.dati.Db_b = 30;
    disegna_figura(f, 0, 2);
    EXPECT_EQ(punteggiati(f.Pic),
              (Lista{"L -70,104 20,104", "L 94,-60 94,30", "C 20,30 74 0>1.5708"}));
}

TEST(Contorni, RectangleWithSemicircularEnds) {
    FinestraProva w; // a = 40 the diameter of the ends, b = 60 the straight sides
    CalcoTess& f = *w.f;
    f.Text1[7].Enabled = false;
    disegna_figura(f, 2, 0);
    EXPECT_TRUE(f.Text1[7].Enabled);
    EXPECT_EQ(prova::lista(f.Pic),
              (Lista{"L -20,-30 -20,30", "L 20,-30 20,30", "C 0,30 20 0>3.1416",
                     "C 0,-30 20 3.1416>6.2832", "T 'D40' -12.3305,-50",
                     "T ' 60 ' -20,10.6864", "L -94,-30 -94,30 dotted",
                     "L 94,-30 94,30 dotted", "C 0,30 94 0>3.1416 dotted",
                     "C 0,-30 94 3.1416>6.2832 dotted"}));
}

TEST(Contorni, OctagonPerimeterKeepsTwoDepthsFromEveryFace) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.dati.a = 30;
    f.dati.b = 10;
    f.dati.deff = 20; // faces at c = 25, dcrit = 40
    disegna_figura(f, 3, 0);
    EXPECT_TRUE(f.Text1[7].Enabled);
    const Lista l = prova::lista(f.Pic);
    ASSERT_EQ(l.size(), 27u);
    EXPECT_EQ(Lista(l.begin(), l.begin() + 11),
              (Lista{"B -15,-15 15,15", "L -15,25 15,25", "L 15,25 25,15", "L 25,15 25,-15",
                     "L 25,-15 15,-25", "L 15,-25 -15,-25", "L -15,-25 -25,-15",
                     "L -25,-15 -25,15", "L -25,15 -15,25", "T ' 30 ' -15,5.5085",
                     "T ' 10 ' -15,-14.4915"}));
    // Straight faces at ±65; each diagonal face is the column's diagonal face (|x| + |y| = 40)
    // moved out by 40 along its normal (40/√2 = 28.2843 along each axis), and the arcs join them.
    EXPECT_EQ(Lista(l.begin() + 11, l.end()),
              (Lista{"L -15,65 15,65 dotted", "L -15,-65 15,-65 dotted",
                     "L 65,-15 65,15 dotted", "L -65,-15 -65,15 dotted",
                     "C 25,15 40 0>0.7854 dotted", "L 53.2843,43.2843 43.2843,53.2843 dotted",
                     "C 15,25 40 0.7854>1.5708 dotted", "C -15,25 40 1.5708>2.3562 dotted",
                     "L -43.2843,53.2843 -53.2843,43.2843 dotted",
                     "C -25,15 40 2.3562>3.1416 dotted", "C -25,-15 40 3.1416>3.927 dotted",
                     "L -53.2843,-43.2843 -43.2843,-53.2843 dotted",
                     "C -15,-25 40 3.927>4.7124 dotted", "C 15,-25 40 4.7124>5.4978 dotted",
                     "L 43.2843,-53.2843 53.2843,-43.2843 dotted",
                     "C 25,-15 40 5.4978>6.2832 dotted"}));
}

TEST(Contorni, CircularImposedAreaAndWallGetNoPerimeterHere) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    for (const int forma : {1, 4, 5}) {
        disegna_figura(f, forma, 0);
        EXPECT_EQ(punteggiati(f.Pic), Lista{}) << forma;
    }
    EXPECT_EQ(prova::lista(f.Pic), Lista{}); // a wall: nothing at all
}

TEST(Unchiodo, DotsFollowThePositionAndTheListHoldsItsOwnFrame) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    EXPECT_EQ(un_chiodo(f, 0, 0, 30, 10),
              (Lista{"P 30,10 w3", "P 30,-10 w3", "P -30,10 w3", "P -30,-10 w3",
                     " 10           -30 \r", " 10            30 \r", "-10            30 \r",
                     "-10           -30 \r"}));
    // On the x axis the images coincide; four lines are still written.
    EXPECT_EQ(un_chiodo(f, 0, 0, 30, 0),
              (Lista{"P 30,0 w3", "P 30,0 w3", "P -30,0 w3", "P -30,0 w3",
                     " 0            -30 \r", " 0             30 \r", " 0             30 \r",
                     " 0            -30 \r"}));
    EXPECT_EQ(un_chiodo(f, 0, 1, 0, -55),
              (Lista{"P 0,-55 w3", "P 0,55 w3", " 0             55 \r", " 0            -55 \r"}));
    for (const int forma : {0, 1, 3}) // a corner column of any shape
        EXPECT_EQ(un_chiodo(f, forma, 2, 40, 10), (Lista{"P 40,10 w3", " 10           -40 \r"}));
    for (const int posizione : {0, 1}) // a circular column: the stud alone, nothing listed
        EXPECT_EQ(un_chiodo(f, 1, posizione, 12.5, -7.25), (Lista{"P 12.5,-7.25 w3"}));
    // Without an open stud list only the dots are drawn.
    prova::figura(f, 0, 0);
    f.Pic.Cls();
    f.Pic.DrawWidth = 2;
    disegna_unchiodo(f, 30, 10);
    EXPECT_EQ(prova::lista(f.Pic),
              (Lista{"P 30,10 w3", "P 30,-10 w3", "P -30,10 w3", "P -30,-10 w3"}));
    EXPECT_EQ(f.Pic.DrawWidth, 1);
}

} // namespace tessaro
