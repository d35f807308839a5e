// A batch table examined whole before anything is written: readable, with a header, its ids
// unique, and no row's files landing on the input, the results or each other.
#pragma once

#include "batch/caso.h"
#include "batch/lotto.h"

#include <string>
#include <utility>
#include <vector>

namespace tessaro {

// Why a run is refused before anything is written, and its exit status: 1 a table that cannot
// be used, 2 files that would land where they must not.
struct LottoRifiutato {
    std::string perche;
    int stato = 1;
};

struct TabellaLotto {
    CodificaTabella codifica;
    Dialetto dialetto;
    // Each named header cell: its place in the header and its input column, in header order.
    std::vector<std::pair<std::size_t, std::size_t>> colonne;
    std::size_t posto_id = 0; // the place of the column "id"
    std::size_t casi = 0;     // data rows
};

// Reads the table to its end (three passes at most, one record held at a time) and checks it:
// the encoding, the header, each row's id, and, with reports or documents, the files each row
// would write. Throws LottoRifiutato.
TabellaLotto esamina_tabella(const OpzioniLotto& o);

// A data row as the examination sees it: whether its quoting can be read, whether every cell is
// blank (a spreadsheet's empty row, which is no case), and its id ("" when unreadable).
struct RigaTabella {
    bool leggibile = true;
    bool vuota = true;
    std::string id;
};
RigaTabella esamina_riga(const TabellaLotto& t, std::string_view record);

// The cells of a data row as leggi_caso takes them: those of the named columns, and at most the
// first few others that are not blank (each an error of the row). False, with why in `errore`,
// when the quoting is broken.
bool celle_caso(const TabellaLotto& t, std::string_view record, std::vector<CellaCaso>& celle,
                std::string& errore);

} // namespace tessaro
