// Print zones, the code page, and files that are replaced without ever being lost.
#include "support/finestra_prova.h"

#include "files/codifica.h"
#include "files/file_testo.h"

#include <gtest/gtest.h>


namespace tessaro {

TEST(FileTesto, PrintZonesAndTheWindowsCodePage) {
    EXPECT_EQ(RigaZone().numero(1).zona().numero(0).zona().testo("interno").str(),
              " 1             0            interno");
    EXPECT_EQ(RigaZone().numero(-15).zona().numero(38.5).str(), "-15            38.5 ");
    // Exactly at a zone boundary the text moves on to the next one.
    EXPECT_EQ(RigaZone().testo(std::string(14, 'x')).zona().testo("y").str(),
              std::string(14, 'x') + std::string(14, ' ') + "y");
    // Columns count characters, not bytes: "à" is one column.
    EXPECT_EQ(RigaZone().testo("unità").zona().testo("z").str(), "unità         z");
    EXPECT_EQ(a_cp1252("unità €"), "unit\xe0 \x80");
    EXPECT_EQ(da_cp1252("unit\xe0 \x80"), "unità €");
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

} // namespace tessaro
