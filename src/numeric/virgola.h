// Moving the decimal point of a number's text: the exact change of unit between systems whose
// factors are powers of ten, on the digits themselves, never through a floating-point product.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The text of a number times 10^n, written with the digits it has: the point moved n places
// (right for n > 0), zeros added where the digits run out, leading zeros of the whole part
// dropped, and the zeros that moving left brings behind the point dropped when the text had no
// decimals of its own ("500" ÷ 100 is "5", "1.500" × 100 is "150.0"). An exponent takes n
// instead ("1.5e3" × 100 is "1.5e5"). Blanks around the number and its sign stay; a text that
// is no number (as the strict conversion reads them) comes back unchanged.
std::string sposta_virgola(std::string_view testo, int n);

} // namespace tessaro
