// The session runner's documents written by the documents folder.
#pragma once

#include "cli/sessione.h"

namespace tessaro {

// The PDF report (title block without a dialog: project, element and designer empty, today's
// date), the plan PDF, the DXF and the stud schedule.
Documenti documenti_qt();

} // namespace tessaro
