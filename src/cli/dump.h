// The state of the window as the dump line of a session script prints it.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;

// Every line "key=value" with the value exactly as the window shows it, ending with "end".
std::string dump(const CalcoTess& f);

// The `verdict` lines: the state of the case, one key=value a line, then "end".
std::string verdetto(const CalcoTess& f);

} // namespace tessaro
