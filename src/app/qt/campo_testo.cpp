// A numeric field of the Text1 array.
#include "app/qt/campo_testo.h"

#include <QFocusEvent>

namespace tessaro {

CampoTesto::CampoTesto(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight);
}

void CampoTesto::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason r = e->reason();
    const bool dall_utente =
        r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason;
    if (dall_utente && lasciato) lasciato();
}

} // namespace tessaro
