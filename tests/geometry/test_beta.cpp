// Eccentricity factor: Table 6.1, the interior closed form, the edge ratio, the circular
// shares, and the shared values that the cases change for a while.
#include "geometry/colonna.h"

#include "geometry/beta.h"
#include "geometry/moduli.h"
#include "verification/conversioni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {
constexpr double d = 37;

// What the cases change for a while.
struct Stato {
    double Db_a, Db_b, a, b, Mxd, Myd;
    std::array<bool, 3> Option2;
    bool operator==(const Stato&) const = default;
};

Stato stato(const CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    return {g.Db_a, g.Db_b, g.a, g.b, g.Mxd, g.Myd, f.Option2};
}

// The moduli and the centroid, which must describe the actual column in the end.
std::array<double, 4> moduli(const CalcoTess& f) {
    return {f.dati.W1x, f.dati.W1y, f.dati.xG, f.dati.yG};
}

// W1x of the interior rectangle a × b in closed form (cm²).
double W1x_interno(double a, double b) {
    return b * b / 2 + a * b + 4 * a * d + 16 * d * d + 2 * PI * d * b;
}

void momenti(FinestraProva& w, const char* Mxd, const char* Myd) {
    w.f->Text1[2].Text = Mxd;
    w.digita(3, Myd);
}

constexpr void (*routines[])(CalcoTess&) = {calcola_beta1, calcola_beta2, calcola_beta1_circ,
                                            calcola_beta2_circ};
} // namespace

TEST(Beta, SideRatioFactorOfTable61) {
    struct Caso {
        double r, k;
    };
    for (const Caso c : {Caso{0, 0.45},
                         {0.5, 0.45},
                         {0.75, 0.525},
                         {1, 0.6},
                         {1.5, 0.65},
                         {2, 0.7},
                         {3, 0.8},
                         {10, 0.8}})
        EXPECT_DOUBLE_EQ(Kab(c.r), c.k) << c.r;
}

TEST(Beta, InteriorRectangle) {
    FinestraProva w;
    EXPECT_NEAR(w.f->dati.betax, 0, 1e-9); // the chain's centroid is 0 to about 1e-10 cm
    EXPECT_EQ(w.testo(32), "1");
    momenti(w, "2000", "-1000");
    const DatiCalcolo& g = w.f->dati;
    const double uI = 200 + 4 * PI * d;
    // k(b/a) = k(1.5) = 0.65 for Mxd, k(a/b) = k(2/3) = 0.5 for Myd; e = M·100/|Nd|.
    EXPECT_NEAR(g.betax / (0.65 * 200000 / 14500 * uI / W1x_interno(40, 60)), 1, 1e-5);
    EXPECT_NEAR(g.betay / (0.5 * 100000 / 14500 * uI / W1x_interno(60, 40)), 1, 1e-5);
}

TEST(Beta, EdgeAtTheFaceGivesThePerimeterRatio) {
    FinestraProva w;
    momenti(w, "1500", "900");
    w.digita(38, "0");
    const DatiCalcolo& g = w.f->dati;
    ASSERT_EQ(g.rid_a, 0);
    const double uA = 2 * 40 + 60 + 2 * PI * d;
    EXPECT_EQ(g.betay, uA / (60 + 2 * (PI * d + 20)) - 1); // whatever the moments
    // betax is the edge case alone: k(a/(2·b)) = k(1/3) = 0.45, Mxd about the edge perimeter.
    const double W1x_bordo = 2 * (W1x_interno(40, 60) / 4 + 20 * (30 + 2 * d));
    EXPECT_NEAR(g.betax / (0.45 * 150000 / 14500 * uA / W1x_bordo), 1, 1e-5);
}

TEST(Beta, CircularInteriorSharesTheResultantMoment) {
    struct Caso {
        const char *Mxd, *Myd;
        double quota_y; // share of betay: 2^(−|Mxd/Myd|)
    };
    for (const Caso c :
         {Caso{"3000", "0", 0}, {"0", "3000", 1}, {"1000", "-2000", std::sqrt(0.5)}}) {
        FinestraProva w;
        w.f->imposta_Option1(1, true);
        momenti(w, c.Mxd, c.Myd);
        const DatiCalcolo& g = w.f->dati;
        const double Mr = std::hypot(strict(c.Mxd), strict(c.Myd));
        // The whole term, about W1x for betax and about W1y for betay.
        const double termine = 0.6 * Mr * 100 / 14500 * PI * (4 * d + 40);
        EXPECT_NEAR(g.betax, termine / g.W1x * (1 - c.quota_y), 1e-12) << c.Mxd << " " << c.Myd;
        EXPECT_NEAR(g.betay, termine / g.W1y * c.quota_y, 1e-12) << c.Mxd << " " << c.Myd;
        EXPECT_TRUE(c.quota_y != 0 || g.betay == 0);
        EXPECT_TRUE(c.quota_y != 1 || g.betax == 0);
    }
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
        const double betax = w.f->dati.betax, betay = w.f->dati.betay;
        w.f->Text1[1].Text = "0"; // Nd = 0: the first moment term divides by zero
        EXPECT_THROW(routine(*w.f), Fault);
        EXPECT_EQ(stato(*w.f), prima);
        EXPECT_EQ(moduli(*w.f), moduli_prima);
        EXPECT_EQ(w.f->dati.betax, betax);
        EXPECT_EQ(w.f->dati.betay, betay);
    }
}

} // namespace tessaro
