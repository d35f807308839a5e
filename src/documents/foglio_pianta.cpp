// The plan sheet: heading, the plan to scale, legend, scale bar and title block, laid out in
// millimetres of the sheet and painted in device units.
#include "documents/foglio_pianta.h"

#include "documents/geometria_pianta.h"
#include "documents/pianta_quotata.h"
#include "form/CalcoTess.h"
#include "verification/stato_caso.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <algorithm>

namespace tessaro {
namespace {

constexpr double TITOLO_MM = 8;         // the heading's row above the plan
constexpr double MARGINE_QUOTE_MM = 25; // each side of the plan, for its dimensions and names
constexpr double BANDA_MM = 45;         // below the plan: legend, scale bar, title block
constexpr double COLONNA_MM = 100;      // beside the plan on a wide sheet: the same, stacked
constexpr double CARTIGLIO_MM = 95;     // width of the title block
constexpr double RIGA_MM = 5.5;         // a row of the title block
constexpr double RIGA_ESITO_MM = 9;     // its last row, the verdict, on two lines
constexpr double ETICHETTA_MM = 21;     // the names' column of the title block
constexpr double SCALA_GRAFICA_MM = 10; // the scale bar with its figures

// Where each part of the sheet goes, mm from its top-left corner.
struct Disposizione {
    QRectF titolo, pianta;
    QPointF legenda, scala;
    QRectF cartiglio;
};

Disposizione disponi(double larghezza, double altezza) {
    Disposizione d;
    d.titolo = {0, 0, larghezza, TITOLO_MM};
    const double cartiglio = 4 * RIGA_MM + RIGA_ESITO_MM;
    if (larghezza > altezza) { // the legend, the bar and the block in a column on the right
        const double x = larghezza - COLONNA_MM;
        d.pianta = {0, TITOLO_MM, x - 5, altezza - TITOLO_MM};
        d.legenda = {x, TITOLO_MM};
        d.cartiglio = {larghezza - CARTIGLIO_MM, altezza - cartiglio, CARTIGLIO_MM, cartiglio};
    } else { // in a band below the plan
        d.pianta = {0, TITOLO_MM, larghezza, altezza - TITOLO_MM - BANDA_MM};
        d.legenda = {0, altezza - BANDA_MM + 3};
        d.cartiglio = {larghezza - CARTIGLIO_MM, altezza - cartiglio, CARTIGLIO_MM, cartiglio};
    }
    d.scala = {d.cartiglio.left(), d.cartiglio.top() - SCALA_GRAFICA_MM};
    return d;
}

QFont carattere(double mm, double punti_per_mm, bool grassetto = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(mm * punti_per_mm))));
    font.setBold(grassetto);
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: the texts stay searchable
    return font;
}

