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

void riga_campo(QGridLayout& g, int riga, int i, Controlli& c) {
    const DidascaliaCampo& d = didascalie_Text1.at(static_cast<std::size_t>(i));
    QLabel* l = etichetta(QString::fromUtf8(d.testo));
    if (d.label1 >= 0) c.Label1.push_back({l, d.label1, d.testo});
    auto* campo = new CampoTesto;
    campo->setObjectName(nome("Text1", i));
    campo->setFixedWidth(LARGHEZZA_CAMPO);
    l->setBuddy(campo);
    c.Text1.at(static_cast<std::size_t>(i)) = campo;
    c.ordine_tab.push_back(campo);
    g.addWidget(l, riga, 0);
    g.addWidget(campo, riga, 1);
}

void riga_risultato(QGridLayout& g, int riga, const QString& didascalia, int i3, int i4,
                    Controlli& c) {
    QLabel* valore = etichetta("");
    valore->setObjectName(nome("Label3", i3));
    valore->setMinimumWidth(LARGHEZZA_VALORE);
    valore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valore->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    valore->setAutoFillBackground(true);
    valore->setBackgroundRole(QPalette::Base);
    c.Label3.at(static_cast<std::size_t>(i3)) = valore;
    g.addWidget(etichetta(didascalia), riga, 0);
    g.addWidget(valore, riga, 1);
    if (i4 < 0) return;
    QLabel* unita = etichetta("");
    unita->setObjectName(nome("Label4", i4));
    c.Label4.at(static_cast<std::size_t>(i4)) = unita;
    g.addWidget(unita, riga, 2);
}

QGridLayout* griglia() {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    return g;
}

QGridLayout* griglia_campi(std::initializer_list<int> campi, Controlli& c) {
    QGridLayout* g = griglia();
    int riga = 0;
    for (const int i : campi)
        riga_campo(*g, riga++, i, c);
    g->setColumnStretch(0, 1);
    return g;
}

QGroupBox* cornice_campi(const QString& titolo, std::initializer_list<int> campi, Controlli& c) {
    auto* cornice = new QGroupBox(titolo);
    auto* v = new QVBoxLayout(cornice);
    v->addLayout(griglia_campi(campi, c));
    v->addStretch();
    return cornice;
}

} // namespace tessaro
