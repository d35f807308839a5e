// Print zones, the code page, files that are replaced without ever being lost, and the
// report's formatting routines: exact texts, halves, negatives, overflow.
#include "support/finestra_prova.h"

#include "files/codifica.h"
#include "files/file_testo.h"
#include "files/formati.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

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
    for (const auto& e : std::filesystem::directory_iterator(c.percorso()))
        EXPECT_EQ(e.path().filename(), "dati.CSE"); // no temporary file left behind
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
    const Caso casi[] = {
        // The fixed masks round the fifteen digits half away from zero.
        {f1, 123.45, "    123.5"}, {f1, 0, "      0.0"}, {f1, -14500, " -14500.0"},
        {f1, 0.05, "      0.1"}, {f1, -0.05, "     -0.1"}, {f1, 0.25, "      0.3"},
        {f1, 2.675, "      2.7"},
        {f1, -0.04, "      0.0"}, {f1, 9999999.94, "9999999.9"}, {f1, 9999999.95, "#######.#"},
        {f1, 12345678.9, "#######.#"}, {f1, -999999.95, "#######.#"}, {f1, 1e300, "#######.#"},
        {f4, 0.52032, "   0.5203"}, {f4, 0.00015, "   0.0002"}, {f4, -0.00015, "  -0.0002"},
        {f4, 0.99995, "   1.0000"}, {f4, 9999.99995, "####.####"}, {f4, -999.9999, "-999.9999"},
        {f4, -1000, "####.####"}, {f3, 1.6, "    1.600"}, {f3, -2.0005, "   -2.001"},
        {f3, 99999.9994, "99999.999"}, {f3, 99999.9995, "#####.###"},
        // The unit forms round half to even on the double and never overflow.
        {u1, 0, "      0.0"}, {u1, -14500, " -14500.0"}, {u1, 0.25, "      0.2"},
        {u1, 0.35, "      0.3"}, {u1, 0.45, "      0.5"}, {u1, -0.04, "      0.0"},
        {u1, 12345678.9, "12345678.9"}, {u1, 1e15, "1000000000000000.0"},
        {u3, 37, "   37.000"}, {u3, -0.0001, "    0.000"}, {u3, 123456.5, "123456.500"}};
    for (const Caso& c : casi) EXPECT_EQ(c.forma(c.x), c.testo) << c.x;
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
