// Whether an input in use can be taken: a number, inside its physical range.
#pragma once

#include <string>

namespace tessaro {

class CalcoTess;
struct Grandezza;

// Why the text of an input cannot be taken, Italian (the field's tooltip, the batch's row
// error): not a number, or outside its range (deff also below H); "" when it can.
std::string non_valido(const CalcoTess& f, const Grandezza& g);

} // namespace tessaro
