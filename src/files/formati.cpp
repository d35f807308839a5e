// The formatting routines of the report.
#include "files/formati.h"

#include "numeric/conversioni.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tessaro {
namespace {

int decimali(std::string_view P) {
    const auto punto = P.find('.');
    return punto == std::string_view::npos ? 0 : static_cast<int>(P.size() - punto - 1);
}

std::string a_destra(std::string s, std::string_view P) {
    if (s.size() < P.size()) s.insert(0, P.size() - s.size(), ' ');
    return s;
}

bool assente(Valore x) {
    return !x || !std::isfinite(*x);
}

// |x| with n decimals, rounded on its 15 significant digits, halves away from zero: the
// digits of to_chars in scientific form are rounded as decimal text, never as a double, so
// 0.00015 (stored a little below) still becomes 0.0002.
std::string decimali_fissi(double x, int n) {
    char buf[32];
    const auto fine =
        std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14).ptr;
    const std::string sci(buf, fine);
    const std::string cifre = sci.substr(0, 1) + sci.substr(2, 14); // 15 significant digits
    const int esponente = std::atoi(sci.c_str() + sci.find('e') + 1);
    // The value is 0.cifre × 10^(esponente + 1); keep the digits down to 10^-n.
    const int tenute = esponente + 1 + n;
    std::string intero; // the result times 10^n, as digits
    if (tenute >= static_cast<int>(cifre.size())) {
        intero = cifre + std::string(static_cast<std::size_t>(tenute) - cifre.size(), '0');
    } else if (tenute >= 0) {
        intero = cifre.substr(0, static_cast<std::size_t>(tenute));
        if (cifre[static_cast<std::size_t>(tenute)] >= '5') { // the half goes up, away from zero
            std::size_t i = intero.size();
            while (i > 0 && intero[i - 1] == '9')
                intero[--i] = '0';
            if (i == 0)
                intero.insert(0, "1");
            else
                ++intero[i - 1];
        }
    }
    if (intero.size() < static_cast<std::size_t>(n) + 1)
        intero.insert(0, static_cast<std::size_t>(n) + 1 - intero.size(), '0');
    const std::size_t punto = intero.size() - static_cast<std::size_t>(n);
    return intero.substr(0, punto) + "." + intero.substr(punto);
}

std::string formatta_con(std::string_view P, Valore x) {
    if (assente(x)) return std::string(P.size(), ' ');
    std::string s = decimali_fissi(*x, decimali(P));
    // A value that rounds to zero prints without a sign, as in the other columns.
    if (*x < 0 && s.find_first_not_of("0.") != std::string::npos) s.insert(0, "-");
    return s.size() <= P.size() ? a_destra(s, P) : std::string(P);
}

// Decimals shown for a unit factor f: fewer for a factor that makes the numbers larger, more
// for one that makes them smaller, never fewer than none.
int decimali_per_fattore(int n, double f) {
    constexpr double soglie[] = {900000, 90000, 9000,   900,     90,       9,        0.9,
                                 0.09,   0.009, 0.0009, 0.00009, 0.000009, 0.0000009};
    for (int k = 0; k < 13; ++k)
        if (f > soglie[k]) {
            n += k - 6;
            break;
        }
    return n < 0 ? 0 : n;
}

std::string formatta_u_con(std::string_view P, Valore x, double f) {
    const Valore xf = assente(x) ? Valore() : Valore(*x * f);
    if (assente(xf)) return std::string(P.size(), ' ');
    const int n = decimali_per_fattore(decimali(P), f);
    std::string s = show(R(*xf, n));
    if (lenient(s) == 0) s = "0.";
    if (n >= 1) {
        if (s.find('.') == std::string::npos) s += ".";
        const std::size_t scritti = s.size() - s.find('.') - 1;
        const auto voluti = static_cast<std::size_t>(n);
        if (scritti < voluti) s.append(voluti - scritti, '0');
    }
    return a_destra(s, P);
}

} // namespace

std::string formatta(Valore x) {
    return formatta_con(formato_corrente, x);
}
std::string formatta3(Valore x) {
    return formatta_con(formato3, x);
}
std::string formatta4(Valore x) {
    return formatta_con(formato4, x);
}
std::string formatta_u(Valore x, double f) {
    return formatta_u_con(formato_corrente, x, f);
}
std::string formatta_u3(Valore x, double f) {
    return formatta_u_con(formato3, x, f);
}

Valore valore(std::string_view testo) {
    return try_strict(testo);
}

} // namespace tessaro
