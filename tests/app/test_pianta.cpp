// The plan window: opened by a double click on the plan or from the menu, zoomed about the
// pointer, moved by dragging, fitted again; repainted by every recalculation; the plan
// written to PNG, SVG and PDF, a failed write told. The title block of the PDF report is
// remembered only when confirmed.
#include "dialogo_aperto.h"
#include "finestra_avviata.h"

#include "app/qt/dialogo_intestazione.h"
#include "app/qt/esporta_pianta.h"
#include "app/qt/finestra_pianta.h"

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace tessaro::prova {
namespace {

using Pianta = FinestraAvviata;

// Plan points and widget points agree within a hundredth of a pixel.
void vicini(QPointF a, QPointF b) {
    EXPECT_NEAR(a.x(), b.x(), 0.01);
    EXPECT_NEAR(a.y(), b.y(), 0.01);
}

TEST_F(Pianta, ADoubleClickOnThePlanOrTheMenuOpensOneLargeResizableWindow) {
    QTest::mouseDClick(controllo<QWidget>("Pic"), Qt::LeftButton);
    auto* pianta = finestra.findChild<FinestraPianta*>("Pianta");
    ASSERT_NE(pianta, nullptr);
    EXPECT_TRUE(pianta->isVisible());
    EXPECT_TRUE(pianta->isWindow());
    EXPECT_EQ(pianta->windowTitle(), "Pianta");
    EXPECT_NE(pianta->minimumSize(), pianta->maximumSize()); // resizable
    EXPECT_GT(pianta->vista().width(), 2 * controllo<QWidget>("Pic")->width());
    pianta->close();
    finestra.findChild<QAction*>("pianta_grande")->trigger();
    EXPECT_TRUE(pianta->isVisible());
    EXPECT_EQ(finestra.findChildren<QWidget*>("Pianta").size(), 1);
}

TEST_F(Pianta, TheWheelZoomsAboutThePointerDraggingMovesAndADoubleClickFits) {
    VistaPianta& vista = finestra.apri_pianta().vista();
    vista.window()->resize(800, 600);
    const QTransform adattata = vista.trasformazione();

    const QPointF cursore(200, 150);
    const QPointF punto = adattata.inverted().map(cursore); // plan cm under the pointer
    QWheelEvent rotella(cursore, vista.mapToGlobal(cursore), {}, {0, 120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&vista, &rotella);
    EXPECT_DOUBLE_EQ(vista.zoom(), VistaPianta::PASSO_ZOOM);
    vicini(vista.trasformazione().map(punto), cursore);

    QTest::mousePress(&vista, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(&vista, QPoint(350, 320));
    QTest::mouseRelease(&vista, Qt::LeftButton, {}, QPoint(350, 320));
    vicini(vista.trasformazione().map(punto), cursore + QPointF(50, 20));

    QTest::mouseDClick(&vista, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(vista.trasformazione(), adattata);

    // "+" and "-" of the window's own menu zoom about the centre, within the limits.
    QWidget* pianta = vista.window();
    for (int i = 0; i < 100; ++i)
        pianta->findChild<QAction*>("riduci")->trigger();
    EXPECT_DOUBLE_EQ(vista.zoom(), VistaPianta::ZOOM_MIN);
    pianta->findChild<QAction*>("adatta")->trigger();
    EXPECT_EQ(vista.trasformazione(), adattata);
    pianta->findChild<QAction*>("ingrandisci")->trigger();
    const QPointF centro = QRectF(vista.rect()).center();
    vicini(vista.trasformazione().map(adattata.inverted().map(centro)), centro);
}

TEST_F(Pianta, EveryRecalculationRepaintsThePlan) {
    VistaPianta& vista = finestra.apri_pianta().vista();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vista.window()));
    finestra.activateWindow(); // the user goes back to the form, the plan stays open
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    struct Conta : QObject {
        int dipinture = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++dipinture;
            return false;
        }
    } conta;
    vista.installEventFilter(&conta);
    QCoreApplication::processEvents();
    const int prima = conta.dipinture;
    const QImage piccola = vista.grab().toImage();
    digita_e_esci(1, "-200000"); // studs are designed
    QCoreApplication::processEvents();
    EXPECT_GT(conta.dipinture, prima);
    EXPECT_NE(vista.grab().toImage(), piccola);
}

// Picture files start with their format's signature; another ending, or a folder that does
// not exist, writes nothing and says so.
TEST_F(Pianta, ThePlanIsWrittenByTheEndingOfItsName) {
    digita_e_esci(1, "-200000");
    const std::filesystem::path c = cartella.percorso();
    const struct {
        const char* nome;
        const char* firma; // nullptr: refused
    } casi[] = {{"pianta.png", "\x89PNG"}, {"pianta.SVG", "<?xml"}, {"pianta.pdf", "%PDF"},
                {"pianta.txt", nullptr},   {"pianta", nullptr},     {"manca/pianta.png", nullptr}};
    const Intestazione intestazione{"Scuola Verdi", "Pilastro P12", "Ing. Rossi", "07/12/2026"};
    for (const auto& caso : casi) {
        const std::filesystem::path p = c / caso.nome;
        EXPECT_EQ(esporta_pianta(f, intestazione, p.string()), caso.firma != nullptr) << caso.nome;
        if (caso.firma)
            EXPECT_EQ(leggi_file(p).rfind(caso.firma, 0), 0u) << caso.nome;
        else
            EXPECT_FALSE(std::filesystem::exists(p)) << caso.nome;
    }
    // The PNG is an A4 landscape sheet at 200 dpi with a drawing on it.
    const QImage png(QString::fromStdString((c / "pianta.png").string()));
    EXPECT_EQ(png.size(), QSize(2338, 1653));
    int colorati = 0;
    for (int y = 0; y < png.height(); y += 4)
        for (int x = 0; x < png.width(); x += 4)
            if (png.pixel(x, y) != qRgb(255, 255, 255)) ++colorati;
    EXPECT_GT(colorati, 1000);
    // The sheet's title block and scale, as the SVG holds them in text.
    const std::string svg = leggi_file(c / "pianta.SVG");
    for (const char* voce : {">Scuola Verdi<", ">Pilastro P12<", ">07/12/2026<", ">1:50<"})
        EXPECT_NE(svg.find(voce), std::string::npos) << voce;
}

TEST_F(Pianta, AFailedExportIsToldACancelledOneWritesNothing) {
    FinestraPianta& pianta = finestra.apri_pianta();
    quando_aperto([](QWidget& d) { static_cast<QDialog&>(d).reject(); });
    pianta.esporta("svg");
    for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso()))
        EXPECT_NE(voce.path().extension(), ".svg");

    const QString fuori = QString::fromStdString((cartella.percorso() / "manca" / "p").string());
    QString avviso;
    quando_aperto([fuori, &avviso](QWidget& d) {
        auto& dialogo = static_cast<QFileDialog&>(d);
        EXPECT_EQ(dialogo.windowTitle(), "Esporta pianta PNG");
        dialogo.selectFile(fuori);
        quando_aperto([&avviso](QWidget& box) {
            avviso = static_cast<QMessageBox&>(box).text();
            static_cast<QDialog&>(box).accept();
        });
        static_cast<QDialog&>(dialogo).accept();
    });
    pianta.esporta("png");
    EXPECT_EQ(avviso, "Impossibile scrivere il file " + fuori + ".png");

    // Its DXF is the main window's: the same dialog.
    digita_e_esci(1, "-200000"); // studs, so that a DXF may be written
    QString titolo;
    quando_aperto([&titolo](QWidget& d) {
        titolo = d.windowTitle();
        static_cast<QDialog&>(d).reject();
    });
    pianta.findChild<QAction*>("esporta_dxf")->trigger();
    EXPECT_EQ(titolo, "Esporta DXF");
}

