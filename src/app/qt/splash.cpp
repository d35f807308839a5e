// The splash panel Picture3.
#include "app/qt/splash.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tessaro {
namespace {

// A column in plan with its control perimeter and eight rails of studs, in the square r.
void disegna_pilastro(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const double l = r.width();
    const double lato = l * 0.16, d2 = l * 0.2; // column side, perimeter distance
    p.setPen(QPen(QColor(40, 60, 90), 1.2));
    p.setBrush(QColor(150, 160, 175));
    p.drawRect(QRectF(c.x() - lato / 2, c.y() - lato / 2, lato, lato));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 90, 170), 1.2, Qt::DashLine));
    const double m = lato / 2 + d2;
    p.drawRoundedRect(QRectF(c.x() - m, c.y() - m, 2 * m, 2 * m), d2, d2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 40, 40));
    for (int k = 0; k < 8; ++k) {
        const double angolo = k * 3.141592654 / 4;
        for (int n = 1; n <= 3; ++n) {
            const double dist = lato / 2 + n * l * 0.1 / (k % 2 ? 0.8 : 1.0);
            p.drawEllipse(c + QPointF(dist * std::cos(angolo), -dist * std::sin(angolo)), 2.2, 2.2);
        }
    }
}

} // namespace

Splash::Splash(const Pannello& Picture3, const Twips& twips, QWidget* parent)
    : QWidget(parent), Picture3_(Picture3), twips_(twips) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, height());
    fondo.setColorAt(0, QColor(236, 241, 247));
    fondo.setColorAt(1, QColor(205, 216, 230));
    p.fillRect(rect(), fondo);

    const int testo_y = twips_.px_y(Picture3_.testo_y);
    const double margine = 10;
    const double alto = std::max(0.0, testo_y - 2 * margine); // the picture stays above the text
    const QRectF quadro(margine, margine, alto, alto);
    disegna_pilastro(p, quadro);

    const QRectF destra(quadro.right() + margine, margine, width() - quadro.right() - 2 * margine,
                        alto);
    const QString nome = QStringLiteral("TESSARO\nE CHIODATURA");
    QFont titolo = font();
    titolo.setBold(true);
    // As large as the room beside the picture allows.
    for (double scala = 2.2; scala > 1; scala -= 0.1) {
        titolo.setPointSizeF(font().pointSizeF() * scala);
        if (QFontMetricsF(titolo).boundingRect(destra, Qt::AlignLeft, nome).width() <=
            destra.width())
            break;
    }
    p.setFont(titolo);
    p.setPen(QColor(30, 50, 80));
    p.drawText(destra, Qt::AlignLeft | Qt::AlignVCenter, nome);

    p.setFont(font());
    p.setPen(Qt::black);
    p.drawText(QRectF(margine, testo_y, width() - 2 * margine, height() - testo_y),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromStdString(Picture3_.testo));
}

void Splash::mouseReleaseEvent(QMouseEvent*) {
    if (cliccato) cliccato();
}

// The keys a user tries on a picture that says "click": they start the calculator as a click.
void Splash::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        if (cliccato) cliccato();
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

} // namespace tessaro
