// The state of the case after each kind of event: which inputs cannot be read, whether the
// results belong to the inputs shown, and the verdict; the report refused while they do not.
#include "support/file_ostili.h"
#include "support/finestra_prova.h"

#include "verification/stato_caso.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessaro {

using prova::FinestraProva;

namespace {

using Evento = std::function<void(FinestraProva&)>;

Evento digita(int i, const char* t) {
    return [=](FinestraProva& w) { w.f->Text1[static_cast<std::size_t>(i)].Text = t; };
}
Evento esci(int i, const char* t) {
    return [=](FinestraProva& w) { w.digita(i, t); };
}
Evento aggiorna() {
    return [](FinestraProva& w) { w.f->Command1_Click(0); };
}
Evento forma(int i) {
    return [=](FinestraProva& w) { w.f->imposta_Option1(i, true); };
}
Evento formato(int i) {
    return [=](FinestraProva& w) { w.f->imposta_Option3(i, true); };
}
Evento diametro(const char* t) {
    return [=](FinestraProva& w) { w.f->imposta_fichiodo(t); };
}

std::string illegibili(const StatoCaso& s) {
    std::string nomi;
    for (const CampoIllegibile& c : s.illegibili)
        nomi += (nomi.empty() ? "" : " ") + nome_controllo(c.grandezza->controllo);
    return nomi;
}

} // namespace

TEST(StatoCaso, EachEventLeavesTheInputsTheResultsAndTheVerdictItShould) {
    struct Caso {
        const char* cosa;
        std::vector<Evento> eventi;
        const char* illegibili;
        bool aggiornati;
        Esito esito;
    };
    const Caso casi[] = {
        {"defaults", {}, "", true, Esito::verificato},
        {"typed, not left", {digita(5, "30")}, "", false, Esito::non_calcolato},
        {"typed and left", {esci(5, "30")}, "", true, Esito::verificato},
        {"a comma", {esci(5, "0,9")}, "Text1(5)", false, Esito::non_calcolato},
        {"empty", {esci(1, "")}, "Text1(1)", false, Esito::non_calcolato},
        {"a letter O", {esci(1, "-6O000")}, "Text1(1)", false, Esito::non_calcolato},
        {"unread while another is left",
         {digita(9, "abc"), esci(5, "37")},
         "Text1(9)",
         false,
         Esito::non_calcolato},
        {"N ≥ 0", {esci(1, "0")}, "", false, Esito::non_calcolato},
        {"γq = 0", {esci(37, "0")}, "", false, Esito::non_calcolato},
        {"no rails", {esci(31, "0")}, "", false, Esito::non_calcolato},
        {"ρ step left out", {esci(8, "0")}, "", false, Esito::non_calcolato},
        {"geometry step left out", {esci(6, "0")}, "", false, Esito::non_calcolato},
        {"a fault", {digita(5, "-37"), esci(6, "-40")}, "", false, Esito::non_calcolato},
        {"back to a valid case", {esci(1, "0"), esci(1, "-14500")}, "", true, Esito::verificato},
        {"a shape clicked", {forma(1)}, "", false, Esito::non_calcolato},
        {"a circle computed", {forma(1), aggiorna()}, "", true, Esito::verificato},
        {"an octagon computed", {forma(3), aggiorna()}, "", false, Esito::non_calcolato},
        {"the load format clicked", {formato(0)}, "", false, Esito::non_calcolato},
        {"service actions computed", {formato(0), aggiorna()}, "", true, Esito::verificato},
        {"studs", {esci(1, "-200000")}, "", true, Esito::verificato_con_chiodi},
        {"a smaller diameter typed",
         {esci(1, "-200000"), diametro("8")},
         "",
         true,
         Esito::non_verificato},
        {"a diameter that is no number",
         {esci(1, "-200000"), diametro("abc")},
         "fichiodo",
         false,
         Esito::non_calcolato},
        {"the column face fails", {esci(1, "-500000")}, "", true, Esito::non_verificato},
        {"the design refused",
         {digita(30, "20"), esci(1, "-200000")},
         "",
         true,
         Esito::non_verificato},
        {"the thickness unread",
         {digita(4, "abc"), aggiorna()},
         "Text1(4)",
         true,
         Esito::verificato},
        {"an opening's width unread",
         {[](FinestraProva& w) { w.f->Text2.Text = "4,0"; }},
         "Text2",
         true,
         Esito::verificato},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        for (const Evento& e : c.eventi)
            e(w);
        const StatoCaso s = stato_caso(*w.f);
        EXPECT_EQ(illegibili(s), c.illegibili) << c.cosa;
        EXPECT_EQ(s.aggiornati, c.aggiornati) << c.cosa;
        EXPECT_EQ(s.esito, c.esito) << c.cosa << ": " << s.testo_esito;
        EXPECT_EQ(s.testo_aggiornamento.empty(), c.aggiornati) << c.cosa;
    }
}

