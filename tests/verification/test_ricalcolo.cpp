// The recalculation: values read back as shown, every guard, faults and hostile texts.
#include "support/finestra_prova.h"

#include "cli/dump.h"
#include "numeric/conversioni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {
// The dump without the line of field i (the text just typed there).
std::string senza_campo(std::string d, int i) {
    const auto p = d.find("Text1(" + std::to_string(i) + ")=");
    return d.erase(p, d.find('\n', p) + 1 - p);
}
} // namespace

TEST(Ricalcolo, ReadsBackTheShownValues) {
    FinestraProva w;
    // A ratio typed with more decimals than field 10 shows: τrdc follows the shown value.
    w.f->Text1[10].Text = "0.81234567";
    w.f->Text1[9].Text = "abc"; // step 8 skipped: field 10 keeps what was typed
    w.f->Text1_LostFocus(5);
    EXPECT_EQ(w.testo(10), "0.81234567");
    const double tau = 0.18 / 1.6 * 1.735 * std::cbrt(0.81234567 * 332 / 10) * 10;
    EXPECT_EQ(w.f->Label3[0].Caption, show(R(tau, 3)));
    // Service actions: the design moment 123.45·1.45 = 179.0025 is read back as shown.
    w.f->imposta_Option3(0, true);
    w.f->Text1[34].Text = "123.45";
    w.digita(35, "-20000");
    EXPECT_EQ(w.testo(2), "179");
    EXPECT_DOUBLE_EQ(w.f->dati.Mxd, 179);
}

TEST(Ricalcolo, GuardsEndThePassQuietly) {
    struct Caso {
        int campo;
        const char* testo;
    };
    for (const Caso c : {Caso{1, "0"}, {1, "100"}, {37, "0"}, {37, "-1"}, {38, "-5"}, {5, "1,5"}}) {
        FinestraProva w;
        const std::string prima = senza_campo(dump(*w.f), c.campo);
        w.digita(c.campo, c.testo);
        EXPECT_EQ(senza_campo(dump(*w.f), c.campo), prima) << c.campo << " " << c.testo;
    }
    // No rails: the caps are applied before the guard, k and the perimeter are not recomputed.
    FinestraProva w;
    w.f->Text1[28].Text = "20";
    w.f->Text1[5].Text = "36";
    w.digita(31, "0");
    EXPECT_EQ(w.testo(28), "18");
    EXPECT_EQ(w.testo(22), "1.735");
    EXPECT_EQ(w.testo(20), "664.956");
}

TEST(Ricalcolo, HostileTextsNeverCrashNorShowNonNumbers) {
    const char* testi[] = {"", "abc", "1e308", "-1e308", "1e-320", "0", "-0", "1,5", "  ",
                           "99999999999999999999", "-7", "NaN", "inf", "0.0000001", "\xff\xfe"};
    for (int campo = 0; campo < 39; ++campo) {
        for (const char* t : testi) {
            FinestraProva w;
            w.digita(campo, t);
            w.f->Command1_Click(0);
            const std::string d = senza_campo(dump(*w.f), campo);
            for (const char* vietato : {"nan", "inf", "e+", "e-"})
                EXPECT_EQ(d.find(vietato), std::string::npos)
                    << "campo " << campo << " testo " << t << "\n" << d;
        }
    }
}

TEST(Ricalcolo, APerimeterThatFaultsDoesNotStopLaterPasses) {
    FinestraProva w;
    w.f->Text1[6].Text = "700";
    w.digita(5, "0.1"); // 350 cm in pieces of 0.01 cm: beyond a 16-bit count, a fault
    EXPECT_EQ(w.testo(21), "1520");
    // The next pass first draws the geometry of this one, which faults again; it must still
    // read the corrected inputs.
    w.f->Text1[6].Text = "40";
    w.digita(5, "37");
    EXPECT_EQ(w.testo(21), "200");
    EXPECT_EQ(w.testo(18), "45972.85");
    EXPECT_EQ(w.testo(32), "1");
}

} // namespace tessaro
