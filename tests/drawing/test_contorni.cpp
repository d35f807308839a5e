// The picture of the plan: column outlines and dotted control perimeters by shape and
// position.
#include "support/finestra_prova.h"

#include "drawing/contorni.h"
#include "drawing/lettura.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

using prova::FinestraProva;
using Tipo = Elemento::Tipo;

namespace {

// The plan as the drawing routine makes it, with dcrit = 2·d already set.
void disegna_figura(CalcoTess& f, int forma, int posizione) {
    f.Option1 = {};
    f.Option1[static_cast<std::size_t>(forma)] = true;
    f.Option2 = {};
    f.Option2[static_cast<std::size_t>(posizione)] = true;
    f.dati.dcrit = 2 * f.dati.deff;
    disegna_contorni(f);
}

// The dotted lines and arcs of the picture.
std::vector<Elemento> perimetro(const Canvas& c) {
    std::vector<Elemento> p;
    for (const Elemento& e : c.elementi())
        if (e.stile == 2) p.push_back(e);
    return p;
}

// True when the pieces join end to end into closed loops: every end meets exactly one other.
bool chiuso(const std::vector<Elemento>& pezzi) {
    std::vector<Punto> capi;
    for (const Elemento& e : pezzi)
        for (const Punto& p : prova::estremi(e)) capi.push_back(p);
    for (const Punto& p : capi) {
        int incontri = 0;
        for (const Punto& q : capi) incontri += prova::vicino(p, q, 1e-6);
        if (incontri != 2) return false;
    }
    return !capi.empty();
}

} // namespace

TEST(Contorni, InteriorRectangleIsRoundedAtTwoDepthsFromItsFaces) {
    FinestraProva w; // 40 × 60, d = 37: dcrit = 74
    CalcoTess& f = *w.f;
    disegna_figura(f, 0, 0);
    const auto p = perimetro(f.Pic);
    ASSERT_EQ(p.size(), 8u);
    const Punto linee[][2] = {{{-20, -104}, {20, -104}}, {{-20, 104}, {20, 104}},
                              {{-94, -30}, {-94, 30}},   {{94, -30}, {94, 30}}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p[i].tipo, Tipo::linea);
        EXPECT_TRUE(prova::vicino(p[i].p1, linee[i][0])) << i << ": " << p[i].p1;
        EXPECT_TRUE(prova::vicino(p[i].p2, linee[i][1])) << i << ": " << p[i].p2;
    }
    const Punto spigoli[] = {{20, 30}, {-20, 30}, {-20, -30}, {20, -30}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p[4 + i].tipo, Tipo::arco);
        EXPECT_TRUE(prova::vicino(p[4 + i].p1, spigoli[i]));
        EXPECT_DOUBLE_EQ(p[4 + i].r, 74);
        EXPECT_NEAR(p[4 + i].e - p[4 + i].s, PI / 2, 1e-9); // quarter circles
    }
    EXPECT_TRUE(chiuso(p));
    EXPECT_EQ(f.Pic.DrawStyle, 2); // left dotted; the next picture resets it
}

TEST(Contorni, EdgeAndCornerPerimetersRunToTheSlabEdges) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.dati.Db_a = 1000;
    disegna_figura(f, 0, 1);
    auto p = perimetro(f.Pic);
    ASSERT_EQ(p.size(), 5u);
    EXPECT_TRUE(prova::vicino(p[0].p1, {-1020, -104}));
    EXPECT_TRUE(prova::vicino(p[0].p2, {20, -104}));
    EXPECT_TRUE(prova::vicino(p[1].p1, {-1020, 104}));
    EXPECT_TRUE(prova::vicino(p[2].p1, {94, -30}));
    EXPECT_TRUE(prova::vicino(p[2].p2, {94, 30}));
    EXPECT_TRUE(prova::vicino(p[4].p1, {20, -30}));

    f.dati.Db_a = 50;
    f.dati.Db_b = 30;
    disegna_figura(f, 0, 2);
    p = perimetro(f.Pic);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_TRUE(prova::vicino(p[0].p1, {-70, 104}));
    EXPECT_TRUE(prova::vicino(p[0].p2, {20, 104}));
    EXPECT_TRUE(prova::vicino(p[1].p1, {94, -60}));
    EXPECT_TRUE(prova::vicino(p[1].p2, {94, 30}));
    const auto capi = prova::estremi(p[2]); // the arc joins both lines
    EXPECT_TRUE(prova::vicino(capi[0], {94, 30}));
    EXPECT_TRUE(prova::vicino(capi[1], {20, 104}));
}

