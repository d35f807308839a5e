// "Proponi armatura": the search finds what trying every layout finds, its proposal applied is
// verified, a case without one says why, and the window's model and files stay as they were.
#include "support/finestra_prova.h"

#include "cli/dump.h"
#include "numeric/conversioni.h"
#include "proposta/copia.h"
#include "proposta/proposta.h"
#include "proposta/valori.h"
#include "reinforcement/schema.h"
#include "verification/stato_caso.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaro {
namespace {

using prova::FinestraProva;

struct Caso {
    const char* nome;
    int forma = 0; // Option1
    std::vector<std::pair<Dato, const char*>> campi;
    std::array<const char*, 4> foro{}; // L, P, D, y of an opening confirmed with "OK"
};

// The case typed into the window and computed with "Aggiorna".
void prepara(Tessaro& f, const Caso& c) {
    if (c.forma != 0) f.imposta_Option1(c.forma, true);
    for (const auto& [d, t] : c.campi)
        f.Text1[d].Text = t;
    if (c.foro[0]) {
        f.Command1_Click(4);
        Campo* campi[] = {&f.Text2, &f.Text3, &f.Text4, &f.Text5};
        for (std::size_t i = 0; i < 4; ++i)
            campi[i]->Text = c.foro[i];
        f.Command2_Click(0);
    }
    f.Command1_Click(0);
}

std::string riga(const Candidato& c) {
    const ValoriCandidato v = valori(c);
    return v.N_totali + " " + v.N_diag + " " + v.S1 + " " + v.S + " φ" + v.phi + ": " + v.strati +
           " strati, " + v.chiodi + " chiodi, " + v.kg + " kg, utilizzo " + v.utilizzo;
}

// Every layout of the space typed as a person types it into a copy of the case made for its
// rails, S1 and S, then "Aggiorna"; each acceptable one with its smallest diameter that the
// design keeps, best first.
std::vector<std::string> a_forza_bruta(const CalcoTess& f, const Spazio& spazio) {
    std::vector<Candidato> accettabili;
    for (const Tralicci& t : spazio.tralicci)
        for (const double S1 : spazio.S1)
            for (const double S : spazio.S) {
                Copia copia(f);
                Tessaro& m = copia.modello();
                for (const double phi : spazio.diametri) {
                    digita_e_aggiorna(m, {t, S1, S, phi});
                    if (lenient(m.fichiodo.Text) != phi) continue; // raised: another layout
                    const StatoCaso s = stato_caso(m);
                    if (!accettabile(m, s)) continue;
                    accettabili.push_back(candidato_di(m, s, schema_chiodatura(m)));
                    break;
                }
            }
    std::sort(accettabili.begin(), accettabili.end(), precede);
    std::vector<std::string> righe;
    for (std::size_t i = 0; i < std::min<std::size_t>(PROPOSTE, accettabili.size()); ++i)
        righe.push_back(riga(accettabili[i]));
    return righe;
}

// A part of the case's space small enough to try whole: the rail configurations of `da` to
// `a` rails, every `passo_S1`-th S1 and every `passo_S`-th S.
struct Parte {
    int da, a;
    std::size_t passo_S1, passo_S;
};

Spazio ridotto(const Tessaro& m, const Parte& p) {
    Spazio s = spazio_di(m.Option1[1], m.posizione(), m.dati.deff);
    std::erase_if(s.tralicci,
                  [&](const Tralicci& t) { return t.N_totali < p.da || t.N_totali > p.a; });
    const auto ogni = [](std::vector<double>& v, std::size_t passo) {
        std::vector<double> presi;
        for (std::size_t i = 0; i < v.size(); i += passo)
            presi.push_back(v[i]);
        v = presi;
    };
    ogni(s.S1, p.passo_S1);
    ogni(s.S, p.passo_S);
    return s;
}

struct CasoRidotto {
    Caso caso;
    Parte parte;
    int posizione;
    bool trovate = true; // some layout of the part is acceptable
};

class ControlloBruto : public testing::TestWithParam<CasoRidotto> {};

TEST_P(ControlloBruto, TheSearchFindsTheBestLayoutsOfTryingThemAll) {
    const CasoRidotto& c = GetParam();
    FinestraProva w;
    prepara(*w.f, c.caso);
    Copia copia(*w.f);
    Tessaro& m = copia.modello();
    ASSERT_EQ(m.posizione(), c.posizione);
    const Spazio spazio = ridotto(m, c.parte);
    const EsitoRicerca e = cerca(m, spazio, PROPOSTE);
    std::vector<std::string> trovate;
    for (const Candidato& p : e.migliori)
        trovate.push_back(riga(p));
    const std::vector<std::string> attese = a_forza_bruta(*w.f, spazio);
    EXPECT_EQ(trovate, attese);
    EXPECT_EQ(attese.empty(), !c.trovate);
    EXPECT_LT(e.provate, static_cast<int>(spazio.geometrie())); // the bounds left some out
}

INSTANTIATE_TEST_SUITE_P(
    Proposta, ControlloBruto,
    testing::Values(
        // The default column at 200 t: rails 103.9 cm apart at the corners unless diagonal.
        CasoRidotto{{"interno", 0, {{Dato::Nd, "-200000"}}}, {8, 16, 7, 4}, 0},
        CasoRidotto{{"bordo", 0, {{Dato::Nd, "-150000"}, {Dato::Db_a, "0"}}}, {10, 14, 7, 4}, 1},
        CasoRidotto{{"angolo", 0, {{Dato::Nd, "-100000"}, {Dato::Db_a, "0"}, {Dato::Db_b, "0"}}},
                    {10, 14, 7, 4},
                    2},
        CasoRidotto{{"circolare", 1, {{Dato::a, "50"}, {Dato::Nd, "-200000"}}}, {9, 12, 7, 4}, 0},
        CasoRidotto{{"circolare d'angolo",
                     1,
                     {{Dato::a, "50"}, {Dato::Nd, "-90000"}, {Dato::Db_a, "0"}, {Dato::Db_b, "0"}}},
                    {10, 12, 7, 4},
                    2},
        // An opening 40 × 20 on the axis, 25 cm from a circular column: only layouts whose
        // studs miss it.
        CasoRidotto{{"foro", 1, {{Dato::a, "45"}, {Dato::Nd, "-200000"}}, {"40", "20", "25", "0"}},
                    {11, 15, 7, 2},
                    0},
        // Nearer a rectangular column, the opening takes a stud of every layout.
        CasoRidotto{{"foro sui tralicci", 0, {{Dato::Nd, "-200000"}}, {"60", "30", "30", "20"}},
                    {8, 16, 7, 4},
                    0,
                    false}),
    [](const testing::TestParamInfo<CasoRidotto>& i) {
        std::string n = i.param.caso.nome;
        std::replace_if(
            n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
        return n;
    });

// The dump of a model but for its title, which names the file a window loaded.
std::string stato(const CalcoTess& f) {
    std::string d = dump(f);
    const auto t = d.find("\ntitle=");
    return d.erase(t, d.find('\n', t + 1) - t);
}

TEST(Proposta, ACaseWithoutAProposalSaysWhyAndWhatWouldHelp) {
    const struct {
        Caso caso;
        bool lascia; // the last field typed is left, as "Aggiorna" does
        Motivo motivo;
        const char* perche;
    } casi[] = {
        {{"default", 0, {}}, true, Motivo::senza_chiodi, "Verificato senza armatura a taglio"},
        {{"faccia", 0, {{Dato::Nd, "-900000"}}},
         true,
         Motivo::faccia,
         "Veff = 900000 kg, Vrd,max = 399476 kg (utilizzo 2.25): nessuna armatura a taglio può "
         "bastare; aumentare deff (e H)"},
        {{"H", 0, {{Dato::H, "-40"}}}, true, Motivo::ingressi_non_validi, "correggere «H (cm)»"},
        {{"non lasciato", 0, {{Dato::Nd, "-200000"}}},
         false,
         Motivo::risultati_non_aggiornati,
         "premere Aggiorna"},
        {{"ottagonale", 3, {}}, true, Motivo::forma_non_verificata, "«Ottagonale»"},
        // Outer studs bridged only 0.1·d apart: the outer perimeter hardly grows with the rails.
        {{"contorno",
          0,
          {{Dato::Dmax, "0.1"}, {Dato::Db_a, "250"}, {Dato::Db_b, "250"}, {Dato::Nd, "-200000"}}},
         true,
         Motivo::contorno,
         "Ogni disposizione raggiunge il contorno della soletta (Db_a = 250 cm, Db_b = 250 cm) o "
         "il limite di 51 strati"},
        {{"foro", 0, {{Dato::Nd, "-200000"}}, {"60", "30", "30", "20"}},
         true,
         Motivo::nessuna,
         "non rispettano un dettaglio costruttivo: chiodi dentro il foro; 17869 non rispettano un "
         "dettaglio costruttivo: chiodi adiacenti oltre 1.5·deff entro 2·deff dalla faccia "
         "(EN 1992-1-1, 9.4.3). Provare a spostare o ridurre il foro"},
    };
    for (const auto& c : casi) {
        FinestraProva w;
        if (c.lascia) {
            prepara(*w.f, c.caso);
        } else {
            prepara(*w.f, {"", 0, {}});
            for (const auto& [d, t] : c.caso.campi)
                w.f->Text1[d].Text = t;
        }
        const Proposta p = proponi(*w.f);
        EXPECT_EQ(p.motivo, c.motivo) << c.caso.nome;
        EXPECT_NE(p.perche.find(c.perche), std::string::npos) << c.caso.nome << ": " << p.perche;
        EXPECT_TRUE(p.migliori.empty()) << c.caso.nome;
    }
}

// The window's case is read, never changed: its fields, results and plan, and its working
// files (chiodi.tmp of its own design) are as they were.
TEST(Proposta, TheSearchLeavesTheWindowAndItsFilesAsTheyWere) {
    FinestraProva w;
    prepara(*w.f, {"interno", 0, {{Dato::Nd, "-200000"}}});
    const std::string prima = dump(*w.f);
    const std::string chiodi = prova::leggi_file("chiodi.tmp");
    const auto nomi = w.cartella.nomi();
    const std::size_t disegno = w.f->Pic.elementi().size();
    ASSERT_FALSE(chiodi.empty());

    const Proposta p = proponi(*w.f);
    ASSERT_EQ(p.motivo, Motivo::trovata);
    EXPECT_EQ(dump(*w.f), prima);
    EXPECT_EQ(w.f->Pic.elementi().size(), disegno);
    EXPECT_EQ(prova::leggi_file("chiodi.tmp"), chiodi);
    EXPECT_EQ(w.cartella.nomi(), nomi);
    // The case's own layout beside the proposals: 12 straight rails of 6 studs, detailing
    // broken at the corners.
    ASSERT_TRUE(p.attuale);
    EXPECT_EQ(riga(*p.attuale), "12 0 18.5 27.5 φ12: 6 strati, 72 chiodi, 21.73 kg, utilizzo 0.99");
    EXPECT_EQ(p.esito_attuale, Esito::dettagli_non_rispettati);
}

// A copy is the window's case: the same dump after its own "Aggiorna", whatever the window's
// history (an opening confirmed before a column side changed keeps the corners it had then).
TEST(Proposta, ACopyShowsWhatTheWindowShows) {
    const struct {
        Caso caso;
        std::vector<std::pair<Dato, const char*>> poi; // typed and left afterwards
    } casi[] = {
        {{"T.A.", 0, {{Dato::Nc, "-150000"}, {Dato::Mxc, "2000"}}}, {}},
        {{"circolare", 1, {{Dato::a, "50"}, {Dato::b, "90"}, {Dato::Nd, "-200000"}}}, {}},
        {{"S1 ridotto, N totali riscritto",
          0,
          {{Dato::Nd, "-200000"}, {Dato::S1, "30"}, {Dato::N_totali, "13"}}},
         {}},
        {{"foro", 0, {{Dato::Nd, "-200000"}}, {"60", "30", "30", "20"}}, {{Dato::a, "50"}}},
    };
    for (const auto& c : casi) {
        FinestraProva w;
        if (c.caso.nome == std::string("T.A.")) w.f->imposta_Option3(0, true);
        prepara(*w.f, c.caso);
        for (const auto& [d, t] : c.poi)
            w.digita(indice(d), t);
        Copia copia(*w.f);
        EXPECT_EQ(stato(copia.modello()), stato(*w.f)) << c.caso.nome;
    }
}

// Applied as "Applica" applies it, the proposal is what the search said: verified with studs,
// no detailing rule broken, the same studs and steel.
TEST(Proposta, TheProposalAppliedIsVerifiedWithoutDetailingWarnings) {
    const Caso casi[] = {
        {"interno", 0, {{Dato::Nd, "-200000"}}},
        {"bordo con momento", 0, {{Dato::Nd, "-150000"}, {Dato::Db_a, "0"}, {Dato::Mxd, "4000"}}},
        {"circolare d'angolo",
         1,
         {{Dato::a, "50"}, {Dato::Nd, "-90000"}, {Dato::Db_a, "0"}, {Dato::Db_b, "0"}}},
        {"foro", 1, {{Dato::a, "45"}, {Dato::Nd, "-200000"}}, {"40", "20", "25", "0"}},
    };
    for (const Caso& c : casi) {
        FinestraProva w;
        prepara(*w.f, c);
        const Proposta p = proponi(*w.f);
        ASSERT_EQ(p.motivo, Motivo::trovata) << c.nome << ": " << p.perche;
        digita_e_aggiorna(*w.f, p.migliori.front().disposizione);
        const StatoCaso s = stato_caso(*w.f);
        EXPECT_EQ(s.esito, Esito::verificato_con_chiodi) << c.nome << ": " << s.testo_esito;
        EXPECT_TRUE(s.dettagli.empty()) << c.nome;
        EXPECT_TRUE(s.aggiornati) << c.nome;
        EXPECT_EQ(riga(candidato_di(*w.f, s, schema_chiodatura(*w.f))), riga(p.migliori.front()))
            << c.nome;
    }
}

// The values as the dialog, the script line and the batch show them; lengths and the diameter
// in the unit system asked.
TEST(Proposta, ValuesInTheModelsUnitsOrInSI) {
    const Candidato c{{{16, 1}, 18.5, 23.5, 10}, 3, 48, 10.0625, 0.92875};
    const ValoriCandidato t = valori(c), si = valori(c, Sistema::SI);
    EXPECT_EQ(
        std::vector<std::string>(
            {t.N_totali, t.N_diag, t.S1, t.S, t.phi, t.strati, t.chiodi, t.kg, t.utilizzo}),
        std::vector<std::string>({"16", "1", "18.5", "23.5", "10", "3", "48", "10.06", "0.93"}));
    EXPECT_EQ(std::vector<std::string>({si.S1, si.S, si.phi, si.kg}),
              std::vector<std::string>({"185", "235", "10", "10.06"}));
}

TEST(Spazio, RailCountsTheDesignKeepsAndTheGridOfS1AndS) {
    const struct {
        bool circolare;
        int posizione;
        std::size_t configurazioni;
        Tralicci prima, ultima;
    } casi[] = {
        {false, 0, 45, {8, 0}, {48, 4}},  // 4·(n + diag), n ≥ 2
        {false, 1, 67, {6, 0}, {47, 4}},  // 2·diag + 3·n
        {false, 2, 109, {4, 0}, {48, 4}}, // 2·n + diag
        {true, 0, 47, {2, 0}, {48, 0}},
    };
    for (const auto& c : casi) {
        const Spazio s = spazio_di(c.circolare, c.posizione, 37);
        EXPECT_EQ(s.tralicci.size(), c.configurazioni) << c.posizione;
        EXPECT_EQ(s.tralicci.front(), c.prima) << c.posizione;
        EXPECT_EQ(s.tralicci.back(), c.ultima) << c.posizione;
    }
    // d = 37: S1 from 11.1 to 18.5 (11.1, 11.5, 11.6, 12, ..., 18.1, 18.5), S to 27.75;
    // d = 20: 6 to 10 and to 15, the steps from 0.3·d the round ones, both ends in.
    const Spazio a = spazio_di(false, 0, 37), b = spazio_di(false, 0, 20);
    EXPECT_EQ(std::vector<double>({a.S1[0], a.S1[1], a.S1[2], a.S1.back(), a.S.back()}),
              std::vector<double>({11.1, 11.5, 11.6, 18.5, 27.75}));
    EXPECT_EQ(a.S1.size(), 30u);
    EXPECT_EQ(a.S.size(), 68u);
    EXPECT_EQ(b.S1.size(), 9u);
    EXPECT_EQ(std::vector<double>({b.S1.front(), b.S1.back(), b.S.front(), b.S.back()}),
              std::vector<double>({6, 10, 6, 15}));
    EXPECT_EQ(a.diametri, std::vector<double>({10, 12, 14, 16, 20, 25}));
}

} // namespace
} // namespace tessaro
