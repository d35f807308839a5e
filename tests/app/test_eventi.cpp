// Leaving a field, clicking options and buttons: each user action reaches its handler in the
// model, in the order the user made them, and nothing else does.
#include "finestra_avviata.h"

#include <QFocusEvent>
#include <QTest>

namespace tessaro::prova {
namespace {

using Eventi = FinestraQt;

// u1 of the default rectangular 40 × 60 interior column with d = 30:
// 2·(40 + 60) + 4·3.141592654·30 = 576.991.
const QString U1_D30 = "576.991";

TEST_F(Eventi, TypingAloneRecalculatesNothingLeavingByTabDoes) {
    avvia();
    const QString u1 = testo(20);
    digita(campo(5), "30");
    EXPECT_EQ(f.Text1[5].Text, "30"); // the model holds what was typed...
    EXPECT_EQ(testo(20), u1);         // ...but nothing ran
    QTest::keyClick(campo(5), Qt::Key_Tab);
    EXPECT_EQ(testo(20), U1_D30);
    EXPECT_TRUE(campo(6)->hasFocus()); // Tab goes on to the next field of "Dati soletta:"
}

TEST_F(Eventi, ShiftTabAndAClickOnAnotherFieldAlsoLeave) {
    avvia();
    digita(campo(5), "30");
    QTest::keyClick(campo(5), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(testo(20), U1_D30);

    digita(campo(5), "37");
    clicca(campo(4));
    EXPECT_EQ(testo(20), "664.956");
}

TEST_F(Eventi, LosingTheWindowOrOpeningAPopupIsNotLeavingTheField) {
    avvia();
    const QString u1 = testo(20);
    digita(campo(5), "30");
    for (const Qt::FocusReason motivo : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent uscita(QEvent::FocusOut, motivo);
        QApplication::sendEvent(campo(5), &uscita);
        EXPECT_EQ(testo(20), u1) << motivo;
    }
}

TEST_F(Eventi, BeforeTheSplashIsClickedTheHiddenFormTakesNoInput) {
    const QString u1 = testo(20);
    digita_e_esci(5, "30");
    EXPECT_EQ(f.Text1[5].Text, "37");
    EXPECT_EQ(testo(20), u1);
    avvia();
    EXPECT_TRUE(campo(5)->isEnabled());
}

TEST_F(Eventi, AClickOnAnOptionComesAfterTheFocusOutOfTheFieldBeingEdited) {
    avvia();
    digita(campo(5), "30");
    clicca(opzione("Option1", 1)); // "Circolare"
    // The recalculation saw the rectangular column with the new depth, before the shape changed.
    EXPECT_EQ(testo(20), U1_D30);
    EXPECT_TRUE(opzione("Option1", 1)->isChecked());
    EXPECT_EQ(testo(7), testo(6)); // b follows a
    EXPECT_EQ(testo(30), "0");
    EXPECT_FALSE(campo(30)->isEnabled());

    clicca(opzione("Option1", 0));
    EXPECT_TRUE(campo(30)->isEnabled());
    EXPECT_EQ(testo(30), "0");
}

TEST_F(Eventi, ACommandButtonTakesTheFocusBeforeItsClickRuns) {
    avvia();
    QStringList ordine;
    struct Spia : QObject {
        QStringList& ordine;
        explicit Spia(QStringList& o) : ordine(o) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::FocusOut) ordine << "lasciato";
            return false;
        }
    } spia(ordine);
    campo(5)->installEventFilter(&spia);
    QObject::connect(comando(0), &QPushButton::clicked, [&ordine] { ordine << "Aggiorna"; });
    digita(campo(5), "30");
    clicca(comando(0));
    EXPECT_EQ(ordine, QStringList({"lasciato", "Aggiorna"}));
    EXPECT_EQ(testo(20), U1_D30);
}

TEST_F(Eventi, CommandButtonsReachTheirHandler) {
    avvia();
    clicca(comando(1)); // "+": the plan is drawn larger
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0 / 1.1);
    clicca(comando(2));
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0);
    clicca(comando(4)); // "Foro"
    EXPECT_TRUE(controllo<QWidget>("Picture1")->isVisible());
}

