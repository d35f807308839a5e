// The batch: CSV reading (quotes, dialects, encodings), each row against the same case run as a
// session script, the results identical whatever the threads, errors of rows and of tables.
#include "batch/lotto_prova.h"

#include <gtest/gtest.h>

#include <mutex>

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using prova::celle_di;
using prova::Lotto;
using prova::record_di;

TEST(TabellaCsv, CellsFollowRfc4180) {
    const struct {
        std::string record;
        char separatore;
        std::vector<std::string> attese; // empty: the quoting is broken
    } casi[] = {
        {"a,b,,c", ',', {"a", "b", "", "c"}},
        {"\"x,y\",\"he said \"\"no\"\"\",3", ',', {"x,y", "he said \"no\"", "3"}},
        {"P1;\"1;5\"; \"q\" ;", ';', {"P1", "1;5", "q", ""}},
        {"\"riga\r\ndue\",1", ',', {"riga\r\ndue", "1"}},
        {"\"aperta,1", ',', {}},
        {"\"chiusa\"x,1", ',', {}},
        {"mez\"zo,1", ',', {}},
    };
    for (const auto& c : casi) {
        const auto lette = celle_di(c.record, c.separatore);
        if (c.attese.empty()) {
            EXPECT_FALSE(lette) << c.record;
        } else {
            ASSERT_TRUE(lette) << c.record;
            EXPECT_EQ(*lette, c.attese) << c.record;
        }
    }
    EXPECT_EQ(cella_csv("1,5", ';'), "1,5");
    EXPECT_EQ(cella_csv("a;\"b\"", ';'), "\"a;\"\"b\"\"\"");
}

TEST(TabellaCsv, RecordsKeepTheSpreadsheetRowsAcrossTheBlocksOfTheFile) {
    const auto r = record_di("id,Nd\r\nP1,\"-1\n\"\r\n\r\nP2,3\rP3,4");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].testo, "P1,\"-1\n\"");
    EXPECT_EQ(r[1].riga, 2);
    EXPECT_EQ(r[2].riga, 4); // the empty row 3 left out
    EXPECT_EQ(r[3].riga, 5);
    EXPECT_EQ(r[3].testo, "P3,4");
    // A CR LF, and a quoted line break, split by the end of a block read from the file: each
    // still one line end, one row.
    for (const std::size_t x : {65527u, 65530u}) { // the CR LF at 65535, or the quoted one
        const std::string cella = std::string(x, 'x') + "\"\r\n\"";
        const auto s = record_di("id\r\n" + cella + "\r\nP2");
        ASSERT_EQ(s.size(), 3u) << x;
        EXPECT_EQ(s[1].testo, cella) << x;
        EXPECT_EQ(s[2].testo, "P2");
        EXPECT_EQ(s[2].riga, 3);
    }
    EXPECT_EQ(dialetto_di("id;\"a,b\"").separatore, ';');
    EXPECT_EQ(dialetto_di("id,\"a;b\"").separatore, ',');
}

TEST(TabellaCsv, OnlyWellFormedUtf8IsReadAsUtf8TheRestAsWindows1252) {
    const struct {
        std::string byte;
        bool bom, cp1252;
        std::string riga; // the second record as read
    } casi[] = {
        {"\xEF\xBB\xBFid;forma\r\nPil\xC3\xA8", true, false, "Pilè"},
        {"id\r\nPil\xE8\x80", false, true, "Pilè€"},
        {"id\r\nPil\xC3\xA8", false, false, "Pilè"},
        {"id\r\nP\xC0\x80", false, true, "PÀ€"},             // an overlong NUL
        {"id\r\nP\xE0\x80\xAF", false, true, "Pà€¯"},        // an overlong "/"
        {"id\r\nP\xED\xA0\x80", false, true, "Pí\xC2\xA0€"}, // a surrogate
        {"id\r\nP\xF4\x9F\xBF\xBF", false, true, "PôŸ¿¿"},   // above U+10FFFF
        {"id\r\nP\xF0\x9F\x98\x80", false, false, "P\xF0\x9F\x98\x80"},
    };
    for (const auto& c : casi) {
        prova::CartellaProva cartella;
        std::ofstream("t.csv", std::ios::binary) << c.byte;
        const auto codifica = codifica_tabella("t.csv");
        ASSERT_TRUE(codifica);
        EXPECT_EQ(codifica->bom, c.bom) << c.riga;
        EXPECT_EQ(codifica->cp1252, c.cp1252) << c.riga;
        const auto r = record_di(c.byte, *codifica);
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[1].testo, c.riga);
        EXPECT_FALSE(r[1].sostituiti);
    }
    // The five bytes Windows-1252 leaves undefined become U+FFFD, and the record says so.
    const auto r = record_di("id\r\nP\x81\xE8", {false, true});
    EXPECT_EQ(r.at(1).testo, "P\uFFFDè");
    EXPECT_TRUE(r.at(1).sostituiti);
    EXPECT_FALSE(codifica_tabella("manca.csv"));
}

