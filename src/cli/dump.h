// The state of the window as the dump line of a session script prints it.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;

// Every line "key=value" with the value exactly as the window shows it, ending with "end".
std::string dump(const CalcoTess& f);

} // namespace tessaro
