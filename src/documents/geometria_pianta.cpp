// The plan geometry read from the case: column, slab edges, opening, perimeters, rails.
#include "documents/geometria_pianta.h"

#include "form/CalcoTess.h"
#include "geometry/perimetri.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

// Arcs become chords of at most this angle, rad: finer than any plotter shows at 1:20.
constexpr double PASSO_ARCO = PI / 72;

// Appends the arc of radius r round c from angle s to e (rad, counter-clockwise when e > s).
void arco(std::vector<Punto>& v, Punto c, double r, double s, double e) {
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(e - s) / PASSO_ARCO)));
    for (int i = 0; i <= n; ++i) {
        const double t = s + (e - s) * i / n;
        v.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
    }
}

// The outline at r from the convex polygon v (counter-clockwise): its faces moved out, joined
// by arcs round its corners.
Polilinea arrotondato(const std::vector<Punto>& v, double r) {
    Polilinea p;
    p.chiusa = true;
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Punto &prima = v[(i + n - 1) % n], &qui = v[i], &dopo = v[(i + 1) % n];
        // Outward normals of the faces before and after the corner: to the right of each face.
        const double a0 = std::atan2(qui.y - prima.y, qui.x - prima.x) - PI / 2;
        double a1 = std::atan2(dopo.y - qui.y, dopo.x - qui.x) - PI / 2;
        if (a1 < a0) a1 += 2 * PI;
        arco(p.punti, qui, r, a0, a1);
    }
    return p;
}

// The rectangle with semicircular ends: width a along x, straight sides b long along y, ends
// of radius a/2 + r (r = 0 the column, 2·d its perimeter).
Polilinea semicerchi(double a, double b, double r) {
    Polilinea p;
    p.chiusa = true;
    arco(p.punti, {0, -b / 2}, a / 2 + r, PI, 2 * PI);
    arco(p.punti, {0, b / 2}, a / 2 + r, 0, PI);
    return p;
}

// The octagon with faces a long on the axes and corner cuts of leg b, counter-clockwise.
std::vector<Punto> ottagono(double a, double b) {
    const double c = a / 2 + b; // distance of the faces on the axes, cm
    return {{c, -a / 2}, {c, a / 2},   {a / 2, c},   {-a / 2, c},
            {-c, a / 2}, {-c, -a / 2}, {-a / 2, -c}, {a / 2, -c}};
}

// The control perimeter at d2 from the faces of the rectangular column, as the calculation
// takes it: a rounded ring inside, straight runs to the slab edges at an edge or a corner.
Polilinea u1_rettangolare(const CalcoTess& f, double d2) {
    const double a2 = f.dati.a / 2, b2 = f.dati.b / 2;
    const double xe = -a2 - f.dati.Db_a, ye = -b2 - f.dati.Db_b;
    Polilinea p;
    auto& v = p.punti;
    if (f.Option2[2]) { // corner: from the left edge round the top right corner to the bottom edge
        v.push_back({xe, b2 + d2});
        arco(v, {a2, b2}, d2, PI / 2, 0);
        v.push_back({a2 + d2, ye});
        return p;
    }
    if (f.Option2[1]) { // edge: open towards the free edge on the left
        v.push_back({xe, -b2 - d2});
        arco(v, {a2, -b2}, d2, -PI / 2, 0);
        arco(v, {a2, b2}, d2, 0, PI / 2);
        v.push_back({xe, b2 + d2});
        return p;
    }
    arco(v, {a2, -b2}, d2, -PI / 2, 0);
    arco(v, {a2, b2}, d2, 0, PI / 2);
    arco(v, {-a2, b2}, d2, PI / 2, PI);
    arco(v, {-a2, -b2}, d2, PI, 3 * PI / 2);
    p.chiusa = true;
    return p;
}

// The circle of radius r round the centre, kept where it lies inside the slab: whole inside,
// the pieces between the free edges otherwise.
std::vector<Polilinea> u1_circolare(const GeometriaPianta& g, double r) {
    std::vector<Punto> cerchio;
    arco(cerchio, {0, 0}, r, -PI, PI);
    const auto dentro = [&](const Punto& q) {
        return (!g.bordo_x || q.x >= *g.bordo_x) && (!g.bordo_y || q.y >= *g.bordo_y);
    };
    if (std::all_of(cerchio.begin(), cerchio.end(), dentro)) return {{cerchio, true}};
    // Start the walk at a point outside so that every piece inside comes out whole.
    const auto fuori = std::find_if_not(cerchio.begin(), cerchio.end(), dentro);
    std::rotate(cerchio.begin(), fuori, cerchio.end() - 1);
    cerchio.back() = cerchio.front();
    std::vector<Polilinea> pezzi;
    Polilinea corrente;
    for (const Punto& q : cerchio) {
        if (dentro(q)) {
            corrente.punti.push_back(q);
        } else if (!corrente.punti.empty()) {
            pezzi.push_back(std::move(corrente));
            corrente = {};
        }
    }
    if (!corrente.punti.empty()) pezzi.push_back(std::move(corrente));
    return pezzi;
}

