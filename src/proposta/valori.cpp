// The values of a layout as they are shown.
#include "proposta/valori.h"

#include "numeric/conversioni.h"

namespace tessaro {

ValoriCandidato valori(const Candidato& c) {
    const Disposizione& d = c.disposizione;
    return {std::to_string(d.tralicci.N_totali),
            std::to_string(d.tralicci.N_diag),
            show(d.S1),
            show(d.S),
            show(d.phi),
            std::to_string(c.strati),
            std::to_string(c.chiodi),
            show(R(c.kg, 2)),
            c.utilizzo ? show(R(*c.utilizzo, 2)) : ""};
}

} // namespace tessaro
