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

TEST_F(Eventi, LeavingByTabShiftTabOrAClickRecalculatesTypingAloneDoesNot) {
    avvia();
    digita(campo(5), "30");
    EXPECT_EQ(f.Text1[5].Text, "30");    // the model holds what was typed...
    EXPECT_EQ(testo(20), "664.956");     // ...but nothing ran
    QTest::keyClick(campo(5), Qt::Key_Tab);
    EXPECT_EQ(testo(20), U1_D30);
    EXPECT_TRUE(campo(6)->hasFocus()); // Tab goes on to the next field of "Dati soletta:"

    digita(campo(5), "37");
    QTest::keyClick(campo(5), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(testo(20), "664.956");
    digita(campo(5), "30");
    clicca(campo(4));
    EXPECT_EQ(testo(20), U1_D30);
}

TEST_F(Eventi, LosingTheWindowOrOpeningAPopupIsNotLeavingTheField) {
    avvia();
    digita(campo(5), "30");
    for (const Qt::FocusReason motivo : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent uscita(QEvent::FocusOut, motivo);
        QApplication::sendEvent(campo(5), &uscita);
        EXPECT_EQ(testo(20), "664.956") << motivo;
    }
}

TEST_F(Eventi, BeforeTheSplashIsClickedTheHiddenFormTakesNoInput) {
    const QString u1 = testo(20);
    digita_e_esci(5, "30");
    EXPECT_EQ(f.Text1[5].Text, "37");
    EXPECT_EQ(testo(20), u1);
}

TEST_F(Eventi, ClicksOnAnOptionOrAButtonComeAfterTheFocusOutOfTheFieldBeingEdited) {
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

    digita(campo(5), "37");
    clicca(opzione("Option1", 1)); // "Circolare"
    // The recalculation saw the rectangular column with the new depth, before the shape changed.
    EXPECT_EQ(testo(20), "664.956");
    EXPECT_TRUE(opzione("Option1", 1)->isChecked());
    EXPECT_FALSE(campo(30)->isEnabled());
    clicca(opzione("Option1", 0));
    EXPECT_TRUE(campo(30)->isEnabled());
}

TEST_F(Eventi, ButtonsAndOptionsReachTheirHandler) {
    avvia();
    clicca(comando(1)); // "+": the plan is drawn larger
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0 / 1.1);
    clicca(comando(2));
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0);
    clicca(opzione("Option3", 0)); // "T.A.": the service actions are entered
    EXPECT_FALSE(opzione("Option3", 1)->isChecked());
    EXPECT_TRUE(campo(36)->isEnabled());
    EXPECT_FALSE(campo(1)->isEnabled());
    clicca(opzione("Option3", 1));
    EXPECT_FALSE(campo(36)->isEnabled());
    EXPECT_TRUE(campo(1)->isEnabled());
}

TEST_F(Eventi, ThePositionAndTheRotatedCaptionsFollowTheModel) {
    avvia();
    digita_e_esci(38, "0"); // the slab edge at the face on the a side
    EXPECT_TRUE(opzione("Option2", 1)->isChecked());
    EXPECT_FALSE(opzione("Option2", 0)->isChecked());
    EXPECT_EQ(controllo<QLabel>("Label6")->text(), "→");
    digita_e_esci(38, "1000");
    digita_e_esci(24, "0"); // now on the b side: the axes turn
    EXPECT_EQ(didascalia(6), "b (cm)");
    EXPECT_EQ(didascalia(16), "βy");
    EXPECT_EQ(controllo<QLabel>("Label9")->text(), "↓");
}

TEST_F(Eventi, TheStudDiameterRecomputesOnEveryEdit) {
    avvia();
    digita_e_esci(1, "-200000"); // the control perimeter fails: studs are designed
    ASSERT_TRUE(controllo<QWidget>("Frame4")->isVisible());
    auto* fichiodo = controllo<QLineEdit>("fichiodo");
    digita(fichiodo, "1");
    EXPECT_EQ(Label3(16)->text(), "0.0079");
    QTest::keyClicks(fichiodo, "2");
    EXPECT_EQ(Label3(16)->text(), "1.131"); // 12²/400·π = 1.1310 cm²
    digita(fichiodo, "abc"); // no number: the stud labels stay
    EXPECT_EQ(Label3(16)->text(), "1.131");
}

TEST_F(Eventi, AFailingColumnFaceIsShownInDarkRedBoldUntilItHolds) {
    avvia();
    digita_e_esci(1, "-500000");
    EXPECT_EQ(Label4(3)->text(), "kg (< Veff: !!)");
    EXPECT_EQ(Label4(3)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(Label4(3)->font().bold());
    EXPECT_FALSE(controllo<QWidget>("Frame4")->isVisible());
    EXPECT_EQ(controllo<QGroupBox>("Frame5")->title(), "VERIFICHE (Veff =500000 kg):");
    digita_e_esci(1, "-200000");
    EXPECT_EQ(Label4(3)->text(), "kg (> Veff: OK)");
    EXPECT_FALSE(Label4(3)->font().bold());
    EXPECT_NE(Label4(3)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
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
    // A group with no button set is shown so.
    f.Option1[1] = false;
    finestra.mostra();
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(opzione("Option1", i)->isChecked()) << i;
}

} // namespace
} // namespace tessaro::prova
