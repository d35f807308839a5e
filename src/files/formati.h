// The formatting routines of the report: every number of its tables goes through one of them.
// A cell is 9 characters wide; its pattern gives the width and the decimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// A value to print: nothing when its field or caption holds no number, or when it is not
// finite. Such a cell prints as 9 blanks, so the report always runs to its last line.
using Valore = std::optional<double>;

// Patterns of the three column kinds.
inline constexpr std::string_view formato_corrente = "#######.#";
inline constexpr std::string_view formato3 = "#####.###";
inline constexpr std::string_view formato4 = "####.####";

// Fixed decimals of the pattern, the value rounded as it reads with 15 significant digits and
// halves away from zero, right-aligned; a value too wide prints as the pattern itself.
std::string formatta(Valore x);
std::string formatta3(Valore x);
std::string formatta4(Valore x);

// x·f rounded half to even on the double, to the pattern's decimals adjusted by the size of
// the unit factor f, zeros appended, right-aligned; a zero prints as "0." and its zeros; a
// value too wide prints whole and shifts the rest of the line.
std::string formatta_u(Valore x, double f);
std::string formatta_u3(Valore x, double f);

// A field's text converted strictly: nothing when it is not a number.
Valore valore(std::string_view testo);

} // namespace tessaro
