// The conversions between texts and numbers, case by case.
#include "numeric/aritmetica.h"
#include "numeric/conversioni.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <random>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>

namespace tessaro {

TEST(Conversioni, LenientReadsTheLeadingNumber) {
    const std::pair<const char*, double> casi[] = {
        {"1,5", 1},     {"  2.5  ", 2.5}, {"1 2 3", 123}, {"-14500", -14500}, {"abc", 0},
        {"", 0},        {".", 0},         {"-", 0},       {".5", 0.5},        {"-.5", -0.5},
        {"1.2.3", 1.2}, {"3e2", 300},     {"3e", 3},      {"3e+", 3},         {"2.5x7", 2.5},
        {"+7", 7},      {"1e-400", 0},    {"\t 12", 12},  {"- 5", -5},        {"12 e2", 1200}};
    for (const auto& [testo, valore] : casi) EXPECT_DOUBLE_EQ(lenient(testo), valore) << testo;
    EXPECT_THROW(lenient("1e999"), Fault);
}

TEST(Conversioni, StrictAcceptsOnlyAWholeNumber) {
    for (const char* t : {"1,5", "", " ", "abc", "1 2", "1.2.3", "3e", "e3", ".", "-", "inf",
                          "nan", "0x10", "1e999", "12abc", "--1", "1d2"})
        EXPECT_FALSE(try_strict(t).has_value()) << t;
    const std::pair<const char*, double> casi[] = {
        {" 2.5 ", 2.5}, {"-14500", -14500}, {"+3", 3}, {".5", 0.5}, {"5.", 5},
        {"1.10", 1.1},  {"3E2", 300},       {"1e-3", 0.001}, {"\t7\t", 7}, {"-0", 0}};
    for (const auto& [testo, valore] : casi) EXPECT_DOUBLE_EQ(strict(testo), valore) << testo;
    // To the last bit, as the C library rounds: halfway integers, subnormals, many digits.
    const std::pair<const char*, double> esatti[] = {
        {"0.1", 0.1}, {"-123456.789", -123456.789}, {"9007199254740993", 9007199254740992.0},
        {"1e-320", 1e-320}, {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"0.30000000000000004441", 0.30000000000000004441}};
    for (const auto& [testo, valore] : esatti) EXPECT_EQ(strict(testo), valore) << testo;
    EXPECT_THROW(strict("1,5"), Fault);
    EXPECT_TRUE(is_numeric(" 2.5 "));
    EXPECT_FALSE(is_numeric("1,5"));
}

TEST(Conversioni, RoundingHalvesToEvenOnTheStoredDouble) {
    EXPECT_EQ(R(2.5, 0), 2);
    EXPECT_EQ(R(3.5, 0), 4);
    EXPECT_EQ(R(-2.5, 0), -2);
    EXPECT_EQ(R(0.125, 2), 0.12);  // exactly halfway in binary
    EXPECT_EQ(R(0.375, 2), 0.38);
    // 0.123455 is stored slightly below the half, 1.0005 slightly below as well.
    EXPECT_EQ(show(R(0.123455, 5)), "0.12345");
    EXPECT_EQ(show(R(1.0005, 3)), "1");
    EXPECT_EQ(show(R(-0.0004, 3)), "0");
}

TEST(Conversioni, PlainAndShortForms) {
    const std::pair<double, const char*> casi[] = {
        {18.5, "18.5"}, {20, "20"}, {-10000, "-10000"}, {0.52032, "0.52032"}, {1e-5, "0.00001"},
        {1.1, "1.1"},   {0.1 + 0.2, "0.3"}, {123456789012345678.0, "123456789012346000"},
        {1.0 / 3.0, "0.333333333333333"}, {-0.0, "0"}, {27.75, "27.75"},
        {-0.00000025, "-0.00000025"}, {999999999999999.9, "1000000000000000"}};
    for (const auto& [valore, testo] : casi) EXPECT_EQ(show(valore), testo);
    EXPECT_EQ(short_form(1), " 1"); // a blank for the sign, as in the stud lists of the scripts
    EXPECT_EQ(short_form(-0.0), " 0");
    EXPECT_EQ(short_form(-2.5), "-2.5");
    EXPECT_EQ(show(1e300), "1" + std::string(300, '0')); // the longest forms fit their buffer
    EXPECT_EQ(show(-1e-300), "-0." + std::string(299, '0') + "1");
    EXPECT_THROW(show(std::numeric_limits<double>::infinity()), Fault);
    EXPECT_THROW(show(std::numeric_limits<double>::quiet_NaN()), Fault);
    // The largest doubles show as the largest fifteen digits that still read back.
    for (const double x : {std::numeric_limits<double>::max(), -1.797693134862314e308}) {
        const std::string s = show(x);
        EXPECT_EQ(s, std::string(x < 0 ? "-" : "") + "179769313486231" + std::string(294, '0'));
        EXPECT_TRUE(is_numeric(s)) << s;
    }
}

// The plain form holds the 15 significant digits of printf's "%.14e", whatever path gives them.
TEST(Conversioni, ThePlainFormHasTheFifteenDigitsOfPrintf) {
    std::mt19937_64 caso(12345);
    for (int i = 0; i < 200000; ++i) {
        const double mantissa = std::uniform_real_distribution<double>(1, 10)(caso);
        const int esponente = static_cast<int>(caso() % 40) - 20;
        // Short decimals as well as full doubles: a coordinate of 3 decimals, a quotient.
        const double x = i % 2 ? mantissa * std::pow(10.0, esponente)
                               : std::round(mantissa * 1000) / 1000 * std::pow(10.0, esponente % 6);
        char printf_buf[64];
        std::snprintf(printf_buf, sizeof printf_buf, "%.14e", x);
        std::string attese(printf_buf, std::strchr(printf_buf, 'e'));
        attese.erase(1, 1); // the point
        while (attese.size() > 1 && attese.back() == '0') attese.pop_back();
        std::string cifre;
        for (const char c : show(x))
            if (c >= '0' && c <= '9' && !(cifre.empty() && c == '0')) cifre += c;
        while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
        ASSERT_EQ(cifre, attese) << printf_buf;
    }
}

TEST(Conversioni, IgnoreTheLocaleOfTheProcess) {
    // A window toolkit may switch the process to the user's locale, whose decimal separator
    // may be a comma. Build an Italian locale in a folder of our own to try it.
    // A folder of this process alone: test runs side by side must not remove each other's.
    const auto cartella = std::filesystem::temp_directory_path() /
                          ("tessaro-locale-" + std::to_string(::getpid()));
    const std::string comando = "localedef -i it_IT -f UTF-8 " + (cartella / "it_IT.UTF-8").string() +
                                " >/dev/null 2>&1";
    std::filesystem::create_directories(cartella);
    if (std::system(comando.c_str()) != 0) GTEST_SKIP() << "localedef cannot build it_IT";
    setenv("LOCPATH", cartella.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"), nullptr);
    EXPECT_DOUBLE_EQ(std::strtod("2.5", nullptr), 2.0); // the locale really reads a comma
    EXPECT_DOUBLE_EQ(strict("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(lenient("2.5"), 2.5);
    EXPECT_EQ(show(2.5), "2.5");
    EXPECT_EQ(show(R(2.25, 1)), "2.2");
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    std::filesystem::remove_all(cartella);
}

} // namespace tessaro
