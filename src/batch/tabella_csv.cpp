// CSV tables: encoding, dialect, records and cells.
#include "batch/tabella_csv.h"

#include "files/codifica.h"

#include <algorithm>

namespace tessaro {

TestoTabella decodifica_tabella(std::string_view byte) {
    TestoTabella t;
    if (byte.starts_with("\xEF\xBB\xBF")) {
        t.bom = true;
        byte.remove_prefix(3);
    }
    if (utf8_valido(byte)) {
        t.utf8 = byte;
    } else {
        t.cp1252 = true;
        t.utf8 = da_cp1252(byte);
    }
    return t;
}

std::vector<Record> dividi_record(std::string_view testo) {
    std::vector<Record> record;
    bool virgolette = false;
    int riga = 1;
    std::size_t inizio = 0;
    const auto chiudi = [&](std::size_t fine) {
        const std::string_view r = testo.substr(inizio, fine - inizio);
        if (r.find_first_not_of(" \t") != std::string_view::npos) record.push_back({r, riga});
        ++riga;
    };
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '"') {
            virgolette = !virgolette;
        } else if (!virgolette && (c == '\n' || c == '\r')) {
            chiudi(i);
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
            inizio = i + 1;
        }
    }
    if (inizio < testo.size()) chiudi(testo.size());
    return record;
}

Dialetto dialetto_di(std::string_view intestazione) {
    bool virgolette = false;
    for (const char c : intestazione) {
        if (c == '"') virgolette = !virgolette;
        if (c == ';' && !virgolette) return {';', ','};
    }
    return {',', '.'};
}

namespace {
bool spazio(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::optional<std::vector<std::string>> celle(std::string_view r, char separatore,
                                              std::string& errore) {
    std::vector<std::string> out;
    std::size_t i = 0;
    for (;;) {
        std::string cella;
        std::size_t j = i; // blanks before an opening quote do not count
        while (j < r.size() && spazio(r[j]))
            ++j;
        if (j < r.size() && r[j] == '"') {
            for (i = j + 1;; ++i) {
                if (i >= r.size()) {
                    errore = "virgolette non chiuse";
                    return std::nullopt;
                }
                if (r[i] == '"') {
                    if (i + 1 >= r.size() || r[i + 1] != '"') break;
                    ++i; // "" is one quote
                }
                cella += r[i];
            }
            for (++i; i < r.size() && spazio(r[i]);)
                ++i;
            if (i < r.size() && r[i] != separatore) {
                errore = "testo dopo le virgolette di chiusura";
                return std::nullopt;
            }
        } else {
            const std::size_t fine = std::min(r.find(separatore, i), r.size());
            cella.assign(r.substr(i, fine - i));
            if (cella.find('"') != std::string::npos) {
                errore = "virgolette dentro una cella che non ne è racchiusa";
                return std::nullopt;
            }
            i = fine;
        }
        out.push_back(std::move(cella));
        if (i >= r.size()) return out;
        ++i; // the separator
    }
}

std::string senza_spazi(std::string_view t) {
    const auto i = t.find_first_not_of(" \t"), j = t.find_last_not_of(" \t");
    return i == std::string_view::npos ? std::string() : std::string(t.substr(i, j - i + 1));
}

std::string cella_csv(std::string_view testo, char separatore) {
    if (testo.find_first_of(std::string{separatore, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(testo);
    std::string out = "\"";
    for (const char c : testo) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace tessaro
