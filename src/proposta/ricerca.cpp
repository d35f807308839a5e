// The search: best first over the layouts, each one's steel bounded from below by what the
// runs have told of its rails, so that most layouts are never run.
//
// What a layout's design does follows from a few facts. Its layers lie at r = S1 + (n − 1)·S
// from the face, and the outer perimeter of a layer depends only on the rails and on r (for a
// rectangular column only on the fans of diagonal rails at its corners: the straight rails
// along a face leave it as it is). It grows with r, since its arcs keep their length and each
// chord between adjacent outer studs grows up to the bridged gap Dmax, while the shear inside it
// falls: a perimeter that fails at r fails at every smaller r. The design stops at the first
// layer whose perimeter holds, so every layer up to the first beyond the distances seen failing
// is laid, and where those layers put studs (too far apart, in the opening, past the edge) is
// known before the run. The steel is (rails × layers) studs of the smallest standard diameter at
// or above the required one, which falls with the layers and rises with S: once the layer
// count is bounded from below the steel is too. A run that contradicts the growth drops what
// was learnt of its perimeter.
#include "proposta/ricerca.h"

#include "form/campi.h"
#include "numeric/conversioni.h"
#include "proposta/copia.h"
#include "reinforcement/peso.h"
#include "reinforcement/schema.h"
#include "verification/stato_caso.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <tuple>
#include <unordered_map>

namespace tessaro {

Candidato candidato_di(const CalcoTess& f, const StatoCaso& s,
                       const std::vector<Traliccio>& rotaie) {
    Candidato c;
    // The rail counts as the design takes them, to the nearest whole number.
    c.disposizione = {{static_cast<int>(std::nearbyint(guardia(f, Dato::N_totali))),
                       static_cast<int>(std::nearbyint(guardia(f, Dato::N_diag)))},
                      guardia(f, Dato::S1),
                      guardia(f, Dato::S),
                      lenient(f.fichiodo.Text)};
    for (const Traliccio& t : rotaie) {
        c.chiodi += static_cast<int>(t.chiodi.size());
        c.strati = std::max(c.strati, static_cast<int>(t.chiodi.size()));
    }
    c.kg = c.chiodi * peso_chiodo(lenient(f.fichiodo.Text), lunghezza_chiodo(f));
    c.utilizzo = s.utilizzo_governante;
    return c;
}

bool precede(const Candidato& a, const Candidato& b) {
    const Disposizione &p = a.disposizione, &q = b.disposizione;
    const double ua = a.utilizzo.value_or(0), ub = b.utilizzo.value_or(0);
    return std::tie(a.kg, a.chiodi, p.tralicci.N_totali, ua, p.tralicci.N_diag, p.S1, p.S) <
           std::tie(b.kg, b.chiodi, q.tralicci.N_totali, ub, q.tralicci.N_diag, q.S1, q.S);
}

bool accettabile(const CalcoTess& f, const StatoCaso& s) {
    return s.non_validi.empty() && s.aggiornati && s.esito == Esito::verificato_con_chiodi &&
           s.dettagli.empty() && !f.ultimo.contorno;
}

namespace {

constexpr double INFINITO = std::numeric_limits<double>::infinity();
constexpr int MAX_STRATI = 51;
// Positions computed along another path of the design differ in their last digits: a bound
// that compares lengths leaves them this much room, cm.
constexpr double TOLLERANZA = 1e-6;
// How often the search tells how far it has come, in layouts taken from the queue (bounded or
// tried).
constexpr long OGNI = 256;

enum class Scarto : unsigned char { nessuno, contorno, diametro, spaziatura, foro, bordo, altro };

// What the runs have told of one outer perimeter, shared by the rail configurations that give it.
struct Perimetro {
    double non_regge = -INFINITO; // the largest layer distance where it failed, cm
    double regge = INFINITO;      // the smallest where it held, cm
    bool crescente = true;        // no run has contradicted its growth
};

// What the runs have told of one rail configuration.
struct Conoscenza {
    std::size_t perimetro = 0;      // its outer perimeter's class
    bool un_chiodo_a_strato = true; // every layer laid one stud on every rail
    std::vector<Traliccio> rotaie;  // the rails laid, from its first run; their studs scratch
    std::unordered_map<double, Scarto> strati; // the fault of a layer at r (cm), once known
};

struct Limite {
    double kg = 0; // no acceptable layout lighter; INFINITO when none can come
    Scarto scarto = Scarto::nessuno;
    int strati = 0; // layers that every acceptable design of the layout lays
};

class Ricerca {
  public:
    Ricerca(Tessaro& m, const Spazio& spazio, std::size_t quanti, const Avanzamento& avanzamento)
        : m_(m), spazio_(spazio), quanti_(quanti), avanzamento_(avanzamento),
          conoscenze_(spazio.tralicci.size()), stato_(spazio.geometrie(), Stato::in_attesa),
          scarto_(spazio.geometrie(), Scarto::nessuno), controllati_(spazio.geometrie(), 0) {
        // A circular column's perimeter is that of its rails; a rectangular one's that of the
        // diagonal rails at its corners.
        const bool circolare = m.Option1[1];
        for (std::size_t c = 0; c < conoscenze_.size(); ++c) {
            conoscenze_[c].perimetro =
                circolare ? c : static_cast<std::size_t>(spazio.tralicci[c].N_diag);
            perimetri_.resize(std::max(perimetri_.size(), conoscenze_[c].perimetro + 1));
        }
        const DatiCalcolo& g = m.dati;
        deff_ = g.deff;
        Db_a_ = g.Db_a;
        Db_b_ = g.Db_b;
        interno_ = m.posizione() == 0;
        Aftot_teor_ = g.Aftot_teor;
        lunghezza_ = lunghezza_chiodo(m);
    }

