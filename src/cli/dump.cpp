// The dump of a session script.
#include "cli/dump.h"

#include "form/CalcoTess.h"
#include "form/didascalie.h"
#include "numeric/conversioni.h"
#include "proposta/copia.h"
#include "proposta/proposta.h"
#include "proposta/valori.h"
#include "verification/stato_caso.h"

#include <sstream>

namespace tessaro {
namespace {

template <std::size_t N> std::string attivo(const std::array<bool, N>& gruppo) {
    for (std::size_t i = 0; i < N; ++i)
        if (gruppo[i]) return std::to_string(i);
    return "-";
}

} // namespace

std::string in_riga(std::string_view testo) {
    std::string riga;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') continue;
        if (testo[i] == '\n' || testo[i] == '\r')
            riga += "\\n";
        else if (testo[i] == '\\')
            riga += "\\\\";
        else
            riga += testo[i];
    }
    return riga;
}

std::string dump(const CalcoTess& f) {
    std::ostringstream o;
    for (std::size_t i = 0; i < f.Text1.size(); ++i)
        o << "Text1(" << i << ")=" << in_riga(f.Text1[i].Text) << '\n';
    o << "fichiodo=" << in_riga(f.fichiodo.Text) << '\n'
      << "Text2=" << in_riga(f.Text2.Text) << '\n'
      << "Text3=" << in_riga(f.Text3.Text) << '\n'
      << "Text4=" << in_riga(f.Text4.Text) << '\n'
      << "Text5=" << in_riga(f.Text5.Text) << '\n';
    o << "disabled=";
    const char* sep = "";
    for (std::size_t i = 0; i < f.Text1.size(); ++i)
        if (!f.Text1[i].Enabled) {
            o << sep << i;
            sep = " ";
        }
    o << '\n';
    o << "Option1=" << attivo(f.Option1) << '\n'
      << "Option2=" << attivo(f.Option2) << '\n'
      << "Option3=" << attivo(f.Option3) << '\n';
    for (const int i : {2, 3, 6, 7, 8, 9, 16, 17, 18, 27, 28, 36, 41, 45})
        o << "Label1(" << i << ")=" << in_riga(f.Label1[static_cast<std::size_t>(i)].Caption)
          << '\n';
    o << "Label10=" << in_riga(f.Label10.Caption) << '\n'
      << "Label8=" << in_riga(f.Label8.Caption) << '\n'
      << "Label9=" << in_riga(f.Label9.Caption) << '\n'
      << "Label6=" << in_riga(f.Label6.Caption) << '\n';
    for (std::size_t i = 0; i < f.Label3.size(); ++i)
        o << "Label3(" << i << ")=" << in_riga(f.Label3[i].Caption) << '\n';
    o << "Label3(4).color="
      << (f.Label3[Risultato::Vrdc_est].ForeColor == QBColor(5) ? "magenta" : "black") << '\n';
    o << "Label4(1)=" << in_riga(f.Label4[Verdetto::Vrdc].Caption) << '\n'
      << "Label4(3)=" << in_riga(f.Label4[Verdetto::Vrd_max].Caption) << '\n'
      << "Label4(3).style=" << (f.Label4[Verdetto::Vrd_max].FontBold ? "red-bold" : "normal")
      << '\n';
    o << "Frame5=" << in_riga(f.Frame5.Caption) << '\n'
      << "Frame4.visible=" << (f.Frame4.Visible ? 1 : 0) << '\n';
    o << "title=" << in_riga(f.Caption) << '\n' << "end\n";
    return o.str();
}

std::string verdetto(const CalcoTess& f) {
    const StatoCaso s = stato_caso(f);
    std::ostringstream o;
    o << "inputs=" << (s.non_validi.empty() ? "ok" : "invalid");
    for (const CampoNonValido& c : s.non_validi)
        o << ' ' << nome_controllo(c.grandezza->controllo);
    o << '\n'
      << "results=" << (s.aggiornati ? "current" : "stale") << '\n'
      << "verdict=" << chiave_esito(s.esito) << ' ' << in_riga(s.testo_esito) << '\n';
    for (const auto& [nome, valore] : {std::pair{"face", &s.utilizzo_faccia},
                                       {"perimeter", &s.utilizzo_perimetro},
                                       {"outer", &s.utilizzo_esterno},
                                       {"studs", &s.utilizzo_chiodi}})
        if (*valore) o << "utilisation." << nome << '=' << show(R(**valore, 2)) << '\n';
    for (const std::string& a : s.avvisi)
        o << "warning=" << in_riga(a) << '\n';
    o << "end\n";
    return o.str();
}

std::string vista(const CalcoTess& f) {
    std::ostringstream o;
    for (const Grandezza& g : grandezze) {
        const std::string unita = nome_unita(g.unita, f.sistema);
        o << g.nome << '=' << in_riga(testo_vista(f, g)) << (unita.empty() ? "" : " " + unita)
          << '\n';
    }
    o << "end\n";
    return o.str();
}

std::string righe_proposta(const Proposta& p) {
    std::ostringstream o;
    o << "proposal=";
    if (p.motivo == Motivo::trovata)
        o << "found\n";
    else
        o << "none " << chiave_motivo(p.motivo) << ' ' << in_riga(p.perche) << '\n';
    o << "tried=" << p.provate << '\n';
    for (std::size_t i = 0; i < p.migliori.size(); ++i) {
        const Candidato& c = p.migliori[i];
        const ValoriCandidato v = valori(c);
        if (i == 0) {
            for (const auto& [g, testo] : testi_digitati(c.disposizione))
                o << nome_controllo(g->controllo) << '=' << testo << '\n';
            o << "studs=" << v.chiodi << '\n' << "mass=" << v.kg << '\n';
        } else {
            o << "candidate=" << v.N_totali << ' ' << v.N_diag << ' ' << v.S1 << ' ' << v.S << ' '
              << v.phi << ' ' << v.chiodi << ' ' << v.kg << '\n';
        }
    }
    o << "end\n";
    return o.str();
}

} // namespace tessaro
