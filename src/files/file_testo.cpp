// Text files: print-zone lines, reading a regular file, a text file written whole.
#include "files/file_testo.h"

#include "files/codifica.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {

RigaZone& RigaZone::testo(std::string_view utf8) {
    riga_ += utf8;
    colonna_ += caratteri(utf8);
    return *this;
}

RigaZone& RigaZone::numero(double x) {
    // The short form written in place, then its blank: one column a character.
    char buf[LUNGHEZZA_SHOW + 1];
    buf[0] = ' ';
    const std::size_t n = scrivi_show(x, buf + 1);
    const char* inizio = buf[1] == '-' ? buf + 1 : buf; // the blank stands for a missing "-"
    const auto lunghezza = static_cast<std::size_t>(buf + 1 + n - inizio);
    riga_.append(inizio, lunghezza);
    riga_ += ' ';
    colonna_ += lunghezza + 1;
    return *this;
}

RigaZone& RigaZone::zona() {
    const std::size_t prossima = (colonna_ / 14 + 1) * 14;
    riga_.append(prossima - colonna_, ' ');
    colonna_ = prossima;
    return *this;
}

namespace {

bool con_nul(const std::filesystem::path& p) {
    return p.native().find('\0') != std::string::npos;
}

} // namespace

std::optional<std::string> leggi_file_regolare(const std::filesystem::path& nome,
                                               std::size_t massimo) {
    if (con_nul(nome)) return std::nullopt;
    // Opened without waiting: a FIFO or a device would otherwise hold the program for ever.
    const int fd = ::open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> letto;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        letto.emplace();
        char blocco[65536];
        while (letto->size() < massimo) {
            const ssize_t n = ::read(fd, blocco, std::min(sizeof blocco, massimo - letto->size()));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) letto.reset();
            if (n <= 0) break;
            letto->append(blocco, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return letto;
}

FileTesto::FileTesto(std::filesystem::path destinazione, bool di_lavoro)
    : destinazione_(std::move(destinazione)), di_lavoro_(di_lavoro) {}

void FileTesto::riga(std::string_view utf8) {
    byte_ += a_cp1252(utf8);
    byte_ += "\r\n";
}

bool FileTesto::chiudi() {
    if (!chiuso_) {
        chiuso_ = true;
        buono_ = di_lavoro_ ? sostituisci_file_di_lavoro(destinazione_, byte_)
                            : sostituisci_file(destinazione_, byte_);
    }
    return buono_;
}

bool FileTesto::chiudi(Piattaforma& piattaforma) {
    if (chiudi()) return true;
    piattaforma.messaggio("Impossibile scrivere il file " + destinazione_.string(),
                          "Errore di scrittura", Icona::esclamazione);
    return false;
}

void apri_o_indica(Piattaforma& piattaforma, const std::string& percorso, const std::string& cosa) {
    if (!piattaforma.apri_documento(percorso))
        piattaforma.messaggio("Nessun programma per aprire " + cosa + ": il file è " + percorso,
                              "Apertura", Icona::informazione);
}

void elimina_file(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

} // namespace tessaro
