// The title block of the PDF report: project, element and designer, asked in a small dialog
// before each report and filled with what was confirmed last time, which the user's settings
// keep from one run of the program to the next.
#pragma once

#include "documents/relazione_pdf.h"

#include <QDialog>
#include <QLineEdit>
#include <QSettings>

#include <array>

namespace tessaro {

class DialogoIntestazione : public QDialog {
  public:
    // The three fields in their order in the dialog, with the key each is kept under.
    static constexpr std::array<const char*, 3> CHIAVI{
        "intestazione/progetto", "intestazione/elemento", "intestazione/progettista"};

    DialogoIntestazione(QSettings& impostazioni, QWidget* genitore = nullptr);

    QString progetto() const { return campi_[0]->text().trimmed(); }
    QString elemento() const { return campi_[1]->text().trimmed(); }
    QString progettista() const { return campi_[2]->text().trimmed(); }

    // Confirming keeps the texts for the next report.
    void accept() override;

  private:
    QSettings& impostazioni_;
    std::array<QLineEdit*, 3> campi_{};
};

// The title block last confirmed, with today's date: what the plan's sheets carry.
Intestazione intestazione_ricordata(const QSettings& impostazioni);

} // namespace tessaro
