// Runs a session script: what a person does in the window, replayed on the form model.
#pragma once

#include "cli/piattaforma_script.h"
#include "form/Canvas.h"
#include "form/grandezze.h"

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace tessaro {

class CalcoTess;
class Tessaro;

// The documents a script line may write of the case, each false when its file was not written:
// the PDF report, the plan alone as PDF, the DXF of the stud layout, the stud schedule (CSV).
// A line whose writer is missing fails.
struct Documenti {
    using Scrittore = std::function<bool(const CalcoTess&, const std::string& percorso)>;
    Scrittore relazione, pianta, dxf, distinta;
};

class Sessione {
  public:
    // Writes the picture of the canvas to a path ending in .svg or .png; false on failure.
    using Esportatore = std::function<bool(const Canvas&, const std::string& percorso)>;

    Sessione(std::ostream& out, std::ostream& err, const MisuraTesto& misura, Esportatore esporta,
             Documenti documenti = {});
    ~Sessione();

    // Exit status: 0 every line understood and run, 2 a line not understood, 1 anything else
    // that stops the run.
    int esegui(std::istream& script);

  private:
    enum class Esito { eseguita, non_compresa, fallita };
    Esito esegui_riga(const std::string& comando, const std::string& argomento);
    Esito digita(const std::string& argomento);
    Esito clicca(const std::string& argomento);
    Esito esporta(const std::string& percorso);
    Esito scrivi(const Documenti::Scrittore& scrittore, const std::string& percorso);
    void dopo_evento();

    std::ostream& out_;
    std::ostream& err_;
    const MisuraTesto& misura_;
    Esportatore esporta_;
    Documenti documenti_;
    PiattaformaScript piattaforma_;
    std::unique_ptr<Tessaro> finestra_;
    // The unit system chosen by the line `units`, for the windows of the script: what `type`
    // takes, what `view` and `export` give.
    Sistema sistema_ = Sistema::tecnico;
    std::string errore_;
};

} // namespace tessaro
