// The documented plan painted with QPainter in device coordinates: geometry mapped through
// the caller's transform, pens and texts sized in device millimetres.
#include "documents/pianta_quotata.h"

#include "documents/geometria_pianta.h"
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

// Device sizes, mm.
constexpr double TESTO_MM = 2.5;      // text height
constexpr double FASCIA_MM = 4;       // width of the hatched band beyond a free edge
constexpr double TRATTEGGIO_MM = 1.2; // spacing of the hatch lines
constexpr double MIN_CHIODO_MM = 0.5; // smallest radius a stud is drawn with

QFont carattere(double punti_per_mm, double mm = TESTO_MM) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(mm * punti_per_mm))));
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: "Veff" stays searchable
    return font;
}

QPen penna(const QColor& c, double mm, double punti_per_mm, Qt::PenStyle stile = Qt::SolidLine) {
    QPen pen(c, mm * punti_per_mm, stile, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

QPointF unitario(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, 0);
}

// A field's text as a dimension shows it, without the blank the short form puts before it.
QString valore(const std::string& testo) {
    return QString::fromStdString(testo).trimmed();
}

struct Pittore {
    QPainter& p;
    const QTransform& T;
    double ppm; // device units per mm

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

    // Hatching inside the device polygon: lines at 45° every TRATTEGGIO_MM.
    void tratteggia(const QPolygonF& zona) {
        p.save();
        QPainterPath percorso;
        percorso.addPolygon(zona);
        p.setClipPath(percorso, Qt::IntersectClip);
        const QRectF r = zona.boundingRect();
        const double passo = mm(TRATTEGGIO_MM);
        for (double t = -r.height(); t < r.width(); t += passo)
            p.drawLine(QPointF(r.left() + t, r.bottom()),
                       QPointF(r.left() + t + r.height(), r.top()));
        p.restore();
    }

    // The free edge from plan point a to b, hatched on the side of `fuori` (plan direction).
    void bordo(Punto a, Punto b, Punto fuori) {
        const QPointF A = M(a), B = M(b), n = verso(fuori.x, fuori.y) * mm(FASCIA_MM);
        p.setPen(penna(Qt::black, 0.5, ppm));
        p.drawLine(A, B);
        p.setPen(penna(Qt::black, 0.15, ppm));
        tratteggia(QPolygonF({A, B, B + n, A + n}));
    }

    // A dimension from A to B (device), its line `distanza` device units off along the unit
    // normal n, extension lines from the points, oblique ticks, the text above the line.
    void quota(QPointF A, QPointF B, QPointF n, double distanza, const QString& testo) {
        const QPointF A1 = A + n * distanza, B1 = B + n * distanza;
        p.setPen(penna(COLORE_QUOTE, 0.18, ppm));
        p.drawLine(A + n * mm(1), A1 + n * mm(1.5));
        p.drawLine(B + n * mm(1), B1 + n * mm(1.5));
        p.drawLine(A1, B1);
        const QPointF u = unitario(B1 - A1);
        const QPointF obliquo = (u + n) * mm(1.0);
        p.setPen(penna(COLORE_QUOTE, 0.35, ppm));
        p.drawLine(A1 - obliquo, A1 + obliquo);
        p.drawLine(B1 - obliquo, B1 + obliquo);
        double angolo = std::atan2(u.y(), u.x()) * 180 / PI;
        if (angolo > 90.01) angolo -= 180;
        if (angolo < -90.01) angolo += 180;
        p.save();
        p.translate((A1 + B1) / 2 + n * mm(0.8));
        p.rotate(angolo);
        p.setFont(carattere(ppm));
        p.setPen(COLORE_QUOTE);
        const QFontMetricsF fm(p.font());
        const double w = fm.horizontalAdvance(testo);
        // Above the line when n points up on the device, below otherwise.
        const QPointF normale_ruotata = QTransform().rotate(-angolo).map(n);
        const double y = normale_ruotata.y() <= 0 ? -fm.descent() : fm.ascent();
        // On white, so that rails and studs under it do not hide it.
        p.fillRect(QRectF(-w / 2, y - fm.ascent(), w, fm.ascent() + fm.descent()), Qt::white);
        p.drawText(QPointF(-w / 2, y), testo);
        p.restore();
    }
};

void ombra_e_foro(Pittore& d, const GeometriaPianta& g, const QRectF& estensione) {
    const double lontano = 2 * (std::fabs(estensione.left()) + std::fabs(estensione.right()) +
                                std::fabs(estensione.top()) + std::fabs(estensione.bottom()));
    // The shadow runs to the edge of the plan, not beyond.
    d.p.save();
    d.p.setClipRect(d.T.mapRect(estensione), Qt::IntersectClip);
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(COLORE_OMBRA);
    d.p.drawPolygon(
        QPolygonF({d.M(0, 0), d.M(lontano * std::cos(g.alfa1), lontano * std::sin(g.alfa1)),
                   d.M(lontano * std::cos(g.alfa2), lontano * std::sin(g.alfa2))}));
    d.p.restore();
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

void tralicci(Pittore& d, const GeometriaPianta& g) {
    d.p.setBrush(Qt::NoBrush);
    d.p.setPen(penna(COLORE_TRALICCI, 0.5, d.ppm));
    for (const Traliccio& t : g.tralicci)
        d.p.drawLine(d.M(t.origine), d.M(t.chiodo(t.chiodi.size() - 1)));
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

void quote(Pittore& d, const CalcoTess& f, const GeometriaPianta& g, const QRectF& ingombro) {
    if (!g.quotato) return;
    // The column: a below everything, b on the left beyond the hatched edge.
    const QPointF giu = d.verso(0, -1), sinistra = d.verso(-1, 0);
    const double sotto = QLineF(d.M(0, ingombro.top()), d.M(0, -g.b / 2)).length();
    const QString a = (g.circolare ? QStringLiteral("Ø ") : QStringLiteral("a = ")) +
                      valore(f.Text1[Dato::a].Text);
    d.quota(d.M(-g.a / 2, -g.b / 2), d.M(g.a / 2, -g.b / 2), giu, sotto + d.mm(6), a);
    if (!g.circolare) {
        const double fuori = QLineF(d.M(ingombro.left(), 0), d.M(-g.a / 2, 0)).length() +
                             d.mm(g.bordo_x ? 6 + FASCIA_MM : 6);
        d.quota(d.M(-g.a / 2, -g.b / 2), d.M(-g.a / 2, g.b / 2), sinistra, fuori,
                QStringLiteral("b = ") + valore(f.Text1[Dato::b].Text));
    }
    const Traliccio* t = traliccio_quotato(g);
    if (!t) return;
    const QPointF n = d.verso(-std::sin(t->angolo), std::cos(t->angolo));
    const QPointF O = d.M(t->origine), C0 = d.M(t->chiodo(0));
    // One row each: at small scales S1 and S are shorter than their texts.
    const double passo = d.mm(6);
    d.quota(O, C0, n, passo, QStringLiteral("S1 = ") + valore(f.Text1[Dato::S1].Text));
    if (t->chiodi.size() > 1) {
        d.quota(C0, d.M(t->chiodo(1)), n, 2 * passo,
                QStringLiteral("S = ") + valore(f.Text1[Dato::S].Text));
        d.quota(C0, d.M(t->chiodo(t->chiodi.size() - 1)), n, 3 * passo,
                QStringLiteral("L = ") + valore(f.Label3[Risultato::L_tral].Caption));
    }
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
    {"Tralicci", VoceLegenda::linea, COLORE_TRALICCI},
    {"Chiodi", VoceLegenda::punto, COLORE_CHIODI},
    {"Bordo libero della soletta", VoceLegenda::tratteggio, Qt::black},
    {"Foro e sua zona d'ombra", VoceLegenda::riempito, COLORE_OMBRA},
    {"Quote (cm)", VoceLegenda::linea, COLORE_QUOTE},
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
                            double punti_per_mm) {
    const GeometriaPianta g = geometria_pianta(f);
    const QRectF estensione = estensione_pianta(f);
    Pittore d{p, cm_a_dispositivo, punti_per_mm};
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
    quote(d, f, g, ingombro(g));
    chiodi(d, g); // last: an extension line along a rail must not hide its studs
    p.restore();
}

QSizeF disegna_legenda(QPainter& p, QPointF dove, double punti_per_mm) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Pittore d{p, QTransform(), punti_per_mm};
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
            d.tratteggia(QPolygonF(c));
            p.setPen(penna(Qt::black, 0.5, punti_per_mm));
            p.drawLine(c.topLeft(), c.topRight());
            break;
        case VoceLegenda::punto:
            p.setPen(Qt::NoPen);
            p.setBrush(v.colore);
            p.drawEllipse(c.center(), d.mm(0.9), d.mm(0.9));
            break;
        }
        const QString nome = QString::fromUtf8(v.nome);
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
                           double punti_per_mm) {
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
    const QString fine = QString::fromStdString(show(lunghezza)) + QStringLiteral(" cm");
    p.drawText(QPointF(dove.x() + L - fm.horizontalAdvance(fine) / 2, y), fine);
    p.restore();
}

} // namespace tessaro