// The title block: a name and a value a row, the date and the scale sharing one, the verdict
// on two lines; a value longer than its cell is shortened, never run over the frame.
void cartiglio(QPainter& p, const QRectF& r, const CalcoTess& f, const Intestazione& i, int scala,
               double ppm) {
    p.save();
    p.setPen(QPen(Qt::black, 0.35 * ppm));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    const double riga = RIGA_MM * ppm, nomi = ETICHETTA_MM * ppm, spazio = 1.2 * ppm;
    const QFont piccolo = carattere(2, ppm), normale = carattere(2.5, ppm);
    const auto cella = [&](const QRectF& c, const QString& nome, const QString& valore,
                           bool grassetto = false, bool a_capo = false) {
        p.setPen(QPen(Qt::black, 0.18 * ppm));
        p.drawLine(c.topLeft(), c.topRight());
        p.drawLine(c.topLeft(), c.bottomLeft());
        p.drawLine(c.topLeft() + QPointF(nomi, 0), c.bottomLeft() + QPointF(nomi, 0));
        p.setPen(QColor(90, 90, 90));
        p.setFont(piccolo);
        p.drawText(c.adjusted(spazio, 0, 0, 0).adjusted(0, 0, nomi - c.width(), 0),
                   Qt::AlignLeft | Qt::AlignVCenter, nome);
        p.setPen(Qt::black);
        QFont font = normale;
        font.setBold(grassetto);
        p.setFont(font);
        const QRectF testo = c.adjusted(nomi + spazio, 0, -spazio, 0);
        const QFontMetricsF fm(font);
        if (a_capo && fm.horizontalAdvance(valore) > testo.width()) {
            // Two lines, broken at a blank; the second shortened where the text runs on.
            qsizetype taglio = valore.size();
            while (taglio > 0 && fm.horizontalAdvance(valore.left(taglio)) > testo.width())
                taglio = valore.lastIndexOf(' ', taglio - 1);
            const QString prima = taglio > 0 ? valore.left(taglio)
                                             : fm.elidedText(valore, Qt::ElideRight, testo.width());
            const QString seconda = taglio > 0 ? fm.elidedText(valore.mid(taglio).trimmed(),
                                                               Qt::ElideRight, testo.width())
                                               : QString();
            p.drawText(testo.adjusted(0, 0, 0, -testo.height() / 2),
                       Qt::AlignLeft | Qt::AlignBottom, prima);
            p.drawText(testo.adjusted(0, testo.height() / 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                       seconda);
        } else {
            p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter,
                       fm.elidedText(valore, Qt::ElideRight, testo.width()));
        }
    };
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    double y = r.top();
    for (const auto& [nome, valore] : {std::pair{"Progetto", q(i.progetto)},
                                       {"Elemento", q(i.elemento)},
                                       {"Progettista", q(i.progettista)}}) {
        cella({r.left(), y, r.width(), riga}, nome, valore);
        y += riga;
    }
    const double meta = r.width() / 2;
    cella({r.left(), y, meta, riga}, "Data", q(i.data));
    cella({r.left() + meta, y, meta, riga}, "Scala", QStringLiteral("1:%1").arg(scala), true);
    y += riga;
    cella({r.left(), y, r.width(), RIGA_ESITO_MM * ppm}, "Esito", q(stato_caso(f).testo_esito),
          false, true);
    p.restore();
}

} // namespace

int scala_pianta(const CalcoTess& f, double larghezza_mm, double altezza_mm) {
    const QRectF r = ingombro(geometria_pianta(f));
    const auto entra = [&](int scala) {
        return r.width() * 10 / scala + 2 * MARGINE_QUOTE_MM <= larghezza_mm &&
               r.height() * 10 / scala + 2 * MARGINE_QUOTE_MM <= altezza_mm;
    };
    for (int scala : {20, 25, 50}) // the usual scales of reinforcement drawings
        if (entra(scala)) return scala;
    // Then 1:100, 1:200, ...; a plan no scale fits (a frame too small) gets the last tried.
    int scala = 100;
    while (scala < 100000 && !entra(scala))
        scala *= 2;
    return scala;
}

int scala_foglio(const CalcoTess& f, double larghezza_mm, double altezza_mm) {
    const QRectF pianta = disponi(larghezza_mm, altezza_mm).pianta;
    return scala_pianta(f, pianta.width(), pianta.height());
}

int disegna_foglio_pianta(QPainter& p, const CalcoTess& f, const Intestazione& intestazione,
                          const QRectF& area, double ppm) {
    const Disposizione d = disponi(area.width() / ppm, area.height() / ppm);
    const auto dispositivo = [&](const QRectF& mm) {
        return QRectF(area.topLeft() + mm.topLeft() * ppm, mm.size() * ppm);
    };
    const int scala = scala_pianta(f, d.pianta.width(), d.pianta.height());
    p.save();
    p.setFont(carattere(4, ppm));
    p.setPen(Qt::black);
    p.drawText(dispositivo(d.titolo), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Pianta della chiodatura – scala 1:%1 (quote in %2)")
                   .arg(scala)
                   .arg(nome_unita(Unita::lunghezza, f.sistema)));
    p.restore();

    const QRectF e = ingombro(geometria_pianta(f));
    const QRectF disegno = dispositivo(d.pianta);
    const double k = 10.0 / scala * ppm; // device units per plan cm
    QTransform T;
    T.translate(disegno.center().x() - e.center().x() * k,
                disegno.center().y() + e.center().y() * k);
    T.scale(k, -k);
    p.save();
    p.setClipRect(disegno); // an opening's shadow runs to the frame, not over the legend
    disegna_pianta_quotata(p, f, T, ppm, disegno);
    p.restore();
    disegna_legenda(p, area.topLeft() + d.legenda * ppm, ppm, f.sistema);
    disegna_scala_grafica(p, area.topLeft() + d.scala * ppm, T, ppm, f.sistema);
    cartiglio(p, dispositivo(d.cartiglio), f, intestazione, scala, ppm);
    return scala;
}

} // namespace tessaro
