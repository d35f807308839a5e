// Small numeric routines shared by several subsystems.
#pragma once

#include <utility>

namespace tessaro {

inline double minimo(double x, double y) { return x < y ? x : y; }
inline double massimo(double x, double y) { return x > y ? x : y; }

template <class T> void scambia(T& x, T& y) { std::swap(x, y); }

// arctan(x / √(1 − x²)); x must lie strictly inside (−1, 1), otherwise it is a fault.
double arcsin(double x);

} // namespace tessaro