// A case as table cells and as the same inputs given to the window by a session script.
struct CasoProva {
    std::string id;
    std::vector<std::pair<std::string, std::string>> celle; // column, cell (decimal point)
};

const std::map<std::string, std::string> controlli{
    {"H", "Text1(4)"},     {"deff", "Text1(5)"},  {"a", "Text1(6)"},     {"b", "Text1(7)"},
    {"Db_a", "Text1(38)"}, {"Db_b", "Text1(24)"}, {"qd", "Text1(0)"},    {"Nd", "Text1(1)"},
    {"Mxd", "Text1(2)"},   {"Myd", "Text1(3)"},   {"qc", "Text1(36)"},   {"Nc", "Text1(35)"},
    {"Mxc", "Text1(34)"},  {"gq", "Text1(37)"},   {"Ntot", "Text1(31)"}, {"Ndiag", "Text1(30)"},
    {"S1", "Text1(28)"},   {"S", "Text1(29)"},    {"rox", "Text1(8)"},   {"Rck", "Text1(11)"}};

std::string script(const CasoProva& c) {
    // The options clicked first, then the fields typed, the stud diameter, the opening's panel.
    std::string s = "start\n", campi, diametro, foro;
    for (const auto& [colonna, valore] : c.celle) {
        if (controlli.count(colonna))
            campi += "type " + controlli.at(colonna) + " " + valore + "\n";
        if (colonna == "forma") s += "click Option1(" + valore + ")\n";
        if (colonna == "formato")
            s += std::string("click Option3(") + (valore == "TA" ? "0" : "1") + ")\n";
        if (colonna == "phi") diametro += "type fichiodo " + valore + "\n";
        if (colonna.starts_with("foro"))
            foro += "type Text" + std::to_string(colonna[4] - '0' + 1) + " " + valore + "\n";
    }
    s += campi + diametro;
    if (!foro.empty()) s += "click Command1(4)\n" + foro + "click Command2(0)\n";
    return s + "click Command1(0)\ndump\n";
}

std::map<std::string, std::string> dump_di(const CasoProva& c) {
    prova::CartellaProva cartella;
    std::map<std::string, std::string> d;
    const prova::EsitoScript e = prova::esegui_script(script(c));
    EXPECT_EQ(e.stato, 0) << e.err;
    std::istringstream righe(e.out);
    for (std::string r; std::getline(righe, r);)
        if (const auto uguale = r.find('='); uguale != std::string::npos)
            d[r.substr(0, uguale)] = r.substr(uguale + 1);
    return d;
}

std::string senza_spazi(const std::string& t) {
    return t.substr(t.find_first_not_of(' '));
}

const std::vector<CasoProva> casi{
    {"predefinito", {}},
    {"chiodi", {{"Nd", "-200000"}}},
    {"bordo", {{"Db_a", "0"}, {"Ndiag", "1"}, {"Nd", "-200000"}}},
    {"circolare", {{"forma", "1"}, {"a", "50"}, {"Nd", "-90000"}, {"Ntot", "10"}}},
    {"circolare_bordo",
     {{"forma", "1"}, {"a", "50"}, {"b", "50"}, {"Db_b", "0"}, {"Mxd", "900"}, {"Nd", "-70000"}}},
    {"servizio",
     {{"formato", "TA"}, {"Nc", "-42000"}, {"qc", "800"}, {"gq", "1.5"}, {"Mxc", "2000"}}},
    {"foro", {{"Nd", "-50000"}, {"foro1", "30"}, {"foro2", "20"}, {"foro3", "40"}, {"foro4", "0"}}},
    {"angolo",
     {{"Db_a", "15"},
      {"Db_b", "10"},
      {"Mxd", "1500.5"},
      {"Myd", "-900"},
      {"Nd", "-45000"},
      {"phi", "14"}}},
};

