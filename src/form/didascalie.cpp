// The captions of the window as the user reads them now.
#include "form/didascalie.h"

#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

namespace tessaro {

const std::array<const char*, 6> didascalie_Option1{
    "Rettangolare", "Circolare", "Rett. + semicerchi", "Ottagonale", "Superf. imposta", "Parete"};

std::string didascalia(const CalcoTess& f, const Grandezza& g) {
    std::string testo = g.didascalia;
    if (g.label1 >= 0) testo += f.Label1.at(static_cast<std::size_t>(g.label1)).Caption;
    if (f.sistema == Sistema::tecnico || unita_di(g.unita).esponente_si == 0) return testo;
    const std::string si = nome_unita(g.unita, Sistema::SI);
    const std::string tecnica = std::string("(") + unita_di(g.unita).didascalia + ")";
    if (const auto i = testo.find(tecnica); i != std::string::npos)
        return testo.replace(i, tecnica.size(), "(" + si + ")");
    if (g.controllo.tipo == Controllo::Tipo::Label3) return testo; // its unit is beside it
    return testo + " (" + si + ")";
}

std::string richiamo(const CalcoTess& f, const Grandezza& g) {
    return g.richiamo ? g.richiamo : didascalia(f, g);
}

std::string testo_vista(const CalcoTess& f, const Grandezza& g) {
    return in_sistema(f.testo(g), g.unita, f.sistema);
}

std::string unita_accanto(const CalcoTess& f, const Grandezza& g) {
    const std::string nome =
        f.sistema == Sistema::SI ? unita_di(g.unita).nome_si : unita_di(g.unita).didascalia;
    return nome + (g.didascalia[0] == '(' ? ")" : "");
}

std::string misura(const CalcoTess& f, double x, int decimali, Unita u) {
    const std::string nome = nome_unita(u, f.sistema);
    return in_sistema(show(R(x, decimali)), u, f.sistema) + (nome.empty() ? "" : " " + nome);
}

} // namespace tessaro