    EsitoRicerca esegui();

  private:
    enum class Stato : unsigned char { in_attesa, scartata, provata };
    using Voce = std::pair<double, std::size_t>; // the bound on the steel, the layout

    std::size_t configurazione(std::size_t i) const {
        return i / (spazio_.S1.size() * spazio_.S.size());
    }
    double S1(std::size_t i) const { return spazio_.S1[i / spazio_.S.size() % spazio_.S1.size()]; }
    double S(std::size_t i) const { return spazio_.S[i % spazio_.S.size()]; }
    // The distance of layer n from the face, as the design computes it.
    static double raggio(int n, double S1, double S) { return (n - 1) * S + S1; }

    Limite limite(std::size_t i);
    Scarto dove_cadono(std::size_t i, int dal, int al);
    Scarto strato(Conoscenza& k, double r) const;
    void accoda(std::size_t i);
    void scarta(std::size_t i, Scarto perche) {
        stato_[i] = Stato::scartata;
        scarto_[i] = perche;
    }
    void riconsidera(std::size_t c);
    void riconsidera_perimetro(std::size_t p);
    void prova(std::size_t i);
    void impara(std::size_t i, bool regge);
    void proponi(std::size_t i, const std::vector<Traliccio>& rotaie, std::size_t chiodi);
    bool pieno() const { return migliori_.size() >= quanti_; }

