// The units of the report.
#include "form/unita.h"

#include "form/CalcoTess.h"

namespace tessaro {

void DeterminaFattori(CalcoTess& f) {
    UnitaMisura& u = f.unita;
    u.lunghezze = "[cm]";
    u.forze = "[daN]";
    u.momenti = "[daNm]"; // moments are entered and printed in kg·m
    u.pesi_specifici = "[daN/cm3]";
    u.armature = "[cm2]";
    u.tensioni = "[daN/cm2]";
    u.f_lunghezze = u.f_forze = u.f_momenti = u.f_tensioni = 1.0;
    u.f_acciaio = u.f_carichi = u.f_aree = u.f_moduli = 1.0;
}

} // namespace tessaro
