// Whole events on the form model, as a person triggers them: the default recalculation, the
// same with an input that changes at every event, designs of 10 and of 51 layers; and the
// batch, case by case and as a table on worker threads.
#include "app/Tessaro.h"
#include "batch/caso.h"
#include "batch/lotto.h"
#include "cli/piattaforma_script.h"
#include "proposta/proposta.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
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

// The default case, d left again and again.
void Ricalcolo(benchmark::State& state) {
    Finestra w;
    for (auto _ : state)
        w.f.Text1_LostFocus(indice(Dato::deff));
}
BENCHMARK(Ricalcolo);

// The default case with Nd changed at every event, so that no work can be skipped as unchanged.
void RicalcoloIngressoVariabile(benchmark::State& state) {
    Finestra w;
    int i = 0;
    for (auto _ : state) {
        w.f.Text1[Dato::Nd].Text = std::to_string(-14500 - i++ % 1000);
        w.f.Text1_LostFocus(indice(Dato::Nd));
    }
}
BENCHMARK(RicalcoloIngressoVariabile);

// A case that needs studs: the column load, first stud distance and spacing typed, then d left.
void con_chiodi(Finestra& w, benchmark::State& state, const char* Nd, const char* S1,
                const char* S) {
    w.f.Text1[Dato::Nd].Text = Nd;
    w.f.Text1[Dato::S1].Text = S1;
    w.f.Text1[Dato::S].Text = S;
    w.f.Text1_LostFocus(indice(Dato::deff));
    state.counters["strati"] = w.f.dati.nlayer;
}

// A design: the column load, first stud distance and spacing given; Nd changed at every event.
void Progetto(benchmark::State& state, const char* Nd, const char* S1, const char* S) {
    Finestra w;
    con_chiodi(w, state, Nd, S1, S);
    const int base = std::stoi(Nd);
    int i = 0;
    for (auto _ : state) {
        w.f.Text1[Dato::Nd].Text = std::to_string(base - i++ % 2);
        w.f.Text1_LostFocus(indice(Dato::Nd));
    }
}
// A heavy column load with close layers: the outer perimeter holds only after many layers.
BENCHMARK_CAPTURE(Progetto, 51 strati, "-300000", "5", "5");
BENCHMARK_CAPTURE(Progetto, 10 strati, "-220000", "18.5", "27.5");

// "Proponi armatura" on a case that needs studs, its fields as typed: the search over every
// layout from a window's model, without its own start-up.
void Proposta(benchmark::State& state, const char* Nd, const char* S1, const char* S) {
    Finestra w;
    con_chiodi(w, state, Nd, S1, S);
    int provate = 0;
    for (auto _ : state)
        provate = proponi(w.f).provate;
    state.counters["provate"] = provate;
}
// The default column at Nd −200000; a heavy load whose layout as typed needs 51 layers.
BENCHMARK_CAPTURE(Proposta, 200 t, "-200000", "18.5", "27.5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Proposta, 51 strati, "-300000", "5", "5")->Unit(benchmark::kMillisecond);

// One batch case of the default size, Nd changed at every case: a window started afresh, the
// fields typed, "Aggiorna", the results read.
void LottoCaso(benchmark::State& state) {
    Caso caso;
    caso.id = "P";
    const std::size_t Nd = *colonna_ingresso("Nd");
    int i = 0;
    for (auto _ : state) {
        caso.testi[Nd] = std::to_string(-14500 - i++ % 1000);
        benchmark::DoNotOptimize(valuta_caso(caso, ""));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LottoCaso);

// A table of 2,000 default-size cases read, evaluated on N threads and written.
void LottoTabella(benchmark::State& state) {
    const auto cartella = std::filesystem::temp_directory_path() / "tessaro-bench";
    std::filesystem::create_directories(cartella);
    OpzioniLotto o;
    o.ingresso = cartella / "tabella.csv";
    o.uscita = cartella / "risultati.csv";
    o.lavori = static_cast<unsigned>(state.range(0));
    const int righe = 2000;
    {
        std::ofstream t(o.ingresso);
        t << "id,Nd,Mxd\n";
        for (int i = 0; i < righe; ++i)
            t << 'P' << i << ',' << -14500 - i << ',' << i % 50 << '\n';
    }
    std::ostringstream out, err;
    for (auto _ : state)
        esegui_lotto(o, out, err);
    state.SetItemsProcessed(state.iterations() * righe);
}
BENCHMARK(LottoTabella)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
