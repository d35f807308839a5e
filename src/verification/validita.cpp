// Whether an input in use can be taken.
#include "verification/validita.h"

#include "form/CalcoTess.h"
#include "form/didascalie.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

// Why a text is no number.
std::string illeggibile(const std::string& testo) {
    if (testo.find_first_not_of(" \t") == std::string::npos) return "campo vuoto: serve un numero";
    std::string col_punto = testo;
    std::replace(col_punto.begin(), col_punto.end(), ',', '.');
    if (col_punto != testo && is_numeric(col_punto))
        return "valore non numerico: usare il punto come separatore decimale (0.9, non 0,9)";
    return "valore non numerico";
}

// The range said in words, with its clause, in the view's unit system.
std::string fuori_campo(const CalcoTess& f, const Intervallo& v, Unita u) {
    const auto numero = [&](double x) { return in_sistema(show(x), u, f.sistema); };
    const auto limite = [&](double x) { return misura(f, x, 15, u); };
    const bool sotto = std::isfinite(v.minimo), sopra = std::isfinite(v.massimo);
    std::string t;
    if (sotto && sopra && !v.minimo_escluso && !v.massimo_escluso)
        t = "deve essere fra " + numero(v.minimo) + " e " + limite(v.massimo);
    else if (sotto && !v.minimo_escluso && v.minimo == 0 && !sopra)
        t = "non può essere negativo";
    else if (sotto && !v.minimo_escluso)
        t = "deve essere almeno " + limite(v.minimo);
    else
        t = "deve essere maggiore di " + limite(v.minimo);
    if (sopra && v.minimo_escluso) t += " e al più " + limite(v.massimo);
    if (v.perche) t += std::string(" (") + v.perche + ")";
    return t;
}

} // namespace

std::string non_valido(const CalcoTess& f, const Grandezza& g) {
    const std::string& testo = f.testo(g);
    const auto x = try_strict(testo);
    if (!x) return illeggibile(testo);
    if (!g.valido.contiene(*x)) return fuori_campo(f, g.valido, g.unita);
    if (&g == &grandezza(Dato::deff)) { // the effective depth lies within a sound slab
        const auto H = try_strict(f.Text1[Dato::H].Text);
        if (H && grandezza(Dato::H).valido.contiene(*H) && *x >= *H)
            return "deve essere minore dello spessore H = " + misura(f, *H, 15, Unita::lunghezza);
    }
    return "";
}

} // namespace tessaro
