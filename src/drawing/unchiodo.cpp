// One stud: dots by the symmetry of the column position, lines of the stud list.
#include "drawing/unchiodo.h"

#include "files/chiodi.h"
#include "form/CalcoTess.h"

namespace tessaro {

void disegna_unchiodo(CalcoTess& f, double x, double y) {
    Canvas& c = f.Pic;
    c.DrawWidth = 3;
    // The stud list holds interior and corner studs with their coordinates exchanged and
    // negated (the list's own frame); the dots follow the symmetry of the position.
    if (f.Option2[2]) riga_chiodo(f, y, -x);
    punto_chiodo(f, x, y);
    if (f.Option1[1]) { // a circular column's rails are drawn whole: no images
        c.DrawWidth = 1;
        return;
    }
    if (f.Option2[1]) {
        riga_chiodo(f, x, -y);
        riga_chiodo(f, x, y);
        punto_chiodo(f, x, -y);
    }
    if (f.Option2[0]) {
        riga_chiodo(f, y, -x);
        riga_chiodo(f, y, x);
        riga_chiodo(f, -y, x);
        riga_chiodo(f, -y, -x);
        punto_chiodo(f, x, -y);
        punto_chiodo(f, -x, y);
        punto_chiodo(f, -x, -y);
    }
    c.DrawWidth = 1;
}

void punto_chiodo(CalcoTess& f, double x, double y) {
    f.Pic.PSet(x, y);
    f.chiodi.push_back({x, y});
}

} // namespace tessaro
