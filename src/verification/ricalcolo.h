// The recalculation run when a field of Text1 loses the focus: actions, materials, control
// perimeter, β, verification without shear reinforcement, then drawing or rail design.
#pragma once

namespace tessaro {

class CalcoTess;

// One pass; Index is the field that was left. A failed guard ends the pass quietly and leaves
// what earlier steps wrote; a fault ends it the same way (the caller catches it).
void ricalcola(CalcoTess& f, int Index);

} // namespace tessaro
