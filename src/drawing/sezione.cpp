// Section drawing and canvas set-up.
#include "drawing/sezione.h"

#include "form/CalcoTess.h"
#include "numeric/conversioni.h"
#include "numeric/modulo1.h"

#include <cmath>

namespace tessaro {
namespace {

// Half size of the square world window, cm: the column with its slab edges and one
// effective depth around it, times the zoom factor.
double semilato(const CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    double R = 0;
    if (f.Option2[0]) R = (massimo(g.a, g.b) + g.deff) * g.scala;
    if (f.Option2[1]) R = (massimo(g.a + g.Db_a, g.b + g.Db_a) + g.deff) * g.scala;
    if (f.Option2[2]) R = (massimo(g.a + g.Db_a, g.b + g.Db_b) + g.deff) * g.scala;
    return R;
}

// The opening and the sector of slab it shadows: between the two rays from the column centre
// that touch the opening, cut at x = 1000 cm, in solid dark blue; the opening's outline in
// light grey on top.
void disegna_foro(CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    Canvas& c = f.Pic;
    c.ForeColor = 1;
    c.DrawStyle = 0;
    c.DrawWidth = 5;
    // The sector is filled at once, outlined at width 5: the look of triangles nested down to
    // the centroid at this step, which a nearly vertical ray or a + b = 0 would make endless.
    // A negative step (rays pointing behind the column) leaves the sector empty, as that
    // nesting would.
    const double passo =
        (g.b + g.a) / ((1 / std::cos(g.alfa1) + 1 / std::cos(g.alfa2)) * 10000) * g.scala;
    if (!(passo < 0))
        c.FilledTriangle({0, 0}, {1000, 1000 * std::tan(g.alfa1)},
                         {1000, 1000 * std::tan(g.alfa2)});
    c.DrawWidth = 1;
    c.ForeColor = 7;
    c.Line(g.foro_P1.x, g.foro_P1.y, g.foro_P3.x, g.foro_P3.y);
    c.LineTo(g.foro_P2.x, g.foro_P2.y);
    c.LineTo(g.foro_P4.x, g.foro_P4.y);
    c.LineTo(g.foro_P1.x, g.foro_P1.y);
    c.ForeColor = 15;
}

void colonna_circolare(CalcoTess& f) {
    const double a = f.dati.a;
    Canvas& c = f.Pic;
    f.Text1[Dato::b].Enabled = false;
    c.Circle(0, 0, a / 2);
    // Centred below the circle, in the unit system people read the case in.
    const std::string t1 = "D" + in_sistema(show(a), Unita::lunghezza, f.sistema);
    c.CurrentX = -c.TextWidth(t1) / 2;
    c.CurrentY = -a / 2;
    c.Print(t1);
}

void colonna_rettangolare(CalcoTess& f) {
    const double a = f.dati.a, b = f.dati.b;
    Canvas& c = f.Pic;
    f.Text1[Dato::b].Enabled = true;
    c.CurrentX = -a / 2;
    c.CurrentY = -b / 2;
    c.Box(a / 2, b / 2);
    // Text heights are negative with y up: −h/2 lifts the text to centre it on the x axis.
    c.CurrentX = -a / 2;
    c.CurrentY = -c.TextHeight("b") / 2;
    c.Print(" b");
    c.CurrentX = 0;
    c.CurrentY = -b / 2 - c.TextHeight("a"); // inside, standing on the bottom face
    c.Print("a");
}

// The slab edge parallel to y, from `inizio` up by 2R; " Da" starts on it, centred on the
// x axis, unless the edge is flush with the column face.
void bordo_a(CalcoTess& f, Punto inizio, double R) {
    Canvas& c = f.Pic;
    c.LineStep(inizio.x, inizio.y, 0, 2 * R);
    c.CurrentY = -c.TextHeight("Da") / 2;
    if (f.dati.Db_a > 0) c.Print(" Da");
}

void bordi_angolo(CalcoTess& f, double R) {
    const DatiCalcolo& g = f.dati;
    Canvas& c = f.Pic;
    const Punto E{-g.a / 2 - g.Db_a, -g.b / 2 - g.Db_b}; // the slab corner
    bordo_a(f, E, R);
    c.LineStep(E.x, E.y, 2 * R, 0);
    c.CurrentX = -c.TextWidth("Db");
    c.CurrentY = -g.b / 2 - g.Db_b / 2 - c.TextHeight("Db") / 2; // midway to the edge
    if (g.Db_b > 0) c.Print(" Db");
}

} // namespace

void disegna_sezione(CalcoTess& f) {
    const DatiCalcolo& g = f.dati;
    if (g.in_avvio != 0) return;
    Canvas& c = f.Pic;
    c.Cls();
    const double R = semilato(f);
    c.Scale(-R, R, R, -R); // centred on the column, y up
    c.DrawStyle = 0;
    c.DrawWidth = 1;
    if (6 * g.deff > lenient(f.Text4.Text)) disegna_foro(f);
    if (f.Option1[1]) colonna_circolare(f);
    if (f.Option1[0]) colonna_rettangolare(f);
    if (f.Option2[1]) bordo_a(f, {-g.a / 2 - g.Db_a, -R}, R);
    if (f.Option2[2]) bordi_angolo(f, R);
}

} // namespace tessaro
