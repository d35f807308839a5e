// Conversions between the texts of the fields and numbers. They decide every digit the user
// sees, so nobody else parses or formats a number by hand.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Lenient conversion, for the guard tests: the leading number of the text ("." as decimal
// point, blanks inside the digits skipped, exponent allowed), 0 when there is none.
double lenient(std::string_view t);

// Strict conversion, for values: the whole text, trimmed of blanks, must be a number.
std::optional<double> try_strict(std::string_view t);
double strict(std::string_view t); // a Fault when the text is not a number

// The numeric test: exactly the texts that the strict conversion accepts.
bool is_numeric(std::string_view t);

// x rounded to n decimals, halves to the even neighbour, on the exact stored double.
double R(double x, int n);

// Plain form: up to 15 significant digits, no exponent, no trailing zeros, "-" for
// negatives, no leading blank. A negative zero is "0". A value that is not finite is a Fault.
std::string show(double x);

// The plain form written at `out`, which has room for LUNGHEZZA_SHOW characters; its length.
// For a caller that builds a long text without a string per number.
inline constexpr std::size_t LUNGHEZZA_SHOW = 400;
std::size_t scrivi_show(double x, char* out);

// Short form: the plain form with one leading blank in place of the sign when x is not
// negative (the form of the printed numbers of the drawing and of the working files).
std::string short_form(double x);

} // namespace tessaro
