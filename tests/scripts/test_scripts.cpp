// Every session script of this folder, run on the model against its reviewed expected output.
// NAME.script prints NAME.expected; a file NAME.FILE.expected is compared with FILE of the
// working folder after the run (the stud list, a report, a data file); the files of the folder
// NAME.files are copied into the working folder first. On a mismatch NAME.actual (or
// NAME.FILE.actual) is written beside the expected file. The printed output names the working
// folder, a new temporary folder at every run, as WORKDIR, and the Qt version of the build as
// QTVERSION, so that the expected output holds on any machine. Then the runner itself: lines,
// exit statuses and the messages it prints.
#include "support/script_prova.h"

#include "app/versione.h"

#include "cli/documenti.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

void confronta(const fs::path& atteso, const std::string& effettivo) {
    auto actual = atteso;
    actual.replace_extension(".actual");
    if (prova::leggi_file(atteso) == effettivo) {
        fs::remove(actual);
        return;
    }
    std::ofstream(actual, std::ios::binary) << effettivo;
    ADD_FAILURE() << atteso.filename() << " differs; see " << actual;
}

std::string stabile(std::string testo, const fs::path& lavoro) {
    const std::pair<std::string, std::string> sostituzioni[] = {
        {lavoro.string(), "WORKDIR"}, {std::string("Qt ") + versione_qt, "Qt QTVERSION"}};
    for (const auto& [da, a] : sostituzioni)
        for (auto i = testo.find(da); i != std::string::npos; i = testo.find(da, i + a.size()))
            testo.replace(i, da.size(), a);
    return testo;
}

class Script : public testing::TestWithParam<std::string> {};

TEST_P(Script, MatchesItsExpectedOutput) {
    const fs::path cartella = TESSARO_SCRIPTS_DIR;
    const std::string nome = GetParam();
    prova::CartellaProva lavoro;
    if (fs::is_directory(cartella / (nome + ".files")))
        fs::copy(cartella / (nome + ".files"), lavoro.percorso(), fs::copy_options::recursive);
    const prova::EsitoScript sessione =
        prova::esegui_script(prova::leggi_file(cartella / (nome + ".script")), documenti_qt());
    EXPECT_EQ(sessione.stato, 0) << sessione.err;
    confronta(cartella / (nome + ".expected"), stabile(sessione.out, lavoro.percorso()));
    const std::string prefisso = nome + ".";
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string f = e.path().filename().string();
        if (f.rfind(prefisso, 0) != 0 || !f.ends_with(".expected") || f == nome + ".expected")
            continue;
        const std::string file = f.substr(prefisso.size(), f.size() - prefisso.size() - 9);
        confronta(e.path(), prova::leggi_file(lavoro.percorso() / file));
    }
}

std::vector<std::string> scripts() {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(TESSARO_SCRIPTS_DIR))
        if (e.path().extension() == ".script") nomi.push_back(e.path().stem().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

INSTANTIATE_TEST_SUITE_P(Sessioni, Script, testing::ValuesIn(scripts()),
                         [](const auto& info) { return info.param; });

// A script run in a folder of its own.
prova::EsitoScript esegui(const std::string& script) {
    prova::CartellaProva cartella;
    return prova::esegui_script(script);
}

TEST(Sessione, LinesNotUnderstoodNameTheirNumber) {
    for (const char* riga :
         {"jump", "leave Text1(39)", "leave Text2", "click Option1(6)", "click Option3(-1)",
          "type Text0(1) 5", "start now", "dump all", "picture plan.jpg", "export plan.txt",
          "click Command1(11)", "leave Text1(1"}) {
        const prova::EsitoScript e = esegui("start\n# comment\n\n" + std::string(riga) + "\n");
        EXPECT_EQ(e.stato, 2) << riga;
        EXPECT_NE(e.err.find("riga 4"), std::string::npos) << e.err;
    }
}

TEST(Sessione, TypeIsVerbatimEventsNeedAWindowAndAStartBeginsANewOne) {
    const prova::EsitoScript e = esegui("start\ntype Text1(4)   4 5 \ntype Text3 \ndump\n");
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("Text1(4)=  4 5 \n"), std::string::npos);
    EXPECT_NE(e.out.find("Text3=\n"), std::string::npos);
    EXPECT_EQ(esegui("leave Text1(5)\n").stato, 1);
    EXPECT_EQ(esegui("start\ntype Text1(4) 55\nclose\ndump\n").stato, 1);
    const prova::EsitoScript f = esegui("start\ntype Text1(4) 55\nclose\nstart\ndump\n");
    EXPECT_EQ(f.stato, 0) << f.err;
    EXPECT_NE(f.out.find("Text1(4)=40\n"), std::string::npos);
}

