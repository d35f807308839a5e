// The working form.
#include "app/qt/modulo.h"

#include "app/qt/cornice_verifiche.h"
#include "app/qt/cornici_dati.h"
#include "app/qt/esito.h"
#include "app/qt/righe.h"
#include "app/qt/vista_canvas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>

namespace tessaro {
namespace {

// Command1 in index order, which is also the order Tab visits them.
void comandi(Controlli& c) {
    const std::array<const char*, 11> didascalie{
        "Aggiorna", "+", "-", "Stampa", "Foro", "OK", "Annulla", "Salva", "Carica", "Help", "info"};
    for (std::size_t i = 0; i < didascalie.size(); ++i) {
        auto* b = new QPushButton(didascalie[i]);
        b->setObjectName(QString("Command1(%1)").arg(i));
        c.Command1[i] = b;
    }
}

// The directions of x and y in the plan: arrows with the axis names beside them.
QWidget* schizzo_assi(Controlli& c) {
    auto* schizzo = new QWidget;
    auto* g = new QGridLayout(schizzo);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(0);
    const auto asse = [](const char* nome) {
        QLabel* l = etichetta("");
        l->setObjectName(nome);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(16);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        l->setFont(f);
        return l;
    };
    c.Label8 = asse("Label8");
    c.Label9 = asse("Label9");
    c.Label6 = asse("Label6");
    c.Label10 = asse("Label10");
    g->addWidget(c.Label8, 0, 0);
    g->addWidget(c.Label9, 1, 0);
    g->addWidget(c.Label6, 2, 1);
    g->addWidget(c.Label10, 2, 2);
    return schizzo;
}

// The plan takes the room the window gives it; its axis sketch and zoom buttons stay below.
QLayout* pianta(const Canvas& Pic, Controlli& c) {
    auto* v = new QVBoxLayout;
    c.Pic = new VistaCanvas(Pic);
    c.Pic->setObjectName("Pic");
    v->addWidget(c.Pic, 1);
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(schizzo_assi(c));
    sotto->addStretch();
    for (QPushButton* b : {c.Command1[1], c.Command1[2]}) {
        b->setFixedWidth(36);
        sotto->addWidget(b);
    }
    v->addLayout(sotto);
    return v;
}

// Frames at their own height, one under the other; the room below stays empty.
QLayout* colonna(std::initializer_list<QWidget*> cornici) {
    auto* v = new QVBoxLayout;
    for (QWidget* w : cornici)
        v->addWidget(w);
    v->addStretch(1);
    return v;
}

} // namespace

QWidget* modulo(const Canvas& Pic, Controlli& c, QWidget* genitore) {
    auto* m = new QWidget(genitore);
    m->setObjectName("modulo");
    c.modulo = m;
    comandi(c);
    // Frames are built in the order Tab visits their fields: left to right, top to bottom. The
    // inputs keep their size; a taller window makes the plan larger (and as much wider), the
    // rest of the room goes to the checks and the warnings.
    auto* h = new QHBoxLayout;
    h->addLayout(colonna({cornice_pilastro(c), cornice_posizione(c), cornice_sollecitazioni(c)}));
    h->addLayout(colonna({cornice_soletta(c), cornice_materiali(c)}));
    auto* terza = new QVBoxLayout;
    terza->addWidget(cornice_primo_perimetro(c), 0, Qt::AlignLeft);
    terza->addLayout(pianta(Pic, c), 1);
    h->addLayout(terza);
    auto* quarta = new QVBoxLayout;
    quarta->addWidget(cornice_verifiche(c));
    quarta->addWidget(elenco_avvisi(c), 1);
    h->addLayout(quarta, 1);

    auto* bottoni = new QHBoxLayout;
    c.proponi = new QPushButton("Proponi");
    c.proponi->setObjectName("proponi");
    c.proponi->setToolTip("Proponi armatura: le disposizioni di chiodi più leggere (Ctrl+R)");
    for (const int i : {0, 3, 4, 7, 8, 9, 10}) {
        bottoni->addWidget(c.Command1[static_cast<std::size_t>(i)]);
        if (i == 0) bottoni->addWidget(c.proponi); // beside "Aggiorna"
    }
    bottoni->addStretch();
    for (const int i : {5, 6})
        bottoni->addWidget(c.Command1[static_cast<std::size_t>(i)]);

    for (QPushButton* b : c.Command1)
        c.ordine_tab.push_back(b);
    c.ordine_tab.push_back(c.proponi);

    auto* v = new QVBoxLayout(m);
    v->addWidget(striscia_esito(c));
    v->addLayout(h);
    v->addLayout(bottoni);
    return m;
}

} // namespace tessaro
