// Fuzz target: the text/number conversions on any text, and the plain form of any double.
#include "fuzz/banco.h"

#include "numeric/aritmetica.h"
#include "numeric/conversioni.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace tessaro;
using tessaro::fuzz::esigi;
using tessaro::fuzz::numero_mostrato;

namespace {

// The plain and short forms of a finite value, and what they read back as.
void forme(double x) {
    const std::string s = show(x), b = short_form(x);
    esigi(numero_mostrato(s), "show", s);
    esigi(numero_mostrato(b) && (b[0] == ' ' || b[0] == '-'), "short_form", b);
    const auto letto = try_strict(s);
    esigi(letto && is_numeric(s), "show si rilegge", s);
    // Fifteen significant digits: what reads back is within the last of them.
    if (std::fabs(x) >= 1e-5 && std::fabs(x) < 1e15)
        esigi(std::fabs(*letto - x) <= 1e-14 * std::fabs(x), "show conserva il valore", s);
    esigi(show(*letto) == s, "show stabile", s);
    for (int n = 0; n <= 5; ++n) {
        try {
            const double r = R(x, n);
            esigi(std::isfinite(r), "R finito");
            esigi(numero_mostrato(show(r)), "show(R)", show(r));
        } catch (const Fault&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view t(reinterpret_cast<const char*>(dati), n);
    try {
        esigi(std::isfinite(lenient(t)), "lenient finito", t);
    } catch (const Fault&) { // a number too large: the guard that reads it ends its event
    }
    const auto v = try_strict(t);
    esigi(v.has_value() == is_numeric(t), "is_numeric come try_strict", t);
    try {
        const double s = strict(t);
        esigi(v && s == *v, "strict come try_strict", t);
    } catch (const Fault&) {
        esigi(!v, "strict rifiuta ciò che try_strict accetta", t);
    }
    if (v) forme(*v);
    if (n == sizeof(double)) { // the bytes as a double: every finite value has a plain form
        double x;
        std::memcpy(&x, dati, sizeof x);
        if (std::isfinite(x)) {
            forme(x);
        } else {
            bool guasto = false;
            try {
                show(x);
            } catch (const Fault&) {
                guasto = true;
            }
            esigi(guasto, "show di un valore non finito");
        }
    }
    return 0;
}
