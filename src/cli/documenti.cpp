// The documents of a script line, each through its writer in documents/.
#include "cli/documenti.h"

#include "documents/distinta.h"
#include "documents/dxf.h"
#include "documents/relazione_pdf.h"

#include <QDate>

namespace tessaro {

Documenti documenti_qt() {
    Documenti d;
    d.relazione = [](const CalcoTess& f, const std::string& percorso) {
        Intestazione i;
        i.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
        return esporta_relazione_pdf(f, i, percorso);
    };
    d.pianta = esporta_pianta_pdf;
    d.dxf = esporta_dxf;
    d.distinta = esporta_distinta_csv;
    return d;
}

} // namespace tessaro
