// The picture of the plan drawing: the section, then the column outlines that the section
// does not draw and the critical control perimeter, dotted, at dcrit from the column faces.
#pragma once

namespace tessaro {

class CalcoTess;

// Draws the section (disegna_sezione), then by shape: the perimeter of a rectangular column
// for its position; outline, labels and perimeter of the rectangle with semicircular ends and
// of the octagon (enabling Text1(7), their second dimension); nothing more for a circular
// column (its perimeter is dotted by the polygon builder), an imposed area or a wall. Reads
// dcrit, which the caller has set to 2·d; leaves the style dotted after a perimeter.
void disegna_contorni(CalcoTess& f);

} // namespace tessaro
