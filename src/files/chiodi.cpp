// The stud list chiodi.tmp.
#include "files/chiodi.h"

#include "files/file_testo.h"
#include "form/CalcoTess.h"

#include <utility>

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "chiodi.tmp";
}

namespace {

// Replaces the file with these lines unless it holds them already. A list that could not be
// written leaves none rather than another case's, and the state of the case says so.
bool sostituisci_chiodi(CalcoTess& f, const std::vector<std::string>& righe) {
    if (f.chiodi_scritti == righe) return true;
    FileTesto file(percorso_chiodi(f.cartella_lavoro));
    for (const std::string& riga : righe) file.riga(riga);
    if (file.chiudi()) {
        f.chiodi_scritti = righe;
        return true;
    }
    elimina_file(percorso_chiodi(f.cartella_lavoro));
    f.chiodi_scritti.reset();
    f.ultimo.chiodi_non_scritti = true;
    return false;
}

} // namespace

void azzera_chiodi(CalcoTess& f) {
    if (f.file_di_lavoro) f.chiodi_da_azzerare = true;
}

void completa_chiodi(CalcoTess& f) {
    if (!f.chiodi_da_azzerare) return;
    f.chiodi_da_azzerare = false;
    static const std::vector<std::string> azzerata{
        RigaZone().numero(1).zona().numero(0).zona().testo("interno").str()};
    sostituisci_chiodi(f, azzerata);
}

void elimina_chiodi(CalcoTess& f) {
    if (!f.file_di_lavoro) return;
    elimina_file(percorso_chiodi(f.cartella_lavoro));
    f.chiodi_scritti.reset();
    f.chiodi_da_azzerare = false;
}

void riga_chiodo(CalcoTess& f, double primo, double secondo) {
    // Working files left alone (a batch), the list is never written: no line is formatted.
    if (!f.nfile_chiodi || !f.file_di_lavoro) return;
    RigaZone riga;
    riga.numero(primo).zona().numero(secondo);
    f.nfile_chiodi->push_back(std::move(riga).str());
}

bool scrivi_chiodi(CalcoTess& f) {
    if (!f.file_di_lavoro) return true;
    // This list takes the place of the pass's reset, written or not: a reset in its place
    // would announce no rails for a case that has them.
    f.chiodi_da_azzerare = false;
    return sostituisci_chiodi(f, f.nfile_chiodi ? *f.nfile_chiodi : std::vector<std::string>{});
}

} // namespace tessaro
