// A batch case on its own form model.
#include "batch/caso.h"

#include "app/Tessaro.h"
#include "app/senza_finestra.h"
#include "files/codifica.h"
#include "form/didascalie.h"
#include "numeric/conversioni.h"
#include "proposta/proposta.h"
#include "proposta/valori.h"
#include "reinforcement/schema.h"
#include "verification/stato_caso.h"

#include <filesystem>

namespace tessaro {
namespace {

using T = ColonnaIngresso::Tipo;

// The text of a number for the window, or why it is not one.
std::optional<std::string> numero(std::string testo, Dialetto d, std::string& perche) {
    if (d.decimale == ',') {
        if (testo.find('.') != std::string::npos) {
            perche = "con il separatore «;» la virgola separa i decimali, il punto non è ammesso";
            return std::nullopt;
        }
        for (char& c : testo)
            if (c == ',') c = '.';
    }
    if (!is_numeric(testo)) {
        perche = "non è un numero";
        return std::nullopt;
    }
    return testo;
}

// The shape: its index 0 to 5 or its caption.
std::optional<std::string> forma(const std::string& testo, std::string& perche) {
    for (std::size_t i = 0; i < didascalie_Option1.size(); ++i)
        if (testo == std::to_string(i) || maiuscole(testo) == maiuscole(didascalie_Option1[i]))
            return std::to_string(i);
    perche = "forma sconosciuta: da 0 a 5 o il nome dell'opzione (Rettangolare, Circolare, …)";
    return std::nullopt;
}

// The load format: SLU or TA, with or without the dots.
std::optional<std::string> formato(const std::string& testo, std::string& perche) {
    const std::string m = maiuscole(testo);
    if (m == "SLU" || m == "S.L.U.") return "1";
    if (m == "TA" || m == "T.A.") return "0";
    perche = "formato sconosciuto: SLU oppure TA";
    return std::nullopt;
}

} // namespace

Caso leggi_caso(const std::vector<CellaCaso>& celle, Dialetto dialetto, int riga,
                std::string& errore) {
    Caso caso;
    caso.riga = riga;
    errore.clear();
    const auto sbaglia = [&](const std::string& testo) {
        errore += (errore.empty() ? "riga " + std::to_string(riga) + ": " : "; ") + testo;
    };
    for (const CellaCaso& cella : celle) {
        const std::string testo = senza_spazi(cella.testo);
        if (cella.colonna == SENZA_NOME) {
            if (!testo.empty())
                sbaglia("cella " + std::to_string(cella.posizione + 1) + ", «" + testo +
                        "»: la sua colonna non ha nome nell'intestazione");
            continue;
        }
        const ColonnaIngresso& c = colonne_ingresso[cella.colonna];
        if (c.tipo == T::id) {
            caso.id = testo;
            continue;
        }
        if (testo.empty()) continue;
        std::string perche;
        const std::optional<std::string> letto = c.tipo == T::forma ? forma(testo, perche)
                                                 : c.tipo == T::formato
                                                     ? formato(testo, perche)
                                                     : numero(testo, dialetto, perche);
        if (letto)
            caso.testi[cella.colonna] = *letto;
        else
            sbaglia(std::string("colonna «") + c.nome + "», «" + testo + "»: " + perche);
    }
    if (caso.id.empty()) sbaglia("identificativo (colonna «id») vuoto");
    return caso;
}

EsitoCaso caso_illeggibile(const std::string& id, const std::string& errore) {
    EsitoCaso e;
    e.valori[risultato::id] = id;
    e.valori[risultato::errore] = errore;
    e.fallito = true;
    return e;
}

namespace {

// The desktop of a batch case: the save dialog answers the report's path, and a failed write
// is told.
class PiattaformaLotto : public PiattaformaMuta {
  public:
    std::string relazione; // the answer of the save dialog
    bool scrittura_fallita = false;

