// A table from a spreadsheet as CSV: its encoding, its dialect, its records and cells (RFC 4180
// quoting), and the cells written back in the same dialect.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The two dialects that spreadsheets write: "," between cells with a decimal point, or ";"
// between cells with a decimal comma (an Italian spreadsheet).
struct Dialetto {
    char separatore = ',';
    char decimale = '.';
};

// The text of a table file in UTF-8: a UTF-8 byte-order mark is dropped, and a file that is not
// well-formed UTF-8 is read as Windows-1252.
struct TestoTabella {
    std::string utf8;
    bool bom = false;    // the file began with a UTF-8 byte-order mark
    bool cp1252 = false; // the file was read as Windows-1252
};
TestoTabella decodifica_tabella(std::string_view byte);

// One record: its text without the line end, and its row as the spreadsheet numbers it (the
// first record is row 1, a cell with a line break inside quotes does not start a new row).
struct Record {
    std::string_view testo;
    int riga = 0;
};

// The records of the text, empty rows left out. A line break inside quotes belongs to its cell.
std::vector<Record> dividi_record(std::string_view testo);

// The dialect of a table, from its header row: ";" when the header holds one outside quotes.
Dialetto dialetto_di(std::string_view intestazione);

// The cells of one record, quotes removed ("" inside quotes is one "); nothing when the quoting
// is broken (a quote left open, or text after a closing quote), with why in `errore`.
std::optional<std::vector<std::string>> celle(std::string_view record, char separatore,
                                              std::string& errore);

// A cell's text without the blanks and tabs around it.
std::string senza_spazi(std::string_view cella);

// A cell as RFC 4180 writes it: quoted when it holds the separator, a quote or a line break.
std::string cella_csv(std::string_view testo, char separatore);

} // namespace tessaro
