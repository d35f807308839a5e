// The units of the report: the labels at its head and the factor that scales each kind of
// printed quantity.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;

struct UnitaMisura {
    std::string lunghezze, forze, momenti, pesi_specifici, armature, tensioni; // "[cm]", ...
    double f_lunghezze = 0;                                                    // cm
    double f_forze = 0;                                                        // kg
    double f_momenti = 0;                                                      // kg·m
    double f_tensioni = 0; // kg/cm², concrete stresses and strengths
    double f_acciaio = 0;  // kg/cm², stud steel strengths
    double f_carichi = 0;  // kg/m², distributed loads
    double f_aree = 0;     // cm², slab areas and stud areas
    double f_moduli = 0;   // cm², section moduli of a perimeter
};

// Sets the labels and factors once at start-up. Every factor is 1: the report prints the
// numbers in the units in which they are entered and computed.
void DeterminaFattori(CalcoTess& f);

} // namespace tessaro
