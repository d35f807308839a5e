// The table of the window's quantities.
#include "form/grandezze.h"

#include "numeric/virgola.h"

namespace tessaro {
namespace {

using T = Controllo::Tipo;
using R = Ruolo;
using F = Formato;
using U = Unita;

constexpr Controllo t1(Dato d) {
    return {T::Text1, static_cast<int>(d)};
}
constexpr Controllo l3(Risultato r) {
    return {T::Label3, static_cast<int>(r)};
}

} // namespace

// clang-format off
const std::array<Grandezza, N_DATI + 5 + N_RISULTATI> grandezze{{
    // Text1: control, name, role, load format, caption, Label1, unit, symbol, description,
    // batch column, default text.
    {t1(Dato::qd), "qd", R::ingresso, F::progetto, "qd (kg/mq)", -1, U::carico, "qd",
     "Carico ripartito di progetto", "qd", "1450", non_negativo()},
    {t1(Dato::Nd), "Nd", R::ingresso, F::progetto, "Nd (kg)", -1, U::forza, "Nd",
     "Sforzo normale di progetto", "Nd", "-14500"},
    {t1(Dato::Mxd), "Mxd", R::ingresso, F::progetto, "", 2, U::momento, "Mxd",
     "Momento di progetto attorno a x", "Mxd", "0"},
    {t1(Dato::Myd), "Myd", R::ingresso, F::progetto, "", 3, U::momento, "Myd",
     "Momento di progetto attorno a y", "Myd", "0"},
    {t1(Dato::H), "H", R::ingresso, F::sempre, "H (cm)", -1, U::lunghezza, "h",
     "Spessore della soletta", "H", "40", positivo()},
    {t1(Dato::deff), "deff", R::ingresso, F::sempre, "deff (cm)", -1, U::lunghezza, "d",
     "Altezza utile", "deff", "37", positivo()},
    {t1(Dato::a), "a", R::ingresso, F::sempre, "", 6, U::lunghezza, "a",
     "Lato del pilastro (diametro se circolare)", "a", "40", positivo()},
    {t1(Dato::b), "b", R::ingresso, F::sempre, "", 7, U::lunghezza, "b",
     "Lato del pilastro", "b", "60", positivo()},
    {t1(Dato::rox), "rox", R::ingresso, F::sempre, "", 8, U::percento, "ρlx",
     "Rapporto d'armatura in x", "rox", "0.8", positivo()},
    {t1(Dato::roy), "roy", R::ingresso, F::sempre, "", 9, U::percento, "ρly",
     "Rapporto d'armatura in y", "roy", "0.8", positivo()},
    {t1(Dato::ro_eff), "ro_eff", R::derivato, F::sempre, "ro eff. (%)", -1, U::percento, "ρl",
     "Rapporto d'armatura efficace", nullptr, "0.2"},
    {t1(Dato::Rck), "Rck", R::ingresso, F::sempre, "Rck", -1, U::tensione, "Rck",
     "Resistenza cubica del calcestruzzo", "Rck", "400", fra(145, 1084, "fck = 0.83·Rck fra 12 e 90 MPa, EN 1992-1-1, prospetto 3.1")},
    {t1(Dato::gamma_c), "gamma_c", R::ingresso, F::sempre, "γc", -1, U::nessuna, "γC",
     "Coefficiente parziale del calcestruzzo", "gc", "1.6", fra(1, 2)},
    {t1(Dato::nu), "nu", R::derivato, F::sempre, "nu", -1, U::nessuna, "ν",
     "Coefficiente di riduzione della resistenza", nullptr, "0.5"},
    {t1(Dato::fyk), "fyk", R::ingresso, F::sempre, "fyk", -1, U::tensione, "fywk",
     "Snervamento caratteristico dei chiodi", "fyk", "3550", fra(2000, 6000)},
    {t1(Dato::gamma_f), "gamma_f", R::ingresso, F::sempre, "γf", -1, U::nessuna, "γS",
     "Coefficiente parziale dell'acciaio", "gf", "1.10", fra(1, 2)},
    {t1(Dato::betax), "betax", R::risultato, F::sempre, "β", 16, U::nessuna, "βx",
     "Parte x del fattore di eccentricità", nullptr, "0.2"},
    {t1(Dato::W1y), "W1y", R::risultato, F::sempre, "", 17, U::area, "W1y",
     "Modulo del perimetro u1 attorno a y", nullptr, "0.2"},
    {t1(Dato::W1x), "W1x", R::risultato, F::sempre, "", 18, U::area, "W1x",
     "Modulo del perimetro u1 attorno a x", nullptr, "0.2"},
    {t1(Dato::Aq), "Aq", R::risultato, F::sempre, "Aq", -1, U::superficie, "Aq",
     "Area della soletta interna a u1", "Aq", "50"},
    {t1(Dato::u1), "u1", R::risultato, F::sempre, "u1", -1, U::lunghezza, "u1",
     "Perimetro di verifica", "u1", "30"},
    {t1(Dato::u0), "u0", R::risultato, F::sempre, "u0", -1, U::lunghezza, "u0",
     "Perimetro del pilastro", "u0", "37"},
    {t1(Dato::k), "k", R::risultato, F::sempre, "K", -1, U::nessuna, "k",
     "Fattore di scala", nullptr, "40"},
    {t1(Dato::betay), "betay", R::risultato, F::sempre, "β", 28, U::nessuna, "βy",
     "Parte y del fattore di eccentricità", nullptr, "0.2"},
    {t1(Dato::Db_b), "Db_b", R::ingresso, F::sempre, "", 45, U::lunghezza, "Db_b",
     "Distanza dal bordo in direzione b", "Db_b", "1000", non_negativo()},
    {t1(Dato::Dmax), "Dmax", R::ingresso, F::sempre, "Dmax (n)", -1, U::nessuna, "Dmax (n)",
     "Massima distanza fra chiodi esterni, in multipli di d", "Dmax", "2", {0, 2, true, false, "i varchi oltre 2·d non contano, EN 1992-1-1, 6.4.5 (4)"}},
    {t1(Dato::fywd_ef), "fywd_ef", R::derivato, F::sempre, "fywd,eff", -1, U::tensione,
     "fywd,ef", "Resistenza di progetto efficace dei chiodi", nullptr, "3050"},
    {t1(Dato::Myc), "Myc", R::ingresso, F::esercizio, "", 27, U::momento, "Myc",
     "Momento di esercizio attorno a y", "Myc", "0"},
    {t1(Dato::S1), "S1", R::ingresso, F::sempre, "S1 (cm)", -1, U::lunghezza, "S1",
     "Distanza del primo chiodo dalla faccia", "S1", "18.5", positivo()},
    {t1(Dato::S), "S", R::ingresso, F::sempre, "S   (cm)", -1, U::lunghezza, "sr",
     "Passo dei chiodi", "S", "27.5", positivo()},
    {t1(Dato::N_diag), "N_diag", R::ingresso, F::sempre, "N diag", -1, U::nessuna, "N diag",
     "Numero di tralicci diagonali", "Ndiag", "0", non_negativo()},
    {t1(Dato::N_totali), "N_totali", R::ingresso, F::sempre, "N totali", -1, U::nessuna,
     "N totali", "Numero totale di tralicci", "Ntot", "12", fra(1, std::numeric_limits<double>::infinity())},
    {t1(Dato::beta), "beta", R::risultato, F::sempre, "βtot.", -1, U::nessuna, "β",
     "Fattore di eccentricità", "beta", "0.2"},
    {t1(Dato::Rid_foro), "Rid_foro", R::risultato, F::sempre, "Rid. foro", -1, U::lunghezza,
     "Δu1", "Parte di u1 in ombra del foro", nullptr, "0"},
    {t1(Dato::Mxc), "Mxc", R::ingresso, F::esercizio, "", 36, U::momento, "Mxc",
     "Momento di esercizio attorno a x", "Mxc", "0"},
    {t1(Dato::Nc), "Nc", R::ingresso, F::esercizio, "Nc (kg)", -1, U::forza, "Nc",
     "Sforzo normale di esercizio", "Nc", "-10000"},
    {t1(Dato::qc), "qc", R::ingresso, F::esercizio, "qc (kg/mq)", -1, U::carico, "qc",
     "Carico ripartito di esercizio", "qc", "1000", non_negativo()},
    {t1(Dato::gamma_q), "gamma_q", R::ingresso, F::sempre, "γq", -1, U::nessuna, "γq",
     "Coefficiente dei carichi", "gq", "1.45", fra(1, 2)},
    {t1(Dato::Db_a), "Db_a", R::ingresso, F::sempre, "", 41, U::lunghezza, "Db_a",
     "Distanza dal bordo in direzione a", "Db_a", "1000", non_negativo()},

    // The stud diameter and the opening panel.
    {{T::fichiodo}, "phi", R::ingresso, F::sempre, "φ(mm)       =", -1, U::diametro, "φ",
     "Diametro dei chiodi", "phi", "0.0", fra(0, 40, "0: scelto dal programma"), "φ(mm) dei chiodi"},
    {{T::Text2}, "L_foro", R::ingresso, F::sempre, "Larghezza L (cm), lungo y:", -1,
     U::lunghezza, "L", "Foro: larghezza L, lungo y", "foro1", "30", positivo(), "larghezza L del foro"},
    {{T::Text3}, "P_foro", R::ingresso, F::sempre, "Profondità P (cm), lungo x:", -1,
     U::lunghezza, "P", "Foro: profondità P, lungo x", "foro2", "20", positivo(), "profondità P del foro"},
    {{T::Text4}, "D_foro", R::ingresso, F::sempre, "Distanza netta D dal pilastro (cm):", -1,
     U::lunghezza, "D", "Foro: distanza netta dal pilastro", "foro3", "1000",
     non_negativo(), "distanza D del foro"},
    {{T::Text5}, "y_foro", R::ingresso, F::sempre, "y dell'asse del foro (cm):", -1,
     U::lunghezza, "y", "Foro: y dell'asse", "foro4", "50", {}, "y dell'asse del foro"},

    // Label3.
    {l3(Risultato::TAUrdc), "TAUrdc", R::risultato, F::sempre, "τrdc      =", -1, U::tensione,
     "vRd,c", "Resistenza a taglio senza armatura", "taurdc", "", {}, nullptr, 0},
    {l3(Risultato::Vrdc), "Vrdc", R::risultato, F::sempre, "Vrd,c     =", -1, U::forza, "VRd,c",
     "Resistenza del perimetro di verifica", "Vrdc", "", {}, nullptr, 1},
    {l3(Risultato::TAUrmax), "TAUrmax", R::risultato, F::sempre, "τr,max  =", -1, U::tensione,
     "vRd,max", "Tensione massima alla faccia del pilastro", nullptr, "", {}, nullptr, 2},
    {l3(Risultato::Vrd_max), "Vrd_max", R::risultato, F::sempre, "Vrd,max =", -1, U::forza,
     "VRd,max", "Resistenza massima alla faccia del pilastro", "Vrdmax", "", {}, nullptr, 3},
    {l3(Risultato::Vrdc_est), "Vrdc_est", R::risultato, F::sempre, "Vrd,cs    =", -1, U::forza,
     "VRd,c,out", "Resistenza del perimetro esterno", "Vrdcs", "", {}, nullptr, 4},
    {l3(Risultato::vmin), "vmin", R::risultato, F::sempre, "(v min     =", -1, U::tensione,
     "vmin", "Tensione minima di resistenza", "vmin", "", {}, nullptr, 5},
    {l3(Risultato::Af_teor), "Af_teor", R::risultato, F::sempre, "Af (cmq)     =", -1, U::area,
     "Af,req", "Area richiesta di un chiodo", nullptr, ""},
    {l3(Risultato::fi_teor), "fi_teor", R::risultato, F::sempre, "φ(mm)       =", -1,
     U::diametro, "φreq", "Diametro richiesto dei chiodi", nullptr, ""},
    {l3(Risultato::Veff1), "Veff1", R::risultato, F::sempre, "Veff'      =", -1, U::forza,
     "VEd,red", "Taglio efficace ridotto", "Veff1", "", {}, nullptr, 8},
    {l3(Risultato::Aftot_teor), "Aftot_teor", R::risultato, F::sempre, "Af,tot (cmq)=", -1,
     U::area, "Asw,req", "Area dei chiodi richiesta su un perimetro", nullptr, ""},
    {l3(Risultato::L_tral), "L_tral", R::risultato, F::sempre, "L tral.     =", -1,
     U::lunghezza, "L", "Lunghezza dei tralicci", "L_tral", "", {}, nullptr, 10},
    {l3(Risultato::Vrds_teor), "Vrds_teor", R::risultato, F::sempre, "Vrd,s (kg)   =", -1,
     U::forza, "VRd,cs,req", "Resistenza con i chiodi richiesti", nullptr, ""},
    {l3(Risultato::Aftot), "Aftot", R::risultato, F::sempre, "Af,tot (cmq)=", -1, U::area,
     "Asw", "Area dei chiodi disposta su un perimetro", "Af_tot", ""},
    {l3(Risultato::Vrds), "Vrds", R::risultato, F::sempre, "Vrd,s (kg)   =", -1, U::forza,
     "VRd,cs", "Resistenza con i chiodi disposti", "Vrds", ""},
    {l3(Risultato::beta_est), "beta_est", R::risultato, F::sempre, "β       =", -1,
     U::nessuna, "β", "Fattore di eccentricità del perimetro esterno", nullptr, ""},
    {l3(Risultato::Veff1_est), "Veff1_est", R::risultato, F::sempre, "Veff        =", -1,
     U::forza, "VEd,red,out", "Taglio efficace ridotto sul perimetro esterno", nullptr, "", {}, nullptr, 9},
    {l3(Risultato::Af), "Af", R::risultato, F::sempre, "Af (cmq)     =", -1, U::area, "Af",
     "Af di un chiodo", nullptr, ""},
    {l3(Risultato::beta_u0), "beta_u0", R::risultato, F::sempre, "βu0       =", -1, U::nessuna,
     "β", "Fattore β alla faccia del pilastro", nullptr, ""},
}};
// clang-format on

const NomiUnita& unita_di(Unita u) {
    static const std::array<NomiUnita, 10> nomi{{
        {"", "", "", 0},
        {"kg", "kg", "kN", -2},
        {"kgm", "kg·m", "kNm", -2},
        {"kg/mq", "kg/m²", "kN/m²", -2},
        {"cm", "cm", "mm", 1},
        {"kg/cmq", "kg/cm²", "N/mm²", -1},
        {"cmq", "cm²", "mm²", 2},
        {"cmq", "cm²", "m²", -4},
        {"%", "%", "%", 0},
        {"mm", "mm", "mm", 0},
    }};
    return nomi[static_cast<std::size_t>(u)];
}

const char* nome_unita(Unita u, Sistema s) {
    return s == Sistema::SI ? unita_di(u).nome_si : unita_di(u).nome;
}

std::string in_sistema(std::string_view testo_modello, Unita u, Sistema s) {
    return s == Sistema::SI ? sposta_virgola(testo_modello, unita_di(u).esponente_si)
                            : std::string(testo_modello);
}

std::string da_sistema(std::string_view testo, Unita u, Sistema s) {
    return s == Sistema::SI ? sposta_virgola(testo, -unita_di(u).esponente_si) : std::string(testo);
}

const Grandezza& grandezza(Dato d) {
    return grandezze[static_cast<std::size_t>(d)];
}
const Grandezza& grandezza(Risultato r) {
    return grandezze[N_DATI + 5 + static_cast<std::size_t>(r)];
}
const Grandezza& grandezza_fichiodo() {
    return grandezze[N_DATI];
}
const Grandezza& grandezza_foro(int i) {
    return grandezze.at(N_DATI + 1 + static_cast<std::size_t>(i));
}

std::string nome_controllo(const Controllo& c) {
    switch (c.tipo) {
    case Controllo::Tipo::Text1:
        return "Text1(" + std::to_string(c.indice) + ")";
    case Controllo::Tipo::Label3:
        return "Label3(" + std::to_string(c.indice) + ")";
    case Controllo::Tipo::fichiodo:
        return "fichiodo";
    default: // Text2 … Text5, whose kinds count from 2
        return "Text" + std::to_string(static_cast<int>(c.tipo));
    }
}

std::vector<const Grandezza*> ingressi_in_uso(bool esercizio) {
    const Formato escluso = esercizio ? Formato::progetto : Formato::esercizio;
    std::vector<const Grandezza*> in_uso;
    for (const Grandezza& g : grandezze)
        if (g.ruolo != Ruolo::risultato && g.formato != escluso) in_uso.push_back(&g);
    return in_uso;
}

} // namespace tessaro
