// The results table: CSV and JSON rows.
#include "batch/risultati.h"

#include "files/codifica.h"

#include <algorithm>

namespace tessaro {
namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// The digits from i on; false when there is none.
bool cifre(std::string_view t, std::size_t& i) {
    const std::size_t inizio = i;
    while (i < t.size() && cifra(t[i]))
        ++i;
    return i > inizio;
}

// The value of column k, the warnings joined.
std::string valore(const EsitoCaso& e, std::size_t k, std::string_view giunto) {
    std::string v = e.valori[k];
    if (k == risultato::avvisi)
        for (const std::string& a : e.avvisi)
            (v += v.empty() ? "" : giunto) += a;
    return v;
}

// A JSON string appended to r.
void stringa_json(std::string& r, std::string_view s) {
    r += '"';
    for (const char c : utf8_sanato(s)) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char* const esa = "0123456789abcdef";
            r += "\\u00";
            r += esa[(c >> 4) & 0xF];
            r += esa[c & 0xF];
        } else {
            r += c;
        }
    }
    r += '"';
}

// A CSV cell: a number of a numeric column as the number it is, every other text under
// senza_formula.
std::string cella(std::string v, const ColonnaRisultato& c, Dialetto d) {
    const bool numero = c.numero && numero_json(v);
    if (c.numero && d.decimale == ',') std::replace(v.begin(), v.end(), '.', ',');
    if (!numero) v = senza_formula(utf8_sanato(v));
    return cella_csv(v, d.separatore);
}

// A JSON value appended to r: null when empty (unless it must be a string), a number when the
// column's text is one in JSON's grammar, a string otherwise.
void valore_json(std::string& r, const std::string& v, bool numerico, bool testo_anche_vuoto) {
    if (v.empty() && !testo_anche_vuoto)
        r += "null";
    else if (numerico && numero_json(v))
        r += v;
    else
        stringa_json(r, v);
}

} // namespace

bool numero_json(std::string_view t) {
    std::size_t i = t.starts_with('-') ? 1 : 0;
    if (i < t.size() && t[i] == '0')
        ++i;
    else if (i >= t.size() || !cifre(t, i))
        return false;
    if (i < t.size() && t[i] == '.' && !cifre(t, ++i)) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!cifre(t, i)) return false;
    }
    return i == t.size();
}

std::string senza_formula(std::string testo) {
    if (!testo.empty() && std::string_view("=+-@\t\r").find(testo[0]) != std::string_view::npos)
        testo.insert(0, 1, '\'');
    return testo;
}

std::string intestazione_csv(Dialetto d, bool proposta) {
    std::string r;
    for (const ColonnaRisultato& c : colonne_risultato)
        r += (r.empty() ? "" : std::string(1, d.separatore)) + c.nome;
    if (proposta)
        for (const ColonnaRisultato& c : colonne_proposta)
            r += d.separatore + std::string(c.nome);
    return r + "\r\n";
}

std::string riga_csv(const EsitoCaso& e, Dialetto d, bool proposta) {
    std::string r;
    for (std::size_t k = 0; k < colonne_risultato.size(); ++k) {
        if (k > 0) r += d.separatore;
        r += cella(valore(e, k, " | "), colonne_risultato[k], d);
    }
    for (std::size_t k = 0; proposta && k < colonne_proposta.size(); ++k)
        r += d.separatore + cella(e.proposta[k], colonne_proposta[k], d);
    return r + "\r\n";
}

std::string oggetto_json(const EsitoCaso& e, bool proposta) {
    std::string r = "{";
    for (std::size_t k = 0; k < colonne_risultato.size(); ++k) {
        const ColonnaRisultato& c = colonne_risultato[k];
        if (k) r += ", ";
        stringa_json(r, c.nome);
        r += ": ";
        if (k == risultato::avvisi) {
            r += '[';
            for (std::size_t i = 0; i < e.avvisi.size(); ++i) {
                if (i) r += ", ";
                stringa_json(r, e.avvisi[i]);
            }
            r += ']';
        } else {
            valore_json(r, e.valori[k], c.numero, k == risultato::id);
        }
    }
    for (std::size_t k = 0; proposta && k < colonne_proposta.size(); ++k) {
        r += ", ";
        stringa_json(r, colonne_proposta[k].nome);
        r += ": ";
        valore_json(r, e.proposta[k], colonne_proposta[k].numero, false);
    }
    r += '}';
    return r;
}

} // namespace tessaro
