// Placing the texts of the documented plan: for each text a few places in an order of
// preference, tried against the lines and points of the plan; the first that touches nothing
// is kept, else the one that touches least.
#include "documents/annotazioni_pianta.h"

#include "documents/distinta.h"
#include "form/CalcoTess.h"
#include "form/didascalie.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr double PASSO_MM = 6;      // drawing to dimension line, and line to line
constexpr double DISTACCO_MM = 0.8; // dimension line to its text
constexpr double OLTRE_MM = 1;      // a text put past the end of its dimension line
constexpr int SPOSTAMENTI = 6;      // half texts it may go farther along the line
// What a place of a dimension's text costs: each thing it touches, and each step away from the
// middle of its line (an easier read) a little.
constexpr int COSTO_URTO = 100;
constexpr double MARGINE_MM = 0.4;       // clear room kept round a text
constexpr double DISTACCO_NOME_MM = 1.5; // last stud to the rail's name

QPointF q(Punto p) {
    return {p.x, p.y};
}
Punto p(QPointF q) {
    return {q.x(), q.y()};
}
QPointF unitario(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(1, 0);
}

// The direction a text along v reads in: never upside down, within (−π/2, π/2].
double angolo_leggibile(QPointF v) {
    double a = std::atan2(v.y(), v.x());
    if (a > PI / 2 + 1e-9) a -= PI;
    if (a <= -PI / 2 + 1e-9) a += PI;
    return a;
}

// Lengths on paper turned into plan cm, and the size of a text.
class Carta {
  public:
    Carta(double mm_per_cm, double maiuscole_mm)
        : cm_per_mm_(1 / mm_per_cm), metriche_(carattere_pianta(1, PIXEL)),
          maiuscole_cm_(maiuscole_mm / mm_per_cm),
          em_cm_(maiuscole_cm_ * PIXEL / metriche_.capHeight()) {}
    double cm(double mm) const { return mm * cm_per_mm_; }
    TestoPianta testo(const std::string& t, QPointF centro, double angolo) const {
        const double larghezza =
            metriche_.horizontalAdvance(QString::fromStdString(t)) / PIXEL * em_cm_;
        return {t, p(centro), angolo, larghezza, maiuscole_cm_};
    }

  private:
    static constexpr int PIXEL = 100; // the font measured at this size, then scaled
    double cm_per_mm_;
    QFontMetricsF metriche_;
    double maiuscole_cm_, em_cm_;
};

// What a text must keep clear of: lines and points of the plan, and the texts already placed.
class Ostacoli {
  public:
    void segmento(QPointF a, QPointF b) { segmenti_.push_back({a, b}); }
    void polilinea(const Polilinea& l) {
        for (std::size_t i = 1; i < l.punti.size(); ++i)
            segmento(q(l.punti[i - 1]), q(l.punti[i]));
        if (l.chiusa && l.punti.size() > 2) segmento(q(l.punti.back()), q(l.punti.front()));
    }
    void punto(QPointF c, double raggio) { punti_.push_back({c, raggio}); }
    // A closed outline and what it holds: a text inside it touches it as one across it does.
    void area(const Polilinea& l) {
        polilinea(l);
        QPolygonF a;
        for (const Punto& v : l.punti)
            a << q(v);
        aree_.push_back(a);
    }
    void testo(const TestoPianta& t) {
        const auto v = vertici(t, 0);
        for (std::size_t i = 0; i < v.size(); ++i)
            segmento(v[i], v[(i + 1) % v.size()]);
        punto(q(t.centro), 0);
    }

    // How many of them the text's box, widened by `margine` cm, touches.
    int urti(const TestoPianta& t, double margine) const {
        const double mx = t.larghezza / 2 + margine, my = t.altezza / 2 + margine;
        int n = 0;
        for (const auto& [a, b] : segmenti_)
            if (taglia(locale(t, a), locale(t, b), mx, my)) ++n;
        for (const auto& [c, r] : punti_) {
            const QPointF l = locale(t, c);
            const double dx = std::max(0.0, std::fabs(l.x()) - mx),
                         dy = std::max(0.0, std::fabs(l.y()) - my);
            if (std::hypot(dx, dy) < r)
                ++n;
            else if (r == 0 && std::fabs(l.x()) <= mx && std::fabs(l.y()) <= my)
                ++n;
        }
        // Inside the column or the opening a text is worse than across a line.
        for (const QPolygonF& a : aree_)
            if (a.containsPoint(q(t.centro), Qt::OddEvenFill)) n += DENTRO;
        return n;
    }

