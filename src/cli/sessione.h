// Runs a session script: what a person does in the window, replayed on the form model.
#pragma once

#include "cli/piattaforma_script.h"
#include "form/Canvas.h"

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace tessaro {

class Tessaro;

class Sessione {
public:
    // Writes the picture of the canvas to a path ending in .svg or .png; false on failure.
    using Esportatore = std::function<bool(const Canvas&, const std::string& percorso)>;

    Sessione(std::ostream& out, std::ostream& err, const MisuraTesto& misura, Esportatore esporta);
    ~Sessione();

    // Exit status: 0 every line understood and run, 2 a line not understood, 1 anything else
    // that stops the run.
    int esegui(std::istream& script);

private:
    enum class Esito { eseguita, non_compresa, fallita };
    Esito esegui_riga(const std::string& comando, const std::string& argomento);
    Esito digita(const std::string& argomento);
    Esito clicca(const std::string& argomento);
    void dopo_evento();

    std::ostream& out_;
    std::ostream& err_;
    const MisuraTesto& misura_;
    Esportatore esporta_;
    PiattaformaScript piattaforma_;
    std::unique_ptr<Tessaro> finestra_;
    std::string errore_;
};

} // namespace tessaro
