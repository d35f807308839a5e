// The change of unit on the text: the point moved, exact strings, and back to what was typed.
#include "numeric/conversioni.h"
#include "numeric/virgola.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {

TEST(Virgola, ThePointMovesOnTheDigits) {
    const struct {
        const char* testo;
        int n;
        const char* atteso;
    } casi[] = {
        {"-200000", -2, "-2000"},
        {"143281", -2, "1432.81"},
        {"-2000", 2, "-200000"},
        {"1432.81", 2, "143281"},
        {"18.5", 1, "185"},
        {"27.75", 1, "277.5"},
        {"400", -1, "40"},
        {"4.609", -1, "0.4609"},
        {"34403.361", -4, "3.4403361"},
        {"5", -2, "0.05"},
        {"500", -2, "5"},
        {"1500.5", -2, "15.005"},
        {"1.500", 2, "150.0"},
        {"150.0", -2, "1.500"},
        {"0.50", 2, "50"},
        {"0", 2, "0"},
        {"0", -2, "0"},
        {"-0", 2, "-0"},
        {"-0", -4, "-0"},
        {"0.001", 2, "0.1"},
        {".5", 1, "5"},
        {"5.", 2, "500"},
        {"+5", 2, "+500"},
        {"007", 1, "70"},
        {" 14 ", 1, " 140 "},
        {"1.5e3", 2, "1.5e5"},
        {"1.5E-3", 4, "1.5E1"},
        {"2e+3", -4, "2e-1"},
        {"2e-3", 3, "2e0"},
        {"1e999", -2, "1e997"},
        {"0.0000000001", -4, "0.00000000000001"},
        {"123456789012345678901234567890", 2, "12345678901234567890123456789000"},
        {"123456789.123456789123", -2, "1234567.89123456789123"},
        // Not numbers as the strict conversion reads them: left as they are.
        {"abc", 2, "abc"},
        {"1,5", 2, "1,5"},
        {"", 2, ""},
        {"-", 2, "-"},
        {"1e", 2, "1e"},
        {"1 2", 2, "1 2"},
        {"42", 0, "42"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(sposta_virgola(c.testo, c.n), c.atteso) << c.testo;
}

// What is typed in one system comes back as typed (a text without zeros that say nothing), and
// the model's number is the value moved.
TEST(Virgola, BackAndForthGivesTheTextTyped) {
    for (const char* t : {"-2000", "1432.81", "0", "-0", "0.05", "12.34", "185", "0.4609",
                          "3.4403361", "1e5", "-1.25e-7", "999999999999999999", "0.000001"})
        for (const int n : {1, 2, 4, -1, -2, -4}) {
            const std::string mosso = sposta_virgola(t, n);
            EXPECT_EQ(sposta_virgola(mosso, -n), t) << t << " by " << n;
            EXPECT_DOUBLE_EQ(strict(mosso), strict(t) * std::pow(10.0, n)) << t << " by " << n;
        }
}

} // namespace tessaro
