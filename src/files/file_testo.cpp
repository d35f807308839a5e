// Text files: print-zone lines and safe replacement.
#include "files/file_testo.h"

#include "files/codifica.h"
#include "numeric/conversioni.h"

#include <atomic>
#include <unistd.h>

namespace tessaro {

RigaZone& RigaZone::testo(std::string_view utf8) {
    riga_ += utf8;
    colonna_ += caratteri(utf8);
    return *this;
}

RigaZone& RigaZone::numero(double x) { return testo(short_form(x) + " "); }

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

FileTesto::FileTesto(std::filesystem::path destinazione)
    : destinazione_(std::move(destinazione)), temporaneo_(nome_temporaneo(destinazione_)) {
    out_.open(temporaneo_, std::ios::binary | std::ios::trunc);
    buono_ = out_.good();
}

FileTesto::~FileTesto() {
    if (!chiuso_) {
        out_.close();
        std::error_code ec;
        std::filesystem::remove(temporaneo_, ec);
    }
}

void FileTesto::riga(std::string_view utf8) {
    if (!buono_) return;
    out_ << a_cp1252(utf8) << "\r\n";
    buono_ = out_.good();
}

bool FileTesto::chiudi() {
    if (chiuso_) return buono_;
    chiuso_ = true;
    out_.flush();
    buono_ = buono_ && out_.good();
    out_.close();
    buono_ = buono_ && !out_.fail();
    std::error_code ec;
    if (buono_) {
        std::filesystem::rename(temporaneo_, destinazione_, ec);
        buono_ = !ec;
    }
    if (!buono_) std::filesystem::remove(temporaneo_, ec);
    return buono_;
}

bool FileTesto::chiudi(Piattaforma& piattaforma) {
    if (chiudi()) return true;
    piattaforma.messaggio("Impossibile scrivere il file " + destinazione_.string(),
                          "Errore di scrittura", Icona::esclamazione);
    return false;
}

void elimina_file(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

} // namespace tessaro
