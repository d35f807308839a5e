// Test ground.
#include "support/finestra_prova.h"

#include <fstream>
#include <random>

namespace tessaro::prova {

std::string leggi_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

CartellaProva::CartellaProva() : precedente_(std::filesystem::current_path()) {
    std::random_device rd;
    percorso_ = std::filesystem::temp_directory_path() / ("tessaro-prova-" + std::to_string(rd()));
    std::filesystem::create_directories(percorso_);
    std::filesystem::current_path(percorso_);
}

CartellaProva::~CartellaProva() {
    std::error_code ec;
    std::filesystem::current_path(precedente_, ec);
    std::filesystem::remove_all(percorso_, ec);
}

FinestraProva::FinestraProva() : f(std::make_unique<CalcoTess>(piattaforma, misura)) {
    f->Form_Load();
    f->Picture3_MouseUp();
}

void FinestraProva::digita(int i, const std::string& t) {
    f->Text1[static_cast<std::size_t>(i)].Text = t;
    f->Text1_LostFocus(i);
}

} // namespace tessaro::prova
