// The window "tessaro".
#include "app/qt/finestra_tessaro.h"

#include "app/qt/campo_testo.h"
#include "app/qt/dialogo_proposta.h"
#include "app/qt/documenti.h"
#include "app/qt/esito.h"
#include "app/qt/finestra_pianta.h"
#include "app/qt/modulo.h"
#include "app/qt/mostra.h"
#include "app/qt/pannello_foro.h"
#include "app/qt/splash.h"
#include "app/qt/vista_canvas.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

namespace tessaro {
namespace {

// Below this the window is of no use; the form scrolls inside it from its own size down.
constexpr QSize MINIMO(400, 300);
// Of the free screen a first start takes this share, never less than the whole form.
constexpr double QUOTA_SCHERMO = 0.85;

} // namespace

QRect geometria_iniziale(const QRect& schermo, QSize modulo, const QMargins& cornice) {
    const QSize bordi(cornice.left() + cornice.right(), cornice.top() + cornice.bottom());
    const QSize spazio = schermo.size() - bordi; // what the window's frame leaves free
    const QSize dimensione =
        (spazio * QUOTA_SCHERMO).expandedTo(modulo).boundedTo(spazio).expandedTo(MINIMO);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dimensione + bordi, schermo)
        .marginsRemoved(cornice);
}

FinestraTessaro::FinestraTessaro()
    : piattaforma_(
          *this, twips_, [this] { mostra(); }, [this](bool lavoro) { a_lavoro(lavoro); }),
      modello_(piattaforma_, misura_) {
    barra_ = barra_menu(azioni_, this);
    QWidget* m = modulo(modello_.Pic, c_, nullptr);
    // On a screen smaller than the form (a laptop at 200 %), the form scrolls.
    scorrimento_ = new QScrollArea;
    scorrimento_->setObjectName("scorrimento");
    scorrimento_->setFrameShape(QFrame::NoFrame);
    scorrimento_->setWidgetResizable(true);
    scorrimento_->setWidget(m);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->setMenuBar(barra_);
    v->addWidget(scorrimento_);
    pannello_foro(c_)->setParent(this);
    c_.Picture3 = new Splash(modello_.Picture3, twips_, this);
    c_.Picture3->setObjectName("Picture3");
    for (std::size_t i = 1; i < c_.ordine_tab.size(); ++i)
        setTabOrder(c_.ordine_tab[i - 1], c_.ordine_tab[i]);
    collega();
    const bool si = QSettings().value(CHIAVE_UNITA).toString() == QStringLiteral("SI");
    modello_.sistema = si ? Sistema::SI : Sistema::tecnico;
    (si ? azioni_.unita_si : azioni_.unita_tecniche)->setChecked(true);

    // The working size of the window in twips is the menu bar over the form laid out at its
    // natural size, with the captions the model gives its labels from the start: the scale of
    // the splash, of the growth and of the farewell.
    mostra();
    m->ensurePolished();
    const QSize naturale = m->sizeHint().expandedTo(m->minimumSizeHint());
    twips_ = Twips(naturale + QSize(0, barra_->sizeHint().height()));

    modello_.Form_Load();
    mostra();
}

// The widgets go before the model they show: none of them may reach it while it is destroyed.
FinestraTessaro::~FinestraTessaro() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// Disabling or hiding the field that has the focus moves the focus on as a Tab would; that
// is the program's doing, not the user leaving the field.
void FinestraTessaro::mostra() {
    const QScopedValueRollback<bool> in_corso(mostrando_, true);
    tessaro::mostra(modello_, twips_, c_, *this);
    mostra_stato(stato_caso(modello_), c_);
    // The menu works on the form: not while the splash or the farewell hides it.
    const bool al_lavoro = c_.modulo->isEnabled();
    for (QAction* a : barra_->findChildren<QAction*>())
        if (a->isEnabled() != al_lavoro) a->setEnabled(al_lavoro);
    if (pianta_) {
        if (!al_lavoro) pianta_->hide();
        pianta_->vista().update(); // the plan window follows every recalculation
    }
}

void FinestraTessaro::a_lavoro(bool lavoro) {
    QSettings impostazioni;
    if (!lavoro) {
        impostazioni.setValue(CHIAVE_GEOMETRIA, saveGeometry());
        return;
    }
    setMinimumSize(MINIMO);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A place on a screen no longer there is moved onto this one by Qt; none kept: the screen.
    if (restoreGeometry(impostazioni.value(CHIAVE_GEOMETRIA).toByteArray())) return;
    // The whole form with the menu bar as laid out on this screen.
    const QSize modulo = scorrimento_->widget()->sizeHint() + size() - scorrimento_->size();
    const QRect dentro = geometry(), fuori = frameGeometry();
    const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                           fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
    setGeometry(geometria_iniziale(screen()->availableGeometry(), modulo, cornice));
}

void FinestraTessaro::unita(Sistema s) {
    (s == Sistema::SI ? azioni_.unita_si : azioni_.unita_tecniche)->setChecked(true);
    QSettings().setValue(CHIAVE_UNITA, s == Sistema::SI ? "SI" : "tecniche");
    if (modello_.sistema == s) return;
    modello_.sistema = s;
    // The plan prints its dimensions as it is drawn: current results are drawn again from the
    // same inputs; stale ones keep their plan until the next recalculation.
    if (stato_caso(modello_).aggiornati)
        esegui([this] { modello_.Command1_Click(0); });
    else
        mostra();
}

