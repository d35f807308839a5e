// Fuzz target: the recalculation with any texts in the fields. The first byte picks the shape,
// the position and the load format, the second the event; the rest, one text a line, fills
// Text1(0) … Text1(38), fichiodo, Text2 … Text5. No fault escapes a handler, and every result
// shown is a plain number or blank.
#include "fuzz/banco.h"

#include "verification/stato_caso.h"

#include <cmath>

using namespace tessaro;
using namespace tessaro::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < 2 || n > 4096) return -1;
    Finestra w(false);
    Tessaro& f = *w.f;
    const int scelta = dati[0], evento = dati[1];
    f.imposta_Option1(scelta % 6, true);
    f.imposta_Option2(scelta / 6 % 3, true);
    f.imposta_Option3(scelta / 18 % 2, true);
    Campo* altri[] = {&f.fichiodo, &f.Text2, &f.Text3, &f.Text4, &f.Text5};
    std::string_view resto(reinterpret_cast<const char*>(dati) + 2, n - 2);
    for (std::size_t i = 0; i < 44 && !resto.empty(); ++i) {
        const auto fine = resto.find('\n');
        const std::string testo(resto.substr(0, fine));
        resto = fine == std::string_view::npos ? std::string_view() : resto.substr(fine + 1);
        if (i < 39)
            f.Text1[i].Text = testo;
        else
            altri[i - 39]->Text = testo;
    }
    std::vector<std::string> prima;
    for (const Campo& c : f.Text1)
        prima.push_back(c.Text);
    switch (evento % 3) {
    case 0:
        f.Text1_LostFocus(evento / 3 % 39);
        break;
    case 1:
        f.Command1_Click(0); // "Aggiorna"
        break;
    default:
        f.Command2_Click(0); // the opening panel's "OK"
        break;
    }
    risultati_puliti(f, prima);
    const StatoCaso s = stato_caso(f);
    for (const auto* u :
         {&s.utilizzo_faccia, &s.utilizzo_perimetro, &s.utilizzo_esterno, &s.utilizzo_chiodi})
        esigi(!*u || std::isfinite(**u), "utilizzo finito");
    esigi(s.aggiornati == s.testo_aggiornamento.empty(), "risultati aggiornati o perché no");
    return 0;
}
