// The table of the window's quantities: every field of the form and every result, by name, with
// what the readers of the case need of it (caption, unit, symbol, role, batch column, default).
// The index a row carries is the identity that the dump and the files use; everywhere else a
// quantity is named.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The fields Text1(0) … Text1(38) by name; the value is the field's index.
enum class Dato : unsigned char {
    qd,       // design distributed load, kg/m²
    Nd,       // design axial force, kg (negative: the column loads the slab)
    Mxd,      // design moment about x, kg·m
    Myd,      // design moment about y, kg·m
    H,        // slab thickness, cm
    deff,     // effective depth d, cm
    a,        // column side along x (diameter of a circular column), cm
    b,        // column side along y, cm
    rox,      // reinforcement ratio in x, %
    roy,      // reinforcement ratio in y, %
    ro_eff,   // √(ρx·ρy), %
    Rck,      // cube strength of the concrete, kg/cm²
    gamma_c,  // partial factor of the concrete
    nu,       // strength reduction factor ν
    fyk,      // yield strength of the stud steel, kg/cm²
    gamma_f,  // partial factor of the stud steel
    betax,    // x part of the eccentricity factor
    W1y,      // section modulus of the control perimeter about y, cm²
    W1x,      // section modulus of the control perimeter about x, cm²
    Aq,       // slab area inside the control perimeter, cm²
    u1,       // control perimeter, cm
    u0,       // column perimeter, cm
    k,        // size factor
    betay,    // y part of the eccentricity factor
    Db_b,     // distance from the column to the slab edge along b, cm
    Dmax,     // largest gap bridged by the outer perimeter, multiple of d
    fywd_ef,  // effective design strength of the studs, kg/cm²
    Myc,      // service moment about y, kg·m
    S1,       // first stud from the column face, cm
    S,        // stud spacing along a rail, cm
    N_diag,   // diagonal rails at each column corner
    N_totali, // rails in all
    beta,     // eccentricity factor 1 + βx + βy
    Rid_foro, // control perimeter cut away by an opening, cm
    Mxc,      // service moment about x, kg·m
    Nc,       // service axial force, kg
    qc,       // service distributed load, kg/m²
    gamma_q,  // load factor between service and design actions
    Db_a,     // distance from the column to the slab edge along a, cm
};
inline constexpr std::size_t N_DATI = 39;
// The index of a field, as the events of the window carry it.
constexpr int indice(Dato d) {
    return static_cast<int>(d);
}

// The results Label3(0) … Label3(17) by name; the value is the label's index.
enum class Risultato : unsigned char {
    TAUrdc,     // shear stress resistance without reinforcement, kg/cm²
    Vrdc,       // resistance of the control perimeter, kg
    TAUrmax,    // maximum shear stress at the column face, kg/cm²
    Vrd_max,    // maximum resistance at the column face, kg
    Vrdc_est,   // resistance of the outer perimeter, kg
    vmin,       // minimum shear stress, kg/cm²
    Af_teor,    // area of one stud required, cm²
    fi_teor,    // stud diameter required, mm
    Veff1,      // Veff less the load inside the control perimeter, kg
    Aftot_teor, // stud area required on a perimeter, cm²
    L_tral,     // rail length, first to last stud, cm
    Vrds_teor,  // resistance with the studs required, kg
    Aftot,      // stud area provided on a perimeter, cm²
    Vrds,       // resistance with the studs provided, kg
    beta_est,   // eccentricity factor of the outer perimeter
    Veff1_est,  // Veff' on the outer perimeter, kg
    Af,         // area of one stud of the diameter used, cm²
    beta_u0,    // eccentricity factor at the column face
};
inline constexpr std::size_t N_RISULTATI = 18;

// The Label4 labels that carry a verdict beside their result; the others show its unit.
enum class Verdetto : unsigned char {
    Vrdc = 1,    // beside Vrd,c: the control perimeter
    Vrd_max = 3, // beside Vrd,max: the column face
};

// A control of the form that holds a quantity.
struct Controllo {
    enum class Tipo : unsigned char { Text1, fichiodo, Text2, Text3, Text4, Text5, Label3 };
    Tipo tipo;
    int indice = 0; // the Text1 or Label3 index
};

// Who fills the control: the user, the recalculation from other inputs (still editable), or
// the program alone.
enum class Ruolo : unsigned char { ingresso, derivato, risultato };

// With which load format an action is typed (the other computes it through γq); `sempre` for
// what is no action.
enum class Formato : unsigned char { sempre, esercizio, progetto };

// The kinds of unit; each kind's units are in `unita_di`.
enum class Unita : unsigned char {
    nessuna,
    forza,      // kg
    momento,    // kg·m
    carico,     // distributed load, kg/m²
    lunghezza,  // cm
    tensione,   // stress or strength, kg/cm²
    area,       // stud and steel areas, section moduli, cm²
    superficie, // slab area, cm²
    percento,
    diametro, // stud diameter, mm
};