  private:
    static constexpr int DENTRO = 3; // a text inside an area counts as this many touches

    // A point in the text's own frame: origin at its centre, x along it.
    static QPointF locale(const TestoPianta& t, QPointF a) {
        const QPointF d = a - q(t.centro);
        const double c = std::cos(t.angolo), s = std::sin(t.angolo);
        return {d.x() * c + d.y() * s, -d.x() * s + d.y() * c};
    }
    static std::array<QPointF, 4> vertici(const TestoPianta& t, double m) {
        const QPointF u(std::cos(t.angolo), std::sin(t.angolo)), n(-u.y(), u.x());
        const QPointF c = q(t.centro), x = u * (t.larghezza / 2 + m), y = n * (t.altezza / 2 + m);
        return {c - x - y, c + x - y, c + x + y, c - x + y};
    }
    // Whether the segment a–b meets the box |x| ≤ mx, |y| ≤ my (Liang–Barsky).
    static bool taglia(QPointF a, QPointF b, double mx, double my) {
        double t0 = 0, t1 = 1;
        const QPointF d = b - a;
        const auto limita = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double r = q / p;
            if (p < 0) {
                if (r > t1) return false;
                t0 = std::max(t0, r);
            } else {
                if (r < t0) return false;
                t1 = std::min(t1, r);
            }
            return true;
        };
        return limita(-d.x(), a.x() + mx) && limita(d.x(), mx - a.x()) &&
               limita(-d.y(), a.y() + my) && limita(d.y(), my - a.y());
    }

    std::vector<std::pair<QPointF, QPointF>> segmenti_;
    std::vector<std::pair<QPointF, double>> punti_;
    std::vector<QPolygonF> aree_;
};

// The rails, studs, perimeters, column, opening and free edges of the plan.
Ostacoli disegno(const GeometriaPianta& g, const Carta& carta) {
    Ostacoli o;
    const double raggio = std::max(g.diametro_chiodo / 2, carta.cm(MIN_CHIODO_MM));
    for (const Traliccio& t : g.tralicci) {
        if (t.chiodi.empty()) continue;
        o.segmento(q(t.chiodo(0)), q(t.chiodo(t.chiodi.size() - 1)));
        for (std::size_t i = 0; i < t.chiodi.size(); ++i)
            o.punto(q(t.chiodo(i)), raggio);
    }
    for (const auto* gruppo : {&g.u1, &g.esterno})
        for (const Polilinea& l : *gruppo)
            o.polilinea(l);
    if (g.circolare)
        o.punto({0, 0}, g.a / 2);
    else if (!g.pilastro.punti.empty())
        o.area(g.pilastro);
    if (g.foro) o.area({{g.foro_angoli.begin(), g.foro_angoli.end()}, true});
    // The free edges with their hatched bands, as far as any text may go.
    const QRectF r = ingombro(g);
    const double lontano = 4 * std::max(r.width(), r.height()) + 1000;
    const double fascia = carta.cm(FASCIA_BORDO_MM);
    if (g.bordo_x)
        for (const double x : {*g.bordo_x, *g.bordo_x - fascia})
            o.segmento({x, -lontano}, {x, lontano});
    if (g.bordo_y)
        for (const double y : {*g.bordo_y, *g.bordo_y - fascia})
            o.segmento({-lontano, y}, {lontano, y});
    return o;
}

// A dimension from da to a whose line runs `distanza` cm off them on the side n; its text just
// outside the line, centred on it or, where that touches something, past either end, then
// farther along the line drawn on under it, half a text at a time. Its cost goes to `costo`.
QuotaPianta quota(const Ostacoli& o, const Carta& carta, QuotaPianta::Tipo tipo, QPointF da,
                  QPointF a, QPointF n, double distanza, const std::string& prefisso,
                  const std::string& valore, int& costo) {
    QuotaPianta d;
    d.tipo = tipo;
    d.da = p(da);
    d.a = p(a);
    const QPointF l0 = da + n * distanza, l1 = a + n * distanza;
    d.linea_da = p(l0);
    d.linea_a = p(l1);
    d.misura = QLineF(l0, l1).length();
    d.prefisso = prefisso;
    d.valore = valore;
    const QPointF u = unitario(l1 - l0);
    const double angolo = angolo_leggibile(u);
    TestoPianta t = carta.testo(prefisso + valore, {}, angolo);
    const QPointF fuori = n * (carta.cm(DISTACCO_MM) + t.altezza / 2);
    const QPointF oltre = u * (t.larghezza / 2 + carta.cm(OLTRE_MM));
    std::vector<QPointF> posti{(l0 + l1) / 2 + fuori};
    for (int k = 0; k <= SPOSTAMENTI; ++k) {
        const QPointF ancora = u * (k * t.larghezza / 2);
        posti.push_back(l1 + oltre + ancora + fuori);
        posti.push_back(l0 - oltre - ancora + fuori);
    }
    // Nor across its own extension lines: a text longer than its line goes past an end.
    Ostacoli proprie;
    proprie.segmento(da, l0 + n * carta.cm(1.5));
    proprie.segmento(a, l1 + n * carta.cm(1.5));
    int meno = -1;
    for (std::size_t i = 0; i < posti.size(); ++i) {
        t.centro = p(posti[i]);
        const int urti = o.urti(t, carta.cm(MARGINE_MM)) + proprie.urti(t, carta.cm(MARGINE_MM));
        const int prezzo = urti * COSTO_URTO + static_cast<int>(i);
        if (meno < 0 || prezzo < meno) {
            meno = prezzo;
            d.testo = t;
        }
        if (urti == 0) break; // the places farther on cost more
    }
    costo += meno;
    return d;
}

