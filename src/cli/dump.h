// The state of the window as the dump line of a session script prints it.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

class CalcoTess;
struct Proposta;

// A text as one printed line: a line break (CR LF, CR or LF) becomes \n and a backslash \\, so
// that no text can end its line or forge another; any other text prints unchanged.
std::string in_riga(std::string_view testo);

// Every line "key=value" with the value exactly as the window shows it, ending with "end".
std::string dump(const CalcoTess& f);

// The `verdict` lines: the state of the case, one key=value a line, then "end".
std::string verdetto(const CalcoTess& f);

// The `view` lines: every field and result of the table of quantities as the window shows it
// in the form's unit system, "NAME=TEXT UNIT" (no unit for a pure number), then "end".
std::string vista(const CalcoTess& f);

// The `propose` lines: "proposal=found", or "proposal=none" with the reason's key and text;
// "tried=N"; the best layout as the texts it types into its fields, with its studs and steel;
// each other proposal as "candidate=RAILS DIAG S1 S PHI STUDS KG"; then "end".
std::string righe_proposta(const Proposta& p);

} // namespace tessaro
