// The one way every file is written: a destination replaced whole or left as it was, written
// as what it is (a regular file, the target of a link, a FIFO or a device).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessaro {

// A file being replaced by bytes given piece by piece. A regular file (or a missing one) is
// replaced through a temporary beside it, created exclusively under an unpredictable name and
// locked while it is written, which is renamed over it only when every byte was written and
// flushed to the disk; the file keeps the permissions of the one it replaces. A symbolic link
// has its target replaced so, the link kept. A FIFO, a device or any other file that is not
// regular is written directly: no temporary, no rename. Destroyed before concludi() succeeded,
// the replacement is abandoned: the temporary goes, a regular destination is left as it was.
class SostituzioneFile {
  public:
    explicit SostituzioneFile(const std::filesystem::path& destinazione);
    ~SostituzioneFile();
    SostituzioneFile(const SostituzioneFile&) = delete;
    SostituzioneFile& operator=(const SostituzioneFile&) = delete;

    // False once anything failed (the destination could not be opened, a write fell short).
    bool scrivi(std::string_view byte);
    // True when the destination now holds every byte written.
    bool concludi();
    // The destination is a terminal, written directly.
    bool terminale() const;

  private:
    void apri_diretta(const std::filesystem::path& destinazione);
    void apri_temporaneo();

    int fd_ = -1;
    std::filesystem::path file_;       // the regular file replaced; empty when written directly
    std::filesystem::path temporaneo_; // its temporary
    bool buona_ = false;
};

// The file a link leads to, followed link by link: for one that leads nowhere yet, the file a
// replacement would create. The path itself when it is no link; empty for a loop of links.
std::filesystem::path bersaglio_collegamento(std::filesystem::path p);

// Replaces a file with the given bytes (SostituzioneFile); false on any failure, a path with a
// NUL byte included. Every file the program writes goes through here.
bool sostituisci_file(const std::filesystem::path& destinazione, std::string_view byte);

// The same for a working file of the program (chiodi.tmp, ZR_tessa.tmp), which nobody chose:
// written only where a regular file (or a link to one) or nothing stands. Anything else there,
// a FIFO above all, would hold the window until somebody read it; as their reading does, the
// writing refuses it at once.
bool sostituisci_file_di_lavoro(const std::filesystem::path& destinazione, std::string_view byte);

// Whether a file name is that of a temporary of sostituisci_file ("DEST.scrittura-" and its
// random tail, or the PID-N tail of earlier versions).
bool temporaneo_di_sostituzione(const std::string& nome);

// Deletes the temporaries of sostituisci_file that a killed run left in a folder: regular files
// whose name is one of them and that no running replacement holds locked, nothing else.
void rimuovi_temporanei_abbandonati(const std::filesystem::path& cartella);

} // namespace tessaro
