// The state of the case: unreadable inputs, current or stale results, the overall verdict with
// the utilisation of each check, and the warnings of plausibility.
#include "verification/stato_caso.h"

#include "files/chiodi.h"
#include "form/campi.h"
#include "form/didascalie.h"
#include "numeric/conversioni.h"
#include "reinforcement/schema.h"
#include "verification/validita.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

const char* const DETTAGLIO_SPAZIATURA =
    "chiodi adiacenti oltre 1.5·deff entro 2·deff dalla faccia (EN 1992-1-1, 9.4.3)";
const char* const DETTAGLIO_FORO = "chiodi dentro il foro";
const char* const DETTAGLIO_BORDO = "chiodi oltre il bordo libero della soletta";

namespace {

// A field's or a result's value; absent when its text is no number.
std::optional<double> numero(const CalcoTess& f, Dato d) {
    return try_strict(f.Text1[d].Text);
}
std::optional<double> numero(const CalcoTess& f, Risultato r) {
    return try_strict(f.Label3[r].Caption);
}

// A ratio, absent when the resistance is not a positive number.
std::optional<double> rapporto(double effetto, std::optional<double> resistenza) {
    if (!resistenza || *resistenza <= 0) return std::nullopt;
    return effetto / *resistenza;
}

std::string senza_spazi(const std::string& t) {
    const auto i = t.find_first_not_of(" \t"), j = t.find_last_not_of(" \t");
    return i == std::string::npos ? std::string() : t.substr(i, j - i + 1);
}

// A length for the warnings, to a tenth of a centimetre, in the view's unit system.
std::string cm(const CalcoTess& f, double x) {
    return misura(f, x, 1, Unita::lunghezza);
}
// A length as a field holds it, with its unit in the view's system.
std::string cm(const CalcoTess& f, const std::string& testo) {
    return in_sistema(senza_spazi(testo), Unita::lunghezza, f.sistema) + " " +
           nome_unita(Unita::lunghezza, f.sistema);
}

// The design as the results show it: whether it ran, was refused, and how its outer perimeter
// and studs came out.
struct Progetto {
    bool eseguito = false;  // the control perimeter failed and the face held: studs designed
    bool rifiutato = false; // the design refused its inputs
    bool completo = false;  // a layout was laid: rectangular or circular column, not refused
    bool esterno_valutato = false;
    bool esterno_regge = false;
};

Progetto progetto(const CalcoTess& f) {
    Progetto p;
    p.eseguito = f.Frame4.Visible;
    if (!p.eseguito) return p;
    p.rifiutato = !f.ultimo.rifiuto.empty();
    p.completo = !p.rifiutato && (f.Option1[0] || f.Option1[1]);
    p.esterno_valutato = p.completo && !f.Label3[Risultato::Vrdc_est].Caption.empty();
    p.esterno_regge =
        p.esterno_valutato && !f.ultimo.contorno && f.dati.Vrdc_est > f.dati.Veff1_est;
    return p;
}

void avvisi_limiti(const CalcoTess& f, StatoCaso& s) {
    std::vector<std::string>& a = s.avvisi;
    const double d = f.dati.deff;
    if (!f.ultimo.S1_digitato.empty())
        a.push_back("S1 digitato " + cm(f, f.ultimo.S1_digitato) +
                    " ridotto a 0.5·deff = " + cm(f, 0.5 * d) + ".");
    if (!f.ultimo.S_digitato.empty())
        a.push_back("S digitato " + cm(f, f.ultimo.S_digitato) +
                    " ridotto a 0.75·deff = " + cm(f, 0.75 * d) + ".");
    const auto S1 = numero(f, Dato::S1);
    if (S1 && *S1 < 0.3 * d) {
        a.push_back("S1 = " + cm(f, *S1) + " minore di 0.3·deff = " + cm(f, 0.3 * d) +
                    ": primo chiodo troppo vicino alla faccia del pilastro (EN 1992-1-1, 9.4.3).");
        s.dettagli.push_back("S1 minore di 0.3·deff (EN 1992-1-1, 9.4.3)");
    }
    const auto intero = [](double x) { return x == std::floor(x); };
    const double Ntot = lenient(f.ultimo.Ntot_digitato);
    if (!intero(Ntot))
        a.push_back("N totali = " + show(Ntot) + " non intero: tralicci progettati con " +
                    senza_spazi(f.Text1[Dato::N_totali].Text) + ".");
    const double Ndiag = guardia(f, Dato::N_diag);
    if (f.Option1[0] && !intero(Ndiag))
        a.push_back("N diag = " + show(Ndiag) + " non intero: tralicci diagonali per spigolo " +
                    show(std::nearbyint(Ndiag)) + ".");
}

// The largest gap between the studs of one perimeter (the k-th stud of every rail) and its
// neighbours round the column: at most 1.5·d within the control perimeter at 2·d from the
// face, 2·d beyond it (EN 1992-1-1, 9.4.3).
void avvisi_spaziatura(const CalcoTess& f, const std::vector<Traliccio>& rotaie, StatoCaso& s) {
    std::vector<std::string>& a = s.avvisi;
    const double d = f.dati.deff;
    // Only an interior column's rails close the ring.
    const Spaziature peggiore = spaziature_tangenziali(rotaie, d, f.posizione() == 0);
    if (!peggiore.entro_ammessa(d)) {
        a.push_back("Chiodi adiacenti distanti fino a " + cm(f, peggiore.entro) +
                    " sui perimetri entro 2·deff dalla faccia: oltre 1.5·deff = " + cm(f, 1.5 * d) +
                    " (EN 1992-1-1, 9.4.3): aggiungere tralicci.");
        s.dettagli.push_back(DETTAGLIO_SPAZIATURA);
    }
    if (peggiore.oltre > 2 * d)
        a.push_back("Chiodi adiacenti distanti fino a " + cm(f, peggiore.oltre) +
                    " sui perimetri oltre 2·deff dalla faccia: oltre 2·deff = " + cm(f, 2 * d) +
                    " (EN 1992-1-1, 9.4.3): aggiungere tralicci.");
}

// Studs that fall inside the opening, or beyond a free slab edge; a stud on the edge line
// itself (a rail at the face of a column flush with the edge) only has its cover to be seen to.
void avvisi_posizione(const CalcoTess& f, const std::vector<Traliccio>& rotaie, StatoCaso& s) {
    std::vector<std::string>& a = s.avvisi;
    const DatiCalcolo& g = f.dati;
    const auto [nel_foro, oltre_bordo, sul_bordo] = posizioni_chiodi(f, rotaie);
    const auto chiodi = [](int n) {
        return std::to_string(n) + (n == 1 ? " chiodo cade" : " chiodi cadono");
    };
    const std::string bordi = "(Db_a = " + cm(f, g.Db_a) + ", Db_b = " + cm(f, g.Db_b) + ")";
    if (nel_foro > 0) {
        const auto numero = [&f](double x) {
            return in_sistema(show(R(x, 1)), Unita::lunghezza, f.sistema);
        };
        a.push_back(chiodi(nel_foro) + " dentro il foro (x da " + numero(g.foro_P1.x) + " a " +
                    cm(f, g.foro_P3.x) + ", y da " + numero(g.foro_P1.y) + " a " +
                    cm(f, g.foro_P2.y) + "): spostare i tralicci.");
        s.dettagli.push_back(DETTAGLIO_FORO);
    }
    if (oltre_bordo > 0) {
        a.push_back(chiodi(oltre_bordo) + " oltre il bordo libero della soletta " + bordi +
                    ": accorciare i tralicci.");
        s.dettagli.push_back(DETTAGLIO_BORDO);
    }
    if (sul_bordo > 0)
        a.push_back(chiodi(sul_bordo) + " sul bordo libero della soletta " + bordi +
                    ": controllarne il copriferro.");
}

void avvisi_progetto(const CalcoTess& f, const Progetto& p, StatoCaso& s) {
    std::vector<std::string>& a = s.avvisi;
    if (p.rifiutato) a.push_back(f.ultimo.rifiuto);
    if (!p.completo) return;
    if (f.ultimo.contorno)
        a.push_back("Raggiunto il contorno della soletta: il perimetro esterno non è verificato.");
    else if (!p.esterno_regge)
        a.push_back("Nessuna convergenza in " + std::to_string(f.dati.nlayer) +
                    " strati di chiodi: il perimetro esterno non è verificato.");
    const auto fornito = numero(f, Risultato::Vrds), richiesto = numero(f, Risultato::Vrds_teor);
    if (fornito && richiesto && *fornito < *richiesto)
        a.push_back("Con φ " + f.fichiodo.Text + " mm Vrd,s = " +
                    misura(f, *fornito, 0, Unita::forza) + " è minore del richiesto " +
                    misura(f, *richiesto, 0, Unita::forza) + ": aumentare il diametro dei chiodi.");
    const std::vector<Traliccio> rotaie = schema_chiodatura(f);
    avvisi_spaziatura(f, rotaie, s);
    avvisi_posizione(f, rotaie, s);
}

// The utilisations of the checks made by the last pass, and the verdict they give.
void esito(const CalcoTess& f, const Progetto& p, StatoCaso& s) {
    const DatiCalcolo& g = f.dati;
    s.utilizzo_faccia = rapporto(g.Veff, numero(f, Risultato::Vrd_max));
    const bool faccia = f.Label4[Verdetto::Vrd_max].Caption == "kg (> Veff: OK)";
    if (!faccia) {
        s.esito = Esito::non_verificato;
        s.testo_esito = "Non verificato: Vrd,max non supera Veff alla faccia del pilastro";
        return;
    }
    s.utilizzo_perimetro = rapporto(g.Veff1, numero(f, Risultato::Vrdc));
    if (!p.eseguito) {
        s.esito = Esito::verificato;
        s.testo_esito = "Verificato senza armatura a taglio";
        return;
    }
    if (p.esterno_valutato) s.utilizzo_esterno = rapporto(g.Veff1_est, g.Vrdc_est);
    if (p.completo) {
        const auto richiesta = numero(f, Risultato::Aftot_teor);
        if (richiesta) s.utilizzo_chiodi = rapporto(*richiesta, numero(f, Risultato::Aftot));
    }
    s.esito = Esito::non_verificato;
    if (p.rifiutato)
        s.testo_esito = "Non verificato: chiodatura non progettata";
    else if (!p.esterno_regge)
        s.testo_esito = "Non verificato: il perimetro esterno ai chiodi non regge";
    else if (!s.utilizzo_chiodi || *s.utilizzo_chiodi > 1)
        s.testo_esito = "Non verificato: area dei chiodi minore di quella richiesta";
    else if (!s.dettagli.empty()) {
        // The resistances hold, but the layout breaks a detailing rule: nothing to sign yet.
        s.esito = Esito::dettagli_non_rispettati;
        s.testo_esito = "Resistenze verificate con armatura a taglio, dettagli costruttivi non "
                        "rispettati: " +
                        s.dettagli.front();
    } else {
        s.esito = Esito::verificato_con_chiodi;
        s.testo_esito =
            "Verificato con armatura a taglio: " + senza_spazi(f.Text1[Dato::N_totali].Text) +
            " tralicci, chiodi φ" + f.fichiodo.Text + " mm";
    }
}

// The banner says how many warnings the list holds.
void conta_avvisi(StatoCaso& s) {
    const std::size_t n = s.avvisi.size();
    if (n > 0) s.testo_esito += " (" + std::to_string(n) + (n == 1 ? " avviso)" : " avvisi)");
}

// The governing utilisation, added to the verdict's line. With a stud layout the control
// perimeter's own resistance no longer governs: the studs and the outer perimeter do.
void governante(StatoCaso& s, const Progetto& p) {
    const std::optional<double> nessuno;
    const std::pair<const std::optional<double>*, const char*> controlli[] = {
        {&s.utilizzo_faccia, "faccia del pilastro"},
        {p.completo ? &nessuno : &s.utilizzo_perimetro, "perimetro di controllo"},
        {&s.utilizzo_esterno, "perimetro esterno"},
        {&s.utilizzo_chiodi, "chiodi"}};
    const std::pair<const std::optional<double>*, const char*>* massimo = nullptr;
    for (const auto& c : controlli)
        if (*c.first && (!massimo || **c.first > **massimo->first)) massimo = &c;
    if (!massimo) return;
    s.utilizzo_governante = *massimo->first;
    s.testo_esito += " (utilizzo " + show(R(**massimo->first, 2)) + ", " + massimo->second + ")";
}

// Why the results are not those of the inputs shown, and what to do.
std::string non_aggiornati(const CalcoTess& f, const StatoCaso& s) {
    if (!s.non_validi.empty()) {
        std::string campi;
        for (const CampoNonValido& c : s.non_validi)
            campi += (campi.empty() ? "«" : ", «") + richiamo(f, *c.grandezza) + "»";
        return "Risultati non aggiornati: correggere " + campi;
    }
    if (f.ultimo.interrotto)
        return "Risultati non aggiornati: «" + richiamo(f, *f.ultimo.interrotto) + "» " +
               f.ultimo.interruzione;
    if (!f.ultimo.interruzione.empty()) return "Risultati non aggiornati: " + f.ultimo.interruzione;
    return "Risultati non aggiornati: premere Aggiorna";
}

} // namespace

