// Files that work against the program: a full disk, a FIFO where a file is expected.
#pragma once

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace tessaro::prova {

// A full disk, as far as this process can tell: while the object lives, a write that would make
// a file longer than the given size fails (EFBIG) instead of writing.
class DiscoPieno {
  public:
    explicit DiscoPieno(rlim_t byte) {
        std::signal(SIGXFSZ, SIG_IGN); // the write then returns its error
        getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit r = prima_;
        r.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoPieno() { setrlimit(RLIMIT_FSIZE, &prima_); }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

  private:
    rlimit prima_{};
};

// Runs azione and tells whether it ended within a few seconds. When it did not, it waits on the
// FIFO: a writer opens and closes it, so that the test fails rather than hangs.
inline bool finisce_presto(const std::string& fifo, const std::function<void()>& azione) {
    auto fatto = std::async(std::launch::async, azione);
    if (fatto.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
    fatto.wait();
    return false;
}

} // namespace tessaro::prova
