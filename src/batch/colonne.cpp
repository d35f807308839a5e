// The columns of a batch table.
#include "batch/colonne.h"

#include "files/codifica.h"
#include "form/grandezze.h"

namespace tessaro {

using T = ColonnaIngresso::Tipo;

const std::array<ColonnaIngresso, 34> colonne_ingresso = [] {
    std::array<ColonnaIngresso, 34> c{
        {{"id", T::id}, {"forma", T::forma}, {"formato", T::formato}}};
    std::size_t n = 3;
    const auto aggiungi = [&](const Grandezza& g) { c.at(n++) = {g.colonna, T::grandezza, &g}; };
    // The fields in the order of the README's table: slab, materials, edges, actions, rails.
    for (const Dato d :
         {Dato::H,    Dato::deff,    Dato::a,   Dato::b,       Dato::rox,      Dato::roy,
          Dato::Rck,  Dato::gamma_c, Dato::fyk, Dato::gamma_f, Dato::Db_a,     Dato::Db_b,
          Dato::Dmax, Dato::qd,      Dato::Nd,  Dato::Mxd,     Dato::Myd,      Dato::qc,
          Dato::Nc,   Dato::Mxc,     Dato::Myc, Dato::gamma_q, Dato::N_totali, Dato::N_diag,
          Dato::S1,   Dato::S})
        aggiungi(grandezza(d));
    aggiungi(grandezza_fichiodo());
    for (int i = 0; i < 4; ++i)
        aggiungi(grandezza_foro(i));
    return c;
}();

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
    {"u0", true, Unita::lunghezza},
    {"u1", true, Unita::lunghezza},
    {"Aq", true, Unita::superficie},
    {"beta", true},
    {"Veff", true, Unita::forza},
    {"Veff1", true, Unita::forza},
    {"vmin", true, Unita::tensione},
    {"taurdc", true, Unita::tensione},
    {"Vrdc", true, Unita::forza},
    {"Vrdmax", true, Unita::forza},
    {"esito_faccia", false},
    {"esito_perimetro", false},
    {"Ntot", true},
    {"Ndiag", true},
    {"L_tral", true, Unita::lunghezza},
    {"phi", true, Unita::diametro},
    {"Af_tot", true, Unita::area},
    {"Vrds", true, Unita::forza},
    {"Vrdcs", true, Unita::forza},
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

const std::array<ColonnaRisultato, proposta::numero_colonne> colonne_proposta{{
    {"prop_Ntot", true},
    {"prop_Ndiag", true},
    {"prop_S1", true, Unita::lunghezza},
    {"prop_S", true, Unita::lunghezza},
    {"prop_phi", true, Unita::diametro},
    {"prop_chiodi", true},
    {"prop_kg", true},
    {"prop_esito", false},
}};

} // namespace tessaro
