// "Proponi armatura" in the window: the button, the menu item and Ctrl+R open the dialog of the
// lightest layouts with the case's own beneath; "Applica" types the chosen one into the fields
// (each field's own undo gives back what it held) and recalculates; "Chiudi" changes nothing.
#include "finestra_avviata.h"

#include "cli/dump.h"
#include "verification/stato_caso.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace tessaro::prova {
namespace {

using Proposta = FinestraAvviata;

// Acts on the dialog of the proposals once it is open (the busy indication of a long search,
// the only other modal widget on the way, is let pass).
void quando_proposta(std::function<void(QDialog&)> azione) {
    QTimer::singleShot(10, [azione] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d && d->objectName() == "proposta")
            azione(*d);
        else
            quando_proposta(azione);
    });
}

struct Tabella {
    QStringList righe; // each row: its header, then its cells joined by blanks
    QString riepilogo;
    bool applicabile = false;
};

Tabella leggi(const QDialog& d) {
    Tabella t;
    const auto* tabella = d.findChild<QTableWidget*>("proposte");
    for (int r = 0; r < tabella->rowCount(); ++r) {
        QStringList celle{tabella->verticalHeaderItem(r)->text() + ":"};
        for (int c = 0; c < tabella->columnCount(); ++c)
            celle << tabella->item(r, c)->text();
        t.righe << celle.join(' ');
    }
    t.riepilogo = d.findChild<QLabel*>("riepilogo")->text();
    t.applicabile = d.findChild<QPushButton*>("applica")->isEnabled();
    return t;
}

// "Applica" when there is a row to apply, else "Chiudi": the dialog closes whatever it shows.
void applica(QDialog& d) {
    auto* applica = d.findChild<QPushButton*>("applica");
    QTest::mouseClick(applica->isEnabled() ? applica : d.findChild<QPushButton*>("chiudi"),
                      Qt::LeftButton);
}

TEST_F(Proposta, CtrlRProposesAndApplicaTypesTheLightestLayoutIntoTheFields) {
    digita_e_esci(1, "-200000"); // 12 straight rails: the corners too open
    ASSERT_EQ(stato_caso(f).esito, Esito::dettagli_non_rispettati);
    Tabella t;
    quando_proposta([&t](QDialog& d) {
        t = leggi(d);
        applica(d);
    });
    QTest::keyClick(campo(1), Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(t.righe.size(), 6);
    EXPECT_EQ(t.righe[0], "1: 16 1 18.5 23.6 10 3 48 10.06 0.93 verificato");
    EXPECT_EQ(t.righe[5], "Attuale: 12 0 18.5 27.5 12 6 72 21.73 0.99 dettagli non rispettati");
    EXPECT_TRUE(t.riepilogo.contains("disposizioni calcolate su 550800 possibili"))
        << t.riepilogo.toStdString();

    // Typed and recalculated: verified with studs, the fields as typed.
    EXPECT_EQ(QStringList({testo(31), testo(30), testo(28), testo(29)}),
              QStringList({" 16", "1", "18.5", "23.6"}));
    EXPECT_EQ(controllo<QLineEdit>("fichiodo")->text(), " 10");
    const StatoCaso s = stato_caso(f);
    EXPECT_EQ(s.esito, Esito::verificato_con_chiodi) << s.testo_esito;
    EXPECT_TRUE(s.avvisi.empty());

    // Undo in a field gives back its old text, which the next recalculation takes. The closed
    // dialog gives the window back its activation, as a window manager would.
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    clicca(campo(29));
    QTest::keyClick(campo(29), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(testo(29), "27.5");
    QTest::keyClick(campo(29), Qt::Key_Tab);
    EXPECT_EQ(f.dati.S, 27.5);
}

TEST_F(Proposta, ChiudiChangesNothing) {
    digita_e_esci(1, "-200000");
    const std::string prima = dump(f);
    bool aperto = false;
    quando_proposta([&aperto](QDialog& d) {
        aperto = true;
        QTest::mouseClick(d.findChild<QPushButton*>("chiudi"), Qt::LeftButton);
    });
    clicca(controllo<QPushButton>("proponi"));
    EXPECT_TRUE(aperto);
    EXPECT_EQ(dump(f), prima);
    EXPECT_FALSE(campo(29)->isUndoAvailable());
}

// In SI the dialog and the fields show millimetres; the model is typed in its own units.
TEST_F(Proposta, InSITheProposalIsShownAndTypedInMillimetres) {
    finestra.findChild<QMenuBar*>("barra_menu")->findChild<QAction*>("unita_si")->trigger();
    digita_e_esci(1, "-2000"); // kN
    QString intestazione;
    Tabella t;
    quando_proposta([&](QDialog& d) {
        t = leggi(d);
        intestazione = d.findChild<QTableWidget*>("proposte")->horizontalHeaderItem(2)->text();
        applica(d);
    });
    QTest::keyClick(campo(1), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(intestazione, "S1 (mm)");
    ASSERT_FALSE(t.righe.isEmpty());
    EXPECT_EQ(t.righe[0], "1: 16 1 185 236 10 3 48 10.06 0.93 verificato");
    EXPECT_EQ(QStringList({testo(28), testo(29)}), QStringList({"185", "236"}));
    EXPECT_EQ(f.Text1[Dato::S1].Text, "18.5");
    EXPECT_EQ(f.Text1[Dato::S].Text, "23.6");
    EXPECT_EQ(stato_caso(f).esito, Esito::verificato_con_chiodi);
    // The settings keep the system: the windows of the tests that follow start technical.
    finestra.findChild<QMenuBar*>("barra_menu")->findChild<QAction*>("unita_tecniche")->trigger();
}

// Nothing to propose: the reason, no row to apply. The menu item is the button.
TEST_F(Proposta, WithoutAProposalTheDialogSaysWhy) {
    Tabella t;
    quando_proposta([&t](QDialog& d) {
        t = leggi(d);
        QTest::mouseClick(d.findChild<QPushButton*>("chiudi"), Qt::LeftButton);
    });
    finestra.findChild<QMenuBar*>("barra_menu")->findChild<QAction*>("proponi")->trigger();
    EXPECT_TRUE(t.righe.isEmpty());
    EXPECT_FALSE(t.applicabile);
    EXPECT_TRUE(t.riepilogo.startsWith("Verificato senza armatura a taglio"))
        << t.riepilogo.toStdString();
}

} // namespace
} // namespace tessaro::prova
