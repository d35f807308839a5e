// A form model of its own with the inputs of a case, on which layouts are tried without
// touching the window's model or the working files; and a layout typed into a model.
#pragma once

#include "app/Tessaro.h"
#include "proposta/spazio.h"

#include <string>
#include <utility>
#include <vector>

namespace tessaro {

// The desktop of a model that nobody sees: every dialog cancelled, every box only recorded, no
// viewer, no window, no timer.
class PiattaformaMuta : public Piattaforma {
  public:
    std::string dialogo_salva(const DialogoFile& d) override { return d.nome_iniziale; }
    std::string dialogo_apri(const DialogoFile& d) override { return d.nome_iniziale; }
    void messaggio(const std::string&, const std::string&, Icona) override {}
    bool apri_documento(const std::string&) override { return true; }
    void processa_eventi() override {}
    std::string cartella_corrente() override { return "."; }
    std::string cartella_programma() override { return ""; }
    Geometria schermo() override { return {0, 0, 1920 * 15, 1080 * 15}; }
    void finestra(const Geometria&) override {}
    void timer(bool) override {}
    void termina() override {}
};

// Every character 5 pixels wide, every line 13 high: the text measure only places the plan's
// labels, which nobody sees here.
class MisuraMuta : public MisuraTesto {
  public:
    double larghezza_px(const std::string& t) const override { return 5.0 * t.size(); }
    double altezza_px(const std::string&) const override { return 13.0; }
};

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
