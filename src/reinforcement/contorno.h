// The outer control perimeter, 1.5·d beyond the outermost studs, traced rail after rail into
// the shared point list.
#pragma once

namespace tessaro {

class CalcoTess;

// Traces the outer perimeter of the current layer (at r_layer from the column face) for a
// rectangular or circular column, drawing the outermost studs of the fans, and leaves it in
// punti_perim; returns the number of points. Dmax (cm) is the largest gap between adjacent
// studs that the perimeter bridges.
int traccia_contorno(CalcoTess& f, double Dmax);

} // namespace tessaro
