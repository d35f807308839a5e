// The title block of the PDF report.
#include "app/qt/dialogo_intestazione.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

DialogoIntestazione::DialogoIntestazione(QSettings& impostazioni, QWidget* genitore)
    : QDialog(genitore), impostazioni_(impostazioni) {
    setObjectName("intestazione");
    setWindowTitle("Relazione PDF");
    auto* modulo = new QFormLayout;
    const std::array<const char*, 3> didascalie{"&Progetto:", "&Elemento:", "Pro&gettista:"};
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        campi_[i] = new QLineEdit(impostazioni_.value(CHIAVI[i]).toString());
        campi_[i]->setObjectName(QString(CHIAVI[i]).section('/', 1));
        campi_[i]->setMinimumWidth(320);
        modulo->addRow(didascalie[i], campi_[i]);
    }
    campi_[1]->setPlaceholderText("es. solaio piano 2, pilastro P12");

    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    bottoni->button(QDialogButtonBox::Ok)->setText("Crea relazione");
    bottoni->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel("Intestazione della relazione (la data è quella di oggi):"));
    v->addLayout(modulo);
    v->addWidget(bottoni);
}

void DialogoIntestazione::accept() {
    for (std::size_t i = 0; i < campi_.size(); ++i)
        impostazioni_.setValue(CHIAVI[i], campi_[i]->text().trimmed());
    QDialog::accept();
}

Intestazione intestazione_ricordata(const QSettings& impostazioni) {
    const auto testo = [&](std::size_t i) {
        return impostazioni.value(DialogoIntestazione::CHIAVI[i]).toString().toStdString();
    };
    return {testo(0), testo(1), testo(2), data_odierna()};
}

} // namespace tessaro
