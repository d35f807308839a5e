// Fuzz target: any text as a session script, in a folder of its own. The runner never faults,
// ends with 0, 1 or 2, and every line it prints is one "key=value" (or "end"): no text it
// prints can end its line early, and every result shown is a plain number or blank. Dialog answers
// with "/" are left out, so that every file the script writes stays in the folder.
#include "fuzz/banco.h"

#include "cli/sessione.h"

using namespace tessaro;
using namespace tessaro::fuzz;

namespace {

bool riga_stampata(const std::string& riga) {
    if (riga == "end") return true;
    for (const char* chiave :
         {"Text1(", "fichiodo=", "Text2=", "Text3=", "Text4=", "Text5=", "disabled=", "Option",
          "Label", "Frame", "title=", "message=", "open=", "inputs=", "results=", "verdict=",
          "utilisation.", "warning="})
        if (riga.rfind(chiave, 0) == 0) return riga.find('=') != std::string::npos;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n > 8192) return -1;
    std::istringstream tutto(std::string(reinterpret_cast<const char*>(dati), n));
    std::string script, riga;
    int righe = 0;
    while (std::getline(tutto, riga) && ++righe <= 200)
        if (riga.rfind("answer", 0) != 0 || riga.find('/') == std::string::npos)
            script += riga + '\n';
    prova::CartellaProva cartella;
    prova::MisuraFissa misura;
    std::ostringstream out, err;
    int stato;
    {
        Sessione s(out, err, misura, {});
        std::istringstream in(script);
        stato = s.esegui(in);
    }
    esigi(stato == 0 || stato == 1 || stato == 2, "stato d'uscita", std::to_string(stato));
    std::istringstream stampato(out.str());
    while (std::getline(stampato, riga)) {
        esigi(riga_stampata(riga), "riga stampata", riga);
        if (riga.rfind("Label3(", 0) == 0 && riga.find(").color=") == std::string::npos)
            esigi(numero_mostrato(riga.substr(riga.find('=') + 1)), "risultato mostrato", riga);
    }
    return 0;
}
