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

// The position is a result of the calculation: its three names, the one found marked, none
// of them to click or to reach with Tab.
QGroupBox* cornice_posizione(Controlli& c) {
    auto* cornice = new QGroupBox("Posizione:");
    cornice->setObjectName("Posizione");
    cornice->setToolTip(QString::fromUtf8(
        "Posizione trovata dal calcolo, non da scegliere: fra pilastro centrale, di bordo e "
        "d'angolo vale quella con il perimetro di verifica u1 più corto, date le distanze dai "
        "bordi liberi della soletta Db_a e Db_b (in «Dati soletta»)."));
    auto* v = new QVBoxLayout(cornice);
    int i = 0;
    for (const char* d : {"Centrale", "Di bordo", "D'angolo"}) {
        QLabel* l = etichetta(QString::fromUtf8(d));
        l->setObjectName(QString("Option2(%1)").arg(i));
        l->setAccessibleName(QString::fromUtf8(d));
        l->setMargin(2);
        c.Option2.at(static_cast<std::size_t>(i++)) = l;
        v->addWidget(l);
    }
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
    v->addLayout(griglia_campi({Dato::qc, Dato::Nc, Dato::Mxc, Dato::Myc, Dato::gamma_q, Dato::qd,
                                Dato::Nd, Dato::Mxd, Dato::Myd},
                               c));
    return cornice;
}

QGroupBox* cornice_soletta(Controlli& c) {
    QGroupBox* cornice = cornice_campi("Dati soletta:", {Dato::H, Dato::deff, Dato::a, Dato::b, Dato::rox, Dato::roy, Dato::ro_eff, Dato::Db_a,
                          Dato::Db_b, Dato::Dmax}, c);
    // The slab-edge distances are lengths like the others, and what they decide is not plain
    // from their names: the unit in the caption, the rule in a tooltip. The axis rotation may
    // exchange their names, so the tooltip speaks of both.
    const QString suggerimento = QString::fromUtf8(
        "Distanza netta dal pilastro al bordo libero della soletta: Db_a lungo il lato a, "
        "Db_b lungo il lato b (il calcolo scambia i nomi quando ruota gli assi). Con le due "
        "distanze il calcolo trova la posizione del pilastro, centrale, di bordo o d'angolo: "
        "quella con il perimetro di verifica u1 più corto; una distanza grande (1000) vuol dire "
        "nessun bordo vicino.");
    for (DidascaliaGrandezza& d : c.didascalie)
        if (d.grandezza == &grandezza(Dato::Db_a) || d.grandezza == &grandezza(Dato::Db_b)) {
            d.suffisso_tecnico = " (cm)";
            d.etichetta->setToolTip(suggerimento);
            d.etichetta->buddy()->setProperty(SUGGERIMENTO, suggerimento);
        }
    return cornice;
}

QGroupBox* cornice_materiali(Controlli& c) {
    return cornice_campi(
        "Materiali:", {Dato::Rck, Dato::gamma_c, Dato::nu, Dato::fyk, Dato::gamma_f, Dato::fywd_ef},
        c);
}

QGroupBox* cornice_primo_perimetro(Controlli& c) {
    QGroupBox* cornice = cornice_campi("Verifica sul primo perim.",
                                       {Dato::k, Dato::u0, Dato::u1, Dato::Rid_foro, Dato::Aq,
                                        Dato::W1x, Dato::W1y, Dato::betax, Dato::betay, Dato::beta},
                                       c);
    // Results, not inputs: read-only and looking so, skipped by Tab.
    for (const Grandezza& g : grandezze) {
        if (!campo_di_risultato(g)) continue;
        QLineEdit* e = c.campo(g);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        e->setPalette(p);
    }
    return cornice;
}

} // namespace tessaro
