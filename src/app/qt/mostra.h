// Shows the form model's whole state in the widgets. Showing raises no model event: signals
// are blocked while a widget changes, and a text is set only when it differs.
#pragma once

#include "app/qt/controlli.h"
#include "app/qt/twips.h"
#include "form/CalcoTess.h"

namespace tessaro {

void mostra(const CalcoTess& f, const Twips& twips, Controlli& c, QWidget& finestra);

// The arrow that a caption of the axis sketch stands for: the model keeps the characters of
// a symbol font ("á" up, "à" right, "â" down); other captions are shown as they are.
QString freccia(const std::string& Caption);

} // namespace tessaro
