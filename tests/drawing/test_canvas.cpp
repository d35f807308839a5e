// The canvas: pen positions, text extents in world units, what the display list records.
#include "support/finestra_prova.h"

#include "drawing/lettura.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessaro {

using prova::MisuraFissa;
using Tipo = Elemento::Tipo;

namespace {

// The plan's window at the defaults: 388 cm across 236 pixels, y up.
Canvas finestra_pianta(const MisuraTesto& m) {
    Canvas c(m);
    c.Scale(-194, 194, 194, -194);
    return c;
}

} // namespace

TEST(Canvas, EveryOperationLeavesThePenWhereTheNextOneStarts) {
    MisuraFissa m;
    struct Caso {
        const char* nome;
        std::function<void(Canvas&)> operazione;
        Punto penna;
    };
    const Caso casi[] = {
        {"absolute line", [](Canvas& c) { c.Line(1, 2, 3, 4); }, {3, 4}},
        {"start and offset", [](Canvas& c) { c.LineStep(1, 2, 3, 4); }, {4, 6}},
        {"from the pen", [](Canvas& c) { c.LineTo(-5, 7); }, {-5, 7}},
        {"from the pen by offset", [](Canvas& c) { c.LineBy(-5, 7); }, {5, 17}},
        {"two offsets", [](Canvas& c) { c.LineSteps(1, 1, 2, -3); }, {13, 8}},
        {"box", [](Canvas& c) { c.Box(-4, -6); }, {-4, -6}},
        {"whole circle", [](Canvas& c) { c.Circle(7, 8, 3); }, {7, 8}},
        {"arc to 2π", [](Canvas& c) { c.Circle(7, 8, 3, 1); }, {7, 8}},
        {"arc", [](Canvas& c) { c.Circle(7, 8, 3, 1, 2); }, {7, 8}},
        {"dot", [](Canvas& c) { c.PSet(-1, -2); }, {-1, -2}},
        {"filled triangle", [](Canvas& c) { c.FilledTriangle({5, 6}, {0, 0}, {9, 9}); }, {5, 6}},
        {"world window", [](Canvas& c) { c.Scale(-1, 1, 1, -1); }, {10, 10}},
    };
    for (const Caso& caso : casi) {
        Canvas c(m);
        c.CurrentX = 10;
        c.CurrentY = 10;
        caso.operazione(c);
        EXPECT_TRUE(prova::vicino({c.CurrentX, c.CurrentY}, caso.penna))
            << caso.nome << ": pen at (" << c.CurrentX << ", " << c.CurrentY << ")";
    }
}

TEST(Canvas, TextExtentsAreInWorldUnitsWithTheHeightNegativeWhenYPointsUp) {
    MisuraFissa m; // 5 px a character, 13 px a line
    Canvas c = finestra_pianta(m);
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 10 * 388.0 / 236);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), -13 * 388.0 / 236);
    c.Scale(0, 0, 472, 118); // y down; two units a pixel across, half a unit down
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 20);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), 6.5);
}

TEST(Canvas, PrintWritesAtThePenAndMovesToTheStartOfTheNextLine) {
    MisuraFissa m;
    Canvas c = finestra_pianta(m);
    c.CurrentX = 30;
    c.CurrentY = 50;
    c.Print(" Da");
    const auto scritti = prova::di_tipo(c, Tipo::testo);
    ASSERT_EQ(scritti.size(), 1u);
    EXPECT_EQ(scritti[0].testo, " Da");
    EXPECT_TRUE(prova::vicino(scritti[0].p1, {30, 50}));
    EXPECT_DOUBLE_EQ(c.CurrentX, -194);           // the left edge
    EXPECT_DOUBLE_EQ(c.CurrentY, 50 + c.TextHeight(" Da")); // one line lower
    EXPECT_LT(c.CurrentY, 50);
}

TEST(Canvas, ElementsKeepTheStateTheyWereDrawnWithAndClsEmptiesTheList) {
    MisuraFissa m;
    Canvas c = finestra_pianta(m);
    c.Circle(0, 0, 20);
    c.ForeColor = 1;
    c.DrawWidth = 3;
    c.DrawStyle = 2;
    c.Circle(1, 2, 20, 4.712388981);
    c.Circle(1, 2, 20, 1, 2);
    const auto archi = prova::di_tipo(c, Tipo::arco);
    ASSERT_EQ(archi.size(), 3u);
    EXPECT_TRUE(archi[0].intero);
    EXPECT_EQ(archi[0].colore, 15);
    EXPECT_EQ(archi[0].larghezza, 1);
    EXPECT_EQ(archi[0].stile, 0);
    EXPECT_FALSE(archi[1].intero);
    EXPECT_DOUBLE_EQ(archi[1].e, 6.283185308); // the program's 2π
    EXPECT_EQ(archi[1].colore, 1);
    EXPECT_EQ(archi[1].larghezza, 3);
    EXPECT_EQ(archi[1].stile, 2);
    EXPECT_DOUBLE_EQ(archi[2].s, 1);
    EXPECT_DOUBLE_EQ(archi[2].e, 2);

    c.Cls();
    EXPECT_TRUE(c.elementi().empty());
    EXPECT_TRUE(prova::vicino({c.CurrentX, c.CurrentY}, {0, 0}));
    EXPECT_DOUBLE_EQ(c.ScaleWidth, 388); // the window stays
}

TEST(Canvas, TheColoursOfThePlan) {
    EXPECT_EQ(QBColor(1), (Colore{0, 0, 128}));
    EXPECT_EQ(QBColor(7), (Colore{192, 192, 192}));
    EXPECT_EQ(QBColor(15), (Colore{255, 255, 255}));
}

} // namespace tessaro
