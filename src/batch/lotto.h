// tessaro-cli batch: a table of column cases from a spreadsheet, evaluated on worker threads,
// each case as the window evaluates it, the results in input order whatever the threads.
#pragma once

#include "batch/caso.h"

#include <filesystem>
#include <ostream>

namespace tessaro {

// The most worker threads a run may ask for.
inline constexpr unsigned MASSIMO_LAVORI = 256;

struct OpzioniLotto {
    std::filesystem::path ingresso;  // the CSV table
    std::filesystem::path uscita;    // the results; empty: standard output
    bool json = false;               // results as JSON instead of CSV
    std::filesystem::path relazioni; // the folder of each case's text report; empty: none
    std::filesystem::path documenti; // the folder of each case's PDF, DXF and schedule; empty: none
    ScrittoreDocumenti scrivi_documenti; // how they are written (needed with `documenti`)
    unsigned lavori = 0;                 // worker threads, at most MASSIMO_LAVORI; 0: one per core
    bool proponi = false;                // the columns of "Proponi armatura" after the others
    bool barra = false;                  // a progress bar on `err` when the table takes over 1 s
    Sistema sistema = Sistema::tecnico;  // the units of the table's numbers and of the results
};

// Runs the batch. The table is read as a stream: its rows are evaluated a bounded window ahead
// of the writer, which streams the results in input order into the replacement of the results
// file, written whole or not at all. Every row that failed is told on `err` as it is written.
// Exit status: 0 every row computed; 1 a row failed, or the table could not be used (empty, no
// header, an unknown or repeated column, repeated ids, a file not read or written, a thread not
// started, memory run out); 2 a row's report or documents would land on the input table, the
// results file or each other, refused before anything is written.
int esegui_lotto(const OpzioniLotto& o, std::ostream& out, std::ostream& err);

} // namespace tessaro
