// The menu bar of the window: above the form, which keeps its place; its items and shortcuts
// reach the handlers of the buttons, and nothing works while the splash hides the form.
#include "dialogo_aperto.h"
#include "finestra_avviata.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

namespace tessaro::prova {
namespace {

using Menu = FinestraAvviata;

QAction* voce(const FinestraTessaro& finestra, const char* nome) {
    auto* a = finestra.findChild<QMenuBar*>("barra_menu")->findChild<QAction*>(nome);
    EXPECT_NE(a, nullptr) << nome;
    return a;
}

TEST_F(Menu, TheBarSitsAboveTheForm) {
    auto* barra = controllo<QMenuBar>("barra_menu");
    auto* modulo = controllo<QWidget>("modulo");
    finestra.resize(modulo->sizeHint() + QSize(0, barra->height())); // the whole form in view
    QCoreApplication::processEvents();
    EXPECT_EQ(modulo->mapTo(&finestra, QPoint(0, 0)).y(), barra->height());
    // The buttons are where the form puts them: under the bar, inside the window.
    for (int i = 0; i < 11; ++i) {
        const QRect r(comando(i)->mapTo(&finestra, QPoint(0, 0)), comando(i)->size());
        EXPECT_TRUE(finestra.rect().contains(r)) << i;
        EXPECT_GE(r.top(), barra->height()) << i;
    }
    QStringList menu;
    for (const QAction* a : barra->actions())
        menu << a->text();
    EXPECT_EQ(menu, QStringList({"&File", "&Calcolo", "&Vista", "&Aiuto"}));
}

using Splash = FinestraQt;

TEST_F(Splash, MenuItemsWaitForTheSplashClick) {
    for (const char* nome : {"carica", "salva", "stampa", "pianta_grande", "esci", "manuale"})
        EXPECT_FALSE(voce(finestra, nome)->isEnabled()) << nome;
    avvia();
    for (const char* nome : {"carica", "salva", "stampa", "pianta_grande", "esci", "manuale"})
        EXPECT_TRUE(voce(finestra, nome)->isEnabled()) << nome;
}

// Each shortcut opens the dialog of its button, after the recalculation every button runs: the
// depth typed and not yet left is the one computed.
TEST_F(Menu, ShortcutsRecalculateAndOpenTheDialogsOfTheirButtons) {
    const struct {
        Qt::Key tasto;
        const char* titolo;
    } casi[] = {
        {Qt::Key_O, "CARICA DATI"}, {Qt::Key_S, "SALVA DATI"}, {Qt::Key_P, "STAMPA TESSARO"}};
    for (const auto& caso : casi) {
        digita(campo(5), "30");
        QString titolo;
        quando_aperto([&titolo](QWidget& d) {
            titolo = d.windowTitle();
            static_cast<QDialog&>(d).reject();
        });
        QTest::keyClick(campo(5), caso.tasto, Qt::ControlModifier);
        // The closed dialog gives the window back its activation, as a window manager would.
        finestra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
        EXPECT_EQ(titolo, caso.titolo);
        EXPECT_EQ(testo(20), "576.991") << caso.titolo; // 2·(40 + 60) + 4·π·30
        digita_e_esci(5, "37");
    }
}

TEST_F(Menu, ViewAndHelpItemsAreTheButtons) {
    voce(finestra, "ingrandisci")->trigger(); // "+"
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0 / 1.1);
    QTest::keyClick(&finestra, Qt::Key_Minus, Qt::ControlModifier); // "-"
    EXPECT_DOUBLE_EQ(f.dati.scala, 2.0);

