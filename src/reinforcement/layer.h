// The studs of one layer on the rails of the column, drawn and listed in chiodi.tmp.
#pragma once

namespace tessaro {

class CalcoTess;

// The first layer at S1 from the column face, on every straight, diagonal or radial rail.
void primolayer(CalcoTess& f);

// A following layer at r_layer on the straight rails of a rectangular column.
void ennesimolayer(CalcoTess& f);

} // namespace tessaro