std::string tabella(const std::vector<CasoProva>& righe, char sep, char decimale) {
    std::vector<std::string> colonne{"id"};
    for (const CasoProva& c : righe)
        for (const auto& [nome, valore] : c.celle)
            if (std::find(colonne.begin(), colonne.end(), nome) == colonne.end())
                colonne.push_back(nome);
    std::string t;
    for (const std::string& n : colonne)
        t += (n == "id" ? "" : std::string(1, sep)) + n;
    t += "\r\n";
    for (const CasoProva& c : righe) {
        t += c.id;
        for (std::size_t k = 1; k < colonne.size(); ++k) {
            t += sep;
            for (const auto& [nome, valore] : c.celle)
                if (nome == colonne[k]) {
                    std::string v = valore;
                    std::replace(v.begin(), v.end(), '.', decimale);
                    t += v;
                }
        }
        t += "\r\n";
    }
    return t;
}

// The Italian dialect gives the same table, with decimal commas.
TEST(Lotto, EveryRowGivesTheNumbersOfTheSameCaseInTheWindowInBothDialects) {
    Lotto l, virgola;
    ASSERT_EQ(l.esegui(tabella(casi, ',', '.')), 0) << l.err;
    ASSERT_EQ(virgola.esegui("\xEF\xBB\xBF" + tabella(casi, ';', ',')), 0) << virgola.err;
    ASSERT_TRUE(virgola.out.starts_with("\xEF\xBB\xBF"));
    virgola.out.erase(0, 3);
    const auto righe = l.risultati(), italiane = virgola.risultati(';');
    ASSERT_EQ(italiane.size(), casi.size());
    ASSERT_EQ(righe.size(), casi.size());
    bool con_chiodi = false;
    for (std::size_t i = 0; i < casi.size(); ++i) {
        const auto& r = righe[i];
        const auto d = dump_di(casi[i]);
        SCOPED_TRACE(casi[i].id);
        EXPECT_EQ(r.at("id"), casi[i].id);
        EXPECT_EQ(r.at("errore"), "");
        EXPECT_EQ(r.at("posizione"), d.at("Option2"));
        const std::pair<const char*, const char*> uguali[] = {
            {"u0", "Text1(21)"},     {"u1", "Text1(20)"},    {"Aq", "Text1(19)"},
            {"beta", "Text1(32)"},   {"Veff1", "Label3(8)"}, {"vmin", "Label3(5)"},
            {"taurdc", "Label3(0)"}, {"Vrdc", "Label3(1)"},  {"Vrdmax", "Label3(3)"}};
        for (const auto& [colonna, controllo] : uguali)
            EXPECT_EQ(r.at(colonna), d.at(controllo)) << colonna;
        EXPECT_EQ("VERIFICHE (Veff =" + r.at("Veff") + " kg):", d.at("Frame5"));
        EXPECT_EQ(r.at("esito_faccia"),
                  d.at("Label4(3)").find("OK") != std::string::npos ? "OK" : "NO");
        if (d.at("Frame4.visible") == "1") {
            con_chiodi = true;
            const std::pair<const char*, const char*> chiodi[] = {
                {"Ntot", "Text1(31)"}, {"Ndiag", "Text1(30)"},   {"L_tral", "Label3(10)"},
                {"phi", "fichiodo"},   {"Af_tot", "Label3(12)"}, {"Vrds", "Label3(13)"},
                {"Vrdcs", "Label3(4)"}};
            for (const auto& [colonna, controllo] : chiodi)
                EXPECT_EQ(r.at(colonna),
                          d.at(controllo).empty() ? "" : senza_spazi(d.at(controllo)))
                    << colonna;
            EXPECT_NE(r.at("N_chiodi"), "");
        } else {
            EXPECT_EQ(r.at("Ntot"), "");
        }
        EXPECT_NE(r.at("verdetto"), "");
        for (const auto& [colonna, valore] : r) {
            std::string atteso = valore;
            if (colonna != "testo_verdetto" && colonna != "avvisi" && colonna != "id")
                std::replace(atteso.begin(), atteso.end(), '.', ',');
            EXPECT_EQ(italiane[i].at(colonna), atteso) << colonna;
        }
    }
    EXPECT_TRUE(con_chiodi);
}