    QString titolo;
    quando_aperto([&titolo](QWidget& d) {
        titolo = d.windowTitle();
        static_cast<QDialog&>(d).accept();
    });
    voce(finestra, "informazioni")->trigger();
    EXPECT_EQ(titolo, "Informazioni generali");
}

TEST_F(Menu, EsciSaysGoodbyeAsTheCloseBoxDoes) {
    voce(finestra, "esci")->trigger();
    EXPECT_TRUE(f.Timer1_Enabled);
    EXPECT_EQ(f.Picture3.testo, "   *** GRAZIE PER L'ATTENZIONE !!!");
    EXPECT_FALSE(voce(finestra, "salva")->isEnabled()); // the farewell hides the form
}

using Documenti = FinestraAvviata;

// No PDF report and no DXF of results that do not belong to the inputs shown: the user is told
// which field to correct, and no file dialog opens.
TEST_F(Documenti, NoDocumentOfResultsThatAreNotOfTheInputs) {
    digita_e_esci(5, "3a");
    const struct {
        const char* voce;
        const char* titolo;
        const char* testo;
    } casi[] = {{"relazione_pdf", "Relazione PDF", "Relazione PDF non scritta: correggere"},
                {"esporta_dxf", "Esporta DXF", "DXF non scritto: correggere"}};
    for (const auto& caso : casi) {
        QString titolo, testo;
        quando_aperto([&](QWidget& d) {
            titolo = d.windowTitle();
            testo = static_cast<QMessageBox&>(d).text();
            static_cast<QDialog&>(d).accept();
        });
        voce(finestra, caso.voce)->trigger();
        EXPECT_EQ(titolo, caso.titolo);
        EXPECT_TRUE(testo.startsWith(caso.testo)) << testo.toStdString();
    }
}

// The title block is asked first and kept when confirmed; cancelling it, or the file dialog
// after it, writes nothing.
TEST_F(Documenti, TheReportAsksTheTitleBlockThenTheFile) {
    QStringList aperti;
    quando_aperto([&aperti](QWidget& d) {
        aperti << d.objectName();
        d.findChild<QLineEdit*>("elemento")->setText("Pilastro P12");
        quando_aperto([&aperti](QWidget& file) {
            aperti << file.windowTitle();
            static_cast<QDialog&>(file).reject();
        });
        static_cast<QDialog&>(d).accept();
    });
    voce(finestra, "relazione_pdf")->trigger();
    EXPECT_EQ(aperti, QStringList({"intestazione", "Relazione PDF"}));
    EXPECT_EQ(QSettings().value("intestazione/elemento").toString(), "Pilastro P12");

    aperti.clear();
    quando_aperto([&aperti](QWidget& d) {
        aperti << d.objectName();
        EXPECT_EQ(d.findChild<QLineEdit*>("elemento")->text(), "Pilastro P12");
        static_cast<QDialog&>(d).reject();
    });
    voce(finestra, "relazione_pdf")->trigger();
    EXPECT_EQ(aperti, QStringList({"intestazione"}));
    for (const auto& file : std::filesystem::directory_iterator(cartella.percorso()))
        EXPECT_NE(file.path().extension(), ".pdf");
}

TEST_F(Documenti, TheDxfComesWithItsStudScheduleBeside) {
    digita_e_esci(1, "-200000"); // studs are designed
    const std::filesystem::path nome = cartella.percorso() / "solaio";
    quando_aperto([nome](QWidget& d) {
        auto& dialogo = static_cast<QFileDialog&>(d);
        EXPECT_EQ(dialogo.windowTitle(), "Esporta DXF");
        dialogo.selectFile(QString::fromStdString(nome.string()));
        static_cast<QDialog&>(dialogo).accept();
    });
    voce(finestra, "esporta_dxf")->trigger();
    EXPECT_NE(leggi_file(nome.string() + ".dxf").find("SECTION"), std::string::npos);
    const std::string distinta = leggi_file(nome.string() + ".csv");
    EXPECT_NE(distinta.substr(0, distinta.find('\n')).find(';'), std::string::npos);
}

// Confirmed title block, a name without its ending: NAME.pdf is written, then offered to the
// viewer (none under the offscreen platform, which the user is told).
TEST_F(Documenti, TheReportIsWrittenUnderTheChosenNameWithItsEnding) {
    const std::filesystem::path nome = cartella.percorso() / "relazione";
    QString avviso;
    quando_aperto([nome, &avviso](QWidget& d) {
        quando_aperto([nome, &avviso](QWidget& file) {
            static_cast<QFileDialog&>(file).selectFile(QString::fromStdString(nome.string()));
            quando_aperto([&avviso](QWidget& box) {
                avviso = static_cast<QMessageBox&>(box).text();
                static_cast<QDialog&>(box).accept();
            });
            static_cast<QDialog&>(file).accept();
        });
        static_cast<QDialog&>(d).accept();
    });
    voce(finestra, "relazione_pdf")->trigger();
    EXPECT_EQ(leggi_file(nome.string() + ".pdf").rfind("%PDF", 0), 0u);
    EXPECT_TRUE(avviso.endsWith(QString::fromStdString(nome.string()) + ".pdf"))
        << avviso.toStdString();
}

} // namespace
} // namespace tessaro::prova
