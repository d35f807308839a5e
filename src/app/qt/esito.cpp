// The state of the case in the window.
#include "app/qt/esito.h"

#include "app/qt/campo_testo.h"
#include "app/qt/righe.h"

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QColor VERDE(0, 110, 0), AMBRA(170, 95, 0), ROSSO(128, 0, 0), GRIGIO(110, 110, 110),
    GRIGIO_CHIARO(150, 150, 150);

void colore_testo(QWidget& w, QPalette::ColorRole ruolo, const QColor& colore) {
    if (w.palette().color(ruolo) == colore) return;
    QPalette p = w.palette();
    p.setColor(ruolo, colore);
    w.setPalette(p);
}

void testo(QLabel& l, const QString& t) {
    if (l.text() != t) l.setText(t);
}

// The inputs that cannot be read: a red frame and the reason as tooltip; the others plain. The
// field being typed in is framed only when left: a number being typed is not yet one.
void ingressi(const StatoCaso& s, Controlli& c) {
    std::vector<QLineEdit*> tutti(c.Text1.begin(), c.Text1.end());
    tutti.push_back(c.fichiodo);
    tutti.insert(tutti.end(), c.Text2_5.begin(), c.Text2_5.end());
    for (QLineEdit* e : tutti) {
        const auto illegibile =
            std::find_if(s.non_validi.begin(), s.non_validi.end(),
                         [&](const CampoNonValido& i) { return c.campo(*i.grandezza) == e; });
        if (e->hasFocus() && illegibile != s.non_validi.end()) continue;
        const QString foglio = illegibile == s.non_validi.end()
                                   ? QString()
                                   : QStringLiteral("QLineEdit { border: 2px solid #c00000; }");
        const QString suggerimento = illegibile == s.non_validi.end()
                                         ? e->property(SUGGERIMENTO).toString()
                                         : QString::fromStdString(illegibile->motivo);
        if (e->styleSheet() != foglio) e->setStyleSheet(foglio);
        if (e->toolTip() != suggerimento) e->setToolTip(suggerimento);
    }
}

// Values that belong to other inputs are greyed: the result labels (whose own colours the
// model gives back at the next showing) and the result fields.
void grigi(Controlli& c, bool aggiornati) {
    if (!aggiornati) {
        for (QLabel* l : c.Label3)
            if (l) colore_testo(*l, l->foregroundRole(), GRIGIO_CHIARO);
        for (QLabel* l : c.Label4)
            if (l) colore_testo(*l, l->foregroundRole(), GRIGIO_CHIARO);
    }
    const QColor testo = aggiornati ? QApplication::palette().color(QPalette::Text) : GRIGIO_CHIARO;
    for (const Grandezza& g : grandezze)
        if (campo_di_risultato(g)) colore_testo(*c.campo(g), QPalette::Text, testo);
}

} // namespace

QLabel* striscia_esito(Controlli& c) {
    QLabel* l = etichetta("");
    l->setObjectName("esito");
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    l->setMargin(3);
    l->setAutoFillBackground(true);
    // A verdict that names a broken rule and counts the warnings runs long: it wraps within the
    // window's width, in room kept for two lines, so that no field moves when it changes.
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setFixedHeight(2 * QFontMetrics(f).lineSpacing() + 2 * (l->margin() + l->frameWidth()));
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    c.esito = l;
    return l;
}

QWidget* elenco_avvisi(Controlli& c) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(intestazione("Avvisi:"));
    auto* elenco = new QListWidget;
    elenco->setObjectName("avvisi");
    elenco->setFocusPolicy(Qt::NoFocus);
    elenco->setSelectionMode(QAbstractItemView::NoSelection);
    elenco->setWordWrap(true);
    // At least five warnings in sight; the room a larger window gives, beyond the form's own size.
    elenco->setMinimumHeight(5 * elenco->fontMetrics().lineSpacing() + 8);
    elenco->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    v->addWidget(elenco, 1);
    c.avvisi = elenco;
    return w;
}

void mostra_stato(const StatoCaso& s, Controlli& c) {
    ingressi(s, c);
    grigi(c, s.aggiornati);

    const QColor colore = s.esito == Esito::verificato || s.esito == Esito::verificato_con_chiodi
                              ? VERDE
                          : s.esito == Esito::dettagli_non_rispettati ? AMBRA
                          : s.esito == Esito::non_verificato          ? ROSSO
                                                                      : GRIGIO;
    testo(*c.esito, QString::fromStdString(s.testo_esito));
    colore_testo(*c.esito, QPalette::WindowText, colore);

    QStringList avvisi;
    for (const std::string& a : s.avvisi)
        avvisi << QString::fromStdString(a);
    QStringList mostrati;
    for (int i = 0; i < c.avvisi->count(); ++i)
        mostrati << c.avvisi->item(i)->text();
    if (mostrati != avvisi) {
        c.avvisi->clear();
        c.avvisi->addItems(avvisi);
    }
}

} // namespace tessaro
