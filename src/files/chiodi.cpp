// The stud list chiodi.tmp.
#include "files/chiodi.h"

#include "files/file_testo.h"
#include "form/CalcoTess.h"

namespace tessaro {

std::filesystem::path percorso_chiodi(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "chiodi.tmp";
}

namespace {

// Replaces the file with this list unless it holds it already. A list that could not be
// written leaves none rather than another case's, and the state of the case says so.
bool sostituisci_chiodi(CalcoTess& f, const ListaChiodi& righe) {
    if (f.chiodi_scritti == righe) return true;
    FileTesto file(percorso_chiodi(f.cartella_lavoro), true);
    for (const std::string& riga : righe.intestazione) file.riga(riga);
    for (std::size_t i = 0; i + 1 < righe.numeri.size(); i += 2)
        file.riga(RigaZone().numero(righe.numeri[i]).zona().numero(righe.numeri[i + 1]));
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
    static const ListaChiodi azzerata{
        {RigaZone().numero(1).zona().numero(0).zona().testo("interno").str()}, {}};
    sostituisci_chiodi(f, azzerata);
}

void elimina_chiodi(CalcoTess& f) {
    if (!f.file_di_lavoro) return;
    elimina_file(percorso_chiodi(f.cartella_lavoro));
    f.chiodi_scritti.reset();
    f.chiodi_da_azzerare = false;
}

void riga_chiodo(CalcoTess& f, double primo, double secondo) {
    // Working files left alone (a batch), the list is never written: nothing is kept.
    if (!f.nfile_chiodi || !f.file_di_lavoro) return;
    f.nfile_chiodi->numeri.push_back(primo);
    f.nfile_chiodi->numeri.push_back(secondo);
}

bool scrivi_chiodi(CalcoTess& f) {
    if (!f.file_di_lavoro) return true;
    // This list takes the place of the pass's reset, written or not: a reset in its place
    // would announce no rails for a case that has them.
    f.chiodi_da_azzerare = false;
    return sostituisci_chiodi(f, f.nfile_chiodi ? *f.nfile_chiodi : ListaChiodi{});
}

} // namespace tessaro
