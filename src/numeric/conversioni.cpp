// Conversions between texts and numbers.
#include "numeric/conversioni.h"

#include "numeric/aritmetica.h"

#include <algorithm>
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
// (a window toolkit may have switched LC_NUMERIC to one that uses a comma). from_chars rounds
// as strtod does, correctly, and much faster; it leaves to strtod only a value out of range
// (an overflow to infinity, an underflow), where it gives no value.
double parse_c(const std::string& s) {
    const char* p = s.data();
    const bool meno = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++p; // from_chars takes no "+"
    double x = 0;
    const auto [fine, ec] = std::from_chars(p, s.data() + s.size(), x);
    if (ec == std::errc() && fine == s.data() + s.size()) return meno ? -x : x;
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

std::size_t scrivi_show(double x, char* out) {
    checked(x);
    if (x == 0.0) {
        out[0] = '0';
        return 1;
    }
    // Above the largest fifteen-digit number below the largest double, the nearest fifteen
    // digits lie beyond it and would never read back as a number.
    constexpr double MASSIMO_LEGGIBILE = 1.79769313486231e308;
    if (std::fabs(x) > MASSIMO_LEGGIBILE) x = std::copysign(MASSIMO_LEGGIBILE, x);
    // Fifteen significant digits as d.dddddddddddddde±x, then placed without an exponent. The
    // shortest digits that read back as x are those digits whenever there are at most 15 of
    // them (15 digits are coarser than a double: x lies nearer to them than to any other
    // 15-digit number), and they come much faster; otherwise x is rounded to 15.
    char sci[32];
    const char* fine = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific).ptr;
    const char* p = sci;
    if (*p == '-') ++p;
    const char* e = std::find(p, fine, 'e');
    if (e - p > 16) // more than 15 digits and the point
        fine = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific, 14).ptr;
    char* o = out;
    if (*sci == '-') *o++ = '-';
    e = std::find(p, fine, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), fine, exponent);
    char digits[16];
    std::size_t n = 0;
    digits[n++] = p[0];
    for (const char* q = p + 2; q < e; ++q) digits[n++] = *q;
    while (n > 1 && digits[n - 1] == '0') --n;
    if (exponent < 0) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -exponent - 1, '0');
        o = std::copy_n(digits, n, o);
    } else if (static_cast<std::size_t>(exponent) + 1 >= n) {
        o = std::copy_n(digits, n, o);
        o = std::fill_n(o, static_cast<std::size_t>(exponent) + 1 - n, '0');
    } else {
        o = std::copy_n(digits, exponent + 1, o);
        *o++ = '.';
        o = std::copy(digits + exponent + 1, digits + n, o);
    }
    return static_cast<std::size_t>(o - out);
}

std::string show(double x) {
    char buf[LUNGHEZZA_SHOW];
    return std::string(buf, scrivi_show(x, buf));
}

std::string short_form(double x) {
    char buf[LUNGHEZZA_SHOW + 1];
    buf[0] = ' ';
    const std::size_t n = scrivi_show(x, buf + 1);
    return buf[1] == '-' ? std::string(buf + 1, n) : std::string(buf, n + 1);
}

} // namespace tessaro
