// The plan canvas Pic on screen.
#include "app/qt/vista_canvas.h"

#include "drawing/qt/pittore.h"

#include <QPainter>

namespace tessaro {

VistaCanvas::VistaCanvas(const Canvas& Pic, QWidget* parent) : QWidget(parent), Pic_(Pic) {
    setFixedSize(Canvas::LATO_PX, Canvas::LATO_PX);
    setAttribute(Qt::WA_OpaquePaintEvent); // the painter fills the whole square
    setToolTip("Doppio clic: pianta grande");
}

void VistaCanvas::mouseDoubleClickEvent(QMouseEvent*) {
    if (doppio_clic) doppio_clic();
}

void VistaCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Paint in device pixels, so that lines and text are sharp on high-density screens.
    const double rapporto = devicePixelRatioF();
    p.scale(1 / rapporto, 1 / rapporto);
    dipingi(p, Pic_, Canvas::LATO_PX * rapporto);
}

} // namespace tessaro
