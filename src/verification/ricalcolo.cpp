// The recalculation and the verification without shear reinforcement.
#include "verification/ricalcolo.h"

#include "drawing/pianta.h"
#include "files/chiodi.h"
#include "form/CalcoTess.h"
#include "form/didascalie.h"
#include "form/protetto.h"
#include "geometry/beta.h"
#include "geometry/perimetri.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"
#include "reinforcement/tralicci.h"

#include <cmath>

namespace tessaro {
namespace {

double campo(const CalcoTess& f, int i) { return strict(f.Text1[static_cast<std::size_t>(i)].Text); }
double guardia(const CalcoTess& f, int i) { return lenient(f.Text1[static_cast<std::size_t>(i)].Text); }
void scrivi(CalcoTess& f, int i, double x) { f.Text1[static_cast<std::size_t>(i)].Text = show(x); }

// Why a pass stopped short or left a step out, naming the field as the window captions it.
bool interrotto(CalcoTess& f, int i, const std::string& perche) {
    f.ultimo.interruzione = "«" + didascalia(f, "Text1(" + std::to_string(i) + ")") + "» " + perche;
    return false;
}

// Keeps the service and the design actions in step; false when the axial force does not load
// the slab (N must be negative), which ends the pass.
bool formato_carichi(CalcoTess& f) {
    constexpr const char* NEGATIVO = "deve essere negativo (il pilastro carica la soletta)";
    if (f.Option3[0]) { // "T.A.": service actions entered
        if (campo(f, 35) >= 0) return interrotto(f, 35, NEGATIVO);
        scrivi(f, 0, R(campo(f, 36) * campo(f, 37), 1));
        scrivi(f, 1, R(campo(f, 35) * campo(f, 37), 1));
        scrivi(f, 2, R(campo(f, 34) * campo(f, 37), 1));
        scrivi(f, 3, R(campo(f, 27) * campo(f, 37), 1));
    } else { // "S.L.U.": design actions entered
        if (campo(f, 1) >= 0) return interrotto(f, 1, NEGATIVO);
        scrivi(f, 36, R(fdiv(campo(f, 0), campo(f, 37)), 1));
        scrivi(f, 35, R(fdiv(campo(f, 1), campo(f, 37)), 1));
        scrivi(f, 34, R(fdiv(campo(f, 2), campo(f, 37)), 1));
        scrivi(f, 27, R(fdiv(campo(f, 3), campo(f, 37)), 1));
    }
    return true;
}

// Size factor k = 1 + √(200/d) with d in mm, at most 2.
double fattore_k(double deff) { return minimo(2.0, 1 + fsqrt(fdiv(200, 10 * deff))); }

// Slab and column geometry, stud steel, caps of S1 and S, k and the control perimeter; false
// when there are no rails, which ends the pass.
bool geometria(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    g.deff = campo(f, 5);
    g.a = campo(f, 6);
    g.b = campo(f, 7);
    const double fy_lim = 2500 + 25 * g.deff;        // kg/cm²
    const double fyd = fdiv(campo(f, 14), campo(f, 15)); // kg/cm²
    scrivi(f, 26, R(fyd < fy_lim ? fyd : fy_lim, 1));
    if (0.5 * g.deff < campo(f, 28)) {
        f.ultimo.S1_digitato = f.Text1[28].Text;
        scrivi(f, 28, 0.5 * g.deff);
    }
    if (0.75 * g.deff < campo(f, 29)) {
        f.ultimo.S_digitato = f.Text1[29].Text;
        scrivi(f, 29, 0.75 * g.deff);
    }
    if (guardia(f, 31) <= 0) return interrotto(f, 31, "deve essere positivo");
    scrivi(f, 22, R(fattore_k(g.deff), 3));
    g.Db_a = campo(f, 38);
    g.Db_b = campo(f, 24);
    calcola_u0(f);
    disegna(f);
    scrivi(f, 18, R(g.W1x, 2));
    scrivi(f, 17, R(g.W1y, 2));
    return true;
}

// Steps from the effective shear to the verdicts.
void verifica(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double beta = 1 + g.betax + g.betay;
    scrivi(f, 16, R(g.betax, 5));
    scrivi(f, 23, R(g.betay, 5));
    scrivi(f, 32, R(beta, 5));
    g.Veff = std::fabs(campo(f, 1)) * (g.betax + 1 + g.betay);
    g.Veff1 = checked(g.Veff - campo(f, 0) * g.Aq / 10000); // qd kg/m², Aq cm²
    f.Frame5.Caption = "VERIFICHE (Veff =" + show(R(g.Veff, 0)) + " kg):";
    f.Label3[8].Caption = show(R(g.Veff1, 0));

    const double k = campo(f, 22);
    const double vmin = 0.035 * fpow(k, 1.5) * fsqrt(g.fck / 10) * 10; // kg/cm²
    f.Label3[5].Caption = show(R(vmin, 3));
    // τrdc = CRd,c·k·(100·ρ·fck)^(1/3), fck in MPa, times 10 for kg/cm².
    const double tau =
        fdiv(0.18, campo(f, 12)) * k * fpow(campo(f, 10) * g.fck / 10, 1.0 / 3.0) * 10;
    const double vmin_mostrato = strict(f.Label3[5].Caption);
    g.TAUrdc = tau > vmin_mostrato ? tau : vmin_mostrato;
    f.Label3[0].Caption = show(R(g.TAUrdc, 3));
    f.Label3[1].Caption = show(R(g.u1 * g.TAUrdc * g.deff, 0));
    g.TAUrmax = campo(f, 13) * fdiv(0.5 * g.fck, campo(f, 12)); // 0.5·ν·fck/γc
    f.Label3[2].Caption = show(R(g.TAUrmax, 3));
    f.Label3[3].Caption = show(R(g.u0 * g.TAUrmax * g.deff, 0));
    f.Label3[17].Caption = show(R(beta, 5));

    // Verdicts compare the shown resistances with the unrounded shears; equal fails.
    // A failing verdict is dark red and bold, the control perimeter's as the column face's.
    if (strict(f.Label3[3].Caption) > g.Veff) {
        f.Label4[3] = {"kg (> Veff: OK)", NERO, false};
        if (strict(f.Label3[1].Caption) > g.Veff1) {
            f.Frame4.Visible = false;
            f.Label4[1] = {"kg (> Veff': OK)", NERO, false};
            disegna(f);
        } else {
            f.Frame4.Visible = true;
            f.Label4[1] = {"kg (< Veff': !!)", ROSSO_SCURO, true};
            progetta_tralicci(f);
        }
    } else {
        f.Label4[3] = {"kg (< Veff: !!)", ROSSO_SCURO, true};
        f.Frame4.Visible = false;
        f.Pic.Cls();
    }
}

// The pass itself; false when a guard ended it.
bool passata(CalcoTess& f, int Index) {
    DatiCalcolo& g = f.dati;
    if (g.in_avvio == 1) return false;
    if (Index < 0 || Index >= static_cast<int>(f.Text1.size())) return false;
    if (!is_numeric(f.Text1[static_cast<std::size_t>(Index)].Text))
        return interrotto(f, Index, "non è un numero");
    if (guardia(f, 37) <= 0) return interrotto(f, 37, "deve essere positivo");
    if (guardia(f, 38) < 0) return interrotto(f, 38, "non può essere negativo");
    if (!formato_carichi(f)) return false;
    g.Mxd = campo(f, 2);
    g.Myd = campo(f, 3);
    azzera_chiodi(f);
    f.chiodi.clear();
    // The plan of the previous pass's geometry. A fault there must not keep this pass from
    // reading the new inputs, or a geometry that faults once would stop every later pass.
    protetto([&] { disegna(f); });

    // A step left out keeps the values of an earlier pass: the results then belong to other
    // inputs, which the state of the case says.
    if (guardia(f, 5) * guardia(f, 6) * guardia(f, 7) > 0) {
        if (!geometria(f)) return false;
    } else {
        f.ultimo.interruzione = "deff, a e b devono essere positivi";
    }
    if (guardia(f, 8) * guardia(f, 9) > 0)
        scrivi(f, 10, R(fsqrt(campo(f, 9) * campo(f, 8)), 5));
    else
        f.ultimo.interruzione = "rox e roy devono essere positivi";
    if (guardia(f, 11) > 0) {
        g.fck = 0.83 * campo(f, 11);
        scrivi(f, 13, R(0.6 * (1 - g.fck / 2500), 5));
    } else {
        interrotto(f, 11, "deve essere positivo");
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
