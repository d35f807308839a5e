// Files replaced whole: the temporary, its lock and rename, the special destinations, and the
// temporaries a killed run left behind.
#include "files/sostituzione_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view SUFFISSO_TEMPORANEO = ".scrittura-";
constexpr std::size_t CIFRE_TEMPORANEO = 12;
constexpr std::string_view ALFABETO =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int MASSIMO_COLLEGAMENTI = 40; // links followed in a row, as the system does

bool con_nul(const fs::path& p) {
    return p.native().find('\0') != std::string::npos;
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
bool stessi_permessi(int fd, const fs::path& destinazione) {
    struct stat st {};
    if (::stat(destinazione.c_str(), &st) != 0) return errno == ENOENT;
    return ::fchmod(fd, st.st_mode & 0777) == 0;
}

// The rename itself reaches the disk only with its folder. A folder that may be written but
// not read cannot be opened for it: the rename is then left to the system.
bool sincronizza_cartella(const fs::path& destinazione) {
    const fs::path cartella = destinazione.has_parent_path() ? destinazione.parent_path() : ".";
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool buono = ::fsync(fd) == 0 || errno == EINVAL; // some file systems sync no folder
    ::close(fd);
    return buono;
}

} // namespace

SostituzioneFile::SostituzioneFile(const fs::path& destinazione) {
    if (con_nul(destinazione)) return;
    struct stat st {};
    if (::lstat(destinazione.c_str(), &st) != 0) {
        if (errno != ENOENT) return;
        file_ = destinazione;
    } else if (S_ISLNK(st.st_mode)) {
        if (::stat(destinazione.c_str(), &st) == 0) {
            // The system follows the link to what it leads to (/dev/stdout too).
            if (!S_ISREG(st.st_mode)) {
                apri_diretta(destinazione);
                return;
            }
            std::error_code ec;
            file_ = fs::canonical(destinazione, ec);
        } else if (errno == ENOENT) {
            file_ = bersaglio_collegamento(destinazione);
        }
        if (file_.empty()) return;
    } else if (S_ISREG(st.st_mode)) {
        file_ = destinazione;
    } else {
        apri_diretta(destinazione);
        return;
    }
    apri_temporaneo();
}

void SostituzioneFile::apri_diretta(const fs::path& destinazione) {
    // A FIFO's open waits for its reader, as a program writing to it must.
    fd_ = ::open(destinazione.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && !S_ISREG(st.st_mode)) {
        buona_ = true;
        return;
    }
    // A regular file put there meanwhile is never written in place, without its temporary.
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// The temporary beside the file under a name nobody can guess, created by this call alone: an
// existing file or a planted link of that name makes the creation fail, never writes through
// it. It is locked while it lives, so that another run's cleaning leaves it alone; one that got
// hold of it between its creation and the lock has removed it, and another name is tried.
void SostituzioneFile::apri_temporaneo() {
    thread_local std::random_device casuale; // files may be written from several threads
    std::uniform_int_distribution<std::size_t> cifra(0, ALFABETO.size() - 1);
    for (int tentativo = 0; tentativo < 16; ++tentativo) {
        std::string coda(SUFFISSO_TEMPORANEO);
        for (std::size_t i = 0; i < CIFRE_TEMPORANEO; ++i)
            coda += ALFABETO[cifra(casuale)];
        fs::path nome = file_;
        nome += coda;
        const int fd =
            ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return;
        struct stat st {};
        // A file system without locks writes as before, unlocked.
        const bool tenuto = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (tenuto && ::fstat(fd, &st) == 0 && st.st_nlink > 0) {
            fd_ = fd;
            temporaneo_ = std::move(nome);
            buona_ = stessi_permessi(fd, file_);
            return;
        }
        ::close(fd);
    }
}

SostituzioneFile::~SostituzioneFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
}

bool SostituzioneFile::scrivi(std::string_view byte) {
    buona_ = buona_ && scrivi_tutto(fd_, byte);
    return buona_;
}

bool SostituzioneFile::terminale() const {
    return fd_ >= 0 && file_.empty() && ::isatty(fd_) == 1;
}

bool SostituzioneFile::concludi() {
    if (fd_ < 0) return false;
    if (file_.empty()) { // written directly: a device that cannot be synced has nothing to sync
        const bool sincronizzata = ::fsync(fd_) == 0 || errno == EINVAL || errno == EROFS;
        buona_ = ::close(fd_) == 0 && buona_ && sincronizzata;
        fd_ = -1;
        return buona_;
    }
    // The bytes are on the disk before the rename: a crash leaves the old file or the new one.
    // The temporary is closed after it, so that it stays locked until it has its new name.
    buona_ = buona_ && ::fsync(fd_) == 0 && ::rename(temporaneo_.c_str(), file_.c_str()) == 0;
    if (buona_) temporaneo_.clear();
    buona_ = ::close(fd_) == 0 && buona_;
    fd_ = -1;
    return buona_ && sincronizza_cartella(file_);
}

fs::path bersaglio_collegamento(fs::path p) {
    for (int i = 0; i < MASSIMO_COLLEGAMENTI; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) return p;
        const fs::path t = fs::read_symlink(p, ec);
        if (ec) return {};
        p = t.is_absolute() ? t : p.parent_path() / t;
    }
    return {};
}

bool sostituisci_file(const fs::path& destinazione, std::string_view byte) {
    SostituzioneFile s(destinazione);
    return s.scrivi(byte) && s.concludi();
}

bool sostituisci_file_di_lavoro(const fs::path& destinazione, std::string_view byte) {
    std::error_code ec;
    const fs::file_status stato = fs::status(destinazione, ec); // through links
    if (fs::exists(stato) && !fs::is_regular_file(stato)) return false;
    return sostituisci_file(destinazione, byte);
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

void rimuovi_temporanei_abbandonati(const fs::path& cartella) {
    std::error_code ec;
    for (auto it = fs::directory_iterator(cartella, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        if (!temporaneo_di_sostituzione(it->path().filename().string())) continue;
        // Opened without following a link nor waiting on a FIFO; removed only when it is a
        // regular file that no running replacement holds.
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

} // namespace tessaro
