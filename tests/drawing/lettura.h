// Reading the canvas's display list in the drawing tests.
#pragma once

#include "drawing/Canvas.h"

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace tessaro {

inline std::ostream& operator<<(std::ostream& os, const Punto& p) {
    return os << '(' << p.x << ", " << p.y << ')';
}

namespace prova {

inline std::vector<Elemento> di_tipo(const Canvas& c, Elemento::Tipo tipo) {
    std::vector<Elemento> scelti;
    for (const Elemento& e : c.elementi())
        if (e.tipo == tipo) scelti.push_back(e);
    return scelti;
}

inline std::vector<std::string> testi(const Canvas& c) {
    std::vector<std::string> t;
    for (const Elemento& e : di_tipo(c, Elemento::Tipo::testo)) t.push_back(e.testo);
    return t;
}

inline bool vicino(Punto p, Punto q, double tolleranza = 1e-6) {
    return std::fabs(p.x - q.x) <= tolleranza && std::fabs(p.y - q.y) <= tolleranza;
}

// The two ends of a line or an arc.
inline std::vector<Punto> estremi(const Elemento& e) {
    if (e.tipo != Elemento::Tipo::arco) return {e.p1, e.p2};
    return {{e.p1.x + e.r * std::cos(e.s), e.p1.y + e.r * std::sin(e.s)},
            {e.p1.x + e.r * std::cos(e.e), e.p1.y + e.r * std::sin(e.e)}};
}

} // namespace prova
} // namespace tessaro
