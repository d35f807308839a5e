// The report's pages read back: a running header that a long project name never overprints, no
// heading at the foot of a page, no table row run over two pages, no scrap left alone on the
// last page of the text; and the cutting itself on a document of known heights.
#include "casi.h"
#include "documents/impaginazione.h"
#include "documents/relazione_pdf.h"
#include "pdf_letto.h"
#include "support/applicazione_qt.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextBlock>
#include <QTextLayout>

#include <regex>
#include <set>
#include <sstream>

namespace tessaro {
namespace {

using prova::FinestraProva;
using prova::testo_pdf;

const std::set<std::string> TITOLI{"Avvisi",
                                   "Metodo",
                                   "Dati",
                                   "Pilastro",
                                   "Valori intermedi",
                                   "Verifiche",
                                   "Armatura a punzonamento",
                                   "Distinta dei chiodi"};

std::string pulita(const std::string& riga) {
    const auto a = riga.find_first_not_of(' ');
    return a == std::string::npos ? "" : riga.substr(a, riga.find_last_not_of(' ') - a + 1);
}

// The lines of a page with something on them.
std::vector<std::string> righe(const std::string& pagina) {
    std::vector<std::string> v;
    std::istringstream in(pagina);
    for (std::string r; std::getline(in, r);)
        if (!pulita(r).empty()) v.push_back(r);
    return v;
}

struct CasoRelazione {
    const char* nome;
    std::vector<std::pair<int, const char*>> campi; // none: the defaults, verified as they are
    int caso_pianta = -1;                           // or one of CASI
};

class PagineRelazione : public ::testing::TestWithParam<CasoRelazione> {};

TEST_P(PagineRelazione, HeadersHeadingsRowsAndTheLastPageReadAsPrinted) {
    FinestraProva w;
    const CasoRelazione& c = GetParam();
    if (c.caso_pianta >= 0) prepara(w, CASI[c.caso_pianta]);
    for (const auto& [i, testo] : c.campi)
        w.digita(i, testo);
    const Intestazione lunga{
        "Comune di Borgo San Lorenzo, ampliamento della scuola primaria statale Giovanni "
        "Pascoli, corpo B, lotto secondo",
        "Solaio del secondo piano, pilastro P12 d'angolo", "Ing. Rossi", "07/12/2026"};
    ASSERT_TRUE(esporta_relazione_pdf(*w.f, lunga, "relazione.pdf"));
    const std::string testo = testo_pdf("relazione.pdf");
    if (testo.empty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::vector<std::string> pagine;
    for (std::size_t i = 0, j; (j = testo.find('\f', i)) != std::string::npos; i = j + 1)
        pagine.push_back(testo.substr(i, j - i));
    ASSERT_GE(pagine.size(), 2u);
    const std::size_t testuali = pagine.size() - 1; // the plan's page last

    std::map<std::string, int> tralicci; // how often each rail's row begins a line
    for (std::size_t p = 0; p < pagine.size(); ++p) {
        const std::vector<std::string> r = righe(pagine[p]);
        ASSERT_GE(r.size(), 3u) << "page " << p + 1;
        // The header: the title whole, the project shortened to the room beside it.
        EXPECT_EQ(r.front().find("Tessaro – Relazione di calcolo a punzonamento"), 0u) << r.front();
        EXPECT_NE(r.front().find("Comune di Borgo"), std::string::npos) << r.front();
        EXPECT_NE(r.front().find("…"), std::string::npos) << r.front();
        EXPECT_NE(r.back().find("Pagina " + std::to_string(p + 1) + " di " +
                                std::to_string(pagine.size())),
                  std::string::npos)
            << r.back();
        if (p >= testuali) continue;
        // The text between header and foot.
        const std::vector<std::string> corpo(r.begin() + 1, r.end() - 1);
        ASSERT_FALSE(corpo.empty());
        EXPECT_FALSE(TITOLI.count(pulita(corpo.back())))
            << "page " << p + 1 << " ends with the heading " << corpo.back();
        for (std::size_t k = 0; k < corpo.size(); ++k) {
            std::smatch m;
            const std::string riga = pulita(corpo[k]);
            if (std::regex_search(riga, m, std::regex("^(R[0-9]+) "))) ++tralicci[m[1]];
            // Under the schedule's heading row, a rail's row begins: never the rest of one.
            if (riga.rfind("Traliccio", 0) == 0 && k + 2 < corpo.size()) {
                const std::string sotto = pulita(corpo[k + 2]); // its heading runs on two lines
                EXPECT_TRUE(std::regex_search(sotto, std::regex("^R[0-9]+ ")))
                    << "page " << p + 1 << ": " << sotto;
            }
        }
    }
    for (const auto& [nome, volte] : tralicci)
        EXPECT_EQ(volte, 1) << nome;
    // The last page of the text holds a whole section, or a quarter of a page's lines: never a
    // scrap.
    if (testuali > 1) {
        std::size_t piena = 0; // lines of the fullest page
        for (std::size_t p = 0; p < testuali; ++p)
            piena = std::max(piena, righe(pagine[p]).size());
        const std::vector<std::string> r = righe(pagine[testuali - 1]);
        EXPECT_TRUE(std::any_of(r.begin(), r.end(),
                                [](const std::string& l) { return TITOLI.count(pulita(l)); }) ||
                    4 * r.size() >= piena)
            << pagine[testuali - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, PagineRelazione,
    ::testing::Values(CasoRelazione{"predefinito", {}}, CasoRelazione{"interno", {}, 0},
                      CasoRelazione{"bordo_diagonali", {}, 1}, CasoRelazione{"angolo", {}, 2},
                      CasoRelazione{"circolare", {}, 3}, CasoRelazione{"foro", {}, 5},
                      CasoRelazione{"diciotto_strati", {{1, "-330000"}}}),
    [](const auto& info) { return std::string(info.param.nome); });

// A document of known heights: a heading, paragraphs, a table of many rows. Each page holds
// whole paragraphs and rows, the table's heading row on top of its pages, and nothing after a
// heading at its foot.
TEST(Impagina, CutsBetweenWholeBlocksAndRowsRepeatingTheTablesHeadingRow) {
    QTextDocument d;
    d.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QString html = "<h3>Primo</h3>";
    for (int i = 0; i < 6; ++i)
        html += "<p>Un paragrafo di tre righe, lungo abbastanza da andare a capo due volte in "
                "una colonna stretta come questa che lo tiene.</p>";
    html += "<h3>Secondo</h3><table border='1' cellspacing='0'><thead><tr><th>Riga</th><th>Testo"
            "</th></tr></thead>";
    for (int i = 0; i < 40; ++i)
        html += QString("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(i)
                    .arg(i % 3 ? "breve" : "una cella di due righe nella colonna stretta");
    html += "</table>";
    d.setHtml(html);
    const double altezza = 400;
    const std::vector<Pagina> pagine = impagina(d, 300, altezza);
    ASSERT_GT(pagine.size(), 2u);
    double prima = 0; // the column covered so far
    for (std::size_t p = 0; p < pagine.size(); ++p) {
        double h = 0;
        for (const Fetta& f : pagine[p])
            h += f.a - f.da;
        EXPECT_LE(h, altezza + 1e-6) << "page " << p;
        // A page goes on from where the one before ended, after its repeated heading row.
        const Fetta& corpo = pagine[p].back();
        EXPECT_GE(corpo.da, prima - 1e-6) << "page " << p;
        prima = corpo.a;
        // No cut through a line: each end of a stretch lies between two lines of the layout.
        for (const Fetta& f : pagine[p])
            for (const double y : {f.da, f.a})
                for (QTextBlock b = d.begin(); b != d.end(); b = b.next()) {
                    const QRectF r = d.documentLayout()->blockBoundingRect(b);
                    for (int k = 0; k < b.layout()->lineCount(); ++k) {
                        const QRectF l = b.layout()->lineAt(k).rect().translated(r.topLeft());
                        EXPECT_FALSE(y > l.top() + 0.5 && y < l.bottom() - 0.5)
                            << "page " << p << " cuts a line at " << y;
                    }
                }
        if (p > 0 && pagine[p].size() == 2) { // the table's heading row on top
            EXPECT_LT(pagine[p].front().a - pagine[p].front().da, 40) << "page " << p;
        }
    }
    EXPECT_GT(
        std::count_if(pagine.begin(), pagine.end(), [](const Pagina& p) { return p.size() == 2; }),
        0)
        << "the table runs over pages with its heading row";
}

} // namespace
} // namespace tessaro
