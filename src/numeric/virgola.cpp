// Moving the decimal point of a number's text.
#include "numeric/virgola.h"

#include <algorithm>
#include <cstdlib>

namespace tessaro {
namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// A number's text taken apart: sign, whole digits, decimals, exponent.
struct Numero {
    std::string segno, intero, decimali;
    bool esponente = false;
    char e = 'e';
    std::string segno_esponente, cifre_esponente;
};

// The parts of a text in the grammar of the strict conversion; false when it is not one.
bool scomponi(std::string_view s, Numero& x) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) x.segno = s[i++];
    while (i < s.size() && cifra(s[i]))
        x.intero += s[i++];
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && cifra(s[i]))
            x.decimali += s[i++];
    }
    if (x.intero.empty() && x.decimali.empty()) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        x.esponente = true;
        x.e = s[i++];
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) x.segno_esponente = s[i++];
        while (i < s.size() && cifra(s[i]))
            x.cifre_esponente += s[i++];
        if (x.cifre_esponente.empty()) return false;
    }
    return i == s.size();
}

std::string sposta_esponente(const Numero& x, std::string_view mantissa, int n) {
    const std::size_t inizio = x.cifre_esponente.find_first_not_of('0');
    const std::string cifre = inizio == std::string::npos ? "0" : x.cifre_esponente.substr(inizio);
    if (cifre.size() > 9) return {}; // beyond any double: left as it is
    const long long e = (x.segno_esponente == "-" ? -1 : 1) * std::atoll(cifre.c_str()) + n;
    const std::string segno = e < 0 ? "-" : x.segno_esponente == "+" ? "+" : "";
    return std::string(mantissa) + x.e + segno + std::to_string(std::llabs(e));
}

} // namespace

std::string sposta_virgola(std::string_view testo, int n) {
    const std::size_t b = testo.find_first_not_of(" \t");
    if (b == std::string_view::npos || n == 0) return std::string(testo);
    const std::size_t f = testo.find_last_not_of(" \t") + 1;
    const std::string_view s = testo.substr(b, f - b);
    Numero x;
    if (!scomponi(s, x)) return std::string(testo);
    std::string numero;
    if (x.esponente) {
        numero = sposta_esponente(x, s.substr(0, s.find_first_of("eE")), n);
        if (numero.empty()) return std::string(testo);
    } else {
        const std::string cifre = x.intero + x.decimali;
        const long long virgola = static_cast<long long>(x.intero.size()) + n;
        std::string intero, decimali;
        if (virgola <= 0) {
            decimali = std::string(static_cast<std::size_t>(-virgola), '0') + cifre;
        } else if (virgola >= static_cast<long long>(cifre.size())) {
            intero = cifre + std::string(static_cast<std::size_t>(virgola) - cifre.size(), '0');
        } else {
            intero = cifre.substr(0, static_cast<std::size_t>(virgola));
            decimali = cifre.substr(static_cast<std::size_t>(virgola));
        }
        // Zeros that moving left brought behind the point, with no decimal of the text's own
        // after them, say nothing.
        if (n < 0 && x.decimali.empty()) decimali.erase(decimali.find_last_not_of('0') + 1);
        intero.erase(0, std::min(intero.find_first_not_of('0'), intero.size()));
        if (intero.empty()) intero = "0";
        numero = x.segno + intero + (decimali.empty() ? "" : "." + decimali);
    }
    return std::string(testo.substr(0, b)) + numero + std::string(testo.substr(f));
}

} // namespace tessaro
