// The steel of the studs.
#include "reinforcement/peso.h"

#include "form/campi.h"

#include <algorithm>

namespace tessaro {

namespace {
constexpr double PESO_ACCIAIO = 7.85e-3; // kg/cm³
} // namespace

double lunghezza_chiodo(const CalcoTess& f) {
    const double H = guardia(f, Dato::H);
    return std::max(0.0, H - 2 * (H - f.dati.deff));
}

double peso_chiodo(double diametro_mm, double lunghezza_cm) {
    const double raggio = diametro_mm / 20; // cm
    return PI * raggio * raggio * lunghezza_cm * PESO_ACCIAIO;
}

} // namespace tessaro
