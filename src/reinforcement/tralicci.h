// The design of the shear reinforcement: stud rails, layer after layer until the outer
// control perimeter holds, stud diameter, provided area and Vrd,s, the stud list.
#pragma once

namespace tessaro {

class CalcoTess;

// Run by the recalculation when the control perimeter fails and the column face holds.
void progetta_tralicci(CalcoTess& f);

} // namespace tessaro
