// The session-script runner.
#include "cli/sessione.h"

#include "app/Tessaro.h"
#include "cli/dump.h"
#include "proposta/copia.h"
#include "proposta/proposta.h"
#include "verification/stato_caso.h"

#include <charconv>

namespace tessaro {
namespace {

// "Nome(i)" with 0 <= i <= massimo.
bool controllo(const std::string& testo, const std::string& nome, int massimo, int& i) {
    if (testo.size() < nome.size() + 3 || testo.compare(0, nome.size(), nome) != 0 ||
        testo[nome.size()] != '(' || testo.back() != ')')
        return false;
    const char* inizio = testo.data() + nome.size() + 1;
    const char* fine = testo.data() + testo.size() - 1;
    const auto [p, ec] = std::from_chars(inizio, fine, i);
    return ec == std::errc() && p == fine && inizio != fine && *inizio != '-' && i <= massimo;
}

bool finisce_con(const std::string& s, const std::string& coda) {
    return s.size() >= coda.size() && s.compare(s.size() - coda.size(), coda.size(), coda) == 0;
}

} // namespace

Sessione::Sessione(std::ostream& out, std::ostream& err, const MisuraTesto& misura,
                   Esportatore esporta, Documenti documenti)
    : out_(out), err_(err), misura_(misura), esporta_(std::move(esporta)),
      documenti_(std::move(documenti)), piattaforma_(out) {}

Sessione::~Sessione() = default;

int Sessione::esegui(std::istream& script) {
    std::string riga;
    for (int numero = 1; std::getline(script, riga); ++numero) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        const auto primo = riga.find_first_not_of(" \t");
        if (primo == std::string::npos || riga[primo] == '#') continue;
        const auto spazio = riga.find(' ');
        const std::string comando = riga.substr(0, spazio);
        const std::string argomento = spazio == std::string::npos ? "" : riga.substr(spazio + 1);
        const Esito esito = esegui_riga(comando, argomento);
        out_.flush();
        if (esito == Esito::non_compresa) {
            err_ << "tessaro-cli: riga " << numero << " non compresa: " << riga << '\n';
            return 2;
        }
        if (esito == Esito::fallita) {
            err_ << "tessaro-cli: riga " << numero << ": " << errore_ << '\n';
            return 1;
        }
    }
    return 0;
}

Sessione::Esito Sessione::esegui_riga(const std::string& comando, const std::string& argomento) {
    // A file name with a NUL byte would reach the system cut short, naming another file.
    if ((comando == "answer" || comando == "picture") && argomento.find('\0') != std::string::npos)
        return Esito::non_compresa;
    if (comando == "answer") {
        piattaforma_.accoda_risposta(argomento);
        return Esito::eseguita;
    }
    if (comando == "units") {
        if (argomento != "SI" && argomento != "tecniche") return Esito::non_compresa;
        sistema_ = argomento == "SI" ? Sistema::SI : Sistema::tecnico;
        if (finestra_) finestra_->sistema = sistema_;
        return Esito::eseguita;
    }
    const bool con_argomento = comando == "type" || comando == "leave" || comando == "click" ||
                               comando == "picture" || comando == "export";
    if (comando != "start" && comando != "close" && comando != "dump" && comando != "verdict" &&
        comando != "view" && comando != "propose" && !con_argomento)
        return Esito::non_compresa;
    if (!con_argomento && !argomento.empty()) return Esito::non_compresa;
    if (comando == "start") {
        if (finestra_) {
            errore_ = "la finestra è già aperta";
            return Esito::fallita;
        }
        piattaforma_.riavvia();
        finestra_ = std::make_unique<Tessaro>(piattaforma_, misura_);
        finestra_->sistema = sistema_;
        finestra_->Form_Load();
        finestra_->Picture3_MouseUp();
        dopo_evento();
        return Esito::eseguita;
    }
    if (comando == "picture" && !finisce_con(argomento, ".svg") &&
        !finisce_con(argomento, ".png") && !finisce_con(argomento, ".pdf"))
        return Esito::non_compresa;
    if (comando == "export" && !finisce_con(argomento, ".pdf") && !finisce_con(argomento, ".dxf") &&
        !finisce_con(argomento, ".csv"))
        return Esito::non_compresa;
    if (comando == "leave") {
        int i = 0;
        if (!controllo(argomento, "Text1", 38, i)) return Esito::non_compresa;
    }
    if (!finestra_) {
        errore_ = "la finestra non è aperta (manca la riga start)";
        return Esito::fallita;
    }
    if (comando == "type") return digita(argomento);
    if (comando == "click") return clicca(argomento);
    if (comando == "leave") {
        int i = 0;
        controllo(argomento, "Text1", 38, i);
        finestra_->Text1_LostFocus(i);
    } else if (comando == "close") {
        finestra_->Form_QueryUnload();
    } else if (comando == "dump") {
        out_ << dump(*finestra_);
    } else if (comando == "verdict") { // in the model's units, whatever the view's
        finestra_->sistema = Sistema::tecnico;
        out_ << verdetto(*finestra_);
        finestra_->sistema = sistema_;
    } else if (comando == "view") {
        out_ << vista(*finestra_);
    } else if (comando == "propose") { // in the model's units; then "Applica" on the best
        finestra_->sistema = Sistema::tecnico;
        const Proposta p = proponi(*finestra_);
        finestra_->sistema = sistema_;
        out_ << righe_proposta(p);
        if (p.motivo == Motivo::trovata)
            digita_e_aggiorna(*finestra_, p.migliori.front().disposizione);
    } else if (comando == "export") {
        if (esporta(argomento) == Esito::fallita) return Esito::fallita;
    } else if (comando == "picture" && finisce_con(argomento, ".pdf")) {
        if (scrivi(documenti_.pianta, argomento) == Esito::fallita) return Esito::fallita;
    } else if (comando == "picture") {
        if (!esporta_ || !esporta_(finestra_->Pic, argomento)) {
            errore_ = "impossibile scrivere " + argomento;
            return Esito::fallita;
        }
    }
    dopo_evento();
    return Esito::eseguita;
}