TEST(Lotto, TheOutputIsTheSameWhateverTheThreads) {
    std::vector<CasoProva> molti;
    for (int i = 0; i < 40; ++i)
        molti.push_back(
            {"P" + std::to_string(i),
             {{"Nd", std::to_string(-20000 - 3000 * i)}, {"Mxd", std::to_string(100 * i)}}});
    Lotto uno, due;
    OpzioniLotto o;
    o.json = true;
    o.lavori = 1;
    ASSERT_EQ(uno.esegui(tabella(molti, ',', '.'), o), 0);
    o.lavori = 3;
    ASSERT_EQ(due.esegui(tabella(molti, ',', '.'), o), 0);
    EXPECT_EQ(uno.out, due.out);
    EXPECT_TRUE(
        uno.out.starts_with("[\n{\"id\": \"P0\", \"file\": null, \"posizione\": 0, \"u0\": 200,"))
        << uno.out.substr(0, 80);
    EXPECT_NE(uno.out.find("\"avvisi\": []"), std::string::npos);
}

// --propose: each row's proposal is the one the script line `propose` gives for the same case;
// a case that needs no studs gets none, one without a proposal its reason.
TEST(Lotto, ProposeGivesEachRowTheProposalOfTheScriptLine) {
    const std::vector<CasoProva> righe{
        {"predefinito", {}},
        {"chiodi", {{"Nd", "-200000"}}},
        {"bordo", {{"Db_a", "0"}, {"Nd", "-150000"}, {"Mxd", "4000"}}},
        {"faccia", {{"Nd", "-900000"}}},
    };
    Lotto l;
    OpzioniLotto o;
    o.proponi = true;
    ASSERT_EQ(l.esegui(tabella(righe, ';', ','), o), 0) << l.err;
    const auto r = l.risultati(';');
    ASSERT_EQ(r.size(), righe.size());
    for (std::size_t i = 0; i < righe.size(); ++i) {
        SCOPED_TRACE(righe[i].id);
        std::string s = script(righe[i]);
        s.replace(s.rfind("dump\n"), 5, "propose\n");
        const prova::EsitoScript e = prova::esegui_script(s);
        std::map<std::string, std::string> p;
        std::istringstream in(e.out);
        for (std::string riga; std::getline(in, riga);)
            if (const auto uguale = riga.find('='); uguale != std::string::npos)
                p[riga.substr(0, uguale)] = riga.substr(uguale + 1);
        const auto virgola = [](std::string v) {
            std::replace(v.begin(), v.end(), '.', ',');
            return v;
        };
        if (p.at("proposal") == "found") {
            const std::pair<const char*, std::string> attese[] = {
                {"prop_Ntot", senza_spazi(p.at("Text1(31)"))},
                {"prop_Ndiag", p.at("Text1(30)")},
                {"prop_S1", virgola(p.at("Text1(28)"))},
                {"prop_S", virgola(p.at("Text1(29)"))},
                {"prop_phi", senza_spazi(p.at("fichiodo"))},
                {"prop_chiodi", p.at("studs")},
                {"prop_kg", virgola(p.at("mass"))},
                {"prop_esito", ""}};
            for (const auto& [colonna, valore] : attese)
                EXPECT_EQ(r[i].at(colonna), valore) << colonna;
        } else {
            EXPECT_EQ(r[i].at("prop_Ntot"), "");
            const std::string motivo = p.at("proposal").substr(5); // after "none "
            EXPECT_EQ(r[i].at("prop_esito"), motivo.starts_with("no-studs-needed") ? "" : motivo);
        }
    }
    EXPECT_EQ(r[1].at("prop_kg"), "10,06");
    EXPECT_TRUE(r[3].at("prop_esito").starts_with("face-fails La faccia del pilastro non regge"));

    // In SI, as the table's other lengths: S1 and S in mm.
    Lotto si;
    o.sistema = Sistema::SI;
    ASSERT_EQ(si.esegui("id;Nd\r\nchiodi;-2000\r\n", o), 0) << si.err;
    const auto s = si.risultati(';').at(0);
    EXPECT_EQ(std::vector<std::string>({s.at("prop_Ntot"), s.at("prop_S1"), s.at("prop_S"),
                                        s.at("prop_phi"), s.at("prop_kg")}),
              std::vector<std::string>({"16", "185", "236", "10", "10,06"}));
}

