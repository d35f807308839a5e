// Small numeric routines shared by several subsystems.
#include "numeric/modulo1.h"

#include "numeric/aritmetica.h"

#include <cmath>

namespace tessaro {

double arcsin(double x) { return std::atan(fdiv(x, fsqrt(1 - x * x))); }

double angolo_polare(double x, double y) {
    const double pi = 4 * std::atan(1.0);
    if (x == 0) return y > 0 ? pi / 2 : y < 0 ? 3 * pi / 2 : 0;
    if (x > 0) return y >= 0 ? std::atan(y / x) : std::atan(y / x) + 2 * pi;
    return std::atan(y / x) + pi;
}

Retta retta_per_due_punti(double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    if (std::fabs(dx) < 1e-10) return {1, 0, -x0};
    return {-dy / dx, 1, checked(dy * x0 / dx - y0)};
}

void intersezione_rette(const Retta& r1, const Retta& r2, double& x, double& y) {
    const double den = r1.A * r2.B - r1.B * r2.A;
    x = fdiv(r1.B * r2.C - r1.C * r2.B, den);
    y = fdiv(r1.C * r2.A - r2.C * r1.A, den);
}

double determinante3(double m11, double m12, double m13, double m21, double m22, double m23,
                     double m31, double m32, double m33) {
    return m11 * m22 * m33 + m13 * m21 * m32 + m12 * m23 * m31 - m13 * m22 * m31 -
           m12 * m21 * m33 - m11 * m23 * m32;
}

bool regressione_polinomiale(int n, double* Y, const double* X, int m, double& c0, double& c1,
                             double& c2, const std::function<double()>& casuale) {
    const double S0 = n;
    double Sy = 0;
    for (int i = 1; i <= n; ++i) Sy += Y[i];
    if (n == 1 || m == 1) {
        c0 = fdiv(Sy, n);
        c1 = c2 = 0;
        return true;
    }
    double Sx = 0, Sxx = 0, Sxy = 0;
    for (int i = 1; i <= n; ++i) {
        Y[i] += (2e-6 * casuale() - 1e-6) * fdiv(Sy, n);
        Sx += X[i];
        Sxx += X[i] * X[i];
        Sxy += X[i] * Y[i];
    }
    if (n == 2 || m == 2) {
        c2 = 0;
        c1 = fdiv(Sxy - Sx * Sy / n, Sxx - Sx * Sx / n);
        c0 = (Sy - c1 * Sx) / n;
        return true;
    }
    double Sx3 = 0, Sx4 = 0, Sxxy = 0;
    for (int i = 1; i <= n; ++i) {
        Sx3 += X[i] * X[i] * X[i];
        Sx4 += X[i] * X[i] * X[i] * X[i];
        Sxxy += X[i] * X[i] * Y[i];
    }
    double D = determinante3(S0, Sx, Sxx, Sx, Sxx, Sx3, Sxx, Sx3, Sx4);
    const bool regolare = D != 0;
    if (!regolare) D = 1e-9;
    c2 = checked(determinante3(S0, Sx, Sxx, Sx, Sxx, Sx3, Sy, Sxy, Sxxy) / D);
    c1 = checked(determinante3(S0, Sx, Sxx, Sy, Sxy, Sxxy, Sxx, Sx3, Sx4) / D);
    c0 = checked(determinante3(Sy, Sxy, Sxxy, Sx, Sxx, Sx3, Sxx, Sx3, Sx4) / D);
    return regolare;
}

} // namespace tessaro
