// The window at work: it opens at a size that fits the screen, remembers its size and place, and
// when enlarged gives the room to the plan and the warnings with every field still in view and
// in its order; the position is a result shown, not an option; the slab-edge distances carry
// their unit and what they decide.
#include "finestra_avviata.h"

#include "app/qt/vista_canvas.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

namespace tessaro::prova {
namespace {

// A screen's free area, the whole form with its menu bar (999 × 709, as on a 96 dpi screen) and
// the frame of the window manager: where the window opens when none was kept.
TEST(GeometriaIniziale, MostOfTheScreenNeverLessThanTheFormNorMoreThanTheScreen) {
    const QSize modulo(999, 709);
    const struct {
        QRect schermo;
        QMargins cornice;
        QRect attesa;
    } casi[] = {
        // 85 % of the width, the form's height (85 % of 768 would hide its foot)
        {{0, 0, 1366, 768}, {}, {103, 30, 1161, 709}},
        {{0, 0, 1600, 1000}, {}, {120, 75, 1360, 850}},
        {{0, 0, 2560, 1440}, {}, {192, 108, 2176, 1224}},
        // a task bar on top, a frame with its title bar: the frame stays on the screen
        {{0, 40, 1366, 728}, {4, 30, 4, 4}, {106, 70, 1154, 694}},
        // a screen smaller than the form (200 % on 1366 × 768): the screen, the form scrolls
        {{0, 0, 683, 384}, {}, {0, 0, 683, 384}},
    };
    for (const auto& c : casi) {
        const QRect g = geometria_iniziale(c.schermo, modulo, c.cornice);
        EXPECT_EQ(g, c.attesa) << c.schermo.width() << "x" << c.schermo.height();
        EXPECT_TRUE(c.schermo.contains(g.marginsAdded(c.cornice)));
    }
}

class Disposizione : public FinestraAvviata {
  protected:
    // Every input and command in view inside the scrolled form, the fields of each frame one
    // under the other in their order.
    void tutto_in_vista(QScrollArea& scorrimento) {
        const QRect vista(QPoint(0, 0), scorrimento.viewport()->size());
        std::vector<QWidget*> controlli;
        for (int i = 0; i < 39; ++i)
            controlli.push_back(campo(i));
        for (int i = 0; i < 11; ++i)
            controlli.push_back(comando(i));
        controlli.push_back(controllo<QWidget>("fichiodo"));
        for (QWidget* w : controlli) {
            const QRect r(w->mapTo(scorrimento.viewport(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(vista.contains(r)) << w->objectName().toStdString();
        }
        for (const std::vector<int>& cornice : {std::vector{36, 35, 34, 27, 37, 0, 1, 2, 3},
                                                {4, 5, 6, 7, 8, 9, 10, 38, 24, 25},
                                                {11, 12, 13, 14, 15, 26},
                                                {22, 21, 20, 33, 19, 18, 17, 16, 23, 32}})
            for (std::size_t k = 1; k < cornice.size(); ++k) {
                const QWidget *sopra = campo(cornice[k - 1]), *sotto = campo(cornice[k]);
                const QPoint a = sopra->mapTo(&finestra, QPoint()),
                             b = sotto->mapTo(&finestra, QPoint());
                EXPECT_EQ(a.x(), b.x()) << cornice[k];
                EXPECT_GE(b.y(), a.y() + sopra->height()) << cornice[k];
            }
    }
};

TEST_F(Disposizione, ALargerWindowGoesToThePlanAndTheWarningsEveryFieldInView) {
    digita_e_esci(1, "-200000"); // studs: the frame of the reinforcement is shown too
    auto* scorrimento = controllo<QScrollArea>("scorrimento");
    auto* pianta = controllo<VistaCanvas>("Pic");
    auto* avvisi = controllo<QListWidget>("avvisi");
    const QSize modulo = controllo<QWidget>("modulo")->sizeHint();
    int lato = 0, altezza_avvisi = 0;
    // The form as it is, and the two larger screens of the users.
    for (const QSize dimensione : {modulo + QSize(0, 30), QSize(1360, 850), QSize(2176, 1224)}) {
        finestra.resize(dimensione);
        QCoreApplication::processEvents();
        ASSERT_EQ(finestra.size(), dimensione);
        EXPECT_FALSE(scorrimento->horizontalScrollBar()->isVisible()) << dimensione.width();
        EXPECT_FALSE(scorrimento->verticalScrollBar()->isVisible()) << dimensione.width();
        tutto_in_vista(*scorrimento);
        const QRect q = pianta->quadrato();
        EXPECT_GT(q.width(), lato) << dimensione.width();
        EXPECT_GE(q.width(), Canvas::LATO_PX);
        // No width beside the square that the frames beside it could use.
        EXPECT_LE(pianta->width() - q.width(), 1) << dimensione.width();
        EXPECT_GT(avvisi->height(), altezza_avvisi) << dimensione.width();
        lato = q.width();
        altezza_avvisi = avvisi->height();
    }
    // 2176 × 1224: the plan more than three times the canvas's 236 pixels.
    EXPECT_GT(lato, 3 * Canvas::LATO_PX);
}

// The bright lines of the canvas (column, perimeters, studs), as fractions of the square
// that holds them: where the picture lies whatever its size.
QRectF chiaro(const QImage& q) {
    int x0 = q.width(), y0 = q.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < q.height(); ++y)
        for (int x = 0; x < q.width(); ++x)
            if (qGray(q.pixel(x, y)) > 200) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    return {double(x0) / q.width(), double(y0) / q.height(), double(x1 - x0) / q.width(),
            double(y1 - y0) / q.height()};
}

// The same picture at any size: the plan painted large lies where it lies at 236 pixels.
TEST_F(Disposizione, ThePlanIsTheCanvasPaintedLarger) {
    digita_e_esci(1, "-200000");
    auto* pianta = controllo<VistaCanvas>("Pic");
    const auto quadro = [&] {
        QCoreApplication::processEvents();
        return pianta->grab(pianta->quadrato()).toImage();
    };
    const QSize naturale = controllo<QWidget>("modulo")->sizeHint() +
                           QSize(0, controllo<QWidget>("barra_menu")->height());
    finestra.resize(naturale);
    const QImage piccola = quadro();
    finestra.resize(2176, 1224);
    const QImage grande = quadro();
    ASSERT_GT(grande.width(), 2.5 * piccola.width()); // the room of the larger window, taken
    const QRectF a = chiaro(piccola), b = chiaro(grande);
    ASSERT_GT(a.width(), 0.5); // the studs reach far out
    for (const auto& [x, y] : {std::pair{a.left(), b.left()},
                               {a.top(), b.top()},
                               {a.right(), b.right()},
                               {a.bottom(), b.bottom()}})
        EXPECT_NEAR(x, y, 0.02);
}

TEST_F(Disposizione, ThePositionFoundIsShownNotChosen) {
    const QString banner = controllo<QLabel>("esito")->text();
    for (int i = 0; i < 3; ++i) {
        QLabel* l = controllo<QLabel>(QString("Option2(%1)").arg(i));
        EXPECT_EQ(qobject_cast<QAbstractButton*>(l), nullptr);
        EXPECT_EQ(l->focusPolicy(), Qt::NoFocus) << i;
        clicca(l);
        EXPECT_EQ(f.Option2, (std::array<bool, 3>{true, false, false})) << i;
        EXPECT_EQ(controllo<QLabel>("esito")->text(), banner) << "the results stay current";
    }
    EXPECT_EQ(controllo<QLabel>("Option2(0)")->text(), QString::fromUtf8("● Centrale"));
    EXPECT_TRUE(controllo<QLabel>("Option2(0)")->font().bold());
    digita_e_esci(38, "0"); // the slab edge at the face: an edge column
    EXPECT_EQ(controllo<QLabel>("Option2(0)")->text(), QString::fromUtf8("○ Centrale"));
    EXPECT_FALSE(controllo<QLabel>("Option2(0)")->font().bold());
    EXPECT_EQ(controllo<QLabel>("Option2(1)")->text(), QString::fromUtf8("● Di bordo"));
    EXPECT_TRUE(controllo<QLabel>("Option2(1)")->font().bold());
    const QString spiegazione = controllo<QWidget>("Posizione")->toolTip();
    for (const char* parola : {"perimetro di verifica u1 più corto", "Db_a", "Db_b"})
        EXPECT_TRUE(spiegazione.contains(QString::fromUtf8(parola))) << parola;
}

TEST_F(Disposizione, TheSlabEdgeDistancesHaveTheirUnitAndSayWhatTheyDecide) {
    EXPECT_EQ(didascalia(38), "Db_a (cm)");
    EXPECT_EQ(didascalia(24), "Db_b (cm)");
    const QString spiegazione = campo(38)->toolTip();
    EXPECT_TRUE(spiegazione.contains("posizione del pilastro")) << spiegazione.toStdString();
    EXPECT_EQ(campo(24)->toolTip(), spiegazione);
    digita_e_esci(38, "1,5x"); // unreadable: the reason takes the place of the explanation
    EXPECT_EQ(campo(38)->toolTip(), "valore non numerico");
    digita_e_esci(38, "1000");
    EXPECT_EQ(campo(38)->toolTip(), spiegazione);
    digita_e_esci(24, "0"); // the edge on the b side: the axes turn and the names with them
    EXPECT_EQ(didascalia(38), "Db_b (cm)");
    EXPECT_EQ(didascalia(24), "Db_a (cm)");
}

using Geometria = FinestraQt;

TEST_F(Geometria, AtWorkTheWindowFitsTheScreenIsResizableAndRemembersItself) {
    avvia();
    const QRect schermo = finestra.screen()->availableGeometry();
    EXPECT_TRUE(schermo.contains(finestra.geometry())) << "opens on the screen";
    EXPECT_LT(finestra.minimumWidth(), finestra.maximumWidth());
    EXPECT_LT(finestra.minimumHeight(), finestra.maximumHeight());
    const QRect scelta(schermo.topLeft() + QPoint(40, 60), QSize(700, 500));
    finestra.setGeometry(scelta);
    EXPECT_FALSE(finestra.close()); // the farewell: the window shrinks, its size is kept
    EXPECT_NE(finestra.size(), scelta.size());
    const QByteArray tenuta = QSettings().value(FinestraTessaro::CHIAVE_GEOMETRIA).toByteArray();
    ASSERT_FALSE(tenuta.isEmpty());

    // The next start grows to where the user left it.
    FinestraTessaro seconda;
    seconda.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&seconda));
    QTest::mouseClick(seconda.findChild<QWidget*>("Picture3"), Qt::LeftButton);
    EXPECT_EQ(seconda.geometry(), scelta);
}

} // namespace
} // namespace tessaro::prova
