// The documents of a case read back: the DXF with dxflib's own reader, the stud schedule as
// text, the PDF report through pdftotext; and the script lines that write them.
#include "casi.h"
#include "cli/documenti.h"
#include "documents/annotazioni_pianta.h"
#include "documents/distinta.h"
#include "documents/dxf.h"
#include "documents/foglio_pianta.h"
#include "documents/geometria_pianta.h"
#include "documents/pianta_quotata.h"
#include "documents/relazione_pdf.h"
#include "numeric/conversioni.h"
#include "numeric/virgola.h"
#include "pdf_letto.h"
#include "reinforcement/schema.h"
#include "support/applicazione_qt.h"
#include "support/file_ostili.h"
#include "support/script_prova.h"
#include "verification/stato_caso.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace tessaro {
namespace {

using prova::FinestraProva;
using prova::leggi_file;
using prova::testo_pdf;

// What dxflib's reader finds in a file: the drawing's entities, and the circles of each block.
struct LettoDxf : DL_CreationAdapter {
    struct Cerchio {
        std::string layer;
        double x, y, r;
    };
    struct Linea {
        std::string layer;
        double x1, y1, x2, y2;
    };
    struct Inserto {
        std::string layer, blocco;
        double x, y;
    };
    struct Testo {
        std::string layer, testo;
        double x, y, altezza, angolo;
    };
    struct Quota {
        bool allineata;
        double x1, y1, x2, y2; // the measured points
        double misura;         // group 42, which dxflib's reader does not give: see misure()
        double angolo;         // of a linear dimension's line, rad
        std::string testo;
    };
    std::set<std::string> layer;
    std::map<std::string, std::vector<double>> blocchi; // radii of each block's circles
    std::vector<Cerchio> cerchi;
    std::vector<Linea> linee;
    std::vector<Inserto> inserti;
    std::vector<Testo> testi;
    std::vector<Quota> quote;
    std::map<std::string, int> polilinee; // per layer
    std::vector<unsigned> vertici;        // of each polyline, in file order
    std::string blocco;                   // the block being read; "" in the drawing
    int insunits = -1;

