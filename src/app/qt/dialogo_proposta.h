// "Proponi armatura" in the window: the search on the case shown, with a busy indication once
// it has lasted half a second; the dialog with the lightest layouts and the case's own beneath
// them; the chosen layout typed into the fields as a person types it.
#pragma once

#include "app/qt/controlli.h"
#include "proposta/proposta.h"

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

namespace tessaro {

// The search on the case that `f` shows; `f` is left as it is.
Proposta cerca_proposta(const CalcoTess& f, QWidget* genitore);

// The values in the unit system given, the form's.
class DialogoProposta : public QDialog {
  public:
    DialogoProposta(Proposta p, Sistema sistema, QWidget* genitore = nullptr);

    // The layout of the row chosen, once "Applica" has closed the dialog.
    const Disposizione& scelta() const;

  private:
    void riga(int r, const QString& titolo, const Candidato& c, const QString& esito);

    Proposta p_;
    Sistema sistema_;
    QTableWidget* tabella_ = nullptr;
    QPushButton* applica_ = nullptr;
};

// Types the layout into the window's fields whose text differs, in the form's unit system: the
// old text selected and replaced as typing replaces it, so that the field's own undo (Ctrl+Z)
// gives it back.
void digita_disposizione(const Controlli& c, const Disposizione& d, Sistema sistema);

} // namespace tessaro
