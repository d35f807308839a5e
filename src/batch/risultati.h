// The results table as text: the header and one row a case, as CSV in the input's dialect or as
// JSON objects. What a spreadsheet or a JSON reader is given is always safe to open.
#pragma once

#include "batch/caso.h"

#include <string>
#include <string_view>

namespace tessaro {

// Whether a text is a number in JSON's grammar: -?(0|[1-9]d*)(.d+)?([eE][+-]?d+)?
bool numero_json(std::string_view testo);

// A text cell as a spreadsheet may hold it without evaluating it: one that begins with "=",
// "+", "-", "@", a tab or a carriage return gets a leading "'" (the OWASP rule against formula
// injection).
std::string senza_formula(std::string testo);

// The CSV header, then the row of a case (CR LF at the end of each). A number of a numeric
// column is written as the number it is (decimal comma in the ";" dialect), every other cell as
// a text under senza_formula; text is well-formed UTF-8. With `proposta`, the columns of
// --propose follow the others.
std::string intestazione_csv(Dialetto d, bool proposta = false);
std::string riga_csv(const EsitoCaso& e, Dialetto d, bool proposta = false);

// The JSON object of a case: a numeric column holds a JSON number only when its text is one in
// JSON's grammar, otherwise a string; an empty value is null (the id excepted), the warnings a
// list; strings are well-formed UTF-8. With `proposta`, the columns of --propose follow.
std::string oggetto_json(const EsitoCaso& e, bool proposta = false);

} // namespace tessaro
