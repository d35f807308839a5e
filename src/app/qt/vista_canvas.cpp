// The plan canvas Pic on screen.
#include "app/qt/vista_canvas.h"

#include "drawing/qt/pittore.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace tessaro {

VistaCanvas::VistaCanvas(const Canvas& Pic, QWidget* parent) : QWidget(parent), Pic_(Pic) {
    setMinimumSize(Canvas::LATO_PX, Canvas::LATO_PX);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip("Doppio clic: pianta grande");
}

QRect VistaCanvas::quadrato() const {
    const int lato = std::min(width(), height());
    return {(width() - lato) / 2, (height() - lato) / 2, lato, lato};
}

QSize VistaCanvas::sizeHint() const {
    return {std::max(Canvas::LATO_PX, height()), Canvas::LATO_PX};
}

// A new height asks the layout for the width that goes with it.
void VistaCanvas::resizeEvent(QResizeEvent* e) {
    const int larghezza = std::max(Canvas::LATO_PX, height());
    if (maximumWidth() != larghezza) setMaximumWidth(larghezza);
    if (e->size().height() != e->oldSize().height()) updateGeometry();
}

void VistaCanvas::mouseDoubleClickEvent(QMouseEvent*) {
    if (doppio_clic) doppio_clic();
}

void VistaCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Paint in device pixels, so that lines and text are sharp on high-density screens; the
    // picture is the canvas's own, scaled to the square.
    const double rapporto = devicePixelRatioF();
    const QRect q = quadrato();
    p.scale(1 / rapporto, 1 / rapporto);
    p.translate(q.topLeft() * rapporto);
    dipingi(p, Pic_, q.width() * rapporto);
}

} // namespace tessaro