// The documents tell what the window shows: none of a case whose results are stale, whose
// inputs cannot be read or whose shape is not verified.
Sessione::Esito Sessione::esporta(const std::string& percorso) {
    const std::string negata = relazione_negata(*finestra_, stato_caso(*finestra_));
    if (!negata.empty()) {
        errore_ = percorso + ": " + negata;
        return Esito::fallita;
    }
    const Documenti::Scrittore& s = finisce_con(percorso, ".pdf")   ? documenti_.relazione
                                    : finisce_con(percorso, ".dxf") ? documenti_.dxf
                                                                    : documenti_.distinta;
    return scrivi(s, percorso);
}

Sessione::Esito Sessione::scrivi(const Documenti::Scrittore& scrittore,
                                 const std::string& percorso) {
    if (!scrittore || !scrittore(*finestra_, percorso)) {
        errore_ = "impossibile scrivere " + percorso;
        return Esito::fallita;
    }
    return Esito::eseguita;
}

Sessione::Esito Sessione::digita(const std::string& argomento) {
    const auto spazio = argomento.find(' ');
    const std::string nome = argomento.substr(0, spazio);
    const std::string testo = spazio == std::string::npos ? "" : argomento.substr(spazio + 1);
    Tessaro& f = *finestra_;
    // Typed in the script's unit system: the model gets the text with the point moved back.
    const auto nel_modello = [&](const Grandezza& g) {
        return da_sistema(testo, g.unita, sistema_);
    };
    int i = 0;
    if (controllo(nome, "Text1", 38, i)) {
        f.Text1[static_cast<std::size_t>(i)].Text = nel_modello(grandezza(static_cast<Dato>(i)));
    } else if (nome == "fichiodo") { // typed: the change event runs even for the same text
        f.fichiodo.Text = nel_modello(grandezza_fichiodo());
        f.fichiodo_Change();
    } else if (nome == "Text2" || nome == "Text3" || nome == "Text4" || nome == "Text5") {
        const Grandezza& g = grandezza_foro(nome[4] - '2');
        f.campo(g).Text = nel_modello(g);
    } else {
        return Esito::non_compresa;
    }
    dopo_evento();
    return Esito::eseguita;
}

Sessione::Esito Sessione::clicca(const std::string& argomento) {
    Tessaro& f = *finestra_;
    int i = 0;
    if (controllo(argomento, "Option1", 5, i))
        f.imposta_Option1(i, true);
    else if (controllo(argomento, "Option2", 2, i))
        f.imposta_Option2(i, true);
    else if (controllo(argomento, "Option3", 1, i))
        f.imposta_Option3(i, true);
    else if (controllo(argomento, "Command1", 10, i))
        f.Command1_Click(i);
    else if (controllo(argomento, "Command2", 1, i))
        f.Command2_Click(i);
    else
        return Esito::non_compresa;
    dopo_evento();
    return Esito::eseguita;
}

// A closing started by the line ends one second later: the timer fires, and what follows
// acts on a new run of the program.
void Sessione::dopo_evento() {
    if (finestra_ && piattaforma_.timer_attivo()) finestra_->Timer1_Timer();
    if (piattaforma_.terminato()) finestra_.reset();
}

} // namespace tessaro
