// The steel of the studs, as the stud schedule weighs it: the shank only, of the length the
// slab leaves between its two covers, at 7850 kg/m³.
#pragma once

namespace tessaro {

class CalcoTess;

// The stud length taken, H − 2·(H − d), cm; never negative.
double lunghezza_chiodo(const CalcoTess& f);

// One stud of the diameter (mm) and length (cm) given, kg: π·φ²/4 × length × 7850 kg/m³.
double peso_chiodo(double diametro_mm, double lunghezza_cm);

} // namespace tessaro
