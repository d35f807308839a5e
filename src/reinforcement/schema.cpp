// The stud layout as rails, read from the studs that the design drew.
#include "reinforcement/schema.h"

#include "form/CalcoTess.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

// Studs computed along different paths of the design (a layer routine, a fan step) differ in
// the last digits; closer than this they are the same stud or lie on the same rail, cm.
constexpr double TOLLERANZA = 1e-6;

// The rail through a stud: straight rails run square to a face of a rectangular column from
// the foot of the stud on it, diagonal rails from the nearest corner, radial rails from the
// face of a circular column along the radius.
Traliccio rotaia_di(const CalcoTess& f, const Punto& p) {
    const double a2 = f.dati.a / 2, b2 = f.dati.b / 2;
    Traliccio t;
    if (f.Option1[1]) {
        t.tipo = Traliccio::Tipo::radiale;
        t.angolo = std::atan2(p.y, p.x);
        t.origine = {a2 * std::cos(t.angolo), a2 * std::sin(t.angolo)};
    } else if (std::fabs(p.y) <= b2 + TOLLERANZA && std::fabs(p.x) > a2) {
        t.origine = {p.x > 0 ? a2 : -a2, p.y};
        t.angolo = p.x > 0 ? 0 : PI;
    } else if (std::fabs(p.x) <= a2 + TOLLERANZA && std::fabs(p.y) > b2) {
        t.origine = {p.x, p.y > 0 ? b2 : -b2};
        t.angolo = p.y > 0 ? PI / 2 : -PI / 2;
    } else {
        t.tipo = Traliccio::Tipo::diagonale;
        t.origine = {p.x > 0 ? a2 : -a2, p.y > 0 ? b2 : -b2};
        t.angolo = std::atan2(p.y - t.origine.y, p.x - t.origine.x);
    }
    return t;
}

bool stessa_rotaia(const Traliccio& t, const Traliccio& u) {
    return t.tipo == u.tipo && std::fabs(t.origine.x - u.origine.x) <= TOLLERANZA &&
           std::fabs(t.origine.y - u.origine.y) <= TOLLERANZA &&
           std::fabs(t.angolo - u.angolo) <= TOLLERANZA;
}

} // namespace

Punto Traliccio::chiodo(std::size_t i) const {
    return {origine.x + chiodi[i] * std::cos(angolo), origine.y + chiodi[i] * std::sin(angolo)};
}

std::vector<Traliccio> schema_chiodatura(const CalcoTess& f) {
    std::vector<Traliccio> rotaie;
    for (const Punto& p : f.chiodi) {
        Traliccio t = rotaia_di(f, p);
        const double distanza = std::hypot(p.x - t.origine.x, p.y - t.origine.y);
        auto r = std::find_if(rotaie.begin(), rotaie.end(),
                              [&](const Traliccio& u) { return stessa_rotaia(t, u); });
        if (r == rotaie.end()) r = rotaie.insert(rotaie.end(), std::move(t));
        const bool ripetuto = std::any_of(r->chiodi.begin(), r->chiodi.end(), [&](double d) {
            return std::fabs(d - distanza) <= TOLLERANZA;
        });
        if (!ripetuto) r->chiodi.push_back(distanza);
    }
    for (Traliccio& t : rotaie) std::sort(t.chiodi.begin(), t.chiodi.end());
    const auto angolo_primo = [](const Traliccio& t) {
        const Punto p = t.chiodo(0);
        return std::atan2(p.y, p.x);
    };
    std::stable_sort(rotaie.begin(), rotaie.end(), [&](const Traliccio& t, const Traliccio& u) {
        return angolo_primo(t) < angolo_primo(u);
    });
    return rotaie;
}

} // namespace tessaro