    std::string dialogo_salva(const DialogoFile&) override { return relazione; }
    void messaggio(const std::string& testo, const std::string&, Icona) override {
        if (testo.starts_with("Impossibile scrivere")) scrittura_fallita = true;
    }
};

const char* verifica(const Etichetta& e) {
    return e.Caption.find("OK") != std::string::npos ? "OK" : "NO";
}

// The window's results for the case, read as it shows them.
void risultati(const Tessaro& f, const StatoCaso& s, EsitoCaso& e) {
    namespace r = risultato;
    auto& v = e.valori;
    const auto campo = [&](Dato d) { return senza_spazi(f.Text1[d].Text); };
    const auto etichetta = [&](Risultato r) { return senza_spazi(f.Label3[r].Caption); };
    v[r::verdetto] = chiave_esito(s.esito);
    v[r::testo_verdetto] = s.testo_esito;
    e.avvisi = s.avvisi;
    if (s.esito == Esito::non_calcolato) return; // the values shown are not of this column
    v[r::posizione] = std::to_string(f.posizione());
    v[r::u0] = campo(Dato::u0);
    v[r::u1] = campo(Dato::u1);
    v[r::Aq] = campo(Dato::Aq);
    v[r::beta] = campo(Dato::beta);
    v[r::Veff] = show(R(f.dati.Veff, 0));
    v[r::Veff1] = etichetta(Risultato::Veff1);
    v[r::vmin] = etichetta(Risultato::vmin);
    v[r::taurdc] = etichetta(Risultato::TAUrdc);
    v[r::Vrdc] = etichetta(Risultato::Vrdc);
    v[r::Vrdmax] = etichetta(Risultato::Vrd_max);
    v[r::esito_faccia] = verifica(f.Label4[Verdetto::Vrd_max]);
    if (v[r::esito_faccia] == "OK") v[r::esito_perimetro] = verifica(f.Label4[Verdetto::Vrdc]);
    const auto utilizzo = [](const std::optional<double>& u) { return u ? show(R(*u, 2)) : ""; };
    v[r::utilizzo_faccia] = utilizzo(s.utilizzo_faccia);
    v[r::utilizzo_perimetro] = utilizzo(s.utilizzo_perimetro);
    v[r::utilizzo_esterno] = utilizzo(s.utilizzo_esterno);
    v[r::utilizzo_chiodi] = utilizzo(s.utilizzo_chiodi);
    if (!f.Frame4.Visible) return; // no stud design
    v[r::Ntot] = campo(Dato::N_totali);
    v[r::Ndiag] = campo(Dato::N_diag);
    v[r::L_tral] = etichetta(Risultato::L_tral);
    v[r::phi] = senza_spazi(f.fichiodo.Text);
    v[r::Af_tot] = etichetta(Risultato::Aftot);
    v[r::Vrds] = etichetta(Risultato::Vrds);
    v[r::Vrdcs] = etichetta(Risultato::Vrdc_est);
    std::size_t chiodi = 0;
    for (const Traliccio& t : schema_chiodatura(f))
        chiodi += t.chiodi.size();
    if (chiodi > 0) v[r::N_chiodi] = std::to_string(chiodi);
}

// The columns of --propose: the best layout with the values the script line prints (in the
// table's unit system), or the reason as it follows "proposal=none".
void proposta_di(const Tessaro& f, EsitoCaso& e) {
    const Proposta p = proponi(f);
    auto& v = e.proposta;
    if (p.motivo == Motivo::senza_chiodi) return;
    if (p.motivo != Motivo::trovata) {
        v[proposta::esito] = std::string(chiave_motivo(p.motivo)) + " " + p.perche;
        return;
    }
    const ValoriCandidato c = valori(p.migliori.front(), f.sistema); // the table's units
    v[proposta::Ntot] = c.N_totali;
    v[proposta::Ndiag] = c.N_diag;
    v[proposta::S1] = c.S1;
    v[proposta::S] = c.S;
    v[proposta::phi] = c.phi;
    v[proposta::chiodi] = c.chiodi;
    v[proposta::kg] = c.kg;
}

} // namespace

EsitoCaso valuta_caso(const Caso& caso, const std::string& relazione, const std::string& documenti,
                      const ScrittoreDocumenti& scrivi, bool proponi) {
    MisuraMuta misura;
    PiattaformaLotto piattaforma;
    Tessaro f(piattaforma, misura);
    f.file_di_lavoro = false;
    f.Form_Load();
    f.Picture3_MouseUp();

    // In the order of the input columns, as a person fills the window from the top: the shape
    // and the load format clicked, then the fields and the stud diameter typed, in the table's
    // unit system as a person types in the window's.
    using C = Controllo::Tipo;
    const auto nel_pannello = [](const ColonnaIngresso& c) {
        return c.tipo == T::grandezza && del_foro(*c.grandezza);
    };
    f.sistema = caso.sistema;
    const auto& t = caso.testi;
    const auto nel_modello = [&](std::size_t k) {
        return da_sistema(*t[k], colonne_ingresso[k].grandezza->unita, f.sistema);
    };
    bool foro = false;
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (!t[k]) continue;
        const ColonnaIngresso& c = colonne_ingresso[k];
        if (c.tipo == T::forma) f.imposta_Option1(std::stoi(*t[k]), true);
        if (c.tipo == T::formato) f.imposta_Option3(std::stoi(*t[k]), true);
        if (nel_pannello(c))
            foro = true;
        else if (c.tipo == T::grandezza && c.grandezza->controllo.tipo == C::fichiodo)
            f.imposta_fichiodo(nel_modello(k));
        else if (c.tipo == T::grandezza)
            f.campo(*c.grandezza).Text = nel_modello(k);
    }
    if (foro) { // "Foro", the panel's fields, its "OK"
        f.Command1_Click(4);
        for (std::size_t k = 0; k < t.size(); ++k)
            if (t[k] && nel_pannello(colonne_ingresso[k]))
                f.campo(*colonne_ingresso[k].grandezza).Text = nel_modello(k);
        f.Command2_Click(0);
    }
    f.Command1_Click(0); // "Aggiorna"

