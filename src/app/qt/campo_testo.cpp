// A numeric field of the window.
#include "app/qt/campo_testo.h"

#include <QFocusEvent>
#include <QKeyEvent>

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

void CampoTesto::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        focusNextPrevChild(true);
        return;
    }
    if (e->text() == ",") {
        QKeyEvent punto(e->type(), Qt::Key_Period, e->modifiers(), ".", e->isAutoRepeat(),
                        static_cast<quint16>(e->count()));
        QLineEdit::keyPressEvent(&punto);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace tessaro
