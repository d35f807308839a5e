// The platform of a session script.
#include "cli/piattaforma_script.h"

#include "cli/dump.h"

#include <filesystem>

namespace tessaro {

std::string PiattaformaScript::rispondi(const DialogoFile& d) {
    if (risposte_.empty()) return d.nome_iniziale; // no answer waiting: cancelled
    std::string nome = risposte_.front();
    risposte_.pop_front();
    return nome == "cancel" ? d.nome_iniziale : nome;
}

void PiattaformaScript::messaggio(const std::string& testo, const std::string&, Icona) {
    out_ << "message=" << in_riga(testo) << '\n';
}

bool PiattaformaScript::apri_documento(const std::string& percorso) {
    out_ << "open=" << in_riga(percorso) << '\n';
    return true;
}

std::string PiattaformaScript::cartella_corrente() {
    return std::filesystem::current_path().string();
}

std::string PiattaformaScript::cartella_programma() {
    std::error_code ec;
    const auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : eseguibile.parent_path().string();
}

} // namespace tessaro
