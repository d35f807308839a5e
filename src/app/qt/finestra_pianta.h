// The window "Pianta": the documented plan of the current case, large and resizable, with
// zoom, pan and fit, and the export of the plan to PNG, SVG, PDF and of the layout to DXF.
// It shows what the model holds whenever it repaints, so it follows every recalculation.
#pragma once

#include "app/qt/piattaforma_qt.h"
#include "app/qt/vista_pianta.h"

#include <QWidget>

#include <functional>

namespace tessaro {

class FinestraPianta : public QWidget {
  public:
    // esporta_dxf: the main window's "Esporta DXF", which recalculates first.
    FinestraPianta(const CalcoTess& f, const Twips& twips, std::function<void()> esporta_dxf,
                   QWidget* genitore = nullptr);

    VistaPianta& vista() { return *vista_; }
    // Asks for a file of the kind ("png", "svg", "pdf") and writes the plan sheet to it, under
    // the title block last confirmed for the report; a failed write is told. The working
    // folder is offered first.
    void esporta(const QString& tipo);

  private:
    const CalcoTess& f_;
    PiattaformaQt piattaforma_;
    VistaPianta* vista_;
};

} // namespace tessaro
