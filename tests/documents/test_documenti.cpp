// The documents of a case read back: the DXF with dxflib's own reader, the stud schedule as
// text, the PDF report through pdftotext; and the script lines that write them.
#include "cli/documenti.h"
#include "documents/distinta.h"
#include "documents/dxf.h"
#include "documents/geometria_pianta.h"
#include "documents/pianta_quotata.h"
#include "documents/relazione_pdf.h"
#include "numeric/conversioni.h"
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

// What dxflib's reader finds in a file.
struct LettoDxf : DL_CreationAdapter {
    struct Cerchio {
        std::string layer;
        double x, y, r;
    };
    struct Linea {
        std::string layer;
        double x1, y1, x2, y2;
    };
    std::set<std::string> layer;
    std::vector<Cerchio> cerchi;
    std::vector<Linea> linee;
    std::map<std::string, int> polilinee; // per layer
    std::map<std::string, int> testi;     // per layer
    std::map<std::string, double> angoli; // text → rotation, rad
    int insunits = -1;

    void addLayer(const DL_LayerData& d) override { layer.insert(d.name); }
    void addCircle(const DL_CircleData& d) override {
        cerchi.push_back({attributes.getLayer(), d.cx, d.cy, d.radius});
    }
    void addLine(const DL_LineData& d) override {
        linee.push_back({attributes.getLayer(), d.x1, d.y1, d.x2, d.y2});
    }
    void addPolyline(const DL_PolylineData& d) override {
        ++polilinee[attributes.getLayer()];
        vertici.push_back(d.number);
    }
    std::vector<unsigned> vertici; // of each polyline, in file order
    void addText(const DL_TextData& d) override {
        ++testi[attributes.getLayer()];
        angoli[d.text] = d.angle;
    }
    void setVariableInt(const std::string& chiave, int valore, int) override {
        if (chiave == "$INSUNITS") insunits = valore;
    }
};

// The cases of the drawings: every position and shape with studs, diagonals, an opening. The
// fields are set, the last one typed and left; the opening is a 30 × 20 one 50 cm from the face.
struct Caso {
    const char* nome;
    int forma;
    std::vector<std::pair<int, const char*>> campi;
    bool foro = false;
};

const Caso CASI[] = {
    {"interno", 0, {{1, "-200000"}}},
    {"bordo_diagonali", 0, {{38, "0"}, {30, "1"}, {1, "-200000"}}},
    {"angolo", 0, {{38, "10"}, {24, "20"}, {30, "2"}, {31, "9"}, {1, "-110000"}}},
    {"circolare", 1, {{1, "-200000"}}},
    {"circolare_bordo", 1, {{38, "0"}, {1, "-150000"}}},
    {"foro", 0, {{1, "-200000"}}, true},
};

void prepara(FinestraProva& w, const Caso& c) {
    if (c.forma != 0) w.f->imposta_Option1(c.forma, true);
    if (c.foro) {
        w.f->Command1_Click(4);
        w.f->Text4.Text = "50";
        w.f->Text5.Text = "0";
        w.f->Command2_Click(0);
    }
    for (const auto& [i, testo] : c.campi)
        w.f->Text1[static_cast<std::size_t>(i)].Text = testo;
    w.f->Text1_LostFocus(c.campi.back().first);
}

class DocumentiCaso : public ::testing::TestWithParam<Caso> {};

