// A started window whose record describes a chosen column, for the geometry tests.
#pragma once

#include "support/finestra_prova.h"

namespace tessaro::prova {

// Sides a, b, slab-edge distances and effective depth d (cm) written straight into the record
// with dcrit = 2·d and the position set; nothing is recomputed.
inline void colonna(CalcoTess& f, double a, double b, double Db_a, double Db_b, double d,
                    int posizione) {
    DatiCalcolo& g = f.dati;
    g.a = a;
    g.b = b;
    g.Db_a = Db_a;
    g.Db_b = Db_b;
    g.deff = d;
    g.dcrit = 2 * d;
    f.imposta_Option2(posizione, true);
}

} // namespace tessaro::prova
