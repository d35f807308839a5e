// A form model of its own with the inputs of a case, on which layouts are tried without
// touching the window's model or the working files; and a layout typed into a model.
#pragma once

#include "app/Tessaro.h"
#include "app/senza_finestra.h"
#include "proposta/spazio.h"

#include <string>
#include <utility>
#include <vector>

namespace tessaro {

// A new program given the inputs of `f`: started afresh without working files (it neither
// reads ZR_tessa.tmp nor writes chiodi.tmp), the options set as in `f` (the shape and the
// load format clicked), every field and the stud diameter typed and enabled as in `f`, the
// opening held by `f` applied as it stands, then "Aggiorna". Its texts for people are in the
// unit system of `f`.
class Copia {
  public:
    explicit Copia(const CalcoTess& f);
    Copia(const Copia&) = delete;
    Copia& operator=(const Copia&) = delete;

    Tessaro& modello() { return modello_; }

  private:
    PiattaformaMuta piattaforma_;
    MisuraMuta misura_;
    Tessaro modello_;
};

// The texts a layout types, in the order a person fills the frame "Tralicci:" and then the
// stud diameter: "N totali", "N diag", S1, S, φ. "N totali" and φ in the short form that the
// design writes back, so that a recalculation leaves every text as typed.
std::vector<std::pair<const Grandezza*, std::string>> testi_digitati(const Disposizione& d);

// Types the layout into the fields of the model whose text differs (the stud diameter raises
// its change event), then "Aggiorna".
void digita_e_aggiorna(Tessaro& f, const Disposizione& d);

} // namespace tessaro
