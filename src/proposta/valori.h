// The values of a layout as the dialog, the script line and the batch show them: S1 and S as
// lengths and φ as a diameter in the unit system given (cm and mm in the model's), the steel
// in kg with two decimals, the utilisation with two.
#pragma once

#include "form/grandezze.h"
#include "proposta/ricerca.h"

#include <string>

namespace tessaro {

struct ValoriCandidato {
    std::string N_totali, N_diag, S1, S, phi, strati, chiodi, kg, utilizzo;
};

ValoriCandidato valori(const Candidato& c, Sistema sistema = Sistema::tecnico);

} // namespace tessaro
