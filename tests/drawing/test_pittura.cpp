// The plan painted by Qt: where the world window puts it, the exported files, the font.
#include "support/finestra_prova.h"

#include "drawing/contorni.h"
#include "drawing/qt/esporta.h"
#include "drawing/qt/font_canvas.h"
#include "drawing/qt/pittore.h"
#include "drawing/sezione.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace tessaro {

using prova::FinestraProva;

namespace {

// Fonts and images need a GUI application (offscreen), alive for the whole program.
class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char nome[] = "test_drawing";
        static char* argv[] = {nome, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] auto* const ambiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

constexpr int LATO = 4 * Canvas::LATO_PX; // the PNG's side, px

// The pixel of the PNG where the world point (x, y) falls.
QPoint pixel(const Canvas& c, double x, double y) {
    return QPoint(static_cast<int>((x - c.ScaleLeft) / c.ScaleWidth * LATO),
                  static_cast<int>((y - c.ScaleTop) / c.ScaleHeight * LATO));
}

// The brightest pixel within r pixels of p, as its lightness 0–255.
int luce_intorno(const QImage& im, QPoint p, int r) {
    int massima = 0;
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy)
            massima = std::max(massima, im.pixelColor(p + QPoint(dx, dy)).lightness());
    return massima;
}

QImage esportata(const Canvas& c) {
    EXPECT_TRUE(esporta(c, "pianta.png"));
    QImage im("pianta.png");
    EXPECT_EQ(im.size(), QSize(LATO, LATO));
    return im;
}

} // namespace

TEST(Pittura, TheDefaultPlanIsPaintedWhereTheWorldWindowPutsIt) {
    FinestraProva w; // 40 × 60 interior, window ±194
    CalcoTess& f = *w.f;
    Canvas& c = f.Pic;
    f.dati.dcrit = 2 * f.dati.deff;
    disegna_contorni(f);
    const QImage im = esportata(c);
    const int sfondo = sfondo_canvas().lightness();
    // The column's faces, in solid white.
    EXPECT_GT(luce_intorno(im, pixel(c, -20, 10), 3), 240);
    EXPECT_GT(luce_intorno(im, pixel(c, 20, -10), 3), 240);
    EXPECT_GT(luce_intorno(im, pixel(c, 10, 30), 3), 240);
    // The dotted perimeter: its top at y = 104, its right side at x = 94, its corner arc; a
    // dot within a dot pitch of every sampled point.
    for (const auto& [x, y] : {std::pair{0.0, 104.0}, {-10.0, -104.0}, {94.0, 0.0},
                               {20 + 74 / std::sqrt(2.0), 30 + 74 / std::sqrt(2.0)}})
        EXPECT_GT(luce_intorno(im, pixel(c, x, y), 6), 200) << x << ", " << y;
    // Between the column and the perimeter, and outside it, only the background.
    for (const auto& [x, y] : {std::pair{60.0, 60.0}, {0.0, 150.0}, {-150.0, -150.0}})
        EXPECT_EQ(luce_intorno(im, pixel(c, x, y), 3), sfondo) << x << ", " << y;
}

TEST(Pittura, AShadowReachingFarOutIsCutToTheCanvas) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Text4.Text = "50";
    f.dati.alfa1 = 0.2;
    f.dati.alfa2 = 2 * std::atan(1.0); // its far vertex lies 1.6e19 cm up
    disegna_sezione(f);
    const QImage im = esportata(f.Pic);
    const QColor blu(0, 0, 128);
    EXPECT_EQ(im.pixelColor(pixel(f.Pic, 150, 150)), blu);
    EXPECT_EQ(im.pixelColor(pixel(f.Pic, 10, 180)), blu);
    EXPECT_EQ(im.pixelColor(pixel(f.Pic, -150, 150)), sfondo_canvas());
    EXPECT_EQ(im.pixelColor(pixel(f.Pic, 150, -150)), sfondo_canvas());
}

TEST(Pittura, ExportWritesSvgOrPngAndNothingElse) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.Option1 = {false, true};
    disegna_sezione(f);
    ASSERT_TRUE(esporta(f.Pic, "pianta.svg"));
    QFile svg("pianta.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray testo = svg.readAll();
    EXPECT_TRUE(testo.contains("viewBox=\"0 0 236 236\""));
    EXPECT_TRUE(testo.contains(">D40<"));

    EXPECT_FALSE(esporta(f.Pic, "pianta.pdf"));
    EXPECT_FALSE(std::filesystem::exists("pianta.pdf"));
    EXPECT_FALSE(esporta(f.Pic, "manca/pianta.png"));
}

TEST(Pittura, TheCanvasFontIsANarrowFaceOfElevenPixels) {
    const QFontInfo info(font_canvas());
    EXPECT_EQ(info.pixelSize(), 11);
    if (QFontDatabase::hasFamily("Liberation Sans Narrow") &&
        !QFontDatabase::hasFamily("Arial Narrow")) {
        EXPECT_EQ(info.family(), "Liberation Sans Narrow");
    }
}

} // namespace tessaro
