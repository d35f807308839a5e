// The plan painted by Qt: where the world window puts it, far shadows, the exported files.
#include "support/applicazione_qt.h"
#include "support/file_ostili.h"
#include "support/finestra_prova.h"

#include "drawing/contorni.h"
#include "drawing/qt/esporta.h"
#include "drawing/qt/font_canvas.h"
#include "drawing/qt/pittore.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;

namespace {

// The plan as the drawing routine paints it, exported as a PNG and read back.
QImage pianta(CalcoTess& f) {
    f.dati.dcrit = 2 * f.dati.deff;
    disegna_contorni(f);
    EXPECT_TRUE(esporta(f.Pic, "pianta.png"));
    QImage im("pianta.png");
    EXPECT_EQ(im.size(), QSize(944, 944)); // four times the canvas
    return im;
}

// The lightest pixel (0–255) within r pixels of where the world point (x, y) falls.
int luce(const QImage& im, const Canvas& c, double x, double y, int r = 3) {
    const int px = static_cast<int>((x - c.ScaleLeft) / c.ScaleWidth * im.width());
    const int py = static_cast<int>((y - c.ScaleTop) / c.ScaleHeight * im.height());
    int massima = 0;
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy)
            massima = std::max(massima, im.pixelColor(px + dx, py + dy).lightness());
    return massima;
}

} // namespace

TEST(Pittura, TheDefaultPlanIsPaintedWhereTheWorldWindowPutsIt) {
    FinestraProva w; // 40 × 60 interior, window ±194
    CalcoTess& f = *w.f;
    const QImage im = pianta(f);
    const Canvas& c = f.Pic;
    // The column's faces in solid white.
    for (const auto& [x, y] : {std::pair{-20.0, 10.0}, {20.0, -10.0}, {10.0, 30.0}})
        EXPECT_GT(luce(im, c, x, y), 240) << x << ", " << y;
    // The dotted perimeter: a dot within one dot pitch of each point of it.
    for (const auto& [x, y] : {std::pair{0.0, 104.0}, {-10.0, -104.0}, {94.0, 0.0},
                               {20 + 74 / std::sqrt(2.0), 30 + 74 / std::sqrt(2.0)}})
        EXPECT_GT(luce(im, c, x, y, 6), 200) << x << ", " << y;
    // Between the column and the perimeter, and outside it, only the background.
    for (const auto& [x, y] : {std::pair{60.0, 60.0}, {0.0, 150.0}, {-150.0, -150.0}})
        EXPECT_EQ(luce(im, c, x, y), sfondo_canvas().lightness()) << x << ", " << y;
}

TEST(Pittura, AShadowReachingFarOutIsCutToTheCanvas) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Text4.Text = "50";
    f.dati.alfa1 = 0.2;
    f.dati.alfa2 = 2 * std::atan(1.0); // its far vertex lies 1.6e19 cm up
    const QImage im = pianta(f);
    const int blu = QColor(0, 0, 128).lightness(), sfondo = sfondo_canvas().lightness();
    for (const auto& [x, y, attesa] :
         {std::tuple{150.0, 150.0, blu}, {10.0, 180.0, blu}, {-150.0, 150.0, sfondo},
          {150.0, -150.0, sfondo}})
        EXPECT_EQ(luce(im, f.Pic, x, y), attesa) << x << ", " << y;
}

TEST(Pittura, ExportWritesSvgOrPngAndNothingElseInTheNarrowFont) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Option1 = {false, true};
    pianta(f);
    ASSERT_TRUE(esporta(f.Pic, "pianta.svg"));
    QFile svg("pianta.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray testo = svg.readAll();
    EXPECT_TRUE(testo.contains("viewBox=\"0 0 236 236\""));
    EXPECT_TRUE(testo.contains(">D40<"));
    EXPECT_TRUE(testo.contains("font-family=\"" + QFontInfo(font_canvas()).family().toUtf8()));
    EXPECT_EQ(QFontInfo(font_canvas()).pixelSize(), 11);

    EXPECT_FALSE(esporta(f.Pic, "pianta.pdf"));
    EXPECT_FALSE(QFile::exists("pianta.pdf"));
    EXPECT_FALSE(esporta(f.Pic, "manca/pianta.png"));
}

// On a full disk the picture is refused and the old one stays whole, in either format.
TEST(Pittura, AFullDiskKeepsThePreviousPicture) {
    FinestraProva w;
    pianta(*w.f);
    for (const char* nome : {"pianta.svg", "pianta.png"}) {
        ASSERT_TRUE(esporta(w.f->Pic, nome));
        const std::string prima = prova::leggi_file(nome);
        {
            prova::DiscoPieno pieno(prima.size() / 2);
            EXPECT_FALSE(esporta(w.f->Pic, nome)) << nome;
        }
        EXPECT_EQ(prova::leggi_file(nome), prima) << nome;
    }
    std::size_t file = 0;
    for (const auto& e : std::filesystem::directory_iterator(w.cartella.percorso()))
        file += e.path().extension() != ".tmp"; // the working files aside
    EXPECT_EQ(file, 2u); // no temporary left behind
}

} // namespace tessaro
