// Fuzz target: any bytes as a batch table, in a folder of its own. The run never faults and
// ends with 0 or 1; when the table is taken, its results are the same on one thread and on
// three, every case gets one row, the CSV is well-formed UTF-8 with no cell that a spreadsheet
// would evaluate (a text that begins with "=", "+", "-", "@", a tab or a carriage return is
// marked with "'"; only a number may begin with "-"), and the JSON is valid JSON.
#include "fuzz/banco.h"
#include "tests/support/json_valido.h"

#include "batch/lotto.h"
#include "batch/tabella_csv.h"
#include "files/codifica.h"

#include <fstream>

using namespace tessaro;
using namespace tessaro::fuzz;

namespace {

struct Esito {
    int stato;
    std::string out, err;
};

Esito esegui(bool json, unsigned lavori) {
    OpzioniLotto o;
    o.ingresso = "tabella.csv";
    o.json = json;
    o.lavori = lavori;
    std::ostringstream out, err;
    const int stato = esegui_lotto(o, out, err);
    return {stato, out.str(), err.str()};
}

// A cell as the results CSV writes it: no formula, and "-" only before a number.
bool cella_sicura(std::string_view c) {
    if (c.empty()) return true;
    if (std::string_view("=+@\t\r").find(c[0]) != std::string_view::npos) return false;
    return c[0] != '-' || (c.size() > 1 && c.find_first_not_of("0123456789.,eE+-", 1) == c.npos);
}

// The rows of the results CSV (the mark dropped), each cell checked; their number.
std::size_t righe_csv(const std::string& out) {
    { std::ofstream("risultati.csv", std::ios::binary) << out; }
    const auto codifica = codifica_tabella("risultati.csv");
    esigi(codifica && !codifica->cp1252, "risultati in UTF-8");
    LettoreRecord l("risultati.csv", *codifica);
    Record r;
    esigi(l.prossimo(r), "intestazione dei risultati");
    const char separatore = dialetto_di(r.testo).separatore;
    std::size_t righe = 0;
    while (l.prossimo(r)) {
        ++righe;
        CursoreCelle c(r.testo, separatore);
        for (std::string cella; c.prossima(cella);)
            esigi(cella_sicura(cella), "cella senza formula", cella);
        esigi(c.errore().empty(), "cella leggibile", r.testo);
    }
    return righe;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n > 4096) return -1;
    prova::CartellaProva cartella;
    std::ofstream("tabella.csv", std::ios::binary)
        .write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(n));
    const Esito uno = esegui(false, 1);
    esigi(uno.stato == 0 || uno.stato == 1, "stato d'uscita", std::to_string(uno.stato));
    if (uno.out.empty()) return 0; // the table was refused, with a message
    esigi(!uno.err.empty() || uno.stato == 0, "un errore è detto", uno.err);
    const Esito tre = esegui(false, 3);
    esigi(tre.stato == uno.stato && tre.out == uno.out && tre.err == uno.err,
          "stessi risultati con tre thread");
    const std::size_t righe = righe_csv(uno.out);
    const Esito json = esegui(true, 2);
    esigi(json.stato == uno.stato, "stesso stato in JSON");
    esigi(prova::json_valido(json.out), "JSON valido", json.out);
    // One object a row: each begins a line with {"id": .
    std::size_t oggetti = 0;
    for (std::size_t i = json.out.find("\n{\"id\": "); i != std::string::npos;
         i = json.out.find("\n{\"id\": ", i + 1))
        ++oggetti;
    esigi(oggetti == righe, "una riga di risultati per caso",
          std::to_string(oggetti) + " / " + std::to_string(righe));
    return 0;
}
