// The batch run: the table checked as a whole, the rows on worker threads, the results table.
#include "batch/lotto.h"

#include "batch/caso.h"
#include "files/codifica.h"
#include "files/file_testo.h"
#include "numeric/conversioni.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace tessaro {
namespace {

// Why the table cannot be used at all.
struct TabellaRifiutata {
    std::string perche;
};

// The table read and checked: its records, dialect and the input column of each cell.
struct Tabella {
    TestoTabella testo;
    std::vector<Record> record; // the header first
    Dialetto dialetto;
    std::vector<std::size_t> colonne;
};

std::vector<std::size_t> colonne_intestazione(const Record& r, Dialetto d) {
    std::string errore;
    const auto nomi = celle(r.testo, d.separatore, errore);
    if (!nomi) throw TabellaRifiutata{"intestazione illeggibile: " + errore};
    const bool numeri = std::all_of(nomi->begin(), nomi->end(), [&](const std::string& n) {
        std::string t = senza_spazi(n);
        std::replace(t.begin(), t.end(), d.decimale, '.');
        return t.empty() || is_numeric(t);
    });
    if (numeri)
        throw TabellaRifiutata{"manca l'intestazione: la prima riga deve dare i nomi delle colonne "
                               "(id, forma, formato, H, deff, …)"};
    std::vector<std::size_t> colonne;
    for (std::size_t k = 0; k < nomi->size(); ++k) {
        const std::string nome = senza_spazi((*nomi)[k]);
        if (nome.empty()) { // a spreadsheet's trailing separators
            colonne.push_back(SENZA_NOME);
            continue;
        }
        const auto c = colonna_ingresso(nome);
        if (!c) {
            std::string ammesse;
            for (const ColonnaIngresso& i : colonne_ingresso)
                ammesse += (ammesse.empty() ? "" : ", ") + std::string(i.nome);
            throw TabellaRifiutata{"colonna " + std::to_string(k + 1) + " sconosciuta: «" + nome +
                                   "»; le colonne ammesse sono " + ammesse};
        }
        if (std::find(colonne.begin(), colonne.end(), *c) != colonne.end())
            throw TabellaRifiutata{"colonna «" + std::string(colonne_ingresso[*c].nome) +
                                   "» ripetuta"};
        colonne.push_back(*c);
    }
    if (std::find(colonne.begin(), colonne.end(), 0) == colonne.end())
        throw TabellaRifiutata{"manca la colonna «id», l'identificativo di ogni caso"};
    return colonne;
}

Tabella leggi_tabella(const std::filesystem::path& percorso) {
    std::error_code ec;
    std::ifstream in(percorso, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(percorso, ec))
        throw TabellaRifiutata{"impossibile leggere " + percorso.string()};
    const std::string byte{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) throw TabellaRifiutata{"impossibile leggere " + percorso.string()};
    Tabella t;
    t.testo = decodifica_tabella(byte);
    t.record = dividi_record(t.testo.utf8);
    if (t.record.empty()) throw TabellaRifiutata{"il file " + percorso.string() + " è vuoto"};
    t.dialetto = dialetto_di(t.record.front().testo);
    t.colonne = colonne_intestazione(t.record.front(), t.dialetto);
    // Rows of empty cells only (a spreadsheet's blank rows below the table) are no cases.
    std::erase_if(t.record, [&](const Record& r) {
        std::string errore;
        const auto c = celle(r.testo, t.dialetto.separatore, errore);
        return c && r.riga != t.record.front().riga &&
               std::all_of(c->begin(), c->end(),
                           [](const std::string& x) { return senza_spazi(x).empty(); });
    });
    if (t.record.size() == 1) throw TabellaRifiutata{"la tabella ha l'intestazione ma nessun caso"};
    return t;
}

// The id of each data row ("" when the row cannot be read); a table with an id twice is refused.
std::vector<std::string> identificativi(const Tabella& t) {
    const std::size_t k_id = static_cast<std::size_t>(
        std::find(t.colonne.begin(), t.colonne.end(), 0) - t.colonne.begin());
    std::vector<std::string> id(t.record.size() - 1);
    std::map<std::string, int> visti;
    std::string ripetuti;
    for (std::size_t i = 1; i < t.record.size(); ++i) {
        std::string errore;
        const auto c = celle(t.record[i].testo, t.dialetto.separatore, errore);
        if (!c || c->size() <= k_id) continue;
        id[i - 1] = senza_spazi((*c)[k_id]);
        if (id[i - 1].empty()) continue;
        const auto [primo, nuovo] = visti.emplace(id[i - 1], t.record[i].riga);
        if (!nuovo && ripetuti.size() < 400)
            ripetuti += (ripetuti.empty() ? "" : "; ") + std::string("«") + id[i - 1] +
                        "» alle righe " + std::to_string(primo->second) + " e " +
                        std::to_string(t.record[i].riga);
    }
    if (!ripetuti.empty()) throw TabellaRifiutata{"identificativi ripetuti: " + ripetuti};
    return id;
}

// The files of each row in a folder, created when missing: the id with every character but
// letters, digits, ".", "-" and "_" as "_", and `estensione`; a name already taken (in any
// letter case) gets "_2", "_3"… None for a folder not given.
std::vector<std::string> nomi_file(const std::filesystem::path& cartella,
                                   const std::vector<std::string>& id, const char* estensione) {
    if (cartella.empty()) return {};
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);
    if (ec || !std::filesystem::is_directory(cartella))
        throw TabellaRifiutata{"impossibile creare la cartella " + cartella.string()};
    std::vector<std::string> nomi(id.size());
    std::set<std::string> presi;
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (id[i].empty()) continue;
        std::string base;
        for (const char c : id[i])
            base += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_'
                        ? c
                        : '_';
        if (base.find_first_not_of('.') == std::string::npos) base = "_" + base;
        std::string nome = base;
        for (int n = 2; !presi.insert(maiuscole(nome)).second; ++n)
            nome = base + "_" + std::to_string(n);
        nomi[i] = (cartella / (nome + estensione)).string();
    }
    return nomi;
}

