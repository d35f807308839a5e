// The stud list chiodi.tmp in the working folder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

class FileTesto;

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro);

// Replaces the stud list with its reset line (1, 0, "interno"): a case without shear
// reinforcement leaves a file that announces no rails.
void azzera_chiodi(const std::string& cartella_lavoro);

// One stud line: two numbers in the short form, the second at the next print zone. Nothing is
// written when no stud list is open.
void riga_chiodo(FileTesto* file, double primo, double secondo);

} // namespace tessaro
