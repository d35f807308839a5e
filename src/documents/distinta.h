// The stud schedule: each rail of the design with its studs, the total count and the steel
// weight of the studs; in the PDF report and as a CSV file.
#pragma once

#include "form/grandezze.h"
#include "reinforcement/schema.h"

#include <string>
#include <vector>

namespace tessaro {

class CalcoTess;

struct Distinta {
    std::vector<Traliccio> tralicci; // schema_chiodatura, each stud once
    double diametro_mm = 0;          // the stud diameter used, fichiodo
    double lunghezza_cm = 0;         // stud length taken: H − 2·(H − d), cm
    int chiodi = 0;                  // studs of all rails
    double peso_kg = 0;              // steel of all studs (shank only, 7850 kg/m³)

    double peso_chiodo_kg() const; // one stud
};

Distinta distinta(const CalcoTess& f);

// Name of a rail's kind, Italian: "diritto", "diagonale", "radiale".
const char* nome_tipo(Traliccio::Tipo t);

// The name of rail i of the design (0 the first): "R1", "R2", … in the order of the schedule's
// rows, as the schedule, the plan and the DXF all write it.
std::string nome_traliccio(std::size_t i);

// A rail's length from its first to its last stud, cm: what "L tral." gives; 0 for one stud.
double lunghezza(const Traliccio& t);

// The rail's direction in degrees counter-clockwise from +x, in (−180, 180].
double angolo_gradi(const Traliccio& t);

// The CSV text: a header row, one row per rail (its name, kind, direction, start, studs,
// their diameter and weight, their distances from the column face, its length), a last row
// "totale"; fields separated by ";", decimal comma, CR LF line ends; lengths in cm, or in mm
// in SI.
std::string testo_distinta_csv(const Distinta& d, Sistema sistema = Sistema::tecnico);

// Writes the stud schedule of the current design to `percorso` through the file replacement;
// false when the file could not be written (the previous file is then left as it was).
bool esporta_distinta_csv(const CalcoTess& f, const std::string& percorso);

} // namespace tessaro
