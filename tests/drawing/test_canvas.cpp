// The canvas: where each operation leaves the pen, text extents in world units.
#include "support/finestra_prova.h"

#include "drawing/lettura.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessaro {

using prova::MisuraFissa;

TEST(Canvas, EveryOperationLeavesThePenWhereTheNextOneStarts) {
    MisuraFissa m;
    const std::pair<std::function<void(Canvas&)>, Punto> casi[] = {
        {[](Canvas& c) { c.Line(1, 2, 3, 4); }, {3, 4}},
        {[](Canvas& c) { c.LineStep(1, 2, 3, 4); }, {4, 6}},
        {[](Canvas& c) { c.LineTo(-5, 7); }, {-5, 7}},
        {[](Canvas& c) { c.LineBy(-5, 7); }, {5, 17}},
        {[](Canvas& c) { c.LineSteps(1, 1, 2, -3); }, {13, 8}},
        {[](Canvas& c) { c.Box(-4, -6); }, {-4, -6}},
        {[](Canvas& c) { c.Circle(7, 8, 3); }, {7, 8}},
        {[](Canvas& c) { c.Circle(7, 8, 3, 1); }, {7, 8}},
        {[](Canvas& c) { c.Circle(7, 8, 3, 1, 2); }, {7, 8}},
        {[](Canvas& c) { c.PSet(-1, -2); }, {-1, -2}},
        {[](Canvas& c) { c.FilledTriangle({5, 6}, {0, 0}, {9, 9}); }, {5, 6}},
        {[](Canvas& c) { c.Scale(-1, 1, 1, -1); }, {10, 10}},
        {[](Canvas& c) { c.Cls(); }, {0, 0}},
    };
    for (std::size_t i = 0; i < std::size(casi); ++i) {
        Canvas c(m);
        c.CurrentX = 10;
        c.CurrentY = 10;
        casi[i].first(c);
        EXPECT_EQ(c.CurrentX, casi[i].second.x) << "case " << i;
        EXPECT_EQ(c.CurrentY, casi[i].second.y) << "case " << i;
    }
    Canvas c(m);
    c.LineSteps(1, 1, 2, -3);
    c.Circle(7, 8, 3, 4.712388981);
    EXPECT_EQ(prova::lista(c), (std::vector<std::string>{"L 1,1 3,-2", "C 7,8 3 4.7124>6.2832"}));
}

TEST(Canvas, TextExtentsAreInWorldUnitsAndPrintGoesToTheNextLine) {
    MisuraFissa m; // 5 px a character, 13 px a line
    Canvas c(m);
    c.Scale(-194, 194, 194, -194); // 388 cm over 236 px, y up
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 10 * 388.0 / 236);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), -13 * 388.0 / 236);
    c.CurrentX = 30;
    c.CurrentY = 50;
    c.Print(" Da");
    EXPECT_EQ(prova::lista(c), (std::vector<std::string>{"T ' Da' 30,50"}));
    EXPECT_DOUBLE_EQ(c.CurrentX, -194);                      // the left edge
    EXPECT_DOUBLE_EQ(c.CurrentY, 50 - 13 * 388.0 / 236);      // one line lower
    c.Scale(0, 0, 472, 118); // y down; two units a pixel across, half a unit down
    EXPECT_DOUBLE_EQ(c.TextWidth("Db"), 20);
    EXPECT_DOUBLE_EQ(c.TextHeight("Db"), 6.5);
}

} // namespace tessaro
