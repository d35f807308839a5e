// One stud: dots by the symmetry of the position, lines of the stud list.
#include "support/finestra_prova.h"

#include "drawing/lettura.h"
#include "drawing/unchiodo.h"
#include "files/file_testo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tessaro {

using prova::FinestraProva;
using Lista = std::vector<std::string>;

namespace {

// One stud drawn, at line width 2 before, into a fresh picture and a fresh stud list; the
// dots drawn, then the stud lines as written (two numbers, the second at column 14).
Lista un_chiodo(CalcoTess& f, int forma, int posizione, double x, double y) {
    prova::figura(f, forma, posizione);
    f.Pic.Cls();
    f.Pic.DrawWidth = 2;
    f.nfile_chiodi = std::make_unique<FileTesto>("chiodi.tmp");
    disegna_unchiodo(f, x, y);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
    EXPECT_TRUE(f.nfile_chiodi->chiudi());
    f.nfile_chiodi.reset();
    Lista esito = prova::lista(f.Pic);
    std::ifstream in("chiodi.tmp", std::ios::binary);
    for (std::string riga; std::getline(in, riga);) esito.push_back(riga);
    return esito;
}

} // namespace

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
    EXPECT_EQ(f.Pic.elementi().size(), 4u);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
}

} // namespace tessaro