TEST(Lotto, ABadRowIsNamedAndTheOthersAreComputed) {
    Lotto l;
    const int stato = l.esegui(
        "id;Nd;deff;forma;\r\nP1;-20000;;;;\r\nP2;-2O000;37;\r\nP3;-1,5e4;1.5;Esagono\r\n"
        "P4;5000;;\r\n;-1000;;\r\nP6;\"-30000\";;circolare\r\nP7;;;;;x\r\n;;;;\r\n\"\";;\r\n");
    EXPECT_EQ(stato, 1);
    const auto r = l.risultati(';');
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[6].at("errore"),
              "riga 8: cella 6, «x»: la sua colonna non ha nome nell'intestazione");
    EXPECT_EQ(r[0].at("errore"), "");
    EXPECT_EQ(r[1].at("errore"), "riga 3: colonna «Nd», «-2O000»: non è un numero");
    EXPECT_EQ(r[1].at("u0"), "");
    EXPECT_NE(r[2].at("errore").find("colonna «deff», «1.5»"), std::string::npos)
        << r[2].at("errore");
    EXPECT_NE(r[2].at("errore").find("colonna «forma», «Esagono»"), std::string::npos);
    EXPECT_EQ(r[2].at("errore").find("«Nd»"), std::string::npos); // -1,5e4 is a number
    EXPECT_NE(r[3].at("errore").find("riga 5: calcolo non eseguito"), std::string::npos)
        << r[3].at("errore");
    EXPECT_NE(r[4].at("errore").find("identificativo"), std::string::npos);
    EXPECT_EQ(r[5].at("errore"), "");
    EXPECT_EQ(r[5].at("u0"), "125,664"); // circular, a = b = 40
    EXPECT_NE(l.err.find("tessaro-cli: riga 3: colonna «Nd»"), std::string::npos);
}

// An input outside its physical range fails its row like a cell that is no number, naming the
// column and the limit; a circle needs no b; ρ above 2 % is capped and told.
TEST(Lotto, AnInputOutOfItsRangeFailsItsRowNamingTheColumnAndLimit) {
    Lotto l;
    const int stato = l.esegui("id,H,deff,forma,a,rox,roy,Nd\r\nP1,-40,,,,,,\r\nP2,40,41,,,,,\r\n"
                               "P3,,,Circolare,50,,,-60000\r\nP4,,,,,5,5,-220000\r\n");
    EXPECT_EQ(stato, 1);
    const auto r = l.risultati(',');
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].at("errore"), "riga 2: colonna «H», «-40»: deve essere maggiore di 0 cm");
    EXPECT_EQ(r[0].at("u0"), "");
    EXPECT_EQ(r[1].at("errore"),
              "riga 3: colonna «deff», «41»: deve essere minore dello spessore H = 40 cm");
    EXPECT_EQ(r[2].at("errore"), "");
    EXPECT_EQ(r[2].at("u0"), "157.08"); // π·50: b follows the diameter
    EXPECT_EQ(r[3].at("errore"), "");
    EXPECT_NE(r[3].at("avvisi").find("5 % limitato al 2 %"), std::string::npos)
        << r[3].at("avvisi");
    EXPECT_NE(r[3].at("verdetto"), "verified"); // the capped resistance needs studs
}

