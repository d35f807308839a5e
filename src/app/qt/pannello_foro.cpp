// The opening panel Picture1.
#include "app/qt/pannello_foro.h"

#include "app/qt/campo_testo.h"
#include "app/qt/righe.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <array>

namespace tessaro {
namespace {

// The column in plan with an opening on its +x side, and the dimensions L, P, D and y that
// the fields give, in the letters of their captions.
class DisegnoForo : public QWidget {
  public:
    DisegnoForo() { setFixedSize(260, 200); }

  protected:
    void paintEvent(QPaintEvent*) override;
};

const QColor INCHIOSTRO(30, 40, 60);
const QColor QUOTE(20, 90, 170);

void freccia(QPainter& p, QPointF punta, QPointF da) {
    const QLineF l(punta, da);
    QLineF a = l;
    a.setLength(6);
    QLineF b = a;
    a.setAngle(l.angle() + 25);
    b.setAngle(l.angle() - 25);
    p.drawLine(a);
    p.drawLine(b);
}

// A dimension line between two points with arrows at both ends and its letter beside it.
void quota(QPainter& p, QPointF da, QPointF a, const QString& lettera, QPointF dove_lettera) {
    p.setPen(QPen(QUOTE, 1));
    p.drawLine(da, a);
    freccia(p, da, a);
    freccia(p, a, da);
    QFont f = p.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(dove_lettera - QPointF(12, 9), QSizeF(24, 18)), Qt::AlignCenter, lettera);
    f.setBold(false);
    p.setFont(f);
}

void richiamo(QPainter& p, QPointF da, QPointF a) {
    p.setPen(QPen(QUOTE, 0.8, Qt::DotLine));
    p.drawLine(da, a);
}

void DisegnoForo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);

    const QPointF O(55, 128);                           // column centre
    const double ax = 22, by = 26;                      // column half sides
    const double x_vicino = O.x() + ax + 78, prof = 50; // opening: near side, depth
    const double y_asse = O.y() - 62, larg = 44;        // opening: centre line, width
    const QRectF foro(x_vicino, y_asse - larg / 2, prof, larg);

    // Axes through the column centre.
    p.setPen(QPen(INCHIOSTRO, 1));
    p.drawLine(O, QPointF(250, O.y()));
    freccia(p, QPointF(250, O.y()), O);
    p.drawLine(O, QPointF(O.x(), 12));
    freccia(p, QPointF(O.x(), 12), O);
    p.drawText(QPointF(242, O.y() - 6), "x");
    p.drawText(QPointF(O.x() + 6, 20), "y");

    // The shadow of the opening: the two rays from the column centre that touch it.
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    for (const QPointF& angolo : {foro.bottomRight(), foro.topLeft()}) {
        QLineF raggio(O, angolo);
        raggio.setLength(raggio.length() * 1.25);
        p.drawLine(raggio);
    }

    p.setPen(QPen(INCHIOSTRO, 1.2));
    p.setBrush(QColor(170, 175, 185));
    p.drawRect(QRectF(O.x() - ax, O.y() - by, 2 * ax, 2 * by));
    p.setBrush(QBrush(QColor(120, 140, 170), Qt::BDiagPattern));
    p.drawRect(foro);
    p.setBrush(Qt::NoBrush);
    QFont piccolo = font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.85);
    p.setFont(piccolo);
    p.drawText(QRectF(O.x() - ax - 10, O.y() + by + 2, 2 * ax + 20, 14), Qt::AlignCenter,
               "pilastro");
    p.drawText(QRectF(foro.left(), foro.bottom() + 2, foro.width(), 14), Qt::AlignCenter, "foro");

    // Centre line of the opening, out to the y dimension.
    p.setPen(QPen(INCHIOSTRO, 0.8, Qt::DashDotLine));
    p.drawLine(QPointF(O.x() + ax + 30, y_asse), QPointF(foro.right() + 6, y_asse));

    const double y_D = O.y() + by + 26;
    richiamo(p, QPointF(O.x() + ax, O.y() + by), QPointF(O.x() + ax, y_D + 4));
    richiamo(p, foro.bottomLeft(), QPointF(x_vicino, y_D + 4));
    quota(p, QPointF(O.x() + ax, y_D), QPointF(x_vicino, y_D), "D",
          QPointF((O.x() + ax + x_vicino) / 2, y_D - 9));

    const double y_P = foro.top() - 16;
    richiamo(p, foro.topLeft(), QPointF(foro.left(), y_P - 4));
    richiamo(p, foro.topRight(), QPointF(foro.right(), y_P - 4));
    quota(p, QPointF(foro.left(), y_P), QPointF(foro.right(), y_P), "P",
          QPointF(foro.center().x(), y_P - 9));

    const double x_L = foro.right() + 22;
    richiamo(p, foro.topRight(), QPointF(x_L + 4, foro.top()));
    richiamo(p, foro.bottomRight(), QPointF(x_L + 4, foro.bottom()));
    quota(p, QPointF(x_L, foro.top()), QPointF(x_L, foro.bottom()), "L",
          QPointF(x_L + 11, foro.center().y()));

    const double x_y = O.x() + ax + 36;
    quota(p, QPointF(x_y, O.y()), QPointF(x_y, y_asse), "y",
          QPointF(x_y + 10, (O.y() + y_asse) / 2));
}

} // namespace

QFrame* pannello_foro(Controlli& c) {
    auto* pannello = new QFrame;
    pannello->setObjectName("Picture1");
    pannello->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pannello->setLineWidth(2);
    pannello->setAutoFillBackground(true);
    c.Picture1 = pannello;

    QGridLayout* campi = griglia();
    for (int i = 0; i < 4; ++i) {
        const Grandezza& g = grandezza_foro(i);
        auto* campo = new CampoTesto;
        campo->setObjectName(QString::fromStdString(nome_controllo(g.controllo)));
        campo->setFixedWidth(LARGHEZZA_CAMPO);
        c.Text2_5.at(static_cast<std::size_t>(i)) = campo;
        c.ordine_tab.push_back(campo);
        QLabel* l = etichetta(QString::fromUtf8(g.didascalia));
        c.didascalie.push_back({l, &g});
        l->setBuddy(campo);
        campi->addWidget(l, i, 0);
        campi->addWidget(campo, i, 1);
    }

    auto* bottoni = new QHBoxLayout;
    bottoni->addStretch();
    int i = 0;
    for (const char* testo : {"OK", "Annulla"}) {
        auto* b = new QPushButton(testo);
        b->setObjectName(QString("Command2(%1)").arg(i));
        c.Command2.at(static_cast<std::size_t>(i++)) = b;
        c.ordine_tab.push_back(b);
        bottoni->addWidget(b);
    }

    auto* destra = new QVBoxLayout;
    destra->addWidget(intestazione("Foro nella soletta:"));
    destra->addLayout(campi);
    destra->addStretch();
    destra->addLayout(bottoni);

    auto* h = new QHBoxLayout(pannello);
    h->addWidget(new DisegnoForo);
    h->addLayout(destra);
    pannello->hide();
    return pannello;
}

} // namespace tessaro
