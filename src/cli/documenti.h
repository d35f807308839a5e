// The session runner's documents written by the documents folder.
#pragma once

#include "batch/caso.h"
#include "cli/sessione.h"

namespace tessaro {

// The PDF report (title block without a dialog: project, element and designer empty, today's
// date), the plan PDF, the DXF and the stud schedule.
Documenti documenti_qt();

// The documents of a batch row: BASE.pdf (the report, as the script line writes it), BASE.dxf
// and BASE.csv. Qt lays out text and paints on the thread of its application, whose event loop
// must run: a worker hands each case to it and waits.
ScrittoreDocumenti documenti_lotto();

} // namespace tessaro
