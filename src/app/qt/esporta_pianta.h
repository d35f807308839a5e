// The documented plan written to a picture, whatever the zoom on screen: PNG and SVG hold the
// whole plan fitted to an A4 landscape sheet with its legend and scale bar, the PDF is the plan
// alone on A4 to a stated scale.
#pragma once

#include "form/CalcoTess.h"

#include <string>

namespace tessaro {

// PNG (200 dpi), SVG or PDF by the ending of the path, lower or upper case. The file is
// replaced only when the whole picture was written; false when the path has another ending
// or the writing failed.
bool esporta_pianta(const CalcoTess& f, const std::string& percorso);

} // namespace tessaro
