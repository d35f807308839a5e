// Every session script of this folder, run on the model against its reviewed expected output.
// NAME.script prints NAME.expected; a file NAME.FILE.expected is compared with FILE of the
// working folder after the run (the stud list, a report, a data file); the files of the folder
// NAME.files are copied into the working folder first. On a mismatch NAME.actual (or
// NAME.FILE.actual) is written beside the expected file.
#include "support/finestra_prova.h"

#include "cli/sessione.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void confronta(const fs::path& atteso, const std::string& effettivo) {
    auto actual = atteso;
    actual.replace_extension(".actual");
    if (leggi(atteso) == effettivo) {
        fs::remove(actual);
        return;
    }
    std::ofstream(actual, std::ios::binary) << effettivo;
    ADD_FAILURE() << atteso.filename() << " differs; see " << actual;
}

class Script : public testing::TestWithParam<std::string> {};

TEST_P(Script, MatchesItsExpectedOutput) {
    const fs::path cartella = TESSARO_SCRIPTS_DIR;
    const std::string nome = GetParam();
    prova::CartellaProva lavoro;
    if (fs::is_directory(cartella / (nome + ".files")))
        fs::copy(cartella / (nome + ".files"), lavoro.percorso(), fs::copy_options::recursive);
    prova::MisuraFissa misura;
    std::ostringstream out, err;
    Sessione s(out, err, misura, {});
    std::ifstream in(cartella / (nome + ".script"), std::ios::binary);
    EXPECT_EQ(s.esegui(in), 0) << err.str();
    confronta(cartella / (nome + ".expected"), out.str());
    const std::string prefisso = nome + ".";
    for (const auto& e : fs::directory_iterator(cartella)) {
        const std::string f = e.path().filename().string();
        if (f.rfind(prefisso, 0) != 0 || !f.ends_with(".expected") || f == nome + ".expected")
            continue;
        const std::string file = f.substr(prefisso.size(), f.size() - prefisso.size() - 9);
        confronta(e.path(), leggi(lavoro.percorso() / file));
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

} // namespace
} // namespace tessaro
