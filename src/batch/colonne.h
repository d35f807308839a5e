// The columns of a batch table: the inputs, each bound to a control of the window, and the
// results, in the order the results table lists them.
#pragma once

#include "form/grandezze.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

struct Grandezza;

// An input column: the case's name, an option group, or the field of a quantity (its name is
// the quantity's batch column).
struct ColonnaIngresso {
    enum class Tipo { id, forma, formato, grandezza };
    const char* nome;
    Tipo tipo;
    const Grandezza* grandezza = nullptr;
};
// In the order a case is given to the window: the options first, the opening last.
extern const std::array<ColonnaIngresso, 34> colonne_ingresso;

// The input column of a header name, whatever its letter case; nothing when none has it.
std::optional<std::size_t> colonna_ingresso(std::string_view nome);

struct ColonnaRisultato {
    const char* nome;
    bool numero; // written as a number: decimal comma in the ";" dialect, a JSON number
    Unita unita = Unita::nessuna; // the kind of unit of the number: SI moves its point
};

// The results columns by their place in the table.
namespace risultato {
enum : std::size_t {
    id,
    file, // the base name of the row's report and documents, as written
    posizione,
    u0,
    u1,
    Aq,
    beta,
    Veff,
    Veff1,
    vmin,
    taurdc,
    Vrdc,
    Vrdmax,
    esito_faccia,
    esito_perimetro,
    Ntot,
    Ndiag,
    L_tral,
    phi,
    Af_tot,
    Vrds,
    Vrdcs,
    N_chiodi,
    verdetto,
    testo_verdetto,
    utilizzo_faccia,
    utilizzo_perimetro,
    utilizzo_esterno,
    utilizzo_chiodi,
    avvisi,
    errore,
    numero_colonne
};
} // namespace risultato

extern const std::array<ColonnaRisultato, risultato::numero_colonne> colonne_risultato;

// The columns that --propose adds after the others: the best layout of "Proponi armatura", or
// why there is none.
namespace proposta {
enum : std::size_t { Ntot, Ndiag, S1, S, phi, chiodi, kg, esito, numero_colonne };
} // namespace proposta

extern const std::array<ColonnaRisultato, proposta::numero_colonne> colonne_proposta;

} // namespace tessaro
