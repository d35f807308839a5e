// tessaro-cli: runs a session script on the calculator without a window, or evaluates a table
// of cases (batch), which starts no Qt unless its documents are asked for.
#include "batch/lotto.h"
#include "cli/documenti.h"
#include "cli/sessione.h"
#include "drawing/qt/esporta.h"
#include "drawing/qt/font_canvas.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

int uso() {
    std::cerr
        << "uso: tessaro-cli run SCRIPT [--workdir DIR]\n"
           "     tessaro-cli batch INPUT [--out RESULTS] [--json] [--reports DIR] [--export DIR]\n"
           "                           [--jobs N] [--unita SI|tecniche] [--propose]\n"
           "       (N thread di calcolo, da 1 a 256; le unità dei numeri della tabella e dei\n"
           "       risultati, tecniche se non indicate)\n"
           "  righe dello script oltre agli eventi della finestra:\n"
           "    export FILE.pdf    la relazione di calcolo in PDF\n"
           "    export FILE.dxf    la chiodatura in DXF (cm, o mm con units SI)\n"
           "    units SI|tecniche  le unità delle righe che seguono (type, view, export)\n"
           "    view               ogni campo e risultato come lo mostra la finestra\n"
           "    export FILE.csv    la distinta dei chiodi (CSV con ';')\n"
           "    picture FILE.pdf   la pianta quotata da sola, in PDF\n"
           "    propose            le disposizioni di chiodi più leggere (Proponi armatura)\n";
    return 2;
}

// Fonts, pictures and documents need a GUI application, but never a display.
void prepara_qt() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt wants a private runtime folder; without a desktop session there is none, and its
    // warning would mix with what the script prints.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const auto runtime = std::filesystem::temp_directory_path() /
                             ("tessaro-runtime-" + std::to_string(::getuid()));
        std::error_code ec;
        std::filesystem::create_directories(runtime, ec);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ec);
        if (!ec) setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
}

int lotto(int argc, char** argv) {
    // A row of megabytes is read, copied and let go on any worker thread: its room goes back to
    // the system when it goes, instead of staying for ever in the heap of each thread.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // Under a limit of the address space (ulimit -v) the heap of each thread may not be
    // reserved, and every allocation would try again: the threads share one heap instead.
    rlimit spazio{};
    if (::getrlimit(RLIMIT_AS, &spazio) == 0 && spazio.rlim_cur != RLIM_INFINITY)
        mallopt(M_ARENA_MAX, 1);
    tessaro::OpzioniLotto o;
    o.ingresso = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string opzione = argv[i];
        const bool valore = i + 1 < argc;
        if (opzione == "--json") {
            o.json = true;
        } else if (opzione == "--propose") {
            o.proponi = true;
        } else if (opzione == "--out" && valore) {
            o.uscita = argv[++i];
        } else if (opzione == "--reports" && valore) {
            o.relazioni = argv[++i];
        } else if (opzione == "--export" && valore) {
            o.documenti = argv[++i];
        } else if (opzione == "--unita" && valore) {
            const std::string u = argv[++i];
            if (u != "SI" && u != "tecniche") return uso();
            o.sistema = u == "SI" ? tessaro::Sistema::SI : tessaro::Sistema::tecnico;
        } else if (opzione == "--jobs" && valore) {
            const std::string n = argv[++i];
            const auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), o.lavori);
            if (ec != std::errc() || p != n.data() + n.size() || o.lavori == 0 ||
                o.lavori > tessaro::MASSIMO_LAVORI)
                return uso();
        } else {
            return uso();
        }
    }
    // The bar goes where the rows do not: printed on the same terminal, they would mix.
    o.barra = ::isatty(STDERR_FILENO) == 1 && !(o.uscita.empty() && ::isatty(STDOUT_FILENO) == 1);
    if (o.documenti.empty()) return tessaro::esegui_lotto(o, std::cout, std::cerr);
    // The documents are written on this thread, by its event loop; the table runs beside it.
    prepara_qt();
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    o.scrivi_documenti = tessaro::documenti_lotto();
    int stato = 0;
    std::thread tabella;
    try {
        tabella = std::thread([&] {
            stato = tessaro::esegui_lotto(o, std::cout, std::cerr);
            QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error& e) {
        std::cerr << "tessaro-cli: impossibile avviare il thread della tabella: " << e.what()
                  << '\n';
        return 1;
    }
    app.exec();
    tabella.join();
    return stato;
}

} // namespace

int main(int argc, char** argv) try {
    if (argc >= 3 && std::string(argv[1]) == "batch") return lotto(argc, argv);
    if (argc != 3 && argc != 5) return uso();
    if (std::string(argv[1]) != "run") return uso();
    std::filesystem::path script = argv[2];
    std::filesystem::path cartella;
    if (argc == 5) {
        if (std::string(argv[3]) != "--workdir") return uso();
        cartella = argv[4];
    }
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << "tessaro-cli: impossibile leggere " << script.string() << '\n';
        return 1;
    }
    if (!cartella.empty()) {
        std::error_code ec;
        std::filesystem::current_path(cartella, ec);
        if (ec) {
            std::cerr << "tessaro-cli: cartella di lavoro non valida: " << cartella.string()
                      << '\n';
            return 1;
        }
    }
    prepara_qt();
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    tessaro::MisuraQt misura;
    tessaro::Sessione sessione(std::cout, std::cerr, misura, tessaro::esporta,
                               tessaro::documenti_qt());
    return sessione.esegui(in);
} catch (const std::bad_alloc&) { // memory refused: said, never an abort
    std::cerr << "tessaro-cli: memoria esaurita\n";
    return 1;
} catch (const std::exception& e) {
    std::cerr << "tessaro-cli: " << e.what() << '\n';
    return 1;
}
