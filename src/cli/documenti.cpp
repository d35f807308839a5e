// The documents of a script line, each through its writer in documents/.
#include "cli/documenti.h"

#include "documents/distinta.h"
#include "documents/dxf.h"
#include "documents/relazione_pdf.h"

#include <QCoreApplication>

namespace tessaro {

Documenti documenti_qt() {
    Documenti d;
    d.relazione = [](const CalcoTess& f, const std::string& percorso) {
        Intestazione i;
        i.data = data_odierna();
        return esporta_relazione_pdf(f, i, percorso);
    };
    d.pianta = esporta_pianta_pdf;
    d.dxf = esporta_dxf;
    d.distinta = esporta_distinta_csv;
    return d;
}

ScrittoreDocumenti documenti_lotto() {
    return [d = documenti_qt()](const CalcoTess& f, const std::string& base) {
        bool scritti = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&] {
                // Each document tried, so that one refused write does not hide the others.
                const bool pdf = d.relazione(f, base + ".pdf");
                const bool dxf = d.dxf(f, base + ".dxf");
                const bool csv = d.distinta(f, base + ".csv");
                scritti = pdf && dxf && csv;
            },
            Qt::BlockingQueuedConnection);
        return scritti;
    };
}

} // namespace tessaro
