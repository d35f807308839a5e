// The input record of the data files (".CSE") and of the last-input file ZR_tessa.tmp: the
// complete input of the window, 48 items one per line.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

class CalcoTess;

std::filesystem::path percorso_ultimo_input(const std::string& cartella_lavoro);

// Writes the record, replacing the file only when every line was written. A failure is told
// to the user, and the previous file, if any, is left as it was. A working file (di_lavoro,
// ZR_tessa.tmp) is written only over a regular file.
bool salva_dati(const CalcoTess& f, const std::filesystem::path& nome, bool di_lavoro = false);

// Reads the record into the controls: a number comes back in its plain form, a state "True"
// sets its option button on (running its click handler) and "False" sets it off, the stud
// diameter raises its change event. The first item that cannot be read, or a file that cannot
// be opened, ends the loading there; the items read stay. True when all 48 items were read.
bool carica_dati(CalcoTess& f, const std::filesystem::path& nome);

} // namespace tessaro
