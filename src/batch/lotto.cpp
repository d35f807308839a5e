// The batch run: the table examined whole, then its rows read one by one, evaluated on worker
// threads a bounded window ahead of the writer, and written in input order.
#include "batch/lotto.h"

#include "batch/esame_tabella.h"
#include "batch/nomi_file.h"
#include "batch/risultati.h"
#include "files/sostituzione_file.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t RIGHE_PER_LAVORO = 64;   // rows in flight for each worker thread
constexpr std::size_t BYTE_IN_VOLO = 16 << 20; // input bytes in flight, unless one row is more
constexpr std::size_t BLOCCO_USCITA = 1 << 16; // results bytes gathered before a write
constexpr const char* SOSTITUITI =
    "la riga ha byte che nella codifica Windows-1252 non sono caratteri: sostituiti da «\uFFFD»";

// Where the results go: the replacement of the results file, or the program's output.
class UscitaRisultati {
  public:
    UscitaRisultati(const fs::path& file, std::ostream& out) : out_(out) {
        if (!file.empty()) file_.emplace(file);
        buona_ = !file_ || file_->scrivi({});
    }
    bool buona() const { return buona_; }
    bool terminale() const { return file_ && file_->terminale(); }
    void scrivi(std::string_view byte) {
        blocco_ += byte;
        if (blocco_.size() >= BLOCCO_USCITA) svuota();
    }
    bool concludi() {
        svuota();
        if (file_) return buona_ && file_->concludi();
        out_.flush();
        return buona_;
    }

  private:
    void svuota() {
        if (file_)
            buona_ = file_->scrivi(blocco_);
        else
            buona_ = static_cast<bool>(
                out_.write(blocco_.data(), static_cast<std::streamsize>(blocco_.size())));
        blocco_.clear();
    }
    std::optional<SostituzioneFile> file_;
    std::ostream& out_;
    std::string blocco_;
    bool buona_ = true;
};

// A bar on the error stream that tells how far the rows are, past the first second.
class Barra {
  public:
    Barra(std::ostream& err, bool attiva, std::size_t tutte)
        : err_(err), attiva_(attiva), tutte_(tutte) {}
    ~Barra() { cancella(); }
    void mostra(std::size_t fatte) {
        if (!attiva_ || std::chrono::steady_clock::now() - inizio_ < std::chrono::seconds(1))
            return;
        fatte = std::min(fatte, tutte_);
        const std::size_t pieni = 40 * fatte / tutte_;
        err_ << "\r[" << std::string(pieni, '#') << std::string(40 - pieni, '.') << "] " << fatte
             << "/" << tutte_ << std::flush;
        mostrata_ = true;
    }
    void cancella() {
        if (mostrata_)
            err_ << '\r' << std::string(60 + 2 * std::to_string(tutte_).size(), ' ') << '\r'
                 << std::flush;
        mostrata_ = false;
    }

  private:
    std::ostream& err_;
    const bool attiva_;
    const std::size_t tutte_;
    const std::chrono::steady_clock::time_point inizio_ = std::chrono::steady_clock::now();
    bool mostrata_ = false;
};

// A row handed to a worker.
struct Lavoro {
    std::size_t indice = 0; // in input order, 0 the first data row
    Record record;
    std::string id, nome; // the row's id and the base name of its files ("" when none)
};

// A row's results, formatted where it was computed.
struct Uscita {
    std::string testo;    // its row of the results table
    std::string errore;   // its error, "" when none
    std::size_t byte = 0; // the length of its record, in flight until it is written
};

// The rows read one at a time by the worker that takes them, in input order, at most a window
// ahead of the writer; the results wait in the window until the rows before them are written.
class Esecuzione {
  public:
    Esecuzione(const TabellaLotto& t, const OpzioniLotto& o)
        : t_(t), o_(o), lettore_(o.ingresso, t.codifica) {
        Record intestazione;
        if (!lettore_.prossimo(intestazione))
            throw LottoRifiutato{"impossibile leggere " + o.ingresso.string()};
    }

    // Evaluates every row on n threads and hands each row's results to `scrivi`, in input
    // order. Throws LottoRifiutato when the run cannot go on (a thread not started, memory
    // run out, the table not read).
    template <class Scrivi> void esegui(std::size_t n, Barra& barra, Scrivi&& scrivi) {
        finestra_.resize(RIGHE_PER_LAVORO * n);
        Lavoratori lavoratori(*this);
        try {
            for (std::size_t i = 0; i < n; ++i)
                lavoratori.thread.emplace_back([this] { lavora(); });
        } catch (const std::system_error& e) {
            ferma("impossibile avviare i thread di calcolo: " + std::string(e.what()));
        }
        for (std::vector<Uscita> pronte; prossime_uscite(barra, pronte);)
            for (const Uscita& u : pronte)
                if (!scrivi(u)) {
                    ferma({});
                    break;
                }
        lavoratori.unisci();
        if (!guasto_.empty()) throw LottoRifiutato{guasto_};
    }

