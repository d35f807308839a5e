// Rows shared by the frames of the form.
#include "app/qt/righe.h"

#include "app/qt/campo_testo.h"
#include "form/didascalie.h"

#include <QVBoxLayout>

#include <array>

namespace tessaro {
namespace {

constexpr int LARGHEZZA_VALORE = 72; // px of a result

QString nome(const char* controllo, int i) {
    return QString("%1(%2)").arg(controllo).arg(i);
}

} // namespace

QLabel* etichetta(const QString& testo, QWidget* parent) {
    auto* l = new QLabel(testo, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* intestazione(const QString& testo) {
    QLabel* l = etichetta(testo);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

void riga_campo(QGridLayout& g, int riga, Dato d, Controlli& c) {
    const Grandezza& q = grandezza(d);
    QLabel* l = etichetta(QString::fromUtf8(q.didascalia));
    c.didascalie.push_back({l, &q});
    auto* campo = new CampoTesto;
    campo->setObjectName(QString::fromStdString(nome_controllo(q.controllo)));
    campo->setFixedWidth(LARGHEZZA_CAMPO);
    l->setBuddy(campo);
    c.Text1[d] = campo;
    c.ordine_tab.push_back(campo);
    g.addWidget(l, riga, 0);
    g.addWidget(campo, riga, 1);
}

void riga_risultato(QGridLayout& g, int riga, Risultato r, Controlli& c) {
    const Grandezza& q = grandezza(r);
    QLabel* valore = etichetta("");
    valore->setObjectName(QString::fromStdString(nome_controllo(q.controllo)));
    valore->setMinimumWidth(LARGHEZZA_VALORE);
    valore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valore->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    valore->setAutoFillBackground(true);
    valore->setBackgroundRole(QPalette::Base);
    c.Label3[r] = valore;
    QLabel* didascalia = etichetta(QString::fromUtf8(q.didascalia));
    c.didascalie.push_back({didascalia, &q});
    g.addWidget(didascalia, riga, 0);
    g.addWidget(valore, riga, 1);
    if (q.label4 < 0) return;
    QLabel* unita = etichetta("");
    unita->setObjectName(nome("Label4", q.label4));
    c.Label4.at(static_cast<std::size_t>(q.label4)) = unita;
    g.addWidget(unita, riga, 2);
}

QGridLayout* griglia() {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    return g;
}

QGridLayout* griglia_campi(std::initializer_list<Dato> campi, Controlli& c) {
    QGridLayout* g = griglia();
    int riga = 0;
    for (const Dato d : campi)
        riga_campo(*g, riga++, d, c);
    g->setColumnStretch(0, 1);
    return g;
}

QGroupBox* cornice_campi(const QString& titolo, std::initializer_list<Dato> campi, Controlli& c) {
    auto* cornice = new QGroupBox(titolo);
    auto* v = new QVBoxLayout(cornice);
    v->addLayout(griglia_campi(campi, c));
    v->addStretch();
    return cornice;
}

QLineEdit* Controlli::campo(const Grandezza& g) const {
    using T = Controllo::Tipo;
    switch (g.controllo.tipo) {
    case T::Text1:
        return Text1.at(static_cast<std::size_t>(g.controllo.indice));
    case T::fichiodo:
        return fichiodo;
    default: // Text2 … Text5
        return Text2_5.at(static_cast<std::size_t>(g.controllo.tipo) -
                          static_cast<std::size_t>(T::Text2));
    }
}

} // namespace tessaro
