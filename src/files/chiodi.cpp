// The stud list chiodi.tmp.
#include "files/chiodi.h"

#include "files/file_testo.h"
#include "form/CalcoTess.h"

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "chiodi.tmp";
}

void azzera_chiodi(const CalcoTess& f) {
    if (!f.file_di_lavoro) return;
    FileTesto file(percorso_chiodi(f.cartella_lavoro));
    file.riga(RigaZone().numero(1).zona().numero(0).zona().testo("interno"));
    file.chiudi();
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
    return file.chiudi();
}

} // namespace tessaro
