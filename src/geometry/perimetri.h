// Column perimeter u0, control perimeter u1 at 2·d, the slab area inside it, and the
// automatic choice of the column position.
#pragma once

namespace tessaro {

class CalcoTess;

// Face factor of a slab edge at the distance dist (cm) from a column face: 0 at the edge,
// 1 from 6·d on.
double ku0(const CalcoTess& f, double dist);

// An opening whose position (Text4, Text5, cm) lies strictly nearer than 6·d to the column
// axis. The panel's texts are read leniently: an unconfirmed entry must not stop a
// recalculation.
bool foro_vicino(const CalcoTess& f);

// The length of control perimeter lost to an opening: uc_foro when the opening is near as
// above, 0 otherwise.
double taglio_foro(const CalcoTess& f);

// Chooses interior, edge or corner by the shortest control perimeter, rotates the axes when
// the edge lies on the b side, and sets u0, u1, Aq, rid_a, rid_b and fields 19 to 21.
void calcola_u0(CalcoTess& f);

} // namespace tessaro
