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

namespace {

struct Esito {
    std::vector<Punto> punti;
    std::string righe; // the stud lines as written, CR LF included
};

// One stud drawn into a fresh picture and a fresh stud list, at line width 2 before.
Esito un_chiodo(CalcoTess& f, int forma, int posizione, double x, double y) {
    f.Option1 = {};
    f.Option1[static_cast<std::size_t>(forma)] = true;
    f.Option2 = {};
    f.Option2[static_cast<std::size_t>(posizione)] = true;
    f.Pic.Cls();
    f.Pic.DrawWidth = 2;
    f.nfile_chiodi = std::make_unique<FileTesto>("chiodi.tmp");
    disegna_unchiodo(f, x, y);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
    EXPECT_TRUE(f.nfile_chiodi->chiudi());
    f.nfile_chiodi.reset();
    Esito esito;
    for (const Elemento& e : f.Pic.elementi()) {
        EXPECT_EQ(e.tipo, Elemento::Tipo::punto);
        EXPECT_EQ(e.larghezza, 3);
        esito.punti.push_back(e.p1);
    }
    std::ifstream in("chiodi.tmp", std::ios::binary);
    std::ostringstream testo;
    testo << in.rdbuf();
    esito.righe = testo.str();
    return esito;
}

void attesi(const Esito& e, const std::vector<Punto>& punti, const std::string& righe) {
    ASSERT_EQ(e.punti.size(), punti.size());
    for (std::size_t i = 0; i < punti.size(); ++i)
        EXPECT_TRUE(prova::vicino(e.punti[i], punti[i])) << i << ": " << e.punti[i];
    EXPECT_EQ(e.righe, righe);
}

} // namespace

TEST(Unchiodo, InteriorStudIsMirroredFourWaysAndListedExchanged) {
    FinestraProva w;
    attesi(un_chiodo(*w.f, 0, 0, 30, 10), {{30, 10}, {30, -10}, {-30, 10}, {-30, -10}},
           " 10           -30 \r\n"
           " 10            30 \r\n"
           "-10            30 \r\n"
           "-10           -30 \r\n");
    // On the x axis the images coincide; the four lines are still written.
    attesi(un_chiodo(*w.f, 0, 0, 30, 0), {{30, 0}, {30, 0}, {-30, 0}, {-30, 0}},
           " 0            -30 \r\n"
           " 0             30 \r\n"
           " 0             30 \r\n"
           " 0            -30 \r\n");
}

TEST(Unchiodo, EdgeStudIsMirroredAcrossTheXAxis) {
    FinestraProva w;
    attesi(un_chiodo(*w.f, 0, 1, 0, -55), {{0, -55}, {0, 55}},
           " 0             55 \r\n"
           " 0            -55 \r\n");
}

TEST(Unchiodo, CornerStudOfAnyShapeIsOneDotAndOneLine) {
    FinestraProva w;
    for (const int forma : {0, 1, 3})
        attesi(un_chiodo(*w.f, forma, 2, 40, 10), {{40, 10}}, " 10           -40 \r\n");
}

TEST(Unchiodo, CircularColumnDrawsOnlyTheGivenStudAndListsNothing) {
    FinestraProva w;
    for (const int posizione : {0, 1})
        attesi(un_chiodo(*w.f, 1, posizione, 12.5, -7.25), {{12.5, -7.25}}, "");
}

TEST(Unchiodo, WithoutAnOpenStudListOnlyTheDotsAreDrawn) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Pic.Cls();
    disegna_unchiodo(f, 30, 10);
    EXPECT_EQ(f.Pic.elementi().size(), 4u);
    EXPECT_EQ(f.Pic.DrawWidth, 1);
}

} // namespace tessaro
