// CSV tables: encoding, records read from the file one at a time, dialect, cells.
#include "batch/tabella_csv.h"

#include "files/codifica.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {
namespace {

constexpr std::size_t BLOCCO = 1 << 16; // bytes read at a time
constexpr std::string_view BOM = "\xEF\xBB\xBF";
// The bytes that Windows-1252 leaves without a character.
constexpr std::string_view INDEFINITI_CP1252 = "\x81\x8D\x8F\x90\x9D";

} // namespace

LettoreRecord::LettoreRecord(const std::filesystem::path& file, CodificaTabella codifica)
    : codifica_(codifica) {
    fd_ = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode)) {
        if (riempi() && std::string_view(blocco_).starts_with(BOM)) {
            bom_ = true;
            letti_ = BOM.size();
        }
        return;
    }
    errore_ = true;
}

LettoreRecord::~LettoreRecord() {
    if (fd_ >= 0) ::close(fd_);
}

bool LettoreRecord::riempi() {
    blocco_.resize(BLOCCO);
    ssize_t n;
    do
        n = ::read(fd_, blocco_.data(), blocco_.size());
    while (n < 0 && errno == EINTR);
    errore_ = errore_ || n < 0;
    blocco_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    letti_ = 0;
    fine_ = n <= 0;
    return n > 0;
}

bool LettoreRecord::prossimo(Record& r) {
    // The record ends at a line end outside quotes; it is given when it holds more than blanks.
    const auto chiudi = [&] {
        r.riga = riga_++;
        const bool pieno = corrente_.find_first_not_of(" \t") != std::string::npos;
        if (pieno && codifica_.cp1252) {
            r.testo = da_cp1252(corrente_);
            r.sostituiti = corrente_.find_first_of(INDEFINITI_CP1252) != std::string::npos;
        } else if (pieno) {
            r.testo.swap(corrente_);
            r.sostituiti = false;
        }
        // The room of a long record is given back: one row of megabytes is not held for ever.
        if (corrente_.capacity() > BLOCCO)
            std::string().swap(corrente_);
        else
            corrente_.clear();
        return pieno;
    };
    while (!errore_) {
        if (letti_ == blocco_.size() && (fine_ || !riempi())) {
            if (errore_ || corrente_.empty()) return false;
            if (chiudi()) return true; // what follows the last line end
            continue;
        }
        const char c = blocco_[letti_++];
        if (dopo_cr_ && c == '\n') { // CR LF is one line end
            dopo_cr_ = false;
            continue;
        }
        dopo_cr_ = false;
        if (c == '"') {
            virgolette_ = !virgolette_;
        } else if (!virgolette_ && (c == '\n' || c == '\r')) {
            dopo_cr_ = c == '\r';
            if (chiudi()) return true;
            continue;
        }
        // The run up to the next character that counts, taken at once.
        const auto fine =
            std::find_if(blocco_.begin() + static_cast<std::ptrdiff_t>(letti_), blocco_.end(),
                         [](char x) { return x == '"' || x == '\n' || x == '\r'; });
        corrente_ += c;
        corrente_.append(blocco_.begin() + static_cast<std::ptrdiff_t>(letti_), fine);
        letti_ = static_cast<std::size_t>(fine - blocco_.begin());
    }
    return false;
}

std::optional<CodificaTabella> codifica_tabella(const std::filesystem::path& file) {
    LettoreRecord l(file, {});
    Record r;
    bool utf8 = true;
    while (l.prossimo(r))
        utf8 = utf8 && utf8_valido(r.testo);
    if (l.errore()) return std::nullopt;
    return CodificaTabella{l.bom(), !utf8};
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

bool CursoreCelle::prossima(std::string& cella) {
    if (finito_) return false;
    ++numero_;
    cella.clear();
    std::size_t j = i_; // blanks before an opening quote do not count
    while (j < r_.size() && spazio(r_[j]))
        ++j;
    const auto rotta = [&](const char* perche) {
        errore_ = perche;
        finito_ = true;
        return false;
    };
    if (j < r_.size() && r_[j] == '"') {
        for (i_ = j + 1;; ++i_) {
            if (i_ >= r_.size()) return rotta("virgolette non chiuse");
            if (r_[i_] == '"') {
                if (i_ + 1 >= r_.size() || r_[i_ + 1] != '"') break;
                ++i_; // "" is one quote
            }
            cella += r_[i_];
        }
        for (++i_; i_ < r_.size() && spazio(r_[i_]);)
            ++i_;
        if (i_ < r_.size() && r_[i_] != sep_) return rotta("testo dopo le virgolette di chiusura");
    } else {
        const std::size_t fine = std::min(r_.find(sep_, i_), r_.size());
        cella.assign(r_.substr(i_, fine - i_));
        if (cella.find('"') != std::string::npos)
            return rotta("virgolette dentro una cella che non ne è racchiusa");
        i_ = fine;
    }
    if (i_ >= r_.size())
        finito_ = true;
    else
        ++i_; // the separator
    return true;
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
