// The stud reinforcement provided.
#include "reinforcement/armatura.h"

#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

namespace tessaro {

void armatura_effettiva(CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    const double fi = strict(f.fichiodo.Text);                   // mm
    f.Label3[16].Caption = show(R(fi * fi / 400 * PI, 4));       // one stud, cm²
    const double Af = strict(f.Label3[16].Caption);
    const double n_tral = strict(f.Text1[31].Text);
    // Only the perimeters of studs that cross the failure zone count: 1.5·d/S of them when the
    // zone ends within the rail, the layers placed otherwise.
    const double Af_tot = 1.5 * g.deff <= g.L_tral + g.S ? fdiv(n_tral * Af * 1.5 * g.deff, g.S)
                                                           : n_tral * (g.nlayer * Af);
    f.Label3[12].Caption = show(R(Af_tot, 2));
    const double Vrd_s = strict(f.Label3[12].Caption) * strict(f.Text1[26].Text) +
                         g.TAUrdc * 0.75 * g.u1 * g.deff; // kg
    f.Label3[13].Caption = show(R(Vrd_s, 0));
    // Studs that give less than the required resistance are marked as a failing verdict.
    const auto richiesto = try_strict(f.Label3[11].Caption);
    const bool scarso = richiesto && strict(f.Label3[13].Caption) < *richiesto;
    f.Label3[13].ForeColor = scarso ? ROSSO_SCURO : NERO;
    f.Label3[13].FontBold = scarso;
    // The provided reinforcement follows the diameter shown: results that were current but
    // for the diameter are current again.
    if (f.ultimo.ingressi) (*f.ultimo.ingressi)[CalcoTess::INDICE_FICHIODO] = f.fichiodo.Text;
}

} // namespace tessaro
