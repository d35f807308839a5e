// The captions of the window as the user reads them now: the window lays them out, and every
// message that names a field uses the same words.
#pragma once

#include <array>
#include <string>

namespace tessaro {

class CalcoTess;
struct Grandezza;
enum class Unita : unsigned char;

// The caption beside the control of a quantity as shown now (the axis rotation may have
// exchanged its Label1 part), in the unit system of the form's view: in SI the unit in its
// brackets is the SI one, and a field whose caption names no unit gets its SI unit.
std::string didascalia(const CalcoTess& f, const Grandezza& g);

// How a message names the control of a quantity: its caption, or where the caption does not
// stand alone ("φ(mm)       ="), the words for it ("φ(mm) dei chiodi").
std::string richiamo(const CalcoTess& f, const Grandezza& g);

// The text a quantity's control shows in the form's unit system, and the unit label beside a
// result there ("kg/cmq", "N/mm²"; a caption that opens a bracket has it closed after it).
std::string testo_vista(const CalcoTess& f, const Grandezza& g);
std::string unita_accanto(const CalcoTess& f, const Grandezza& g);

// A number of a kind of unit for a message, in the form's unit system: rounded to `decimali`
// in the model's unit, then moved exactly ("11.1 cm", "111 mm").
std::string misura(const CalcoTess& f, double x, int decimali, Unita u);

// The captions of the shape options Option1 0 to 5.
extern const std::array<const char*, 6> didascalie_Option1;

} // namespace tessaro
