// The recalculation entry point and the command buttons.
#include "app/CalcoTess.h"
#include "app/gestori.h"
#include "verification/ricalcolo.h"

namespace tessaro {

void CalcoTess::Text1_LostFocus(int Index) {
    protetto([&] { ricalcola(*this, Index); });
}

void CalcoTess::Command1_Click(int Index) {
    Text1_LostFocus(5); // every command acts on the current inputs
    protetto([&] {
        switch (Index) {
        case 1: // "+": the plan is redrawn larger
            dati.scala /= 1.1;
            Text1_LostFocus(5);
            break;
        case 2: // "-": the plan is redrawn smaller
            dati.scala *= 1.1;
            Text1_LostFocus(5);
            break;
        case 4: // "Foro": the opening panel, centred on the window
            Picture1.Visible = true;
            Picture1.Left = (finestra.Width - Picture1.Width) / 2;
            Picture1.Top = (finestra.Height - Picture1.Height) / 2;
            break;
        default:
            break;
        }
    });
}

} // namespace tessaro
