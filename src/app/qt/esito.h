// The state of the case in the window: the verdict banner over the frames (which says so while
// the results are stale), the list of warnings, and every input that cannot be read framed in
// red with the reason.
#pragma once

#include "app/qt/controlli.h"
#include "verification/stato_caso.h"

#include <QLabel>
#include <QWidget>

namespace tessaro {

QLabel* striscia_esito(Controlli& c); // the verdict, or "Risultati non aggiornati: …"
QWidget* elenco_avvisi(Controlli& c); // the warnings, readable without boxes

// Shows the state; while the results are stale their values are greyed. Raises no event.
void mostra_stato(const StatoCaso& s, Controlli& c);

} // namespace tessaro
