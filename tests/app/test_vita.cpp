// The life of the window: the splash, the growth to working size, the opening panel, the
// refused close request with its farewell, and the end at the timer's tick.
#include "finestra_avviata.h"

#include "files/chiodi.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace tessaro::prova {
namespace {

using Vita = FinestraQt;

TEST_F(Vita, TheSplashClickGrowsTheWindowToItsForm) {
    auto* splash = controllo<QWidget>("Picture3");
    const QSize modulo = controllo<QWidget>("modulo")->size();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), finestra.size()); // the splash fills the small window
    EXPECT_LT(finestra.width(), modulo.width());
    avvia();
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(finestra.size(), modulo); // 9930 × 7800 twips
    EXPECT_EQ(testo(24), "1000");
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
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // the tick never came
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

} // namespace
} // namespace tessaro::prova
