// The documented plan painted with QPainter in device coordinates: geometry mapped through
// the caller's transform, pens and texts sized in device millimetres.
#include "documents/pianta_quotata.h"

#include "documents/annotazioni_pianta.h"
#include "documents/geometria_pianta.h"
#include "drawing/qt/ritaglio.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <string>

namespace tessaro {
namespace {

// The colours of the plan on white; the legend names them.
const QColor COLORE_PILASTRO(215, 215, 215);
const QColor COLORE_U1(0, 90, 200);
const QColor COLORE_ESTERNO(190, 0, 140);
const QColor COLORE_TRALICCI(90, 90, 90);
const QColor COLORE_CHIODI(200, 0, 0);
const QColor COLORE_OMBRA(205, 220, 240);
const QColor COLORE_QUOTE(0, 110, 60);

// Device sizes, mm (the text, the band and the studs' in annotazioni_pianta.h).
constexpr double TRATTEGGIO_MM = 1.2; // spacing of the hatch lines

QFont carattere(double punti_per_mm) {
    return carattere_pianta(punti_per_mm);
}

QPen penna(const QColor& c, double mm, double punti_per_mm, Qt::PenStyle stile = Qt::SolidLine) {
    QPen pen(c, mm * punti_per_mm, stile, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

QPointF unitario(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, 0);
}

struct Pittore {
    QPainter& p;
    const QTransform& T;
    double ppm;    // device units per mm
    QRectF taglio; // what lies beyond is cut off, device; empty: nothing is

    // The part of `r` (device) that is drawn.
    QRectF dentro(const QRectF& r) const { return taglio.isEmpty() ? r : r.intersected(taglio); }

    QPointF M(const Punto& q) const { return T.map(QPointF(q.x, q.y)); }
    QPointF M(double x, double y) const { return T.map(QPointF(x, y)); }
    double mm(double v) const { return v * ppm; }
    // Device direction of the plan vector (dx, dy), unit length.
    QPointF verso(double dx, double dy) const { return unitario(M(dx, dy) - M(0, 0)); }

    void polilinea(const Polilinea& l) {
        QPolygonF poli;
        for (const Punto& q : l.punti)
            poli << M(q);
        if (l.chiusa)
            p.drawPolygon(poli);
        else
            p.drawPolyline(poli);
    }

    // Hatching of the device rectangle r: lines at 45° every TRATTEGGIO_MM, cut to it by hand,
    // since an SVG writer drops a painter's clip.
    void tratteggia(const QRectF& zona) {
        const QRectF r = dentro(zona);
        const double passo = mm(TRATTEGGIO_MM);
        for (double t = -zona.height(); t < zona.width(); t += passo) {
            QPointF a(zona.left() + t, zona.bottom()),
                b(zona.left() + t + zona.height(), zona.top());
            if (ritaglia_segmento(a, b, r)) p.drawLine(a, b);
        }
    }

    // The free edge from plan point a to b, hatched on the side of `fuori` (plan direction);
    // edges run along x or y, so the band is a rectangle on the device.
    void bordo(Punto a, Punto b, Punto fuori) {
        QPointF A = M(a), B = M(b);
        const QPointF n = verso(fuori.x, fuori.y) * mm(FASCIA_BORDO_MM);
        const QRectF fascia = QPolygonF({A, B, B + n, A + n}).boundingRect();
        p.setPen(penna(Qt::black, 0.5, ppm));
        if (ritaglia_segmento(A, B, dentro(fascia.adjusted(-1, -1, 1, 1)))) p.drawLine(A, B);
        p.setPen(penna(Qt::black, 0.15, ppm));
        tratteggia(fascia);
    }

    // A text of the plan, centred on its place and turned as it reads, on white so that what
    // runs under it does not hide it.
    void testo(const TestoPianta& t, const QColor& colore) {
        const QPointF c = M(t.centro);
        const QPointF lungo = M(t.centro.x + std::cos(t.angolo), t.centro.y + std::sin(t.angolo));
        p.save();
        p.translate(c);
        p.rotate(std::atan2(lungo.y() - c.y(), lungo.x() - c.x()) * 180 / PI);
        p.setFont(carattere(ppm));
        p.setPen(colore);
        const QFontMetricsF fm(p.font());
        const QString s = QString::fromStdString(t.testo);
        const double w = fm.horizontalAdvance(s), h = fm.capHeight(), bordo = mm(0.3);
        p.fillRect(QRectF(-w / 2, -h / 2 - bordo, w, h + 2 * bordo), Qt::white);
        p.drawText(QPointF(-w / 2, h / 2), s); // the capitals centred on the place
        p.restore();
    }

    // A dimension: extension lines from its points past its line, oblique ticks, the line
    // drawn on under its text where the text stands past an end.
    void quota(const QuotaPianta& d) {
        const QPointF A = M(d.da), B = M(d.a), A1 = M(d.linea_da), B1 = M(d.linea_a);
        const QPointF n = unitario(A1 - A), u = unitario(B1 - A1);
        p.setPen(penna(COLORE_QUOTE, 0.18, ppm));
        for (const auto& [punto, linea] : {std::pair{A, A1}, {B, B1}})
            if (QLineF(punto, linea).length() > mm(1))
                p.drawLine(punto + n * mm(1), linea + n * mm(1.5));
        // The line reaches the foot of its text, wherever the text stands along it.
        const QPointF T = M(d.testo.centro);
        const double lungo = QPointF::dotProduct(T - A1, u);
        const double w = QLineF(M({0, 0}), M({d.testo.larghezza, 0})).length() / 2;
        const double da = std::min(0.0, lungo - w),
                     a = std::max(QLineF(A1, B1).length(), lungo + w);
        p.drawLine(A1 + u * da, A1 + u * a);
        const QPointF obliquo = (u + n) * mm(1.0);
        p.setPen(penna(COLORE_QUOTE, 0.35, ppm));
        p.drawLine(A1 - obliquo, A1 + obliquo);
        p.drawLine(B1 - obliquo, B1 + obliquo);
        testo({d.prefisso + d.valore, d.testo.centro, d.testo.angolo, d.testo.larghezza,
               d.testo.altezza},
              COLORE_QUOTE);
    }
};

void ombra_e_foro(Pittore& d, const GeometriaPianta& g, const QRectF& estensione) {
    const double lontano = 2 * (std::fabs(estensione.left()) + std::fabs(estensione.right()) +
                                std::fabs(estensione.top()) + std::fabs(estensione.bottom()));
    // The shadow runs to the edge of the plan, not beyond: cut by hand, as for the hatching.
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(COLORE_OMBRA);
    d.p.drawPolygon(ritaglia_poligono(
        QPolygonF({d.M(0, 0), d.M(lontano * std::cos(g.alfa1), lontano * std::sin(g.alfa1)),
                   d.M(lontano * std::cos(g.alfa2), lontano * std::sin(g.alfa2))}),
        d.dentro(d.T.mapRect(estensione))));
    QPolygonF foro;
    for (const Punto& q : g.foro_angoli)
        foro << d.M(q);
    d.p.setBrush(Qt::white);
    d.p.setPen(penna(Qt::black, 0.4, d.ppm));
    d.p.drawPolygon(foro);
    d.p.setPen(penna(Qt::black, 0.15, d.ppm));
    d.p.drawLine(foro[0], foro[2]);
    d.p.drawLine(foro[1], foro[3]);
}

void bordi(Pittore& d, const GeometriaPianta& g, const QRectF& e) {
    const double y_da = g.bordo_y.value_or(e.top()), x_da = g.bordo_x.value_or(e.left());
    if (g.bordo_x) d.bordo({*g.bordo_x, e.bottom()}, {*g.bordo_x, y_da}, {-1, 0});
    if (g.bordo_y) d.bordo({x_da, *g.bordo_y}, {e.right(), *g.bordo_y}, {0, -1});
}

void pilastro(Pittore& d, const GeometriaPianta& g) {
    d.p.setPen(penna(Qt::black, 0.5, d.ppm));
    d.p.setBrush(COLORE_PILASTRO);
    if (g.circolare) {
        QPainterPath cerchio;
        cerchio.addEllipse(QPointF(0, 0), g.a / 2, g.a / 2);
        d.p.drawPath(d.T.map(cerchio));
    } else if (!g.pilastro.punti.empty()) {
        d.polilinea(g.pilastro);
    }
}

// Each rail from its first to its last stud: its length is the schedule's and "L tral.".
void tralicci(Pittore& d, const GeometriaPianta& g) {
    d.p.setBrush(Qt::NoBrush);
    d.p.setPen(penna(COLORE_TRALICCI, 0.5, d.ppm));
    for (const Traliccio& t : g.tralicci)
        if (!t.chiodi.empty()) d.p.drawLine(d.M(t.chiodo(0)), d.M(t.chiodo(t.chiodi.size() - 1)));
}

// The studs, of their diameter but never smaller than MIN_CHIODO_MM on the device.
void chiodi(Pittore& d, const GeometriaPianta& g) {
    const QLineF raggio_cm(d.M(0, 0), d.M(g.diametro_chiodo / 2, 0));
    const double raggio = std::max(raggio_cm.length(), d.mm(MIN_CHIODO_MM));
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(COLORE_CHIODI);
    for (const Traliccio& t : g.tralicci)
        for (std::size_t i = 0; i < t.chiodi.size(); ++i)
            d.p.drawEllipse(d.M(t.chiodo(i)), raggio, raggio);
}

// The dimensions and the rails' names, placed for the plan's size on the device.
void annotazioni(Pittore& d, const CalcoTess& f, const GeometriaPianta& g) {
    const double mm_per_cm = QLineF(d.M(0, 0), d.M(1, 0)).length() / d.ppm;
    const double maiuscole_mm = QFontMetricsF(carattere(d.ppm)).capHeight() / d.ppm;
    const AnnotazioniPianta a = annota_pianta(f, g, mm_per_cm, maiuscole_mm);
    for (const QuotaPianta& q : a.quote)
        d.quota(q);
    for (const TestoPianta& t : a.tralicci)
        d.testo(t, COLORE_TRALICCI);
}

struct VoceLegenda {
    const char* nome;
    enum { riempito, linea, tratteggio, punto } tipo;
    QColor colore;
    Qt::PenStyle stile = Qt::SolidLine;
};

const VoceLegenda LEGENDA[] = {
    {"Pilastro", VoceLegenda::riempito, COLORE_PILASTRO},
    {"Perimetro di verifica u1 (2·d dal pilastro)", VoceLegenda::linea, COLORE_U1, Qt::DashLine},
    {"Perimetro esterno (1.5·d oltre i chiodi)", VoceLegenda::linea, COLORE_ESTERNO,
     Qt::DashDotLine},
    {"Tralicci R1, R2, … della distinta", VoceLegenda::linea, COLORE_TRALICCI},
    {"Chiodi", VoceLegenda::punto, COLORE_CHIODI},
    {"Bordo libero della soletta", VoceLegenda::tratteggio, Qt::black},
    {"Foro e sua zona d'ombra", VoceLegenda::riempito, COLORE_OMBRA},
    {"Quote", VoceLegenda::linea, COLORE_QUOTE},
};

} // namespace

QRectF estensione_pianta(const CalcoTess& f) {
    const QRectF r = ingombro(geometria_pianta(f));
    // Room for the dimensions, the hatched bands and the labels, which keep their device
    // size: a quarter of the plan's larger side on every side.
    // At least a metre across, so that a plan of nothing yet (before the start-up) still
    // has a size to fit.
    const double m = std::max(0.25 * std::max(r.width(), r.height()), 50.0);
    return r.adjusted(-m, -m, m, m);
}

void disegna_pianta_quotata(QPainter& p, const CalcoTess& f, const QTransform& cm_a_dispositivo,
                            double punti_per_mm, const QRectF& ritaglio) {
    const GeometriaPianta g = geometria_pianta(f);
    const QRectF estensione = estensione_pianta(f);
    Pittore d{p, cm_a_dispositivo, punti_per_mm, ritaglio};
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (g.foro) ombra_e_foro(d, g, estensione);
    bordi(d, g, estensione);
    p.setBrush(Qt::NoBrush);
    p.setPen(penna(COLORE_U1, 0.35, punti_per_mm, Qt::DashLine));
    for (const Polilinea& l : g.u1)
        d.polilinea(l);
    p.setPen(penna(COLORE_ESTERNO, 0.35, punti_per_mm, Qt::DashDotLine));
    for (const Polilinea& l : g.esterno)
        d.polilinea(l);
    tralicci(d, g);
    pilastro(d, g);
    annotazioni(d, f, g);
    chiodi(d, g); // last: an extension line along a rail must not hide its studs
    p.restore();
}

QSizeF disegna_legenda(QPainter& p, QPointF dove, double punti_per_mm, Sistema sistema) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Pittore d{p, QTransform(), punti_per_mm, {}};
    p.setFont(carattere(punti_per_mm));
    const QFontMetricsF fm(p.font());
    const double riga = d.mm(5), campione = d.mm(10), spazio = d.mm(2);
    double larghezza = 0;
    double y = dove.y();
    for (const VoceLegenda& v : LEGENDA) {
        const QRectF c(dove.x(), y + d.mm(1), campione, riga - d.mm(2));
        p.setBrush(Qt::NoBrush);
        switch (v.tipo) {
        case VoceLegenda::riempito:
            p.setPen(penna(Qt::black, 0.25, punti_per_mm));
            p.setBrush(v.colore);
            p.drawRect(c);
            break;
        case VoceLegenda::linea:
            p.setPen(penna(v.colore, 0.5, punti_per_mm, v.stile));
            p.drawLine(QPointF(c.left(), c.center().y()), QPointF(c.right(), c.center().y()));
            break;
        case VoceLegenda::tratteggio:
            p.setPen(penna(Qt::black, 0.15, punti_per_mm));
            d.tratteggia(c);
            p.setPen(penna(Qt::black, 0.5, punti_per_mm));
            p.drawLine(c.topLeft(), c.topRight());
            break;
        case VoceLegenda::punto:
            p.setPen(Qt::NoPen);
            p.setBrush(v.colore);
            p.drawEllipse(c.center(), d.mm(0.9), d.mm(0.9));
            break;
        }
        QString nome = QString::fromUtf8(v.nome);
        if (v.colore == COLORE_QUOTE)
            nome += QStringLiteral(" (%1)").arg(nome_unita(Unita::lunghezza, sistema));
        p.setPen(Qt::black);
        p.drawText(QPointF(c.right() + spazio, c.center().y() + (fm.ascent() - fm.descent()) / 2),
                   nome);
        larghezza = std::max(larghezza, campione + spazio + fm.horizontalAdvance(nome));
        y += riga;
    }
    p.restore();
    return {larghezza, y - dove.y()};
}

void disegna_scala_grafica(QPainter& p, QPointF dove, const QTransform& cm_a_dispositivo,
                           double punti_per_mm, Sistema sistema) {
    const QLineF un_cm(cm_a_dispositivo.map(QPointF(0, 0)), cm_a_dispositivo.map(QPointF(1, 0)));
    const double per_cm = un_cm.length(); // device units per plan cm
    if (!(per_cm > 0)) return;
    // The longest round length that stays within 60 mm.
    double lunghezza = 1;
    for (double decade = 1; decade <= 1e6; decade *= 10)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * decade * per_cm <= 60 * punti_per_mm) lunghezza = m * decade;
    const double L = lunghezza * per_cm, h = 1.5 * punti_per_mm;
    p.save();
    p.setPen(penna(Qt::black, 0.25, punti_per_mm));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 == 0 ? QColor(Qt::black) : QColor(Qt::white));
        p.drawRect(QRectF(dove.x() + i * L / 4, dove.y(), L / 4, h));
    }
    p.setFont(carattere(punti_per_mm));
    const QFontMetricsF fm(p.font());
    const double y = dove.y() + h + fm.ascent() + punti_per_mm * 0.5;
    p.drawText(QPointF(dove.x() - fm.horizontalAdvance(QStringLiteral("0")) / 2, y),
               QStringLiteral("0"));
    const QString fine =
        QString::fromStdString(in_sistema(show(lunghezza), Unita::lunghezza, sistema) + " " +
                               nome_unita(Unita::lunghezza, sistema));
    p.drawText(QPointF(dove.x() + L - fm.horizontalAdvance(fine) / 2, y), fine);
    p.restore();
}

} // namespace tessaro
