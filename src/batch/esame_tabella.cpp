// The examination of a batch table before anything is written.
#include "batch/esame_tabella.h"

#include "batch/nomi_file.h"
#include "files/codifica.h"
#include "files/sostituzione_file.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <map>
#include <set>
#include <sys/stat.h>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

// Cells past the named columns that are not blank, named in the row's error: enough to show
// what is wrong, never a message longer than the row.
constexpr std::size_t MASSIMO_CELLE_SENZA_NOME = 20;

[[noreturn]] void rifiuta(std::string perche, int stato = 1) {
    throw LottoRifiutato{std::move(perche), stato};
}

[[noreturn]] void illeggibile(const OpzioniLotto& o) {
    rifiuta("impossibile leggere " + o.ingresso.string());
}

bool vuota(std::string_view cella) {
    return cella.find_first_not_of(" \t") == std::string_view::npos;
}

// The named columns of the header row. A row of numbers is no header but a case without one.
std::vector<std::pair<std::size_t, std::size_t>> colonne_intestazione(std::string_view r,
                                                                      Dialetto d) {
    std::string nome;
    {
        CursoreCelle c(r, d.separatore);
        bool numeri = true;
        while (c.prossima(nome)) {
            std::string t = senza_spazi(nome);
            std::replace(t.begin(), t.end(), d.decimale, '.');
            numeri = numeri && (t.empty() || is_numeric(t));
        }
        if (!c.errore().empty()) rifiuta("intestazione illeggibile: " + c.errore());
        if (numeri)
            rifiuta("manca l'intestazione: la prima riga deve dare i nomi delle colonne "
                    "(id, forma, formato, H, deff, …)");
    }
    std::vector<std::pair<std::size_t, std::size_t>> colonne;
    CursoreCelle c(r, d.separatore);
    while (c.prossima(nome)) {
        nome = senza_spazi(nome);
        if (nome.empty()) continue; // a spreadsheet's trailing separators
        const auto k = colonna_ingresso(nome);
        if (!k) {
            std::string ammesse;
            for (const ColonnaIngresso& i : colonne_ingresso)
                ammesse += (ammesse.empty() ? "" : ", ") + std::string(i.nome);
            rifiuta("colonna " + std::to_string(c.posizione() + 1) + " sconosciuta: «" + nome +
                    "»; le colonne ammesse sono " + ammesse);
        }
        if (std::any_of(colonne.begin(), colonne.end(),
                        [&](const auto& x) { return x.second == *k; }))
            rifiuta("colonna «" + std::string(colonne_ingresso[*k].nome) + "» ripetuta");
        colonne.emplace_back(c.posizione(), *k);
    }
    if (std::none_of(colonne.begin(), colonne.end(), [](const auto& x) { return x.second == 0; }))
        rifiuta("manca la colonna «id», l'identificativo di ogni caso");
    return colonne;
}

// The data rows of the table one by one, blank rows left out.
class RigheDati {
  public:
    RigheDati(const OpzioniLotto& o, const TabellaLotto& t)
        : o_(o), t_(t), l_(o.ingresso, t.codifica) {
        if (!l_.prossimo(r_)) illeggibile(o_); // the header, read already once
    }
    bool prossima() {
        while (l_.prossimo(r_)) {
            riga_ = esamina_riga(t_, r_.testo);
            if (!riga_.leggibile || !riga_.vuota) return true;
        }
        if (l_.errore()) illeggibile(o_);
        return false;
    }
    const Record& record() const { return r_; }
    const RigaTabella& riga() const { return riga_; }

  private:
    const OpzioniLotto& o_;
    const TabellaLotto& t_;
    LettoreRecord l_;
    Record r_;
    RigaTabella riga_;
};

// An id seen twice is named with the rows of both: the ids whose fingerprint came twice are
// looked at again, in a pass of their own, and compared whole.
void ripetuti(const OpzioniLotto& o, const TabellaLotto& t,
              const std::set<std::uint64_t>& sospetti) {
    std::map<std::string, int> visti;
    std::string elenco;
    for (RigheDati righe(o, t); elenco.size() < 400 && righe.prossima();) {
        const std::string& id = righe.riga().id;
        if (id.empty() || !sospetti.count(impronta(id))) continue;
        const auto [primo, nuovo] = visti.emplace(id, righe.record().riga);
        if (!nuovo)
            elenco += (elenco.empty() ? "" : "; ") + std::string("«") + id + "» alle righe " +
                      std::to_string(primo->second) + " e " + std::to_string(righe.record().riga);
    }
    if (!elenco.empty()) rifiuta("identificativi ripetuti: " + elenco);
}

// A path with its links and "." and ".." resolved as far as it exists.
fs::path risolto(const fs::path& p) {
    std::error_code ec;
    fs::path r = fs::weakly_canonical(p, ec);
    return ec ? fs::absolute(p, ec).lexically_normal() : r;
}

// The files the rows would write, checked one by one against the files no row may write: the
// input table and the results file, each where a link would lead; and the links among the
// rows' files, against each other and the files of the other rows.
class Destinazioni {
  public:
    explicit Destinazioni(const OpzioniLotto& o) {
        if (!o.relazioni.empty())
            cartelle_.push_back({o.relazioni, risolto(o.relazioni), {".txt"}});
        if (!o.documenti.empty())
            cartelle_.push_back({o.documenti, risolto(o.documenti), {".pdf", ".dxf", ".csv"}});
        protetti_.push_back({risolto(o.ingresso), "la tabella d'ingresso " + o.ingresso.string()});
        if (o.uscita.empty()) return;
        protetti_.push_back({risolto(o.uscita), "il file dei risultati " + o.uscita.string()});
        for (const Cartella& c : cartelle_)
            if (c.risolta == protetti_.back().file)
                conflitto("il file dei risultati " + o.uscita.string() + " è la cartella " +
                          c.data.string());
    }

