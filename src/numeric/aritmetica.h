// Checked arithmetic: a division by zero, the root of a negative number, a 16-bit overflow
// or a result that is not finite raises a Fault instead of leaving nan or inf behind.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace tessaro {

// The one fault type of the calculation. Every event handler of the form model catches it at
// its boundary and returns, keeping what it had already written.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program's own constant; every formula uses it, never M_PI.
inline constexpr double PI = 3.141592654;

double checked(double x);                 // x itself; a fault when x is not finite
double fdiv(double num, double den);      // num / den; a fault when den is 0
double fsqrt(double x);                   // a fault when x < 0
double fpow(double base, double exponent); // base ^ exponent as the program's power operator
double flog(double x);                    // natural logarithm; a fault when x <= 0

// Nearest 16-bit integer, halves to even; outside -32768..32767 it is a fault.
std::int16_t nearest(double x);

// A fixed-size array whose index is checked: an index outside 0..N-1 is a fault, never a
// write out of bounds.
template <class T, std::size_t N> struct Vettore {
    std::array<T, N> v{};
    T& operator[](long i) {
        if (i < 0 || i >= static_cast<long>(N)) throw Fault("indice oltre i limiti");
        return v[static_cast<std::size_t>(i)];
    }
    const T& operator[](long i) const {
        if (i < 0 || i >= static_cast<long>(N)) throw Fault("indice oltre i limiti");
        return v[static_cast<std::size_t>(i)];
    }
    static constexpr std::size_t size() { return N; }
};

} // namespace tessaro
