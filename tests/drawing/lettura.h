// Reading the canvas's display list in the drawing tests: each element as a short text.
#pragma once

#include "form/CalcoTess.h"
#include "form/Canvas.h"
#include "numeric/conversioni.h"

#include <string>
#include <vector>

namespace tessaro::prova {

// "L x1,y1 x2,y2" line, "B …" box, "O x,y r" circle, "C x,y r s>e" arc, "P x,y" dot,
// "F x1,y1 x2,y2 x3,y3" filled triangle, "T 'text' x,y"; numbers to 4 decimals; then
// " w3", " c7", " dotted" where width, colour or style differ from 1, 15, solid (a dot is
// round whatever the style).
inline std::string descrivi(const Elemento& e) {
    const auto n = [](double x) { return show(R(x, 4)); };
    const auto p = [&](Punto q) { return n(q.x) + "," + n(q.y); };
    std::string t;
    switch (e.tipo) {
    case Elemento::Tipo::linea: t = "L " + p(e.p1) + " " + p(e.p2); break;
    case Elemento::Tipo::rettangolo: t = "B " + p(e.p1) + " " + p(e.p2); break;
    case Elemento::Tipo::arco:
        t = (e.intero ? "O " : "C ") + p(e.p1) + " " + n(e.r);
        if (!e.intero) t += " " + n(e.s) + ">" + n(e.e);
        break;
    case Elemento::Tipo::punto: t = "P " + p(e.p1); break;
    case Elemento::Tipo::triangolo: t = "F " + p(e.p1) + " " + p(e.p2) + " " + p(e.p3); break;
    case Elemento::Tipo::testo: t = "T '" + e.testo + "' " + p(e.p1); break;
    }
    if (e.larghezza != 1) t += " w" + std::to_string(e.larghezza);
    if (e.colore != 15) t += " c" + std::to_string(e.colore);
    if (e.stile == 2 && e.tipo != Elemento::Tipo::punto) t += " dotted";
    return t;
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
    for (const Elemento& e : c.elementi()) l.push_back(descrivi(e));
    return l;
}

} // namespace tessaro::prova