TEST_F(Eventi, LoadFormatOptionsShowTheModelAndSwitchTheActionFields) {
    avvia();
    EXPECT_TRUE(opzione("Option3", 1)->isChecked()); // "S.L.U." at load
    clicca(opzione("Option3", 0));                   // "T.A."
    EXPECT_TRUE(f.Option3[0]);
    EXPECT_FALSE(opzione("Option3", 1)->isChecked());
    for (const int i : {27, 34, 35, 36, 37})
        EXPECT_TRUE(campo(i)->isEnabled()) << i;
    for (const int i : {0, 1, 2, 3})
        EXPECT_FALSE(campo(i)->isEnabled()) << i;
    clicca(opzione("Option3", 1));
    for (const int i : {27, 34, 35, 36, 37})
        EXPECT_FALSE(campo(i)->isEnabled()) << i;
    for (const int i : {0, 1, 2, 3})
        EXPECT_TRUE(campo(i)->isEnabled()) << i;
}

TEST_F(Eventi, ThePositionAndTheRotatedCaptionsFollowTheModel) {
    avvia();
    digita_e_esci(38, "0"); // the slab edge at the face on the a side
    EXPECT_TRUE(opzione("Option2", 1)->isChecked());
    EXPECT_FALSE(opzione("Option2", 0)->isChecked());
    EXPECT_EQ(controllo<QLabel>("Label6")->text(), "→");

    digita_e_esci(38, "1000");
    digita_e_esci(24, "0"); // now on the b side: the axes turn
    EXPECT_TRUE(opzione("Option2", 1)->isChecked());
    EXPECT_EQ(didascalia(6), "b (cm)");
    EXPECT_EQ(didascalia(7), "a (cm)");
    EXPECT_EQ(didascalia(16), "βy");
    EXPECT_EQ(controllo<QLabel>("Label9")->text(), "↓");
    EXPECT_EQ(controllo<QLabel>("Label10")->text(), "Y");
}

TEST_F(Eventi, TheStudDiameterRecomputesOnEveryEdit) {
    avvia();
    digita_e_esci(1, "-200000"); // the control perimeter fails: studs are designed
    ASSERT_TRUE(controllo<QWidget>("Frame4")->isVisible());
    auto* fichiodo = controllo<QLineEdit>("fichiodo");
    digita(fichiodo, "1");
    EXPECT_EQ(Label3(16)->text(), "0.0079");
    QTest::keyClicks(fichiodo, "2");
    EXPECT_EQ(Label3(16)->text(), "1.131");
}

TEST_F(Eventi, AFailingColumnFaceIsShownInDarkRedBold) {
    avvia();
    EXPECT_FALSE(Label4(3)->font().bold());
    digita_e_esci(1, "-500000");
    EXPECT_EQ(Label4(3)->text(), "kg (< Veff: !!)");
    EXPECT_EQ(Label4(3)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(Label4(3)->font().bold());
    EXPECT_FALSE(controllo<QWidget>("Frame4")->isVisible());
    EXPECT_EQ(controllo<QGroupBox>("Frame5")->title(), "VERIFICHE (Veff =500000 kg):");
}

TEST_F(Eventi, ShowingTheModelRaisesNoEvent) {
    avvia();
    const QString u1 = testo(20), b = testo(7), Af = Label3(16)->text();
    digita(campo(0), "1450"); // the user is in field 0...
    // ...when the model changes without its handlers: a diameter, a shape, a depth, and field 0
    // disabled under the user's caret.
    f.fichiodo.Text = "12";
    f.Option1 = {false, true, false, false, false, false};
    f.Text1[5].Text = "30";
    f.Text1[0].Enabled = false;
    finestra.mostra();
    EXPECT_EQ(controllo<QLineEdit>("fichiodo")->text(), "12");
    EXPECT_EQ(Label3(16)->text(), Af); // fichiodo_Change did not run
    EXPECT_TRUE(opzione("Option1", 1)->isChecked());
    EXPECT_EQ(testo(7), b); // Option1_Click did not run
    EXPECT_FALSE(campo(0)->isEnabled());
    EXPECT_EQ(testo(5), "30");
    EXPECT_EQ(testo(20), u1); // the focus left field 0, but the user did not
}

TEST_F(Eventi, AGroupWithNoButtonSetIsShownSo) {
    avvia();
    f.Option1[0] = false;
    finestra.mostra();
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(opzione("Option1", i)->isChecked()) << i;
    clicca(opzione("Option1", 3));
    EXPECT_TRUE(opzione("Option1", 3)->isChecked());
}

} // namespace
} // namespace tessaro::prova