// "type fichiodo" is typing: the stud diameter's change event runs even when the text typed is
// the text the field holds, and the provided reinforcement follows the rails typed since.
TEST(Sessione, TypingTheSameDiameterRaisesItsChangeEvent) {
    const std::string inizio = "start\ntype Text1(1) -200000\nleave Text1(1)\ntype fichiodo 16\n"
                               "type Text1(31) 20\n";
    const prova::EsitoScript prima = esegui(inizio + "dump\n");
    const prova::EsitoScript dopo = esegui(inizio + "type fichiodo 16\ndump\n");
    ASSERT_EQ(dopo.stato, 0) << dopo.err;
    const auto area = [](const std::string& out) {
        const auto i = out.find("Label3(12)=");
        return out.substr(i, out.find('\n', i) - i);
    };
    EXPECT_NE(area(prima.out), area(dopo.out)); // Af,tot of 20 rails now, not 12
}

// A case typed in SI gives the model the texts of the case typed in technical units, so the
// same dump; `view` shows each text as typed, with its SI unit; `verdict` stays in the model's.
TEST(Sessione, ACaseTypedInSIIsTheCaseTypedInTechnicalUnits) {
    const char* campi[][3] = {
        {"Text1(1)", "-200000", "-2000"}, {"Text1(3)", "1500", "15"},  {"Text1(0)", "1250", "12.5"},
        {"Text1(4)", "45", "450"},        {"Text1(5)", "40.5", "405"}, {"Text1(11)", "350", "35"},
        {"Text1(14)", "4500", "450"},     {"Text1(28)", "15", "150"},  {"Text1(38)", "250", "2500"},
        {"Text2", "60", "600"},           {"fichiodo", "14", "14"}};
    std::string tecnico = "start\n", si = "units SI\nstart\n";
    for (const auto& c : campi) {
        tecnico += std::string("type ") + c[0] + " " + c[1] + "\n";
        si += std::string("type ") + c[0] + " " + c[2] + "\n";
    }
    const std::string fine = "leave Text1(5)\ndump\nverdict\n";
    const prova::EsitoScript t = esegui(tecnico + fine), s = esegui(si + fine + "view\n");
    ASSERT_EQ(s.stato, 0) << s.err;
    EXPECT_EQ(s.out.substr(0, t.out.size()), t.out);
    for (const char* riga : {"\nNd=-2000 kN\n", "\nMyd=15 kNm\n", "\nqd=12.5 kN/m²\n",
                             "\ndeff=405 mm\n", "\nRck=35 N/mm²\n", "\nS1=150 mm\n",
                             "\nL_foro=600 mm\n", "\nMxd=0 kNm\n", "\ngamma_c=1.6\n"})
        EXPECT_NE(s.out.find(riga), std::string::npos) << riga << s.out;
}

// A data file keeps only the first two shapes: one saved with another loads with no shape set,
// and the state says so instead of naming an empty shape.
TEST(Sessione, AFileOfAnotherShapeLoadsWithNoShapeAndSaysSo) {
    const prova::EsitoScript e = esegui("start\nclick Option1(3)\nanswer ottagono\n"
                                        "click Command1(7)\nclick Option1(0)\n"
                                        "answer ottagono.CSE\nclick Command1(8)\nverdict\n");
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("verdict=not-computed Verifica non disponibile: nessuna forma del "
                         "pilastro scelta"),
              std::string::npos)
        << e.out;
    EXPECT_EQ(e.out.find("«»"), std::string::npos);
}

// What the runner prints is one line per item whatever the texts hold: a line break in a path
// or a field is written \n and a backslash \\; a file name with a NUL byte is refused.
TEST(Sessione, PrintedTextsCannotForgeALineAndNamesWithNulAreRefused) {
    prova::CartellaProva c;
    const fs::path strana = c.percorso() / "a\nopen=etc\\b";
    fs::create_directory(strana);
    std::ofstream(strana / "manualechiodi.pdf") << "%PDF";
    fs::current_path(strana);
    const prova::EsitoScript stampato =
        prova::esegui_script("start\nclick Command1(9)\ntype Text1(31) 4\\n5\ndump\n");
    EXPECT_EQ(stampato.stato, 0) << stampato.err;
    fs::current_path(c.percorso());
    EXPECT_NE(stampato.out.find("open=" + c.percorso().string() +
                                "/a\\nopen=etc\\\\b/manualechiodi.pdf\n"),
              std::string::npos)
        << stampato.out;
    EXPECT_NE(stampato.out.find("\nText1(31)=4\\\\n5\n"), std::string::npos);
    EXPECT_EQ(stampato.out.find("\nopen=etc"), std::string::npos);

    for (const std::string& riga :
         {std::string("answer x.CSE\0.txt", 17), std::string("picture p.svg\0.svg", 18)}) {
        const prova::EsitoScript e = esegui("start\n" + riga + "\n");
        EXPECT_EQ(e.stato, 2) << e.err;
    }
}

} // namespace
} // namespace tessaro
