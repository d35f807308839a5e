// Start-up, closing, the stud diameter and the command buttons of the window.
#include "support/file_ostili.h"
#include "support/finestra_prova.h"

#include "files/rapporto.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sys/stat.h>

namespace tessaro {

namespace {
namespace fs = std::filesystem;

// A platform whose program folder and document viewer are chosen by the test.
struct PiattaformaProva : PiattaformaScript {
    using PiattaformaScript::PiattaformaScript;
    std::string cartella_programma() override {
        return programma.empty() ? PiattaformaScript::cartella_programma() : programma;
    }
    bool apri_documento(const std::string& p) override {
        return visore && PiattaformaScript::apri_documento(p);
    }
    std::string programma;
    bool visore = true;
};

// The program loaded and started in the current folder, its messages in `uscita`.
struct Avviato {
    explicit Avviato(const MisuraTesto& misura, std::string programma = "") : f(p, misura) {
        p.programma = std::move(programma);
        f.Form_Load();
        f.Picture3_MouseUp();
    }
    std::ostringstream uscita;
    PiattaformaProva p{uscita};
    Tessaro f;
};
} // namespace

TEST(Chiusura, EveryRequestIsRefusedAndTheTimerEndsTheProgramQuietly) {
    prova::FinestraProva w;
    EXPECT_TRUE(w.f->Form_QueryUnload());
    EXPECT_TRUE(w.f->Form_QueryUnload()); // a second request: refused again
    EXPECT_FALSE(w.piattaforma.terminato());
    w.f->Timer1_Timer();
    EXPECT_TRUE(w.piattaforma.terminato());
    w.f->Timer1_Timer(); // the stud list already gone: nothing to complain about
    EXPECT_EQ(w.uscita.str(), "");
}

TEST(Chiusura, TheFarewellSplashDoesNotStartTheCalculator) {
    prova::CartellaProva c;
    std::ostringstream uscita;
    prova::MisuraFissa misura;
    PiattaformaScript p(uscita);
    Tessaro f(p, misura);
    f.Form_Load();
    f.Form_QueryUnload(); // closed before the splash was clicked
    f.Picture3_MouseUp();
    EXPECT_EQ(f.dati.in_avvio, 1);
    EXPECT_EQ(f.Text1[20].Text, "30"); // nothing computed
}

TEST(Comandi, WritesThatFailAreToldAndOkStillCloses) {
    prova::FinestraProva w;
    w.piattaforma.accoda_risposta("manca/r.txt");
    w.f->Command1_Click(3); // "Stampa": nothing is opened
    EXPECT_EQ(w.uscita.str(), "message=Impossibile scrivere il file manca/r.txt\n");
    w.uscita.str("");
    w.f->cartella_lavoro = (w.cartella.percorso() / "manca").string();
    w.f->Command1_Click(5); // "OK": the last input cannot be kept
    EXPECT_EQ(w.uscita.str(), "message=Impossibile scrivere il file " +
                                  (w.cartella.percorso() / "manca" / "ZR_tessa.tmp").string() +
                                  "\n");
    EXPECT_TRUE(w.piattaforma.timer_attivo());
}

TEST(Comandi, WithoutTheWorkingFilesNoneIsReadWrittenOrDeleted) {
    prova::CartellaProva c;
    std::ofstream("ZR_tessa.tmp") << "1,2,3\r\n";
    std::ofstream("chiodi.tmp") << "another program's list\r\n";
    std::ostringstream uscita;
    prova::MisuraFissa misura;
    PiattaformaScript p(uscita);
    Tessaro f(p, misura);
    f.file_di_lavoro = false;
    f.Form_Load();
    f.Picture3_MouseUp();
    EXPECT_EQ(f.Text1[0].Text, "1450"); // the last input is not restored
    f.Text1[1].Text = "-200000";        // a design
    f.Command1_Click(0);
    ASSERT_TRUE(f.Frame4.Visible);
    f.Command1_Click(5); // "OK"
    f.Timer1_Timer();
    EXPECT_EQ(prova::leggi_file("ZR_tessa.tmp"), "1,2,3\r\n");
    EXPECT_EQ(prova::leggi_file("chiodi.tmp"), "another program's list\r\n");
}

// Two programs started in one folder: the second says so and leaves the working files of the
// first alone; once the first has ended, the folder is free again.
TEST(Avvio, ASecondProgramInTheFolderWorksOnWithoutTheWorkingFiles) {
    prova::CartellaProva c;
    prova::MisuraFissa misura;
    auto primo = std::make_unique<Avviato>(misura);
    primo->f.Command1_Click(5); // "OK": the first one's last input
    const std::string ultimo = prova::leggi_file("ZR_tessa.tmp"),
                      chiodi = prova::leggi_file("chiodi.tmp");
    ASSERT_FALSE(ultimo.empty() || chiodi.empty());

    Avviato secondo(misura);
    EXPECT_EQ(secondo.uscita.str(), "message=La cartella " + c.percorso().string() +
                                        " è usata da un altro Tessaro: i suoi file di lavoro "
                                        "ZR_tessa.tmp e chiodi.tmp non saranno né letti né "
                                        "scritti.\n");
    EXPECT_FALSE(secondo.f.file_di_lavoro);
    secondo.f.Text1[4].Text = "55";
    secondo.f.Text1[1].Text = "-200000"; // a design
    secondo.f.Command1_Click(5);         // "OK"
    secondo.f.Timer1_Timer();
    EXPECT_EQ(prova::leggi_file("ZR_tessa.tmp"), ultimo);
    EXPECT_EQ(prova::leggi_file("chiodi.tmp"), chiodi); // neither replaced nor deleted
    EXPECT_EQ(primo->uscita.str(), "");

    primo.reset(); // the first program ends: the next one takes the folder
    Avviato terzo(misura);
    EXPECT_TRUE(terzo.f.file_di_lavoro);
    EXPECT_EQ(terzo.uscita.str(), "");
}

// A killed run leaves its temporaries; the next start removes them, and only them.
TEST(Avvio, TheTemporariesOfAKilledRunAreRemovedAndNothingElse) {
    prova::CartellaProva c;
    for (const char* n : {"ZR_tessa.tmp.scrittura-4242-0", "chiodi.tmp.scrittura-Ab3dEf9hIjK0",
                          "caso.CSE.scrittura-0123456789ab", "note.scrittura-bozza", "caso.CSE",
                          "x.scrittura-Ab3dEf9hIjK"})
        std::ofstream(n) << "x";
    fs::create_symlink("caso.CSE", "y.CSE.scrittura-1-2"); // a link is not a temporary of ours
    prova::MisuraFissa misura;
    Avviato a(misura);
    EXPECT_EQ(c.nomi(), (std::set<std::string>{"note.scrittura-bozza", "caso.CSE",
                                               "x.scrittura-Ab3dEf9hIjK", "y.CSE.scrittura-1-2",
                                               "chiodi.tmp"}));
}

// A FIFO as the last-input file: the start-up reads nothing from it and goes on.
TEST(Avvio, AFifoAsTheLastInputIsNotWaitedOn) {
    prova::CartellaProva c;
    ASSERT_EQ(::mkfifo("ZR_tessa.tmp", 0600), 0);
    prova::MisuraFissa misura;
    std::unique_ptr<Avviato> a;
    EXPECT_TRUE(
        prova::finisce_presto("ZR_tessa.tmp", [&] { a = std::make_unique<Avviato>(misura); }));
    EXPECT_EQ(a->f.Text1[0].Text, "1450");
    EXPECT_TRUE(a->f.ultimo.ingressi);
}

TEST(Comandi, SalvaAppendsTheSuffixOnlyWhenTheNameLacksIt) {
    prova::FinestraProva w;
    for (const char* nome : {"dati", "altro.cse", "terzo.CSE.bak", "cancel"}) {
        w.piattaforma.accoda_risposta(nome);
        w.f->Command1_Click(7);
    }
    EXPECT_EQ(w.cartella.nomi(),
              (std::set<std::string>{"altro.cse", "chiodi.tmp", "dati.CSE", "terzo.CSE.bak"}));
}

TEST(Comandi, HelpOpensTheManualOfTheWorkingFolderOrElseOfTheProgramOrSaysWhyNot) {
    prova::CartellaProva programma;
    const fs::path nel_programma = programma.percorso() / "manualechiodi.pdf";
    std::ofstream(nel_programma) << "%PDF";
    prova::CartellaProva lavoro; // current folder from here on
    const fs::path nel_lavoro = lavoro.percorso() / "manualechiodi.pdf";
    prova::MisuraFissa misura;
    Avviato a(misura, programma.percorso().string());
    a.f.Command1_Click(9);
    EXPECT_EQ(a.uscita.str(), "open=" + nel_programma.string() + "\n");
    std::ofstream(nel_lavoro) << "%PDF";
    a.uscita.str("");
    a.f.Command1_Click(9);
    EXPECT_EQ(a.uscita.str(), "open=" + nel_lavoro.string() + "\n");
    // No viewer: the user is told where the document is.
    a.p.visore = false;
    a.uscita.str("");
    a.p.accoda_risposta("r.txt");
    a.f.Command1_Click(3);
    a.f.Command1_Click(9);
    EXPECT_EQ(a.uscita.str(), "message=Nessun programma per aprire la relazione: il file è r.txt\n"
                              "message=Nessun programma per aprire il manuale: il file è " +
                                  nel_lavoro.string() + "\n");
    // Nowhere to be found: the user is told, nothing is opened.
    fs::remove(nel_lavoro);
    fs::remove(nel_programma);
    a.uscita.str("");
    a.f.Command1_Click(9);
    EXPECT_EQ(a.uscita.str(), "message=Impossibile trovare il manuale manualechiodi.pdf\n");
}

TEST(Rapporto, AShareOfAZeroModulusPrintsAsBlanks) {
    prova::FinestraProva w;
    // The report written directly, without the recalculation that would recompute the
    // opening's shares set here.
    w.f->dati.uc_foro = 66.5;
    w.f->Text1[18].Text = "0";
    w.f->dati.W1x_foro = 0; // with W1x = 0 the share is 0/0, which prints as blanks
    w.f->Text1[17].Text = "0";
    w.f->dati.W1y_foro = 1000;
    w.piattaforma.accoda_risposta("foro.txt");
    stampa_tess(*w.f);
    const std::string r = prova::leggi_file("foro.txt");
    EXPECT_NE(r.find("\r\n|    9.091 |          |  100.000 |\r\n"), std::string::npos) << r;
    EXPECT_TRUE(r.ends_with("|    NO\r\n"));
}

} // namespace tessaro
