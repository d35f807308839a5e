// Handlers of the shape and load-format options and of the stud diameter.
#include "app/Tessaro.h"
#include "drawing/pianta.h"
#include "form/protetto.h"
#include "numeric/conversioni.h"
#include "reinforcement/armatura.h"

namespace tessaro {

void Tessaro::Option1_Click(int Index) {
    protetto([&] {
        Text1[30].Enabled = true;
        if (Index == 1) { // circular: b follows a, and there are no diagonal rails
            Text1[7].Text = Text1[6].Text;
            dati.b = dati.a;
            Text1[30].Text = show(0);
            Text1[30].Enabled = false;
        }
        disegna(*this);
    });
}

void Tessaro::Option3_Click(int) {
    const bool servizio = Option3[0]; // "T.A.": the service actions are entered
    for (const int i : {27, 34, 35, 36, 37}) Text1[static_cast<std::size_t>(i)].Enabled = servizio;
    for (const int i : {0, 1, 2, 3}) Text1[static_cast<std::size_t>(i)].Enabled = !servizio;
}

void Tessaro::fichiodo_Change() {
    protetto([this] {
        if (dati.in_avvio == 1 || !is_numeric(fichiodo.Text)) return;
        armatura_effettiva(*this);
    });
}

} // namespace tessaro