TEST(Lotto, ATableThatCannotBeUsedWritesNothing) {
    const struct {
        std::string tabella;
        std::string messaggio;
    } casi_rifiutati[] = {
        {"", "è vuoto"},
        {" \r\n\r\n", "è vuoto"},
        {"1,-14500\r\n2,-20000\r\n", "manca l'intestazione"},
        {"id,Nd,Mz\r\nP1,-1,2\r\n", "colonna 3 sconosciuta: «Mz»"},
        {"id,nd,ND\r\nP1,-1,-2\r\n", "colonna «Nd» ripetuta"},
        {"Nd\r\n-1000\r\n", "manca la colonna «id»"},
        {"id,Nd\r\n", "nessun caso"},
        {"id,Nd\r\nP1,-1000\r\nP2,-2000\r\n P1 ,-3000\r\n", "«P1» alle righe 2 e 4"},
    };
    Lotto cartella;
    OpzioniLotto o;
    o.ingresso = cartella.cartella.percorso(); // a folder, not a table
    std::ostringstream out, err;
    EXPECT_EQ(esegui_lotto(o, out, err), 1);
    EXPECT_NE(err.str().find("impossibile leggere"), std::string::npos);
    for (const auto& c : casi_rifiutati) {
        Lotto l;
        const fs::path uscita = l.cartella.percorso() / "risultati.csv";
        OpzioniLotto o;
        o.uscita = uscita;
        o.relazioni = l.cartella.percorso() / "rel";
        EXPECT_EQ(l.esegui(c.tabella, o), 1);
        EXPECT_NE(l.err.find(c.messaggio), std::string::npos) << l.err;
        EXPECT_FALSE(fs::exists(uscita)) << c.tabella;
        EXPECT_FALSE(fs::exists(l.cartella.percorso() / "rel")) << c.tabella;
    }
}

TEST(Lotto, ReportsAreThoseOfTheWindowAndNoWorkingFileIsWritten) {
    Lotto l;
    const fs::path cartella = l.cartella.percorso() / "relazioni";
    OpzioniLotto o;
    o.uscita = l.cartella.percorso() / "r.csv";
    o.relazioni = cartella;
    ASSERT_EQ(l.esegui("id,Nd,forma\r\nP/1,-60000,\r\nP_1,-20000,\r\nX,-20000,3\r\n", o), 0)
        << l.err;
    EXPECT_TRUE(l.out.empty());
    EXPECT_TRUE(fs::exists(l.cartella.percorso() / "r.csv"));
    EXPECT_FALSE(fs::exists(l.cartella.percorso() / "chiodi.tmp"));
    EXPECT_FALSE(fs::exists(l.cartella.percorso() / "ZR_tessa.tmp"));
    EXPECT_FALSE(fs::exists(cartella / "X.txt")); // an octagonal column is not verified

    prova::CartellaProva finestra;
    ASSERT_EQ(prova::esegui_script("start\ntype Text1(1) -60000\nclick Command1(0)\n"
                                   "answer rel.txt\nclick Command1(3)\n")
                  .stato,
              0);
    const std::string atteso = prova::leggi_file(finestra.percorso() / "rel.txt");
    ASSERT_FALSE(atteso.empty());
    EXPECT_EQ(prova::leggi_file(cartella / "P_1.txt"), atteso);
    EXPECT_NE(prova::leggi_file(cartella / "P_1_2.txt"), "");
    // The column `file` tells whose report is whose; a row that wrote none has it empty.
    l.out = prova::leggi_file(l.cartella.percorso() / "r.csv");
    const auto r = l.risultati();
    EXPECT_EQ(r.at(0).at("file"), "P_1");
    EXPECT_EQ(r.at(1).at("file"), "P_1_2");
    EXPECT_EQ(r.at(2).at("file"), "");
}