// The outer perimeter from the design's point list: a piece of length 0 starts a new run
// (the gap that Dmax leaves open, or the start of a stretch).
std::vector<Polilinea> perimetro_esterno(const CalcoTess& f) {
    const DatiCalcolo& d = f.dati;
    std::vector<Polilinea> pezzi;
    if (f.chiodi.empty() || d.n_perim <= 0) return pezzi;
    Polilinea corrente;
    for (int i = 0; i <= d.n_perim; ++i) {
        const auto& r = d.punti_perim[i];
        const Punto q{r[1], r[2]};
        if (r[0] <= 0 && !corrente.punti.empty()) {
            const Punto& u = corrente.punti.back();
            if (std::hypot(u.x - q.x, u.y - q.y) > 1e-6) {
                if (corrente.punti.size() > 1) pezzi.push_back(std::move(corrente));
                corrente = {};
            } else {
                continue;
            }
        }
        corrente.punti.push_back(q);
    }
    if (corrente.punti.size() > 1) pezzi.push_back(std::move(corrente));
    return pezzi;
}

} // namespace

GeometriaPianta geometria_pianta(const CalcoTess& f) {
    const DatiCalcolo& d = f.dati;
    GeometriaPianta g;
    g.circolare = f.Option1[1];
    g.quotato = f.Option1[0] || f.Option1[1];
    g.a = d.a;
    g.b = g.circolare ? d.a : d.b;
    const double d2 = 2 * d.deff;
    if (f.Option1[0]) {
        g.pilastro = {
            {{-g.a / 2, -g.b / 2}, {g.a / 2, -g.b / 2}, {g.a / 2, g.b / 2}, {-g.a / 2, g.b / 2}},
            true};
    } else if (f.Option1[2]) { // drawn with its perimeter, not verified
        g.pilastro = semicerchi(g.a, g.b, 0);
        g.u1 = {semicerchi(g.a, g.b, d2)};
    } else if (f.Option1[3]) {
        g.pilastro = {ottagono(g.a, g.b), true};
        g.u1 = {arrotondato(ottagono(g.a, g.b), d2)};
    }
    if (f.Option2[1] || f.Option2[2]) g.bordo_x = -g.a / 2 - d.Db_a;
    if (f.Option2[2]) g.bordo_y = -g.b / 2 - d.Db_b;
    g.foro = foro_vicino(f) && (d.foro_prof > 0 || d.foro_larg > 0);
    if (g.foro) {
        g.foro_angoli = {d.foro_P1, d.foro_P3, d.foro_P2, d.foro_P4};
        g.alfa1 = d.alfa1;
        g.alfa2 = d.alfa2;
    }
    if (g.circolare)
        g.u1 = u1_circolare(g, g.a / 2 + d2);
    else if (f.Option1[0])
        g.u1 = {u1_rettangolare(f, d2)};
    g.esterno = perimetro_esterno(f);
    g.tralicci = schema_chiodatura(f);
    g.diametro_chiodo = lenient(f.fichiodo.Text) / 10;
    return g;
}

const Traliccio* traliccio_quotato(const GeometriaPianta& g) {
    const Traliccio* scelto = nullptr;
    for (const Traliccio& t : g.tralicci) {
        if (t.tipo == Traliccio::Tipo::diagonale || t.chiodi.empty()) continue;
        if (!scelto || std::fabs(t.angolo) < std::fabs(scelto->angolo) - 1e-9 ||
            (std::fabs(t.angolo) <= std::fabs(scelto->angolo) + 1e-9 &&
             t.origine.y > scelto->origine.y))
            scelto = &t;
    }
    return scelto;
}

QRectF ingombro(const GeometriaPianta& g) {
    double x0 = -g.a / 2, x1 = g.a / 2, y0 = -g.b / 2, y1 = g.b / 2;
    const auto includi = [&](const Punto& q) {
        x0 = std::min(x0, q.x);
        x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y);
        y1 = std::max(y1, q.y);
    };
    for (const Punto& q : g.pilastro.punti)
        includi(q);
    for (const auto* gruppo : {&g.u1, &g.esterno})
        for (const Polilinea& p : *gruppo)
            for (const Punto& q : p.punti)
                includi(q);
    for (const Traliccio& t : g.tralicci)
        for (std::size_t i = 0; i < t.chiodi.size(); ++i)
            includi(t.chiodo(i));
    if (g.foro)
        for (const Punto& q : g.foro_angoli)
            includi(q);
    if (g.bordo_x) includi({*g.bordo_x, y0});
    if (g.bordo_y) includi({x0, *g.bordo_y});
    return QRectF(x0, y0, x1 - x0, y1 - y0);
}

} // namespace tessaro
