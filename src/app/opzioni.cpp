// Handlers of the shape and load-format options and of the stud diameter.
#include "app/Tessaro.h"
#include "drawing/pianta.h"
#include "form/protetto.h"
#include "numeric/conversioni.h"
#include "reinforcement/armatura.h"

namespace tessaro {

void Tessaro::Option1_Click(int Index) {
    protetto([&] {
        Text1[Dato::N_diag].Enabled = true;
        if (Index == 1) { // circular: b follows a, and there are no diagonal rails
            Text1[Dato::b].Text = Text1[Dato::a].Text;
            dati.b = dati.a;
            Text1[Dato::N_diag].Text = show(0);
            Text1[Dato::N_diag].Enabled = false;
        }
        disegna(*this);
    });
}

void Tessaro::Option3_Click(int) {
    const bool servizio = Option3[0]; // "T.A.": the service actions are entered
    for (const Grandezza& g : grandezze)
        if (g.formato != Formato::sempre)
            campo(g).Enabled = (g.formato == Formato::esercizio) == servizio;
    Text1[Dato::gamma_q].Enabled = servizio; // typed with the service actions it multiplies
}

void Tessaro::fichiodo_Change() {
    protetto([this] {
        if (dati.in_avvio == 1 || !is_numeric(fichiodo.Text)) return;
        armatura_effettiva(*this);
    });
}

} // namespace tessaro
