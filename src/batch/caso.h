// One case of a batch: a row of the table read into the texts the window would be given, and
// its evaluation on a form model of its own.
#pragma once

#include "batch/colonne.h"
#include "batch/tabella_csv.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;

struct Caso {
    int riga = 0; // as the spreadsheet numbers it
    // The unit system of the table's numbers and of the results; the model's own, technical,
    // unless the run asks for SI.
    Sistema sistema = Sistema::tecnico;
    std::string id;
    // For each input column (index of colonne_ingresso) the text the window is given: numbers
    // with a decimal point, the shape and the load format as the index of their option;
    // nothing where the cell is empty or the column left out, which keeps the window's default.
    std::array<std::optional<std::string>, colonne_ingresso.size()> testi;
};

// A header cell left blank: its column, and any cell past the header's, must stay empty.
inline constexpr std::size_t SENZA_NOME = static_cast<std::size_t>(-1);

// A cell of a data row: its place in the row (0 the first), its input column (an index of
// colonne_ingresso, or SENZA_NOME) and its text. A row is given by the cells that count: the
// empty ones may be left out.
struct CellaCaso {
    std::size_t posizione;
    std::size_t colonna;
    std::string testo;
};

// The cells of a data row, in the order of the row. Every cell that cannot be read is named in
// `errore` (row, column, text); "" when all were read.
Caso leggi_caso(const std::vector<CellaCaso>& celle, Dialetto dialetto, int riga,
                std::string& errore);

struct EsitoCaso {
    // Each results column as the window shows it (decimal point), "" where it does not apply;
    // `avvisi` holds the warnings, listed apart.
    std::array<std::string, risultato::numero_colonne> valori;
    std::vector<std::string> avvisi;
    // The columns of --propose, when asked: the proposal's values or why there is none; all
    // empty for a case that needs no studs.
    std::array<std::string, proposta::numero_colonne> proposta;
    bool fallito = false; // the row has an error
};

// A row that could not be read: its id and the error.
EsitoCaso caso_illeggibile(const std::string& id, const std::string& errore);

// Writes the documents of a computed case (PDF report, DXF, stud schedule) to `base` with
// their endings; false when one could not be written. The program that has the documents gives
// it; the batch calls it from its worker threads.
using ScrittoreDocumenti = std::function<bool(const CalcoTess& f, const std::string& base)>;

// Evaluates the case as a person would in the window: started afresh with no working files,
// the fields typed, the shape and the load format clicked, the stud diameter typed, the opening
// confirmed in its panel, then "Aggiorna". With `relazione` not empty, "Stampa" then writes the
// text report to that path; with `documenti` not empty, `scrivi` writes the documents there.
// Either only for a case whose report may be written; when they were written, the results
// column `file` holds their base name (no folder, no ending). With `proponi`, the search of
// "Proponi armatura" on the case computed gives the columns of --propose, as the script line
// `propose`.
EsitoCaso valuta_caso(const Caso& caso, const std::string& relazione,
                      const std::string& documenti = "", const ScrittoreDocumenti& scrivi = {},
                      bool proponi = false);

} // namespace tessaro
