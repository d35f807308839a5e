// The stud list chiodi.tmp in the working folder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro);

// Replaces the stud list with its reset line (1, 0, "interno"): a case without shear
// reinforcement leaves a file that announces no rails.
void azzera_chiodi(const std::string& cartella_lavoro);

} // namespace tessaro
