// The stud reinforcement provided.
#include "reinforcement/armatura.h"

#include "form/campi.h"
#include "numeric/conversioni.h"

namespace tessaro {

void armatura_effettiva(CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    const double fi = strict(f.fichiodo.Text);          // mm
    scrivi(f, Risultato::Af, R(fi * fi / 400 * PI, 4)); // one stud, cm²
    const double Af = risultato(f, Risultato::Af);
    const double n_tral = campo(f, Dato::N_totali);
    // Only the perimeters of studs that cross the failure zone count: 1.5·d/S of them when the
    // zone ends within the rail, the layers placed otherwise.
    const double Af_tot = 1.5 * g.deff <= g.L_tral + g.S ? fdiv(n_tral * Af * 1.5 * g.deff, g.S)
                                                         : n_tral * (g.nlayer * Af);
    scrivi(f, Risultato::Aftot, R(Af_tot, 2));
    const double Vrd_s = risultato(f, Risultato::Aftot) * campo(f, Dato::fywd_ef) +
                         g.TAUrdc * 0.75 * g.u1 * g.deff; // kg
    scrivi(f, Risultato::Vrds, R(Vrd_s, 0));
    // Studs that give less than the required resistance are marked as a failing verdict.
    const auto richiesto = try_strict(f.Label3[Risultato::Vrds_teor].Caption);
    const bool scarso = richiesto && risultato(f, Risultato::Vrds) < *richiesto;
    f.Label3[Risultato::Vrds].ForeColor = scarso ? ROSSO_SCURO : NERO;
    f.Label3[Risultato::Vrds].FontBold = scarso;
    // The provided reinforcement follows the diameter shown: results that were current but
    // for the diameter are current again.
    if (f.ultimo.ingressi) (*f.ultimo.ingressi)[CalcoTess::INDICE_FICHIODO] = f.fichiodo.Text;
}

} // namespace tessaro