    Tessaro& m_;
    const Spazio& spazio_;
    std::size_t quanti_;
    const Avanzamento& avanzamento_;
    double deff_ = 0, Db_a_ = 0, Db_b_ = 0, Aftot_teor_ = 0, lunghezza_ = 0;
    bool interno_ = false;
    std::vector<Conoscenza> conoscenze_;
    std::vector<Perimetro> perimetri_;
    std::vector<Stato> stato_;
    std::vector<Scarto> scarto_;
    std::vector<unsigned char> controllati_; // a layout's layers found clean of detailing faults
    std::priority_queue<Voce, std::vector<Voce>, std::greater<>> coda_;
    std::vector<Candidato> migliori_;
    std::map<std::string, long> dettagli_; // the detailing rules broken, by layouts run
    int provate_ = 0;
};

// The least steel an acceptable design of layout i can have, on what is known of its rails.
Limite Ricerca::limite(std::size_t i) {
    Conoscenza& k = conoscenze_[configurazione(i)];
    const Perimetro& p = perimetri_[k.perimetro];
    const int N = spazio_.tralicci[configurazione(i)].N_totali;
    const double s1 = S1(i), s = S(i);
    // The design runs on to the first layer beyond every distance where the perimeter failed.
    int n0 = 2;
    while (p.crescente && n0 <= MAX_STRATI && raggio(n0, s1, s) <= p.non_regge)
        ++n0;
    if (n0 > MAX_STRATI) return {INFINITO, Scarto::contorno};
    const double R_out = 1.5 * deff_ + raggio(n0, s1, s);
    if (interno_ && (R_out > Db_a_ || R_out > Db_b_)) return {INFINITO, Scarto::contorno};
    // The required stud area: over the studs within 1.5·d of the face when the layers reach
    // that far (then alike for every layer count), over all layers otherwise.
    double kg = INFINITO;
    for (int n = n0; n <= MAX_STRATI; ++n) {
        const bool oltre_la_zona = n * s >= 1.5 * deff_ - TOLLERANZA;
        const double Af =
            oltre_la_zona ? s * Aftot_teor_ / (N * 1.5 * deff_) : Aftot_teor_ / (N * n); // cm²
        const double fi = 10 * std::sqrt(4 * std::max(Af, 0.0) / PI) * (1 - 1e-9);       // mm
        const auto phi = std::find_if(spazio_.diametri.begin(), spazio_.diametri.end(),
                                      [&](double d) { return d >= fi; });
        if (phi != spazio_.diametri.end()) {
            const int chiodi = k.un_chiodo_a_strato ? N * n : 0;
            kg = std::min(kg, chiodi * peso_chiodo(*phi, lunghezza_));
        }
        if (oltre_la_zona) break; // more layers only add studs of the same diameter
    }
    if (kg == INFINITO) return {INFINITO, Scarto::diametro};
    return {kg, Scarto::nessuno, n0};
}

// The detailing rule that layers `dal` + 1 to `al`, laid by every acceptable design of layout i,
// break on the rails of its configuration; none before its first run tells the rails.
Scarto Ricerca::dove_cadono(std::size_t i, int dal, int al) {
    Conoscenza& k = conoscenze_[configurazione(i)];
    if (k.rotaie.empty()) return Scarto::nessuno;
    for (int n = dal + 1; n <= al; ++n)
        if (const Scarto s = strato(k, raggio(n, S1(i), S(i))); s != Scarto::nessuno) return s;
    return Scarto::nessuno;
}

// The detailing rule that a layer at r from the face breaks on the rails of a configuration,
// whatever the other layers: studs of adjacent rails too far apart within 2·d of the face, in
// the opening, past a free edge. Only a breach beyond TOLLERANZA counts.
Scarto Ricerca::strato(Conoscenza& k, double r) const {
    const auto [noto, nuovo] = k.strati.try_emplace(r, Scarto::nessuno);
    if (!nuovo) return noto->second;
    for (Traliccio& t : k.rotaie)
        t.chiodi.assign(1, r);
    Spaziature sp = spaziature_tangenziali(k.rotaie, deff_, interno_);
    sp.entro -= TOLLERANZA;
    if (!sp.entro_ammessa(deff_)) return noto->second = Scarto::spaziatura;
    // Studs fall in an opening, or past the edge of a slab that an edge or corner column has
    // near; an interior column's contour stops the design before its studs reach the edge.
    if (m_.dati.uc_foro <= 0 && interno_) return Scarto::nessuno;
    const PosizioniChiodi dove = posizioni_chiodi(m_, k.rotaie, TOLLERANZA);
    if (dove.nel_foro > 0) return noto->second = Scarto::foro;
    if (dove.oltre_bordo > 0) return noto->second = Scarto::bordo;
    return Scarto::nessuno;
}

void Ricerca::accoda(std::size_t i) {
    const Limite l = limite(i);
    if (l.kg == INFINITO)
        scarta(i, l.scarto);
    else
        coda_.push({l.kg, i});
}

// What was known of a configuration no longer holds: its layouts not yet run are bounded again.
void Ricerca::riconsidera(std::size_t c) {
    const std::size_t n = spazio_.S1.size() * spazio_.S.size();
    for (std::size_t i = c * n; i < (c + 1) * n; ++i)
        if (stato_[i] != Stato::provata) {
            stato_[i] = Stato::in_attesa;
            scarto_[i] = Scarto::nessuno;
            accoda(i);
        }
}

void Ricerca::riconsidera_perimetro(std::size_t p) {
    for (std::size_t c = 0; c < conoscenze_.size(); ++c)
        if (conoscenze_[c].perimetro == p) riconsidera(c);
}

EsitoRicerca Ricerca::esegui() {
    for (std::size_t i = 0; i < stato_.size(); ++i)
        accoda(i);
    for (long presi = 1; !coda_.empty(); ++presi) {
        if (presi % OGNI == 0 && avanzamento_) avanzamento_(provate_);
        const auto [chiave, i] = coda_.top();
        coda_.pop();
        if (stato_[i] != Stato::in_attesa) continue;
        const Limite l = limite(i);
        if (l.kg == INFINITO) {
            scarta(i, l.scarto);
            continue;
        }
        if (l.kg > chiave) { // the runs since it was queued have raised its bound
            coda_.push({l.kg, i});
            continue;
        }
        // Every layout left is bounded at or above this one: none can still be among the best.
        if (pieno() && l.kg > migliori_.back().kg) break;
        if (l.strati > controllati_[i]) {
            if (const Scarto dove = dove_cadono(i, controllati_[i], l.strati);
                dove != Scarto::nessuno) {
                scarta(i, dove);
                continue;
            }
            controllati_[i] = static_cast<unsigned char>(l.strati);
        }
        prova(i);
    }
    // With nothing found every layout was run or bounded: one left for its details or its
    // diameter on what was known then is told as reaching the contour when, on all that is known
    // now, it would.
    if (migliori_.empty())
        for (std::size_t i = 0; i < stato_.size(); ++i)
            if (stato_[i] == Stato::scartata && limite(i).scarto == Scarto::contorno)
                scarto_[i] = Scarto::contorno;
    EsitoRicerca e;
    e.migliori = migliori_;
    e.provate = provate_;
    for (const Scarto s : scarto_)
        if (s == Scarto::contorno)
            ++e.scarti.contorno;
        else if (s == Scarto::diametro)
            ++e.scarti.diametro;
        else if (s == Scarto::altro)
            ++e.scarti.altro;
        else if (s == Scarto::spaziatura)
            ++e.scarti.dettagli[DETTAGLIO_SPAZIATURA];
        else if (s == Scarto::foro)
            ++e.scarti.dettagli[DETTAGLIO_FORO];
        else if (s == Scarto::bordo)
            ++e.scarti.dettagli[DETTAGLIO_BORDO];
    for (const auto& [regola, n] : dettagli_)
        e.scarti.dettagli[regola] += n;
    return e;
}

// What the design of layout i told of its perimeter: the layers before the last failed, the
// last held unless the design stopped at the contour or at the layer limit.
void Ricerca::impara(std::size_t i, bool regge) {
    Conoscenza& k = conoscenze_[configurazione(i)];
    Perimetro& p = perimetri_[k.perimetro];
    const int n = m_.dati.nlayer;
    const double s1 = S1(i), s = S(i);
    if (n >= 3) p.non_regge = std::max(p.non_regge, raggio(n - 1, s1, s));
    if (!regge && !m_.ultimo.contorno) p.non_regge = std::max(p.non_regge, raggio(n, s1, s));
    if (regge) p.regge = std::min(p.regge, raggio(n, s1, s));
    if (p.crescente && p.regge <= p.non_regge) {
        p.crescente = false;
        riconsidera_perimetro(k.perimetro);
    }
    if (k.rotaie.empty()) k.rotaie = schema_chiodatura(m_);
}

void Ricerca::prova(std::size_t i) {
    const std::size_t c = configurazione(i);
    const Tralicci& t = spazio_.tralicci[c];
    stato_[i] = Stato::provata;
    scarto_[i] = Scarto::nessuno;
    digita_e_aggiorna(m_, {t, S1(i), S(i), spazio_.diametri.front()});
    ++provate_;
    const DatiCalcolo& g = m_.dati;
    if (!m_.ultimo.rifiuto.empty() || !m_.ultimo.interruzione.empty()) {
        scarto_[i] = Scarto::altro;
        return;
    }
    const bool regge = !m_.ultimo.contorno && g.Vrdc_est > g.Veff1_est;
    impara(i, regge);
    if (!regge) {
        scarto_[i] = Scarto::contorno;
        return;
    }
    const std::vector<Traliccio> rotaie = schema_chiodatura(m_);
    std::size_t chiodi = 0;
    for (const Traliccio& r : rotaie)
        chiodi += r.chiodi.size();
    Conoscenza& k = conoscenze_[c];
    if (k.un_chiodo_a_strato &&
        chiodi != static_cast<std::size_t>(t.N_totali) * static_cast<std::size_t>(g.nlayer)) {
        k.un_chiodo_a_strato = false;
        riconsidera(c);
    }
    proponi(i, rotaie, chiodi);
}

// The smallest diameter of the list that the design keeps and that makes layout i, whose design
// laid `chiodi` studs on `rotaie`, acceptable; the diameter changes only the area provided, so
// the design is not run again.
void Ricerca::proponi(std::size_t i, const std::vector<Traliccio>& rotaie, std::size_t chiodi) {
    for (const double phi : spazio_.diametri) {
        if (phi < m_.dati.fi_teor) continue; // the design would raise it
        if (pieno() && chiodi * peso_chiodo(phi, lunghezza_) > migliori_.back().kg)
            return; // heavier than the best: left, for no fault of its own
        m_.imposta_fichiodo(short_form(phi));
        const StatoCaso s = stato_caso(m_);
        if (accettabile(m_, s)) {
            const Candidato nuovo = candidato_di(m_, s, rotaie);
            migliori_.insert(std::upper_bound(migliori_.begin(), migliori_.end(), nuovo, precede),
                             nuovo);
            if (migliori_.size() > quanti_) migliori_.pop_back();
            return;
        }
        if (!s.dettagli.empty()) {
            ++dettagli_[s.dettagli.front()];
            return;
        }
        // Only the area provided depends on the diameter: a larger one may give enough.
        if (!s.utilizzo_chiodi || *s.utilizzo_chiodi <= 1) {
            scarto_[i] = Scarto::altro;
            return;
        }
    }
    scarto_[i] = Scarto::diametro;
}

} // namespace

EsitoRicerca cerca(Tessaro& modello, const Spazio& spazio, std::size_t quanti,
                   const Avanzamento& avanzamento) {
    return Ricerca(modello, spazio, quanti, avanzamento).esegui();
}

} // namespace tessaro