    void controlla(const std::string& id, int riga) {
        if (cartelle_.empty()) return;
        const std::string nome = nomi_.nome(id);
        for (const Cartella& c : cartelle_)
            for (const std::string& finale : c.finali) {
                const fs::path file = c.risolta / (nome + finale);
                const std::string detto = (c.data / (nome + finale)).string();
                fs::path dove = file;
                struct stat st {};
                if (::lstat(file.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
                    dove = risolto(bersaglio_collegamento(file));
                    collegamenti_.push_back({detto, dove, riga});
                }
                for (const Protetto& p : protetti_)
                    if (dove == p.file)
                        conflitto("riga " + std::to_string(riga) + ": il caso «" + id +
                                  "» scriverebbe " + detto + ", che è " + p.cosa);
            }
    }

    // Throws the first conflict found.
    void concludi() {
        std::sort(collegamenti_.begin(), collegamenti_.end(),
                  [](const auto& a, const auto& b) { return a.dove < b.dove; });
        for (std::size_t i = 0; i < collegamenti_.size(); ++i) {
            const Collegamento& l = collegamenti_[i];
            if (i > 0 && collegamenti_[i - 1].dove == l.dove)
                conflitto(collegamenti_[i - 1].detto + " e " + l.detto +
                          " sono collegamenti allo stesso file " + l.dove.string());
            for (const Cartella& c : cartelle_)
                if (l.dove.parent_path() == c.risolta &&
                    std::find(c.finali.begin(), c.finali.end(), l.dove.extension()) !=
                        c.finali.end() &&
                    nomi_.preso(l.dove.stem().string()))
                    conflitto("riga " + std::to_string(l.riga) + ": " + l.detto +
                              " è un collegamento a " + l.dove.string() +
                              ", che questo lotto scrive per un altro caso");
        }
        if (!conflitto_.empty()) rifiuta(conflitto_ + "; nessun file è stato scritto", 2);
    }

  private:
    struct Cartella {
        fs::path data, risolta; // as given, and resolved
        std::vector<std::string> finali;
    };
    struct Protetto {
        fs::path file;
        std::string cosa;
    };
    struct Collegamento {
        std::string detto;
        fs::path dove;
        int riga;
    };
    void conflitto(const std::string& perche) {
        if (conflitto_.empty()) conflitto_ = perche;
    }

    std::vector<Cartella> cartelle_;
    std::vector<Protetto> protetti_;
    std::vector<Collegamento> collegamenti_; // the rows' files that are links: few
    NomiFile nomi_;
    std::string conflitto_;
};

} // namespace

RigaTabella esamina_riga(const TabellaLotto& t, std::string_view record) {
    RigaTabella r;
    CursoreCelle c(record, t.dialetto.separatore);
    std::string cella;
    while (c.prossima(cella)) {
        r.vuota = r.vuota && vuota(cella);
        if (c.posizione() == t.posto_id) r.id = senza_spazi(cella);
    }
    r.leggibile = c.errore().empty();
    if (!r.leggibile) r.id.clear();
    return r;
}

bool celle_caso(const TabellaLotto& t, std::string_view record, std::vector<CellaCaso>& celle,
                std::string& errore) {
    CursoreCelle c(record, t.dialetto.separatore);
    std::string testo;
    std::size_t j = 0, senza_nome = 0;
    while (c.prossima(testo)) {
        const std::size_t p = c.posizione();
        while (j < t.colonne.size() && t.colonne[j].first < p)
            ++j;
        if (j < t.colonne.size() && t.colonne[j].first == p)
            celle.push_back({p, t.colonne[j].second, testo});
        else if (!vuota(testo) && senza_nome++ < MASSIMO_CELLE_SENZA_NOME)
            celle.push_back({p, SENZA_NOME, testo});
    }
    errore = c.errore();
    return errore.empty();
}

TabellaLotto esamina_tabella(const OpzioniLotto& o) {
    const auto codifica = codifica_tabella(o.ingresso);
    if (!codifica) illeggibile(o);
    TabellaLotto t;
    t.codifica = *codifica;
    {
        LettoreRecord l(o.ingresso, t.codifica);
        Record intestazione;
        if (!l.prossimo(intestazione)) {
            if (l.errore()) illeggibile(o);
            rifiuta("il file " + o.ingresso.string() + " è vuoto");
        }
        t.dialetto = dialetto_di(intestazione.testo);
        t.colonne = colonne_intestazione(intestazione.testo, t.dialetto);
    }
    t.posto_id = std::find_if(t.colonne.begin(), t.colonne.end(), [](const auto& x) {
                     return x.second == 0;
                 })->first;

    Impronte visti;
    std::set<std::uint64_t> sospetti;
    Destinazioni destinazioni(o);
    for (RigheDati righe(o, t); righe.prossima();) {
        ++t.casi;
        const std::string& id = righe.riga().id;
        if (id.empty()) continue;
        if (!visti.inserisci(impronta(id))) sospetti.insert(impronta(id));
        destinazioni.controlla(id, righe.record().riga);
    }
    if (t.casi == 0) rifiuta("la tabella ha l'intestazione ma nessun caso");
    if (!sospetti.empty()) ripetuti(o, t, sospetti);
    destinazioni.concludi();
    return t;
}

} // namespace tessaro
