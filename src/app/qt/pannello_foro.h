// The opening panel Picture1: a picture of the four dimensions of an opening near the column,
// the fields Text2 to Text5, and the buttons of Command2 ("OK", "Annulla").
#pragma once

#include "app/qt/controlli.h"

#include <QFrame>

namespace tessaro {

QFrame* pannello_foro(Controlli& c);

} // namespace tessaro