    void addLayer(const DL_LayerData& d) override { layer.insert(d.name); }
    void addBlock(const DL_BlockData& d) override {
        blocco = d.name;
        blocchi[d.name];
    }
    void endBlock() override { blocco.clear(); }
    void addCircle(const DL_CircleData& d) override {
        if (blocco.empty())
            cerchi.push_back({attributes.getLayer(), d.cx, d.cy, d.radius});
        else
            blocchi[blocco].push_back(d.radius);
    }
    void addLine(const DL_LineData& d) override {
        if (blocco.empty()) linee.push_back({attributes.getLayer(), d.x1, d.y1, d.x2, d.y2});
    }
    void addPolyline(const DL_PolylineData& d) override {
        ++polilinee[attributes.getLayer()];
        vertici.push_back(d.number);
    }
    void addInsert(const DL_InsertData& d) override {
        inserti.push_back({attributes.getLayer(), d.name, d.ipx, d.ipy});
    }
    void addText(const DL_TextData& d) override {
        if (blocco.empty())
            testi.push_back({attributes.getLayer(), d.text, d.apx, d.apy, d.height, d.angle});
    }
    void addDimAlign(const DL_DimensionData& d, const DL_DimAlignedData& e) override {
        quote.push_back({true, e.epx1, e.epy1, e.epx2, e.epy2, d.angle, 0, d.text});
    }
    void addDimLinear(const DL_DimensionData& d, const DL_DimLinearData& e) override {
        quote.push_back({false, e.dpx1, e.dpy1, e.dpx2, e.dpy2, d.angle, e.angle * PI / 180,
                         d.text}); // its reader gives the line's angle in degrees
    }
    void setVariableInt(const std::string& chiave, int valore, int) override {
        if (chiave == "$INSUNITS") insunits = valore;
    }
    const Quota* quota(const std::string& testo) const {
        for (const Quota& q : quote)
            if (q.testo == testo) return &q;
        return nullptr;
    }
    // The measurement each dimension entity of the file states (group 42), by its text.
    void misure(const std::string& file) {
        std::istringstream in(leggi_file(file));
        std::string codice, valore, voce, testo;
        double misura = 0;
        while (std::getline(in, codice) && std::getline(in, valore)) {
            codice.erase(0, codice.find_first_not_of(' '));
            if (codice == "0") { // the entity read ends
                if (voce == "DIMENSION")
                    for (Quota& q : quote)
                        if (q.testo == testo) q.misura = misura;
                voce = valore;
            } else if (voce == "DIMENSION" && codice == "1") {
                testo = valore;
            } else if (voce == "DIMENSION" && codice == "42") {
                misura = std::stod(valore);
            }
        }
    }
};

class DocumentiCaso : public ::testing::TestWithParam<CasoPianta> {};

TEST_P(DocumentiCaso, TheDxfAndTheScheduleHoldEveryStudAndRailOfTheDesign) {
    FinestraProva w;
    prepara(w, GetParam());
    const std::vector<Traliccio> rotaie = schema_chiodatura(*w.f);
    ASSERT_FALSE(rotaie.empty()) << "the case must design studs";
    ASSERT_TRUE(esporta_dxf(*w.f, "pianta.dxf"));

    LettoDxf letto;
    DL_Dxf lettore;
    ASSERT_TRUE(lettore.in("pianta.dxf", &letto));
    letto.misure("pianta.dxf");
    EXPECT_EQ(letto.insunits, 5);
    for (const char* l : LAYER_DXF)
        EXPECT_TRUE(letto.layer.count(l)) << l;
    const auto vicino = [](double a, double b) { return std::fabs(a - b) < 1e-6; };
    const auto vicini = [&](double x1, double y1, Punto p) {
        return vicino(x1, p.x) && vicino(y1, p.y);
    };

    // One block for the diameter, the shank and the head of three diameters, inserted once at
    // every stud; no stud drawn otherwise.
    const double raggio = std::stod(w.f->fichiodo.Text) / 20;
    const std::string blocco = "CHIODO_D" + show(std::stod(w.f->fichiodo.Text));
    ASSERT_EQ(letto.blocchi.count(blocco), 1u) << blocco;
    std::vector<double> raggi = letto.blocchi.at(blocco);
    std::sort(raggi.begin(), raggi.end());
    ASSERT_EQ(raggi.size(), 2u);
    EXPECT_NEAR(raggi[0], raggio, 1e-9);
    EXPECT_NEAR(raggi[1], 3 * raggio, 1e-9);
    std::size_t chiodi = 0, con_linea = 0;
    for (const Traliccio& t : rotaie) {
        for (std::size_t i = 0; i < t.chiodi.size(); ++i, ++chiodi) {
            const Punto p = t.chiodo(i);
            EXPECT_EQ(std::count_if(letto.inserti.begin(), letto.inserti.end(),
                                    [&](const auto& n) {
                                        return n.layer == "CHIODI" && n.blocco == blocco &&
                                               vicini(n.x, n.y, p);
                                    }),
                      1)
                << "stud at " << p.x << ", " << p.y;
        }
        // The rail from its first to its last stud: its length is the schedule's.
        if (t.chiodi.size() < 2) continue;
        ++con_linea;
        const Punto inizio = t.chiodo(0), fine = t.chiodo(t.chiodi.size() - 1);
        const auto l = std::find_if(letto.linee.begin(), letto.linee.end(), [&](const auto& l) {
            return l.layer == "TRALICCI" && vicini(l.x1, l.y1, inizio) && vicini(l.x2, l.y2, fine);
        });
        ASSERT_NE(l, letto.linee.end()) << "rail from " << inizio.x << ", " << inizio.y;
        EXPECT_NEAR(std::hypot(l->x2 - l->x1, l->y2 - l->y1), lunghezza(t), 1e-6);
    }
    EXPECT_EQ(letto.inserti.size(), chiodi);
    EXPECT_TRUE(std::none_of(letto.cerchi.begin(), letto.cerchi.end(), [](const auto& c) {
        return c.layer == "CHIODI";
    })) << "the studs are inserts";
    EXPECT_EQ(std::count_if(letto.linee.begin(), letto.linee.end(),
                            [](const auto& l) { return l.layer == "TRALICCI"; }),
              static_cast<long>(con_linea));
    EXPECT_GE(letto.polilinee["PERIMETRO_U1"], 1);
    EXPECT_GE(letto.polilinee["PERIMETRO_ESTERNO"], 1);

    // Texts 2.5 mm high on paper at the report's scale, which the title states; the rails'
    // names R1, R2, ... in the schedule's order, each by its own rail.
    const int scala = scala_relazione(*w.f);
    const double altezza = 2.5 * scala / 10; // cm
    for (const auto& t : letto.testi)
        EXPECT_NEAR(t.altezza, altezza, 1e-9) << t.testo;
    EXPECT_TRUE(std::any_of(letto.testi.begin(), letto.testi.end(), [&](const auto& t) {
        return t.layer == "TESTI" &&
               t.testo.find("scala 1:" + std::to_string(scala) + " ") != std::string::npos;
    }));
    for (std::size_t r = 0; r < rotaie.size(); ++r) {
        const auto n = std::find_if(letto.testi.begin(), letto.testi.end(), [&](const auto& t) {
            return t.layer == "NUMERI_TRALICCI" && t.testo == nome_traliccio(r);
        });
        ASSERT_NE(n, letto.testi.end()) << nome_traliccio(r);
        double vicina = 1e9; // the nearest end of a rail to the name
        std::size_t sua = 0;
        for (std::size_t k = 0; k < rotaie.size(); ++k)
            for (const Punto& e :
                 {rotaie[k].chiodo(0), rotaie[k].chiodo(rotaie[k].chiodi.size() - 1)})
                if (const double d = std::hypot(e.x - n->x, e.y - n->y); d < vicina - 1e-9) {
                    vicina = d;
                    sua = k;
                }
        EXPECT_EQ(sua, r) << nome_traliccio(r) << " stands by the end of another rail";
    }
    EXPECT_EQ(std::count_if(letto.testi.begin(), letto.testi.end(),
                            [](const auto& t) { return t.layer == "NUMERI_TRALICCI"; }),
              static_cast<long>(rotaie.size()));

    // Dimension entities measuring what the window shows: the column, S1, S and L; each
    // measurement written is the distance of its points.
    const bool circolare = w.f->Option1[1];
    const struct {
        std::string testo;
        double valore;
        bool allineata;
    } attese[] = {{circolare ? "%%c <>" : "a = <>", std::stod(w.testo(6)), false},
                  {"S1 = <>", std::stod(w.testo(28)), true},
                  {"S = <>", std::stod(w.testo(29)), true},
                  {"L = <>", std::stod(w.f->Label3[10].Caption), true}};
    for (const auto& a : attese) {
        const LettoDxf::Quota* q = letto.quota(a.testo);
        ASSERT_NE(q, nullptr) << a.testo;
        EXPECT_EQ(q->allineata, a.allineata) << a.testo;
        EXPECT_NEAR(q->misura, a.valore, 1e-6) << a.testo;
        const double lungo = a.allineata ? std::hypot(q->x2 - q->x1, q->y2 - q->y1)
                                         : std::fabs((q->x2 - q->x1) * std::cos(q->angolo) +
                                                     (q->y2 - q->y1) * std::sin(q->angolo));
        EXPECT_NEAR(lungo, a.valore, 1e-6) << a.testo;
    }
    if (!circolare) {
        const LettoDxf::Quota* b = letto.quota("b = <>");
        ASSERT_NE(b, nullptr);
        EXPECT_NEAR(b->misura, std::stod(w.testo(7)), 1e-6);
        EXPECT_NEAR(b->angolo, PI / 2, 1e-9);
    }
    EXPECT_EQ(letto.quote.size(), circolare ? 4u : 5u);

    // The schedule lists each rail once, by the name the drawing gives it, with its studs and
    // its length, and the total.
    ASSERT_TRUE(esporta_distinta_csv(*w.f, "distinta.csv"));
    const std::string csv = leggi_file("distinta.csv");
    std::vector<std::string> righe;
    for (std::size_t i = 0, j; (j = csv.find("\r\n", i)) != std::string::npos; i = j + 2)
        righe.push_back(csv.substr(i, j - i));
    ASSERT_EQ(righe.size(), rotaie.size() + 2);
    EXPECT_EQ(righe.front().rfind("traliccio;tipo;angolo (gradi);", 0), 0u);
    EXPECT_TRUE(righe.front().ends_with(";lunghezza (cm)"));
    EXPECT_EQ(csv.find('.'), std::string::npos) << "decimal comma, as an Italian spreadsheet reads";
    int somma = 0;
    for (std::size_t r = 1; r + 1 < righe.size(); ++r) {
        std::vector<std::string> campi;
        for (std::size_t i = 0, j = 0; j != std::string::npos; i = j + 1)
            campi.push_back(righe[r].substr(i, (j = righe[r].find(';', i)) - i));
        ASSERT_GE(campi.size(), 10u);
        const Traliccio& t = rotaie[r - 1];
        EXPECT_EQ(campi[0], nome_traliccio(r - 1));
        const int n = std::stoi(campi[5]);
        EXPECT_EQ(static_cast<std::size_t>(n), t.chiodi.size());
        const auto numero = [](std::string c) {
            std::replace(c.begin(), c.end(), ',', '.');
            return std::stod(c);
        };
        EXPECT_EQ(numero(campi[8]), R(t.chiodi[0], 2)); // the first distance
        EXPECT_EQ(numero(campi.back()), R(t.chiodi.back() - t.chiodi.front(), 2));
        somma += n;
    }
    // The total counts every stud drawn once, however often the drawing repeats it.
    std::vector<Punto> distinti;
    for (const Punto& p : w.f->chiodi)
        if (std::none_of(distinti.begin(), distinti.end(),
                         [&](const Punto& q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-6; }))
            distinti.push_back(p);
    EXPECT_EQ(somma, static_cast<int>(distinti.size()));
    EXPECT_EQ(righe.back().rfind("totale;;;;;" + std::to_string(somma) + ";", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Casi, DocumentiCaso, ::testing::ValuesIn(CASI),
                         [](const auto& info) { return std::string(info.param.nome); });

// A line of the text holding both pieces.
bool riga_con(const std::string& testo, const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t j = std::min(testo.find('\n', i), testo.size());
        const std::string riga = testo.substr(i, j - i);
        if (riga.find(a) != std::string::npos && riga.find(b) != std::string::npos) return true;
        i = j + 1;
    }
    return false;
}

TEST(RelazionePdf, TheReportShowsEveryQuantityWithTheValueTheWindowShows) {
    FinestraProva w;
    w.digita(1, "-200000");
    Intestazione i{"Scuola Verdi", "Pilastro P12", "Ing. Rossi", "07/12/2026"};
    ASSERT_TRUE(esporta_relazione_pdf(*w.f, i, "relazione.pdf"));
    const std::string testo = testo_pdf("relazione.pdf");
    if (testo.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const CalcoTess& f = *w.f;
    const auto campo = [&](int k) { return f.Text1[static_cast<std::size_t>(k)].Text; };
    const auto etichetta = [&](int k) { return f.Label3[static_cast<std::size_t>(k)].Caption; };
    const std::pair<std::string, std::string> voci[] = {
        {"Nd", campo(1)},
        {"Altezza utile", campo(5)},
        {"Rck", campo(11)},
        {"k ", campo(22)},
        {"u0", campo(21)},
        {"u1", campo(20)},
        {"Aq", campo(19)},
        {"W1x", campo(18)},
        {"W1y", campo(17)},
        {"β", campo(32)},
        {"VEd,red (finestra: Veff')", etichetta(8)},
        {"vmin", etichetta(5)},
        {"vRd,c (finestra: τrdc)", etichetta(0)},
        {"VRd,c (finestra: Vrd,c)", etichetta(1)},
        {"vRd,max (finestra: τr,max)", etichetta(2)},
        {"VRd,max (finestra: Vrd,max)", etichetta(3)},
        {"S1", campo(28)},
        {"VRd,cs (finestra: Vrd,s)", etichetta(13)},
        {"Asw (finestra: Af,tot)", etichetta(12)},
        {"VRd,c,out (finestra: Vrd,cs)", etichetta(4)},
        {"φ adottato", f.fichiodo.Text},
    };
    for (const auto& [nome, valore] : voci)
        EXPECT_TRUE(riga_con(testo, nome, valore)) << nome << " = " << valore;
    // Each part of β is said to come from its own moment and modulus.
    EXPECT_TRUE(riga_con(testo, "βx", "|Mxd − Nd·yG|/|Nd|·u1/W1x"));
    EXPECT_TRUE(riga_con(testo, "βy", "|Myd − Nd·xG|/|Nd|·u1/W1y"));
    for (const char* t : {"Scuola Verdi", "Pilastro P12", "Ing. Rossi", "07/12/2026", "kg/cm²",
                          "6.4.2", "6.4.5", "9.4.3", "Distinta dei chiodi", "scala 1:"})
        EXPECT_NE(testo.find(t), std::string::npos) << t;
}

TEST(RelazionePdf, TheReportTellsTheVerdictTheWarningsAndTheOpening) {
    FinestraProva w;
    prepara(w, CASI[5]); // the opening: studs fall inside it
    ASSERT_TRUE(esporta_relazione_pdf(*w.f, {}, "foro.pdf"));
    std::string testo = testo_pdf("foro.pdf");
    if (testo.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // Long sentences wrap: compare with the line breaks and the page furniture taken out.
    std::string continuo;
    for (const char c : testo) {
        if (c == '\n' || c == ' ') {
            if (!continuo.empty() && continuo.back() != ' ') continuo += ' ';
        } else {
            continuo += c;
        }
    }
    const StatoCaso s = stato_caso(*w.f);
    ASSERT_FALSE(s.avvisi.empty());
    EXPECT_NE(continuo.find(s.testo_esito.substr(0, 40)), std::string::npos) << s.testo_esito;
    for (const std::string& a : s.avvisi)
        EXPECT_NE(continuo.find(a.substr(0, 40)), std::string::npos) << a;
    EXPECT_TRUE(riga_con(testo, "Foro: distanza netta", w.f->Text4.Text));
    EXPECT_TRUE(riga_con(testo, "Rid. foro", w.testo(33)));
}

TEST(RelazionePdf, ACheckNotMadeIsSaidNotMadeNotGivenTheVerdictOfAnEarlierPass) {
    FinestraProva w;
    w.digita(1, "-900000"); // the column face fails: the window keeps "kg (> Veff': OK)"
    ASSERT_EQ(w.f->Label4[1].Caption, "kg (> Veff': OK)");
    ASSERT_TRUE(esporta_relazione_pdf(*w.f, {}, "faccia.pdf"));
    const std::string testo = testo_pdf("faccia.pdf");
    if (testo.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_TRUE(riga_con(testo, "Faccia del pilastro", "< Veff: !!"));
    EXPECT_TRUE(riga_con(testo, "Perimetro u1 senza armatura", "non eseguita"));
    EXPECT_EQ(testo.find("Veff': OK"), std::string::npos);
}

TEST(PiantaQuotata, TheScaleIsTheFirstOf20_25_50ThatFitsThenCoarser) {
    FinestraProva w;
    w.digita(1, "-200000");
    const QRectF e = ingombro(geometria_pianta(*w.f));
    const auto cornice = [&](double scala) { // the plan and 25 mm for the dimensions each side
        return std::pair{e.width() * 10 / scala + 50, e.height() * 10 / scala + 50};
    };
    const struct {
        std::pair<double, double> mm;
        int scala;
    } casi[] = {{{1e4, 1e4}, 20},  {cornice(25), 25},  {cornice(26), 50},
                {cornice(50), 50}, {cornice(51), 100}, {cornice(150), 200}};
    for (const auto& c : casi)
        EXPECT_EQ(scala_pianta(*w.f, c.mm.first, c.mm.second), c.scala) << c.mm.first;
    EXPECT_GE(scala_pianta(*w.f, 0, 0), 100000); // a frame of no size: an end, not a hang
}

// The dimension style names its text style by that style's handle: a CAD program resolves it,
// and the same case always gives the same file.
TEST(Dxf, TheDimensionStylePointsToTheTextStyle) {
    FinestraProva w;
    w.digita(1, "-200000");
    ASSERT_TRUE(esporta_dxf(*w.f, "stili.dxf"));
    std::istringstream in(leggi_file("stili.dxf"));
    std::string codice, valore, voce, handle_stile, riferito; // voce: the entry being read
    while (std::getline(in, codice) && std::getline(in, valore)) {
        codice.erase(0, codice.find_first_not_of(' '));
        if (codice == "0") voce = valore;
        if (codice == "5" && voce == "STYLE") handle_stile = valore;
        if (codice == "340" && voce == "DIMSTYLE") riferito = valore;
    }
    ASSERT_FALSE(handle_stile.empty());
    EXPECT_EQ(riferito, handle_stile);
}

TEST(Dxf, ShapesOnlyDrawnKeepTheirOutlineAndPerimeterWithoutDimensions) {
    const struct {
        int forma;
        unsigned vertici;             // of the column's outline
    } casi[] = {{2, 2 * 73}, {3, 8}}; // two half circles of 72 chords, the octagon
    for (const auto& c : casi) {
        FinestraProva w;
        w.f->imposta_Option1(c.forma, true);
        w.f->Command1_Click(0);
        ASSERT_TRUE(esporta_dxf(*w.f, "forma.dxf"));
        LettoDxf letto;
        DL_Dxf lettore;
        ASSERT_TRUE(lettore.in("forma.dxf", &letto));
        EXPECT_EQ(letto.polilinee["PILASTRO"], 1) << c.forma;
        EXPECT_EQ(letto.polilinee["PERIMETRO_U1"], 1) << c.forma;
        ASSERT_FALSE(letto.vertici.empty());
        EXPECT_EQ(letto.vertici.front(), c.vertici) << c.forma;
        EXPECT_TRUE(letto.quote.empty()) << c.forma;
    }
}

TEST(PiantaQuotata, AWindowsTransformPutsEachStudWhereItMapsItWithLegendAndScaleBar) {
    FinestraProva w;
    w.digita(1, "-200000");
    // A screen at 96 dpi, the plan fitted into 800 × 800 pixels, y up, zoomed in twice
    // about the column and panned: what the plan window does.
    QImage immagine(800, 800, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    const QRectF e = estensione_pianta(*w.f);
    const double k = 2 * 800 / std::max(e.width(), e.height());
    QTransform T;
    T.translate(400 + 30, 400 - 20);
    T.scale(k, -k);
    const double ppm = 96 / 25.4;
    QPainter p(&immagine);
    disegna_pianta_quotata(p, *w.f, T, ppm);
    const QSizeF legenda = disegna_legenda(p, QPointF(10, 10), ppm);
    disegna_scala_grafica(p, QPointF(500, 760), T, ppm);
    p.end();
    int visti = 0;
    for (const Traliccio& t : schema_chiodatura(*w.f))
        for (std::size_t i = 0; i < t.chiodi.size(); ++i) {
            const QPoint q = T.map(QPointF(t.chiodo(i).x, t.chiodo(i).y)).toPoint();
            if (!immagine.rect().adjusted(200, 200, -200, -200).contains(q)) continue;
            const QColor c = immagine.pixelColor(q);
            EXPECT_TRUE(c.red() > 150 && c.green() < 80 && c.blue() < 80)
                << "stud at " << q.x() << ", " << q.y();
            ++visti;
        }
    EXPECT_GT(visti, 4);
    EXPECT_GT(legenda.width(), 40 * ppm);
    EXPECT_GT(legenda.height(), 30 * ppm);
    EXPECT_EQ(immagine.pixelColor(502, 762), QColor(Qt::black)); // the first band of the bar
}

TEST(PiantaQuotata, ThePlanHasASizeToFitBeforeAnythingWasComputed) {
    prova::MisuraFissa misura;
    std::ostringstream uscita;
    PiattaformaScript piattaforma(uscita);
    Tessaro f(piattaforma, misura); // loaded, the start-up not run: no column yet
    const QRectF e = estensione_pianta(f);
    EXPECT_GE(e.width(), 100);
    EXPECT_GE(e.height(), 100);
}

TEST(RelazionePdf, AFileThatCannotBeWrittenIsNeverReportedAsWritten) {
    FinestraProva w;
    w.digita(1, "-200000");
    const std::string assente = "cartella-assente/x";
    EXPECT_FALSE(esporta_relazione_pdf(*w.f, {}, assente + ".pdf"));
    EXPECT_FALSE(esporta_pianta_pdf(*w.f, assente + ".pdf"));
    EXPECT_FALSE(esporta_dxf(*w.f, assente + ".dxf"));
    EXPECT_FALSE(esporta_distinta_csv(*w.f, assente + ".csv"));
}

// A disk that fills (the system's temporary folder or the destination's) never gives a cut DXF
// reported as written: the export fails, the script line with it, and the old file stays whole.
TEST(Dxf, AFullDiskFailsTheExportAndKeepsTheOldFileWhole) {
    FinestraProva w;
    w.digita(1, "-200000");
    ASSERT_TRUE(esporta_dxf(*w.f, "pianta.dxf"));
    const std::string intero = leggi_file("pianta.dxf");
    ASSERT_GT(intero.size(), 20000u);
    ASSERT_TRUE(intero.ends_with("EOF\n"));
    std::ofstream("vecchia.dxf") << "vecchia";
    {
        prova::DiscoPieno pieno(intero.size() / 2);
        EXPECT_FALSE(esporta_dxf(*w.f, "vecchia.dxf"));
        const prova::EsitoScript e = prova::esegui_script(
            "start\ntype Text1(1) -200000\nleave Text1(1)\nexport vecchia.dxf\n", documenti_qt());
        EXPECT_EQ(e.stato, 1);
        EXPECT_NE(e.err.find("impossibile scrivere vecchia.dxf"), std::string::npos) << e.err;
    }
    EXPECT_EQ(leggi_file("vecchia.dxf"), "vecchia");
}

// The script lines, run as tessaro-cli runs them.
prova::EsitoScript esegui(const std::string& script) {
    return prova::esegui_script(script, documenti_qt());
}

TEST(RigheScript, ExportWritesTheDocumentThatItsEndingNames) {
    prova::CartellaProva cartella;
    const prova::EsitoScript e =
        esegui("start\ntype Text1(1) -200000\nleave Text1(1)\n"
               "export r.pdf\nexport p.dxf\nexport d.csv\npicture q.pdf\n");
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(leggi_file("r.pdf").rfind("%PDF", 0), 0u);
    EXPECT_EQ(leggi_file("q.pdf").rfind("%PDF", 0), 0u);
    EXPECT_NE(leggi_file("p.dxf").find("$INSUNITS"), std::string::npos);
    EXPECT_EQ(leggi_file("d.csv").rfind("traliccio;", 0), 0u);
}

TEST(RigheScript, ExportFailsAndSaysWhyWhenItCannotWriteOrTheResultsAreStale) {
    const struct {
        const char* script;
        int stato;
        const char* messaggio;
    } casi[] = {
        {"start\nexport assente/r.pdf\n", 1, "impossibile scrivere assente/r.pdf"},
        {"start\nexport assente/p.dxf\n", 1, "impossibile scrivere assente/p.dxf"},
        {"start\npicture assente/q.pdf\n", 1, "impossibile scrivere assente/q.pdf"},
        {"start\ntype Text1(1) -200000\nexport r.pdf\n", 1, "Relazione non scritta"},
        {"start\nexport r.txt\n", 2, "non compresa"},
        {"export r.pdf\n", 1, "manca la riga start"},
    };
    for (const auto& c : casi) {
        prova::CartellaProva cartella;
        const prova::EsitoScript e = esegui(c.script);
        EXPECT_EQ(e.stato, c.stato) << c.script;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << c.script << e.err;
        EXPECT_FALSE(std::filesystem::exists("r.pdf")) << c.script;
    }
}

} // namespace
} // namespace tessaro

namespace tessaro {
namespace {

// The documents of a case in SI are those in technical units with each value's point moved:
// the report's numbers with their SI units, the schedule's lengths in mm, the DXF in mm.
TEST(DocumentiSI, EachValueIsTheTechnicalOneWithThePointMoved) {
    FinestraProva w;
    w.digita(1, "-200000");
    const auto scrivi = [&](Sistema s, const std::string& nome) {
        w.f->sistema = s;
        EXPECT_TRUE(esporta_relazione_pdf(*w.f, {}, nome + ".pdf"));
        EXPECT_TRUE(esporta_dxf(*w.f, nome + ".dxf"));
        EXPECT_TRUE(esporta_distinta_csv(*w.f, nome + ".csv"));
    };
    scrivi(Sistema::tecnico, "tecnico");
    scrivi(Sistema::SI, "si");
    w.f->sistema = Sistema::tecnico;

    const std::string testo = testo_pdf("si.pdf");
    if (!testo.empty()) {
        EXPECT_NE(testo.find("forze in kN, lunghezze in mm, tensioni in N/mm²"), std::string::npos);
        for (const Grandezza* g :
             {&grandezza(Dato::Nd), &grandezza(Dato::deff), &grandezza(Dato::Rck),
              &grandezza(Dato::u1), &grandezza(Dato::Aq), &grandezza(Dato::W1x),
              &grandezza(Risultato::TAUrdc), &grandezza(Risultato::Vrdc),
              &grandezza(Risultato::Veff1), &grandezza(Risultato::Aftot),
              &grandezza(Risultato::Vrds), &grandezza(Risultato::L_tral)}) {
            const std::string tecnico =
                QString::fromStdString(w.f->testo(*g)).trimmed().toStdString();
            EXPECT_TRUE(riga_con(
                testo, " " + sposta_virgola(tecnico, unita_di(g->unita).esponente_si) + " ",
                unita_di(g->unita).nome_si))
                << g->nome << " = " << tecnico;
        }
    }

    // The schedule: every cell the same but the lengths, moved to mm.
    const auto righe = [](const std::string& csv) {
        std::vector<std::vector<std::string>> r;
        std::istringstream in(csv);
        for (std::string riga; std::getline(in, riga);) {
            r.emplace_back();
            std::istringstream celle(riga.substr(0, riga.find('\r')));
            for (std::string c; std::getline(celle, c, ';');)
                r.back().push_back(c);
        }
        return r;
    };
    const auto t = righe(leggi_file("tecnico.csv")), s = righe(leggi_file("si.csv"));
    ASSERT_EQ(t.size(), s.size());
    ASSERT_GT(t.size(), 2u);
    for (std::size_t i = 1; i < t.size(); ++i) {
        ASSERT_EQ(t[i].size(), s[i].size());
        for (std::size_t j = 0; j < t[i].size(); ++j) {
            const bool cm = t[0].size() > j && t[0][j].ends_with("(cm)");
            std::string atteso = t[i][j];
            std::replace(atteso.begin(), atteso.end(), ',', '.');
            atteso = sposta_virgola(atteso, cm ? 1 : 0);
            std::replace(atteso.begin(), atteso.end(), '.', ',');
            EXPECT_EQ(s[i][j], atteso) << t[0][j] << " row " << i;
        }
    }

    // The DXF: millimetres, every stud ten times as far from the column's centre.
    LettoDxf dt, ds;
    DL_Dxf lettore_t, lettore_s;
    ASSERT_TRUE(lettore_t.in("tecnico.dxf", &dt));
    ASSERT_TRUE(lettore_s.in("si.dxf", &ds));
    EXPECT_EQ(dt.insunits, 5);
    EXPECT_EQ(ds.insunits, 4);
    ASSERT_EQ(dt.inserti.size(), ds.inserti.size());
    for (std::size_t i = 0; i < dt.inserti.size(); ++i) {
        EXPECT_NEAR(ds.inserti[i].x, 10 * dt.inserti[i].x, 1e-9);
        EXPECT_NEAR(ds.inserti[i].y, 10 * dt.inserti[i].y, 1e-9);
    }
}

} // namespace
} // namespace tessaro
