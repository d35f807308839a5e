// What the batch tests share: a table's records and cells read back, a run in a folder of its
// own with its results as named cells.
#pragma once

#include "support/script_prova.h"

#include "batch/lotto.h"
#include "batch/tabella_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tessaro::prova {

namespace fs = std::filesystem;

// The cells of a record, or nothing when its quoting is broken.
inline std::optional<std::vector<std::string>> celle_di(std::string_view record, char separatore) {
    CursoreCelle c(record, separatore);
    std::vector<std::string> celle;
    for (std::string cella; c.prossima(cella);)
        celle.push_back(cella);
    if (!c.errore().empty()) return std::nullopt;
    return celle;
}

// The records of a table file, with their rows.
inline std::vector<Record> record_di(const std::string& byte, CodificaTabella codifica = {}) {
    CartellaProva cartella;
    std::ofstream("t.csv", std::ios::binary) << byte;
    LettoreRecord l("t.csv", codifica);
    std::vector<Record> record;
    for (Record r; l.prossimo(r);)
        record.push_back(r);
    EXPECT_FALSE(l.errore());
    return record;
}

// A batch run in a folder of its own.
struct Lotto {
    CartellaProva cartella;
    std::string out, err;

    int esegui(const std::string& tabella, OpzioniLotto o = {}) {
        std::ofstream(cartella.percorso() / "casi.csv", std::ios::binary) << tabella;
        o.ingresso = cartella.percorso() / "casi.csv";
        std::ostringstream o_out, o_err;
        const int stato = esegui_lotto(o, o_out, o_err);
        out = o_out.str();
        err = o_err.str();
        return stato;
    }
    // The results table as rows of named cells.
    std::vector<std::map<std::string, std::string>> risultati(char separatore = ',') const {
        std::vector<std::map<std::string, std::string>> righe;
        const auto record = record_di(out);
        const auto nomi = *celle_di(record.at(0).testo, separatore);
        for (std::size_t i = 1; i < record.size(); ++i) {
            const auto c = *celle_di(record[i].testo, separatore);
            std::map<std::string, std::string> riga;
            for (std::size_t k = 0; k < nomi.size(); ++k)
                riga[nomi[k]] = c.at(k);
            righe.push_back(riga);
        }
        return righe;
    }
};

} // namespace tessaro::prova
