// Reading the canvas's display list in the drawing tests: each element as a short text.
#pragma once

#include "form/CalcoTess.h"
#include "form/Canvas.h"
#include "numeric/conversioni.h"

#include <string>
#include <vector>

namespace tessaro::prova {

// "L x1,y1 x2,y2" line, "B …" box, "O x,y r" circle, "C x,y r s>e" arc, "P x,y" a dot each,
// "F x1,y1 x2,y2 x3,y3" filled triangle, "T 'text' x,y"; numbers to 4 decimals; then
// " w3", " c7", " dotted" where width, colour or style differ from 1, 15, solid (a dot is
// round whatever the style).
inline void descrivi(const Canvas& c, const Elemento& e, std::vector<std::string>& l) {
    const auto n = [](double x) { return show(R(x, 4)); };
    const auto p = [&](Punto q) { return n(q.x) + "," + n(q.y); };
    std::string coda;
    if (e.larghezza != 1) coda += " w" + std::to_string(e.larghezza);
    if (e.colore != 15) coda += " c" + std::to_string(e.colore);
    if (e.tipo == Elemento::Tipo::punti) {
        for (std::size_t i = e.primo; i < e.fine; ++i) l.push_back("P " + p(c.punti()[i]) + coda);
        return;
    }
    if (e.stile == 2) coda += " dotted";
    std::string t;
    switch (e.tipo) {
    case Elemento::Tipo::linea: t = "L " + p(e.p1) + " " + p(e.p2); break;
    case Elemento::Tipo::rettangolo: t = "B " + p(e.p1) + " " + p(e.p2); break;
    case Elemento::Tipo::arco:
        t = (e.intero ? "O " : "C ") + p(e.p1) + " " + n(e.r);
        if (!e.intero) t += " " + n(e.s) + ">" + n(e.e);
        break;
    case Elemento::Tipo::punti: return; // a line a dot, above
    case Elemento::Tipo::triangolo: t = "F " + p(e.p1) + " " + p(e.p2) + " " + p(e.p3); break;
    case Elemento::Tipo::testo: t = "T '" + c.testo(e) + "' " + p(e.p1); break;
    }
    l.push_back(t + coda);
}

// The shape and the position set directly, without their click handlers.
inline void figura(CalcoTess& f, int forma, int posizione) {
    f.Option1 = {};
    f.Option1[static_cast<std::size_t>(forma)] = true;
    f.Option2 = {};
    f.Option2[static_cast<std::size_t>(posizione)] = true;
}

inline std::vector<std::string> lista(const Canvas& c) {
    std::vector<std::string> l;
    for (const Elemento& e : c.elementi()) descrivi(c, e, l);
    return l;
}

} // namespace tessaro::prova
