// Small numeric routines shared by several subsystems.
#pragma once

#include <functional>
#include <utility>

namespace tessaro {

inline double minimo(double x, double y) { return x < y ? x : y; }
inline double massimo(double x, double y) { return x > y ? x : y; }

template <class T> void scambia(T& x, T& y) { std::swap(x, y); }

// arctan(x / √(1 − x²)); x must lie strictly inside (−1, 1), otherwise it is a fault.
double arcsin(double x);

// Polar angle of (x, y) in [0, 2π), with π as 4·arctan(1).
double angolo_polare(double x, double y);

// The line A·x + B·y + C = 0 through two points (B = 0 for a vertical line).
struct Retta {
    double A = 0, B = 0, C = 0;
};
Retta retta_per_due_punti(double x0, double y0, double x1, double y1);

// Intersection of two lines; parallel lines are a fault.
void intersezione_rette(const Retta& r1, const Retta& r2, double& x, double& y);

double determinante3(double m11, double m12, double m13, double m21, double m22, double m23,
                     double m31, double m32, double m33);

// Least-squares coefficients of y = c0 + c1·x + c2·x² over the points 1..n of Y and X (index 0
// unused), with m = 1, 2 or 3 coefficients. Each Y is first moved by at most a millionth of
// the mean of Y with the uniform numbers of `casuale` in [0, 1). Returns false when the normal
// equations were singular (the fit then goes on with a determinant of 1e-9).
bool regressione_polinomiale(int n, double* Y, const double* X, int m, double& c0, double& c1,
                             double& c2, const std::function<double()>& casuale);

} // namespace tessaro
