// The input record: one table of its 48 items drives both the writing and the reading.
#include "files/dati_ingresso.h"

#include "files/codifica.h"
#include "files/file_testo.h"
#include "files/lettore_voci.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <sstream>

namespace tessaro {
namespace {

// One item: the text of a quantity's control, or the state of one option button.
struct Voce {
    enum Tipo { testo, Option1, Option3 } tipo;
    const Grandezza* grandezza = nullptr; // a text item
    int indice = 0;                       // an option state: the button
};

// Lines 1 to 44 the texts of the fields in the dump's order (Text1, the stud diameter, the
// opening panel), then the states of the first two shape buttons and of the two load formats.
const std::array<Voce, 48> record = [] {
    std::array<Voce, 48> r{};
    std::size_t n = 0;
    for (const Grandezza& g : grandezze)
        if (g.controllo.tipo != Controllo::Tipo::Label3) r.at(n++) = {Voce::testo, &g};
    r.at(n++) = {Voce::Option1, nullptr, 0};
    r.at(n++) = {Voce::Option1, nullptr, 1};
    r.at(n++) = {Voce::Option3, nullptr, 0};
    r.at(n++) = {Voce::Option3, nullptr, 1};
    return r;
}();

std::string testo_voce(const CalcoTess& f, const Voce& v) {
    const auto i = static_cast<std::size_t>(v.indice);
    switch (v.tipo) {
    case Voce::Option1:
        return f.Option1[i] ? "True" : "False";
    case Voce::Option3:
        return f.Option3[i] ? "True" : "False";
    default:
        return f.campo(*v.grandezza).Text;
    }
}

// Puts one item into its control; false when a state is neither "True" nor "False".
bool imposta_voce(CalcoTess& f, const Voce& v, const std::string& letto) {
    if (v.tipo == Voce::testo) {
        const std::string testo = is_numeric(letto) ? show(strict(letto)) : letto;
        if (v.grandezza->controllo.tipo == Controllo::Tipo::fichiodo)
            f.imposta_fichiodo(testo);
        else
            f.campo(*v.grandezza).Text = testo;
        return true;
    }
    const std::string parola = maiuscole(letto);
    const bool on = parola == "TRUE";
    if (!on && parola != "FALSE") return false;
    if (v.tipo == Voce::Option1)
        f.imposta_Option1(v.indice, on);
    else
        f.imposta_Option3(v.indice, on);
    return true;
}

// A text with a comma or a double quote would split or end its item when read back, moving
// every later item: it is written in double quotes, an inner quote doubled.
std::string voce_scritta(const std::string& testo) {
    if (testo.find_first_of(",\"") == std::string::npos) return testo;
    std::string tra_virgolette = "\"";
    for (const char c : testo)
        tra_virgolette += c == '"' ? std::string(2, '"') : std::string(1, c);
    return tra_virgolette + '"';
}

// More than 48 items of the longest length the reader takes: what lies beyond is never read.
constexpr std::size_t MASSIMO_BYTE = 8u << 20;

} // namespace

std::filesystem::path percorso_ultimo_input(const std::string& cartella_lavoro) {
    return std::filesystem::path(cartella_lavoro) / "ZR_tessa.tmp";
}

bool salva_dati(const CalcoTess& f, const std::filesystem::path& nome, bool di_lavoro) {
    FileTesto file(nome, di_lavoro);
    for (const Voce& v : record)
        file.riga(voce_scritta(testo_voce(f, v)));
    return file.chiudi(f.piattaforma);
}

bool carica_dati(CalcoTess& f, const std::filesystem::path& nome) {
    const auto byte = leggi_file_regolare(nome, MASSIMO_BYTE);
    if (!byte) return false;
    std::istringstream in(*byte);
    LettoreVoci lettore(in);
    for (const Voce& v : record) {
        const auto letto = lettore.voce();
        if (!letto || !imposta_voce(f, v, *letto)) return false;
    }
    return true;
}

} // namespace tessaro
