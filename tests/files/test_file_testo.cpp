// Print zones, the code page, files that are replaced without ever being lost, and the
// report's formatting routines: exact texts, halves, negatives, overflow.
#include "support/file_ostili.h"
#include "support/finestra_prova.h"

#include "files/codifica.h"
#include "files/file_testo.h"
#include "files/formati.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {

TEST(FileTesto, PrintZonesAndTheWindowsCodePage) {
    // A number takes its sign place and a blank after it (as in the stud lists of the scripts).
    EXPECT_EQ(RigaZone().numero(-15).zona().numero(38.5).str(), "-15            38.5 ");
    // Exactly at a zone boundary the text moves on to the next one.
    EXPECT_EQ(RigaZone().testo(std::string(14, 'x')).zona().testo("y").str(),
              std::string(14, 'x') + std::string(14, ' ') + "y");
    // Columns count characters, not bytes: "à" is one column.
    EXPECT_EQ(RigaZone().testo("unità").zona().testo("z").str(), "unità         z");
    // What the code page cannot hold becomes "?" (à and € are read and written in the files).
    EXPECT_EQ(a_cp1252("γc"), "?c");
    EXPECT_EQ(a_cp1252("\xff"), "?"); // a malformed sequence
    EXPECT_EQ(caratteri("γc à"), 4u);
}

TEST(FileTesto, AWriteEndsInCrLfOrFailsLeavingThePreviousFile) {
    prova::CartellaProva c;
    const auto p = c.percorso() / "dati.CSE";
    FileTesto nuovo(p);
    nuovo.riga("prima");
    nuovo.riga("città");
    ASSERT_TRUE(nuovo.chiudi());
    EXPECT_EQ(prova::leggi_file(p), "prima\r\ncitt\xe0\r\n");
    {
        FileTesto f(p);
        f.riga("nuovo");
    } // abandoned without chiudi()
    EXPECT_EQ(prova::leggi_file(p), "prima\r\ncitt\xe0\r\n");
    FileTesto g(c.percorso() / "manca" / "x.txt"); // a folder that does not exist
    g.riga("x");
    EXPECT_FALSE(g.chiudi());
    EXPECT_EQ(c.nomi(), std::set<std::string>{"dati.CSE"}); // no temporary file left behind
}

TEST(FileTesto, AFullDiskLeavesThePreviousFileAndNoTemporary) {
    prova::CartellaProva c;
    ASSERT_TRUE(sostituisci_file("dati.CSE", "prima\r\n"));
    {
        prova::DiscoPieno pieno(64);
        EXPECT_FALSE(sostituisci_file("dati.CSE", std::string(1000, 'x')));
    }
    EXPECT_EQ(prova::leggi_file("dati.CSE"), "prima\r\n");
    EXPECT_EQ(c.nomi(), std::set<std::string>{"dati.CSE"});
    EXPECT_FALSE(sostituisci_file(std::string("dati.CSE\0.bak", 13), "x")); // a NUL in the name
    EXPECT_EQ(c.nomi(), std::set<std::string>{"dati.CSE"});
}

// In a shared folder another user may plant links where the temporary would go: the save must
// never write through one, whatever name it tries.
TEST(FileTesto, APlantedLinkIsNeverWrittenThroughAndPermissionsStay) {
    prova::CartellaProva c;
    std::ofstream("altro") << "intatto";
    for (int k = 0; k < 200; ++k)
        std::filesystem::create_symlink(
            "altro", "dati.CSE.scrittura-" + std::to_string(::getpid()) + "-" + std::to_string(k));
    ASSERT_TRUE(sostituisci_file("dati.CSE", "nuovo"));
    EXPECT_EQ(prova::leggi_file("altro"), "intatto");
    EXPECT_EQ(prova::leggi_file("dati.CSE"), "nuovo");
    EXPECT_FALSE(std::filesystem::is_symlink("dati.CSE"));

    const auto modo = [](const char* p) {
        struct stat st {};
        ::stat(p, &st);
        return st.st_mode & 07777;
    };
    ::chmod("dati.CSE", 0640); // shared with the group, hidden from others
    ASSERT_TRUE(sostituisci_file("dati.CSE", "ancora"));
    EXPECT_EQ(modo("dati.CSE"), 0640u);
    const mode_t prima = ::umask(022);
    ASSERT_TRUE(sostituisci_file("nuovo.CSE", "x"));
    ::umask(prima);
    EXPECT_EQ(modo("nuovo.CSE"), 0644u);
}

