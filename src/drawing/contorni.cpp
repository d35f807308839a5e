// Column outlines and control perimeters of the plan drawing.
#include "drawing/contorni.h"

#include "drawing/sezione.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <cmath>

namespace tessaro {
namespace {

// The program's multiples of π/4, rad.
constexpr double PI_4 = PI / 4;
constexpr double PI_2 = PI / 2;
constexpr double PI3_4 = 9.424777962 / 4;
constexpr double PI5_4 = 15.70796327 / 4;
constexpr double PI3_2 = 18.849555924 / 4; // 4.712388981
constexpr double PI7_4 = 21.991148578 / 4;
constexpr double PI2 = 2 * PI;

// A length printed as the print statement writes it (short form and one blank), in the unit
// system people read the case in, its text vertically centred on y.
void stampa_numero(const CalcoTess& f, Canvas& c, double x, double y, double v) {
    const std::string testo = in_sistema(short_form(v), Unita::lunghezza, f.sistema);
    c.CurrentX = x;
    c.CurrentY = y - c.TextHeight(testo) / 2;
    c.Print(testo + " ");
}

// The rounded rectangle at d2 from the faces; at an edge or corner its straight parts run to
// the slab edges.
void perimetro_rettangolare(CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    const double a = g.a, b = g.b, d2 = g.dcrit;
    Canvas& c = f.Pic;
    c.DrawStyle = 2;
    if (f.Option2[0]) {
        c.LineStep(-a / 2, -b / 2 - d2, a, 0);
        c.LineStep(-a / 2, b / 2 + d2, a, 0);
        c.LineStep(-a / 2 - d2, -b / 2, 0, b);
        c.LineStep(a / 2 + d2, -b / 2, 0, b);
        c.Circle(a / 2, b / 2, d2, 0, PI_2);
        c.Circle(-a / 2, b / 2, d2, PI_2, PI);
        c.Circle(-a / 2, -b / 2, d2, PI, PI3_2);
        c.Circle(a / 2, -b / 2, d2, PI3_2, PI2);
    }
    if (f.Option2[1]) {
        c.LineStep(-a / 2 - g.Db_a, -b / 2 - d2, g.Db_a + a, 0);
        c.LineStep(-a / 2 - g.Db_a, b / 2 + d2, g.Db_a + a, 0);
        c.LineStep(a / 2 + d2, -b / 2, 0, b);
        c.Circle(a / 2, b / 2, d2, 0, PI_2);
        c.Circle(a / 2, -b / 2, d2, PI3_2, PI2);
    }
    if (f.Option2[2]) {
        c.LineStep(-a / 2 - g.Db_a, b / 2 + d2, g.Db_a + a, 0);
        c.LineStep(a / 2 + d2, -b / 2 - g.Db_b, 0, g.Db_b + b);
        c.Circle(a / 2, b / 2, d2, 0, PI_2);
    }
}

// a: width along x and diameter of the ends; b: length of the straight sides along y.
void rettangolo_semicerchi(CalcoTess& f) {
    const double a = f.dati.a, b = f.dati.b, d2 = f.dati.dcrit;
    Canvas& c = f.Pic;
    c.LineStep(-a / 2, -b / 2, 0, b);
    c.LineStep(a / 2, -b / 2, 0, b);
    c.Circle(0, b / 2, a / 2, 0, PI);
    c.Circle(0, -b / 2, a / 2, PI);
    // Centred on the y axis, near the lower end.
    const std::string t1 = "D" + in_sistema(show(a), Unita::lunghezza, f.sistema);
    c.CurrentX = -c.TextWidth(t1) / 2;
    c.CurrentY = -(b + a) / 2;
    c.Print(t1);
    stampa_numero(f, c, -a / 2, 0, b);
    c.DrawStyle = 2;
    c.LineStep(-a / 2 - d2, -b / 2, 0, b);
    c.LineStep(a / 2 + d2, -b / 2, 0, b);
    c.Circle(0, b / 2, a / 2 + d2, 0, PI);
    c.Circle(0, -b / 2, a / 2 + d2, PI);
}

// a: length of the four axis-parallel faces; b: leg of each corner cut.
void ottagono(CalcoTess& f) {
    const double a = f.dati.a, b = f.dati.b, d2 = f.dati.dcrit;
    const double cf = a / 2 + b;          // distance of the axis-parallel faces, cm
    const double e = cf + d2;             // the same for the perimeter, cm
    const double k = d2 / std::sqrt(2.0); // offset of a diagonal face, along x and y, cm
    Canvas& c = f.Pic;
    c.CurrentX = -a / 2;
    c.CurrentY = -a / 2;
    c.Box(a / 2, a / 2);
    c.LineStep(-a / 2, cf, a, 0);
    c.LineBy(b, -b);
    c.LineBy(0, -a);
    c.LineBy(-b, -b);
    c.LineBy(-a, 0);
    c.LineBy(-b, b);
    c.LineBy(0, a);
    c.LineBy(b, b);
    stampa_numero(f, c, -a / 2, 0, a);
    stampa_numero(f, c, -a / 2, -a / 2 - b / 2, b);
    c.DrawStyle = 2;
    c.LineStep(-a / 2, e, a, 0);
    c.LineStep(-a / 2, -e, a, 0);
    c.LineStep(e, -a / 2, 0, a);
    c.LineStep(-e, -a / 2, 0, a);
    // Each diagonal face starts from the centre of the arc just drawn, offset along the normal.
    c.Circle(cf, a / 2, d2, 0, PI_4);
    c.LineSteps(k, k, -b, b);
    c.Circle(a / 2, cf, d2, PI_4, PI_2);
    c.Circle(-a / 2, cf, d2, PI_2, PI3_4);
    c.LineSteps(-k, k, -b, -b);
    c.Circle(-cf, a / 2, d2, PI3_4, PI);
    c.Circle(-cf, -a / 2, d2, PI, PI5_4);
    c.LineSteps(-k, -k, b, -b);
    c.Circle(-a / 2, -cf, d2, PI5_4, PI3_2);
    c.Circle(a / 2, -cf, d2, PI3_2, PI7_4);
    c.LineSteps(k, -k, b, b);
    c.Circle(cf, -a / 2, d2, PI7_4);
}

} // namespace

void disegna_contorni(CalcoTess& f) {
    disegna_sezione(f);
    if (f.Option1[0]) perimetro_rettangolare(f);
    if (f.Option1[2]) {
        f.Text1[Dato::b].Enabled = true;
        rettangolo_semicerchi(f);
    }
    if (f.Option1[3]) {
        f.Text1[Dato::b].Enabled = true;
        ottagono(f);
    }
}

} // namespace tessaro
