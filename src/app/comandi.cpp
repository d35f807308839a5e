// The recalculation entry point, the command buttons and the opening panel's buttons.
#include "app/Tessaro.h"
#include "app/versione.h"
#include "files/chiodi.h"
#include "files/codifica.h"
#include "files/dati_ingresso.h"
#include "files/file_testo.h"
#include "files/rapporto.h"
#include "form/protetto.h"
#include "openings/foro.h"
#include "verification/ricalcolo.h"
#include "verification/stato_caso.h"

#include <filesystem>

namespace tessaro {

void Tessaro::Text1_LostFocus(int Index) {
    protetto([&] { ricalcola(*this, Index); });
}

void Tessaro::Command1_Click(int Index) {
    Text1_LostFocus(indice(Dato::deff)); // every command acts on the current inputs
    protetto([&] {
        switch (Index) {
        case 1: // "+": the plan is redrawn larger
            dati.scala /= 1.1;
            Text1_LostFocus(indice(Dato::deff));
            break;
        case 2: // "-": the plan is redrawn smaller
            dati.scala *= 1.1;
            Text1_LostFocus(indice(Dato::deff));
            break;
        case 3: // "Stampa": a report only of what was computed, for these inputs
            if (relazione_possibile()) stampa_tess(*this);
            break;
        case 4: // "Foro": the opening panel, centred on the window
            Picture1.Visible = true;
            Picture1.Left = (finestra.Width - Picture1.Width) / 2;
            Picture1.Top = (finestra.Height - Picture1.Height) / 2;
            break;
        case 5: // "OK": the input is kept for the next start, then the window closes
            if (file_di_lavoro) salva_dati(*this, percorso_ultimo_input(cartella_lavoro), true);
            chiudi_finestra();
            break;
        case 6: // "Annulla": closes without keeping the input
            elimina_chiodi(*this);
            chiudi_finestra();
            break;
        case 7: // "Salva"
            salva();
            break;
        case 8: // "Carica"
            carica();
            break;
        case 9: // "Help"
            aiuto();
            break;
        case 10: // "info"
            informazioni();
            break;
        default:
            break;
        }
    });
}

// The buttons of the opening panel: "OK" stores the opening and recalculates, "Annulla" only
// hides the panel.
void Tessaro::Command2_Click(int Index) {
    Picture1.Visible = false;
    if (Index == 1) return;
    rid_foro_letta.reset();
    protetto([&] {
        if (conferma_foro(*this)) Text1_LostFocus(indice(Dato::deff));
    });
}

// The close request that the window makes of itself: the same farewell and delayed end as a
// request from the desktop.
void Tessaro::chiudi_finestra() {
    Form_QueryUnload();
}

// A report certifies its numbers: none is written while inputs cannot be read, the results
// belong to other inputs or the shape has no verification. The user is told what to correct.
bool Tessaro::relazione_possibile() {
    const std::string negata = relazione_negata(*this, stato_caso(*this));
    if (negata.empty()) return true;
    piattaforma.messaggio(negata, "Stampa", Icona::esclamazione);
    return false;
}

void Tessaro::salva() {
    std::string nome = piattaforma.dialogo_salva({"SALVA DATI", cartella_lavoro, "*.CSE", "*.CSE"});
    if (nome == "*.CSE") return; // cancelled
    if (maiuscole(nome).find(".CSE") == std::string::npos) nome += ".CSE";
    salva_dati(*this, nome);
}

void Tessaro::carica() {
    const std::string nome =
        piattaforma.dialogo_apri({"CARICA DATI", cartella_lavoro, "*.CSE", "*.CSE"});
    const bool letto = nome != "*.CSE" && carica_input(nome); // a cancelled dialog reads nothing
    Caption = "Calcolo chiodatura per tessaro - " + nome;
    if (letto) applica_foro_letto();
    Command1_Click(0);
}

// The manual lies in the working folder, or else beside the installed program. Its path goes
// to the viewer as one argument, never inside a command line.
void Tessaro::aiuto() {
    for (const std::string& cartella : {cartella_lavoro, piattaforma.cartella_programma()}) {
        if (cartella.empty()) continue;
        const auto manuale = std::filesystem::path(cartella) / "manualechiodi.pdf";
        std::error_code ec;
        if (std::filesystem::is_regular_file(manuale, ec)) {
            apri_o_indica(piattaforma, manuale.string(), "il manuale");
            return;
        }
    }
    piattaforma.messaggio("Impossibile trovare il manuale manualechiodi.pdf", "Help",
                          Icona::esclamazione);
}

void Tessaro::informazioni() {
    piattaforma.messaggio(std::string("Tessaro, versione ") + versione_programma + "\n" +
                              "Verifica a punzonamento di una piastra in c.a. su un pilastro\n"
                              "(EN 1992-1-1, 6.4) e progetto dei tralicci di chiodi\n"
                              "Unità: cm, kg, kg/mq, kgm, kg/cmq\n" +
                              "Costruito con Qt " + versione_qt + "\n" +
                              "Manuale: manualechiodi.pdf (pulsante Help)",
                          "Informazioni generali", Icona::informazione);
}

} // namespace tessaro
