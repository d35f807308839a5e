// File names of the rows and the set of fingerprints.
#include "batch/nomi_file.h"

#include "files/codifica.h"

#include <algorithm>
#include <cctype>

namespace tessaro {

std::uint64_t impronta(std::string_view testo) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : testo) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    // Mixed, so that the low bits that choose a place depend on every byte.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return h == 0 ? 1 : h; // 0 marks an empty place
}

std::size_t Impronte::posto(std::uint64_t impronta) const {
    const std::size_t maschera = tabella_.size() - 1;
    std::size_t i = static_cast<std::size_t>(impronta) & maschera;
    while (tabella_[i] != 0 && tabella_[i] != impronta)
        i = (i + 1) & maschera;
    return i;
}

bool Impronte::contiene(std::uint64_t impronta) const {
    return !tabella_.empty() && tabella_[posto(impronta)] == impronta;
}

bool Impronte::inserisci(std::uint64_t impronta) {
    if (2 * (quante_ + 1) > tabella_.size()) { // at most half full
        std::vector<std::uint64_t> vecchia(std::max<std::size_t>(64, 2 * tabella_.size()));
        vecchia.swap(tabella_);
        for (const std::uint64_t h : vecchia)
            if (h != 0) tabella_[posto(h)] = h;
    }
    std::uint64_t& p = tabella_[posto(impronta)];
    if (p == impronta) return false;
    p = impronta;
    ++quante_;
    return true;
}

std::string NomiFile::nome(std::string_view id) {
    std::string base;
    for (const char c : id)
        base += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_'
                    ? c
                    : '_';
    if (base.find_first_not_of('.') == std::string::npos) base = "_" + base;
    std::string nome = base;
    for (int n = 2; !presi_.inserisci(impronta(maiuscole(nome))); ++n)
        nome = base + "_" + std::to_string(n);
    return nome;
}

bool NomiFile::preso(std::string_view nome) const {
    return presi_.contiene(impronta(maiuscole(nome)));
}

} // namespace tessaro
