// The desktop services of the window: the dialogs' answers, the message box, the filters.
#include "app/qt/piattaforma_qt.h"

#include "dialogo_aperto.h"
#include "support/finestra_prova.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tessaro {
namespace {

using prova::quando_aperto;

struct PiattaformaQtTest : ::testing::Test {
    prova::CartellaProva cartella;
    QWidget finestra;
    Twips twips;
    PiattaformaQt p{finestra, twips, [] {}};
    DialogoFile dati{"SALVA DATI", cartella.percorso().string(), "*.CSE", "*.CSE"};
};

TEST(FiltroQt, ListsTheLowerCaseExtensionBesideTheModelsOwn) {
    EXPECT_EQ(filtro_qt("*.CSE"), "*.CSE *.cse");
    EXPECT_EQ(filtro_qt("FILE DI TESTO (*.TXT)|*.TXT"), "FILE DI TESTO (*.TXT *.txt)");
    EXPECT_EQ(filtro_qt("Dati|*.CSE;*.TXT"), "Dati (*.CSE *.cse *.TXT *.txt)");
}

TEST_F(PiattaformaQtTest, ACancelledDialogReturnsTheInitialName) {
    for (const bool salva : {true, false}) {
        quando_aperto([](QWidget& d) {
            EXPECT_EQ(d.windowTitle(), "SALVA DATI");
            static_cast<QDialog&>(d).reject();
        });
        EXPECT_EQ(salva ? p.dialogo_salva(dati) : p.dialogo_apri(dati), "*.CSE");
    }
}

TEST_F(PiattaformaQtTest, AnAcceptedSaveDialogReturnsThePathInItsFolder) {
    quando_aperto([](QWidget& d) {
        auto& dialogo = static_cast<QFileDialog&>(d);
        EXPECT_EQ(dialogo.selectedNameFilter(), "*.CSE *.cse");
        dialogo.selectFile("prova");
        static_cast<QDialog&>(dialogo).accept(); // QFileDialog hides it
    });
    EXPECT_EQ(p.dialogo_salva(dati), (cartella.percorso() / "prova").string());
}

TEST_F(PiattaformaQtTest, TheMessageBoxHasOneOkButtonAndTheIcon) {
    quando_aperto([](QWidget& d) {
        auto& box = static_cast<QMessageBox&>(d);
        EXPECT_EQ(box.windowTitle(), "Informazioni generali");
        EXPECT_EQ(box.text(), "riga uno\nriga due");
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButton(box.buttons()[0]), QMessageBox::Ok);
        box.accept();
    });
    p.messaggio("riga uno\r\nriga due", "Informazioni generali", Icona::informazione);
}

TEST_F(PiattaformaQtTest, TheScreenIsMeasuredInTheWindowsTwips) {
    const Geometria s = p.schermo();
    p.finestra({0, 0, s.Width, s.Height});
    EXPECT_EQ(finestra.size(), finestra.screen()->availableGeometry().size());
}

} // namespace
} // namespace tessaro
