// The scratch stud list chiodi.tmp: written at most once a pass and only when its lines change,
// holding at every message box and at the end of a pass what the pass has reset or designed.
#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessaro {
namespace {

// The file's identity: a replacement gives a new one.
ino_t inode(const char* nome) {
    struct stat s {};
    return ::stat(nome, &s) == 0 ? s.st_ino : 0;
}

// Reads the stud list at every message box.
class PiattaformaCheLegge : public PiattaformaScript {
  public:
    using PiattaformaScript::PiattaformaScript;
    void messaggio(const std::string& testo, const std::string& titolo, Icona icona) override {
        letto.push_back(prova::leggi_file("chiodi.tmp"));
        PiattaformaScript::messaggio(testo, titolo, icona);
    }
    std::vector<std::string> letto;
};

const std::string AZZERATA = " 1             0            interno\r\n";

TEST(Chiodi, AnUnchangedListIsNotWrittenAgain) {
    prova::FinestraProva w;
    ASSERT_EQ(prova::leggi_file("chiodi.tmp"), AZZERATA);
    const ino_t prima = inode("chiodi.tmp");
    w.digita(1, "-14600"); // another case, still without studs
    w.f->Command1_Click(1);
    EXPECT_EQ(inode("chiodi.tmp"), prima);

    w.digita(1, "-200000"); // a design: its list replaces the file once
    const std::string progetto = prova::leggi_file("chiodi.tmp");
    EXPECT_NE(progetto, AZZERATA);
    EXPECT_NE(inode("chiodi.tmp"), prima);
    w.f->Command1_Click(0); // the list names the diameter the design has just chosen
    const ino_t progettato = inode("chiodi.tmp");
    w.f->Command1_Click(0);
    EXPECT_EQ(inode("chiodi.tmp"), progettato);

    w.digita(1, "-14500"); // back without studs: the reset line again
    EXPECT_EQ(prova::leggi_file("chiodi.tmp"), AZZERATA);
    std::filesystem::remove("chiodi.tmp"); // the farewell deletes it; the next pass writes it anew
    w.f->Timer1_Timer();
    prova::FinestraProva riavviata;
    EXPECT_EQ(prova::leggi_file("chiodi.tmp"), AZZERATA);
}

TEST(Chiodi, AMessageBoxOfTheDesignFindsTheResetOfItsPass) {
    prova::CartellaProva cartella;
    prova::MisuraFissa misura;
    std::ostringstream uscita;
    PiattaformaCheLegge p(uscita);
    Tessaro f(p, misura);
    f.Form_Load();
    f.Picture3_MouseUp();
    f.Text1[1].Text = "-200000";
    f.Text1_LostFocus(1);
    ASSERT_NE(prova::leggi_file("chiodi.tmp"), AZZERATA);
    for (const auto& [campo, testo] :
         {std::pair{38, "250"}, {24, "250"}, {29, "5"}, {1, "-390000"}})
        f.Text1[campo].Text = testo;
    f.Text1_LostFocus(1);
    ASSERT_EQ(p.letto.size(), 1u); // "Raggiunto il contorno!"
    EXPECT_EQ(p.letto[0], AZZERATA);
}

} // namespace
} // namespace tessaro
