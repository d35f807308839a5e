// The stud layout as a DXF drawing for CAD: plan coordinates in cm (origin at the column
// centre, x along a), one layer per kind of element.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;

// The layers of the drawing, in the order of its layer table.
inline constexpr const char* LAYER_DXF[] = {
    "PILASTRO", "BORDO_SOLETTA", "FORO",  "PERIMETRO_U1", "PERIMETRO_ESTERNO",
    "TRALICCI", "CHIODI",        "QUOTE", "TESTI",        "NUMERI_TRALICCI"};

// Writes the DXF (AutoCAD 2000 text, $INSUNITS 5 = centimetres) of the current case, drawn to
// be plotted at the scale of the report's plan, which its title states: the column, the free
// slab edges, the opening with the rays of its shadow, the control perimeter u1 and the outer
// perimeter as polylines, each rail as a line from its first to its last stud, each stud as an
// insert of the block of its diameter ("CHIODO_D14": the shank and the head of three
// diameters), the column's sides (or diameter), S1, S and the rail length as dimension
// entities, the rails' names R1, R2, ... as texts; texts and dimensions 2.5 mm high on paper.
// Through the file replacement: false when the file could not be written, the previous file
// then left as it was.
bool esporta_dxf(const CalcoTess& f, const std::string& percorso);

} // namespace tessaro
