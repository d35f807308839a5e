// The window driven by real input events. Its life: the splash, the growth to working size, the
// opening panel, the refused close request with its farewell, and the end at the timer's tick.
// Leaving a field, clicking options and buttons: each user action reaches its handler in the
// model, in the order the user made them, and nothing else does.
#include "finestra_avviata.h"

#include "app/qt/controlli.h"
#include "files/chiodi.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QScreen>
#include <QTimer>

#include <filesystem>

namespace tessaro::prova {
namespace {

using Vita = FinestraQt;
using Eventi = FinestraAvviata;

TEST_F(Vita, TheSplashClickGrowsTheWindowToItsWorkingSize) {
    auto* splash = controllo<QWidget>("Picture3");
    const QSize modulo = controllo<QWidget>("modulo")->sizeHint();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), finestra.size()); // the splash fills the small window
    EXPECT_LT(finestra.width(), modulo.width());
    digita_e_esci(5, "30"); // before the splash is clicked the hidden form takes no input
    EXPECT_EQ(f.Text1[5].Text, "37");
    avvia();
    EXPECT_FALSE(splash->isVisible());
    // At work: the size for the screen, which a window that kept none takes from the form.
    const QSize barra(0, controllo<QWidget>("barra_menu")->height());
    const QRect dentro = finestra.geometry(), fuori = finestra.frameGeometry();
    const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                           fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
    EXPECT_EQ(dentro,
              geometria_iniziale(finestra.screen()->availableGeometry(), modulo + barra, cornice));
    EXPECT_EQ(testo(20), "664.956");
    clicca(splash); // hidden now: the start-up does not run twice
    EXPECT_EQ(f.dati.in_avvio, 0);
}

TEST_F(Vita, TheOpeningPanelTakesItsFieldsAndAnswersItsButtons) {
    avvia();
    auto* pannello = controllo<QWidget>("Picture1");
    clicca(comando(4)); // "Foro"
    ASSERT_TRUE(pannello->isVisible());
    const QPoint scarto = pannello->geometry().center() - finestra.rect().center();
    EXPECT_LE(scarto.manhattanLength(), 4); // centred, twips rounded to pixels
    const QString u1 = testo(20);
    digita(controllo<QLineEdit>("Text4"), "50");
    digita(controllo<QLineEdit>("Text5"), "0");
    clicca(controllo<QPushButton>("Command2(1)")); // "Annulla"
    EXPECT_FALSE(pannello->isVisible());
    EXPECT_EQ(testo(33), "0");
    EXPECT_EQ(testo(20), u1);

    clicca(comando(4));
    clicca(controllo<QPushButton>("Command2(0)")); // "OK": a 30 × 20 opening 50 cm from the face
    EXPECT_FALSE(pannello->isVisible());
    EXPECT_EQ(testo(33), "40.3");
}

TEST_F(Vita, ACloseRequestIsRefusedWithAFarewellAndTheTimerEndsTheProgram) {
    avvia();
    const std::filesystem::path chiodi = percorso_chiodi(f.cartella_lavoro);
    ASSERT_TRUE(std::filesystem::exists(chiodi));
    EXPECT_FALSE(finestra.close());
    EXPECT_TRUE(finestra.isVisible());
    EXPECT_TRUE(controllo<QWidget>("Picture3")->isVisible());
    EXPECT_EQ(f.Picture3.testo, "   *** GRAZIE PER L'ATTENZIONE !!!");
    EXPECT_EQ(finestra.size(), controllo<QWidget>("Picture3")->size());

    // A second request, and the end itself, must not say goodbye again.
    f.Picture3.testo.clear();
    EXPECT_FALSE(finestra.close());
    // The tick never came: the loop ends after 5 s. The timer goes with the test, so that it
    // cannot end the event loop of a later one.
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    scadenza.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(f.Picture3.testo, "");
    EXPECT_FALSE(std::filesystem::exists(chiodi));
}

TEST_F(Vita, ACloseRequestDuringTheGrowthWaitsForTheStartUp) {
    QCoreApplication::postEvent(&finestra, new QCloseEvent);
    avvia(); // the growth processes the pending close request
    EXPECT_EQ(f.dati.in_avvio, 0);
    EXPECT_EQ(testo(20), "664.956"); // the start-up ran to its end...
    EXPECT_TRUE(f.Timer1_Enabled);   // ...and then the farewell, whose window shrank last
    EXPECT_EQ(finestra.size(), controllo<QWidget>("Picture3")->size());
    EXPECT_EQ(f.Picture3.testo, "   *** GRAZIE PER L'ATTENZIONE !!!");
}

TEST_F(Vita, TheSplashStartsOnEnterAndResultFieldsAreReadOnly) {
    QTest::keyClick(controllo<QWidget>("Picture3"), Qt::Key_Return);
    EXPECT_EQ(f.dati.in_avvio, 0);
    for (const int i : {22, 21, 20, 33, 19, 18, 17, 16, 23, 32}) { // the result fields
        EXPECT_TRUE(campo(i)->isReadOnly()) << i;
        EXPECT_EQ(campo(i)->focusPolicy(), Qt::ClickFocus) << i;
    }
}

// u1 of the default rectangular 40 × 60 interior column with d = 30:
// 2·(40 + 60) + 4·3.141592654·30 = 576.991.
const QString U1_D30 = "576.991";

TEST_F(Eventi, LeavingByTabShiftTabOrAClickRecalculatesTypingAloneDoesNot) {
    digita(campo(5), "30");
    EXPECT_EQ(f.Text1[5].Text, "30"); // the model holds what was typed...
    EXPECT_EQ(testo(20), "664.956");  // ...but nothing ran
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
    digita(campo(5), "30");
    for (const Qt::FocusReason motivo : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent uscita(QEvent::FocusOut, motivo);
        QApplication::sendEvent(campo(5), &uscita);
        EXPECT_EQ(testo(20), "664.956") << motivo;
    }
}

