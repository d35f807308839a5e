// The life of the window outside the recalculation: load, splash click, start-up computation,
// closing with its farewell, and the timer that ends the program.
#include "app/Tessaro.h"
#include "drawing/pianta.h"
#include "files/chiodi.h"
#include "files/dati_ingresso.h"
#include "files/file_testo.h"
#include "form/campi.h"
#include "form/protetto.h"
#include "geometry/perimetri.h"
#include "numeric/conversioni.h"
#include "openings/foro.h"
#include "numeric/modulo1.h"

namespace tessaro {

void Tessaro::Form_Load() {
    dimensiona(3600, 3000);
    centra();
    Picture3 = {true,
                "Cliccare sull'immagine per proseguire!",
                finestra.Height - 700,
                0,
                0,
                finestra.Width,
                finestra.Height};
    dati.in_avvio = 1;
}

void Tessaro::Picture3_MouseUp() {
    if (!Picture3.Visible || dati.in_avvio != 1 || Timer1_Enabled)
        return; // not during the farewell
    Picture3.Visible = false;
    avvia_calcolo();
}

void Tessaro::avvia_calcolo() {
    const Geometria schermo = piattaforma.schermo();
    finestra.Top = schermo.Height;
    finestra.Left = schermo.Width;
    piattaforma.finestra(finestra);
    cartella_lavoro = piattaforma.cartella_corrente();
    if (file_di_lavoro) prendi_cartella();
    for (int i = 1; i <= 20; ++i) {
        dimensiona(6000 + i * 3930 / 20, 3200 + i * 4600 / 20);
        centra();
        piattaforma.processa_eventi();
    }
    dimensiona(9930, 7800);
    centra();
    DeterminaFattori(*this);
    dati.scala = 2.0;
    // A first perimeter from the defaults; a fault here must not stop the start-up.
    protetto([this] {
        if (guardia(*this, Dato::deff) * guardia(*this, Dato::a) * guardia(*this, Dato::b) <= 0)
            return;
        dati.deff = tessaro::campo(*this, Dato::deff);
        dati.a = tessaro::campo(*this, Dato::a);
        dati.b = tessaro::campo(*this, Dato::b);
        const double E = (massimo(dati.a, dati.b) + dati.deff) * dati.scala;
        Pic.Scale(-E, E, E, -E);
        const double k = minimo(2.0, 1 + fsqrt(fdiv(200, 10 * dati.deff)));
        scrivi(*this, Dato::k, R(k, 3));
        Text1[Dato::Db_a].Text = "1000";
        Text1[Dato::Db_b].Text = "1000";
        calcola_u0(*this);
        disegna(*this);
        scrivi(*this, Dato::W1x, R(dati.W1x, 2));
        scrivi(*this, Dato::W1y, R(dati.W1y, 2));
    });
    const bool letto =
        file_di_lavoro && carica_input(percorso_ultimo_input(cartella_lavoro).string());
    dati.in_avvio = 0;
    piattaforma.processa_eventi();
    if (letto) applica_foro_letto();
    Command1_Click(0);
}

// Two programs in one working folder would overwrite each other's working files: the second
// one says so and works on without them. The first clears what a killed run left there.
void Tessaro::prendi_cartella() {
    if (blocco_.prendi(cartella_lavoro)) {
        if (blocco_.tenuto()) rimuovi_temporanei_abbandonati(cartella_lavoro);
        return;
    }
    file_di_lavoro = false;
    piattaforma.messaggio("La cartella " + cartella_lavoro +
                              " è usata da un altro Tessaro: i suoi file di lavoro ZR_tessa.tmp "
                              "e chiodi.tmp non saranno né letti né scritti.",
                          "Cartella in uso", Icona::informazione);
}

// The input record read back from a file; when all of it was read (true), the load-format
// fields are enabled to match the format restored. A file that cannot be opened or read ends
// the reading there and the items read stay.
bool Tessaro::carica_input(const std::string& nome) {
    rid_foro_letta.reset();
    if (!carica_dati(*this, nome)) return false;
    Option3_Click(Option3[0] ? 0 : 1);
    return true;
}

// The opening held in the panel's fields of a case just read takes effect as the panel's "OK"
// gives it, on the geometry read, so that the case loaded is the case saved. A "Rid. foro"
// other than the one the file kept (its panel was left without "OK") is told.
void Tessaro::applica_foro_letto() {
    const std::string nel_file = Text1[Dato::Rid_foro].Text;
    Text1_LostFocus(indice(Dato::deff)); // the record takes the geometry read
    protetto([this] { conferma_foro(*this); });
    if (Text1[Dato::Rid_foro].Text != nel_file) rid_foro_letta = nel_file;
}

bool Tessaro::Form_QueryUnload() {
    Picture3.Visible = true;
    Picture3.testo = "   *** GRAZIE PER L'ATTENZIONE !!!";
    Picture3.testo_y = Picture3.Height - 700;
    for (int i = 20; i >= 0; --i) {
        dimensiona(3600 + i * 6330 / 20, 3000 + i * 4800 / 20);
        centra();
        piattaforma.processa_eventi();
    }
    Timer1_Enabled = true;
    piattaforma.timer(true);
    return true;
}

void Tessaro::Timer1_Timer() {
    Timer1_Enabled = false;
    piattaforma.timer(false);
    elimina_chiodi(*this);
    piattaforma.termina();
}

} // namespace tessaro
