// Test ground of the window.
#include "finestra_avviata.h"

#include <QTest>

namespace tessaro::prova {

FinestraQt::FinestraQt() : f(finestra.modello()) {
    finestra.show();
    finestra.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
}

QString FinestraQt::didascalia(int i) const {
    for (const QLabel* l : finestra.findChildren<QLabel*>())
        if (l->buddy() == campo(i)) return l->text();
    ADD_FAILURE() << "no caption for field " << i;
    return {};
}

void FinestraQt::avvia() {
    clicca(controllo<QWidget>("Picture3"));
}

void FinestraQt::clicca(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

void FinestraQt::digita(QLineEdit* e, const QString& t) {
    clicca(e);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(e, t);
}

void FinestraQt::digita_e_esci(int i, const QString& t) {
    digita(campo(i), t);
    QTest::keyClick(campo(i), Qt::Key_Tab);
}

} // namespace tessaro::prova
