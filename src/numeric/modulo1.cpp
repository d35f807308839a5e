// Small numeric routines shared by several subsystems.
#include "numeric/modulo1.h"

#include "numeric/aritmetica.h"

#include <cmath>

namespace tessaro {

double arcsin(double x) { return std::atan(fdiv(x, fsqrt(1 - x * x))); }

} // namespace tessaro
