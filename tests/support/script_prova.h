// A session script run in the current folder as tessaro-cli runs it.
#pragma once

#include "cli/sessione.h"
#include "support/finestra_prova.h"

#include <sstream>
#include <string>

namespace tessaro::prova {

struct EsitoScript {
    int stato;
    std::string out, err;
};

inline EsitoScript esegui_script(const std::string& script, Documenti documenti = {}) {
    MisuraFissa misura;
    std::ostringstream out, err;
    Sessione s(out, err, misura, {}, std::move(documenti));
    std::istringstream in(script);
    const int stato = s.esegui(in);
    return {stato, out.str(), err.str()};
}

} // namespace tessaro::prova
