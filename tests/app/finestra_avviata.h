// Test ground of the window: "tessaro" shown and active, in a working folder of its own, with
// the user's gestures (clicks, typing, leaving a field) sent as real input events.
#pragma once

#include "app/qt/finestra_tessaro.h"
#include "support/finestra_prova.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace tessaro::prova {

class FinestraQt : public ::testing::Test {
  protected:
    FinestraQt() : f(finestra.modello()) {
        finestra.show();
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }

    // Clicks the splash: the start-up computation runs and the window grows.
    void avvia() { clicca(controllo<QWidget>("Picture3")); }

    template <class T> T* controllo(const QString& nome) const {
        T* w = finestra.findChild<T*>(nome);
        EXPECT_NE(w, nullptr) << nome.toStdString();
        return w;
    }
    QLineEdit* campo(int i) const { return controllo<QLineEdit>(QString("Text1(%1)").arg(i)); }
    QString testo(int i) const { return campo(i)->text(); }
    QString didascalia(int i) const { // the caption beside field i
        for (const QLabel* l : finestra.findChildren<QLabel*>())
            if (l->buddy() == campo(i)) return l->text();
        ADD_FAILURE() << "no caption for field " << i;
        return {};
    }
    QLabel* Label3(int i) const { return controllo<QLabel>(QString("Label3(%1)").arg(i)); }
    QLabel* Label4(int i) const { return controllo<QLabel>(QString("Label4(%1)").arg(i)); }
    QRadioButton* opzione(const char* gruppo, int i) const {
        return controllo<QRadioButton>(QString("%1(%2)").arg(gruppo).arg(i));
    }
    QPushButton* comando(int i) const {
        return controllo<QPushButton>(QString("Command1(%1)").arg(i));
    }

    void clicca(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // Clicks into the field, replaces its text by typing, and stays there.
    void digita(QLineEdit* e, const QString& t) {
        clicca(e);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(e, t);
    }
    // Types into field i and leaves it with Tab.
    void digita_e_esci(int i, const QString& t) {
        digita(campo(i), t);
        QTest::keyClick(campo(i), Qt::Key_Tab);
    }

    CartellaProva cartella; // before the window, which takes the current folder as its own
    // A window of an earlier test kept its size and place: each test starts without them.
    struct SenzaGeometria {
        SenzaGeometria() { QSettings().remove(FinestraTessaro::CHIAVE_GEOMETRIA); }
    } senza_geometria;
    FinestraTessaro finestra;
    Tessaro& f;
};

// The window past its splash, where most gestures are made.
class FinestraAvviata : public FinestraQt {
  protected:
    FinestraAvviata() { avvia(); }
};

} // namespace tessaro::prova
