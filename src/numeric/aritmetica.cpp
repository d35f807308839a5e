// Checked arithmetic helpers.
#include "numeric/aritmetica.h"

#include <cmath>

namespace tessaro {

double checked(double x) {
    if (!std::isfinite(x)) throw Fault("risultato non finito");
    return x;
}

double fdiv(double num, double den) {
    if (den == 0.0) throw Fault("divisione per zero");
    return checked(checked(num) / den);
}

double fsqrt(double x) {
    if (checked(x) < 0.0) throw Fault("radice di un numero negativo");
    return std::sqrt(x);
}

double fpow(double base, double exponent) {
    checked(base);
    checked(exponent);
    // A negative base has a real power only for a whole exponent; 0 to a negative power is
    // a division by zero.
    if (base < 0.0 && std::trunc(exponent) != exponent) throw Fault("potenza non reale");
    if (base == 0.0 && exponent < 0.0) throw Fault("divisione per zero");
    return checked(std::pow(base, exponent));
}

double flog(double x) {
    if (checked(x) <= 0.0) throw Fault("logaritmo non definito");
    return std::log(x);
}

std::int16_t nearest(double x) {
    const double r = std::nearbyint(checked(x)); // the default rounding mode: halves to even
    if (r < -32768.0 || r > 32767.0) throw Fault("overflow");
    return static_cast<std::int16_t>(r);
}

} // namespace tessaro
