// The data files: the item reader (delimiters, quotation marks, blanks, broken input) and the
// input record (round trips, short and broken files). A failed write is the commands'.
#include "support/file_ostili.h"
#include "support/finestra_prova.h"

#include "files/dati_ingresso.h"
#include "files/lettore_voci.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace tessaro {

namespace {
using V = std::vector<std::string>;

// Every item the reader gives until it gives none.
V voci(const std::string& contenuto) {
    std::istringstream in(contenuto);
    LettoreVoci lettore(in);
    V tutte;
    while (const auto v = lettore.voce()) tutte.push_back(*v);
    return tutte;
}

void scrivi(const std::filesystem::path& p, const std::string& contenuto) {
    std::ofstream(p, std::ios::binary) << contenuto;
}

// The first n lines of the data file of the defaults (48 lines in all).
std::string righe(prova::FinestraProva& w, int n) {
    EXPECT_TRUE(salva_dati(*w.f, "base.CSE"));
    const std::string r = prova::leggi_file("base.CSE");
    std::size_t p = 0;
    for (int i = 0; i < n; ++i) p = r.find('\n', p) + 1;
    return r.substr(0, p);
}
} // namespace

TEST(LettoreVoci, CommasLineEndsBlanksQuotesAndTheCodePage) {
    const std::pair<std::string, V> casi[] = {
        // Items end at commas and line ends.
        {"1450\r\n-14500\r\n", {"1450", "-14500"}}, {"1,5\r\n", {"1", "5"}},
        {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}}, {"x,\r\n", {"x", ""}}, {",,", {"", ""}},
        // Blanks before an item are skipped, blanks after it dropped.
        {"   2.5  \r\n\t7\t,8", {"2.5", "7", "8"}}, {"a b  c \r\n", {"a b  c"}}, {"   \r\n", {""}},
        // Quotation marks keep commas, blanks and line ends; inside an item a mark is text.
        {"\" 1,5 \"\r\nx", {" 1,5 ", "x"}}, {"  \"a\"  dropped ,b", {"a", "b"}},
        {"\"riga\r\ndue\"\r\n", {"riga\r\ndue"}}, {"\"\"\r\n", {""}}, {"a\"b\"\r\n", {"a\"b\""}},
        // Within quotation marks two marks stand for one.
        {"\"a\"\"b\"\r\n\"\"\"\"\r\n", {"a\"b", "\""}},
        {"unit\xe0\r\n\x80", {"unità", "€"}}, {"", {}}, {"\r\n", {""}}};
    for (const auto& [testo, attese] : casi) EXPECT_EQ(voci(testo), attese) << testo;
}

TEST(LettoreVoci, BrokenInputEndsTheReading) {
    // A quotation mark that never closes gives nothing, and nothing after it.
    EXPECT_EQ(voci("1\r\n\"aperto,2\r\n3\r\n"), (V{"1"}));
    // An item far longer than any field: the reader stops instead of filling the memory.
    const std::string lunga(100000, 'x');
    EXPECT_EQ(voci("1\r\n" + lunga + "\r\n2\r\n"), (V{"1"}));
    EXPECT_EQ(voci("\"" + lunga + "\"\r\n"), V{});
    EXPECT_EQ(voci("\"a\"" + lunga + "\r\n"), V{});
}

TEST(DatiIngresso, SaveLoadSaveGivesTheSameInputsAndTheSameBytes) {
    prova::FinestraProva a;
    a.f->Text3.Text = "città";
    // Texts with a comma or a quotation mark come back whole, every later item in its place.
    a.f->Text1[8].Text = "0,9";
    a.f->Text2.Text = "4\"0, \"5";
    a.f->imposta_Option1(1, true);
    a.f->imposta_Option3(0, true);
    ASSERT_TRUE(salva_dati(*a.f, "uno.CSE"));
    prova::FinestraProva b;
    ASSERT_TRUE(carica_dati(*b.f, a.cartella.percorso() / "uno.CSE"));
    EXPECT_EQ(b.f->Text3.Text, "città");
    EXPECT_EQ(b.f->Text2.Text, "4\"0, \"5");
    EXPECT_NE(prova::leggi_file(a.cartella.percorso() / "uno.CSE").find("\r\n\"0,9\"\r\n"),
              std::string::npos);
    for (int i = 0; i < 39; ++i) // "1.10" comes back in the plain number form
        EXPECT_EQ(b.testo(i), i == 15 ? "1.1" : a.testo(i)) << i;
    ASSERT_TRUE(salva_dati(*b.f, "due.CSE"));
    ASSERT_TRUE(carica_dati(*b.f, "due.CSE"));
    ASSERT_TRUE(salva_dati(*b.f, "tre.CSE"));
    EXPECT_EQ(prova::leggi_file("due.CSE"), prova::leggi_file("tre.CSE"));
}

TEST(DatiIngresso, ShortFilesAndStatesOffLoadWhatTheyHave) {
    prova::FinestraProva w;
    w.f->Text1[4].Text = "55";
    scrivi("corto.CSE", "900\r\n-20000.0\r\n 7 ");
    EXPECT_FALSE(carica_dati(*w.f, "corto.CSE"));
    EXPECT_FALSE(carica_dati(*w.f, "manca.CSE"));
    const V attesi = {"900", "-20000", "7", "0", "55"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.testo(i), attesi[static_cast<std::size_t>(i)]) << i;
    // States off leave the other shapes as they were.
    scrivi("ottagono.CSE", righe(w, 44) + "False\r\nFalse\r\nfalse\r\nTRUE\r\n");
    w.f->imposta_Option1(3, true);
    EXPECT_TRUE(carica_dati(*w.f, "ottagono.CSE"));
    EXPECT_EQ(w.f->Option1, (std::array<bool, 6>{false, false, false, true, false, false}));
    EXPECT_EQ(w.f->Option3, (std::array<bool, 2>{false, true}));
}

TEST(DatiIngresso, GarbageLoadsWhatItCanAndTheWindowGoesOn) {
    prova::FinestraProva w;
    const std::string buono = righe(w, 48);
    std::string rumore;
    for (int i = 0; i < 1 << 16; ++i) rumore += static_cast<char>((i * 7919 + i / 253) % 256);
    scrivi("rumore.CSE", rumore);
    carica_dati(*w.f, "rumore.CSE");
    w.f->Command1_Click(0);
    EXPECT_FALSE(carica_dati(*w.f, w.cartella.percorso())); // a folder
    // Valid again: the window takes a good file after the broken ones.
    scrivi("buono.CSE", buono);
    EXPECT_TRUE(carica_dati(*w.f, "buono.CSE"));
    w.f->Command1_Click(0);
    EXPECT_EQ(w.f->Label3[0].Caption, "5.824");
}

TEST(DatiIngresso, AFifoOrADeviceIsRefusedWithoutWaiting) {
    prova::FinestraProva w;
    ASSERT_EQ(::mkfifo("tubo.CSE", 0600), 0);
    bool caricato = true;
    EXPECT_TRUE(
        prova::finisce_presto("tubo.CSE", [&] { caricato = carica_dati(*w.f, "tubo.CSE"); }));
    EXPECT_FALSE(caricato);
    EXPECT_FALSE(carica_dati(*w.f, "/dev/zero")); // endless: never read
    EXPECT_EQ(w.testo(0), "1450");
}

} // namespace tessaro
