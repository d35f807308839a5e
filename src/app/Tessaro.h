// The program: the window as data with its event handlers, the only entry points. The Qt
// window and the session-script runner drive it; each handler calls the routines.
#pragma once

#include "files/blocco_cartella.h"
#include "form/CalcoTess.h"

namespace tessaro {

class Tessaro final : public CalcoTess {
public:
    using CalcoTess::CalcoTess;

    // Event handlers. Each catches the arithmetic and conversion faults of its own body and
    // returns quietly, keeping what it had already written; a handler run by another one
    // ends alone and its caller goes on.
    void Form_Load();
    void Picture3_MouseUp();
    void Text1_LostFocus(int Index);
    void Option1_Click(int Index) override;
    void Option3_Click(int Index) override;
    void fichiodo_Change() override;
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    bool Form_QueryUnload(); // true: the close request is refused
    void Timer1_Timer();

private:
    void avvia_calcolo();
    void prendi_cartella();
    bool carica_input(const std::string& nome);
    void applica_foro_letto();
    void chiudi_finestra();
    bool relazione_possibile();
    void salva();
    void carica();
    void aiuto();
    void informazioni();

    BloccoCartella blocco_; // the working folder, held while the program runs
};

} // namespace tessaro
