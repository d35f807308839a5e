// The desktop of a program that nobody sees (a batch case, a copy tried by the search): every
// dialog cancelled, every box only recorded, no viewer, no window, no timer; and a fixed text
// measure, which only places the plan's labels that nobody sees either.
#pragma once

#include "form/Canvas.h"
#include "form/Piattaforma.h"

#include <string>

namespace tessaro {

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

// Every character 5 pixels wide, every line 13 high.
class MisuraMuta : public MisuraTesto {
  public:
    double larghezza_px(const std::string& t) const override { return 5.0 * t.size(); }
    double altezza_px(const std::string&) const override { return 13.0; }
};

} // namespace tessaro
