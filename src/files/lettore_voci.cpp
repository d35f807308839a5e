// The delimited item reader.
#include "files/lettore_voci.h"

#include "files/codifica.h"

namespace tessaro {
namespace {

// A field holds a short text; an item beyond this many bytes is not a field but a broken or
// foreign file, and reading on could exhaust the memory or the patience of the user.
constexpr std::size_t voce_massima = 65535;

bool blank(int c) {
    return c == ' ' || c == '\t';
}
bool delimitatore(int c) {
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

// Reads up to the next comma or line end, or to the end of the file, and consumes the
// delimiter; the bytes go to testo unless it is null. False when the run is too long.
bool LettoreVoci::fino_al_delimitatore(std::string* testo) {
    std::size_t letti = 0;
    int c = in_.get();
    for (; c != EOF && !delimitatore(c); c = in_.get()) {
        if (++letti > voce_massima) return false;
        if (testo) *testo += static_cast<char>(c);
    }
    if (c == '\r' && in_.peek() == '\n') in_.get();
    return true;
}

// One item into testo; false when there is none to read or it is broken.
bool LettoreVoci::leggi(std::string& testo) {
    while (blank(in_.peek()))
        in_.get();
    if (in_.peek() == EOF) return false;
    if (in_.peek() != '"') {
        if (!fino_al_delimitatore(&testo)) return false;
        while (!testo.empty() && blank(testo.back()))
            testo.pop_back();
        return true;
    }
    in_.get();
    int c = in_.get();
    for (; c != EOF && testo.size() < voce_massima; c = in_.get()) {
        if (c == '"' && in_.peek() != '"') break;
        if (c == '"') in_.get(); // a doubled mark stands for one inside the item
        testo += static_cast<char>(c);
    }
    // What lies between the closing mark and the delimiter is not part of the item.
    return c == '"' && fino_al_delimitatore(nullptr);
}

std::optional<std::string> LettoreVoci::voce() {
    std::string testo;
    if (fallito_ || !leggi(testo)) {
        fallito_ = true;
        return std::nullopt;
    }
    return da_cp1252(testo);
}

} // namespace tessaro
