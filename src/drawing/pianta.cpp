// The plan drawing.
#include "drawing/pianta.h"

#include "drawing/contorni.h"
#include "form/campi.h"
#include "geometry/moduli.h"
#include "numeric/conversioni.h"

namespace tessaro {

void disegna(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double p = guardia(f, Dato::deff) * guardia(f, Dato::a) * guardia(f, Dato::b);
    if (!(p > 0)) return; // an empty, zero or negative deff, a or b: the picture stays
    g.dcrit = g.deff + g.deff;
    if (g.in_avvio == 1) return;

    // The section with the slab edges, then the outlines and the dotted control perimeter.
    disegna_contorni(f);
    calcola_W(f);
}

} // namespace tessaro
