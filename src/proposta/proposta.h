// "Proponi armatura": the lightest stud layouts that satisfy every rule for the case a model
// shows, or why there is none and what would help; the case's own layout beside them.
#pragma once

#include "proposta/ricerca.h"
#include "verification/stato_caso.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;

enum class Motivo {
    trovata,
    ingressi_non_validi,      // an input in use cannot be taken
    risultati_non_aggiornati, // the results shown are not those of the inputs shown
    forma_non_verificata,     // a shape without a perimeter computation
    faccia,                   // the column face fails: no reinforcement can help
    senza_chiodi,             // the slab holds without studs
    contorno,                 // every layout reaches the slab contour or the layer limit
    nessuna                   // no layout is acceptable, for the reasons told
};

inline constexpr std::size_t PROPOSTE = 5; // the layouts proposed at most

struct Proposta {
    Motivo motivo = Motivo::nessuna;
    std::string perche;        // why there is none and what would help, Italian; "" when found
    int provate = 0;           // layouts run through the recalculation
    std::size_t possibili = 0; // layouts of the space, each diameter counted
    std::vector<Candidato> migliori; // best first
    // The layout the case shows, when it has one, with its verdict.
    std::optional<Candidato> attuale;
    Esito esito_attuale = Esito::non_calcolato;
};

// The search on the case that `f` shows, run on a copy of it: `f` is left untouched.
Proposta proponi(const CalcoTess& f, const Avanzamento& avanzamento = {});

// The key of the reason on the command line and in the batch: "found", "inputs-invalid",
// "results-stale", "not-computed", "face-fails", "no-studs-needed", "contour",
// "none-acceptable".
const char* chiave_motivo(Motivo m);

} // namespace tessaro
