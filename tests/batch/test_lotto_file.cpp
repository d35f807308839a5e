// The batch and its files: the results written as what their destination is, no row's file over
// the input, the results or another row's, no formula for a spreadsheet, JSON always valid,
// resources running out told, a killed run's temporaries cleared, a long row read in bounded
// room.
#include "batch/lotto_prova.h"
#include "support/file_ostili.h"
#include "support/json_valido.h"

#include "batch/risultati.h"
#include "files/file_testo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using prova::Lotto;

const std::string TABELLA = "id,Nd\r\nP1,-20000\r\nP2,-200000\r\n";

// Documents as the program would write them, one line each, through the file replacement.
struct DocumentiFinti {
    std::atomic<int> scritti{0};
    ScrittoreDocumenti scrittore() {
        return [this](const CalcoTess&, const std::string& base) {
            ++scritti;
            for (const char* finale : {".pdf", ".dxf", ".csv"})
                if (!sostituisci_file(base + finale, "documento\n")) return false;
            return true;
        };
    }
};

TEST(LottoFile, TheResultsAreWrittenAsWhatTheirDestinationIs) {
    Lotto atteso;
    ASSERT_EQ(atteso.esegui(TABELLA), 0);
    Lotto l;
    const fs::path c = l.cartella.percorso();
    OpzioniLotto o;

    // A FIFO: its reader receives the table, and it stays a FIFO. (The reader is there first,
    // so the open returns at once; the table fits in the FIFO's buffer.)
    ASSERT_EQ(::mkfifo((c / "fifo").c_str(), 0600), 0);
    const int lettore = ::open((c / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lettore, 0);
    o.uscita = c / "fifo";
    EXPECT_EQ(l.esegui(TABELLA, o), 0) << l.err;
    std::string letto(atteso.out.size() + 100, '\0');
    const ssize_t n = ::read(lettore, letto.data(), letto.size());
    ::close(lettore);
    letto.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    EXPECT_EQ(letto, atteso.out);
    EXPECT_TRUE(fs::is_fifo(c / "fifo"));

    // A link: its target is replaced, the link stays; a link that leads nowhere yet creates it.
    fs::create_directory(c / "vero");
    std::ofstream(c / "vero" / "r.csv") << "vecchio";
    fs::create_symlink("vero/r.csv", c / "r.csv");
    fs::create_symlink("vero/nuovo.csv", c / "nuovo.csv");
    for (const char* nome : {"r.csv", "nuovo.csv"}) {
        o.uscita = c / nome;
        EXPECT_EQ(l.esegui(TABELLA, o), 0) << l.err;
        EXPECT_TRUE(fs::is_symlink(c / nome)) << nome;
        EXPECT_EQ(prova::leggi_file(c / "vero" / nome), atteso.out) << nome;
    }

    // A device behind a link is written in place: /dev/null takes the table and stays a
    // device; /dev/full refuses it, and the run says so.
    fs::create_symlink("/dev/null", c / "nulla");
    fs::create_symlink("/dev/full", c / "pieno");
    o.uscita = c / "nulla";
    EXPECT_EQ(l.esegui(TABELLA, o), 0) << l.err;
    EXPECT_TRUE(fs::is_symlink(c / "nulla"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    o.uscita = c / "pieno";
    EXPECT_EQ(l.esegui(TABELLA, o), 1);
    EXPECT_NE(l.err.find("impossibile scrivere " + o.uscita.string()), std::string::npos) << l.err;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// A disk that fills while the rows stream into the results leaves the old results whole.
TEST(LottoFile, ResultsThatCannotBeWrittenWholeAreNotWrittenAtAll) {
    Lotto l;
    OpzioniLotto o;
    o.uscita = l.cartella.percorso() / "r.csv";
    o.lavori = 2;
    std::ofstream(o.uscita) << "vecchi";
    std::string tabella = "id,Nd\r\n";
    for (int i = 0; i < 60; ++i)
        tabella += "P" + std::to_string(i) + "," + std::to_string(-20000 - 1000 * i) + "\r\n";
    std::ofstream(l.cartella.percorso() / "casi.csv", std::ios::binary) << tabella;
    {
        prova::DiscoPieno pieno(tabella.size() + 1000); // the table fits, its results do not
        o.ingresso = l.cartella.percorso() / "casi.csv";
        std::ostringstream out, err;
        EXPECT_EQ(esegui_lotto(o, out, err), 1);
        EXPECT_NE(err.str().find("impossibile scrivere"), std::string::npos) << err.str();
    }
    EXPECT_EQ(prova::leggi_file(o.uscita), "vecchi");
    EXPECT_EQ(l.cartella.nomi(), (std::set<std::string>{"casi.csv", "r.csv"}));
}

// Whatever would land on the input table, the results or another row's file is refused
// before anything is written, with exit status 2.
TEST(LottoFile, NoRowWritesOverTheInputTheResultsOrAnotherRowsFile) {
    const struct {
        std::string tabella;
        const char* relazioni; // relative to the folder of the run; "" none
        const char* documenti; // likewise
        const char* uscita;    // likewise
        std::vector<std::pair<std::string, std::string>> collegamenti; // link, target
        const char* messaggio;
    } casi[] = {
        {"id,Nd\r\nP1,-20000\r\ncasi,-20000\r\n",
         "",
         ".",
         "r.csv",
         {},
         "che è la tabella d'ingresso"},
        {"id,Nd\r\nr,-20000\r\n", "rel", "", "rel/r.txt", {}, "che è il file dei risultati"},
        {"id,Nd\r\nP1,-20000\r\n", "", "doc", "doc", {}, "è la cartella"},
        {"id,Nd\r\nA,-20000\r\n",
         "rel",
         "",
         "r.csv",
         {{"rel/A.txt", "../casi.csv"}},
         "che è la tabella d'ingresso"},
        {"id,Nd\r\nA,-20000\r\nB,-20000\r\n",
         "rel",
         "",
         "",
         {{"rel/A.txt", "x.txt"}, {"rel/B.txt", "x.txt"}},
         "sono collegamenti allo stesso file"},
        {"id,Nd\r\nA,-20000\r\nB,-20000\r\n",
         "rel",
         "rel",
         "",
         {{"rel/A.pdf", "b.TXT"}, {"rel/B.csv", "A.dxf"}},
         "che questo lotto scrive per un altro caso"},
    };
    for (const auto& c : casi) {
        Lotto l;
        const fs::path d = l.cartella.percorso();
        std::set<std::string> prima;
        for (const auto& [collegamento, bersaglio] : c.collegamenti) {
            fs::create_directories((d / collegamento).parent_path());
            fs::create_symlink(bersaglio, d / collegamento);
        }
        DocumentiFinti finti;
        OpzioniLotto o;
        if (*c.relazioni) o.relazioni = d / c.relazioni;
        if (*c.documenti) o.documenti = d / c.documenti;
        if (*c.uscita) o.uscita = d / c.uscita;
        o.scrivi_documenti = finti.scrittore();
        std::ofstream(d / "casi.csv", std::ios::binary) << c.tabella;
        const auto tutto = [&] {
            std::set<std::string> n;
            for (const auto& e : fs::recursive_directory_iterator(d))
                n.insert(fs::relative(e.path(), d).string());
            return n;
        };
        prima = tutto();
        EXPECT_EQ(l.esegui(c.tabella, o), 2) << c.messaggio << l.err;
        EXPECT_NE(l.err.find(c.messaggio), std::string::npos) << l.err;
        EXPECT_NE(l.err.find("nessun file è stato scritto"), std::string::npos) << l.err;
        EXPECT_EQ(tutto(), prima) << c.messaggio;
        EXPECT_EQ(prova::leggi_file(d / "casi.csv"), c.tabella);
        EXPECT_EQ(finti.scritti, 0);
        EXPECT_TRUE(l.out.empty());
    }
    // A link that leads out of the folders, to no file of the run, is written through.
    Lotto l;
    const fs::path d = l.cartella.percorso();
    fs::create_directories(d / "rel");
    fs::create_directories(d / "altrove");
    fs::create_symlink("../altrove/a.txt", d / "rel" / "A.txt");
    OpzioniLotto o;
    o.relazioni = d / "rel";
    EXPECT_EQ(l.esegui("id,Nd\r\nA,-20000\r\n", o), 0) << l.err;
    EXPECT_TRUE(fs::is_symlink(d / "rel" / "A.txt"));
    EXPECT_NE(prova::leggi_file(d / "altrove" / "a.txt"), "");
}

TEST(LottoFile, IdsWhoseNamesClashGetDistinctFilesAndTheColumnFileSaysWhose) {
    std::string uscite[2];
    for (const unsigned lavori : {1u, 3u}) {
        Lotto l;
        DocumentiFinti finti;
        OpzioniLotto o;
        o.relazioni = l.cartella.percorso() / "rel";
        o.documenti = l.cartella.percorso() / "doc";
        o.scrivi_documenti = finti.scrittore();
        o.lavori = lavori;
        const int stato =
            l.esegui("id,Nd,forma\r\nP1/2,-60000,\r\nP1_2,-20000,\r\np1_2,-30000,\r\nX,-20000,3\r\n"
                     "Y,0,\r\n...,-20000,\r\n",
                     o);
        EXPECT_EQ(stato, 1); // Y is not computed
        const auto r = l.risultati();
        const std::vector<std::string> file{"P1_2", "P1_2_2", "p1_2_3", "", "", "_..."};
        ASSERT_EQ(r.size(), file.size());
        for (std::size_t i = 0; i < file.size(); ++i) {
            EXPECT_EQ(r[i].at("file"), file[i]) << r[i].at("id");
            for (const fs::path& f :
                 {o.relazioni / (file[i] + ".txt"), o.documenti / (file[i] + ".dxf")})
                EXPECT_EQ(fs::exists(f), !file[i].empty()) << f;
        }
        EXPECT_TRUE(l.out.starts_with("id,file,posizione,u0,")) << l.out.substr(0, 40);
        uscite[lavori == 1 ? 0 : 1] = l.out;
    }
    EXPECT_EQ(uscite[0], uscite[1]);
}

TEST(LottoFile, NoFormulaReachesASpreadsheetAndTheJsonIsAlwaysValid) {
    const std::string tabella = "id,Nd,Ndiag\r\n"
                                "\"=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\",-20000,\r\n"
                                "+cmd|' /C calc'!A0,-20000,\r\n"
                                "-2+3,-20000,\r\n"
                                "@SUM(1),-20000,\r\n"
                                "\"\rX\",-20000,\r\n"
                                "P1,-200000,+0\r\n"
                                "P2,-200000,0.\r\n"
                                "P3,-200000,00\r\n"
                                "P4,-200000,-0\r\n";
    Lotto csv, json;
    ASSERT_EQ(csv.esegui(tabella), 0) << csv.err;
    const auto r = csv.risultati();
    const std::vector<std::string> id{"'=HYPERLINK(\"http://x\";\"y\")", "'+cmd|' /C calc'!A0",
                                      "'-2+3", "'@SUM(1)", "'\rX"};
    for (std::size_t i = 0; i < id.size(); ++i)
        EXPECT_EQ(r.at(i).at("id"), id[i]);
    const std::vector<std::string> ndiag{"'+0", "0.", "00", "-0"}; // only a text is marked
    for (std::size_t i = 0; i < ndiag.size(); ++i)
        EXPECT_EQ(r.at(5 + i).at("Ndiag"), ndiag[i]);

    OpzioniLotto o;
    o.json = true;
    ASSERT_EQ(json.esegui(tabella, o), 0) << json.err;
    EXPECT_TRUE(prova::json_valido(json.out)) << json.out;
    for (const char* atteso : {"\"Ndiag\": \"+0\"", "\"Ndiag\": \"0.\"", "\"Ndiag\": \"00\"",
                               "\"Ndiag\": -0,", "\"id\": \"-2+3\""})
        EXPECT_NE(json.out.find(atteso), std::string::npos) << atteso;

    // Text that is not UTF-8 never reaches the JSON: an overlong "/" makes the table
    // Windows-1252, and the bytes that code page leaves undefined become U+FFFD, the row warned.
    for (const char* id : {"P\xC0\xAF", "P\x81"}) {
        Lotto l;
        ASSERT_EQ(l.esegui(std::string("id,Nd\r\n") + id + ",-20000\r\n", o), 0) << l.err;
        EXPECT_TRUE(prova::json_valido(l.out)) << l.out;
    }
    Lotto l;
    ASSERT_EQ(l.esegui("id,Nd\r\nP\x81,-20000\r\nQ,-20000\r\n", o), 0);
    EXPECT_NE(l.out.find("\"id\": \"P\uFFFD\""), std::string::npos) << l.out;
    const auto avviso = l.out.find("sostituiti da");
    EXPECT_NE(avviso, std::string::npos);
    EXPECT_LT(avviso, l.out.find("\"id\": \"Q\"")); // on the row that had the byte only
    EXPECT_EQ(l.out.find("sostituiti da", avviso + 1), std::string::npos);
}

TEST(LottoFile, NumbersOfJsonAndTheMarkAgainstFormulas) {
    const std::pair<const char*, bool> numeri[] = {
        {"0", true},      {"-0", true},  {"12.5", true}, {"-0.25", true}, {"1e5", true},
        {"1.5E-3", true}, {"+0", false}, {"0.", false},  {"00", false},   {".5", false},
        {"-", false},     {"1e", false}, {"01", false},  {"", false},     {"1,5", false}};
    for (const auto& [t, numero] : numeri)
        EXPECT_EQ(numero_json(t), numero) << t;
    const std::pair<const char*, const char*> celle[] = {
        {"=1+1", "'=1+1"}, {"+1", "'+1"},   {"-1", "'-1"},  {"@A1", "'@A1"},
        {"\tx", "'\tx"},   {"\rx", "'\rx"}, {"P=1", "P=1"}, {"", ""}};
    for (const auto& [t, sicura] : celle)
        EXPECT_EQ(senza_formula(t), sicura) << t;
}

// Memory that runs out in a worker ends the run with a message; the results file is left as it
// was and no temporary stays.
TEST(LottoFile, MemoryRunningOutEndsTheRunAndLeavesTheResultsUntouched) {
    Lotto l;
    OpzioniLotto o;
    o.uscita = l.cartella.percorso() / "r.csv";
    o.documenti = l.cartella.percorso() / "doc";
    o.lavori = 2;
    std::atomic<int> casi{0};
    o.scrivi_documenti = [&](const CalcoTess&, const std::string&) -> bool {
        if (++casi == 2) throw std::bad_alloc();
        return true;
    };
    std::ofstream(o.uscita) << "vecchi";
    std::string tabella = "id,Nd\r\n";
    for (int i = 0; i < 40; ++i)
        tabella += "P" + std::to_string(i) + ",-20000\r\n";
    EXPECT_EQ(l.esegui(tabella, o), 1);
    EXPECT_NE(l.err.find("tessaro-cli: memoria esaurita"), std::string::npos) << l.err;
    EXPECT_EQ(prova::leggi_file(o.uscita), "vecchi");
    EXPECT_EQ(l.cartella.nomi(), (std::set<std::string>{"casi.csv", "doc", "r.csv"}));
}

// A thread that cannot be started ends the run with a message, not an abort. In a child process
// under a limit of the user's processes: for root made nobody, the limit at which one thread
// more can start, so that the run starts its first and not its second; for a user who may not
// change user, none.
TEST(LottoFile, AThreadThatCannotBeStartedEndsTheRunWithAMessage) {
    Lotto l;
    std::ofstream(l.cartella.percorso() / "casi.csv", std::ios::binary) << TABELLA;
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        rlimit limite{};
        ::getrlimit(RLIMIT_NPROC, &limite);
        limite.rlim_cur = 0;
        if (::getuid() == 0) {
            if (::setuid(65534) != 0) ::_exit(77);
            for (bool partito = false; !partito && ++limite.rlim_cur < 1000;) {
                if (::setrlimit(RLIMIT_NPROC, &limite) != 0) ::_exit(77);
                try {
                    std::thread([] {}).join();
                    partito = true;
                } catch (const std::system_error&) {
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the probe reaped
        }
        if (::setrlimit(RLIMIT_NPROC, &limite) != 0) ::_exit(77);
        OpzioniLotto o;
        o.ingresso = l.cartella.percorso() / "casi.csv";
        o.lavori = 2;
        std::ostringstream out, err;
        const int stato = esegui_lotto(o, out, err);
        const bool detto =
            err.str().find("impossibile avviare i thread di calcolo") != std::string::npos;
        ::_exit(stato == 1 && detto && out.str().empty() ? 0 : 1);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    if (WIFEXITED(stato) && WEXITSTATUS(stato) == 77) GTEST_SKIP() << "no process limit here";
    EXPECT_TRUE(WIFEXITED(stato)) << "ended by signal " << WTERMSIG(stato);
    EXPECT_EQ(WEXITSTATUS(stato), 0);
}

// The temporaries a killed run left in the folders of the reports, the documents and the
// results are removed by the next run into them; a running replacement's, a link, a folder and
// anything else are left.
TEST(LottoFile, AKilledRunsTemporariesAreClearedByTheNextRunIntoTheSameFolders) {
    Lotto l;
    const fs::path d = l.cartella.percorso();
    fs::create_directories(d / "rel");
    fs::create_directories(d / "doc");
    const std::vector<fs::path> abbandonati{d / "rel" / "P1.txt.scrittura-AbCdEfGhIjKl",
                                            d / "doc" / "P1.pdf.scrittura-000000000000",
                                            d / "r.csv.scrittura-123-4"};
    for (const fs::path& p : abbandonati)
        std::ofstream(p) << "a metà";
    std::ofstream(d / "bersaglio") << "intatto";
    const std::vector<fs::path> lasciati{d / "rel" / "X.txt.scrittura-ZZZZZZZZZZZZ",
                                         d / "rel" / "nota.txt", d / "doc" / "Y.scrittura-1-2",
                                         d / "rel" / "Q.txt.scrittura-LLLLLLLLLLLL"};
    fs::create_symlink("../bersaglio", lasciati[0]);
    std::ofstream(lasciati[1]) << "nota";
    fs::create_directory(lasciati[2]);
    std::ofstream(lasciati[3]) << "in corso";
    const int in_corso = ::open(lasciati[3].c_str(), O_RDONLY); // another run writing it
    ASSERT_EQ(::flock(in_corso, LOCK_EX), 0);

    DocumentiFinti finti;
    OpzioniLotto o;
    o.relazioni = d / "rel";
    o.documenti = d / "doc";
    o.uscita = d / "r.csv";
    o.scrivi_documenti = finti.scrittore();
    EXPECT_EQ(l.esegui(TABELLA, o), 0) << l.err;
    ::close(in_corso);
    for (const fs::path& p : abbandonati)
        EXPECT_FALSE(fs::exists(p)) << p;
    for (const fs::path& p : lasciati)
        EXPECT_TRUE(fs::exists(fs::symlink_status(p))) << p;
    EXPECT_EQ(prova::leggi_file(d / "bersaglio"), "intatto");
    EXPECT_TRUE(fs::exists(d / "rel" / "P1.txt"));
}

// A row of a hundred thousand stray cells is read in the room of one cell, and its error names
// the first few of them rather than all; the other rows are computed as ever, whatever the
// threads, long rows or not in the window.
TEST(LottoFile, ALongRowIsReadInBoundedRoomAndTheOutputIsTheSameWhateverTheThreads) {
    std::string lunga = "P1,-20000";
    for (int i = 0; i < 100000; ++i)
        lunga += ",x";
    std::string tabella = "id,Nd\r\n";
    for (int i = 0; i < 100; ++i)
        tabella +=
            (i == 37 ? lunga
                     : "Q" + std::to_string(i) + "," + std::to_string(-15000 - 2500 * i) + ",,,,") +
            "\r\n";
    std::string uscite[3];
    for (const unsigned lavori : {1u, 2u, 7u}) {
        Lotto l;
        OpzioniLotto o;
        o.lavori = lavori;
        EXPECT_EQ(l.esegui(tabella, o), 1);
        const auto r = l.risultati();
        ASSERT_EQ(r.size(), 100u);
        const std::string& errore = r[37].at("errore");
        EXPECT_TRUE(errore.starts_with("riga 39: cella 3, «x»: la sua colonna non ha nome"))
            << errore.substr(0, 80);
        EXPECT_LT(errore.size(), 2000u);
        EXPECT_EQ(r[38].at("errore"), "");
        uscite[lavori == 1 ? 0 : lavori == 2 ? 1 : 2] = l.out;
    }
    EXPECT_EQ(uscite[0], uscite[1]);
    EXPECT_EQ(uscite[0], uscite[2]);
}

} // namespace
} // namespace tessaro
