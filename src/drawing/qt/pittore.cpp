// Replaying the display list with a QPainter.
#include "drawing/qt/pittore.h"

#include "drawing/qt/font_canvas.h"
#include "drawing/qt/ritaglio.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace tessaro {

QColor sfondo_canvas() { return QColor(88, 80, 72); }

namespace {

constexpr double LATO = Canvas::LATO_PX;
// Lines and fills are cut a little outside the canvas, beyond the half width of the widest
// stroke (5 pixels), so that no cut end shows.
const QRectF VISTA(-8, -8, LATO + 16, LATO + 16);

QColor colore(int indice) {
    const Colore c = QBColor(indice);
    return QColor(c.r, c.g, c.b);
}

// World coordinates to canvas pixels, by the world window.
class Proiezione {
public:
    explicit Proiezione(const Canvas& c) : c_(c) {}
    // A window of no size (no position set) would send every point to infinity.
    bool valida() const {
        return c_.ScaleWidth != 0 && c_.ScaleHeight != 0 && std::isfinite(c_.ScaleLeft) &&
               std::isfinite(c_.ScaleTop) && std::isfinite(c_.ScaleWidth) &&
               std::isfinite(c_.ScaleHeight);
    }
    QPointF operator()(Punto q) const {
        return {(q.x - c_.ScaleLeft) / c_.ScaleWidth * LATO,
                (q.y - c_.ScaleTop) / c_.ScaleHeight * LATO};
    }
    double rx(double r) const { return std::fabs(r / c_.ScaleWidth * LATO); }
    double ry(double r) const { return std::fabs(r / c_.ScaleHeight * LATO); }
    bool y_su() const { return c_.ScaleHeight < 0; }

private:
    const Canvas& c_;
};

QPen penna(const Elemento& e) {
    QPen pen(colore(e.colore), e.larghezza);
    pen.setJoinStyle(Qt::RoundJoin);
    if (e.stile == 2) {
        // A dot of one line width every three: round caps would close the gaps.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1, 2});
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    return pen;
}

void arco(QPainter& p, const Proiezione& w, const Elemento& e) {
    const QPointF centro = w(e.p1);
    const double rx = w.rx(e.r), ry = w.ry(e.r);
    const QRectF box(centro.x() - rx, centro.y() - ry, 2 * rx, 2 * ry);
    if (e.intero) {
        p.drawEllipse(box);
        return;
    }
    double estensione = e.e - e.s;
    if (estensione < 0) estensione += 2 * PI;
    // Counter-clockwise in the world is counter-clockwise on the canvas when y points up.
    const double verso = w.y_su() ? 1 : -1;
    const double gradi = 180 / PI;
    QPainterPath path;
    path.arcMoveTo(box, verso * e.s * gradi);
    path.arcTo(box, verso * e.s * gradi, verso * estensione * gradi);
    p.drawPath(path);
}

void elemento(QPainter& p, const Proiezione& w, const QFontMetricsF& metriche, const Canvas& c,
              const Elemento& e, bool liscio) {
    p.setRenderHint(QPainter::Antialiasing, liscio);
    p.setPen(penna(e));
    p.setBrush(Qt::NoBrush);
    switch (e.tipo) {
    case Elemento::Tipo::linea: {
        QPointF a = w(e.p1), b = w(e.p2);
        if (ritaglia_segmento(a, b, VISTA)) p.drawLine(a, b);
        break;
    }
    case Elemento::Tipo::rettangolo:
        p.drawPolygon(ritaglia_poligono(QRectF(w(e.p1), w(e.p2)).normalized(), VISTA));
        break;
    case Elemento::Tipo::arco:
        arco(p, w, e);
        break;
    case Elemento::Tipo::punti:
        // Round dots as wide as the line, whatever the style. One pixel wide on a canvas of
        // one device pixel per pixel, a dot fills the pixel it falls in: smoothed, it would fade.
        for (std::size_t i = e.primo; i < e.fine; ++i) {
            const QPointF q = w(c.punti()[i]);
            if (!liscio && e.larghezza <= 1) {
                p.fillRect(QRectF(std::floor(q.x()), std::floor(q.y()), 1, 1), colore(e.colore));
                continue;
            }
            const double r = std::max(0.5, e.larghezza / 2.0);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(colore(e.colore));
            p.drawEllipse(q, r, r);
        }
        break;
    case Elemento::Tipo::triangolo:
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(colore(e.colore));
        p.drawPolygon(ritaglia_poligono(QPolygonF{w(e.p1), w(e.p2), w(e.p3)}, VISTA));
        break;
    case Elemento::Tipo::testo: {
        // The pen is the top-left corner of the text: the baseline lies one ascent below.
        // Leading blanks become an offset, which SVG readers that collapse blanks keep too.
        const QString testo = QString::fromStdString(c.testo(e));
        qsizetype spazi = 0;
        while (spazi < testo.size() && testo[spazi] == u' ') ++spazi;
        const QPointF rientro(metriche.horizontalAdvance(testo.left(spazi)), metriche.ascent());
        p.drawText(w(e.p1) + rientro, testo.mid(spazi));
        break;
    }
    }
}

} // namespace

void dipingi(QPainter& p, const Canvas& c, double lato_px) {
    p.save();
    p.scale(lato_px / LATO, lato_px / LATO); // from here on, canvas pixels
    p.setClipRect(QRectF(0, 0, LATO, LATO));
    p.fillRect(QRectF(0, 0, LATO, LATO), sfondo_canvas());
    // With one device pixel per canvas pixel, thin lines stay crisp only aliased; from two
    // device pixels up, smoothed edges read better.
    const double pixel = std::fabs(p.worldTransform().m11()) * p.device()->devicePixelRatioF();
    const bool liscio = pixel >= 2;
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = font_canvas();
    const QFontMetricsF metriche(font);
    p.setFont(font);
    const Proiezione w(c);
    if (w.valida())
        for (const Elemento& e : c.elementi()) elemento(p, w, metriche, c, e, liscio);
    p.restore();
}

} // namespace tessaro
