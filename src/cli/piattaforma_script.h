// The platform of a session script: dialogs answered from a queue, message boxes and opened
// documents printed as lines, no window and no real timer.
#pragma once

#include "form/Piattaforma.h"

#include <deque>
#include <ostream>
#include <string>

namespace tessaro {

class PiattaformaScript : public Piattaforma {
public:
    explicit PiattaformaScript(std::ostream& out) : out_(out) {}

    // The next file dialog returns this name; "cancel" makes it return its initial name.
    void accoda_risposta(const std::string& nome) { risposte_.push_back(nome); }

    std::string dialogo_salva(const DialogoFile& d) override { return rispondi(d); }
    std::string dialogo_apri(const DialogoFile& d) override { return rispondi(d); }
    void messaggio(const std::string& testo, const std::string& titolo, Icona icona) override;
    bool apri_documento(const std::string& percorso) override;
    void processa_eventi() override {}
    std::string cartella_corrente() override;
    std::string cartella_programma() override;
    Geometria schermo() override { return {0, 0, 1920 * 15, 1080 * 15}; }
    void finestra(const Geometria&) override {}
    void timer(bool attivo) override { timer_ = attivo; }
    void termina() override { terminato_ = true; }

    bool timer_attivo() const { return timer_; }
    bool terminato() const { return terminato_; }
    void riavvia() { terminato_ = timer_ = false; }

private:
    std::string rispondi(const DialogoFile& d);

    std::ostream& out_;
    std::deque<std::string> risposte_;
    bool timer_ = false;
    bool terminato_ = false;
};

} // namespace tessaro
