// The stud schedule from the rails of the design.
#include "documents/distinta.h"

#include "files/file_testo.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"
#include "reinforcement/peso.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

// The schedule is read by Italian spreadsheets: ";" between cells, a decimal comma.
std::string numero(double x, int decimali) {
    std::string t = show(R(x, decimali));
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

} // namespace

double Distinta::peso_chiodo_kg() const {
    return peso_chiodo(diametro_mm, lunghezza_cm);
}

Distinta distinta(const CalcoTess& f) {
    Distinta d;
    d.tralicci = schema_chiodatura(f);
    d.diametro_mm = lenient(f.fichiodo.Text);
    d.lunghezza_cm = lunghezza_chiodo(f);
    for (const Traliccio& t : d.tralicci)
        d.chiodi += static_cast<int>(t.chiodi.size());
    d.peso_kg = d.chiodi * d.peso_chiodo_kg();
    return d;
}

const char* nome_tipo(Traliccio::Tipo t) {
    switch (t) {
    case Traliccio::Tipo::dritto:
        return "diritto";
    case Traliccio::Tipo::diagonale:
        return "diagonale";
    case Traliccio::Tipo::radiale:
        return "radiale";
    }
    return "";
}

std::string nome_traliccio(std::size_t i) {
    return "R" + std::to_string(i + 1);
}

double lunghezza(const Traliccio& t) {
    return t.chiodi.empty() ? 0 : t.chiodi.back() - t.chiodi.front();
}

double angolo_gradi(const Traliccio& t) {
    double g = t.angolo * 180 / PI;
    // A rail along −x comes out of atan2 a hair above −180°: it is the rail at 180°.
    if (g <= -180 + 1e-6) g += 360;
    if (g > 180 + 1e-6) g -= 360;
    return g;
}

std::string testo_distinta_csv(const Distinta& d, Sistema sistema) {
    std::size_t colonne = 0;
    for (const Traliccio& t : d.tralicci)
        colonne = std::max(colonne, t.chiodi.size());
    // Lengths in the unit system asked for: cm, or mm in SI, the point moved on the digits.
    const std::string cm = std::string(" (") + nome_unita(Unita::lunghezza, sistema) + ")";
    const auto l = [&](double x) {
        std::string t = in_sistema(show(R(x, 2)), Unita::lunghezza, sistema);
        std::replace(t.begin(), t.end(), '.', ',');
        return t;
    };
    std::string s = "traliccio;tipo;angolo (gradi);x inizio" + cm + ";y inizio" + cm +
                    ";chiodi;diametro (mm);peso (kg)";
    for (std::size_t i = 1; i <= colonne; ++i)
        s += ";distanza chiodo " + std::to_string(i) + cm;
    s += ";lunghezza" + cm + "\r\n";
    double lunghezze = 0; // of all rails, cm
    for (std::size_t r = 0; r < d.tralicci.size(); ++r) {
        const Traliccio& t = d.tralicci[r];
        s += nome_traliccio(r) + ";" + nome_tipo(t.tipo) + ";" + numero(angolo_gradi(t), 2) + ";" +
             l(t.origine.x) + ";" + l(t.origine.y) + ";" + std::to_string(t.chiodi.size()) + ";" +
             numero(d.diametro_mm, 1) + ";" +
             numero(static_cast<double>(t.chiodi.size()) * d.peso_chiodo_kg(), 3);
        for (std::size_t i = 0; i < colonne; ++i)
            s += ";" + (i < t.chiodi.size() ? l(t.chiodi[i]) : std::string());
        s += ";" + l(lunghezza(t)) + "\r\n";
        lunghezze += lunghezza(t);
    }
    s += "totale;;;;;" + std::to_string(d.chiodi) + ";" + numero(d.diametro_mm, 1) + ";" +
         numero(d.peso_kg, 3) + std::string(colonne, ';') + ";" + l(lunghezze) + "\r\n";
    return s;
}

bool esporta_distinta_csv(const CalcoTess& f, const std::string& percorso) {
    return sostituisci_file(percorso, testo_distinta_csv(distinta(f), f.sistema));
}

} // namespace tessaro
