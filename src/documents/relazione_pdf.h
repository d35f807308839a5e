// The calculation report in PDF (A4, Italian): title block, method, inputs, column found,
// intermediate values beside their formulas, verdicts with their utilisation, the stud
// design and its schedule, the warnings, and the documented plan to a stated scale.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;

// The title block of the report.
struct Intestazione {
    std::string progetto, elemento, progettista, data;
};

// Today's date as the title block writes it (dd/mm/yyyy).
std::string data_odierna();

// Writes the report of the case as the window shows it now through the file replacement;
// false when the file could not be written (the previous file is then left as it was). The
// caller decides first whether a report may be written (relazione_negata).
bool esporta_relazione_pdf(const CalcoTess& f, const Intestazione& intestazione,
                           const std::string& percorso);

// The plan sheet alone on an A4 page (the documented plan to the first scale of 1:20, 1:25,
// 1:50, then 1:100, 1:200, ... at which it fits, with legend, scale bar and title block); false
// when it was not written. esporta_pianta_pdf: the title block with empty project, element and
// designer and today's date, as a script writes it.
bool esporta_foglio_pdf(const CalcoTess& f, const Intestazione& intestazione,
                        const std::string& percorso);
bool esporta_pianta_pdf(const CalcoTess& f, const std::string& percorso);

// The scale of the plan on the report's last page, 1:N; the DXF is drawn for it.
int scala_relazione(const CalcoTess& f);

} // namespace tessaro
