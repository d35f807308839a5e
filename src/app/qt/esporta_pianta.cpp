// The plan sheet written to a picture.
#include "app/qt/esporta_pianta.h"

#include "documents/foglio_pianta.h"
#include "documents/salva.h"
#include "files/codifica.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <filesystem>

namespace tessaro {
namespace {

constexpr double LARGHEZZA_MM = 297, ALTEZZA_MM = 210; // A4 landscape
constexpr double MARGINE_MM = 10;                      // white round the sheet's contents

// The sheet on white in a picture of the A4 sheet, punti_per_mm to the mm.
void foglio(QPainter& p, const CalcoTess& f, const Intestazione& i, double punti_per_mm) {
    p.fillRect(QRectF(0, 0, LARGHEZZA_MM * punti_per_mm, ALTEZZA_MM * punti_per_mm), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double m = MARGINE_MM * punti_per_mm;
    disegna_foglio_pianta(
        p, f, i,
        QRectF(m, m, LARGHEZZA_MM * punti_per_mm - 2 * m, ALTEZZA_MM * punti_per_mm - 2 * m),
        punti_per_mm);
}

bool png(const CalcoTess& f, const Intestazione& i, QBuffer& byte) {
    const double punti_per_mm = 200 / 25.4;
    QImage immagine(int(LARGHEZZA_MM * punti_per_mm), int(ALTEZZA_MM * punti_per_mm),
                    QImage::Format_RGB32);
    immagine.setDotsPerMeterX(int(std::lround(punti_per_mm * 1000)));
    immagine.setDotsPerMeterY(int(std::lround(punti_per_mm * 1000)));
    {
        QPainter p(&immagine);
        foglio(p, f, i, punti_per_mm);
    }
    return immagine.save(&byte, "PNG");
}

bool svg(const CalcoTess& f, const Intestazione& i, QBuffer& byte) {
    const int dpi = 96;
    const double punti_per_mm = dpi / 25.4;
    const QSize dimensione(int(LARGHEZZA_MM * punti_per_mm), int(ALTEZZA_MM * punti_per_mm));
    QSvgGenerator generatore;
    generatore.setOutputDevice(&byte);
    generatore.setSize(dimensione);
    generatore.setViewBox(QRect(QPoint(0, 0), dimensione));
    generatore.setResolution(dpi);
    generatore.setTitle(QStringLiteral("Pianta"));
    QPainter p;
    if (!p.begin(&generatore)) return false;
    foglio(p, f, i, punti_per_mm);
    return p.end();
}

} // namespace

bool esporta_pianta(const CalcoTess& f, const Intestazione& intestazione,
                    const std::string& percorso) {
    const std::string estensione = maiuscole(std::filesystem::path(percorso).extension().string());
    if (estensione == ".PDF") return esporta_foglio_pdf(f, intestazione, percorso);
    if (estensione != ".PNG" && estensione != ".SVG") return false;
    QByteArray byte;
    QBuffer uscita(&byte);
    uscita.open(QIODevice::WriteOnly);
    const bool dipinta =
        estensione == ".PNG" ? png(f, intestazione, uscita) : svg(f, intestazione, uscita);
    return dipinta && salva(percorso, byte);
}

} // namespace tessaro
