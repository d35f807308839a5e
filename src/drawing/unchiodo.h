// One stud on the plan: its dot with the images the column position asks for, and its
// lines in the stud list.
#pragma once

namespace tessaro {

class CalcoTess;

// Draws the stud at (x, y) (cm, world frame) as dots of width 3 with its mirror images,
// writes its lines to the open stud list `nfile_chiodi` (nothing is written when none is
// open), and leaves the line width at 1.
void disegna_unchiodo(CalcoTess& f, double x, double y);

// One stud dot at (x, y) at the current line width, recorded among the design's studs.
void punto_chiodo(CalcoTess& f, double x, double y);

} // namespace tessaro
