// Cutting lines and polygons to a rectangle.
#include "drawing/qt/ritaglio.h"

#include <array>

namespace tessaro {
namespace {

// One side of the rectangle as a half-plane: distanza() >= 0 inside.
struct Lato {
    bool lungo_x; // the side bounds x (else y)
    double limite;
    double verso; // +1: inside above the limit, -1: below
    double distanza(QPointF p) const { return verso * ((lungo_x ? p.x() : p.y()) - limite); }
};

std::array<Lato, 4> lati(const QRectF& r) {
    return {{{true, r.left(), 1}, {true, r.right(), -1}, {false, r.top(), 1},
             {false, r.bottom(), -1}}};
}

// Where the segment p–q crosses the side, given the distances of its ends (of opposite sign).
QPointF taglio(QPointF p, QPointF q, double dp, double dq) {
    const double t = dp / (dp - dq);
    return p + t * (q - p);
}

} // namespace

bool ritaglia_segmento(QPointF& a, QPointF& b, const QRectF& r) {
    for (const Lato& lato : lati(r)) {
        const double da = lato.distanza(a), db = lato.distanza(b);
        if (da < 0 && db < 0) return false;
        if (da < 0) a = taglio(a, b, da, db);
        else if (db < 0) b = taglio(a, b, da, db);
    }
    return true;
}

QPolygonF ritaglia_poligono(const QPolygonF& poligono, const QRectF& r) {
    QPolygonF dentro = poligono;
    for (const Lato& lato : lati(r)) {
        const QPolygonF prima = dentro;
        dentro.clear();
        for (qsizetype i = 0; i < prima.size(); ++i) {
            const QPointF p = prima[i], q = prima[(i + 1) % prima.size()];
            const double dp = lato.distanza(p), dq = lato.distanza(q);
            if (dp >= 0) dentro << p;
            if ((dp < 0) != (dq < 0)) dentro << taglio(p, q, dp, dq);
        }
    }
    return dentro;
}

} // namespace tessaro
