// Cutting the report into pages: its top-level blocks and tables measured in the one-column
// layout, the places where a page may end listed, the pages filled one after the other.
#include "documents/impaginazione.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <optional>

namespace tessaro {
namespace {

constexpr double ULTIMA_MINIMA = 0.25; // of a page, what the last page must hold at least
constexpr double COLONNA = 1e8;        // height of the one page the column is laid out on

// A block or table of the document's top level, where the layout puts it.
struct Elemento {
    double alto = 0, basso = 0; // its top and bottom, document units
    bool titolo = false;        // a heading
    bool tabella = false;
    int intestazione = 0;        // a table's heading rows
    std::vector<double> confini; // a table's row boundaries: confini[r] above row r, r ≥ 1
};

// The boundary between two rows: half way between the text of one and of the other, where
// the cells' paddings and borders meet.
std::vector<double> confini(QAbstractTextDocumentLayout& l, QTextTable& t) {
    std::vector<double> c(1, 0.0);
    double sotto_prima = 0;
    for (int r = 0; r < t.rows(); ++r) {
        double sopra = 1e300, sotto = 0;
        for (int k = 0; k < t.columns(); ++k) {
            const QTextTableCell cella = t.cellAt(r, k);
            sopra = std::min(sopra, l.blockBoundingRect(cella.firstCursorPosition().block()).top());
            sotto =
                std::max(sotto, l.blockBoundingRect(cella.lastCursorPosition().block()).bottom());
        }
        if (r > 0) c.push_back((sotto_prima + sopra) / 2);
        sotto_prima = sotto;
    }
    return c;
}

std::vector<Elemento> elementi(QTextDocument& d) {
    QAbstractTextDocumentLayout& l = *d.documentLayout();
    std::vector<Elemento> v;
    for (auto it = d.rootFrame()->begin(); !it.atEnd(); ++it) {
        Elemento e;
        if (QTextFrame* f = it.currentFrame()) {
            auto* t = qobject_cast<QTextTable*>(f);
            if (!t || t->rows() == 0) continue;
            const QRectF r = l.frameBoundingRect(f);
            e.alto = r.top();
            e.basso = r.bottom();
            e.tabella = true;
            e.intestazione = t->format().headerRowCount();
            e.confini = confini(l, *t);
        } else {
            const QTextBlock b = it.currentBlock();
            if (b.text().trimmed().isEmpty()) continue; // nothing to keep or to split
            const QRectF r = l.blockBoundingRect(b);
            e.alto = r.top();
            e.basso = r.bottom();
            e.titolo = b.blockFormat().headingLevel() > 0;
        }
        v.push_back(e);
    }
    return v;
}

// A place where a page may end (at `fine`) and the next begin (at `inizio`), with the heading
// rows of the table it cuts to repeat there.
struct Taglio {
    double fine, inizio;
    std::optional<Fetta> testa;
    bool sezione = false; // before a heading that follows text: a section begins
};

std::vector<Taglio> tagli(const std::vector<Elemento>& v) {
    std::vector<Taglio> t;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Elemento& e = v[i];
        // Between the rows of a table's body, not between its heading row and its first row.
        const std::optional<Fetta> testa =
            e.intestazione > 0 && e.intestazione < static_cast<int>(e.confini.size())
                ? std::optional<Fetta>(
                      {e.alto, e.confini[static_cast<std::size_t>(e.intestazione)]})
                : std::nullopt;
        for (std::size_t r = static_cast<std::size_t>(e.intestazione) + 1; r < e.confini.size();
             ++r)
            t.push_back({e.confini[r], e.confini[r], testa});
        // After it, unless it is a heading.
        if (i + 1 < v.size() && !e.titolo)
            t.push_back({e.basso, v[i + 1].alto, std::nullopt, v[i + 1].titolo});
    }
    return t;
}

double altezza(const Pagina& p) {
    double h = 0;
    for (const Fetta& f : p)
        h += f.a - f.da;
    return h;
}

// The page that starts at `inizio` (under `testa`, when it goes on with a table): up to the
// last cut that fits, or the cut `obbligato`; returns the cut taken, none when the text ends.
std::optional<Taglio> riempi(Pagina& pagina, double inizio, const std::optional<Fetta>& testa,
                             double fine, double h, const std::vector<Taglio>& tagli,
                             const std::optional<Taglio>& obbligato = {}) {
    if (testa) pagina.push_back(*testa);
    const double spazio = h - altezza(pagina);
    if (!obbligato && fine - inizio <= spazio) {
        pagina.push_back({inizio, fine});
        return {};
    }
    std::optional<Taglio> scelto = obbligato;
    if (!scelto)
        for (const Taglio& t : tagli)
            if (t.fine > inizio && t.fine - inizio <= spazio) scelto = t;
    if (!scelto) scelto = Taglio{inizio + spazio, inizio + spazio, std::nullopt}; // too tall
    pagina.push_back({inizio, scelto->fine});
    return scelto;
}

} // namespace

std::vector<Pagina> impagina(QTextDocument& documento, double larghezza, double h) {
    documento.setPageSize(QSizeF(larghezza, COLONNA));
    const std::vector<Elemento> v = elementi(documento);
    if (v.empty() || !(h > 0)) return {};
    const std::vector<Taglio> t = tagli(v);
    const double fine = v.back().basso;
    std::vector<Pagina> pagine;
    std::vector<std::pair<double, std::optional<Fetta>>> inizi; // where each page starts
    double inizio = 0;
    std::optional<Fetta> testa;
    for (;;) {
        pagine.emplace_back();
        inizi.push_back({inizio, testa});
        const std::optional<Taglio> taglio = riempi(pagine.back(), inizio, testa, fine, h, t);
        if (!taglio) break;
        inizio = taglio->inizio;
        testa = taglio->testa;
    }
    // A scrap on the last page: the section it ends moves there whole, when it fits.
    if (pagine.size() < 2 || altezza(pagine.back()) >= ULTIMA_MINIMA * h) return pagine;
    const auto [da, sua_testa] = inizi[inizi.size() - 2];
    for (auto s = t.rbegin(); s != t.rend(); ++s) {
        if (s->fine <= da) break;
        if (!s->sezione || fine - s->inizio > h) continue;
        pagine.pop_back();
        pagine.back().clear();
        riempi(pagine.back(), da, sua_testa, fine, h, t, *s);
        pagine.push_back({{s->inizio, fine}});
        break;
    }
    return pagine;
}

} // namespace tessaro
