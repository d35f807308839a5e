// Handlers of the shape and load-format options and of the stud diameter.
#include "app/CalcoTess.h"
#include "app/gestori.h"
#include "verification/conversioni.h"

namespace tessaro {

void CalcoTess::Option1_Click(int Index) {
    protetto([&] {
        Text1[30].Enabled = true;
        if (Index == 1) { // circular: b follows a, and there are no diagonal rails
            Text1[7].Text = Text1[6].Text;
            dati.b = dati.a;
            Text1[30].Text = "0";
            Text1[30].Enabled = false;
        }
    });
}

void CalcoTess::Option3_Click(int) {
    const bool servizio = Option3[0]; // "T.A.": the service actions are entered
    for (const int i : {27, 34, 35, 36, 37}) Text1[static_cast<std::size_t>(i)].Enabled = servizio;
    for (const int i : {0, 1, 2, 3}) Text1[static_cast<std::size_t>(i)].Enabled = !servizio;
}

void CalcoTess::fichiodo_Change() {
    protetto([this] {
        if (dati.in_avvio == 1 || !is_numeric(fichiodo.Text)) return;
        const double fi = strict(fichiodo.Text);        // mm
        Label3[16].Caption = show(R(fi * fi / 400 * PI, 4)); // one stud, cm²
        const double Af = strict(Label3[16].Caption);
        const double n_tral = strict(Text1[31].Text);
        const DatiCalcolo& g = dati;
        // Studs that cross the failure zone: 1.5·d/S perimeters when the zone ends within
        // the rail, the layers placed otherwise.
        const double Af_tot = 1.5 * g.deff <= g.L_tral + g.S
                                  ? fdiv(n_tral * Af * 1.5 * g.deff, g.S)
                                  : n_tral * (g.nlayer * Af);
        Label3[12].Caption = show(R(Af_tot, 2));
        const double Vrd_s =
            strict(Label3[12].Caption) * strict(Text1[26].Text) + g.TAUrdc * 0.75 * g.u1 * g.deff;
        Label3[13].Caption = show(R(Vrd_s, 0));
    });
}

} // namespace tessaro
