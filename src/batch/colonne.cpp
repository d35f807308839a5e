// The columns of a batch table.
#include "batch/colonne.h"

#include "files/codifica.h"

namespace tessaro {

using T = ColonnaIngresso::Tipo;

const std::array<ColonnaIngresso, 34> colonne_ingresso{{
    {"id", T::id},         {"forma", T::forma},    {"formato", T::formato}, {"H", T::Text1, 4},
    {"deff", T::Text1, 5}, {"a", T::Text1, 6},     {"b", T::Text1, 7},      {"rox", T::Text1, 8},
    {"roy", T::Text1, 9},  {"Rck", T::Text1, 11},  {"gc", T::Text1, 12},    {"fyk", T::Text1, 14},
    {"gf", T::Text1, 15},  {"Db_a", T::Text1, 38}, {"Db_b", T::Text1, 24},  {"Dmax", T::Text1, 25},
    {"qd", T::Text1, 0},   {"Nd", T::Text1, 1},    {"Mxd", T::Text1, 2},    {"Myd", T::Text1, 3},
    {"qc", T::Text1, 36},  {"Nc", T::Text1, 35},   {"Mxc", T::Text1, 34},   {"Myc", T::Text1, 27},
    {"gq", T::Text1, 37},  {"Ntot", T::Text1, 31}, {"Ndiag", T::Text1, 30}, {"S1", T::Text1, 28},
    {"S", T::Text1, 29},   {"phi", T::fichiodo},   {"foro1", T::foro, 0},   {"foro2", T::foro, 1},
    {"foro3", T::foro, 2}, {"foro4", T::foro, 3},
}};

std::optional<std::size_t> colonna_ingresso(std::string_view nome) {
    const std::string cercato = maiuscole(nome);
    for (std::size_t i = 0; i < colonne_ingresso.size(); ++i)
        if (maiuscole(colonne_ingresso[i].nome) == cercato) return i;
    return std::nullopt;
}

const std::array<ColonnaRisultato, risultato::numero_colonne> colonne_risultato{{
    {"id", false},
    {"file", false},
    {"posizione", true},
    {"u0", true},
    {"u1", true},
    {"Aq", true},
    {"beta", true},
    {"Veff", true},
    {"Veff1", true},
    {"vmin", true},
    {"taurdc", true},
    {"Vrdc", true},
    {"Vrdmax", true},
    {"esito_faccia", false},
    {"esito_perimetro", false},
    {"Ntot", true},
    {"Ndiag", true},
    {"L_tral", true},
    {"phi", true},
    {"Af_tot", true},
    {"Vrds", true},
    {"Vrdcs", true},
    {"N_chiodi", true},
    {"verdetto", false},
    {"testo_verdetto", false},
    {"utilizzo_faccia", true},
    {"utilizzo_perimetro", true},
    {"utilizzo_esterno", true},
    {"utilizzo_chiodi", true},
    {"avvisi", false},
    {"errore", false},
}};

} // namespace tessaro
