// Text files: print-zone lines and safe replacement.
#include "files/file_testo.h"

#include "files/codifica.h"
#include "numeric/conversioni.h"

#include <atomic>
#include <fstream>
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
std::filesystem::path nome_temporaneo(const std::filesystem::path& destinazione) {
    static std::atomic<unsigned> contatore{0};
    auto nome = destinazione;
    nome += ".scrittura-" + std::to_string(::getpid()) + "-" + std::to_string(contatore++);
    return nome;
}
} // namespace

bool sostituisci_file(const std::filesystem::path& destinazione, std::string_view byte) {
    const std::filesystem::path temporaneo = nome_temporaneo(destinazione);
    std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
    bool buono = out.good();
    if (buono) out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
    out.close();
    buono = buono && !out.fail();
    std::error_code ec;
    if (buono) {
        std::filesystem::rename(temporaneo, destinazione, ec);
        buono = !ec;
    }
    if (!buono) std::filesystem::remove(temporaneo, ec);
    return buono;
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
