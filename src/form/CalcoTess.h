// The window as data: fields, option groups, labels, frames, the canvas Pic and the record
// DatiCalcolo, the ground that every routine shares. Setting a control from code raises the
// event that the window would raise; the handlers themselves belong to the program (app/),
// which derives from this class. It owns no widget and calls no routine.
#pragma once

#include "form/Canvas.h"
#include "form/DatiCalcolo.h"
#include "form/Piattaforma.h"
#include "form/grandezze.h"
#include "form/unita.h"

#include <array>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tessaro {

// The lines of a stud list: its heading lines, then the studs, two numbers a line. The numbers
// are kept as computed and formatted only when the file is written; two lists are the same when
// their numbers have the same bits, which print the same digits.
struct ListaChiodi {
    std::vector<std::string> intestazione;
    std::vector<double> numeri;

    bool operator==(const ListaChiodi& l) const {
        return intestazione == l.intestazione && numeri.size() == l.numeri.size() &&
               (numeri.empty() ||
                std::memcmp(numeri.data(), l.numeri.data(), numeri.size() * sizeof(double)) == 0);
    }
};

struct Campo {
    std::string Text;
    bool Enabled = true;
};

struct Etichetta {
    std::string Caption;
    Colore ForeColor{0, 0, 0};
    bool FontBold = false;
};

struct Cornice {
    std::string Caption;
    bool Visible = true;
};

// A picture box used as a panel: the splash Picture3 and the opening panel Picture1.
struct Pannello {
    bool Visible = false;
    std::string testo;                            // what was printed on it after its last clearing
    int testo_y = 0;                              // vertical position of that text, twips
    int Left = 0, Top = 0, Width = 0, Height = 0; // twips
};

inline const Colore NERO{0, 0, 0};
inline const Colore ROSSO_SCURO{128, 0, 0};

// What the last recalculation pass left for the state of the case: the inputs it ran on to its
// end, why it stopped short, and what the rail design met on the way.
struct UltimoCalcolo {
    // The inputs (CalcoTess::istantanea) of the last pass that ran through the verification;
    // empty when the last pass stopped short or none ran.
    std::optional<std::vector<std::string>> ingressi;
    std::string interruzione; // why the pass stopped or left a step out, Italian; "" when not
    const Grandezza* interrotto = nullptr; // the field it names first, when it names one
    std::string rifiuto; // why the rail design was refused, Italian; "" when it was not
    std::string S1_digitato, S_digitato; // the texts of S1 and S that the caps reduced
    std::string Ntot_digitato;           // "N totali" as typed, before the design rewrote it
    std::optional<double> ro_limitato;   // √(ρx·ρy) above 2 %, which the pass capped (%)
    bool contorno = false;               // the outer perimeter reached the slab contour
    bool chiodi_non_scritti = false;     // chiodi.tmp could not be replaced with this pass's list
};

class CalcoTess {
  public:
    CalcoTess(Piattaforma& piattaforma, const MisuraTesto& misura);
    virtual ~CalcoTess();
    CalcoTess(const CalcoTess&) = delete;
    CalcoTess& operator=(const CalcoTess&) = delete;

    // Controls.
    PerNome<Campo, N_DATI, Dato> Text1;
    Campo fichiodo, Text2, Text3, Text4, Text5;
    std::array<bool, 6> Option1{};                     // shape
    std::array<bool, 3> Option2{};                     // position
    std::array<bool, 2> Option3{};                     // load format: 0 "T.A.", 1 "S.L.U."
    std::array<Etichetta, 46> Label1;                  // captions that the axis rotation exchanges
    PerNome<Etichetta, N_RISULTATI, Risultato> Label3; // results
    PerNome<Etichetta, 11, Verdetto> Label4;           // units and verdicts
    Etichetta Label5, Label6, Label8, Label9, Label10;
    Cornice Frame4, Frame5;
    Pannello Picture1, Picture3;
    std::string Caption; // window title
    Geometria finestra;  // twips
    bool Timer1_Enabled = false;
    Canvas Pic;

    DatiCalcolo dati;
    std::string cartella_lavoro; // folder of the working files and of the manual
    // False when this program must leave the working files chiodi.tmp and ZR_tessa.tmp alone
    // (neither read, written nor deleted): a batch run, or another program using the folder.
    bool file_di_lavoro = true;
    UnitaMisura unita; // labels and factors of the report
    // The unit system in which people read the case: the texts of the window, of the state and
    // of the documents. The model holds and computes every number in its own units whatever it
    // is: the dump, the files and the text report never depend on it.
    Sistema sistema = Sistema::tecnico;
    // The stud list chiodi.tmp while the rail design writes it: its lines so far. Empty when
    // no list is open; the design replaces the file with them when it completes.
    std::optional<ListaChiodi> nfile_chiodi;
    // The stud dots of the current design, in plan coordinates (cm) and in the order drawn,
    // images included; a stud drawn twice is listed twice. Emptied with the stud list.
    std::vector<Punto> chiodi;
    // chiodi.tmp as this program last wrote it (its lines; none before the first write), and
    // whether the pass has reset the list without writing the reset yet: the scratch file is
    // written at most once a pass and only when its lines change.
    std::optional<ListaChiodi> chiodi_scritti;
    bool chiodi_da_azzerare = false;
    // Uniform numbers in [0, 1) from a fixed start, so that every run of the program draws
    // the same sequence.
    double casuale() { return static_cast<double>(generatore_()) / 4294967296.0; }

    Piattaforma& piattaforma;

    // The events that setting a control from code raises (see the setters below). Each
    // handler catches the faults of its own body and returns quietly.
    virtual void Option1_Click(int Index) = 0;
    virtual void Option3_Click(int Index) = 0;
    virtual void fichiodo_Change() = 0;

    // Setting controls from code, with the events that a change raises: an option button set
    // on runs its click handler (Option2 has none); a new text of fichiodo runs its change
    // handler. A button set off raises nothing.
    void imposta_Option1(int Index, bool valore);
    void imposta_Option2(int Index, bool valore);
    void imposta_Option3(int Index, bool valore);
    void imposta_fichiodo(const std::string& testo);

    int posizione() const; // index of the Option2 button set, -1 when none

    // The text that the control of a quantity shows: a field's text, a result's caption.
    const std::string& testo(const Grandezza& g) const;
    std::string& testo(const Grandezza& g);
    // The control of a text quantity (a Text1 field, the stud diameter, an opening field).
    Campo& campo(const Grandezza& g);
    const Campo& campo(const Grandezza& g) const;

    // The inputs on which the results shown depend, one text each: the Text1 fields, the stud
    // diameter at INDICE_FICHIODO, the opening's distance and position (Text4, Text5; its
    // size takes effect only with the panel's OK, which recalculates) and the three option
    // groups.
    std::vector<std::string> istantanea() const;
    static constexpr std::size_t INDICE_FICHIODO = 39;

    UltimoCalcolo ultimo;
    // The "Rid. foro" that the data file last read kept, when the opening of its panel,
    // applied on loading, gave another: the state of the case tells both until the panel's
    // "OK" or the next file read.
    std::optional<std::string> rid_foro_letta;

    // Window geometry in twips, placed through the platform.
    void dimensiona(int Width, int Height);
    void centra();

  private:
    std::mt19937 generatore_;
};

} // namespace tessaro
