// The working folder's lock: flock on the folder itself, so that no lock file is left behind.
#include "files/blocco_cartella.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessaro {

BloccoCartella::~BloccoCartella() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

bool BloccoCartella::prendi(const std::string& cartella) {
    if (fd_ >= 0) return true;
    // Close-on-exec: a document viewer started by the program must not keep the folder locked.
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        fd_ = fd;
        return true;
    }
    const bool occupata = errno == EWOULDBLOCK;
    ::close(fd);
    return !occupata;
}

} // namespace tessaro
