// The captions of the window as the user reads them now.
#include "form/didascalie.h"

#include "form/CalcoTess.h"

namespace tessaro {

const std::array<const char*, 6> didascalie_Option1{
    "Rettangolare", "Circolare", "Rett. + semicerchi", "Ottagonale", "Superf. imposta", "Parete"};

std::string didascalia(const CalcoTess& f, const Grandezza& g) {
    std::string testo = g.didascalia;
    if (g.label1 >= 0) testo += f.Label1.at(static_cast<std::size_t>(g.label1)).Caption;
    return testo;
}

std::string richiamo(const CalcoTess& f, const Grandezza& g) {
    return g.richiamo ? g.richiamo : didascalia(f, g);
}

} // namespace tessaro
