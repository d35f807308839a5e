// "Proponi armatura" on the case a model shows.
#include "proposta/proposta.h"

#include "form/campi.h"
#include "form/didascalie.h"
#include "numeric/conversioni.h"
#include "proposta/copia.h"
#include "reinforcement/schema.h"

namespace tessaro {
namespace {

constexpr const char* NESSUNA = "Nessuna proposta";
constexpr const char* CHE_FARE =
    "aumentare deff (e H), la classe del calcestruzzo (Rck) o le dimensioni del pilastro";

// A force as a result shows it, in the form's unit system.
std::string forza(const CalcoTess& f, Risultato r) {
    return misura(f, risultato(f, r), 0, Unita::forza);
}

std::string faccia(const CalcoTess& f, const StatoCaso& s) {
    std::string t =
        "La faccia del pilastro non regge: Veff = " + misura(f, f.dati.Veff, 0, Unita::forza) +
        ", Vrd,max = " + forza(f, Risultato::Vrd_max);
    if (s.utilizzo_faccia) t += " (utilizzo " + show(R(*s.utilizzo_faccia, 2)) + ")";
    return t + ": nessuna armatura a taglio può bastare; " + CHE_FARE + ".";
}

std::string senza_chiodi(const CalcoTess& f) {
    return "Verificato senza armatura a taglio: Vrd,c = " + forza(f, Risultato::Vrdc) +
           " supera Veff' = " + forza(f, Risultato::Veff1) + ", non servono chiodi.";
}

std::string contorno(const CalcoTess& m) {
    const std::string limite = "il limite di 51 strati di chiodi";
    const auto cm = [&m](double x) { return misura(m, x, 1, Unita::lunghezza); };
    const std::string dove = m.posizione() == 0
                                 ? "il contorno della soletta (Db_a = " + cm(m.dati.Db_a) +
                                       ", Db_b = " + cm(m.dati.Db_b) + ") o " + limite
                                 : limite;
    return "Ogni disposizione raggiunge " + dove +
           " prima che il perimetro esterno ai chiodi regga: " + CHE_FARE + ".";
}

// The reasons of a search that found nothing, the most frequent first.
std::string nessuna(const Scarti& s) {
    std::vector<std::pair<long, std::string>> parti;
    if (s.contorno > 0)
        parti.push_back({s.contorno, "raggiungono il contorno della soletta o il limite di 51 "
                                     "strati prima che il perimetro esterno regga"});
    if (s.diametro > 0)
        parti.push_back(
            {s.diametro, "richiedono chiodi oltre φ " + show(DIAMETRI_UNIFICATI.back()) + " mm"});
    for (const auto& [regola, n] : s.dettagli)
        parti.push_back({n, "non rispettano un dettaglio costruttivo: " + regola});
    if (s.altro > 0) parti.push_back({s.altro, "non sono verificate"});
    std::stable_sort(parti.begin(), parti.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string t = "Nessuna disposizione accettabile: ";
    for (std::size_t i = 0; i < parti.size(); ++i)
        t += (i ? "; " : "") + std::to_string(parti[i].first) + " " + parti[i].second;
    // An opening in the way of every layout can be moved.
    const bool foro = s.dettagli.count(DETTAGLIO_FORO) > 0;
    return t + ". Provare " + (foro ? "a spostare o ridurre il foro, o ad " : "ad ") + CHE_FARE +
           ".";
}

} // namespace

Proposta proponi(const CalcoTess& f, const Avanzamento& avanzamento) {
    Proposta p;
    const StatoCaso s = stato_caso(f);
    const auto nessuna_proposta = [&p](Motivo m, std::string perche) {
        p.motivo = m;
        p.perche = std::move(perche);
        return p;
    };
    if (!s.non_validi.empty())
        return nessuna_proposta(Motivo::ingressi_non_validi, relazione_negata(f, s, NESSUNA));
    if (s.forma_senza_verifica)
        return nessuna_proposta(Motivo::forma_non_verificata, relazione_negata(f, s, NESSUNA));
    if (!s.aggiornati)
        return nessuna_proposta(Motivo::risultati_non_aggiornati, relazione_negata(f, s, NESSUNA));
    if (!f.Frame4.Visible)
        return s.esito == Esito::verificato
                   ? nessuna_proposta(Motivo::senza_chiodi, senza_chiodi(f))
                   : nessuna_proposta(Motivo::faccia, faccia(f, s));
    if (const std::vector<Traliccio> rotaie = schema_chiodatura(f); !rotaie.empty()) {
        p.attuale = candidato_di(f, s, rotaie);
        p.esito_attuale = s.esito;
    }

    Copia copia(f);
    Tessaro& m = copia.modello();
    const Spazio spazio = spazio_di(m.Option1[1], m.posizione(), m.dati.deff);
    p.possibili = spazio.geometrie() * spazio.diametri.size();
    EsitoRicerca e = cerca(m, spazio, PROPOSTE, avanzamento);
    p.provate = e.provate;
    p.migliori = std::move(e.migliori);
    if (!p.migliori.empty()) {
        p.motivo = Motivo::trovata;
        return p;
    }
    const Scarti& sc = e.scarti;
    const bool solo_contorno =
        sc.contorno > 0 && sc.diametro == 0 && sc.dettagli.empty() && sc.altro == 0;
    if (solo_contorno) return nessuna_proposta(Motivo::contorno, contorno(m));
    return nessuna_proposta(Motivo::nessuna, nessuna(sc));
}

const char* chiave_motivo(Motivo m) {
    switch (m) {
    case Motivo::trovata:
        return "found";
    case Motivo::ingressi_non_validi:
        return "inputs-invalid";
    case Motivo::risultati_non_aggiornati:
        return "results-stale";
    case Motivo::forma_non_verificata:
        return "not-computed";
    case Motivo::faccia:
        return "face-fails";
    case Motivo::senza_chiodi:
        return "no-studs-needed";
    case Motivo::contorno:
        return "contour";
    case Motivo::nessuna:
        break;
    }
    return "none-acceptable";
}

} // namespace tessaro
