// The captions of the window as the user reads them now: the window lays them out, and every
// message that names a field uses the same words.
#pragma once

#include <array>
#include <string>

namespace tessaro {

class CalcoTess;
struct Grandezza;

// The caption beside the control of a quantity as shown now (the axis rotation may have
// exchanged its Label1 part).
std::string didascalia(const CalcoTess& f, const Grandezza& g);

// How a message names the control of a quantity: its caption, or where the caption does not
// stand alone ("φ(mm)       ="), the words for it ("φ(mm) dei chiodi").
std::string richiamo(const CalcoTess& f, const Grandezza& g);

// The captions of the shape options Option1 0 to 5.
extern const std::array<const char*, 6> didascalie_Option1;

} // namespace tessaro
