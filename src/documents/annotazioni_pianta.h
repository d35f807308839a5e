// The texts of the documented plan, placed for the size they have on paper: the dimensions of
// the column, of the first stud, of the spacing and of the rail length, and the name of each
// rail beside its last stud, each text where it crosses no rail, stud, perimeter or edge when
// such a place exists. The painted plan and the DXF place them alike.
#pragma once

#include "documents/geometria_pianta.h"

#include <QFont>

#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;

// Sizes on paper, mm.
inline constexpr double TESTO_PIANTA_MM = 2.5; // font size of the printed plan's texts
inline constexpr double FASCIA_BORDO_MM = 4;   // the hatched band beyond a free edge
inline constexpr double MIN_CHIODO_MM = 0.5;   // smallest radius a stud is drawn with

// A text of the plan, turned by `angolo`, its capitals centred on `centro`: the box it takes
// is as wide as the text and as high as its capitals (its texts have no descenders), cm.
struct TestoPianta {
    std::string testo;
    Punto centro;
    double angolo = 0;                 // rad counter-clockwise from +x, within (−π/2, π/2]
    double larghezza = 0, altezza = 0; // of its box, cm
};

struct QuotaPianta {
    enum class Tipo { orizzontale, verticale, allineata };
    Tipo tipo = Tipo::allineata;
    Punto da, a;             // the points measured, cm
    Punto linea_da, linea_a; // the dimension line between the extension lines, cm
    double misura = 0;       // |a − da| as measured along the line, cm
    std::string prefisso;    // "S1 = ", "Ø "
    std::string valore;      // the field's text that the window shows: "18.5"
    TestoPianta testo;       // prefisso + valore, where it is written
};

struct AnnotazioniPianta {
    std::vector<QuotaPianta> quote;    // the column (a and b, or Ø), then S1, S and L on a rail
    std::vector<TestoPianta> tralicci; // "R1", "R2", … in the order of the stud schedule
};

// The annotations of the plan of `f` (geometry `g`) drawn at mm_per_cm paper mm per plan cm,
// texts in the plan's font with capitals maiuscole_mm high on paper. The S1, S and L chain goes on
// the straight or radial rail, and the side of it, where its texts touch least and stand nearest
// the middle of their lines (the rail the plan has always dimensioned when that is as good); the
// column's dimensions lie beyond everything, below (a, Ø) and on the left (b).
AnnotazioniPianta annota_pianta(const CalcoTess& f, const GeometriaPianta& g, double mm_per_cm,
                                double maiuscole_mm);

// The font of the plan's texts, em_mm on paper at punti_per_mm device units to the mm.
QFont carattere_pianta(double punti_per_mm, double em_mm = TESTO_PIANTA_MM);

} // namespace tessaro
