// Text files as the program writes them: Windows-1252, CR LF, print zones of 14 columns,
// and a replacement that never destroys the previous file.
#pragma once

#include "files/sostituzione_file.h"
#include "form/Piattaforma.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// One line built from items; a zone move starts the next text at the next multiple of 14
// columns greater than the current column.
class RigaZone {
  public:
    RigaZone& testo(std::string_view utf8);
    RigaZone& numero(double x); // short form followed by one blank
    RigaZone& zona();
    const std::string& str() const& { return riga_; }
    std::string str() && { return std::move(riga_); } // the line taken, without a copy

  private:
    std::string riga_;
    std::size_t colonna_ = 0;
};

// The bytes of a regular file, at most massimo of them; nothing for a file that cannot be
// opened or read, a path with a NUL byte, or anything but a regular file (a FIFO, a device, a
// folder), which is never waited on.
std::optional<std::string> leggi_file_regolare(const std::filesystem::path& nome,
                                               std::size_t massimo);

// A text file being written line by line, in the Windows code page with CR LF: the lines are
// kept until chiudi(), which replaces the destination with them (sostituisci_file).
class FileTesto {
  public:
    // A working file of the program (di_lavoro) is written only over a regular file.
    explicit FileTesto(std::filesystem::path destinazione, bool di_lavoro = false);
    ~FileTesto() = default; // an unclosed file is abandoned: the destination is untouched
    FileTesto(const FileTesto&) = delete;
    FileTesto& operator=(const FileTesto&) = delete;

    void riga(std::string_view utf8);
    void riga(const RigaZone& r) { riga(r.str()); }
    bool chiudi(); // true when the destination now holds every line
    // The same, and a failure is told to the user: a file the user asked for is never lost
    // in silence.
    bool chiudi(Piattaforma& piattaforma);

  private:
    std::filesystem::path destinazione_;
    std::string byte_;
    bool di_lavoro_;
    bool buono_ = false;
    bool chiuso_ = false;
};

// Opens a document written or found for the user in its viewer; when the desktop has none, the
// user is told where the file is ("la relazione", "il manuale": what it is).
void apri_o_indica(Piattaforma& piattaforma, const std::string& percorso, const std::string& cosa);

// Deletes a file, ignoring every error (a missing file included).
void elimina_file(const std::filesystem::path& p);

} // namespace tessaro
