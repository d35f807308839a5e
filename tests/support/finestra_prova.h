// Test ground: a fixed text metric, a form model started in a working folder of its own, and
// a column written straight into its record.
#pragma once

#include "app/Tessaro.h"
#include "cli/piattaforma_script.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace tessaro::prova {

// Every character 5 pixels wide, every line 13 pixels high.
class MisuraFissa : public MisuraTesto {
public:
    double larghezza_px(const std::string& t) const override { return 5.0 * t.size(); }
    double altezza_px(const std::string&) const override { return 13.0; }
};

// The bytes of a file ("" when it cannot be read).
inline std::string leggi_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A temporary folder, made current while the object lives and removed afterwards.
class CartellaProva {
public:
    CartellaProva() : precedente_(std::filesystem::current_path()) {
        percorso_ = std::filesystem::temp_directory_path() /
                    ("tessaro-prova-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(percorso_);
        std::filesystem::current_path(percorso_);
    }
    ~CartellaProva() {
        std::error_code ec;
        std::filesystem::current_path(precedente_, ec);
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }
    // The names of what the folder holds.
    std::set<std::string> nomi() const {
        std::set<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(percorso_))
            n.insert(e.path().filename().string());
        return n;
    }

private:
    std::filesystem::path percorso_, precedente_;
};

// The window loaded and started (splash clicked) in its own working folder; what the platform
// shows (messages, opened documents) is collected in `uscita`.
struct FinestraProva {
    FinestraProva() : f(std::make_unique<Tessaro>(piattaforma, misura)) {
        f->Form_Load();
        f->Picture3_MouseUp();
    }
    std::string testo(int i) const { return f->Text1[static_cast<std::size_t>(i)].Text; }
    // Types a text into field i and leaves the field.
    void digita(int i, const std::string& testo) {
        f->Text1[static_cast<std::size_t>(i)].Text = testo;
        f->Text1_LostFocus(i);
    }

    CartellaProva cartella;
    std::ostringstream uscita;
    MisuraFissa misura;
    PiattaformaScript piattaforma{uscita};
    std::unique_ptr<Tessaro> f;
};

// Sides a, b, slab-edge distances and effective depth d (cm) written straight into the record
// with dcrit = 2·d and the position set; nothing is recomputed.
inline void colonna(CalcoTess& f, double a, double b, double Db_a, double Db_b, double d,
                    int posizione) {
    f.dati.a = a;
    f.dati.b = b;
    f.dati.Db_a = Db_a;
    f.dati.Db_b = Db_b;
    f.dati.deff = d;
    f.dati.dcrit = 2 * d;
    f.imposta_Option2(posizione, true);
}

} // namespace tessaro::prova