std::string numero_nel_dialetto(std::string v, const ColonnaRisultato& c, Dialetto d) {
    if (c.numero && d.decimale == ',') std::replace(v.begin(), v.end(), '.', ',');
    return v;
}

std::string intestazione_csv(Dialetto d, bool proposta) {
    std::string r;
    for (const ColonnaRisultato& c : colonne_risultato)
        r += (r.empty() ? "" : std::string(1, d.separatore)) + c.nome;
    if (proposta)
        for (const ColonnaRisultato& c : colonne_proposta)
            r += d.separatore + std::string(c.nome);
    return r + "\r\n";
}

std::string riga_csv(const EsitoCaso& e, Dialetto d, bool proposta) {
    std::string r;
    for (std::size_t k = 0; k < colonne_risultato.size(); ++k) {
        std::string v = e.valori[k];
        if (k == risultato::avvisi)
            for (const std::string& a : e.avvisi)
                v += (v.empty() ? "" : " | ") + a;
        if (k > 0) r += d.separatore;
        r += cella_csv(numero_nel_dialetto(std::move(v), colonne_risultato[k], d), d.separatore);
    }
    for (std::size_t k = 0; proposta && k < colonne_proposta.size(); ++k)
        r += d.separatore +
             cella_csv(numero_nel_dialetto(e.proposta[k], colonne_proposta[k], d), d.separatore);
    return r + "\r\n";
}

// A JSON string appended to r.
void stringa_json(std::string& r, std::string_view s) {
    r += '"';
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char* const esa = "0123456789abcdef";
            r += "\\u00";
            r += esa[(c >> 4) & 0xF];
            r += esa[c & 0xF];
        } else {
            r += c;
        }
    }
    r += '"';
}

// A value of a results column: null when empty, a number or a string.
void valore_json(std::string& r, const ColonnaRisultato& c, const std::string& v) {
    r += ", ";
    stringa_json(r, c.nome);
    r += ": ";
    if (v.empty())
        r += "null";
    else if (c.numero)
        r += v;
    else
        stringa_json(r, v);
}

std::string oggetto_json(const EsitoCaso& e, bool proposta) {
    std::string r = "{";
    for (std::size_t k = 0; k < colonne_risultato.size(); ++k) {
        const ColonnaRisultato& c = colonne_risultato[k];
        if (k) r += ", ";
        stringa_json(r, c.nome);
        r += ": ";
        const std::string& v = e.valori[k];
        if (k == risultato::avvisi) {
            r += '[';
            for (std::size_t i = 0; i < e.avvisi.size(); ++i) {
                if (i) r += ", ";
                stringa_json(r, e.avvisi[i]);
            }
            r += ']';
        } else if (v.empty() && k != risultato::id) {
            r += "null";
        } else if (c.numero) {
            r += v;
        } else {
            stringa_json(r, v);
        }
    }
    for (std::size_t k = 0; proposta && k < colonne_proposta.size(); ++k)
        valore_json(r, colonne_proposta[k], e.proposta[k]);
    r += '}';
    return r;
}

// The rows shared out to the workers one at a time, each formatted where it was computed.
class Esecuzione {
  public:
    Esecuzione(const Tabella& t, const OpzioniLotto& o, std::vector<std::string> id,
               std::vector<std::string> relazioni, std::vector<std::string> documenti)
        : t_(t), o_(o), id_(std::move(id)), relazioni_(std::move(relazioni)),
          documenti_(std::move(documenti)), righe_(id_.size()), errori_(id_.size()) {}

    void esegui(std::ostream& err) {
        const unsigned core = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t n = std::min<std::size_t>(o_.lavori ? o_.lavori : core, righe_.size());
        std::vector<std::thread> lavoratori;
        for (std::size_t i = 0; i < n; ++i)
            lavoratori.emplace_back([this] { lavora(); });
        attendi(err);
        for (std::thread& l : lavoratori)
            l.join();
    }

