// The stud list chiodi.tmp.
#include "files/chiodi.h"

#include "files/file_testo.h"
#include "form/CalcoTess.h"

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "chiodi.tmp";
}

namespace {

// A list that could not be written leaves none rather than another case's.
bool chiudi_chiodi(FileTesto& file, const CalcoTess& f) {
    if (file.chiudi()) return true;
    elimina_file(percorso_chiodi(f.cartella_lavoro));
    return false;
}

} // namespace

bool azzera_chiodi(const CalcoTess& f) {
    if (!f.file_di_lavoro) return true;
    FileTesto file(percorso_chiodi(f.cartella_lavoro));
    file.riga(RigaZone().numero(1).zona().numero(0).zona().testo("interno"));
    return chiudi_chiodi(file, f);
}

void elimina_chiodi(const CalcoTess& f) {
    if (f.file_di_lavoro) elimina_file(percorso_chiodi(f.cartella_lavoro));
}

void riga_chiodo(CalcoTess& f, double primo, double secondo) {
    if (f.nfile_chiodi) f.nfile_chiodi->push_back(RigaZone().numero(primo).zona().numero(secondo).str());
}

bool scrivi_chiodi(const CalcoTess& f) {
    if (!f.file_di_lavoro) return true;
    FileTesto file(percorso_chiodi(f.cartella_lavoro));
    if (f.nfile_chiodi)
        for (const std::string& riga : *f.nfile_chiodi) file.riga(riga);
    return chiudi_chiodi(file, f);
}

} // namespace tessaro
