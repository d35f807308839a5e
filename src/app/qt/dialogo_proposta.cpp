// "Proponi armatura" in the window.
#include "app/qt/dialogo_proposta.h"

#include "proposta/copia.h"
#include "proposta/valori.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QProgressDialog>
#include <QVBoxLayout>

namespace tessaro {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The verdict of the case's own layout in a word or two.
QString esito_breve(Esito e) {
    switch (e) {
    case Esito::verificato_con_chiodi:
        return "verificato";
    case Esito::dettagli_non_rispettati:
        return "dettagli non rispettati";
    case Esito::non_verificato:
        return "non verificato";
    default:
        return "";
    }
}

QString riepilogo(const Proposta& p) {
    const QString calcolate = QString("%1 disposizioni calcolate su %2 possibili")
                                  .arg(p.provate)
                                  .arg(static_cast<qulonglong>(p.possibili));
    if (p.motivo == Motivo::trovata)
        return QString("Le disposizioni di chiodi più leggere che rispettano ogni verifica e "
                       "dettaglio costruttivo (%1). «Applica» scrive nei campi quella scelta.")
            .arg(calcolate);
    return p.provate > 0 ? qs(p.perche) + " (" + calcolate + ")" : qs(p.perche);
}

} // namespace

Proposta cerca_proposta(const CalcoTess& f, QWidget* genitore) {
    QProgressDialog attesa("Ricerca delle disposizioni di chiodi…", QString(), 0, 0, genitore);
    attesa.setWindowTitle("Proponi armatura");
    attesa.setWindowModality(Qt::WindowModal);
    QElapsedTimer tempo;
    tempo.start();
    return proponi(f, [&](int provate) {
        if (tempo.elapsed() < 500) return; // a quick search shows nothing
        attesa.setLabelText(
            QString("Ricerca delle disposizioni di chiodi: %1 calcolate…").arg(provate));
        if (!attesa.isVisible()) attesa.show();
        // The window waits: only its painting and timers run.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

DialogoProposta::DialogoProposta(Proposta p, Sistema sistema, QWidget* genitore)
    : QDialog(genitore), p_(std::move(p)), sistema_(sistema) {
    setObjectName("proposta");
    setWindowTitle("Proponi armatura");
    auto* testo = new QLabel(riepilogo(p_));
    testo->setObjectName("riepilogo");
    testo->setWordWrap(true);

    const QString cm = nome_unita(grandezza(Dato::S1).unita, sistema_);
    const QString mm = nome_unita(grandezza_fichiodo().unita, sistema_);
    tabella_ = new QTableWidget(0, 10);
    tabella_->setObjectName("proposte");
    tabella_->setHorizontalHeaderLabels({"N totali", "N diag", "S1 (" + cm + ")", "S (" + cm + ")",
                                         "φ (" + mm + ")", "Strati", "Chiodi", "Peso (kg)",
                                         "Utilizzo", "Esito"});
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < p_.migliori.size(); ++i)
        riga(static_cast<int>(i), QString::number(i + 1), p_.migliori[i], "verificato");
    if (p_.attuale) { // for comparison, in grey
        const int r = tabella_->rowCount();
        riga(r, "Attuale", *p_.attuale, esito_breve(p_.esito_attuale));
        for (int c = 0; c < tabella_->columnCount(); ++c)
            tabella_->item(r, c)->setForeground(
                palette().color(QPalette::Disabled, QPalette::Text));
    }
    // Every row and column in sight, without scroll bars.
    tabella_->resizeColumnsToContents();
    tabella_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int bordo = 2 * tabella_->frameWidth();
    tabella_->setMinimumWidth(tabella_->verticalHeader()->sizeHint().width() +
                              tabella_->horizontalHeader()->length() + bordo);
    tabella_->setFixedHeight(tabella_->horizontalHeader()->sizeHint().height() +
                             tabella_->verticalHeader()->length() + bordo);

    auto* bottoni = new QDialogButtonBox;
    applica_ = bottoni->addButton("Applica", QDialogButtonBox::AcceptRole);
    applica_->setObjectName("applica");
    QPushButton* chiudi = bottoni->addButton("Chiudi", QDialogButtonBox::RejectRole);
    chiudi->setObjectName("chiudi");
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Only a proposal is applied: the case's own layout is already in the fields.
    const auto proposta_scelta = [this] {
        const int r = tabella_->currentRow();
        return r >= 0 && r < static_cast<int>(p_.migliori.size());
    };
    connect(tabella_, &QTableWidget::itemSelectionChanged, this,
            [this, proposta_scelta] { applica_->setEnabled(proposta_scelta()); });
    connect(tabella_, &QTableWidget::cellDoubleClicked, this, [this, proposta_scelta] {
        if (proposta_scelta()) accept();
    });
    if (!p_.migliori.empty()) tabella_->selectRow(0);
    applica_->setEnabled(proposta_scelta());
    (p_.migliori.empty() ? chiudi : applica_)->setDefault(true);

    auto* v = new QVBoxLayout(this);
    v->addWidget(testo);
    v->addWidget(tabella_);
    v->addWidget(bottoni);
}

void DialogoProposta::riga(int r, const QString& titolo, const Candidato& c, const QString& esito) {
    tabella_->insertRow(r);
    tabella_->setVerticalHeaderItem(r, new QTableWidgetItem(titolo));
    const ValoriCandidato v = valori(c, sistema_);
    int colonna = 0;
    for (const std::string* t :
         {&v.N_totali, &v.N_diag, &v.S1, &v.S, &v.phi, &v.strati, &v.chiodi, &v.kg, &v.utilizzo}) {
        auto* cella = new QTableWidgetItem(qs(*t));
        cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabella_->setItem(r, colonna++, cella);
    }
    tabella_->setItem(r, colonna, new QTableWidgetItem(esito));
}

const Disposizione& DialogoProposta::scelta() const {
    return p_.migliori.at(static_cast<std::size_t>(tabella_->currentRow())).disposizione;
}

void digita_disposizione(const Controlli& c, const Disposizione& d, Sistema sistema) {
    for (const auto& [g, testo] : testi_digitati(d)) {
        const QString t = qs(in_sistema(testo, g->unita, sistema));
        QLineEdit* campo = c.campo(*g);
        if (campo->text() == t) continue;
        campo->selectAll();
        campo->insert(t); // raises textEdited, as typing does
    }
}

} // namespace tessaro