  private:
    // The workers stopped and joined however the run ends.
    struct Lavoratori {
        Esecuzione& e;
        std::vector<std::thread> thread;
        explicit Lavoratori(Esecuzione& es) : e(es) {}
        ~Lavoratori() { unisci(); }
        void unisci() {
            e.ferma({});
            for (std::thread& t : thread)
                if (t.joinable()) t.join();
        }
    };

    // Ends the run: the workers take no more rows, the writer writes no more.
    void ferma(const std::string& perche) {
        std::lock_guard blocco(mutex_);
        if (guasto_.empty()) guasto_ = perche;
        fermo_ = true;
        lavoro_.notify_all();
        scrittore_.notify_all();
    }

    void lavora() {
        try {
            for (;;) { // a row's record goes with it: a long one is not kept while waiting
                Lavoro l;
                if (!prendi(l)) return;
                consegna(l.indice, valuta(l));
            }
        } catch (const std::bad_alloc&) {
            ferma("memoria esaurita");
        } catch (const std::exception& e) {
            ferma(e.what());
        }
    }

    // The next row, when the window has room for it.
    bool prendi(Lavoro& l) {
        std::unique_lock blocco(mutex_);
        const auto posto = [&] {
            return fermo_ || letto_tutto_ ||
                   (lette_ < scritte_ + finestra_.size() &&
                    (byte_in_volo_ < BYTE_IN_VOLO || lette_ == scritte_));
        };
        if (!posto()) {
            ++in_attesa_; // the writer is told when it is all that can free room
            if (da_scrivere()) scrittore_.notify_one();
            lavoro_.wait(blocco, posto);
            --in_attesa_;
        }
        if (fermo_ || letto_tutto_) return false;
        RigaTabella riga;
        do {
            if (!lettore_.prossimo(l.record)) {
                if (lettore_.errore() && guasto_.empty())
                    guasto_ = "impossibile leggere " + o_.ingresso.string();
                letto_tutto_ = true;
                lavoro_.notify_all();
                scrittore_.notify_all();
                return false;
            }
            riga = esamina_riga(t_, l.record.testo);
        } while (riga.leggibile && riga.vuota);
        l.indice = lette_++;
        l.id = std::move(riga.id);
        l.nome =
            l.id.empty() || (o_.relazioni.empty() && o_.documenti.empty()) ? "" : nomi_.nome(l.id);
        byte_in_volo_ += l.record.testo.size();
        return true;
    }

    void consegna(std::size_t indice, Uscita u) {
        std::lock_guard blocco(mutex_);
        finestra_[indice % finestra_.size()] = std::move(u);
        ++consegnate_;
        if (da_scrivere()) scrittore_.notify_one();
    }

    // Whether the writer has work: the run stopped or ended, or the next row in order ready
    // with half a window behind it, or with every row taken so far (the workers wait for room,
    // or the table is read to its end). Rows are written in runs, so that the writer and the
    // workers do not wake each other at every row.
    bool da_scrivere() const {
        if (fermo_ || (letto_tutto_ && scritte_ == lette_)) return true;
        if (!finestra_[scritte_ % finestra_.size()]) return false;
        return consegnate_ - scritte_ >= finestra_.size() / 2 ||
               (consegnate_ == lette_ && (letto_tutto_ || in_attesa_ > 0));
    }

    // The results of the next rows in input order that are computed; false when every row was
    // written or the run was stopped.
    bool prossime_uscite(Barra& barra, std::vector<Uscita>& pronte) {
        pronte.clear();
        std::unique_lock blocco(mutex_);
        while (!scrittore_.wait_for(blocco, std::chrono::milliseconds(200),
                                    [&] { return da_scrivere(); }))
            barra.mostra(scritte_);
        if (fermo_) return false;
        for (auto* posto = &finestra_[scritte_ % finestra_.size()]; *posto;
             posto = &finestra_[scritte_ % finestra_.size()]) {
            byte_in_volo_ -= (*posto)->byte;
            pronte.push_back(std::move(**posto));
            posto->reset();
            ++scritte_;
        }
        if (in_attesa_ > 0) lavoro_.notify_all();
        return !pronte.empty();
    }

