// The frame "VERIFICHE:".
#include "app/qt/cornice_verifiche.h"

#include "app/qt/campo_testo.h"
#include "app/qt/righe.h"

#include <QVBoxLayout>

namespace tessaro {
namespace {

struct Risultato {
    const char* didascalia;
    int Label3;
    int Label4 = -1; // unit or verdict beside the value, -1 when none
};

void risultati(QGridLayout& g, int riga, std::initializer_list<Risultato> righe, Controlli& c) {
    for (const Risultato& r : righe)
        riga_risultato(g, riga++, QString::fromUtf8(r.didascalia), r.Label3, r.Label4, c);
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
              {{"(v min     =", 5, 5},
               {"τrdc      =", 0, 0},
               {"Vrd,c     =", 1, 1},
               {"Veff'      =", 8, 8},
               {"βu0       =", 17},
               {"τr,max  =", 2, 2},
               {"Vrd,max =", 3, 3}},
              c);
    // The verdicts come later and in bold: the form is laid out with room for the longest.
    QFont grassetto = c.Label4[1]->font();
    grassetto.setBold(true);
    const int verdetto = QFontMetrics(grassetto).horizontalAdvance("kg (< Veff': !!)");
    for (const int i : {1, 3})
        c.Label4[static_cast<std::size_t>(i)]->setMinimumWidth(verdetto);
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
    QLabel* didascalia = etichetta(QString::fromUtf8("φ(mm)       ="));
    didascalia->setBuddy(fichiodo);
    g->addWidget(didascalia, 0, 0);
    g->addWidget(fichiodo, 0, 1);
    risultati(*g, 1, {{"Af (cmq)     =", 16}, {"Af,tot (cmq)=", 12}, {"Vrd,s (kg)   =", 13}}, c);
    return g;
}

QGridLayout* tralicci(Controlli& c) {
    QGridLayout* g = griglia();
    int riga = 0;
    for (const int i : {31, 30, 28, 29})
        riga_campo(*g, riga++, i, c);
    risultati(*g, riga, {{"L tral.     =", 10, 10}}, c);
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
    risultati(
        *teorica, 0,
        {{"Af (cmq)     =", 6}, {"φ(mm)       =", 7}, {"Af,tot (cmq)=", 9}, {"Vrd,s (kg)   =", 11}},
        c);
    QGridLayout* finali = griglia();
    risultati(*finali, 0, {{"β       =", 14}, {"Veff        =", 15, 9}, {"Vrd,cs    =", 4, 4}}, c);

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
