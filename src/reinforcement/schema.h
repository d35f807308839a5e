// The stud layout of the current design as rails: where each rail leaves the column, its
// direction and its studs along it, without the studs that the drawing repeats.
#pragma once

#include "form/DatiCalcolo.h"

#include <vector>

namespace tessaro {

class CalcoTess;

struct Traliccio {
    enum class Tipo { dritto, diagonale, radiale };
    Tipo tipo = Tipo::dritto;
    Punto origine;      // on the column face (straight, radial) or at its corner (diagonal), cm
    double angolo = 0;  // direction of the rail, rad counter-clockwise from +x
    std::vector<double> chiodi; // distances of the studs from the origin, increasing, cm

    Punto chiodo(std::size_t i) const; // plan position of stud i, cm
};

// The rails of the studs drawn by the current design (none when no design ran), in order
// round the column by the polar angle of their first stud in (−π, π]: for an edge or corner
// column the first and the last rail are those beside a free slab edge.
std::vector<Traliccio> schema_chiodatura(const CalcoTess& f);

} // namespace tessaro