TEST_F(Eventi, ClicksOnAnOptionOrAButtonComeAfterTheFocusOutOfTheFieldBeingEdited) {
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
    digita_e_esci(38, "0"); // the slab edge at the face on the a side
    EXPECT_EQ(f.Option2, (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(controllo<QLabel>("Option2(1)")->font().bold());
    EXPECT_EQ(controllo<QLabel>("Label6")->text(), "→");
    digita_e_esci(38, "1000");
    digita_e_esci(24, "0"); // now on the b side: the axes turn
    EXPECT_EQ(didascalia(6), "b (cm)");
    EXPECT_EQ(didascalia(16), "βy");
    EXPECT_EQ(controllo<QLabel>("Label9")->text(), "↓");
}

TEST_F(Eventi, TheStudDiameterRecomputesOnEveryEdit) {
    digita_e_esci(1, "-200000"); // the control perimeter fails: studs are designed
    ASSERT_TRUE(controllo<QWidget>("Frame4")->isVisible());
    auto* fichiodo = controllo<QLineEdit>("fichiodo");
    digita(fichiodo, "1");
    EXPECT_EQ(Label3(16)->text(), "0.0079");
    QTest::keyClicks(fichiodo, "2");
    EXPECT_EQ(Label3(16)->text(), "1.131"); // 12²/400·π = 1.1310 cm²
    digita(fichiodo, "abc");                // no number: the stud labels stay
    EXPECT_EQ(Label3(16)->text(), "1.131");
}

TEST_F(Eventi, ShowingTheModelRaisesNoEvent) {
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
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(opzione("Option1", i)->isChecked()) << i;
}

using Stato = FinestraAvviata;

TEST_F(Stato, AnUnreadableFieldIsFramedInRedOnceLeftAndTheResultsSayTheyAreStale) {
    auto* banner = controllo<QLabel>("esito");
    EXPECT_EQ(banner->palette().color(QPalette::WindowText), QColor(0, 110, 0));
    digita(campo(5), "3a");
    EXPECT_EQ(campo(5)->styleSheet(), ""); // being typed: not yet framed
    EXPECT_TRUE(banner->text().startsWith("Risultati non aggiornati"));
    QTest::keyClick(campo(5), Qt::Key_Tab);
    EXPECT_NE(campo(5)->styleSheet().indexOf("border"), -1);
    EXPECT_EQ(campo(5)->toolTip(), "valore non numerico");
    EXPECT_EQ(banner->text(),
              QString::fromUtf8("Risultati non aggiornati: correggere «deff (cm)»"));
    EXPECT_EQ(banner->palette().color(QPalette::WindowText), QColor(110, 110, 110));
    EXPECT_EQ(Label3(1)->palette().color(Label3(1)->foregroundRole()), QColor(150, 150, 150));
    digita_e_esci(5, "37");
    EXPECT_EQ(campo(5)->styleSheet(), "");
    EXPECT_EQ(campo(5)->toolTip(), "");
    EXPECT_TRUE(banner->text().startsWith("Verificato senza armatura a taglio"));
    EXPECT_EQ(Label3(1)->palette().color(Label3(1)->foregroundRole()), QColor(0, 0, 0));
}

TEST_F(Stato, ACommaBecomesThePointAndEnterLeavesTheFieldAsTab) {
    digita(campo(5), "30,5");
    EXPECT_EQ(testo(5), "30.5");
    QTest::keyClick(campo(5), Qt::Key_Return);
    EXPECT_TRUE(campo(6)->hasFocus());
    EXPECT_EQ(testo(20), "583.274"); // 200 + 4·π·30.5: the field was left and recalculated
}

TEST_F(Stato, FailingVerdictsAndTooFewStudsAreDarkRedAndBoldUntilTheyHold) {
    const QColor rosso(128, 0, 0);
    digita_e_esci(1, "-500000");
    EXPECT_EQ(Label4(3)->text(), "kg (< Veff: !!)");
    EXPECT_EQ(Label4(3)->palette().color(QPalette::WindowText), rosso);
    EXPECT_TRUE(Label4(3)->font().bold());
    EXPECT_FALSE(controllo<QWidget>("Frame4")->isVisible());
    EXPECT_EQ(controllo<QGroupBox>("Frame5")->title(), "VERIFICHE (Veff =500000 kg):");
    digita_e_esci(1, "-200000"); // the face holds, the control perimeter fails: studs
    EXPECT_EQ(Label4(3)->text(), "kg (> Veff: OK)");
    EXPECT_FALSE(Label4(3)->font().bold());
    EXPECT_NE(Label4(3)->palette().color(QPalette::WindowText), rosso);
    EXPECT_EQ(Label4(1)->palette().color(QPalette::WindowText), rosso);
    EXPECT_TRUE(Label4(1)->font().bold());
    EXPECT_FALSE(Label3(13)->font().bold());
    digita(controllo<QLineEdit>("fichiodo"), "8"); // below the required 11.94 mm
    EXPECT_EQ(Label3(13)->palette().color(Label3(13)->foregroundRole()), rosso);
    EXPECT_TRUE(Label3(13)->font().bold());
    EXPECT_EQ(controllo<QLabel>("esito")->palette().color(QPalette::WindowText), rosso);
    EXPECT_GT(controllo<QListWidget>("avvisi")->count(), 0);
}

} // namespace
} // namespace tessaro::prova
