// The plan drawing's guards, dcrit and the moduli it leaves behind.
#include "support/finestra_prova.h"

#include "drawing/pianta.h"

#include <gtest/gtest.h>

namespace tessaro {

TEST(Pianta, RunsOnlyForAPositiveProductOfDeffAAndB) {
    prova::FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    g.deff = 50;
    g.W1x = -1;
    for (const auto& [i, testo] : {std::pair{7, ""}, {6, "-40"}, {5, "abc"}}) {
        const std::string prima = w.testo(i);
        w.f->Text1[static_cast<std::size_t>(i)].Text = testo;
        disegna(*w.f);
        EXPECT_EQ(g.dcrit, 74) << i << " " << testo;
        EXPECT_EQ(g.W1x, -1) << i << " " << testo;
        w.f->Text1[static_cast<std::size_t>(i)].Text = prima;
    }
    g.in_avvio = 1; // start-up: dcrit only
    disegna(*w.f);
    EXPECT_EQ(g.dcrit, 100);
    EXPECT_EQ(g.W1x, -1);
    g.in_avvio = 0;
    disegna(*w.f);
    EXPECT_GT(g.W1x, 0);
}

} // namespace tessaro
