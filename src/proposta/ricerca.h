// The search for the lightest acceptable stud layouts of a space, each tried by the program's
// own recalculation and design on a copy of the case.
#pragma once

#include "proposta/spazio.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;
class Tessaro;
struct StatoCaso;
struct Traliccio;

// A layout with what the design made of it.
struct Candidato {
    Disposizione disposizione;
    int strati = 0;                 // stud layers: the studs of the longest rail
    int chiodi = 0;                 // studs of all rails
    double kg = 0;                  // their steel, as the stud schedule weighs it
    std::optional<double> utilizzo; // the governing utilisation
};

// The layout a model shows and what its design made of it; `rotaie` its rails
// (schema_chiodatura).
Candidato candidato_di(const CalcoTess& f, const StatoCaso& s,
                       const std::vector<Traliccio>& rotaie);

// The order of the proposals: less steel, then fewer studs, then fewer rails; between layouts
// equal in these, the lower governing utilisation, then fewer diagonal rails, the shorter S1 and
// S.
bool precede(const Candidato& a, const Candidato& b);

// A design that may be signed: inputs valid, results current, verified with studs with no
// detailing rule broken, the outer perimeter inside the slab.
bool accettabile(const CalcoTess& f, const StatoCaso& s);

// Why the layouts that no proposal came from were left, each layout counted once.
struct Scarti {
    long contorno = 0; // the slab contour or the 51-layer limit reached before the perimeter held
    long diametro = 0; // studs above the largest standard diameter needed
    std::map<std::string, long> dettagli; // by the first detailing rule broken
    long altro = 0;
};

struct EsitoRicerca {
    std::vector<Candidato> migliori; // at most as many as asked, best first
    int provate = 0;                 // layouts run through the recalculation
    Scarti scarti;                   // complete only when no layout was found
};

// Told every so often while the search runs: how many layouts it has tried so far.
using Avanzamento = std::function<void(int provate)>;

// The `quanti` best acceptable layouts of the space, each with the smallest diameter of the
// list that makes it acceptable, on `modello`: a copy of the case whose results are current
// with a stud design, whose fields the search types over.
EsitoRicerca cerca(Tessaro& modello, const Spazio& spazio, std::size_t quanti,
                   const Avanzamento& avanzamento = {});

} // namespace tessaro
