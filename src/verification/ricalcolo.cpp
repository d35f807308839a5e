// The recalculation and the verification without shear reinforcement.
#include "verification/ricalcolo.h"

#include "drawing/pianta.h"
#include "files/chiodi.h"
#include "form/campi.h"
#include "form/protetto.h"
#include "geometry/beta.h"
#include "geometry/perimetri.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"
#include "reinforcement/tralicci.h"

#include <cmath>

namespace tessaro {
namespace {

constexpr double RO_MASSIMO = 2; // %, the largest reinforcement ratio that counts

// Why a pass stopped short or left a step out, naming the field as the window captions it.
bool interrotto(CalcoTess& f, Dato d, const std::string& perche) {
    f.ultimo.interrotto = &grandezza(d);
    f.ultimo.interruzione = perche;
    return false;
}

// Keeps the service and the design actions in step; false when the axial force does not load
// the slab (N must be negative), which ends the pass.
bool formato_carichi(CalcoTess& f) {
    constexpr const char* NEGATIVO = "deve essere negativo (il pilastro carica la soletta)";
    if (f.Option3[0]) { // "T.A.": service actions entered
        if (campo(f, Dato::Nc) >= 0) return interrotto(f, Dato::Nc, NEGATIVO);
        scrivi(f, Dato::qd, R(campo(f, Dato::qc) * campo(f, Dato::gamma_q), 1));
        scrivi(f, Dato::Nd, R(campo(f, Dato::Nc) * campo(f, Dato::gamma_q), 1));
        scrivi(f, Dato::Mxd, R(campo(f, Dato::Mxc) * campo(f, Dato::gamma_q), 1));
        scrivi(f, Dato::Myd, R(campo(f, Dato::Myc) * campo(f, Dato::gamma_q), 1));
    } else { // "S.L.U.": design actions entered
        if (campo(f, Dato::Nd) >= 0) return interrotto(f, Dato::Nd, NEGATIVO);
        scrivi(f, Dato::qc, R(fdiv(campo(f, Dato::qd), campo(f, Dato::gamma_q)), 1));
        scrivi(f, Dato::Nc, R(fdiv(campo(f, Dato::Nd), campo(f, Dato::gamma_q)), 1));
        scrivi(f, Dato::Mxc, R(fdiv(campo(f, Dato::Mxd), campo(f, Dato::gamma_q)), 1));
        scrivi(f, Dato::Myc, R(fdiv(campo(f, Dato::Myd), campo(f, Dato::gamma_q)), 1));
    }
    return true;
}

// Size factor k = 1 + √(200/d) with d in mm, at most 2.
double fattore_k(double deff) {
    return minimo(2.0, 1 + fsqrt(fdiv(200, 10 * deff)));
}

// Slab and column geometry, stud steel, caps of S1 and S, k and the control perimeter; false
// when there are no rails, which ends the pass.
bool geometria(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    g.deff = campo(f, Dato::deff);
    g.a = campo(f, Dato::a);
    g.b = campo(f, Dato::b);
    const double fy_lim = 2500 + 25 * g.deff;                              // kg/cm²
    const double fyd = fdiv(campo(f, Dato::fyk), campo(f, Dato::gamma_f)); // kg/cm²
    scrivi(f, Dato::fywd_ef, R(fyd < fy_lim ? fyd : fy_lim, 1));
    if (0.5 * g.deff < campo(f, Dato::S1)) {
        f.ultimo.S1_digitato = f.Text1[Dato::S1].Text;
        scrivi(f, Dato::S1, 0.5 * g.deff);
    }
    if (0.75 * g.deff < campo(f, Dato::S)) {
        f.ultimo.S_digitato = f.Text1[Dato::S].Text;
        scrivi(f, Dato::S, 0.75 * g.deff);
    }
    if (guardia(f, Dato::N_totali) <= 0)
        return interrotto(f, Dato::N_totali, "deve essere positivo");
    scrivi(f, Dato::k, R(fattore_k(g.deff), 3));
    g.Db_a = campo(f, Dato::Db_a);
    g.Db_b = campo(f, Dato::Db_b);
    calcola_u0(f);
    disegna(f);
    scrivi(f, Dato::W1x, R(g.W1x, 2));
    scrivi(f, Dato::W1y, R(g.W1y, 2));
    return true;
}

// Steps from the effective shear to the verdicts.
void verifica(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double beta = 1 + g.betax + g.betay;
    scrivi(f, Dato::betax, R(g.betax, 5));
    scrivi(f, Dato::betay, R(g.betay, 5));
    scrivi(f, Dato::beta, R(beta, 5));
    g.Veff = std::fabs(campo(f, Dato::Nd)) * (g.betax + 1 + g.betay);
    g.Veff1 = checked(g.Veff - campo(f, Dato::qd) * g.Aq / 10000); // qd kg/m², Aq cm²
    f.Frame5.Caption = "VERIFICHE (Veff =" + show(R(g.Veff, 0)) + " kg):";
    scrivi(f, Risultato::Veff1, R(g.Veff1, 0));

    const double k = campo(f, Dato::k);
    const double vmin = 0.035 * fpow(k, 1.5) * fsqrt(g.fck / 10) * 10; // kg/cm²
    scrivi(f, Risultato::vmin, R(vmin, 3));
    // τrdc = CRd,c·k·(100·ρ·fck)^(1/3), fck in MPa, times 10 for kg/cm².
    const double tau = fdiv(0.18, campo(f, Dato::gamma_c)) * k *
                       fpow(campo(f, Dato::ro_eff) * g.fck / 10, 1.0 / 3.0) * 10;
    const double vmin_mostrato = risultato(f, Risultato::vmin);
    g.TAUrdc = tau > vmin_mostrato ? tau : vmin_mostrato;
    scrivi(f, Risultato::TAUrdc, R(g.TAUrdc, 3));
    scrivi(f, Risultato::Vrdc, R(g.u1 * g.TAUrdc * g.deff, 0));
    g.TAUrmax = campo(f, Dato::nu) * fdiv(0.5 * g.fck, campo(f, Dato::gamma_c)); // 0.5·ν·fck/γc
    scrivi(f, Risultato::TAUrmax, R(g.TAUrmax, 3));
    scrivi(f, Risultato::Vrd_max, R(g.u0 * g.TAUrmax * g.deff, 0));
    scrivi(f, Risultato::beta_u0, R(beta, 5));

    // Verdicts compare the shown resistances with the unrounded shears; equal fails.
    // A failing verdict is dark red and bold, the control perimeter's as the column face's.
    if (risultato(f, Risultato::Vrd_max) > g.Veff) {
        f.Label4[Verdetto::Vrd_max] = {"kg (> Veff: OK)", NERO, false};
        if (risultato(f, Risultato::Vrdc) > g.Veff1) {
            f.Frame4.Visible = false;
            f.Label4[Verdetto::Vrdc] = {"kg (> Veff': OK)", NERO, false};
            disegna(f);
        } else {
            f.Frame4.Visible = true;
            f.Label4[Verdetto::Vrdc] = {"kg (< Veff': !!)", ROSSO_SCURO, true};
            progetta_tralicci(f);
        }
    } else {
        f.Label4[Verdetto::Vrd_max] = {"kg (< Veff: !!)", ROSSO_SCURO, true};
        f.Frame4.Visible = false;
        f.Pic.Cls();
    }
}

// The pass itself; false when a guard ended it.
bool passata(CalcoTess& f, int Index) {
    DatiCalcolo& g = f.dati;
    if (g.in_avvio == 1) return false;
    // A circle's b is its diameter: no b typed before the shape was chosen reaches a routine.
    if (f.Option1[1]) f.Text1[Dato::b].Text = f.Text1[Dato::a].Text;
    if (Index < 0 || Index >= static_cast<int>(N_DATI)) return false;
    const Dato lasciato = static_cast<Dato>(Index);
    if (!is_numeric(f.Text1[lasciato].Text)) return interrotto(f, lasciato, "non è un numero");
    if (guardia(f, Dato::gamma_q) <= 0) return interrotto(f, Dato::gamma_q, "deve essere positivo");
    if (guardia(f, Dato::Db_a) < 0) return interrotto(f, Dato::Db_a, "non può essere negativo");
    if (!formato_carichi(f)) return false;
    g.Mxd = campo(f, Dato::Mxd);
    g.Myd = campo(f, Dato::Myd);
    azzera_chiodi(f);
    f.chiodi.clear();
    // The plan of the previous pass's geometry. A fault there must not keep this pass from
    // reading the new inputs, or a geometry that faults once would stop every later pass.
    protetto([&] { disegna(f); });

    // A step left out keeps the values of an earlier pass: the results then belong to other
    // inputs, which the state of the case says.
    if (guardia(f, Dato::deff) * guardia(f, Dato::a) * guardia(f, Dato::b) > 0) {
        if (!geometria(f)) return false;
    } else {
        f.ultimo.interruzione = "deff, a e b devono essere positivi";
    }
    if (guardia(f, Dato::rox) * guardia(f, Dato::roy) > 0) {
        // ρl = √(ρx·ρy) counts at most 2 % (EN 1992-1-1, 6.4.4 (1)).
        const double ro = fsqrt(campo(f, Dato::roy) * campo(f, Dato::rox));
        if (ro > RO_MASSIMO) f.ultimo.ro_limitato = ro;
        scrivi(f, Dato::ro_eff, R(minimo(ro, RO_MASSIMO), 5));
    } else
        f.ultimo.interruzione = "rox e roy devono essere positivi";
    if (guardia(f, Dato::Rck) > 0) {
        g.fck = 0.83 * campo(f, Dato::Rck);
        scrivi(f, Dato::nu, R(0.6 * (1 - g.fck / 2500), 5));
    } else {
        interrotto(f, Dato::Rck, "deve essere positivo");
    }
    if (f.Option1[1]) {
        calcola_beta1_circ(f);
        calcola_beta2_circ(f);
    } else if (f.Option1[0]) {
        calcola_beta1(f);
        calcola_beta2(f);
    }
    verifica(f);
    return true;
}

} // namespace

void ricalcola(CalcoTess& f, int Index) {
    f.ultimo = {};
    f.dati.n_tracciati = 0; // every perimeter of the pass traced anew, once
    try {
        if (passata(f, Index) && f.ultimo.interruzione.empty()) f.ultimo.ingressi = f.istantanea();
    } catch (const Fault&) {
        f.ultimo.interruzione = "calcolo interrotto: un dato porta fuori campo (divisione per "
                                "zero, radice di un numero negativo, numero troppo grande)";
        completa_chiodi(f);
        throw;
    }
    completa_chiodi(f); // the pass ends: the stud list as the pass left it
}

} // namespace tessaro
