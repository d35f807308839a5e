// The texts of the documented plan and its sheet: dimension texts that cross no rail, stud,
// perimeter or edge at the printed size and at the DXF's; each rail named as the schedule names
// it, beside its own end; only the final outer perimeter; the title block on the sheet.
#include "casi.h"
#include "documents/annotazioni_pianta.h"
#include "documents/distinta.h"
#include "documents/foglio_pianta.h"
#include "documents/geometria_pianta.h"
#include "pdf_letto.h"
#include "support/applicazione_qt.h"
#include "verification/stato_caso.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>

namespace tessaro {
namespace {

using prova::FinestraProva;
using prova::testo_pdf;

// The points of the plan a text must not cover: along each rail, the studs, along each
// perimeter and the column's outline, a point every millimetre.
std::vector<Punto> punti_del_disegno(const GeometriaPianta& g) {
    std::vector<Punto> v;
    const auto segmento = [&](Punto a, Punto b) {
        const int n = 1 + static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 0.1);
        for (int i = 0; i <= n; ++i)
            v.push_back({a.x + (b.x - a.x) * i / n, a.y + (b.y - a.y) * i / n});
    };
    for (const Traliccio& t : g.tralicci)
        segmento(t.chiodo(0), t.chiodo(t.chiodi.size() - 1));
    for (const auto* gruppo : {&g.u1, &g.esterno})
        for (const Polilinea& l : *gruppo)
            for (std::size_t i = 1; i < l.punti.size(); ++i)
                segmento(l.punti[i - 1], l.punti[i]);
    for (std::size_t i = 0; i < g.pilastro.punti.size(); ++i)
        segmento(g.pilastro.punti[i], g.pilastro.punti[(i + 1) % g.pilastro.punti.size()]);
    return v;
}

// Whether the point lies inside the text's box.
bool copre(const TestoPianta& t, Punto p) {
    const double dx = p.x - t.centro.x, dy = p.y - t.centro.y;
    const double c = std::cos(t.angolo), s = std::sin(t.angolo);
    return std::fabs(dx * c + dy * s) < t.larghezza / 2 &&
           std::fabs(-dx * s + dy * c) < t.altezza / 2;
}

class AnnotazioniCaso : public ::testing::TestWithParam<CasoPianta> {};

// At the report's scale, with the capitals of the printed plan (1.8 mm) and of the DXF
// (2.5 mm): every dimension text clear of the drawing and of the other texts.
TEST_P(AnnotazioniCaso, DimensionTextsCoverNoRailStudOrPerimeter) {
    FinestraProva w;
    prepara(w, GetParam());
    const GeometriaPianta g = geometria_pianta(*w.f);
    const std::vector<Punto> disegno = punti_del_disegno(g);
    const double ppm = 300 / 25.4; // the report's device units to the mm
    const double stampa = QFontMetricsF(carattere_pianta(ppm)).capHeight() / ppm;
    for (const double maiuscole : {stampa, 2.5}) {
        const AnnotazioniPianta a = annota_pianta(*w.f, g, 10.0 / scala_relazione(*w.f), maiuscole);
        ASSERT_EQ(a.quote.size(), g.circolare ? 4u : 5u);
        for (const QuotaPianta& q : a.quote) {
            for (const Punto& p : disegno)
                ASSERT_FALSE(copre(q.testo, p))
                    << q.testo.testo << " covers " << p.x << ", " << p.y << " at " << maiuscole;
            for (const TestoPianta& nome : a.tralicci)
                EXPECT_FALSE(copre(q.testo, nome.centro)) << q.testo.testo << " on " << nome.testo;
        }
        // The chain measures what the window shows.
        const auto misura = [&](const std::string& prefisso) {
            for (const QuotaPianta& q : a.quote)
                if (q.prefisso == prefisso) return q.misura;
            return -1.0;
        };
        EXPECT_NEAR(misura("S1 = "), std::stod(w.testo(28)), 1e-9);
        EXPECT_NEAR(misura("S = "), std::stod(w.testo(29)), 1e-9);
        EXPECT_NEAR(misura("L = "), std::stod(w.f->Label3[10].Caption), 1e-9);
        // Every rail named once, in the schedule's order, never inside the column.
        ASSERT_EQ(a.tralicci.size(), g.tralicci.size());
        for (std::size_t i = 0; i < a.tralicci.size(); ++i) {
            EXPECT_EQ(a.tralicci[i].testo, nome_traliccio(i));
            const Punto c = a.tralicci[i].centro;
            EXPECT_FALSE(std::fabs(c.x) < g.a / 2 && std::fabs(c.y) < g.b / 2)
                << c.x << ", " << c.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Casi, AnnotazioniCaso, ::testing::ValuesIn(CASI),
                         [](const auto& info) { return std::string(info.param.nome); });

// Rails far enough apart for their names: each name past the end of its own rail, along it.
TEST(NomiTralicci, BesideTheirOwnRailEndAndCoveringNothing) {
    FinestraProva w;
    prepara(w, CASI[0]); // 12 straight rails of 6 studs, 20 cm apart: 4 mm at 1:50
    const GeometriaPianta g = geometria_pianta(*w.f);
    const AnnotazioniPianta a = annota_pianta(*w.f, g, 10.0 / 50, 2.5);
    const std::vector<Punto> disegno = punti_del_disegno(g);
    for (std::size_t i = 0; i < a.tralicci.size(); ++i) {
        const TestoPianta& t = a.tralicci[i];
        const Traliccio& r = g.tralicci[i];
        const Punto fine = r.chiodo(r.chiodi.size() - 1);
        // On the rail's line beyond its last stud: along the rail from it, not across.
        const double lungo =
            (t.centro.x - fine.x) * std::cos(r.angolo) + (t.centro.y - fine.y) * std::sin(r.angolo);
        const double largo = -(t.centro.x - fine.x) * std::sin(r.angolo) +
                             (t.centro.y - fine.y) * std::cos(r.angolo);
        EXPECT_GT(lungo, t.larghezza / 2) << t.testo;
        EXPECT_LT(std::fabs(largo), 1e-6) << t.testo;
        EXPECT_NEAR(std::fabs(std::sin(t.angolo - r.angolo)), 0, 1e-9) << t.testo;
        for (const Punto& p : disegno)
            ASSERT_FALSE(copre(t, p)) << t.testo;
    }
}

// The sheet as an SVG records what the painter drew: the names of the rails, and the outer
// perimeter of the final layout only (its pieces and the legend's sample), never the perimeters
// of the layers tried on the way.
TEST(FoglioPianta, NamesEveryRailAndDrawsOnlyTheFinalOuterPerimeter) {
    FinestraProva w;
    prepara(w, CASI[0]);
    const GeometriaPianta g = geometria_pianta(*w.f);
    ASSERT_GT(w.f->dati.nlayer, 2) << "layers were tried";
    QByteArray svg;
    QBuffer uscita(&svg);
    uscita.open(QIODevice::WriteOnly);
    QSvgGenerator generatore;
    generatore.setOutputDevice(&uscita);
    generatore.setSize(QSize(1123, 794));
    generatore.setResolution(96);
    QPainter p(&generatore);
    disegna_foglio_pianta(p, *w.f, {}, QRectF(0, 0, 1123, 794), 96 / 25.4);
    p.end();
    const QString testo = QString::fromUtf8(svg);
    for (std::size_t i = 0; i < g.tralicci.size(); ++i) {
        const QString nome = QString::fromStdString(nome_traliccio(i));
        EXPECT_EQ(testo.count(QRegularExpression(">\\s*" + nome + "\\s*</text>")), 1) << i;
    }
    // The outer perimeter's colour, #be008c, strokes its pieces and the legend's line.
    qsizetype linee = 0;
    QRegularExpressionMatchIterator gruppi =
        QRegularExpression("<g [^>]*stroke=\"#be008c\"[^>]*>(.*?)</g>",
                           QRegularExpression::DotMatchesEverythingOption)
            .globalMatch(testo);
    while (gruppi.hasNext())
        linee += gruppi.next().captured(1).count("<polyline");
    EXPECT_EQ(linee, static_cast<qsizetype>(g.esterno.size()) + 1);
}

// An SVG reader gets no clip from Qt's writer: the edges' hatching and an opening's shadow are
// cut by hand, and no point of the sheet lies off it.
TEST(FoglioPianta, TheSvgSheetHoldsEveryLineOnTheSheet) {
    for (const std::size_t caso : {1, 2, 5}) { // a free edge, a corner, an opening
        FinestraProva w;
        prepara(w, CASI[caso]);
        QByteArray svg;
        QBuffer uscita(&svg);
        uscita.open(QIODevice::WriteOnly);
        QSvgGenerator generatore;
        generatore.setOutputDevice(&uscita);
        generatore.setSize(QSize(1123, 794));
        generatore.setResolution(96);
        QPainter p(&generatore);
        disegna_foglio_pianta(p, *w.f, {}, QRectF(0, 0, 1123, 794), 96 / 25.4);
        p.end();
        const QString testo = QString::fromUtf8(svg);
        int punti = 0;
        QRegularExpressionMatchIterator it =
            QRegularExpression("points=\"([^\"]*)\"").globalMatch(testo);
        while (it.hasNext())
            for (const QString& coppia : it.next().captured(1).split(' ', Qt::SkipEmptyParts)) {
                const double x = coppia.section(',', 0, 0).toDouble(),
                             y = coppia.section(',', 1, 1).toDouble();
                ASSERT_TRUE(x >= -1 && x <= 1124 && y >= -1 && y <= 795)
                    << CASI[caso].nome << ": " << x << ", " << y;
                ++punti;
            }
        EXPECT_GT(punti, 200) << CASI[caso].nome;
    }
}

TEST(FoglioPianta, TheSheetCarriesItsTitleBlock) {
    FinestraProva w;
    prepara(w, CASI[0]);
    ASSERT_TRUE(esporta_foglio_pdf(
        *w.f, {"Scuola Verdi", "Pilastro P12", "Ing. Rossi", "07/12/2026"}, "foglio.pdf"));
    const std::string t = testo_pdf("foglio.pdf");
    if (t.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string scala = "1:" + std::to_string(scala_foglio(*w.f, 180, 267)); // A4, 15 mm
    for (const std::string& voce :
         {std::string("Progetto"), std::string("Scuola Verdi"), std::string("Pilastro P12"),
          std::string("Ing. Rossi"), std::string("07/12/2026"), std::string("Scala"), scala,
          stato_caso(*w.f).testo_esito.substr(0, 30)})
        EXPECT_NE(t.find(voce), std::string::npos) << voce;
}

} // namespace
} // namespace tessaro
