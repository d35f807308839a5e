// The documented plan written to a picture.
#include "app/qt/esporta_pianta.h"

#include "app/qt/vista_pianta.h"
#include "documents/relazione_pdf.h"
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

bool png(const CalcoTess& f, QBuffer& byte) {
    const double punti_per_mm = 200 / 25.4;
    QImage immagine(int(LARGHEZZA_MM * punti_per_mm), int(ALTEZZA_MM * punti_per_mm),
                    QImage::Format_RGB32);
    immagine.setDotsPerMeterX(int(std::lround(punti_per_mm * 1000)));
    immagine.setDotsPerMeterY(int(std::lround(punti_per_mm * 1000)));
    {
        QPainter p(&immagine);
        dipingi_pianta(p, f, immagine.rect(), punti_per_mm);
    }
    return immagine.save(&byte, "PNG");
}

bool svg(const CalcoTess& f, QBuffer& byte) {
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
    dipingi_pianta(p, f, QRectF(QPointF(0, 0), dimensione), punti_per_mm);
    return p.end();
}

} // namespace

bool esporta_pianta(const CalcoTess& f, const std::string& percorso) {
    const std::string estensione = maiuscole(std::filesystem::path(percorso).extension().string());
    if (estensione == ".PDF") return esporta_pianta_pdf(f, percorso);
    if (estensione != ".PNG" && estensione != ".SVG") return false;
    QByteArray byte;
    QBuffer uscita(&byte);
    uscita.open(QIODevice::WriteOnly);
    const bool dipinta = estensione == ".PNG" ? png(f, uscita) : svg(f, uscita);
    return dipinta && salva(percorso, byte);
}

} // namespace tessaro
