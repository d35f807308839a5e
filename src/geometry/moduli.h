// Section moduli of the control perimeter at 2·d: the integrals along it of the distance from
// its centroid lines (cm²), less the part cut off by a nearby opening.
#pragma once

namespace tessaro {

class CalcoTess;

// ∫ |e| dl along the segment (x1, y1)–(x2, y2), the signed distance e going linearly from e1
// to e2; a segment whose ends lie on opposite sides of the axis is integrated in two parts.
double Wd_line(double x1, double y1, double x2, double y2, double e1, double e2);

// ∫ |e| dl along the arc of radius R about the origin from (x1, y1) to (x2, y2), by the
// three-point Gauss–Legendre rule. The distance runs as e1 + (e2 − e1)·sin(s) over a quarter
// arc that starts on the x axis, the only kind of arc the perimeters have.
double Wd_arco(double x1, double y1, double x2, double y2, double R, double e1, double e2);

// W1x, W1y (and W1x_foro, W1y_foro) of the perimeter at dcrit for the shape and position set,
// leaving its centroid in xG, yG. Any shape but the rectangle and the circle gets only the
// opening's part. dcrit must be positive (the plan drawing sets it to 2·deff).
void calcola_W(CalcoTess& f);

} // namespace tessaro
