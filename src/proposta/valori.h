// The values of a layout as the dialog, the script line and the batch show them, in the
// model's units: S1 and S in cm, φ in mm, the steel in kg with two decimals, the utilisation
// with two.
#pragma once

#include "proposta/ricerca.h"

#include <string>

namespace tessaro {

struct ValoriCandidato {
    std::string N_totali, N_diag, S1, S, phi, strati, chiodi, kg, utilizzo;
};

ValoriCandidato valori(const Candidato& c);

} // namespace tessaro
