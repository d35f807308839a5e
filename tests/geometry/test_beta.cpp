// The column position at its ties, the capped circular face perimeter, and the eccentricity
// factor: Table 6.1, no moments, the edge ratio, and the shared values that the cases change
// for a while. The circular shares of the resultant moment are the beta_circular script's.
#include "support/finestra_prova.h"

#include "geometry/beta.h"
#include "geometry/moduli.h"
#include "geometry/perimetri.h"

#include <gtest/gtest.h>

namespace tessaro {

using prova::FinestraProva;

namespace {
constexpr double d = 37;

// What the cases change for a while, and the moduli and centroid, which must describe the
// actual column in the end.
struct Stato {
    double Db_a, Db_b, a, b, Mxd, Myd;
    std::array<bool, 3> Option2;
    bool operator==(const Stato&) const = default;
};
Stato stato(const CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    return {g.Db_a, g.Db_b, g.a, g.b, g.Mxd, g.Myd, f.Option2};
}
std::array<double, 4> moduli(const CalcoTess& f) {
    return {f.dati.W1x, f.dati.W1y, f.dati.xG, f.dati.yG};
}

void momenti(FinestraProva& w, const char* Mxd, const char* Myd) {
    w.f->Text1[2].Text = Mxd;
    w.digita(3, Myd);
}

constexpr void (*routines[])(CalcoTess&) = {calcola_beta1, calcola_beta2, calcola_beta1_circ,
                                            calcola_beta2_circ};
} // namespace

TEST(Perimetri, TieBetweenEdgeAndInteriorIsInteriorWithWeightOne) {
    FinestraProva w;
    DatiCalcolo& g = w.f->dati;
    // uA = uI when Db_a = b/2 + π·d; the weight of the edge position is then 1 as well.
    g.Db_a = 30 + PI * d;
    g.Db_b = 1000;
    g.deff = d;
    ASSERT_EQ(2 * 40 + 60 + 2 * g.Db_a + 2 * PI * d, 2 * 100 + 4 * PI * d);
    calcola_u0(*w.f);
    EXPECT_EQ(w.f->posizione(), 0);
    EXPECT_EQ(g.rid_a, 1);
    EXPECT_NEAR(g.Db_a / (30 + PI * d), 1, 1e-15);
}

TEST(Perimetri, CircularCornerFacePerimeterNeverExceedsTheCircumference) {
    FinestraProva w;
    w.f->imposta_Option1(1, true);
    w.f->Text1[38].Text = "60";
    w.digita(24, "60");
    EXPECT_EQ(w.f->posizione(), 2);
    EXPECT_NEAR(w.f->dati.u0, PI * 40, 1e-9);
}

TEST(Beta, SideRatioFactorOfTable61) {
    const std::pair<double, double> casi[] = {{0, 0.45}, {0.5, 0.45}, {0.75, 0.525}, {1, 0.6},
                                              {1.5, 0.65}, {2, 0.7}, {3, 0.8}, {10, 0.8}};
    for (const auto& [r, k] : casi) EXPECT_DOUBLE_EQ(Kab(r), k) << r;
}

TEST(Beta, NoMomentsGiveOneAndAnEdgeAtTheFaceThePerimeterRatio) {
    FinestraProva w;
    EXPECT_NEAR(w.f->dati.betax, 0, 1e-9); // the chain's centroid is 0 to about 1e-10 cm
    EXPECT_EQ(w.testo(32), "1");
    momenti(w, "1500", "900");
    w.digita(38, "0");
    ASSERT_EQ(w.f->dati.rid_a, 0);
    const double uA = 2 * 40 + 60 + 2 * PI * d; // whatever the moments
    EXPECT_EQ(w.f->dati.betay, uA / (60 + 2 * (PI * d + 20)) - 1);
}

TEST(Beta, CasesChangeNothingForGood) {
    for (const bool circolare : {false, true}) {
        FinestraProva w;
        if (circolare) w.f->imposta_Option1(1, true);
        momenti(w, "1200", "-800");
        w.digita(24, "25"); // edge on the b side: sides and distances exchanged
        ASSERT_EQ(w.f->posizione(), 1);
        for (auto* routine : routines) {
            const Stato prima = stato(*w.f);
            routine(*w.f);
            EXPECT_EQ(stato(*w.f), prima);
        }
        // After the routine for betay the moduli are those of the actual column again.
        calcola_beta1(*w.f);
        calcola_beta2(*w.f);
        const auto dopo_coppia = moduli(*w.f);
        calcola_W(*w.f);
        EXPECT_EQ(moduli(*w.f), dopo_coppia);
    }
}

TEST(Beta, AFaultHalfWayLeavesEverythingAsItWas) {
    for (auto* routine : routines) {
        FinestraProva w;
        momenti(w, "1200", "-800");
        w.digita(38, "20"); // edge: the interior case changes distances and position
        const Stato prima = stato(*w.f);
        const auto moduli_prima = moduli(*w.f);
        const std::pair beta{w.f->dati.betax, w.f->dati.betay};
        w.f->Text1[1].Text = "0"; // Nd = 0: the first moment term divides by zero
        EXPECT_THROW(routine(*w.f), Fault);
        EXPECT_EQ(stato(*w.f), prima);
        EXPECT_EQ(moduli(*w.f), moduli_prima);
        EXPECT_EQ(std::pair(w.f->dati.betax, w.f->dati.betay), beta);
    }
}

} // namespace tessaro