TEST(Contorni, OctagonPerimeterKeepsTwoDepthsFromEveryFace) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    f.dati.a = 30;
    f.dati.b = 10;
    f.dati.deff = 20; // c = 25, dcrit = 40
    disegna_figura(f, 3, 0);
    EXPECT_TRUE(f.Text1[7].Enabled);

    // Outline: the inner square, then the eight faces round from (−15, 25) back to it.
    const auto linee = prova::di_tipo(f.Pic, Tipo::linea);
    std::vector<Elemento> contorno(linee.begin(), linee.begin() + 8);
    for (const Elemento& e : contorno) EXPECT_EQ(e.stile, 0);
    EXPECT_TRUE(chiuso(contorno));
    EXPECT_TRUE(prova::vicino(contorno[0].p1, {-15, 25}));
    EXPECT_TRUE(prova::vicino(contorno[2].p1, {25, 15}));
    EXPECT_EQ(prova::testi(f.Pic), (std::vector<std::string>{" 30 ", " 10 "}));

    const auto p = perimetro(f.Pic);
    ASSERT_EQ(p.size(), 16u);
    EXPECT_TRUE(chiuso(p));
    // Straight faces at ±65; each diagonal face is the column's diagonal face moved out by 40
    // along its outer normal, as long as the column's face.
    int diritte = 0, diagonali = 0;
    for (const Elemento& e : p) {
        if (e.tipo != Tipo::linea) continue;
        const Punto u = e.p1, v = e.p2;
        if (std::fabs(u.x - v.x) < 1e-9 || std::fabs(u.y - v.y) < 1e-9) {
            ++diritte;
            EXPECT_NEAR(std::max(std::fabs(u.x), std::fabs(u.y)), 65, 1e-9) << u;
        } else {
            ++diagonali;
            EXPECT_NEAR(std::fabs(u.x) + std::fabs(u.y), 40 + 40 * std::sqrt(2.0), 1e-9) << u;
            EXPECT_NEAR(std::fabs(v.x) + std::fabs(v.y), 40 + 40 * std::sqrt(2.0), 1e-9) << v;
            EXPECT_NEAR(std::hypot(u.x - v.x, u.y - v.y), 10 * std::sqrt(2.0), 1e-9);
        }
    }
    EXPECT_EQ(diritte, 4);
    EXPECT_EQ(diagonali, 4);
}

TEST(Contorni, RectangleWithSemicircularEnds) {
    FinestraProva w; // a = 40 the diameter of the ends, b = 60 the straight sides
    CalcoTess& f = *w.f;
    f.Text1[7].Enabled = false;
    disegna_figura(f, 2, 1); // the position does not matter
    EXPECT_TRUE(f.Text1[7].Enabled);
    std::vector<Elemento> contorno;
    for (const Elemento& e : f.Pic.elementi())
        if (e.stile == 0 && (e.tipo == Tipo::linea || e.tipo == Tipo::arco)) contorno.push_back(e);
    ASSERT_EQ(contorno.size(), 5u); // the slab edge, then the outline
    contorno.erase(contorno.begin());
    EXPECT_TRUE(chiuso(contorno));
    const auto p = perimetro(f.Pic);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_TRUE(chiuso(p));
    EXPECT_TRUE(prova::vicino(p[0].p1, {-94, -30}));
    EXPECT_DOUBLE_EQ(p[2].r, 94);
    const auto scritti = prova::di_tipo(f.Pic, Tipo::testo);
    ASSERT_EQ(scritti.size(), 3u); // " Da", then the labels
    EXPECT_EQ(scritti[1].testo, "D40");
    EXPECT_TRUE(prova::vicino(scritti[1].p1, {-f.Pic.TextWidth("D40") / 2, -50}));
    EXPECT_EQ(scritti[2].testo, " 60 ");
    EXPECT_TRUE(prova::vicino(scritti[2].p1, {-20, -f.Pic.TextHeight(" 60") / 2}));
}

TEST(Contorni, CircularImposedAreaAndWallGetNoPerimeterHere) {
    FinestraProva w;
    CalcoTess& f = *w.f;
    for (const int forma : {1, 4, 5}) {
        disegna_figura(f, forma, 0);
        EXPECT_TRUE(perimetro(f.Pic).empty()) << forma;
    }
    EXPECT_TRUE(f.Pic.elementi().empty()); // a wall: nothing at all
}

} // namespace tessaro
