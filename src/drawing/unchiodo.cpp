// One stud: dots by the symmetry of the column position, lines of the stud list.
#include "drawing/unchiodo.h"

#include "app/CalcoTess.h"
#include "files/file_testo.h"

namespace tessaro {
namespace {

// A stud line: two numbers, the second at the next print zone.
void scrivi(CalcoTess& f, double u, double v) {
    if (f.nfile_chiodi) f.nfile_chiodi->riga(RigaZone().numero(u).zona().numero(v));
}

} // namespace

void disegna_unchiodo(CalcoTess& f, double x, double y) {
    Canvas& c = f.Pic;
    c.DrawWidth = 3;
    // The stud list holds interior and corner studs with their coordinates exchanged and
    // negated (the list's own frame); the dots follow the symmetry of the position.
    if (f.Option2[2]) scrivi(f, y, -x);
    c.PSet(x, y);
    if (f.Option1[1]) { // a circular column's rails are drawn whole: no images
        c.DrawWidth = 1;
        return;
    }
    if (f.Option2[1]) {
        scrivi(f, x, -y);
        scrivi(f, x, y);
        c.PSet(x, -y);
    }
    if (f.Option2[0]) {
        scrivi(f, y, -x);
        scrivi(f, y, x);
        scrivi(f, -y, x);
        scrivi(f, -y, -x);
        c.PSet(x, -y);
        c.PSet(-x, y);
        c.PSet(-x, -y);
    }
    c.DrawWidth = 1;
}

} // namespace tessaro