TEST(StatoCaso, TheUtilisationsAreThoseOfTheChecksMade) {
    FinestraProva w;
    StatoCaso s = stato_caso(*w.f);
    // Veff = 14500 kg against Vrd,max = 399476 kg; Veff' = 9512 against Vrd,c = 143281.
    EXPECT_NEAR(*s.utilizzo_faccia, 14500.0 / 399476, 1e-12);
    EXPECT_NEAR(*s.utilizzo_perimetro, w.f->dati.Veff1 / 143281, 1e-12);
    EXPECT_FALSE(s.utilizzo_esterno || s.utilizzo_chiodi);
    w.digita(1, "-500000"); // the face fails: the perimeter is not checked
    s = stato_caso(*w.f);
    EXPECT_GT(*s.utilizzo_faccia, 1);
    EXPECT_FALSE(s.utilizzo_perimetro);
    w.digita(1, "-200000");
    s = stato_caso(*w.f);
    EXPECT_NEAR(*s.utilizzo_chiodi, 27.13 / 27.39, 1e-12); // Af,tot required / provided
    EXPECT_NEAR(*s.utilizzo_esterno, w.f->dati.Veff1_est / w.f->dati.Vrdc_est, 1e-12);
    EXPECT_NE(s.testo_esito.find("(utilizzo 0.99, chiodi)"), std::string::npos) << s.testo_esito;
}

TEST(StatoCaso, WarningsNameTheQuantityAndTheLimit) {
    struct Caso {
        const char* cosa;
        std::vector<Evento> eventi;
        const char* avviso;
    };
    const Caso casi[] = {
        {"H below deff", {esci(4, "30")}, "Spessore H = 30 cm non maggiore dell'altezza utile"},
        {"a small S1",
         {digita(28, "2"), esci(1, "-200000")},
         "S1 = 2 cm minore di 0.3·deff = 11.1 cm"},
        {"S1 capped",
         {digita(28, "30"), esci(1, "-200000")},
         "S1 digitato 30 cm ridotto a 0.5·deff = 18.5 cm."},
        {"S capped",
         {digita(29, "40"), esci(1, "-200000")},
         "S digitato 40 cm ridotto a 0.75·deff = 27.8 cm."},
        {"no diagonal rails",
         {esci(1, "-200000")},
         "Chiodi adiacenti distanti fino a 103.9 cm sui perimetri entro 2·deff dalla faccia: "
         "oltre 1.5·deff = 55.5 cm"},
        {"a diameter too small",
         {esci(1, "-200000"), diametro("8")},
         "Con φ 8 mm Vrd,s = 146737 kg è minore del richiesto 195018 kg"},
        {"a fractional rail count",
         {digita(30, "1.5"), esci(1, "-200000")},
         "N diag = 1.5 non intero"},
        {"the design refused",
         {digita(29, "0"), esci(1, "-200000")},
         "Passo S dei chiodi non positivo: chiodatura non progettata."},
        {"the contour",
         {digita(38, "250"), digita(24, "250"), digita(29, "5"), esci(1, "-390000")},
         "Raggiunto il contorno della soletta"},
        // An edge column whose rails on the b side run past that slab edge at 200 cm.
        {"beyond the slab edge",
         {digita(38, "0"), digita(24, "200"), esci(1, "-100000")},
         "oltre il bordo libero della soletta (Db_a = 0 cm, Db_b = 200 cm)"},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        for (const Evento& e : c.eventi)
            e(w);
        const StatoCaso s = stato_caso(*w.f);
        std::string tutti;
        for (const std::string& a : s.avvisi)
            tutti += a + "\n";
        EXPECT_NE(tutti.find(c.avviso), std::string::npos) << c.cosa << ":\n" << tutti;
    }
    // Studs inside an opening 40 × 20 at 30 cm from the face, on the axis.
    FinestraProva w;
    w.f->Text2.Text = "40";
    w.f->Text4.Text = "30";
    w.f->Text5.Text = "0";
    w.f->Text1[1].Text = "-200000";
    w.f->Command2_Click(0);
    const StatoCaso s = stato_caso(*w.f);
    ASSERT_FALSE(s.avvisi.empty());
    EXPECT_NE(s.avvisi.back().find("dentro il foro (x da 50 a 70 cm, y da -20 a 20 cm)"),
              std::string::npos)
        << s.avvisi.back();
}

