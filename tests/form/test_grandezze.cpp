// The table of quantities is consistent: its rows are the controls of the form in the dump's
// order, each named once, with a caption, a unit and a default the form shows at load; the
// inputs in use with each load format and the batch's columns come out as they must.
#include "support/finestra_prova.h"

#include "batch/colonne.h"
#include "files/codifica.h"
#include "form/didascalie.h"
#include "form/grandezze.h"
#include "numeric/conversioni.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace tessaro {
namespace {

bool identificatore(const std::string& n) {
    if (n.empty() || std::isdigit(static_cast<unsigned char>(n[0]))) return false;
    for (const char c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

} // namespace

TEST(Grandezze, EveryControlOnceInTheDumpsOrderEachNamedOnce) {
    std::vector<std::string> controlli, attesi;
    for (const Grandezza& g : grandezze)
        controlli.push_back(nome_controllo(g.controllo));
    for (int i = 0; i <= 38; ++i)
        attesi.push_back("Text1(" + std::to_string(i) + ")");
    for (const char* n : {"fichiodo", "Text2", "Text3", "Text4", "Text5"})
        attesi.push_back(n);
    for (int i = 0; i <= 17; ++i)
        attesi.push_back("Label3(" + std::to_string(i) + ")");
    EXPECT_EQ(controlli, attesi);

    std::set<std::string> nomi, colonne;
    for (const Grandezza& g : grandezze) {
        EXPECT_TRUE(identificatore(g.nome)) << g.nome;
        EXPECT_TRUE(nomi.insert(g.nome).second) << g.nome << " twice";
        if (g.colonna) {
            EXPECT_TRUE(colonne.insert(maiuscole(g.colonna)).second) << g.colonna;
        }
    }
    for (std::size_t i = 0; i < N_DATI; ++i)
        EXPECT_EQ(&grandezza(static_cast<Dato>(i)), &grandezze[i]);
    for (std::size_t i = 0; i < N_RISULTATI; ++i)
        EXPECT_EQ(nome_controllo(grandezza(static_cast<Risultato>(i)).controllo),
                  "Label3(" + std::to_string(i) + ")");
}

// What the form shows at load: each input's default is a number, each caption says the unit of
// its row when it names one in brackets, and the labels beside the results show their units.
TEST(Grandezze, CaptionsUnitsAndDefaultsAgreeWithTheFormAtLoad) {
    std::ostringstream uscita;
    prova::MisuraFissa misura;
    PiattaformaScript piattaforma{uscita};
    const Tessaro f(piattaforma, misura); // as loaded, before any verdict
    const std::set<std::string> unita_finestra{"kg",     "kgm", "kg/mq", "cm",
                                               "kg/cmq", "cmq", "%",     "mm"};
    for (const Grandezza& g : grandezze) {
        const std::string didascalia = tessaro::didascalia(f, g);
        const std::string nome = nome_controllo(g.controllo);
        EXPECT_FALSE(didascalia.empty()) << nome;
        EXPECT_TRUE(g.simbolo && *g.simbolo && g.descrizione && *g.descrizione) << nome;
        if (g.ruolo == Ruolo::ingresso) {
            EXPECT_TRUE(g.colonna) << nome << " has no batch column";
        }
        if (g.controllo.tipo == Controllo::Tipo::Label3) {
            EXPECT_EQ(g.ruolo, Ruolo::risultato) << nome;
            continue;
        }
        EXPECT_TRUE(is_numeric(g.iniziale)) << nome;
        const auto aperta = didascalia.rfind(" (");
        if (aperta != std::string::npos && didascalia.back() == ')') {
            const std::string u = didascalia.substr(aperta + 2, didascalia.size() - aperta - 3);
            if (unita_finestra.count(u)) {
                EXPECT_EQ(u, unita_di(g.unita).didascalia) << nome;
            }
        }
    }
    const char* accanto[] = {"kg/cmq", "kg", "kg/cmq", "kg", "kg", "kg/cmq)",
                             "",       "",   "kg",     "kg", "cm"};
    for (std::size_t i = 0; i < f.Label4.size(); ++i)
        EXPECT_EQ(f.Label4[i].Caption, accanto[i]) << i;
}

TEST(Grandezze, TheInputsInUseFollowTheLoadFormat) {
    const auto nomi = [](bool esercizio) {
        std::string s;
        for (const Grandezza* g : ingressi_in_uso(esercizio))
            s += (s.empty() ? "" : " ") + nome_controllo(g->controllo);
        return s;
    };
    const std::string comuni_4_15 = "Text1(4) Text1(5) Text1(6) Text1(7) Text1(8) Text1(9) "
                                    "Text1(10) Text1(11) Text1(12) Text1(13) Text1(14) Text1(15) ";
    const std::string altri = "fichiodo Text2 Text3 Text4 Text5";
    EXPECT_EQ(nomi(false), "Text1(0) Text1(1) Text1(2) Text1(3) " + comuni_4_15 +
                               "Text1(24) Text1(25) Text1(26) Text1(28) Text1(29) Text1(30) "
                               "Text1(31) Text1(37) Text1(38) " +
                               altri);
    EXPECT_EQ(nomi(true), comuni_4_15 +
                              "Text1(24) Text1(25) Text1(26) Text1(27) Text1(28) "
                              "Text1(29) Text1(30) Text1(31) Text1(34) Text1(35) "
                              "Text1(36) Text1(37) Text1(38) " +
                              altri);
}

// The batch reads every input by the column name the table gives it, and only the inputs.
TEST(Grandezze, TheBatchHasAColumnForEveryInputAndNoOther) {
    std::set<const Grandezza*> lette;
    for (const ColonnaIngresso& c : colonne_ingresso) {
        ASSERT_TRUE(colonna_ingresso(c.nome)) << c.nome;
        if (c.tipo != ColonnaIngresso::Tipo::grandezza) continue;
        EXPECT_STREQ(c.nome, c.grandezza->colonna);
        lette.insert(c.grandezza);
    }
    for (const Grandezza& g : grandezze)
        EXPECT_EQ(lette.count(&g), g.ruolo == Ruolo::ingresso ? 1u : 0u) << g.nome;
}

} // namespace tessaro
