// The cases of the documents' tests: every position and shape with studs, diagonals, an
// opening, each set on a started form model.
#pragma once

#include "support/finestra_prova.h"

#include <utility>
#include <vector>

namespace tessaro {

// The cases of the drawings: every position and shape with studs, diagonals, an opening. The
// fields are set, the last one typed and left; the opening is a 30 × 20 one 50 cm from the face.
struct CasoPianta {
    const char* nome;
    int forma;
    std::vector<std::pair<int, const char*>> campi;
    bool foro = false;
};

inline const CasoPianta CASI[] = {
    {"interno", 0, {{1, "-200000"}}},
    {"bordo_diagonali", 0, {{38, "0"}, {30, "1"}, {1, "-200000"}}},
    {"angolo", 0, {{38, "10"}, {24, "20"}, {30, "2"}, {31, "9"}, {1, "-110000"}}},
    {"circolare", 1, {{1, "-200000"}}},
    {"circolare_bordo", 1, {{38, "0"}, {1, "-150000"}}},
    {"foro", 0, {{1, "-200000"}}, true},
};

inline void prepara(prova::FinestraProva& w, const CasoPianta& c) {
    if (c.forma != 0) w.f->imposta_Option1(c.forma, true);
    if (c.foro) {
        w.f->Command1_Click(4);
        w.f->Text4.Text = "50";
        w.f->Text5.Text = "0";
        w.f->Command2_Click(0);
    }
    for (const auto& [i, testo] : c.campi)
        w.f->Text1[static_cast<std::size_t>(i)].Text = testo;
    w.f->Text1_LostFocus(c.campi.back().first);
}

} // namespace tessaro
