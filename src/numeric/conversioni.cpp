// Conversions between texts and numbers.
#include "numeric/conversioni.h"

#include "numeric/aritmetica.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace tessaro {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Parses a well-formed number text in the "C" locale, whatever locale the process runs in
// (a window toolkit may have switched LC_NUMERIC to one that uses a comma).
double parse_c(const std::string& s) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(s.c_str(), nullptr, c_locale);
}

} // namespace

double lenient(std::string_view t) {
    std::string s;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < t.size() && is_blank(t[i])) ++i;
    };
    skip();
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
    bool digits = false, point = false;
    for (skip(); i < t.size(); skip()) {
        if (is_digit(t[i])) {
            s += t[i++];
            digits = true;
        } else if (t[i] == '.' && !point) {
            s += t[i++];
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::string e = "e";
        std::size_t j = i + 1;
        while (j < t.size() && is_blank(t[j])) ++j;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) e += t[j++];
        bool exp_digits = false;
        for (; j < t.size(); ++j) {
            if (is_blank(t[j])) continue;
            if (!is_digit(t[j])) break;
            e += t[j];
            exp_digits = true;
        }
        if (exp_digits) s += e;
    }
    return checked(parse_c(s)) + 0.0; // + 0.0 turns a negative zero into zero
}

std::optional<double> try_strict(std::string_view t) {
    std::size_t b = 0, e = t.size();
    while (b < e && (t[b] == ' ' || t[b] == '\t')) ++b;
    while (e > b && (t[e - 1] == ' ' || t[e - 1] == '\t')) --e;
    const std::string s(t.substr(b, e - b));
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exp_digits = 0;
        while (i < s.size() && is_digit(s[i])) ++i, ++exp_digits;
        if (exp_digits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const double x = parse_c(s);
    if (!std::isfinite(x)) return std::nullopt;
    return x + 0.0;
}

double strict(std::string_view t) {
    const auto x = try_strict(t);
    if (!x) throw Fault("testo non numerico");
    return *x;
}

bool is_numeric(std::string_view t) { return try_strict(t).has_value(); }

double R(double x, int n) {
    checked(x);
    // Fixed notation with n decimals is exact and rounds halves to even on the binary value.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, n);
    if (res.ec != std::errc()) throw Fault("numero troppo grande");
    return parse_c(std::string(buf, res.ptr)) + 0.0;
}

std::string show(double x) {
    checked(x);
    if (x == 0.0) return "0";
    // Above the largest fifteen-digit number below the largest double, the nearest fifteen
    // digits lie beyond it and would never read back as a number.
    constexpr double MASSIMO_LEGGIBILE = 1.79769313486231e308;
    if (std::fabs(x) > MASSIMO_LEGGIBILE) x = std::copysign(MASSIMO_LEGGIBILE, x);
    // Fifteen significant digits as d.dddddddddddddde±x, then placed without an exponent.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    const bool negative = sci[0] == '-';
    if (negative) sci.erase(0, 1);
    const std::size_t epos = sci.find('e');
    const int exponent = std::atoi(sci.c_str() + epos + 1);
    std::string digits = sci.substr(0, 1) + sci.substr(2, epos - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
              digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return negative ? "-" + out : out;
}

std::string short_form(double x) {
    const std::string s = show(x);
    return s[0] == '-' ? s : " " + s;
}

} // namespace tessaro