FinestraPianta& FinestraTessaro::apri_pianta() {
    if (!pianta_)
        pianta_ = new FinestraPianta(
            modello_, twips_, [this] { dxf(); }, this);
    pianta_->show();
    pianta_->raise();
    pianta_->activateWindow();
    return *pianta_;
}

void FinestraTessaro::comando(int Index) {
    esegui([this, Index] { modello_.Command1_Click(Index); });
}

void FinestraTessaro::relazione() {
    esegui([this] { modello_.Text1_LostFocus(indice(Dato::deff)); });
    QSettings impostazioni;
    relazione_pdf(modello_, piattaforma_, impostazioni, this);
}

void FinestraTessaro::dxf() {
    esegui([this] { modello_.Text1_LostFocus(indice(Dato::deff)); });
    esporta_dxf_e_distinta(modello_, piattaforma_);
}

void FinestraTessaro::proponi() {
    esegui([this] { modello_.Text1_LostFocus(indice(Dato::deff)); });
    Proposta p;
    esegui([&p, this] { p = cerca_proposta(modello_, this); });
    DialogoProposta dialogo(std::move(p), modello_.sistema, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    digita_disposizione(c_, dialogo.scelta(), modello_.sistema);
    comando(0); // "Aggiorna"
}

template <class Gestore> void FinestraTessaro::esegui(Gestore&& gestore) {
    ++gestori_in_corso_;
    gestore();
    --gestori_in_corso_;
    mostra();
    if (gestori_in_corso_ == 0 && chiusura_rinviata_) {
        chiusura_rinviata_ = false;
        close();
    }
}

void FinestraTessaro::collega() {
    Tessaro& f = modello_;
    // What is typed in the view's unit system reaches the model with the point moved back.
    for (const Grandezza& g : grandezze) {
        if (g.controllo.tipo == Controllo::Tipo::Label3) continue;
        const auto nel_modello = [&f, &g](const QString& t) {
            return da_sistema(t.toStdString(), g.unita, f.sistema);
        };
        if (g.controllo.tipo == Controllo::Tipo::fichiodo) {
            connect(c_.fichiodo, &QLineEdit::textEdited, this, [this, nel_modello](const QString& t) {
                esegui([this, testo = nel_modello(t)] { modello_.imposta_fichiodo(testo); });
            });
            continue;
        }
        // Typing only changes the model's text, and shows that the results no longer belong
        // to the inputs; leaving a field of Text1 recalculates.
        connect(c_.campo(g), &QLineEdit::textEdited, this,
                [this, &f, &g, nel_modello](const QString& t) {
                    f.campo(g).Text = nel_modello(t);
                    mostra();
                });
        if (g.controllo.tipo != Controllo::Tipo::Text1) continue;
        c_.Text1[static_cast<std::size_t>(g.controllo.indice)]->lasciato = [this, &g] {
            if (!mostrando_) esegui([this, &g] { modello_.Text1_LostFocus(g.controllo.indice); });
        };
    }

    connect(c_.Option1[0]->group(), &QButtonGroup::idClicked, this,
            [this](int i) { esegui([this, i] { modello_.imposta_Option1(i, true); }); });
    connect(c_.Option3[0]->group(), &QButtonGroup::idClicked, this,
            [this](int i) { esegui([this, i] { modello_.imposta_Option3(i, true); }); });

    for (std::size_t i = 0; i < c_.Command1.size(); ++i)
        connect(c_.Command1[i], &QPushButton::clicked, this,
                [this, i] { comando(static_cast<int>(i)); });
    const AzioniMenu& a = azioni_;
    for (const auto& [azione, Index] : {std::pair{a.carica, 8},
                                        {a.salva, 7},
                                        {a.stampa, 3},
                                        {a.ingrandisci, 1},
                                        {a.riduci, 2},
                                        {a.manuale, 9},
                                        {a.informazioni, 10}})
        connect(azione, &QAction::triggered, this, [this, i = Index] { comando(i); });
    connect(a.esci, &QAction::triggered, this, &QWidget::close);
    connect(a.pianta_grande, &QAction::triggered, this, [this] { apri_pianta(); });
    connect(a.relazione_pdf, &QAction::triggered, this, &FinestraTessaro::relazione);
    connect(a.esporta_dxf, &QAction::triggered, this, &FinestraTessaro::dxf);
    connect(a.proponi, &QAction::triggered, this, &FinestraTessaro::proponi);
    connect(c_.proponi, &QPushButton::clicked, this, &FinestraTessaro::proponi);
    for (const auto& [azione, sistema] :
         {std::pair{a.unita_tecniche, Sistema::tecnico}, {a.unita_si, Sistema::SI}})
        connect(azione, &QAction::triggered, this, [this, s = sistema] { unita(s); });
    c_.Pic->doppio_clic = [this] { apri_pianta(); };

    for (std::size_t i = 0; i < c_.Command2.size(); ++i)
        connect(c_.Command2[i], &QPushButton::clicked, this,
                [this, i] { esegui([this, i] { modello_.Command2_Click(static_cast<int>(i)); }); });

    c_.Picture3->cliccato = [this] { esegui([this] { modello_.Picture3_MouseUp(); }); };
    connect(&piattaforma_.Timer1(), &QTimer::timeout, this,
            [this] { esegui([this] { modello_.Timer1_Timer(); }); });
}

void FinestraTessaro::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (gestori_in_corso_ > 0) {
        chiusura_rinviata_ = true;
        return;
    }
    if (modello_.Timer1_Enabled) return; // the farewell is on screen; the end is a tick away
    bool rifiutata = true;
    esegui([&] { rifiutata = modello_.Form_QueryUnload(); });
    e->setAccepted(!rifiutata);
}

} // namespace tessaro