StatoCaso stato_caso(const CalcoTess& f) {
    StatoCaso s;
    for (const Grandezza* g : ingressi_in_uso(f.Option3[0]))
        if (std::string perche = non_valido(f, *g); !perche.empty())
            s.non_validi.push_back({g, std::move(perche)});
    // Numbers computed from an input that cannot be taken belong to no case.
    s.aggiornati =
        s.non_validi.empty() && f.ultimo.ingressi && *f.ultimo.ingressi == f.istantanea();
    if (f.ultimo.chiodi_non_scritti)
        s.avvisi.push_back("Impossibile scrivere l'elenco dei chiodi " +
                           percorso_chiodi(f.cartella_lavoro).string() +
                           ": nessun elenco aggiornato per questo caso.");
    const int forma =
        static_cast<int>(std::find(f.Option1.begin(), f.Option1.end(), true) - f.Option1.begin());
    if (s.aggiornati && forma > 1) {
        // A shape without a perimeter computation: "Aggiorna" leaves another shape's numbers
        // on screen, so they are never current for this one.
        s.aggiornati = false;
        s.forma_senza_verifica = true;
        // A data file keeps the first two shapes only: one saved with another leaves none set.
        s.testo_aggiornamento =
            forma < 6 ? std::string("Verifica non disponibile per la forma «") +
                            didascalie_Option1[static_cast<std::size_t>(forma)] +
                            "»: i valori mostrati non sono di questo pilastro"
                      : "Verifica non disponibile: nessuna forma del pilastro scelta (il file "
                        "letto non era «Rettangolare» né «Circolare»): scegliere la forma";
    } else if (!s.aggiornati) {
        s.testo_aggiornamento = non_aggiornati(f, s);
    }
    if (!s.aggiornati) {
        s.testo_esito = s.testo_aggiornamento;
        conta_avvisi(s);
        return s;
    }
    if (f.ultimo.ro_limitato)
        s.avvisi.push_back("ρ = √(ρx·ρy) = " + show(R(*f.ultimo.ro_limitato, 5)) +
                           " % limitato al 2 % (EN 1992-1-1, 6.4.4 (1))");
    if (f.rid_foro_letta)
        s.avvisi.push_back("Rid. foro = " + cm(f, *f.rid_foro_letta) + " nel file letto, " +
                           cm(f, f.Text1[Dato::Rid_foro].Text) +
                           " con il foro del pannello applicato: il foro non era stato "
                           "confermato con OK prima di salvare; controllare il foro.");
    const Progetto p = progetto(f);
    if (p.eseguito) avvisi_limiti(f, s);
    avvisi_progetto(f, p, s);
    esito(f, p, s);
    governante(s, p);
    conta_avvisi(s);
    return s;
}