// A quantity's text as the plan writes it: without blanks, in the unit system of the form.
std::string valore(const CalcoTess& f, const Grandezza& g) {
    return QString::fromStdString(testo_vista(f, g)).trimmed().toStdString();
}

// The column: a (or its diameter) below everything, b on the left beyond everything and beyond
// the hatched band of a free edge there.
void quote_pilastro(std::vector<QuotaPianta>& quote, Ostacoli& o, const Carta& carta,
                    const CalcoTess& f, const GeometriaPianta& g) {
    const QRectF r = ingombro(g); // y up: top() is the lowest y
    const double passo = carta.cm(PASSO_MM);
    int costo = 0;
    const double y_a = g.circolare ? 0 : -g.b / 2; // the sides' feet, or the circle's widest
    // Its text and its line are kept clear of; its extension lines may run under a name.
    const auto tieni = [&](const QuotaPianta& d) {
        o.testo(d.testo);
        o.segmento(q(d.linea_da), q(d.linea_a));
        quote.push_back(d);
    };
    tieni(quota(o, carta, QuotaPianta::Tipo::orizzontale, {-g.a / 2, y_a}, {g.a / 2, y_a}, {0, -1},
                y_a - r.top() + passo, g.circolare ? "Ø " : "a = ", valore(f, grandezza(Dato::a)), costo));
    if (g.circolare) return;
    const double fuori = -g.a / 2 - r.left() + passo + (g.bordo_x ? carta.cm(FASCIA_BORDO_MM) : 0);
    tieni(quota(o, carta, QuotaPianta::Tipo::verticale, {-g.a / 2, -g.b / 2}, {-g.a / 2, g.b / 2},
                {-1, 0}, fuori, "b = ", valore(f, grandezza(Dato::b)), costo));
}

// S1, S and L on rail t, their lines one step apart on side `lato` (+1 left of the rail), and
// what their texts cost. A text beyond a free edge, off the slab, costs as one that touches
// something.
std::vector<QuotaPianta> catena(const Ostacoli& ostacoli, const Carta& carta, const CalcoTess& f,
                                const GeometriaPianta& g, const Traliccio& t, int lato,
                                int& costo) {
    Ostacoli o = ostacoli;
    const QPointF u(std::cos(t.angolo), std::sin(t.angolo));
    const QPointF n = QPointF(-u.y(), u.x()) * lato;
    const double passo = carta.cm(PASSO_MM);
    const QPointF c0 = q(t.chiodo(0));
    std::vector<QuotaPianta> c{quota(o, carta, QuotaPianta::Tipo::allineata, q(t.origine), c0, n,
                                     passo, "S1 = ", valore(f, grandezza(Dato::S1)), costo)};
    o.testo(c.back().testo);
    if (t.chiodi.size() > 1) {
        c.push_back(quota(o, carta, QuotaPianta::Tipo::allineata, c0, q(t.chiodo(1)), n, 2 * passo,
                          "S = ", valore(f, grandezza(Dato::S)), costo));
        o.testo(c.back().testo);
        c.push_back(quota(o, carta, QuotaPianta::Tipo::allineata, c0,
                          q(t.chiodo(t.chiodi.size() - 1)), n, 3 * passo, "L = ",
                          valore(f, grandezza(Risultato::L_tral)), costo));
    }
    for (const QuotaPianta& d : c)
        if ((g.bordo_x && d.testo.centro.x < *g.bordo_x) ||
            (g.bordo_y && d.testo.centro.y < *g.bordo_y))
            costo += COSTO_URTO;
    return c;
}

