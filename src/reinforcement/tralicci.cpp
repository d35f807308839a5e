// The rail design.
#include "reinforcement/tralicci.h"

#include "drawing/sezione.h"
#include "files/chiodi.h"
#include "files/file_testo.h"
#include "form/campi.h"
#include "geometry/perimetri.h"
#include "geometry/punti.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"
#include "reinforcement/armatura.h"
#include "reinforcement/contorno.h"
#include "reinforcement/layer.h"

#include <cmath>

namespace tessaro {
namespace {

// Rail counts beyond any practical layout. They keep the outer perimeter of every geometry
// inside the 1001 points of the point list and a design quick to draw.
constexpr int MAX_DRITTI = 50;    // straight rails on one face of a rectangular column
constexpr int MAX_DIAGONALI = 10; // diagonal rails at one corner
constexpr int MAX_RADIALI = 60;   // rails of a circular column

// While the box is up the stud list already shows the reset of this pass.
void avvisa(CalcoTess& f, const std::string& testo) {
    completa_chiodi(f);
    f.piattaforma.messaggio(testo, f.Caption, Icona::esclamazione);
}

// The design refused: why goes to the state of the case, which the window lists with the
// warnings, rather than into a box raised at every recalculation.
bool rifiuta(CalcoTess& f, const std::string& testo) {
    f.ultimo.rifiuto = testo;
    return false;
}

// The design's own results are blank until this design writes them, so that a design that
// ends early never shows another case's.
void azzera_risultati(CalcoTess& f) {
    for (const Risultato r :
         {Risultato::Vrdc_est, Risultato::Af_teor, Risultato::fi_teor, Risultato::Aftot_teor,
          Risultato::L_tral, Risultato::Vrds_teor, Risultato::Aftot, Risultato::Vrds,
          Risultato::beta_est, Risultato::Veff1_est, Risultato::Af})
        f.Label3[r].Caption.clear();
    f.Label3[Risultato::Vrdc_est].ForeColor = NERO;
}

// Theoretical reinforcement: the studs must carry what the concrete does not (Veff' less
// 0.75·Vrd,c); Af,tot read back as shown.
void armatura_teorica(CalcoTess& f, double fywd) {
    DatiCalcolo& g = f.dati;
    const double Vrdc_ridotto = 0.75 * g.TAUrdc * g.u1 * g.deff; // kg
    g.Aftot_teor = fdiv(g.Veff1 - Vrdc_ridotto, fywd);
    scrivi(f, Risultato::Aftot_teor, R(g.Aftot_teor, 2));
    scrivi(f, Risultato::Vrds_teor,
           R(risultato(f, Risultato::Aftot_teor) * fywd + Vrdc_ridotto, 0));
}

// Straight rails per rail-bearing side of a rectangular column, "N totali" rewritten to the
// count actually laid out; false when the diagonal rails leave fewer than 2 straight ones or
// the faces would carry more than any layout. The count is checked before it is rounded to
// the 16 bits of the rail counter.
bool rotaie_rettangolari(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double Ntot = guardia(f, Dato::N_totali);
    const int posizione = f.posizione();
    const double per_faccia = posizione == 0   ? Ntot / 4 - g.N_diag
                              : posizione == 1 ? (Ntot - 2 * g.N_diag) / 3
                                               : (Ntot - g.N_diag) / 2;
    if (per_faccia > MAX_DRITTI + 0.5)
        return rifiuta(f, "Al massimo " + show(MAX_DRITTI) +
                              " tralicci diritti per faccia: chiodatura non progettata.");
    g.n_rett = nearest(per_faccia);
    const double totale = posizione == 0   ? 4 * (g.n_rett + g.N_diag)
                          : posizione == 1 ? 2 * g.N_diag + 3 * g.n_rett
                                           : 2 * g.n_rett + g.N_diag;
    f.Text1[Dato::N_totali].Text = short_form(totale);
    if (g.n_rett < 2) {
        avvisa(f, "Troppi tralicci diagonali !");
        return rifiuta(f, "Troppi tralicci diagonali: meno di 2 tralicci diritti per faccia, "
                          "chiodatura non progettata.");
    }
    return true;
}

// The rails of a circular column; false below 2 or beyond any layout, checked before the count
// is rounded to 16 bits.
bool rotaie_radiali(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double Ntot = guardia(f, Dato::N_totali);
    if (Ntot > MAX_RADIALI + 0.5)
        return rifiuta(f, "Al massimo " + show(MAX_RADIALI) +
                              " tralicci per un pilastro circolare: chiodatura non progettata.");
    g.n_rett = nearest(Ntot);
    if (g.n_rett < 2)
        return rifiuta(f, "Servono almeno 2 tralicci per un pilastro circolare: chiodatura non "
                          "progettata.");
    return true;
}

// Inputs that leave no sound layout stop the design.
bool dati_validi(CalcoTess& f, double Dmax) {
    const DatiCalcolo& g = f.dati;
    if (g.S <= 0) return rifiuta(f, "Passo S dei chiodi non positivo: chiodatura non progettata.");
    if (g.S1 < 0) return rifiuta(f, "Distanza S1 negativa: chiodatura non progettata.");
    if (Dmax < 0) return rifiuta(f, "Dmax negativo: chiodatura non progettata.");
    if (g.N_diag < 0)
        return rifiuta(f, "Numero di tralicci diagonali negativo: chiodatura non progettata.");
    if (f.Option1[0] && g.N_diag > MAX_DIAGONALI)
        return rifiuta(f, "Al massimo " + show(MAX_DIAGONALI) +
                              " tralicci diagonali per spigolo: chiodatura non progettata.");
    return true;
}

// The layer loop: one more layer while the outer perimeter does not hold, at most 51 layers;
// false when the perimeter reached the slab contour before any was evaluated.
bool strati(CalcoTess& f, double Dmax) {
    DatiCalcolo& g = f.dati;
    bool valutato = false;
    while (g.Vrdc_est <= g.Veff1_est && g.nlayer <= 50) {
        g.nlayer += 1;
        g.r_layer = (g.nlayer - 1) * g.S + g.S1;
        const double R_out = 1.5 * g.deff + g.r_layer;
        if (f.posizione() == 0 && (R_out > g.Db_a || R_out > g.Db_b)) {
            f.ultimo.contorno = true;
            avvisa(f, "Raggiunto il contorno!");
            f.Label3[Risultato::Vrdc_est].ForeColor = QBColor(5);
            break;
        }
        ennesimolayer(f);
        const int n = traccia_contorno(f, Dmax);
        calcola_valori_da_punti(f, static_cast<std::int16_t>(n));
        g.n_perim = static_cast<std::int16_t>(n);
        g.uest = fdiv(g.perim_pol * g.u1, g.u1 + taglio_foro(f));
        g.Aest = g.area_pol;
        g.Veff1_est = std::fabs(campo(f, Dato::Nd)) * (1 + g.betax + g.betay) -
                      campo(f, Dato::qd) * g.Aest / 10000;
        if (g.Veff1_est < 0) g.Veff1_est = 0;
        g.Vrdc_est = g.TAUrdc * g.uest * g.deff;
        f.Label3[Risultato::Vrdc_est].ForeColor = g.Vrdc_est >= g.Veff1_est ? NERO : QBColor(5);
        for (int i = 1; i <= n; ++i)
            f.Pic.PSet(g.punti_perim[i][1], g.punti_perim[i][2]);
        valutato = true;
    }
    return valutato;
}

// Stud diameter: the even number of mm at or above the required one, or the user's larger
// entry; then the provided reinforcement of that diameter.
void diametro(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    const double Ntot = campo(f, Dato::N_totali);
    // Only the perimeters of studs that cross the failure zone count, as for the provided
    // area: 1.5·d/S of them when the zone ends within the rail, the layers placed otherwise.
    if (1.5 * g.deff <= g.L_tral + g.S) {
        g.Af_chiodo_teor = fdiv(g.S * g.Aftot_teor, Ntot * 1.5 * g.deff);
    } else {
        g.Af_chiodo_teor = fdiv(g.Aftot_teor, Ntot * g.nlayer);
        g.r_layer = 1.5 * g.deff;
    }
    scrivi(f, Risultato::Af_teor, R(g.Af_chiodo_teor, 4));
    g.fi_teor = 10 * fsqrt(4 * g.Af_chiodo_teor / PI);
    scrivi(f, Risultato::fi_teor, R(g.fi_teor, 2));
    f.imposta_fichiodo(short_form(massimo(strict(f.fichiodo.Text), 2 * std::floor(g.fi_teor / 2))));
    if (strict(f.fichiodo.Text) < g.fi_teor)
        f.imposta_fichiodo(short_form(strict(f.fichiodo.Text) + 2));
    armatura_effettiva(f);
}

} // namespace

void progetta_tralicci(CalcoTess& f) {
    DatiCalcolo& g = f.dati;
    azzera_risultati(f);
    f.ultimo.Ntot_digitato = f.Text1[Dato::N_totali].Text;
    const double fywd = campo(f, Dato::fywd_ef); // kg/cm²
    if (fywd <= 0) {
        rifiuta(f, "Resistenza dei chiodi fywd,eff non positiva: chiodatura non progettata.");
        return;
    }
    armatura_teorica(f, fywd);
    // Only rectangular and circular columns have a rail layout.
    if (!f.Option1[0] && !f.Option1[1]) return;

    g.nlayer = 1;
    g.n_perim = 0;
    g.Vrdc_est = g.Veff1_est = g.uest = g.Aest = 0;
    g.S1 = campo(f, Dato::S1);
    g.S = campo(f, Dato::S);
    g.N_diag = guardia(f, Dato::N_diag);
    const double Dmax = campo(f, Dato::Dmax) * g.deff; // cm
    if (!dati_validi(f, Dmax)) return;
    if (f.Option1[0]) {
        g.n_diag1 = nearest(g.N_diag + 1);
        if (!rotaie_rettangolari(f)) return;
        g.dang = PI / (2 * g.n_diag1);
    } else {
        if (!rotaie_radiali(f)) return;
        g.dang = 2 * PI / g.n_rett;
    }

    disegna_sezione(f);
    Canvas& pic = f.Pic;
    pic.CurrentX = g.a / 2 + g.S1 / 2 - pic.TextWidth("s1") / 2;
    pic.CurrentY = g.b / 2;
    pic.Print("S1");
    pic.CurrentX = g.a / 2 + g.S1 + g.S / 2 - pic.TextWidth("S") / 2;
    pic.CurrentY = g.b / 2;
    pic.Print("S");

    static const char* const posizioni[] = {"interno", "bordo", "angolo"};
    // A fault in the middle abandons the new stud list: the last complete one stays.
    struct Chiusura {
        CalcoTess& f;
        ~Chiusura() { f.nfile_chiodi.reset(); }
    } chiusura{f};
    f.nfile_chiodi.emplace();
    f.chiodi.clear();
    f.nfile_chiodi->intestazione.push_back(
        RigaZone()
            .testo(f.fichiodo.Text)
            .zona()
            .numero(guardia(f, Dato::N_totali))
            .zona()
            .testo(posizioni[f.posizione() < 0 ? 0 : f.posizione()])
            .str());
    primolayer(f);
    f.Label3[Risultato::Vrdc_est].ForeColor = NERO;
    const bool valutato = strati(f, Dmax);
    scrivi_chiodi(f);
    f.nfile_chiodi.reset();

    // When the contour stops the first pass, no outer perimeter was evaluated in this run:
    // its resistance and shear are left blank rather than shown from another case.
    f.Label3[Risultato::Vrdc_est].Caption = valutato ? show(R(g.Vrdc_est, 0)) : "";
    scrivi(f, Risultato::beta_est, R(1 + g.betax + g.betay, 5));
    g.L_tral = g.r_layer - g.S1;
    f.Label3[Risultato::L_tral].Caption = short_form(g.L_tral);
    f.Label3[Risultato::Veff1_est].Caption = valutato ? show(R(g.Veff1_est, 0)) : "";
    diametro(f);
}

} // namespace tessaro
