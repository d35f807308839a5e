// Picture export through the same painter as the window.
#include "drawing/qt/esporta.h"

#include "drawing/qt/pittore.h"
#include "files/file_testo.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

namespace tessaro {
namespace {

constexpr int SCALA_PNG = 4;

bool png(const Canvas& canvas, QIODevice& file) {
    const int lato = Canvas::LATO_PX * SCALA_PNG;
    QImage immagine(lato, lato, QImage::Format_RGB32);
    {
        QPainter p(&immagine);
        dipingi(p, canvas, lato);
    }
    return immagine.save(&file, "PNG");
}

bool svg(const Canvas& canvas, QIODevice& file) {
    QSvgGenerator generatore;
    generatore.setOutputDevice(&file);
    generatore.setSize(QSize(Canvas::LATO_PX, Canvas::LATO_PX));
    generatore.setViewBox(QRectF(0, 0, Canvas::LATO_PX, Canvas::LATO_PX));
    generatore.setResolution(96);
    generatore.setTitle(QStringLiteral("Pianta"));
    QPainter p;
    if (!p.begin(&generatore)) return false;
    dipingi(p, canvas, Canvas::LATO_PX);
    return p.end();
}

} // namespace

bool esporta(const Canvas& canvas, const std::string& percorso) {
    const QString nome = QString::fromStdString(percorso);
    const bool come_svg = nome.endsWith(QStringLiteral(".svg"));
    if (!come_svg && !nome.endsWith(QStringLiteral(".png"))) return false;
    // Drawn in memory first: a writer that reports a short write as success can then never cut
    // the file, and the old picture goes only when every byte of the new one is on the disk.
    QByteArray byte;
    QBuffer memoria(&byte);
    if (!memoria.open(QIODevice::WriteOnly)) return false;
    const bool disegnato = come_svg ? svg(canvas, memoria) : png(canvas, memoria);
    if (!disegnato || byte.isEmpty() || memoria.pos() != byte.size()) return false;
    return sostituisci_file(percorso, std::string_view(byte.constData(),
                                                       static_cast<std::size_t>(byte.size())));
}

} // namespace tessaro