// The unit systems of the view and the documents: the technical units in which the model
// holds and computes every number (kg = daN, cm, kg/cm²), or SI.
enum class Sistema : unsigned char { tecnico, SI };

struct NomiUnita {
    const char* didascalia; // as the window's fixed captions write it ("kg/mq")
    const char* nome;       // everywhere else: messages, documents, batch ("kg/m²"); "" none
    const char* nome_si;    // the SI unit ("kN/m²")
    // The SI value is the technical one times 10^esponente_si: the program's kilogram is the
    // decanewton and its formulas take 1 MPa as 10 kg/cm², so every factor is a power of ten.
    int esponente_si;
};
const NomiUnita& unita_di(Unita u);

// The name of a unit in a system: "kg/m²" or "kN/m²"; "" for none.
const char* nome_unita(Unita u, Sistema s);
// A model's text in a system, and a text typed in a system for the model: the point moved,
// exactly, by the unit's power of ten (a text that is no number stays as it is).
std::string in_sistema(std::string_view testo_modello, Unita u, Sistema s);
std::string da_sistema(std::string_view testo, Unita u, Sistema s);

// The physical range of an input: a value outside it is refused like a text that is no
// number, with the limits and `perche` (the clause, or why) in the reason.
struct Intervallo {
    double minimo = -std::numeric_limits<double>::infinity();
    double massimo = std::numeric_limits<double>::infinity();
    bool minimo_escluso = false, massimo_escluso = false;
    const char* perche = nullptr;

    bool contiene(double x) const {
        return (minimo_escluso ? x > minimo : x >= minimo) &&
               (massimo_escluso ? x < massimo : x <= massimo);
    }
};
constexpr Intervallo positivo(const char* perche = nullptr) {
    return {0, std::numeric_limits<double>::infinity(), true, false, perche};
}
constexpr Intervallo non_negativo() {
    return {0};
}
constexpr Intervallo fra(double minimo, double massimo, const char* perche = nullptr) {
    return {minimo, massimo, false, false, perche};
}

struct Grandezza {
    Controllo controllo;
    const char* nome; // the name in code, as the command line prints it
    Ruolo ruolo;
    Formato formato;
    // The caption beside the control: this text, followed (label1 ≥ 0) by the caption of that
    // Label1, which the axis rotation may exchange ("β" + "x" = "βx").
    const char* didascalia;
    int label1;
    Unita unita;
    const char* simbolo;     // in the documents
    const char* descrizione; // in words, in the documents' tables
    const char* colonna;     // the batch's column; nullptr when the batch has none
    const char* iniziale;    // the text at load; "" for a result
    Intervallo valido{};     // an input's physical range; any number elsewhere
    // How a message names the control when its caption does not stand alone; nullptr when the
    // caption does.
    const char* richiamo = nullptr;
    // A result's label beside it in the window, Label4(i): its unit or its verdict; −1 none.
    int label4 = -1;
};

// Every quantity, in the order of the dump: Text1(0) … Text1(38), fichiodo, Text2 … Text5,
// Label3(0) … Label3(17).
extern const std::array<Grandezza, N_DATI + 5 + N_RISULTATI> grandezze;

const Grandezza& grandezza(Dato d);
const Grandezza& grandezza(Risultato r);
// The row of the stud diameter and of the opening's four fields.
const Grandezza& grandezza_fichiodo();
const Grandezza& grandezza_foro(int i); // 0 to 3: Text2 … Text5

// A Text1 field that only shows a result (read-only in the window, greyed when stale).
inline bool campo_di_risultato(const Grandezza& g) {
    return g.ruolo == Ruolo::risultato && g.controllo.tipo == Controllo::Tipo::Text1;
}

// A field of the opening panel, Text2 … Text5: it takes effect with the panel's "OK".
inline bool del_foro(const Grandezza& g) {
    return g.controllo.tipo >= Controllo::Tipo::Text2 && g.controllo.tipo <= Controllo::Tipo::Text5;
}

// The control as the dump names it: "Text1(5)", "fichiodo", "Text2", "Label3(4)".
std::string nome_controllo(const Controllo& c);

// The inputs that the calculation reads with the load format given (true: service actions
// typed, "T.A."), in the dump's order.
std::vector<const Grandezza*> ingressi_in_uso(bool esercizio);

// An array of controls that can also be indexed by the names of its quantities.
template <class T, std::size_t N, class Nome> struct PerNome : std::array<T, N> {
    using std::array<T, N>::operator[];
    T& operator[](Nome n) { return (*this)[static_cast<std::size_t>(n)]; }
    const T& operator[](Nome n) const { return (*this)[static_cast<std::size_t>(n)]; }
};

} // namespace tessaro
