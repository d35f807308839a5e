// The window "tessaro": a thin view over the form model CalcoTess. It forwards every user
// action to the model's handler, then shows the model's whole state again.
#pragma once

#include "app/Tessaro.h"
#include "app/qt/barra_menu.h"
#include "app/qt/controlli.h"
#include "app/qt/piattaforma_qt.h"
#include "app/qt/twips.h"
#include "drawing/qt/font_canvas.h"

#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <QWidget>

namespace tessaro {

class FinestraPianta;

// The first size and place of the window at work, when none was kept, on a screen whose free
// area is `schermo`: most of it, never less than the whole form with its menu bar (`modulo`)
// while the screen holds it, centred; `cornice` is what the window manager's frame adds round
// the window.
QRect geometria_iniziale(const QRect& schermo, QSize modulo, const QMargins& cornice);

class FinestraTessaro : public QWidget {
  public:
    FinestraTessaro();
    ~FinestraTessaro() override;

    // The key of the user's settings that keeps the size and place of the window at work.
    static constexpr const char* CHIAVE_GEOMETRIA = "finestra/geometria";
    // The key of the unit system of the view: "SI" or "tecniche".
    static constexpr const char* CHIAVE_UNITA = "vista/unita";

    Tessaro& modello() { return modello_; }
    // Shows the model's state; raises no model event.
    void mostra();

    // Vista > "Pianta grande", or a double click on the plan: the plan window, made on first
    // use and kept while the program runs.
    FinestraPianta& apri_pianta();

    // File > "Relazione PDF" and "Esporta DXF" (also from the plan window): on the current
    // inputs, recalculated first as by every command.
    void relazione();
    void dxf();

    // Calcolo > "Proponi armatura", or the button "Proponi": on the current inputs, recalculated
    // first as by every command; the layout chosen in the dialog typed into the fields, then
    // one recalculation.
    void proponi();

    // Vista > Unità: the unit system in which the window and the documents show the case,
    // remembered in the user's settings. The model's numbers do not change.
    void unita(Sistema s);

  protected:
    // Every close request goes to the model, which refuses it and says goodbye; the timer
    // ends the program a second later.
    void closeEvent(QCloseEvent* e) override;

  private:
    void collega();
    // The model puts the window at its working size (true: the size and place the user left it
    // at, or else a size that fits the screen) or takes it away for the farewell (false: the
    // size and place are remembered).
    void a_lavoro(bool lavoro);
    // The model's command button Index, from its button or its menu item.
    void comando(int Index);
    // Runs a model handler, then shows the state it left. A close request that arrives while
    // a handler runs (the growing and shrinking windows process events) waits for its end.
    template <class Gestore> void esegui(Gestore&& gestore);

    MisuraQt misura_;
    Twips twips_;
    PiattaformaQt piattaforma_;
    Tessaro modello_;
    Controlli c_;
    AzioniMenu azioni_;
    QMenuBar* barra_ = nullptr;
    QScrollArea* scorrimento_ = nullptr; // holds the form
    FinestraPianta* pianta_ = nullptr;
    bool mostrando_ = false;
    int gestori_in_corso_ = 0;
    bool chiusura_rinviata_ = false;
};

} // namespace tessaro
