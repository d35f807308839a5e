// Fuzz target: any bytes as a data file. Loading never faults, a recalculation on what was
// loaded shows only plain numbers, and save → load → save gives the same inputs and bytes when
// no item holds a line break or blanks at its ends (the separators of the file).
#include "fuzz/banco.h"

#include "files/dati_ingresso.h"

#include <fstream>

using namespace tessaro;
using namespace tessaro::fuzz;

namespace {

std::string leggi(const char* nome) {
    std::ifstream in(nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool separatori(const CalcoTess& f) {
    for (const std::string& t : f.istantanea()) {
        if (t.find_first_of("\r\n") != std::string::npos) return true;
        if (!t.empty() &&
            (t.front() == ' ' || t.front() == '\t' || t.back() == ' ' || t.back() == '\t'))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n > 1 << 16) return -1;
    prova::CartellaProva cartella;
    std::ofstream("caso.CSE", std::ios::binary)
        .write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(n));
    Finestra w(false);
    CalcoTess& f = *w.f;
    carica_dati(f, "caso.CSE");
    std::vector<std::string> prima;
    for (const Campo& c : f.Text1)
        prima.push_back(c.Text);
    w.f->Command1_Click(0);
    risultati_puliti(f, prima);
    if (separatori(f)) return 0;
    // Loading writes each number in its plain form ("1.10" as 1.1): from the first file loaded
    // back on, the inputs and the bytes no longer change.
    esigi(salva_dati(f, "a.CSE"), "salvataggio");
    Finestra v(false), u(false);
    esigi(carica_dati(*v.f, "a.CSE"), "si ricarica ciò che si è salvato");
    esigi(salva_dati(*v.f, "b.CSE"), "secondo salvataggio");
    esigi(carica_dati(*u.f, "b.CSE"), "si ricarica il secondo salvataggio");
    esigi(salva_dati(*u.f, "c.CSE"), "terzo salvataggio");
    const auto prima_ingressi = v.f->istantanea(), dopo = u.f->istantanea();
    for (std::size_t i = 0; i < prima_ingressi.size(); ++i)
        esigi(dopo[i] == prima_ingressi[i], "stessi ingressi dopo il ricaricamento",
              std::to_string(i) + ": " + prima_ingressi[i] + " → " + dopo[i]);
    esigi(leggi("b.CSE") == leggi("c.CSE"), "carica → salva stabile");
    return 0;
}
