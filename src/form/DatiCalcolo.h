// The one record shared by every routine: the parsed inputs and every derived value.
#pragma once

#include "numeric/aritmetica.h"

#include <array>
#include <cstdint>

namespace tessaro {

struct Punto {
    double x = 0, y = 0; // cm, plan coordinates
};

// Created with all numbers 0 and flags 0.
struct DatiCalcolo {
    // Driver.
    std::int16_t in_avvio = 0; // 1 from window load until the start-up computation ends
    double scala = 0;          // half-extent factor of the plan drawing
    double deff = 0;           // effective depth d, cm
    double a = 0, b = 0;       // column dimensions, cm (exchanged for an edge on the b side)
    double fck = 0;            // 0.83·Rck, kg/cm²
    double Mxd = 0, Myd = 0;   // design moments, kg·m
    double Db_a = 0, Db_b = 0; // distances from the column faces to the slab edges, cm
    double TAUrdc = 0;         // shear stress resistance without reinforcement, kg/cm²
    double TAUrmax = 0;        // maximum shear stress at the column, kg/cm²
    double Veff = 0;           // |Nd|·β, kg
    double Veff1 = 0;          // Veff less the load inside the control perimeter, kg

    // Control perimeters.
    double u0 = 0;             // column-face perimeter, cm
    double u1 = 0;             // control perimeter at 2·d less the opening's share, cm
    double Aq = 0;             // slab area inside the control perimeter, cm²
    double rid_a = 0, rid_b = 0; // edge weights of the β blend, 1 when the edge plays no part

    // Discretized perimeter and its results (also written by the point lists).
    Vettore<double, 1001> Xpol, Ypol, Lpol; // cm
    double passo_arco = 0;     // length assigned to one arc piece, cm
    double perim_pol = 0;      // cm
    double xG = 0, yG = 0;     // centroid of the perimeter line, cm
    double Wx_pol = 0, Wy_pol = 0; // integrals of the distance from x = xG and y = yG, cm²
    double area_pol = 0;       // enclosed slab area, cm²
    double dcrit = 0;          // distance of the control perimeter from the column faces, cm
    // The rectangular perimeters traced in this pass, inputs and results, so that the β cases
    // trace each distinct perimeter once; emptied at the start of every pass.
    struct Tracciato {
        std::array<double, 7> ingressi{}, risultati{};
    };
    std::array<Tracciato, 8> tracciati{};
    int n_tracciati = 0;

    // Section moduli and eccentricity factor.
    double W1x = 0, W1y = 0;   // cm²
    double W1x_foro = 0, W1y_foro = 0; // the opening's chord, cm²
    double betax = 0, betay = 0;

    // Point list of the outer perimeter: piece length, x, y (cm).
    Vettore<std::array<double, 3>, 1001> punti_perim;
    // Last row of punti_perim of the outer perimeter that the design evaluated last; 0 when
    // the current design evaluated none.
    std::int16_t n_perim = 0;

    // Rail design.
    double Aftot_teor = 0;     // theoretical total stud area, cm²
    double S1 = 0, S = 0;      // first stud distance and stud spacing, cm
    double N_diag = 0;         // diagonal rails at each column corner
    std::int16_t n_diag1 = 0;  // N_diag + 1, rounded
    std::int16_t n_rett = 0;   // straight rails per side, or rails of a circular column
    double dang = 0;           // angle between adjacent rails of a fan, rad
    double ang0 = 0;           // current rail angle, rad
    std::int16_t nlayer = 0;   // stud layers placed so far
    double r_layer = 0;        // distance of the current layer from the column face, cm
    double uest = 0;           // effective length of the outer perimeter, cm
    double Aest = 0;           // slab area inside the outer perimeter, cm²
    double Veff1_est = 0;      // Veff' on the outer perimeter, kg, never negative
    double Vrdc_est = 0;       // resistance of the outer perimeter, kg
    double L_tral = 0;         // rail length, cm
    double Af_chiodo_teor = 0; // required area of one stud, cm²
    double fi_teor = 0;        // required stud diameter, mm

    // Opening near the column.
    double foro_prof = 0;      // depth along x, cm
    double foro_larg = 0;      // effective width along y, cm
    Punto foro_P1, foro_P2, foro_P3, foro_P4; // corners, cm
    double alfa1 = 0, alfa2 = 0; // tangent rays, rad
    Punto foro_I1, foro_I2;    // where the rays cut the control perimeter, cm
    double raggio_arco = 0;    // radius on which the lost length is measured, cm
    double uc_foro = 0;        // control perimeter lost to the opening, cm
};

} // namespace tessaro
