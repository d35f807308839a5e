// The documents the window writes: the PDF report with its title block, the DXF of the stud
// layout with the stud schedule beside it, the plan pictures. Each file is chosen in a save
// dialog that offers the working folder; a failed write is told, never passed over.
#pragma once

#include "app/Tessaro.h"

#include <QSettings>
#include <QWidget>

#include <string>

namespace tessaro {

// The path chosen in a save dialog titled `titolo` for a file ending in ".estensione" (added
// when the user did not type it); "" when the dialog was cancelled.
std::string scegli_file(Piattaforma& p, const std::string& cartella, const std::string& titolo,
                        const std::string& estensione);

// Tells the user that the file could not be written (as the other files of the program).
void scrittura_fallita(Piattaforma& p, const std::string& percorso);

// "Relazione PDF": the title block (remembered in `impostazioni`), then the file; the report is
// opened in its viewer. Refused with the reason when the results are not those of the inputs
// shown. The caller has run the recalculation.
void relazione_pdf(const Tessaro& f, Piattaforma& p, QSettings& impostazioni, QWidget* genitore);

// "Esporta DXF": the stud layout to the chosen NAME.dxf and its stud schedule to NAME.csv.
// Refused as the report is.
void esporta_dxf_e_distinta(const Tessaro& f, Piattaforma& p);

} // namespace tessaro
