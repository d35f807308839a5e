// The delimited item reader of the data files: items taken one after the other from the stream
// of characters, not line by line.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tessaro {

class LettoreVoci {
  public:
    explicit LettoreVoci(std::istream& in) : in_(in) {}

    // The next item as UTF-8 text. Blanks before it are skipped; an item in double quotation
    // marks runs to the closing mark (two marks in a row stand for one), any other item to the next comma or line end, without
    // its trailing blanks; the comma or line end that ends it is consumed (CR LF, LF or CR).
    // Nothing, and nothing more after it, at the end of the file, for a quotation mark that
    // never closes and for an item longer than a field can hold.
    std::optional<std::string> voce();

  private:
    bool leggi(std::string& testo);
    bool fino_al_delimitatore(std::string* testo);

    std::istream& in_;
    bool fallito_ = false;
};

} // namespace tessaro