TEST(DialogoIntestazioneTest, KeepsWhatWasConfirmedNotWhatWasCancelled) {
    QTemporaryDir cartella;
    QSettings impostazioni(cartella.filePath("tessaro.ini"), QSettings::IniFormat);
    {
        DialogoIntestazione d(impostazioni);
        EXPECT_EQ(d.progetto(), "");
        d.findChild<QLineEdit*>("progetto")->setText(" Scuola via Roma ");
        d.findChild<QLineEdit*>("elemento")->setText("Pilastro P12");
        d.findChild<QLineEdit*>("progettista")->setText("Ing. Rossi");
        d.accept();
    }
    {
        DialogoIntestazione d(impostazioni);
        EXPECT_EQ(d.progetto(), "Scuola via Roma");
        EXPECT_EQ(d.elemento(), "Pilastro P12");
        d.findChild<QLineEdit*>("elemento")->setText("Pilastro P13");
        d.reject();
    }
    impostazioni.sync();
    const QSettings riletto(cartella.filePath("tessaro.ini"), QSettings::IniFormat);
    EXPECT_EQ(riletto.value("intestazione/elemento").toString(), "Pilastro P12");
    EXPECT_EQ(riletto.value("intestazione/progettista").toString(), "Ing. Rossi");
    // The plan's sheets carry what was confirmed, with today's date.
    const Intestazione i = intestazione_ricordata(riletto);
    EXPECT_EQ(i.progetto, "Scuola via Roma");
    EXPECT_EQ(i.elemento, "Pilastro P12");
    EXPECT_EQ(i.progettista, "Ing. Rossi");
    EXPECT_EQ(i.data, data_odierna());
}

} // namespace
} // namespace tessaro::prova
