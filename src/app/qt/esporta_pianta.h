// The plan sheet written to a file, whatever the zoom on screen: PNG and SVG hold it on an A4
// landscape sheet, the PDF on an A4 page, each with the plan to a stated scale, its legend,
// scale bar and title block.
#pragma once

#include "documents/relazione_pdf.h"
#include "form/CalcoTess.h"

#include <string>

namespace tessaro {

// PNG (200 dpi), SVG or PDF by the ending of the path, lower or upper case, under the given
// title block. The file is replaced only when the whole picture was written; false when the
// path has another ending or the writing failed.
bool esporta_pianta(const CalcoTess& f, const Intestazione& intestazione,
                    const std::string& percorso);

} // namespace tessaro
