// The captions beside the inputs of the window.
#include "form/didascalie.h"

#include "form/CalcoTess.h"

namespace tessaro {

const std::array<DidascaliaCampo, 39> didascalie_Text1{{
    {"qd (kg/mq)"}, {"Nd (kg)"},  {"", 2},      {"", 3},       {"H (cm)"},      {"deff (cm)"},
    {"", 6},        {"", 7},      {"", 8},      {"", 9},       {"ro eff. (%)"}, {"Rck"},
    {"γc"},         {"nu"},       {"fyk"},      {"γf"},        {"β", 16},       {"", 17},
    {"", 18},       {"Aq"},       {"u1"},       {"u0"},        {"K"},           {"β", 28},
    {"", 45},       {"Dmax (n)"}, {"fywd,eff"}, {"", 27},      {"S1 (cm)"},     {"S   (cm)"},
    {"N diag"},     {"N totali"}, {"βtot."},    {"Rid. foro"}, {"", 36},        {"Nc (kg)"},
    {"qc (kg/mq)"}, {"γq"},       {"", 41},
}};

const std::array<const char*, 6> didascalie_Option1{
    "Rettangolare", "Circolare", "Rett. + semicerchi", "Ottagonale", "Superf. imposta", "Parete"};

std::string didascalia(const CalcoTess& f, const std::string& controllo) {
    if (controllo.starts_with("Text1(")) {
        const auto i = static_cast<std::size_t>(std::stoi(controllo.substr(6)));
        const DidascaliaCampo& d = didascalie_Text1.at(i);
        std::string testo = d.testo;
        if (d.label1 >= 0) testo += f.Label1.at(static_cast<std::size_t>(d.label1)).Caption;
        return testo;
    }
    if (controllo == "fichiodo") return "φ(mm) dei chiodi";
    if (controllo == "Text2") return "larghezza L del foro";
    if (controllo == "Text3") return "profondità P del foro";
    if (controllo == "Text4") return "distanza D del foro";
    if (controllo == "Text5") return "y dell'asse del foro";
    return controllo;
}

} // namespace tessaro
