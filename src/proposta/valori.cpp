// The values of a layout as they are shown.
#include "proposta/valori.h"

#include "numeric/conversioni.h"

namespace tessaro {

ValoriCandidato valori(const Candidato& c, Sistema sistema) {
    const Disposizione& d = c.disposizione;
    const auto lunghezza = [sistema](double cm) {
        return in_sistema(show(cm), Unita::lunghezza, sistema);
    };
    return {std::to_string(d.tralicci.N_totali),
            std::to_string(d.tralicci.N_diag),
            lunghezza(d.S1),
            lunghezza(d.S),
            in_sistema(show(d.phi), Unita::diametro, sistema),
            std::to_string(c.strati),
            std::to_string(c.chiodi),
            show(R(c.kg, 2)),
            c.utilizzo ? show(R(*c.utilizzo, 2)) : ""};
}

} // namespace tessaro
