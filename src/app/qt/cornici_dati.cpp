// The input frames of the form.
#include "app/qt/cornici_dati.h"

#include "app/qt/campo_testo.h"
#include "app/qt/righe.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <initializer_list>

namespace tessaro {
namespace {

// Option buttons of one group, created in index order; the QButtonGroup keeps them exclusive
// and numbers them with their index.
template <std::size_t N>
void opzioni(const char* controllo, std::initializer_list<const char*> didascalie,
             std::array<QRadioButton*, N>& bottoni, Controlli& c, QWidget* genitore,
             QBoxLayout& disposizione) {
    auto* gruppo = new QButtonGroup(genitore);
    gruppo->setObjectName(controllo);
    int i = 0;
    for (const char* d : didascalie) {
        auto* b = new QRadioButton(QString::fromUtf8(d));
        b->setObjectName(QString("%1(%2)").arg(controllo).arg(i));
        gruppo->addButton(b, i);
        bottoni.at(static_cast<std::size_t>(i++)) = b;
        c.ordine_tab.push_back(b);
        disposizione.addWidget(b);
    }
}

} // namespace

QGroupBox* cornice_pilastro(Controlli& c) {
    auto* cornice = new QGroupBox("PILASTRO:");
    auto* v = new QVBoxLayout(cornice);
    opzioni("Option1",
            {"Rettangolare", "Circolare", "Rett. + semicerchi", "Ottagonale", "Superf. imposta",
             "Parete"},
            c.Option1, c, cornice, *v);
    return cornice;
}

QGroupBox* cornice_posizione(Controlli& c) {
    auto* cornice = new QGroupBox("Posizione:");
    auto* v = new QVBoxLayout(cornice);
    opzioni("Option2", {"Centrale", "Di bordo", "D'angolo"}, c.Option2, c, cornice, *v);
    v->addStretch();
    return cornice;
}

QGroupBox* cornice_sollecitazioni(Controlli& c) {
    auto* cornice = new QGroupBox("Sollecitazioni:");
    auto* v = new QVBoxLayout(cornice);
    auto* formato = new QHBoxLayout;
    opzioni("Option3", {"T.A.", "S.L.U."}, c.Option3, c, cornice, *formato);
    formato->addStretch();
    v->addLayout(formato);
    v->addLayout(griglia_campi({36, 35, 34, 27, 37, 0, 1, 2, 3}, c));
    return cornice;
}

QGroupBox* cornice_soletta(Controlli& c) {
    return cornice_campi("Dati soletta:", {4, 5, 6, 7, 8, 9, 10, 38, 24, 25}, c);
}

QGroupBox* cornice_materiali(Controlli& c) {
    return cornice_campi("Materiali:", {11, 12, 13, 14, 15, 26}, c);
}

QGroupBox* cornice_primo_perimetro(Controlli& c) {
    QGroupBox* cornice =
        cornice_campi("Verifica sul primo perim.", {22, 21, 20, 33, 19, 18, 17, 16, 23, 32}, c);
    // Results, not inputs: read-only and looking so, skipped by Tab.
    for (const int i : CAMPI_RISULTATO) {
        CampoTesto* e = c.Text1[static_cast<std::size_t>(i)];
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        e->setPalette(p);
    }
    return cornice;
}

} // namespace tessaro
