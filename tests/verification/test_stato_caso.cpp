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

std::string non_validi(const StatoCaso& s) {
    std::string nomi;
    for (const CampoNonValido& c : s.non_validi)
        nomi += (nomi.empty() ? "" : " ") + nome_controllo(c.grandezza->controllo);
    return nomi;
}

} // namespace

TEST(StatoCaso, EachEventLeavesTheInputsTheResultsAndTheVerdictItShould) {
    struct Caso {
        const char* cosa;
        std::vector<Evento> eventi;
        const char* non_validi;
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
        {"γq = 0", {esci(37, "0")}, "Text1(37)", false, Esito::non_calcolato},
        {"no rails", {esci(31, "0")}, "Text1(31)", false, Esito::non_calcolato},
        {"ρ step left out", {esci(8, "0")}, "Text1(8)", false, Esito::non_calcolato},
        {"geometry step left out", {esci(6, "0")}, "Text1(6)", false, Esito::non_calcolato},
        {"a fault",
         {digita(5, "-37"), esci(6, "-40")},
         "Text1(5) Text1(6) Text1(28) Text1(29)",
         false, Esito::non_calcolato},
        {"back to a valid case", {esci(1, "0"), esci(1, "-14500")}, "", true, Esito::verificato},
        {"a shape clicked", {forma(1)}, "", false, Esito::non_calcolato},
        {"a circle computed", {forma(1), aggiorna()}, "", true, Esito::verificato},
        {"an octagon computed", {forma(3), aggiorna()}, "", false, Esito::non_calcolato},
        {"the load format clicked", {formato(0)}, "", false, Esito::non_calcolato},
        {"service actions computed", {formato(0), aggiorna()}, "", true, Esito::verificato},
        {"studs too far apart", {esci(1, "-200000")}, "", true, Esito::dettagli_non_rispettati},
        {"studs", {digita(31, "20"), digita(30, "2"), esci(1, "-200000")}, "", true,
         Esito::verificato_con_chiodi},
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
        // Numbers computed beside an input that cannot be taken belong to no case.
        {"the thickness unread",
         {digita(4, "abc"), aggiorna()},
         "Text1(4)",
         false,
         Esito::non_calcolato},
        {"an opening's width unread",
         {[](FinestraProva& w) { w.f->Text2.Text = "4,0"; }},
         "Text2",
         false,
         Esito::non_calcolato},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        for (const Evento& e : c.eventi)
            e(w);
        const StatoCaso s = stato_caso(*w.f);
        EXPECT_EQ(non_validi(s), c.non_validi) << c.cosa;
        EXPECT_EQ(s.aggiornati, c.aggiornati) << c.cosa;
        EXPECT_EQ(s.esito, c.esito) << c.cosa << ": " << s.testo_esito;
        EXPECT_EQ(s.testo_aggiornamento.empty(), c.aggiornati) << c.cosa;
    }
}

// Each physical limit just inside and just outside: outside, the input is refused like a text
// that is no number, naming the limit in the units the reasons use.
TEST(StatoCaso, AnInputOutsideItsRangeIsInvalidNamingItsLimit) {
    struct Caso {
        int campo; // Text1 index; -1 the stud diameter, -2 the opening's width, -3 its distance
        const char* testo;
        const char* motivo; // "" when the input is valid
        const char* controllo = nullptr; // the control refused, when not the one typed
    };
    const char* const RCK = "deve essere fra 145 e 1084 kg/cm² (fck = 0.83·Rck fra 12 e 90 MPa, "
                            "EN 1992-1-1, prospetto 3.1)";
    const char* const DMAX = "deve essere maggiore di 0 e al più 2 (i varchi oltre 2·d non "
                             "contano, EN 1992-1-1, 6.4.5 (4))";
    const Caso casi[] = {
        {4, "0", "deve essere maggiore di 0 cm"},
        {4, "37.5", ""},
        {4, "37", "deve essere minore dello spessore H = 37 cm", "Text1(5)"},
        {6, "-40", "deve essere maggiore di 0 cm"},
        {8, "0", "deve essere maggiore di 0 %"},
        {11, "145", ""},
        {11, "144.9", RCK},
        {11, "1084", ""},
        {11, "1084.1", RCK},
        {12, "1", ""},
        {12, "0.99", "deve essere fra 1 e 2"},
        {12, "2.01", "deve essere fra 1 e 2"},
        {14, "2000", ""},
        {14, "6001", "deve essere fra 2000 e 6000 kg/cm²"},
        {0, "0", ""},
        {0, "-1", "non può essere negativo"},
        {25, "2", ""},
        {25, "2.01", DMAX},
        {25, "0", DMAX},
        {31, "1", ""},
        {31, "0.9", "deve essere almeno 1"},
        {30, "-1", "non può essere negativo"},
        {38, "-1", "non può essere negativo"},
        {-1, "40", ""},
        {-1, "40.5", "deve essere fra 0 e 40 mm (0: scelto dal programma)"},
        {-2, "0", "deve essere maggiore di 0 cm"},
        {-3, "0", ""},
        {-3, "-1", "non può essere negativo"},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        std::string controllo = c.controllo ? c.controllo : "";
        if (c.campo >= 0) {
            w.f->Text1[static_cast<std::size_t>(c.campo)].Text = c.testo;
            if (controllo.empty()) controllo = "Text1(" + std::to_string(c.campo) + ")";
        } else {
            Campo& campo = c.campo == -1 ? w.f->fichiodo : c.campo == -2 ? w.f->Text2 : w.f->Text4;
            campo.Text = c.testo;
            if (controllo.empty()) controllo = c.campo == -1 ? "fichiodo" : c.campo == -2 ? "Text2" : "Text4";
        }
        w.f->Command1_Click(0);
        const StatoCaso s = stato_caso(*w.f);
        const std::string caso = controllo + " = " + c.testo;
        if (!*c.motivo) {
            EXPECT_EQ(non_validi(s), "") << caso;
            continue;
        }
        ASSERT_EQ(non_validi(s), controllo) << caso;
        EXPECT_EQ(s.non_validi[0].motivo, c.motivo) << caso;
        EXPECT_FALSE(s.aggiornati) << caso;
        EXPECT_NE(relazione_negata(*w.f, s), "") << caso;
    }
}

