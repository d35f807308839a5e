// Replaying the display list with a QPainter.
#include "drawing/qt/pittore.h"

#include "drawing/qt/font_canvas.h"

#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace tessaro {

QColor sfondo_canvas() { return QColor(72, 96, 112); }

namespace {

QColor colore(int indice) {
    const Colore c = QBColor(indice);
    return QColor(c.r, c.g, c.b);
}

} // namespace

void dipingi(QPainter& p, const Canvas& c, double lato_px) {
    const double k = lato_px / Canvas::LATO_PX; // device pixels per canvas pixel
    // World to device: x from ScaleLeft, y from ScaleTop, both scaled to the square.
    const auto dx = [&](double x) { return (x - c.ScaleLeft) / c.ScaleWidth * lato_px; };
    const auto dy = [&](double y) { return (y - c.ScaleTop) / c.ScaleHeight * lato_px; };
    const auto punto = [&](const Punto& q) { return QPointF(dx(q.x), dy(q.y)); };

    p.save();
    p.setClipRect(QRectF(0, 0, lato_px, lato_px));
    p.fillRect(QRectF(0, 0, lato_px, lato_px), sfondo_canvas());
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = font_canvas();
    font.setPointSizeF(font.pointSizeF() * k);
    p.setFont(font);
    for (const Elemento& e : c.elementi()) {
        QPen penna(colore(e.colore), e.larghezza * k);
        penna.setCapStyle(Qt::RoundCap);
        if (e.stile == 2) penna.setStyle(Qt::DotLine);
        p.setPen(penna);
        p.setBrush(Qt::NoBrush);
        switch (e.tipo) {
        case Elemento::Tipo::linea:
            p.drawLine(punto(e.p1), punto(e.p2));
            break;
        case Elemento::Tipo::rettangolo:
            p.drawRect(QRectF(punto(e.p1), punto(e.p2)).normalized());
            break;
        case Elemento::Tipo::arco: {
            const double rx = std::fabs(e.r / c.ScaleWidth * lato_px);
            const double ry = std::fabs(e.r / c.ScaleHeight * lato_px);
            const QRectF box(dx(e.p1.x) - rx, dy(e.p1.y) - ry, 2 * rx, 2 * ry);
            if (e.intero) {
                p.drawEllipse(box);
                break;
            }
            double estensione = e.e - e.s;
            if (estensione < 0) estensione += 2 * PI;
            // Counter-clockwise in the world; the world's y points up when ScaleHeight < 0.
            const double verso = c.ScaleHeight < 0 ? 1 : -1;
            QPainterPath arco;
            arco.arcMoveTo(box, verso * e.s * 180 / PI);
            arco.arcTo(box, verso * e.s * 180 / PI, verso * estensione * 180 / PI);
            p.drawPath(arco);
            break;
        }
        case Elemento::Tipo::punto: {
            const double r = std::max(0.5, e.larghezza * k / 2);
            p.setPen(Qt::NoPen);
            p.setBrush(colore(e.colore));
            p.drawEllipse(punto(e.p1), r, r);
            break;
        }
        case Elemento::Tipo::testo:
            p.setPen(colore(e.colore));
            p.drawText(QRectF(punto(e.p1), QSizeF(lato_px * 4, lato_px)),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                       QString::fromStdString(e.testo));
            break;
        }
    }
    p.restore();
}

} // namespace tessaro
