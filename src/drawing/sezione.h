// The start of every plan picture: canvas set-up, the opening and its shadow, the circular or
// rectangular column with its labels, the free slab edges.
#pragma once

namespace tessaro {

class CalcoTess;

// Clears Pic and sets its world window from the column size, the position and `scala`;
// draws the opening when it is nearer than 6·d, the column when circular or rectangular, and
// the slab edges of an edge or corner column. Leaves style solid and width 1. Nothing happens
// while the start-up runs.
void disegna_sezione(CalcoTess& f);

} // namespace tessaro