// --export hands each case that may be reported to the documents' writer, under the row's name,
// on the form model that computed it; a writer that fails makes the row fail.
TEST(Lotto, DocumentsAreAskedForEachReportableCaseAndAFailedOneFailsItsRow) {
    for (const bool riesce : {true, false}) {
        Lotto l;
        std::mutex m;
        std::map<std::string, std::string> chiesti; // base name -> Nd shown by the model
        OpzioniLotto o;
        o.documenti = l.cartella.percorso() / "doc";
        o.lavori = 2;
        o.scrivi_documenti = [&](const CalcoTess& f, const std::string& base) {
            const std::lock_guard blocco(m);
            chiesti[fs::path(base).filename().string()] = f.Text1[1].Text;
            return riesce;
        };
        const int stato = l.esegui("id,Nd,forma\r\nP/1,-60000,\r\nP 2,-20000,\r\nX,-20000,3\r\n"
                                   "Y,0,\r\n",
                                   o);
        EXPECT_TRUE(fs::is_directory(o.documenti));
        EXPECT_EQ(chiesti,
                  (std::map<std::string, std::string>{{"P_1", "-60000"}, {"P_2", "-20000"}}))
            << "an octagon and a case with Nd = 0 have no documents";
        const auto r = l.risultati();
        EXPECT_EQ(stato, 1); // the row with Nd = 0 fails in any case
        EXPECT_EQ(r.at(0).at("errore").empty(), riesce) << r.at(0).at("errore");
        if (!riesce) {
            EXPECT_NE(r.at(1).at("errore").find("impossibile scrivere i documenti"),
                      std::string::npos);
        }
    }
}

TEST(Lotto, TheShippedTemplatesRunCleanInBothDialects) {
    std::string uscite[2];
    for (int i = 0; i < 2; ++i) {
        OpzioniLotto o;
        o.ingresso = fs::path(TESSARO_DOCS_DIR) /
                     (i == 0 ? "tabella_modello.csv" : "tabella_modello_it.csv");
        std::ostringstream out, err;
        EXPECT_EQ(esegui_lotto(o, out, err), 0) << err.str();
        uscite[i] = out.str();
        EXPECT_EQ(std::count(uscite[i].begin(), uscite[i].end(), '\n'), 7);
    }
    EXPECT_NE(uscite[0].find("P2 con chiodi,,0,200,664.956,"), std::string::npos);
    EXPECT_NE(uscite[1].find("P2 con chiodi;;0;200;664,956;"), std::string::npos);
}

// The same table in SI, each number with its point moved, gives the same cases: every result
// the technical one moved, the texts in SI.
TEST(Lotto, ATableInSIGivesTheTechnicalResultsWithThePointMoved) {
    OpzioniLotto o;
    o.ingresso = fs::path(TESSARO_DOCS_DIR) / "tabella_modello.csv";
    std::ostringstream out, err;
    ASSERT_EQ(esegui_lotto(o, out, err), 0) << err.str();
    const auto record = record_di(prova::leggi_file(o.ingresso));
    const auto nomi = *celle_di(record.at(0).testo, ',');
    std::string tabella_si = record.at(0).testo + "\r\n";
    for (std::size_t r = 1; r < record.size(); ++r) {
        auto celle = *celle_di(record[r].testo, ',');
        for (std::size_t k = 0; k < nomi.size(); ++k) {
            const auto c = colonna_ingresso(nomi[k]);
            if (c && colonne_ingresso[*c].grandezza)
                celle[k] = in_sistema(celle[k], colonne_ingresso[*c].grandezza->unita, Sistema::SI);
            tabella_si +=
                (k ? "," : "") +
                (celle[k].find(',') != std::string::npos ? "\"" + celle[k] + "\"" : celle[k]);
        }
        tabella_si += "\r\n";
    }
    prova::Lotto tecnico, si;
    tecnico.out = out.str();
    OpzioniLotto o_si;
    o_si.sistema = Sistema::SI;
    ASSERT_EQ(si.esegui(tabella_si, o_si), 0) << si.err;
    const auto t = tecnico.risultati(), s = si.risultati();
    ASSERT_EQ(t.size(), s.size());
    ASSERT_GT(t.size(), 3u);
    for (std::size_t r = 0; r < t.size(); ++r)
        for (const ColonnaRisultato& c : colonne_risultato) {
            if (std::string(c.nome) == "testo_verdetto" || std::string(c.nome) == "avvisi")
                continue;
            EXPECT_EQ(s[r].at(c.nome), in_sistema(t[r].at(c.nome), c.unita, Sistema::SI))
                << c.nome << " of " << t[r].at("id");
        }
    EXPECT_NE(si.out.find("fino a 1039 mm"), std::string::npos);
}

} // namespace
} // namespace tessaro
