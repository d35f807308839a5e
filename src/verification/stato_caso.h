// The state of the case that the window, the reports and the command line tell: which inputs
// cannot be read, whether the results shown belong to the inputs shown, the overall verdict
// with the utilisation of each check, and the warnings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;
struct Grandezza;
struct Traliccio;

struct CampoNonValido {
    const Grandezza* grandezza; // the input, its control as the dump names it
    std::string motivo;         // why it cannot be taken, Italian (the field's tooltip)
};

// The verdicts. `dettagli_non_rispettati`: the resistances hold with the studs, but the layout
// breaks a detailing rule that the state checks.
enum class Esito {
    verificato,
    verificato_con_chiodi,
    non_verificato,
    non_calcolato,
    dettagli_non_rispettati
};

struct StatoCaso {
    // The inputs in use that cannot be taken (no number, or out of range), in the dump's order.
    std::vector<CampoNonValido> non_validi;
    bool aggiornati = false; // the results shown come from a complete pass on the inputs shown
    // The recalculation ran through on the inputs shown, but the shape has no perimeter
    // computation: the values shown are another shape's, so they are not current either.
    bool forma_senza_verifica = false;
    // While they do not: why, and what to do, in one Italian line; "" when they do.
    std::string testo_aggiornamento;
    Esito esito = Esito::non_calcolato;
    // The verdict in one Italian line (the window's banner); while the results are stale, why.
    std::string testo_esito;
    // Utilisation of each check, effect over resistance; absent when the check was not made.
    std::optional<double> utilizzo_faccia;    // Veff / Vrd,max
    std::optional<double> utilizzo_perimetro; // Veff' / Vrd,c
    std::optional<double> utilizzo_esterno;   // Veff' / Vrd,c at the outer perimeter
    std::optional<double> utilizzo_chiodi;    // Af,tot required / Af,tot provided
    // The greatest utilisation of the checks that govern the case, as the verdict's line gives
    // it (with a stud layout the control perimeter's own no longer governs); absent when no
    // check was made.
    std::optional<double> utilizzo_governante;
    std::vector<std::string> avvisi; // one Italian sentence each
    // The detailing rules that the stud layout breaks, in the warnings' order, each in a few
    // words ("chiodi dentro il foro"); the first is named in the verdict.
    std::vector<std::string> dettagli;
};

// The state of the case as the window shows it now.
StatoCaso stato_caso(const CalcoTess& f);

// Where the studs of the rails fall: inside the opening, past a free slab edge by more than a
// millimetre, on the edge line. With a `margine` (cm) a stud counts as inside or past only
// that much beyond the boundary: for positions computed along another path of the design.
struct PosizioniChiodi {
    int nel_foro = 0, oltre_bordo = 0, sul_bordo = 0;
};
PosizioniChiodi posizioni_chiodi(const CalcoTess& f, const std::vector<Traliccio>& rotaie,
                                 double margine = 0);

// The detailing rules that depend on where the studs lie, as the broken rules name them: the
// tangential spacing, studs in the opening, studs past a free edge.
extern const char* const DETTAGLIO_SPAZIATURA;
extern const char* const DETTAGLIO_FORO;
extern const char* const DETTAGLIO_BORDO;

// The largest distance between the k-th studs of adjacent rails round the column (cm), on the
// perimeters within 2·d of the face and beyond (EN 1992-1-1, 9.4.3 allows 1.5·d and 2·d). The
// rails in order round the column; `anello` when they close a ring (an interior column).
struct Spaziature {
    double entro = 0, oltre = 0;
    // The detailing rule: within 2·d of the face, adjacent studs at most 1.5·d apart.
    bool entro_ammessa(double deff) const { return entro <= 1.5 * deff; }
};
Spaziature spaziature_tangenziali(const std::vector<Traliccio>& rotaie, double deff, bool anello);

// Why no report of the case may be written now, Italian, naming what to correct; "" when one
// may: every input in use readable, the results current and the shape verified. The text opens
// with `non_scritto`, the refusal in the words of the document asked for.
std::string relazione_negata(const CalcoTess& f, const StatoCaso& s,
                             const std::string& non_scritto = "Relazione non scritta");

// The verdict's key on the command line: "verified", "verified-with-studs", "not-verified",
// "not-computed", "detailing-not-met".
const char* chiave_esito(Esito e);

} // namespace tessaro
