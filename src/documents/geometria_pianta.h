// The plan of the current case as plain geometry in plan coordinates (cm, origin at the column
// centre, x along a, y up): what the documented plan paints and the DXF writes.
#pragma once

#include "form/DatiCalcolo.h"
#include "reinforcement/schema.h"

#include <QRectF>

#include <array>
#include <optional>
#include <vector>

namespace tessaro {

class CalcoTess;

struct Polilinea {
    std::vector<Punto> punti; // cm
    bool chiusa = false;
};

struct GeometriaPianta {
    bool circolare = false;             // column of diameter a
    bool quotato = false;               // a rectangular or circular column: a and b dimensioned
    double a = 0, b = 0;                // column, cm
    Polilinea pilastro;                 // outline of any other column drawn; none for an
                                        // imposed area or a wall
    std::optional<double> bordo_x;      // the free slab edge x = bordo_x (left of the column), cm
    std::optional<double> bordo_y;      // the free slab edge y = bordo_y (below the column), cm
    bool foro = false;                  // an opening near enough to cut the control perimeter
    std::array<Punto, 4> foro_angoli{}; // its outline in drawing order, cm
    double alfa1 = 0, alfa2 = 0;        // the rays from the centre that touch it, rad
    std::vector<Polilinea> u1;          // control perimeter at 2·d, inside the slab
    std::vector<Polilinea> esterno;     // outer perimeter of the design, its bridged pieces
    std::vector<Traliccio> tralicci;    // the rails with their studs
    double diametro_chiodo = 0;         // cm
};

GeometriaPianta geometria_pianta(const CalcoTess& f);

// The rail that carries the dimensions of S1, S and the rail length: of the straight or radial
// rails, the one leaving the column most nearly along +x, the highest of them; none without
// such a rail.
const Traliccio* traliccio_quotato(const GeometriaPianta& g);

// The smallest rectangle holding the column, the perimeters, the studs and the opening, cm.
// (x, y) the lowest corner, width and height positive.
QRectF ingombro(const GeometriaPianta& g);

} // namespace tessaro