// The rails that may carry the chain, the one the plan has always dimensioned first (the most
// nearly along +x, the highest), then the others of as many studs round the column.
std::vector<const Traliccio*> rotaie_quotabili(const GeometriaPianta& g) {
    std::vector<const Traliccio*> r;
    std::size_t massimo = 0;
    for (const Traliccio& t : g.tralicci)
        if (t.tipo != Traliccio::Tipo::diagonale) massimo = std::max(massimo, t.chiodi.size());
    if (massimo == 0) return r;
    const Traliccio* primo = traliccio_quotato(g);
    if (primo && primo->chiodi.size() == massimo) r.push_back(primo);
    for (const Traliccio& t : g.tralicci)
        if (&t != primo && t.tipo != Traliccio::Tipo::diagonale && t.chiodi.size() == massimo)
            r.push_back(&t);
    return r;
}

// Each rail's name past its last stud along it; where that touches something, beside the last
// stud on either side, one or two names farther out (rails too close for their names side by
// side take turns), then before the first stud.
std::vector<TestoPianta> nomi(Ostacoli& o, const Carta& carta, const GeometriaPianta& g) {
    std::vector<TestoPianta> nomi;
    const double raggio = std::max(g.diametro_chiodo / 2, carta.cm(MIN_CHIODO_MM));
    for (std::size_t i = 0; i < g.tralicci.size(); ++i) {
        const Traliccio& t = g.tralicci[i];
        if (t.chiodi.empty()) continue;
        const QPointF u(std::cos(t.angolo), std::sin(t.angolo)), n(-u.y(), u.x());
        TestoPianta nome = carta.testo(nome_traliccio(i), {}, angolo_leggibile(u));
        const QPointF fine = q(t.chiodo(t.chiodi.size() - 1)), inizio = q(t.chiodo(0));
        const double lungo = raggio + carta.cm(DISTACCO_NOME_MM) + nome.larghezza / 2;
        const double largo = raggio + carta.cm(DISTACCO_NOME_MM) / 2 + nome.altezza / 2;
        const QPointF passo = u * (nome.larghezza + carta.cm(DISTACCO_NOME_MM));
        const QPointF posti[] = {fine + u * lungo,
                                 fine - u * (nome.larghezza / 2) + n * largo,
                                 fine - u * (nome.larghezza / 2) - n * largo,
                                 fine + u * lungo + passo,
                                 fine + u * lungo + passo * 2,
                                 inizio - u * lungo};
        int meno = -1;
        TestoPianta scelto;
        for (const QPointF& c : posti) {
            nome.centro = p(c);
            const int urti = o.urti(nome, carta.cm(MARGINE_MM));
            if (meno < 0 || urti < meno) {
                meno = urti;
                scelto = nome;
            }
            if (urti == 0) break;
        }
        o.testo(scelto);
        nomi.push_back(scelto);
    }
    return nomi;
}

} // namespace

QFont carattere_pianta(double punti_per_mm, double em_mm) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em_mm * punti_per_mm))));
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: "Veff" stays searchable
    return font;
}

AnnotazioniPianta annota_pianta(const CalcoTess& f, const GeometriaPianta& g, double mm_per_cm,
                                double maiuscole_mm) {
    AnnotazioniPianta a;
    if (!(mm_per_cm > 0) || !std::isfinite(mm_per_cm)) return a;
    const Carta carta(mm_per_cm, maiuscole_mm);
    Ostacoli o = disegno(g, carta);
    // The column's dimensions stand beyond everything; the names keep clear of their lines.
    if (g.quotato) quote_pilastro(a.quote, o, carta, f, g);
    a.tralicci = nomi(o, carta, g);
    if (!g.quotato) return a; // a shape only drawn, not verified: no dimensions
    std::vector<QuotaPianta> migliore;
    int meno = -1;
    for (const Traliccio* t : rotaie_quotabili(g)) {
        for (const int lato : {1, -1}) {
            int costo = 0;
            std::vector<QuotaPianta> c = catena(o, carta, f, g, *t, lato, costo);
            if (meno < 0 || costo < meno) {
                meno = costo;
                migliore = std::move(c);
            }
            if (meno == 0) break;
        }
        if (meno == 0) break;
    }
    a.quote.insert(a.quote.end(), migliore.begin(), migliore.end());
    return a;
}

} // namespace tessaro
