// The documents the window writes.
#include "app/qt/documenti.h"

#include "app/qt/dialogo_intestazione.h"
#include "documents/distinta.h"
#include "documents/dxf.h"
#include "documents/relazione_pdf.h"
#include "files/codifica.h"
#include "files/file_testo.h"
#include "verification/stato_caso.h"

#include <filesystem>

namespace tessaro {
namespace {

// A document certifies its numbers: none is written of what was not computed for the inputs
// shown. The user is told what to correct, as for the text report, with the document's name.
bool documento_possibile(const Tessaro& f, Piattaforma& p, const std::string& titolo,
                         const std::string& non_scritto) {
    const std::string negata = relazione_negata(f, stato_caso(f), non_scritto);
    if (negata.empty()) return true;
    p.messaggio(negata, titolo, Icona::esclamazione);
    return false;
}

} // namespace

void scrittura_fallita(Piattaforma& p, const std::string& percorso) {
    p.messaggio("Impossibile scrivere il file " + percorso, "Errore di scrittura",
                Icona::esclamazione);
}

std::string scegli_file(Piattaforma& p, const std::string& cartella, const std::string& titolo,
                        const std::string& estensione) {
    const std::string jolly = "*." + estensione;
    std::string nome = p.dialogo_salva({titolo, cartella, jolly, jolly});
    if (nome == jolly) return {}; // cancelled
    if (maiuscole(std::filesystem::path(nome).extension().string()) != maiuscole("." + estensione))
        nome += "." + estensione;
    return nome;
}

void relazione_pdf(const Tessaro& f, Piattaforma& p, QSettings& impostazioni, QWidget* genitore) {
    if (!documento_possibile(f, p, "Relazione PDF", "Relazione PDF non scritta")) return;
    DialogoIntestazione dialogo(impostazioni, genitore);
    if (dialogo.exec() != QDialog::Accepted) return;
    const std::string nome = scegli_file(p, f.cartella_lavoro, "Relazione PDF", "pdf");
    if (nome.empty()) return;
    const Intestazione intestazione{dialogo.progetto().toStdString(),
                                    dialogo.elemento().toStdString(),
                                    dialogo.progettista().toStdString(),
                                    data_odierna()};
    if (esporta_relazione_pdf(f, intestazione, nome))
        apri_o_indica(p, nome, "la relazione");
    else
        scrittura_fallita(p, nome);
}

void esporta_dxf_e_distinta(const Tessaro& f, Piattaforma& p) {
    if (!documento_possibile(f, p, "Esporta DXF", "DXF non scritto")) return;
    const std::string nome = scegli_file(p, f.cartella_lavoro, "Esporta DXF", "dxf");
    if (nome.empty()) return;
    if (!esporta_dxf(f, nome)) return scrittura_fallita(p, nome);
    const std::string distinta = std::filesystem::path(nome).replace_extension(".csv").string();
    if (!esporta_distinta_csv(f, distinta)) scrittura_fallita(p, distinta);
}

} // namespace tessaro
