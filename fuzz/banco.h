// What the fuzz targets share: the properties they assert and a started model; the fixed text
// metric and the working folder of their own are the tests' (prova::MisuraFissa, CartellaProva).
#pragma once

#include "app/Tessaro.h"
#include "cli/piattaforma_script.h"
#include "tests/support/finestra_prova.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace tessaro::fuzz {

// A property that does not hold ends the run with its reason: libFuzzer keeps the input as a
// crash, the corpus replay fails its test.
inline void esigi(bool vero, const char* cosa, std::string_view dettaglio = {}) {
    if (vero) return;
    std::fprintf(stderr, "proprietà violata: %s [%.*s]\n", cosa, static_cast<int>(dettaglio.size()),
                 dettaglio.data());
    std::abort();
}

// A number as the program shows it (plain or short form, or blank): an optional blank or "-",
// digits, at most one ".", never "nan", "inf" nor an exponent.
inline bool numero_mostrato(std::string_view t) {
    if (t.empty()) return true;
    if (t[0] == ' ' || t[0] == '-') t.remove_prefix(1);
    if (t.empty() || t.front() == '.' || t.back() == '.') return false;
    int punti = 0;
    for (const char c : t) {
        if (c == '.')
            ++punti;
        else if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return punti <= 1;
}

// The model loaded and started in the current folder, as a person starts the window.
struct Finestra {
    explicit Finestra(bool file_di_lavoro) : f(std::make_unique<Tessaro>(piattaforma, misura)) {
        f->file_di_lavoro = file_di_lavoro;
        f->Form_Load();
        f->Picture3_MouseUp();
    }
    std::ostringstream uscita;
    prova::MisuraFissa misura;
    PiattaformaScript piattaforma{uscita};
    std::unique_ptr<Tessaro> f;
};

// Every result the window shows is a number in its plain form, or blank; the fields the pass
// rewrote (those whose text differs from `prima`) too.
inline void risultati_puliti(const CalcoTess& f, const std::vector<std::string>& prima) {
    for (const Etichetta& e : f.Label3)
        esigi(numero_mostrato(e.Caption), "Label3", e.Caption);
    for (std::size_t i = 0; i < f.Text1.size(); ++i)
        if (f.Text1[i].Text != prima[i])
            esigi(numero_mostrato(f.Text1[i].Text), "campo riscritto", f.Text1[i].Text);
}

} // namespace tessaro::fuzz