    const StatoCaso s = stato_caso(f);
    if (!s.non_validi.empty()) { // each input refused by its column, as a cell not read is
        std::string errore = "riga " + std::to_string(caso.riga) + ": ";
        for (std::size_t i = 0; i < s.non_validi.size(); ++i) {
            const Grandezza& g = *s.non_validi[i].grandezza;
            errore += (i ? "; " : "") + std::string("colonna «") + g.colonna + "», «" +
                      senza_spazi(testo_vista(f, g)) + "»: " + s.non_validi[i].motivo;
        }
        return caso_illeggibile(caso.id, errore);
    }
    if (!s.aggiornati && !s.forma_senza_verifica)
        return caso_illeggibile(
            caso.id, "riga " + std::to_string(caso.riga) + ": calcolo non eseguito: " +
                         s.testo_aggiornamento.substr(s.testo_aggiornamento.find(':') + 2));
    EsitoCaso e;
    e.valori[risultato::id] = caso.id;
    risultati(f, s, e);
    for (std::size_t k = 0; k < colonne_risultato.size(); ++k) // in the table's unit system
        e.valori[k] = in_sistema(e.valori[k], colonne_risultato[k].unita, f.sistema);
    if (proponi) proposta_di(f, e);
    if (!relazione_negata(f, s).empty()) return e;
    const auto fallita = [&](const std::string& cosa) {
        e.valori[risultato::errore] =
            "riga " + std::to_string(caso.riga) + ": impossibile scrivere " + cosa;
        e.fallito = true;
    };
    if (!relazione.empty()) {
        piattaforma.relazione = relazione;
        f.Command1_Click(3); // "Stampa"
        if (piattaforma.scrittura_fallita) fallita("la relazione " + relazione);
    }
    if (!documenti.empty() && scrivi && !scrivi(f, documenti))
        fallita("i documenti " + documenti + ".pdf, .dxf, .csv");
    if (!e.fallito && (!relazione.empty() || !documenti.empty()))
        e.valori[risultato::file] = documenti.empty()
                                        ? std::filesystem::path(relazione).stem().string()
                                        : std::filesystem::path(documenti).filename().string();
    return e;
}

} // namespace tessaro
