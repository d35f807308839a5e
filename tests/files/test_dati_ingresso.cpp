// The input record of the data files: exact bytes, round trips, short and broken files, and
// writes that fail.
#include "support/finestra_prova.h"

#include "files/dati_ingresso.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessaro {

namespace {
namespace fs = std::filesystem;


void scrivi(const fs::path& p, const std::string& contenuto) {
    std::ofstream(p, std::ios::binary) << contenuto;
}

// The texts of the defaults as the controls hold them before any recalculation.
const char* const iniziali[] = {
    "1450", "-14500", "0",    "0",   "40",   "37",     "40",    "60",   "0.8",  "0.8",
    "0.2",  "400",    "1.6",  "0.5", "3550", "1.10",   "0.2",   "0.2",  "0.2",  "50",
    "30",   "37",     "40",   "0.2", "1000", "2",      "3050",  "0",    "18.5", "27.5",
    "0",    "12",     "0.2",  "0",   "0",    "-10000", "1000",  "1.45", "1000", "0.0",
    "30",   "20",     "1000", "50",  "True", "False",  "False", "True"};

std::string righe(int quante) {
    std::string r;
    for (int i = 0; i < quante; ++i)
        r += std::string(iniziali[i]) + "\r\n";
    return r;
}
} // namespace

TEST(DatiIngresso, SaveLoadSaveGivesTheSameInputsAndTheSameBytes) {
    prova::FinestraProva a;
    a.f->Text3.Text = "città";
    a.f->imposta_Option1(1, true);
    a.f->imposta_Option3(0, true);
    ASSERT_TRUE(salva_dati(*a.f, "uno.CSE"));
    prova::FinestraProva b;
    ASSERT_TRUE(carica_dati(*b.f, a.cartella.percorso() / "uno.CSE"));
    EXPECT_EQ(b.f->Text3.Text, "città");
    for (int i = 0; i < 39; ++i)
        if (i != 15) EXPECT_EQ(b.testo(i), a.testo(i)) << i; // 15: "1.10" comes back as 1.1
    ASSERT_TRUE(salva_dati(*b.f, "due.CSE"));
    ASSERT_TRUE(carica_dati(*b.f, "due.CSE"));
    ASSERT_TRUE(salva_dati(*b.f, "tre.CSE"));
    EXPECT_EQ(prova::leggi_file("due.CSE"), prova::leggi_file("tre.CSE"));
}

TEST(DatiIngresso, AShortFileLoadsWhatItHas) {
    prova::FinestraProva w;
    w.f->Text1[4].Text = "55";
    scrivi("corto.CSE", "900\r\n-20000.0\r\n 7 ");
    EXPECT_FALSE(carica_dati(*w.f, "corto.CSE"));
    EXPECT_FALSE(carica_dati(*w.f, "manca.CSE"));
    const std::vector<std::string> attesi = {"900", "-20000", "7", "0", "55"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.testo(i), attesi[static_cast<std::size_t>(i)]) << i;
}

TEST(DatiIngresso, StatesOffLeaveTheOtherShapesAsTheyWere) {
    prova::FinestraProva w;
    std::string r = righe(44) + "False\r\nFalse\r\nfalse\r\nTRUE\r\n";
    scrivi("ottagono.CSE", r);
    w.f->imposta_Option1(3, true);
    EXPECT_TRUE(carica_dati(*w.f, "ottagono.CSE"));
    EXPECT_EQ(w.f->Option1, (std::array<bool, 6>{false, false, false, true, false, false}));
    EXPECT_EQ(w.f->Option3, (std::array<bool, 2>{false, true}));
    scrivi("stato.CSE", righe(44) + "Vero\r\n");
    EXPECT_FALSE(carica_dati(*w.f, "stato.CSE"));
    EXPECT_TRUE(w.f->Option1[3]);
}

TEST(DatiIngresso, GarbageLoadsWhatItCanAndTheWindowGoesOn) {
    prova::FinestraProva w;
    std::string rumore;
    for (int i = 0; i < 1 << 16; ++i)
        rumore += static_cast<char>((i * 7919 + i / 253) % 256);
    scrivi("rumore.CSE", rumore);
    carica_dati(*w.f, "rumore.CSE");
    w.f->Command1_Click(0);
    scrivi("nul.CSE", std::string(1 << 20, '\0'));
    EXPECT_FALSE(carica_dati(*w.f, "nul.CSE"));
    EXPECT_FALSE(carica_dati(*w.f, w.cartella.percorso())); // a folder
    // Valid again: the window takes a good file after the broken ones.
    scrivi("buono.CSE", righe(48));
    EXPECT_TRUE(carica_dati(*w.f, "buono.CSE"));
    w.f->Command1_Click(0);
    EXPECT_EQ(w.f->Label3[0].Caption, "5.824");
}

TEST(DatiIngresso, AFailedWriteIsTold) {
    prova::FinestraProva w;
    EXPECT_FALSE(salva_dati(*w.f, w.cartella.percorso() / "manca" / "x.CSE"));
    EXPECT_EQ(w.uscita.str(), "message=Impossibile scrivere il file " +
                                  (w.cartella.percorso() / "manca" / "x.CSE").string() + "\n");
}

} // namespace tessaro