// Resistances that hold with a layout that breaks a detailing rule: not a verified design, the
// first rule broken named, the warnings counted; the same layout kept by the rules is verified.
TEST(StatoCaso, ADesignThatBreaksADetailingRuleSaysWhichAndIsNotVerified) {
    const Evento regolare = [](FinestraProva& w) { // 20 rails, 2 diagonal at each corner
        w.f->Text1[31].Text = "20";
        w.f->Text1[30].Text = "2";
    };
    const Evento foro = [](FinestraProva& w) { // 40 × 20 on the axis, 30 cm from the face
        w.f->Text2.Text = "40";
        w.f->Text4.Text = "30";
        w.f->Text5.Text = "0";
        w.f->Command2_Click(0);
    };
    struct Caso {
        const char* cosa;
        std::vector<Evento> eventi;
        const char* regola; // the first broken, "" for none
        const char* conto;
    };
    const Caso casi[] = {
        {"rails too far apart", {esci(1, "-200000")},
         "chiodi adiacenti oltre 1.5·deff entro 2·deff dalla faccia", "(2 avvisi)"},
        {"a first stud too close", {regolare, digita(28, "5"), esci(1, "-200000")},
         "S1 minore di 0.3·deff", "(1 avviso)"},
        {"studs in the opening", {regolare, esci(1, "-200000"), foro}, "chiodi dentro il foro",
         "(1 avviso)"},
        {"every rule kept", {regolare, esci(1, "-200000")}, "", ""},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        for (const Evento& e : c.eventi)
            e(w);
        const StatoCaso s = stato_caso(*w.f);
        ASSERT_TRUE(s.aggiornati) << c.cosa << ": " << s.testo_esito;
        if (!*c.regola) {
            EXPECT_EQ(s.esito, Esito::verificato_con_chiodi) << c.cosa << ": " << s.testo_esito;
            EXPECT_EQ(s.testo_esito.find("avvis"), std::string::npos) << s.testo_esito;
            continue;
        }
        EXPECT_EQ(s.esito, Esito::dettagli_non_rispettati) << c.cosa;
        EXPECT_STREQ(chiave_esito(s.esito), "detailing-not-met");
        EXPECT_EQ(s.testo_esito.rfind("Resistenze verificate con armatura a taglio, dettagli "
                                      "costruttivi non rispettati: " + std::string(c.regola), 0),
                  0u)
            << c.cosa << ": " << s.testo_esito;
        EXPECT_TRUE(s.testo_esito.ends_with(c.conto)) << c.cosa << ": " << s.testo_esito;
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
         {digita(31, "300"), esci(1, "-200000")},
         "Al massimo 50 tralicci diritti per faccia: chiodatura non progettata."},
        {"the contour",
         {digita(38, "250"), digita(24, "250"), digita(29, "5"), esci(1, "-390000")},
         "Raggiunto il contorno della soletta"},
        // An edge column whose first rails on the faces across the edge stand on its line.
        {"on the slab edge",
         {digita(38, "0"), digita(24, "200"), esci(1, "-100000")},
         "12 chiodi cadono sul bordo libero della soletta (Db_a = 0 cm, Db_b = 200 cm): "
         "controllarne il copriferro."},
        // A 90 × 90 edge column whose long rails on the −y face run past the edge at 250 cm.
        {"beyond the slab edge",
         {digita(6, "90"), digita(7, "90"), digita(38, "0"), digita(24, "250"), digita(29, "10"),
          esci(1, "-150000")},
         "68 chiodi cadono oltre il bordo libero della soletta (Db_a = 0 cm, Db_b = 250 cm)"},
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