PosizioniChiodi posizioni_chiodi(const CalcoTess& f, const std::vector<Traliccio>& rotaie,
                                 double margine) {
    constexpr double SUL_BORDO = 0.1; // cm: within a millimetre of the edge line, a stud is on it
    const DatiCalcolo& g = f.dati;
    PosizioniChiodi n;
    const double bordo_x = -(g.a / 2 + g.Db_a), bordo_y = -(g.b / 2 + g.Db_b);
    for (const Traliccio& t : rotaie)
        for (std::size_t k = 0; k < t.chiodi.size(); ++k) {
            const Punto p = t.chiodo(k);
            if (g.uc_foro > 0 && p.x >= g.foro_P1.x + margine && p.x <= g.foro_P3.x - margine &&
                p.y >= g.foro_P1.y + margine && p.y <= g.foro_P2.y - margine)
                ++n.nel_foro;
            const double fuori = std::max(bordo_x - p.x, bordo_y - p.y); // past the edge, cm
            if (fuori > SUL_BORDO + margine)
                ++n.oltre_bordo;
            else if (fuori >= -SUL_BORDO)
                ++n.sul_bordo;
        }
    return n;
}

Spaziature spaziature_tangenziali(const std::vector<Traliccio>& rotaie, double deff, bool anello) {
    Spaziature peggiore;
    for (std::size_t i = 0; i + (anello ? 0 : 1) < rotaie.size() && rotaie.size() > 1; ++i) {
        const Traliccio& t = rotaie[i];
        const Traliccio& u = rotaie[(i + 1) % rotaie.size()];
        for (std::size_t k = 0; k < std::min(t.chiodi.size(), u.chiodi.size()); ++k) {
            const Punto p = t.chiodo(k), q = u.chiodo(k);
            const double distanza = std::hypot(p.x - q.x, p.y - q.y);
            double& d = t.chiodi[k] > 2 * deff + 1e-9 ? peggiore.oltre : peggiore.entro;
            d = std::max(d, distanza);
        }
    }
    return peggiore;
}

std::string relazione_negata(const CalcoTess& f, const StatoCaso& s,
                             const std::string& non_scritto) {
    std::string correggere;
    for (const CampoNonValido& c : s.non_validi)
        correggere +=
            (correggere.empty() ? "«" : "; «") + richiamo(f, *c.grandezza) + "» (" + c.motivo + ")";
    if (!correggere.empty()) return non_scritto + ": correggere " + correggere + ".";
    if (s.aggiornati) return "";
    const std::string stantii = "Risultati non aggiornati: ";
    const std::string& perche = s.testo_aggiornamento;
    return non_scritto + ": " +
           (perche.rfind(stantii, 0) == 0 ? perche.substr(stantii.size()) : perche) + ".";
}

const char* chiave_esito(Esito e) {
    switch (e) {
    case Esito::verificato:
        return "verified";
    case Esito::verificato_con_chiodi:
        return "verified-with-studs";
    case Esito::non_verificato:
        return "not-verified";
    case Esito::dettagli_non_rispettati:
        return "detailing-not-met";
    default:
        return "not-computed";
    }
}

} // namespace tessaro
