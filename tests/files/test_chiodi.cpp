// The scratch stud list chiodi.tmp: written at most once a pass and only when its lines change,
// holding at every message box and at the end of a pass what the pass has reset or designed.
#include "support/finestra_prova.h"

#include "files/chiodi.h"

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

// The file a stud list of these numbers (two a line) leaves, after the list `prima` or, when
// prima is absent, with nothing known of the file.
std::string scritta(CalcoTess& f, const std::vector<double>& numeri,
                    std::optional<std::vector<double>> prima) {
    const auto scrivi = [&f](const std::vector<double>& lista) {
        f.nfile_chiodi.emplace();
        for (std::size_t i = 0; i + 1 < lista.size(); i += 2)
            riga_chiodo(f, lista[i], lista[i + 1]);
        EXPECT_TRUE(scrivi_chiodi(f));
        f.nfile_chiodi.reset();
    };
    f.chiodi_scritti.reset();
    if (prima) scrivi(*prima);
    scrivi(numeri);
    return prova::leggi_file("chiodi.tmp");
}

TEST(Chiodi, TheFileHoldsTheLastListWhicheverListCameBefore) {
    prova::FinestraProva w;
    struct Caso {
        std::vector<double> prima, dopo;
    };
    const Caso casi[] = {
        {{0, 5}, {-0.0, 5}},          // equal as numbers, apart in their bits
        {{-0.0, 5}, {0, 5}},
        {{1, 2}, {1, 2, 3, 4}},       // one line more
        {{1, 2, 3, 4}, {1, 2}},       // one line less
        {{0.1 + 0.2, 1}, {0.3, 1}},   // apart in the last bit
        {{12.5, -7.25}, {12.5, -7.25}},
        {{}, {}},
    };
    for (const Caso& c : casi) {
        const std::string attesa = scritta(*w.f, c.dopo, std::nullopt);
        EXPECT_EQ(scritta(*w.f, c.dopo, c.prima), attesa) << c.dopo.size();
    }
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
