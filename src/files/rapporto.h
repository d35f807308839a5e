// The text report of the current case.
#pragma once

namespace tessaro {

class CalcoTess;

// "Stampa": asks for a file name, writes the report of what the window shows and opens it in
// its viewer. A cancelled dialog writes nothing; a failed write is told to the user and
// nothing is opened.
void stampa_tess(CalcoTess& f);

} // namespace tessaro
