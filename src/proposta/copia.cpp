// A form model of its own with the inputs of a case.
#include "proposta/copia.h"

#include "form/campi.h"

namespace tessaro {
namespace {

template <std::size_t N> int impostato(const std::array<bool, N>& gruppo) {
    for (std::size_t i = 0; i < N; ++i)
        if (gruppo[i]) return static_cast<int>(i);
    return -1;
}

// The opening as the panel's "OK" left it in the record: its corners, rays and the perimeter it
// cuts off were computed on the geometry of that moment, which retyping the panel's fields on
// today's geometry would not give back.
void copia_foro(const DatiCalcolo& da, DatiCalcolo& a) {
    a.foro_prof = da.foro_prof;
    a.foro_larg = da.foro_larg;
    a.foro_P1 = da.foro_P1;
    a.foro_P2 = da.foro_P2;
    a.foro_P3 = da.foro_P3;
    a.foro_P4 = da.foro_P4;
    a.alfa1 = da.alfa1;
    a.alfa2 = da.alfa2;
    a.foro_I1 = da.foro_I1;
    a.foro_I2 = da.foro_I2;
    a.raggio_arco = da.raggio_arco;
    a.uc_foro = da.uc_foro;
}

} // namespace

Copia::Copia(const CalcoTess& f) : modello_(piattaforma_, misura_) {
    Tessaro& c = modello_;
    c.file_di_lavoro = false;
    c.sistema = f.sistema;
    c.Form_Load();
    c.Picture3_MouseUp();
    if (const int i = impostato(f.Option1); i >= 0) c.imposta_Option1(i, true);
    if (const int i = impostato(f.Option3); i >= 0) c.imposta_Option3(i, true);
    if (const int i = impostato(f.Option2); i >= 0) c.imposta_Option2(i, true);
    for (const Grandezza& g : grandezze) {
        if (g.controllo.tipo == Controllo::Tipo::Label3) continue;
        if (g.controllo.tipo == Controllo::Tipo::fichiodo)
            c.imposta_fichiodo(f.fichiodo.Text);
        else
            c.campo(g).Text = f.campo(g).Text;
        c.campo(g).Enabled = f.campo(g).Enabled;
    }
    copia_foro(f.dati, c.dati);
    c.Command1_Click(0);
}

std::vector<std::pair<const Grandezza*, std::string>> testi_digitati(const Disposizione& d) {
    return {{&grandezza(Dato::N_totali), short_form(d.tralicci.N_totali)},
            {&grandezza(Dato::N_diag), show(d.tralicci.N_diag)},
            {&grandezza(Dato::S1), show(d.S1)},
            {&grandezza(Dato::S), show(d.S)},
            {&grandezza_fichiodo(), short_form(d.phi)}};
}

void digita_e_aggiorna(Tessaro& f, const Disposizione& d) {
    for (const auto& [g, testo] : testi_digitati(d))
        if (g->controllo.tipo == Controllo::Tipo::fichiodo)
            f.imposta_fichiodo(testo);
        else
            f.campo(*g).Text = testo;
    f.Command1_Click(0);
}

} // namespace tessaro
