// The frame "VERIFICHE:".
#include "app/qt/cornice_verifiche.h"

#include "app/qt/campo_testo.h"
#include "app/qt/righe.h"

#include <QVBoxLayout>

namespace tessaro {
namespace {

void risultati(QGridLayout& g, int riga, std::initializer_list<Risultato> righe, Controlli& c) {
    for (const Risultato r : righe)
        riga_risultato(g, riga++, r, c);
}

// A column of rows under its heading.
QVBoxLayout* blocco(const char* titolo, QGridLayout* righe) {
    auto* v = new QVBoxLayout;
    v->addWidget(intestazione(titolo));
    v->addLayout(righe);
    v->addStretch();
    return v;
}

QGroupBox* senza_armature(Controlli& c) {
    auto* cornice = new QGroupBox("Senza armature a taglio:");
    auto* g = griglia();
    cornice->setLayout(g);
    risultati(*g, 0,
              {Risultato::vmin, Risultato::TAUrdc, Risultato::Vrdc, Risultato::Veff1,
               Risultato::beta_u0, Risultato::TAUrmax, Risultato::Vrd_max},
              c);
    // The verdicts come later and in bold: the form is laid out with room for the longest.
    QFont grassetto = c.Label4[Verdetto::Vrdc]->font();
    grassetto.setBold(true);
    const int verdetto = QFontMetrics(grassetto).horizontalAdvance("kg (< Veff': !!)");
    for (const Verdetto v : {Verdetto::Vrdc, Verdetto::Vrd_max})
        c.Label4[v]->setMinimumWidth(verdetto);
    g->setColumnStretch(2, 1);
    return cornice;
}

// The provided studs: their diameter, typed by the user, and what follows from it.
QGridLayout* colonna_effettiva(Controlli& c) {
    QGridLayout* g = griglia();
    auto* fichiodo = new CampoTesto;
    fichiodo->setObjectName("fichiodo");
    fichiodo->setFixedWidth(LARGHEZZA_CAMPO);
    c.fichiodo = fichiodo;
    c.ordine_tab.push_back(fichiodo);
    QLabel* didascalia = etichetta(QString::fromUtf8(grandezza_fichiodo().didascalia));
    c.didascalie.push_back({didascalia, &grandezza_fichiodo()});
    didascalia->setBuddy(fichiodo);
    g->addWidget(didascalia, 0, 0);
    g->addWidget(fichiodo, 0, 1);
    risultati(*g, 1, {Risultato::Af, Risultato::Aftot, Risultato::Vrds}, c);
    return g;
}

QGridLayout* tralicci(Controlli& c) {
    QGridLayout* g = griglia();
    int riga = 0;
    for (const Dato d : {Dato::N_totali, Dato::N_diag, Dato::S1, Dato::S})
        riga_campo(*g, riga++, d, c);
    risultati(*g, riga, {Risultato::L_tral}, c);
    return g;
}

QGroupBox* con_armature(Controlli& c) {
    auto* cornice = new QGroupBox("Con armature a taglio:");
    cornice->setObjectName("Frame4");
    // Hidden while no reinforcement is designed, without the frames around it moving.
    QSizePolicy politica = cornice->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    cornice->setSizePolicy(politica);
    c.Frame4 = cornice;

    // Built in the order the inputs are visited: the diameter, then the rails.
    QGridLayout* effettiva = colonna_effettiva(c);
    QGridLayout* rotaie = tralicci(c);
    QGridLayout* teorica = griglia();
    risultati(*teorica, 0,
              {Risultato::Af_teor, Risultato::fi_teor, Risultato::Aftot_teor, Risultato::Vrds_teor},
              c);
    QGridLayout* finali = griglia();
    risultati(*finali, 0, {Risultato::beta_est, Risultato::Veff1_est, Risultato::Vrdc_est}, c);

    auto* g = new QGridLayout(cornice);
    g->addLayout(blocco("Armatura teorica:", teorica), 0, 0);
    g->addLayout(blocco("Armatura effettiva:", effettiva), 0, 1);
    g->addLayout(blocco("Tralicci:", rotaie), 1, 0);
    g->addLayout(blocco("Valori finali:", finali), 1, 1);
    return cornice;
}

} // namespace

QGroupBox* cornice_verifiche(Controlli& c) {
    auto* cornice = new QGroupBox("VERIFICHE:");
    cornice->setObjectName("Frame5");
    c.Frame5 = cornice;
    auto* v = new QVBoxLayout(cornice);
    v->addWidget(senza_armature(c));
    v->addWidget(con_armature(c));
    return cornice;
}

} // namespace tessaro
