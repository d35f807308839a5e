// Whole events on the form model, as a person triggers them: the default recalculation and a
// recalculation whose stud design needs many layers.
#include "app/Tessaro.h"
#include "cli/piattaforma_script.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

using namespace tessaro;

class MisuraFissa : public MisuraTesto {
public:
    double larghezza_px(const std::string& t) const override { return 5.0 * t.size(); }
    double altezza_px(const std::string&) const override { return 13.0; }
};

struct Finestra {
    Finestra() {
        std::filesystem::create_directories(cartella);
        std::filesystem::current_path(cartella);
        f.Form_Load();
        f.Picture3_MouseUp();
    }
    std::filesystem::path cartella = std::filesystem::temp_directory_path() / "tessaro-bench";
    std::ostringstream uscita;
    MisuraFissa misura;
    PiattaformaScript piattaforma{uscita};
    Tessaro f{piattaforma, misura};
};

void Ricalcolo(benchmark::State& state) {
    Finestra w;
    for (auto _ : state) w.f.Text1_LostFocus(5);
}
BENCHMARK(Ricalcolo);

// A heavy column load with close layers: the outer perimeter holds only after many layers.
void ProgettoMoltiStrati(benchmark::State& state) {
    Finestra w;
    w.f.Text1[1].Text = "-300000";
    w.f.Text1[29].Text = "5";
    w.f.Text1[28].Text = "5";
    w.f.Text1_LostFocus(5);
    state.counters["strati"] = w.f.dati.nlayer;
    for (auto _ : state) w.f.Text1_LostFocus(5);
}
BENCHMARK(ProgettoMoltiStrati);

} // namespace

BENCHMARK_MAIN();
