// A table from a spreadsheet as CSV: its encoding, its dialect, its records read one at a time
// from the file, its cells (RFC 4180 quoting), and the cells written back in the same dialect.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The two dialects that spreadsheets write: "," between cells with a decimal point, or ";"
// between cells with a decimal comma (an Italian spreadsheet).
struct Dialetto {
    char separatore = ',';
    char decimale = '.';
};

// How the bytes of a table file are read as text: a UTF-8 byte-order mark is dropped, and a
// file that is not well-formed UTF-8 throughout is read as Windows-1252.
struct CodificaTabella {
    bool bom = false;    // the file begins with a UTF-8 byte-order mark
    bool cp1252 = false; // the file is read as Windows-1252
};

// One record: its text in UTF-8 without the line end, and its row as the spreadsheet numbers it
// (the first record is row 1, a cell with a line break inside quotes does not start a new row).
struct Record {
    std::string testo;
    int riga = 0;
    bool sostituiti = false; // bytes that Windows-1252 leaves undefined became U+FFFD
};

// The records of a table file, read one at a time: only the record being read is held, however
// long the file. Empty rows are left out; a line break inside quotes belongs to its cell. Only a
// regular file is read, opened without waiting: a FIFO or a device is refused at once.
class LettoreRecord {
  public:
    LettoreRecord(const std::filesystem::path& file, CodificaTabella codifica);
    ~LettoreRecord();
    LettoreRecord(const LettoreRecord&) = delete;
    LettoreRecord& operator=(const LettoreRecord&) = delete;

    // The next record; false at the end of the file, or when it cannot be read (errore()).
    bool prossimo(Record& r);
    bool errore() const { return errore_; }
    bool bom() const { return bom_; } // the file began with a byte-order mark, left out

  private:
    bool riempi();

    int fd_ = -1;
    CodificaTabella codifica_;
    std::string blocco_; // bytes read and not yet taken
    std::size_t letti_ = 0;
    std::string corrente_; // the record being gathered, as the file has it
    int riga_ = 1;
    bool virgolette_ = false, dopo_cr_ = false, fine_ = false, errore_ = false, bom_ = false;
};

// The encoding of a table file, read to its end; nothing when it cannot be read.
std::optional<CodificaTabella> codifica_tabella(const std::filesystem::path& file);

// The dialect of a table, from its header row: ";" when the header holds one outside quotes.
Dialetto dialetto_di(std::string_view intestazione);

// The cells of one record one at a time, quotes removed ("" inside quotes is one "): a record
// of ten million separators is read in the room of one cell.
class CursoreCelle {
  public:
    CursoreCelle(std::string_view record, char separatore) : r_(record), sep_(separatore) {}
    // The next cell into `cella`; false after the last one, or when the quoting is broken (a
    // quote left open, or text after a closing quote), with why in errore().
    bool prossima(std::string& cella);
    // The place of the cell last given, 0 the first.
    std::size_t posizione() const { return numero_ - 1; }
    const std::string& errore() const { return errore_; }

  private:
    std::string_view r_;
    char sep_;
    std::size_t i_ = 0, numero_ = 0;
    bool finito_ = false;
    std::string errore_;
};

// A cell's text without the blanks and tabs around it.
std::string senza_spazi(std::string_view cella);

// A cell as RFC 4180 writes it: quoted when it holds the separator, a quote or a line break.
std::string cella_csv(std::string_view testo, char separatore);

} // namespace tessaro