    std::vector<std::string> prendi_righe() { return std::move(righe_); }
    const std::vector<std::string>& errori() const { return errori_; }

  private:
    void lavora() {
        for (std::size_t i; (i = prossima_++) < righe_.size();) {
            EsitoCaso e = valuta(i);
            righe_[i] =
                o_.json ? oggetto_json(e, o_.proponi) : riga_csv(e, t_.dialetto, o_.proponi);
            if (e.fallito) errori_[i] = e.valori[risultato::errore];
            if (++fatte_ == righe_.size()) {
                std::lock_guard blocco(mutex_);
                finito_.notify_all();
            }
        }
    }

    EsitoCaso valuta(std::size_t i) const {
        const Record& r = t_.record[i + 1];
        try {
            std::string errore;
            const auto c = celle(r.testo, t_.dialetto.separatore, errore);
            if (!c)
                return caso_illeggibile(id_[i], "riga " + std::to_string(r.riga) + ": " + errore);
            const Caso caso = leggi_caso(*c, t_.colonne, t_.dialetto, r.riga, errore);
            if (!errore.empty()) return caso_illeggibile(caso.id, errore);
            return valuta_caso(caso, relazioni_.empty() ? "" : relazioni_[i],
                               documenti_.empty() ? "" : documenti_[i], o_.scrivi_documenti,
                               o_.proponi);
        } catch (const std::exception& ex) {
            return caso_illeggibile(id_[i], "riga " + std::to_string(r.riga) +
                                                ": errore interno: " + ex.what());
        }
    }

    // Waits for the workers; past the first second, a bar tells how far they are.
    void attendi(std::ostream& err) {
        using namespace std::chrono;
        const auto inizio = steady_clock::now();
        bool barra = false;
        std::unique_lock blocco(mutex_);
        while (
            !finito_.wait_for(blocco, milliseconds(200), [&] { return fatte_ == righe_.size(); })) {
            if (!o_.barra || steady_clock::now() - inizio < seconds(1)) continue;
            barra = true;
            const std::size_t fatte = fatte_, tutte = righe_.size();
            const std::size_t pieni = 40 * fatte / tutte;
            err << "\r[" << std::string(pieni, '#') << std::string(40 - pieni, '.') << "] " << fatte
                << "/" << tutte << std::flush;
        }
        if (barra)
            err << '\r' << std::string(60 + 2 * std::to_string(righe_.size()).size(), ' ') << '\r'
                << std::flush;
    }

    const Tabella& t_;
    const OpzioniLotto& o_;
    const std::vector<std::string> id_, relazioni_, documenti_;
    std::vector<std::string> righe_, errori_;
    std::atomic<std::size_t> prossima_{0}, fatte_{0};
    std::mutex mutex_;
    std::condition_variable finito_;
};

} // namespace

int esegui_lotto(const OpzioniLotto& o, std::ostream& out, std::ostream& err) {
    try {
        const Tabella t = leggi_tabella(o.ingresso);
        std::vector<std::string> id = identificativi(t);
        std::vector<std::string> relazioni = nomi_file(o.relazioni, id, ".txt");
        std::vector<std::string> documenti = nomi_file(o.documenti, id, "");
        Esecuzione esecuzione(t, o, std::move(id), std::move(relazioni), std::move(documenti));
        esecuzione.esegui(err);

        // A spreadsheet reads a CSV as UTF-8 only when it opens with the mark.
        std::string testo = !o.json && (t.testo.bom || t.testo.cp1252) ? "\xEF\xBB\xBF" : "";
        // Each row given up as soon as it is in the text: a large table is not held twice.
        std::vector<std::string> righe = esecuzione.prendi_righe();
        std::size_t lunghezza = 1024;
        for (const std::string& r : righe)
            lunghezza += r.size() + 2;
        testo.reserve(lunghezza);
        testo += o.json ? "[\n" : intestazione_csv(t.dialetto, o.proponi);
        for (std::size_t i = 0; i < righe.size(); ++i) {
            testo += righe[i];
            if (o.json) testo += i + 1 < righe.size() ? ",\n" : "\n";
            std::string().swap(righe[i]);
        }
        if (o.json) testo += "]\n";
        if (o.uscita.empty())
            out << testo << std::flush;
        else if (!sostituisci_file(o.uscita, testo))
            throw TabellaRifiutata{"impossibile scrivere " + o.uscita.string()};
        bool fallita = false;
        for (const std::string& e : esecuzione.errori())
            if (!e.empty()) {
                err << "tessaro-cli: " << e << '\n';
                fallita = true;
            }
        return fallita ? 1 : 0;
    } catch (const TabellaRifiutata& r) {
        err << "tessaro-cli: " << r.perche << '\n';
        return 1;
    } catch (const std::exception& e) { // memory or the system failing: nothing is written
        err << "tessaro-cli: " << e.what() << '\n';
        return 1;
    }
}

} // namespace tessaro
