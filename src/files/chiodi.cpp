// The stud list chiodi.tmp.
#include "files/chiodi.h"

#include "files/file_testo.h"

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "chiodi.tmp";
}

void azzera_chiodi(const std::string& cartella_lavoro) {
    FileTesto f(percorso_chiodi(cartella_lavoro));
    f.riga(RigaZone().numero(1).zona().numero(0).zona().testo("interno"));
    f.chiudi();
}

void riga_chiodo(FileTesto* file, double primo, double secondo) {
    if (file) file->riga(RigaZone().numero(primo).zona().numero(secondo));
}

} // namespace tessaro
