// The stud reinforcement actually provided by the diameter in fichiodo.
#pragma once

namespace tessaro {

class CalcoTess;

// Area of one stud, provided area on one perimeter and Vrd,s (Label3 16, 12, 13) from the
// diameter in fichiodo and the last rail design. The diameter must be a number.
void armatura_effettiva(CalcoTess& f);

} // namespace tessaro
