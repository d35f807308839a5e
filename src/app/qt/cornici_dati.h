// The input frames of the form: column shape, column position, actions, slab, materials, and
// the results on the first control perimeter.
#pragma once

#include "app/qt/controlli.h"

#include <QGroupBox>

namespace tessaro {

QGroupBox* cornice_pilastro(Controlli& c);        // "PILASTRO:", Option1
QGroupBox* cornice_posizione(Controlli& c);       // "Posizione:", Option2
QGroupBox* cornice_sollecitazioni(Controlli& c);  // "Sollecitazioni:", Option3 and the actions
QGroupBox* cornice_soletta(Controlli& c);         // "Dati soletta:"
QGroupBox* cornice_materiali(Controlli& c);       // "Materiali:"
QGroupBox* cornice_primo_perimetro(Controlli& c); // "Verifica sul primo perim."

} // namespace tessaro
