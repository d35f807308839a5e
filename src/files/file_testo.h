// Text files as the program writes them: Windows-1252, CR LF, print zones of 14 columns,
// and a replacement that never destroys the previous file.
#pragma once

#include "form/Piattaforma.h"

#include <filesystem>
#include <fstream>
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
    const std::string& str() const { return riga_; }

private:
    std::string riga_;
    std::size_t colonna_ = 0;
};

// A file being written: the lines go to a temporary file beside the destination, which
// replaces the destination only when everything was written. The first error stops the
// writing; chiudi() then reports it and the destination is left as it was.
class FileTesto {
public:
    explicit FileTesto(std::filesystem::path destinazione);
    ~FileTesto(); // an unclosed file is abandoned: the destination is untouched
    FileTesto(const FileTesto&) = delete;
    FileTesto& operator=(const FileTesto&) = delete;

    void riga(std::string_view utf8);
    void riga(const RigaZone& r) { riga(r.str()); }
    bool chiudi(); // true when the destination now holds every line
    // The same, and a failure is told to the user: a file the user asked for is never lost
    // in silence.
    bool chiudi(Piattaforma& piattaforma);
    bool buono() const { return buono_; }

private:
    std::filesystem::path destinazione_, temporaneo_;
    std::ofstream out_;
    bool buono_ = false;
    bool chiuso_ = false;
};

// Deletes a file, ignoring every error (a missing file included).
void elimina_file(const std::filesystem::path& p);

} // namespace tessaro
