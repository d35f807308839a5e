// The layouts the user can type for a case: the rail counts that the design keeps for the
// column's shape and position, first stud distances and spacings in 0.5 cm steps within the
// detailing limits, and the standard stud diameters.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace tessaro {

// "N totali" and "N diag" as the design keeps them.
struct Tralicci {
    int N_totali = 0;
    int N_diag = 0; // at each column corner

    bool operator==(const Tralicci&) const = default;
};

// One layout: what the user types into "N totali", "N diag", S1, S and φ.
struct Disposizione {
    Tralicci tralicci;
    double S1 = 0, S = 0; // cm
    double phi = 0;       // mm

    bool operator==(const Disposizione&) const = default;
};

// The stud diameters made as standard, mm. A design that needs a larger one has no candidate.
inline constexpr std::array<int, 6> DIAMETRI_UNIFICATI{10, 12, 14, 16, 20, 25};

// The space searched: every rail configuration with every S1 and S; the diameters in
// ascending order.
struct Spazio {
    std::vector<Tralicci> tralicci;
    std::vector<double> S1, S;    // cm, ascending
    std::vector<double> diametri; // mm, ascending

    std::size_t geometrie() const { return tralicci.size() * S1.size() * S.size(); }
};

// The space of a column: rectangular or circular, its position (0 interior, 1 edge, 2 corner)
// and d (cm). Rails from the fewest the design lays out (2 straight rails a face, 2 rails round
// a circular column) to 48 in all, 0 to 4 diagonal rails a corner of a rectangular column; S1
// from 0.3·d to 0.5·d and S from 0.3·d to 0.75·d in 0.5 cm steps, both the round multiples of
// 0.5 cm and the steps from 0.3·d, with the limits themselves, so that neither the detailing
// rule on S1 nor the caps act.
Spazio spazio_di(bool circolare, int posizione, double deff);

} // namespace tessaro