// chiodi.tmp is read by other programs: a list that could not be written is told, and another
// case's list does not stay in its place.
TEST(StatoCaso, AStudListThatCannotBeWrittenIsWarnedAndNoOtherCasesListStays) {
    const std::string avviso = "Impossibile scrivere l'elenco dei chiodi";
    const auto avvisato = [&](const FinestraProva& w) {
        for (const std::string& a : stato_caso(*w.f).avvisi)
            if (a.find(avviso) != std::string::npos) return true;
        return false;
    };
    FinestraProva w;
    w.digita(1, "-200000"); // a design: its list is written
    ASSERT_GT(prova::leggi_file("chiodi.tmp").size(), 200u);
    EXPECT_FALSE(avvisato(w));
    {
        prova::DiscoPieno pieno(100); // the reset line fits, a design's list does not
        w.digita(1, "-210000");       // another design
    }
    EXPECT_TRUE(avvisato(w));
    EXPECT_FALSE(std::filesystem::exists("chiodi.tmp"));
    w.digita(1, "-200000");
    EXPECT_FALSE(avvisato(w));
    EXPECT_GT(prova::leggi_file("chiodi.tmp").size(), 200u);
}

TEST(StatoCaso, NoReportOfWhatWasNotComputedForTheseInputs) {
    struct Caso {
        std::vector<Evento> eventi;
        const char* messaggio;
    };
    const Caso casi[] = {
        {{digita(5, "0,9")},
         "message=Relazione non scritta: correggere «deff (cm)» (valore non numerico: usare il "
         "punto come separatore decimale (0.9, non 0,9)).\n"},
        {{digita(1, "0")},
         "message=Relazione non scritta: «Nd (kg)» deve essere negativo (il pilastro carica la "
         "soletta).\n"},
        {{forma(2)},
         "message=Relazione non scritta: Verifica non disponibile per la forma «Rett. + "
         "semicerchi»: i valori mostrati non sono di questo pilastro.\n"}};
    for (const Caso& c : casi) {
        FinestraProva w;
        for (const Evento& e : c.eventi)
            e(w);
        w.piattaforma.accoda_risposta("relazione.txt");
        w.f->Command1_Click(3);
        EXPECT_EQ(w.uscita.str(), c.messaggio);
        EXPECT_FALSE(std::filesystem::exists(w.cartella.percorso() / "relazione.txt"));
    }
    // A stale case that "Aggiorna" refreshes is reported; a name without extension gets .TXT.
    FinestraProva w;
    w.f->Text1[5].Text = "36";
    w.piattaforma.accoda_risposta("relazione");
    w.f->Command1_Click(3);
    EXPECT_EQ(w.uscita.str(), "open=relazione.TXT\n");
    EXPECT_TRUE(std::filesystem::exists(w.cartella.percorso() / "relazione.TXT"));
}

} // namespace tessaro
