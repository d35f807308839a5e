// The layouts the user can type.
#include "proposta/spazio.h"

#include <cmath>

namespace tessaro {
namespace {

constexpr int MAX_TRALICCI = 48; // rails in all
constexpr int MAX_DIAGONALI = 4; // diagonal rails at one corner
constexpr double PASSO = 0.5;    // cm, the grid of S1 and S

// The multiples of the grid from `minimo` to `massimo`, compared as the recalculation compares
// them: a value below the least is refused (S1 < 0.3·d breaks a detailing rule), one above the
// greatest is capped.
std::vector<double> griglia(double minimo, double massimo) {
    std::vector<double> v;
    for (double k = std::floor(minimo / PASSO); k * PASSO <= massimo; ++k)
        if (!(k * PASSO < minimo) && k > 0) v.push_back(k * PASSO);
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
