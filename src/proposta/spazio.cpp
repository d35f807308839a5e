// The layouts the user can type.
#include "proposta/spazio.h"

#include "numeric/conversioni.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr int MAX_TRALICCI = 48; // rails in all
constexpr int MAX_DIAGONALI = 4; // diagonal rails at one corner
constexpr double PASSO = 0.5;    // cm, the grid of S1 and S

// The values from `minimo` to `massimo` in steps of the grid, read both ways a person steps
// them: the round multiples of 0.5 cm between the limits, and the least limit itself and each
// step from it (11.1, 11.6, ... for d = 37); the greatest limit too. Each as the text of a field
// gives it, so that a value on a limit is compared as the recalculation compares it: one below
// the least is refused (S1 < 0.3·d breaks a detailing rule), one above the greatest is capped.
std::vector<double> griglia(double minimo, double massimo) {
    std::vector<double> v;
    const auto prendi = [&](double x) {
        x = strict(show(R(x, 10)));
        if (x >= minimo && x <= massimo && x > 0) v.push_back(x);
    };
    for (double k = std::ceil(minimo / PASSO); k * PASSO <= massimo; ++k)
        prendi(k * PASSO);
    for (int k = 0; minimo + k * PASSO <= massimo; ++k)
        prendi(minimo + k * PASSO);
    prendi(massimo);
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

} // namespace

Spazio spazio_di(bool circolare, int posizione, double deff) {
    Spazio s;
    if (circolare) {
        for (int n = 2; n <= MAX_TRALICCI; ++n)
            s.tralicci.push_back({n, 0});
    } else {
        // "N totali" as the design rewrites it from the straight rails a face (at least 2).
        for (int diag = 0; diag <= MAX_DIAGONALI; ++diag)
            for (int dritti = 2;; ++dritti) {
                const int n = posizione == 0   ? 4 * (dritti + diag)
                              : posizione == 1 ? 2 * diag + 3 * dritti
                                               : 2 * dritti + diag;
                if (n > MAX_TRALICCI) break;
                s.tralicci.push_back({n, diag});
            }
    }
    s.S1 = griglia(0.3 * deff, 0.5 * deff);
    s.S = griglia(0.3 * deff, 0.75 * deff);
    s.diametri.assign(DIAMETRI_UNIFICATI.begin(), DIAMETRI_UNIFICATI.end());
    return s;
}

} // namespace tessaro
