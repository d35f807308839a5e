// Picture export through the same painter as the window.
#include "drawing/qt/esporta.h"

#include "drawing/qt/pittore.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>

namespace tessaro {
namespace {

constexpr int SCALA_PNG = 4;

bool png(const Canvas& canvas, QSaveFile& file) {
    const int lato = Canvas::LATO_PX * SCALA_PNG;
    QImage immagine(lato, lato, QImage::Format_RGB32);
    {
        QPainter p(&immagine);
        dipingi(p, canvas, lato);
    }
    return immagine.save(&file, "PNG");
}

bool svg(const Canvas& canvas, QSaveFile& file) {
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
    QSaveFile file(nome);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool scritto = come_svg ? svg(canvas, file) : png(canvas, file);
    if (!scritto) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tessaro