TEST_P(DocumentiCaso, TheDxfAndTheScheduleHoldEveryStudAndRailOfTheDesign) {
    FinestraProva w;
    prepara(w, GetParam());
    const std::vector<Traliccio> rotaie = schema_chiodatura(*w.f);
    ASSERT_FALSE(rotaie.empty()) << "the case must design studs";
    ASSERT_TRUE(esporta_dxf(*w.f, "pianta.dxf"));

    LettoDxf letto;
    DL_Dxf lettore;
    ASSERT_TRUE(lettore.in("pianta.dxf", &letto));
    EXPECT_EQ(letto.insunits, 5);
    for (const char* l : LAYER_DXF)
        EXPECT_TRUE(letto.layer.count(l)) << l;

    const double raggio = std::stod(w.f->fichiodo.Text) / 20;
    const auto vicino = [](double a, double b) { return std::fabs(a - b) < 1e-6; };
    std::size_t chiodi = 0;
    for (const Traliccio& t : rotaie) {
        for (std::size_t i = 0; i < t.chiodi.size(); ++i, ++chiodi) {
            const Punto p = t.chiodo(i);
            EXPECT_EQ(std::count_if(letto.cerchi.begin(), letto.cerchi.end(),
                                    [&](const auto& c) {
                                        return c.layer == "CHIODI" && vicino(c.x, p.x) &&
                                               vicino(c.y, p.y) && vicino(c.r, raggio);
                                    }),
                      1)
                << "stud at " << p.x << ", " << p.y;
        }
        const Punto fine = t.chiodo(t.chiodi.size() - 1);
        EXPECT_TRUE(std::any_of(letto.linee.begin(), letto.linee.end(),
                                [&](const auto& l) {
                                    return l.layer == "TRALICCI" && vicino(l.x1, t.origine.x) &&
                                           vicino(l.y1, t.origine.y) && vicino(l.x2, fine.x) &&
                                           vicino(l.y2, fine.y);
                                }))
            << "rail from " << t.origine.x << ", " << t.origine.y;
    }
    // Each stud is a shank and a head circle; no stud is written twice.
    EXPECT_EQ(std::count_if(letto.cerchi.begin(), letto.cerchi.end(),
                            [](const auto& c) { return c.layer == "CHIODI"; }),
              static_cast<long>(2 * chiodi));
    EXPECT_EQ(std::count_if(letto.linee.begin(), letto.linee.end(),
                            [](const auto& l) { return l.layer == "TRALICCI"; }),
              static_cast<long>(rotaie.size()));
    EXPECT_GE(letto.polilinee["PERIMETRO_U1"], 1);
    EXPECT_GE(letto.polilinee["PERIMETRO_ESTERNO"], 1);
    EXPECT_GE(letto.testi["QUOTE"], 3); // the column and at least S1 and S
    // Dimension texts run along their lines, never upside down: S1 along a rail, b up the
    // column's side.
    const double s1 = letto.angoli.at("S1 = " + w.testo(28));
    EXPECT_LE(std::fabs(s1), PI / 2 + 1e-6);
    EXPECT_TRUE(std::any_of(rotaie.begin(), rotaie.end(), [&](const Traliccio& t) {
        return std::fabs(std::sin(t.angolo - s1)) < 1e-6;
    }));
    if (!w.f->Option1[1]) {
        EXPECT_NEAR(letto.angoli.at("b = " + w.testo(7)), PI / 2, 1e-6);
    }

    // The schedule lists each rail once with its studs, and the total.
    ASSERT_TRUE(esporta_distinta_csv(*w.f, "distinta.csv"));
    const std::string csv = leggi_file("distinta.csv");
    std::vector<std::string> righe;
    for (std::size_t i = 0, j; (j = csv.find("\r\n", i)) != std::string::npos; i = j + 2)
        righe.push_back(csv.substr(i, j - i));
    ASSERT_EQ(righe.size(), rotaie.size() + 2);
    EXPECT_EQ(righe.front().rfind("traliccio;tipo;angolo (gradi);", 0), 0u);
    EXPECT_EQ(csv.find(','), std::string::npos) << "decimal point, never a comma";
    int somma = 0;
    for (std::size_t r = 1; r + 1 < righe.size(); ++r) {
        std::vector<std::string> campi;
        for (std::size_t i = 0, j = 0; j != std::string::npos; i = j + 1)
            campi.push_back(righe[r].substr(i, (j = righe[r].find(';', i)) - i));
        ASSERT_GE(campi.size(), 8u);
        const int n = std::stoi(campi[5]);
        EXPECT_EQ(static_cast<std::size_t>(n), rotaie[r - 1].chiodi.size());
        EXPECT_EQ(std::stod(campi[8]), R(rotaie[r - 1].chiodi[0], 2)); // the first distance
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

// The text of a PDF as poppler reads it, one string; "" when pdftotext is missing.
std::string testo_pdf(const std::string& pdf) {
    const std::string comando = "pdftotext -layout " + pdf + " - 2>/dev/null";
    std::string testo;
    if (FILE* p = popen(comando.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
            testo.append(buf, n);
        pclose(p);
    }
    return testo;
}

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
        {"Veff'", etichetta(8)},
        {"vmin", etichetta(5)},
        {"τrdc", etichetta(0)},
        {"Vrd,c", etichetta(1)},
        {"τr,max", etichetta(2)},
        {"Vrd,max", etichetta(3)},
        {"S1", campo(28)},
        {"Vrd,cs", etichetta(13)},
        {"Af,tot disposta", etichetta(12)},
        {"φ adottato", f.fichiodo.Text},
    };
    for (const auto& [nome, valore] : voci)
        EXPECT_TRUE(riga_con(testo, nome, valore)) << nome << " = " << valore;
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
        EXPECT_EQ(letto.testi["QUOTE"], 0) << c.forma;
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