    Uscita valuta(const Lavoro& l) const {
        EsitoCaso e = caso(l);
        if (l.record.sostituiti) e.avvisi.push_back(SOSTITUITI);
        Uscita u;
        u.testo = o_.json ? oggetto_json(e, o_.proponi) : riga_csv(e, t_.dialetto, o_.proponi);
        if (e.fallito) u.errore = e.valori[risultato::errore];
        u.byte = l.record.testo.size();
        return u;
    }

    EsitoCaso caso(const Lavoro& l) const {
        const Record& r = l.record;
        try {
            std::vector<CellaCaso> celle;
            std::string errore;
            if (!celle_caso(t_, r.testo, celle, errore))
                return caso_illeggibile(l.id, "riga " + std::to_string(r.riga) + ": " + errore);
            Caso caso = leggi_caso(celle, t_.dialetto, r.riga, errore);
            caso.sistema = o_.sistema;
            if (!errore.empty()) return caso_illeggibile(caso.id, errore);
            const auto file = [&](const fs::path& cartella, const char* finale) {
                return cartella.empty() || l.nome.empty() ? std::string()
                                                          : (cartella / (l.nome + finale)).string();
            };
            return valuta_caso(caso, file(o_.relazioni, ".txt"), file(o_.documenti, ""),
                               o_.scrivi_documenti, o_.proponi);
        } catch (const std::bad_alloc&) {
            throw; // the run ends
        } catch (const std::exception& ex) {
            return caso_illeggibile(l.id, "riga " + std::to_string(r.riga) +
                                              ": errore interno: " + ex.what());
        }
    }

    const TabellaLotto& t_;
    const OpzioniLotto& o_;
    LettoreRecord lettore_;
    NomiFile nomi_;
    std::vector<std::optional<Uscita>> finestra_;
    std::size_t lette_ = 0, consegnate_ = 0, scritte_ = 0, byte_in_volo_ = 0, in_attesa_ = 0;
    bool letto_tutto_ = false, fermo_ = false;
    std::string guasto_;
    std::mutex mutex_;
    std::condition_variable lavoro_, scrittore_;
};

} // namespace

int esegui_lotto(const OpzioniLotto& o, std::ostream& out, std::ostream& err) {
    try {
        const TabellaLotto t = esamina_tabella(o);
        for (const fs::path& cartella : {o.relazioni, o.documenti}) {
            if (cartella.empty()) continue;
            std::error_code ec;
            fs::create_directories(cartella, ec);
            if (ec || !fs::is_directory(cartella))
                throw LottoRifiutato{"impossibile creare la cartella " + cartella.string()};
            rimuovi_temporanei_abbandonati(cartella);
        }
        if (!o.uscita.empty())
            rimuovi_temporanei_abbandonati(o.uscita.has_parent_path() ? o.uscita.parent_path()
                                                                      : fs::path("."));
        UscitaRisultati uscita(o.uscita, out);
        const auto non_scritti = [&] {
            return LottoRifiutato{"impossibile scrivere " +
                                  (o.uscita.empty() ? "i risultati" : o.uscita.string())};
        };
        if (!uscita.buona()) throw non_scritti();
        // A spreadsheet reads a CSV as UTF-8 only when it opens with the mark.
        if (!o.json && (t.codifica.bom || t.codifica.cp1252)) uscita.scrivi("\xEF\xBB\xBF");
        uscita.scrivi(o.json ? "[\n" : intestazione_csv(t.dialetto, o.proponi));

        const unsigned core = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t lavori =
            std::min<std::size_t>({o.lavori ? o.lavori : core, MASSIMO_LAVORI, t.casi});
        Barra barra(err, o.barra && !uscita.terminale(), t.casi);
        bool fallita = false, prima = true;
        Esecuzione(t, o).esegui(lavori, barra, [&](const Uscita& u) {
            if (o.json && !prima) uscita.scrivi(",\n");
            prima = false;
            uscita.scrivi(u.testo);
            if (!u.errore.empty()) {
                barra.cancella();
                err << "tessaro-cli: " << u.errore << '\n';
                fallita = true;
            }
            return uscita.buona();
        });
        if (o.json) uscita.scrivi("\n]\n");
        if (!uscita.concludi()) throw non_scritti();
        return fallita ? 1 : 0;
    } catch (const LottoRifiutato& r) {
        err << "tessaro-cli: " << r.perche << '\n';
        return r.stato;
    } catch (const std::bad_alloc&) { // nothing is written
        err << "tessaro-cli: memoria esaurita\n";
        return 1;
    } catch (const std::exception& e) {
        err << "tessaro-cli: " << e.what() << '\n';
        return 1;
    }
}

} // namespace tessaro
