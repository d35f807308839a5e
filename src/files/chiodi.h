// The stud list chiodi.tmp in the working folder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

class CalcoTess;

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro);

// Replaces the stud list with its reset line (1, 0, "interno"): a case without shear
// reinforcement leaves a file that announces no rails. False as scrivi_chiodi.
bool azzera_chiodi(const CalcoTess& f);

// Deletes the stud list, ignoring every error.
void elimina_chiodi(const CalcoTess& f);

// One stud line of the open stud list: two numbers in the short form, the second at the next
// print zone. Nothing is written when no stud list is open.
void riga_chiodo(CalcoTess& f, double primo, double secondo);

// Replaces chiodi.tmp with the lines of the open stud list; false when the file could not be
// written: the previous one, another case's list, is then deleted if it can be. The working
// files left alone, nothing is written.
bool scrivi_chiodi(const CalcoTess& f);

} // namespace tessaro
