// The report's formatting routines, case by case: exact texts, halves, negatives, overflow.
#include "files/formati.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaro {

TEST(Formati, FixedMasksRoundTheFifteenDigitsHalfAwayFromZero) {
    const std::pair<double, const char*> casi[] = {
        {123.45, "    123.5"},     {0, "      0.0"},          {-14500, " -14500.0"},
        {0.05, "      0.1"},       {-0.05, "     -0.1"},      {0.25, "      0.3"},
        {2.675, "      2.7"},      {9999999.94, "9999999.9"}, {9999999.95, "#######.#"},
        {12345678.9, "#######.#"}, {-999999.95, "#######.#"}, {-0.04, "      0.0"},
        {1e-300, "      0.0"},     {1e300, "#######.#"},      {12, "     12.0"}};
    for (const auto& [x, testo] : casi)
        EXPECT_EQ(formatta(x), testo) << x;

    const std::pair<double, const char*> casi4[] = {
        {0.52032, "   0.5203"},    {0.00015, "   0.0002"},   {-0.00015, "  -0.0002"},
        {1.00005, "   1.0001"},    {0.99995, "   1.0000"},   {1.735, "   1.7350"},
        {9999.99995, "####.####"}, {-999.9999, "-999.9999"}, {-1000, "####.####"}};
    for (const auto& [x, testo] : casi4)
        EXPECT_EQ(formatta4(x), testo) << x;

    const std::pair<double, const char*> casi3[] = {
        {1.6, "    1.600"},     {1.1, "    1.100"},        {2.0005, "    2.001"},
        {-2.0005, "   -2.001"}, {99999.9994, "99999.999"}, {99999.9995, "#####.###"}};
    for (const auto& [x, testo] : casi3)
        EXPECT_EQ(formatta3(x), testo) << x;
}

TEST(Formati, UnitFormsRoundHalfToEvenOnTheDouble) {
    const std::pair<double, const char*> casi[] = {
        {0, "      0.0"},      {-14500, " -14500.0"},
        {0.25, "      0.2"},   {0.35, "      0.3"},
        {0.45, "      0.5"},   {-0.04, "      0.0"},
        {143281, " 143281.0"}, {12345678.9, "12345678.9"},
        {-16675, " -16675.0"}, {1e15, "1000000000000000.0"}};
    for (const auto& [x, testo] : casi)
        EXPECT_EQ(formatta_u(x, 1.0), testo) << x;
    EXPECT_EQ(formatta_u3(37, 1.0), "   37.000");
    EXPECT_EQ(formatta_u3(-0.0001, 1.0), "    0.000");
    EXPECT_EQ(formatta_u3(123456.5, 1.0), "123456.500");
}

TEST(Formati, TheUnitFactorScalesTheValueAndItsDecimals) {
    // A factor of 10 or more shows fewer decimals, one below 1 more, never fewer than none.
    EXPECT_EQ(formatta_u(2.5, 10), "       25");
    EXPECT_EQ(formatta_u(0, 10), "       0.");
    EXPECT_EQ(formatta_u(2.55, 100), "      255");
    EXPECT_EQ(formatta_u(2.5, 0.5), "     1.25");
    EXPECT_EQ(formatta_u(1, 0.05), "    0.050");
    EXPECT_EQ(formatta_u3(1, 1e6), "  1000000");
    EXPECT_EQ(formatta_u3(1, 1e-6), "0.000001000");
    EXPECT_EQ(formatta_u3(1, 1e-8), "    0.000");
}

TEST(Formati, AValueThatIsNoNumberPrintsAsBlanks) {
    EXPECT_EQ(formatta(valore("")), "         ");
    EXPECT_EQ(formatta3(valore("abc")), "         ");
    EXPECT_EQ(formatta4(valore("1,5")), "         ");
    EXPECT_EQ(formatta_u(valore(""), 1.0), "         ");
    EXPECT_EQ(formatta_u3(std::numeric_limits<double>::infinity(), 1.0), "         ");
    EXPECT_EQ(formatta_u(1e308, 10), "         "); // the product overflows
    EXPECT_EQ(formatta(std::numeric_limits<double>::quiet_NaN()), "         ");
    EXPECT_EQ(formatta_u(valore(" 2.5 "), 1.0), "      2.5");
}

} // namespace tessaro
