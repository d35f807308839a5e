// The form model: the calculation window as data (fields, option groups, labels, frames, the
// canvas Pic and the record DatiCalcolo) with its event handlers, which are the only entry
// points. It owns no widget: the Qt window and the session-script runner drive it.
#pragma once

#include "app/Piattaforma.h"
#include "drawing/Canvas.h"
#include "files/unita.h"
#include "verification/DatiCalcolo.h"

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace tessaro {

class FileTesto;

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
    std::string testo;   // what was printed on it after its last clearing
    int testo_y = 0;     // vertical position of that text, twips
    int Left = 0, Top = 0, Width = 0, Height = 0; // twips
};

inline const Colore NERO{0, 0, 0};
inline const Colore ROSSO_SCURO{128, 0, 0};

class CalcoTess {
public:
    CalcoTess(Piattaforma& piattaforma, const MisuraTesto& misura);
    ~CalcoTess();
    CalcoTess(const CalcoTess&) = delete;
    CalcoTess& operator=(const CalcoTess&) = delete;

    // Controls.
    std::array<Campo, 39> Text1;
    Campo fichiodo, Text2, Text3, Text4, Text5;
    std::array<bool, 6> Option1{}; // shape
    std::array<bool, 3> Option2{}; // position
    std::array<bool, 2> Option3{}; // load format: 0 "T.A.", 1 "S.L.U."
    std::array<Etichetta, 46> Label1; // captions that the axis rotation exchanges
    std::array<Etichetta, 18> Label3; // results
    std::array<Etichetta, 11> Label4; // units and verdicts
    Etichetta Label5, Label6, Label8, Label9, Label10;
    Cornice Frame4, Frame5;
    Pannello Picture1, Picture3;
    std::string Caption;           // window title
    Geometria finestra;            // twips
    bool Timer1_Enabled = false;
    Canvas Pic;

    DatiCalcolo dati;
    std::string cartella_lavoro;   // folder of the working files and of the manual
    UnitaMisura unita;             // labels and factors of the report
    std::unique_ptr<FileTesto> nfile_chiodi; // chiodi.tmp while the rail design writes it
    // Uniform numbers in [0, 1) from a fixed start, so that every run of the program draws
    // the same sequence.
    double casuale() { return static_cast<double>(generatore_()) / 4294967296.0; }

    Piattaforma& piattaforma;

    // Event handlers. Each catches the arithmetic and conversion faults of its own body and
    // returns quietly, keeping what it had already written; a handler run by another one
    // ends alone and its caller goes on.
    void Form_Load();
    void Picture3_MouseUp();
    void Text1_LostFocus(int Index);
    void Option1_Click(int Index);
    void Option3_Click(int Index);
    void fichiodo_Change();
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    bool Form_QueryUnload(); // true: the close request is refused
    void Timer1_Timer();

    // Setting controls from code, with the events that a change raises: an option button set
    // on runs its click handler (Option2 has none); a new text of fichiodo runs its change
    // handler. A button set off raises nothing.
    void imposta_Option1(int Index, bool valore);
    void imposta_Option2(int Index, bool valore);
    void imposta_Option3(int Index, bool valore);
    void imposta_fichiodo(const std::string& testo);

    int posizione() const; // index of the Option2 button set, -1 when none

    // Window geometry in twips, placed through the platform.
    void dimensiona(int Width, int Height);
    void centra();

private:
    std::mt19937 generatore_;
    void avvia_calcolo();
    void carica_input(const std::string& nome);
    void chiudi_finestra();
    void salva();
    void carica();
    void aiuto();
    void informazioni();
};

} // namespace tessaro
