// Text files: print-zone lines, safe replacement, reading a regular file.
#include "files/file_testo.h"

#include "files/codifica.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <random>
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

constexpr std::string_view SUFFISSO_TEMPORANEO = ".scrittura-";
constexpr std::size_t CIFRE_TEMPORANEO = 12;
constexpr std::string_view ALFABETO =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool con_nul(const std::filesystem::path& p) {
    return p.native().find('\0') != std::string::npos;
}

// A temporary beside the destination under a name nobody can guess, created by this call
// alone: an existing file or a planted link of that name makes the creation fail, never
// writes through it. -1 when it cannot be created.
int crea_temporaneo(const std::filesystem::path& destinazione, std::filesystem::path& nome) {
    thread_local std::random_device casuale; // reports may be written from several threads
    for (int tentativo = 0; tentativo < 16; ++tentativo) {
        std::string coda(SUFFISSO_TEMPORANEO);
        std::uniform_int_distribution<std::size_t> cifra(0, ALFABETO.size() - 1);
        for (std::size_t i = 0; i < CIFRE_TEMPORANEO; ++i) coda += ALFABETO[cifra(casuale)];
        nome = destinazione;
        nome += coda;
        const int fd = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool scrivi_tutto(int fd, std::string_view byte) {
    while (!byte.empty()) {
        const ssize_t n = ::write(fd, byte.data(), byte.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        byte.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The replaced file keeps its permissions (a file the user shared with a group stays shared),
// the set-id bits aside.
bool stessi_permessi(int fd, const std::filesystem::path& destinazione) {
    struct stat st {};
    if (::stat(destinazione.c_str(), &st) != 0) return errno == ENOENT;
    return ::fchmod(fd, st.st_mode & 0777) == 0;
}

// The rename itself reaches the disk only with its folder. A folder that may be written but
// not read cannot be opened for it: the rename is then left to the system.
bool sincronizza_cartella(const std::filesystem::path& destinazione) {
    const std::filesystem::path cartella =
        destinazione.has_parent_path() ? destinazione.parent_path() : ".";
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool buono = ::fsync(fd) == 0 || errno == EINVAL; // some file systems sync no folder
    ::close(fd);
    return buono;
}

} // namespace

bool sostituisci_file(const std::filesystem::path& destinazione, std::string_view byte) {
    if (con_nul(destinazione)) return false;
    std::filesystem::path temporaneo;
    const int fd = crea_temporaneo(destinazione, temporaneo);
    if (fd < 0) return false;
    // The bytes are on the disk before the rename: a crash leaves the old file or the new one.
    bool buono = scrivi_tutto(fd, byte) && stessi_permessi(fd, destinazione) && ::fsync(fd) == 0;
    buono = ::close(fd) == 0 && buono;
    buono = buono && ::rename(temporaneo.c_str(), destinazione.c_str()) == 0;
    if (!buono) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    return sincronizza_cartella(destinazione);
}

bool temporaneo_di_sostituzione(const std::string& nome) {
    const auto i = nome.rfind(SUFFISSO_TEMPORANEO);
    if (i == std::string::npos || i == 0) return false;
    const std::string_view coda = std::string_view(nome).substr(i + SUFFISSO_TEMPORANEO.size());
    if (coda.size() == CIFRE_TEMPORANEO &&
        coda.find_first_not_of(ALFABETO) == std::string_view::npos)
        return true;
    // Earlier versions named it after the process and a counter: PID-N.
    const auto trattino = coda.find('-');
    const auto cifre = [](std::string_view t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return trattino != std::string_view::npos && cifre(coda.substr(0, trattino)) &&
           cifre(coda.substr(trattino + 1));
}

void rimuovi_temporanei_abbandonati(const std::filesystem::path& cartella) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(cartella, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        if (temporaneo_di_sostituzione(nome) && it->is_regular_file(ec) && !it->is_symlink(ec))
            elimina_file(it->path());
    }
}

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
            const ssize_t n =
                ::read(fd, blocco, std::min(sizeof blocco, massimo - letto->size()));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) letto.reset();
            if (n <= 0) break;
            letto->append(blocco, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return letto;
}

FileTesto::FileTesto(std::filesystem::path destinazione)
    : destinazione_(std::move(destinazione)) {}

void FileTesto::riga(std::string_view utf8) {
    byte_ += a_cp1252(utf8);
    byte_ += "\r\n";
}

bool FileTesto::chiudi() {
    if (!chiuso_) {
        chiuso_ = true;
        buono_ = sostituisci_file(destinazione_, byte_);
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