// A destination is written as what it is: a link's target replaced and the link kept, a FIFO
// or a device written in place, never replaced by a regular file.
TEST(FileTesto, ADestinationIsWrittenAsWhatItIs) {
    prova::CartellaProva c;
    namespace fs = std::filesystem;
    fs::create_directory("vero");
    std::ofstream("vero/dati.CSE") << "vecchio";
    ::chmod("vero/dati.CSE", 0640);
    fs::create_symlink("vero/dati.CSE", "dati.CSE");
    fs::create_symlink("vero/nuovo.CSE", "nuovo.CSE"); // leads nowhere yet
    fs::create_symlink("/dev/null", "nulla");
    fs::create_symlink("/dev/full", "pieno");
    fs::create_symlink("giro2", "giro1");
    fs::create_symlink("giro1", "giro2");
    ASSERT_EQ(::mkfifo("fifo", 0600), 0);
    const int tenuta = ::open("fifo", O_RDWR | O_NONBLOCK); // a reader that lets the open return
    ASSERT_GE(tenuta, 0);
    const struct {
        const char* destinazione;
        bool scritto;
    } casi[] = {{"dati.CSE", true}, {"nuovo.CSE", true}, {"nulla", true}, {"fifo", true},
                {"pieno", false},   {"vero", false},     {"giro1", false}};
    for (const auto& k : casi)
        EXPECT_EQ(sostituisci_file(k.destinazione, "nuovo"), k.scritto) << k.destinazione;
    for (const char* link : {"dati.CSE", "nuovo.CSE", "nulla", "pieno", "giro1"})
        EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_EQ(prova::leggi_file("vero/dati.CSE"), "nuovo");
    EXPECT_EQ(prova::leggi_file("vero/nuovo.CSE"), "nuovo");
    struct stat st {};
    ASSERT_EQ(::stat("vero/dati.CSE", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    char letti[16] = {};
    EXPECT_EQ(::read(tenuta, letti, sizeof letti), 5);
    EXPECT_EQ(std::string(letti), "nuovo");
    ::close(tenuta);
    EXPECT_TRUE(fs::is_fifo("fifo"));
    EXPECT_TRUE(fs::is_directory("vero"));
    EXPECT_EQ(c.nomi(), (std::set<std::string>{"dati.CSE", "nuovo.CSE", "nulla", "pieno", "giro1",
                                               "giro2", "fifo", "vero"}));
}

// The temporary of a replacement still being written is locked: the cleaning of a later run
// leaves it, and removes only what a killed run left.
TEST(FileTesto, ACleaningRemovesAKilledRunsTemporaryNeverARunningOne) {
    prova::CartellaProva c;
    std::ofstream("dati.CSE.scrittura-AbCdEfGhIjKl") << "abbandonato";
    SostituzioneFile in_corso("dati.CSE");
    ASSERT_TRUE(in_corso.scrivi("nuovo"));
    rimuovi_temporanei_abbandonati(".");
    EXPECT_EQ(c.nomi().size(), 1u); // its own temporary alone
    ASSERT_TRUE(in_corso.concludi());
    EXPECT_EQ(prova::leggi_file("dati.CSE"), "nuovo");
    EXPECT_EQ(c.nomi(), std::set<std::string>{"dati.CSE"});
}

TEST(FileTesto, OnlyTheNamesOfItsOwnTemporariesAreRecognised) {
    const std::pair<const char*, bool> casi[] = {{"ZR_tessa.tmp.scrittura-Ab3dEf9hIjK0", true},
                                                 {"r.txt.scrittura-1234-0", true},
                                                 {"chiodi.tmp.scrittura-77-12", true},
                                                 {".scrittura-Ab3dEf9hIjK0", false},
                                                 {"x.scrittura-Ab3dEf9hIjK", false},
                                                 {"x.scrittura-Ab3dEf9hIjK0Z", false},
                                                 {"x.scrittura-Ab3dEf9hIj_0", false},
                                                 {"x.scrittura-12-", false},
                                                 {"x.scrittura--3", false},
                                                 {"x.scrittura-1a-3", false},
                                                 {"relazione.scrittura.txt", false},
                                                 {"ZR_tessa.tmp", false}};
    for (const auto& [nome, suo] : casi)
        EXPECT_EQ(temporaneo_di_sostituzione(nome), suo) << nome;
}

TEST(FileTesto, OnlyARegularFileIsReadAndNothingWaitsOnAFifo) {
    prova::CartellaProva c;
    ASSERT_EQ(::mkfifo("fifo", 0600), 0);
    std::filesystem::create_directory("cartella");
    std::ofstream("dati") << "0123456789";
    EXPECT_FALSE(leggi_file_regolare("fifo", 100)); // returns at once: the open does not wait
    EXPECT_FALSE(leggi_file_regolare("cartella", 100));
    EXPECT_FALSE(leggi_file_regolare("manca", 100));
    EXPECT_FALSE(leggi_file_regolare(std::string("dati\0x", 6), 100));
    EXPECT_EQ(leggi_file_regolare("dati", 100), "0123456789");
    EXPECT_EQ(leggi_file_regolare("dati", 4), "0123");
    // A working file is written over a regular file or nothing, never into a FIFO planted in
    // its place, which would hold the window until somebody read it.
    std::filesystem::create_symlink("fifo", "link_fifo");
    EXPECT_FALSE(sostituisci_file_di_lavoro("fifo", "x"));
    EXPECT_FALSE(sostituisci_file_di_lavoro("link_fifo", "x"));
    EXPECT_TRUE(std::filesystem::is_fifo("fifo"));
    EXPECT_TRUE(sostituisci_file_di_lavoro("dati", "nuovi"));
    EXPECT_TRUE(sostituisci_file_di_lavoro("nuovo", "x"));
    EXPECT_EQ(leggi_file_regolare("dati", 100), "nuovi");
}

TEST(Formati, FixedAndUnitFormsWithTheirHalvesAndOverflow) {
    using F = std::function<std::string(double)>;
    const F f1 = [](double x) { return formatta(x); }, f3 = [](double x) { return formatta3(x); },
            f4 = [](double x) { return formatta4(x); },
            u1 = [](double x) { return formatta_u(x, 1.0); },
            u3 = [](double x) { return formatta_u3(x, 1.0); };
    struct Caso {
        const F& forma;
        double x;
        const char* testo;
    };
    const Caso casi[] = {// The fixed masks round the fifteen digits half away from zero.
                         {f1, 123.45, "    123.5"},
                         {f1, 0, "      0.0"},
                         {f1, -14500, " -14500.0"},
                         {f1, 0.05, "      0.1"},
                         {f1, -0.05, "     -0.1"},
                         {f1, 0.25, "      0.3"},
                         {f1, 2.675, "      2.7"},
                         {f1, -0.04, "      0.0"},
                         {f1, 9999999.94, "9999999.9"},
                         {f1, 9999999.95, "#######.#"},
                         {f1, 12345678.9, "#######.#"},
                         {f1, -999999.95, "#######.#"},
                         {f1, 1e300, "#######.#"},
                         {f4, 0.52032, "   0.5203"},
                         {f4, 0.00015, "   0.0002"},
                         {f4, -0.00015, "  -0.0002"},
                         {f4, 0.99995, "   1.0000"},
                         {f4, 9999.99995, "####.####"},
                         {f4, -999.9999, "-999.9999"},
                         {f4, -1000, "####.####"},
                         {f3, 1.6, "    1.600"},
                         {f3, -2.0005, "   -2.001"},
                         {f3, 99999.9994, "99999.999"},
                         {f3, 99999.9995, "#####.###"},
                         // The unit forms round half to even on the double and never overflow.
                         {u1, 0, "      0.0"},
                         {u1, -14500, " -14500.0"},
                         {u1, 0.25, "      0.2"},
                         {u1, 0.35, "      0.3"},
                         {u1, 0.45, "      0.5"},
                         {u1, -0.04, "      0.0"},
                         {u1, 12345678.9, "12345678.9"},
                         {u1, 1e15, "1000000000000000.0"},
                         {u3, 37, "   37.000"},
                         {u3, -0.0001, "    0.000"},
                         {u3, 123456.5, "123456.500"}};
    for (const Caso& c : casi)
        EXPECT_EQ(c.forma(c.x), c.testo) << c.x;
}

TEST(Formati, TheUnitFactorScalesTheValueAndItsDecimals) {
    // A factor of 10 or more shows fewer decimals, one below 1 more, never fewer than none.
    EXPECT_EQ(formatta_u(2.5, 10), "       25");
    EXPECT_EQ(formatta_u(0, 10), "       0.");
    EXPECT_EQ(formatta_u(2.5, 0.5), "     1.25");
    EXPECT_EQ(formatta_u3(1, 1e6), "  1000000");
    EXPECT_EQ(formatta_u3(1, 1e-6), "0.000001000");
    EXPECT_EQ(formatta_u3(1, 1e-8), "    0.000");
}

TEST(Formati, AValueThatIsNoNumberPrintsAsBlanks) {
    EXPECT_EQ(formatta(valore("")), "         ");
    EXPECT_EQ(formatta3(valore("abc")), "         ");
    EXPECT_EQ(formatta4(valore("1,5")), "         ");
    EXPECT_EQ(formatta_u3(std::numeric_limits<double>::infinity(), 1.0), "         ");
    EXPECT_EQ(formatta_u(1e308, 10), "         "); // the product overflows
    EXPECT_EQ(formatta(std::numeric_limits<double>::quiet_NaN()), "         ");
    EXPECT_EQ(formatta_u(valore(" 2.5 "), 1.0), "      2.5");
}

} // namespace tessaro
