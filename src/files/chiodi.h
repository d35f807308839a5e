// The stud list chiodi.tmp in the working folder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

class CalcoTess;

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro);

// Resets the stud list to its reset line (1, 0, "interno"): a case without shear
// reinforcement leaves a file that announces no rails. The file receives it at the end of the
// pass (completa_chiodi), or before a message box, unless the design writes its own list first.
void azzera_chiodi(CalcoTess& f);

// Writes the reset that the pass left pending, when the file does not already hold it.
void completa_chiodi(CalcoTess& f);

// Deletes the stud list, ignoring every error.
void elimina_chiodi(CalcoTess& f);

// One stud line of the open stud list: two numbers in the short form, the second at the next
// print zone. Nothing is written when no stud list is open or the working files are left alone.
void riga_chiodo(CalcoTess& f, double primo, double secondo);

// Replaces chiodi.tmp with the lines of the open stud list, unless it already holds them; false
// when the file could not be written (it is then deleted, so that no other case's list stays,
// and the state of the case warns). The working files left alone, nothing is written.
bool scrivi_chiodi(CalcoTess& f);

} // namespace tessaro
