// The documented plan on screen and in the exported pictures.
#include "app/qt/vista_pianta.h"

#include "documents/pianta_quotata.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr double MARGINE_MM = 6; // white around the plan, the legend and the scale bar
constexpr double SCALA_MM = 64;  // room for the longest scale bar with its last label

// Plan cm to the device: the extent of the plan centred in `area` at the largest scale that
// fits, y pointing up, then zoomed by `zoom` about the centre and moved by `spostamento`.
QTransform adatta_a(const QRectF& estensione, const QRectF& area, double zoom,
                    QPointF spostamento) {
    if (estensione.isEmpty() || area.isEmpty()) return {};
    const double scala =
        zoom * std::min(area.width() / estensione.width(), area.height() / estensione.height());
    QTransform t;
    t.translate(area.center().x() + spostamento.x(), area.center().y() + spostamento.y());
    t.scale(scala, -scala);
    t.translate(-estensione.center().x(), -estensione.center().y());
    return t;
}

// The column on the left of `area` that holds the legend and the scale bar: the plan is never
// drawn under them, however it is zoomed or moved.
QRectF colonna(const QRectF& area, double punti_per_mm) {
    QPicture misura; // the legend painted nowhere, to learn its size
    QPainter p(&misura);
    const double larghezza =
        std::max(disegna_legenda(p, {}, punti_per_mm).width(), SCALA_MM * punti_per_mm);
    return {area.topLeft(), QSizeF(larghezza + 2 * MARGINE_MM * punti_per_mm, area.height())};
}

// Where the plan is fitted: right of the column, inside the margin.
QRectF area_pianta(const QRectF& area, double punti_per_mm) {
    const double m = MARGINE_MM * punti_per_mm;
    return area.adjusted(colonna(area, punti_per_mm).width(), m, -m, -m);
}

// The plan with the legend and the scale bar; `t` maps plan cm to the device.
void disegna(QPainter& p, const CalcoTess& f, const QRectF& area, const QTransform& t,
             double punti_per_mm) {
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    disegna_pianta_quotata(p, f, t, punti_per_mm);
    const QRectF c = colonna(area, punti_per_mm);
    p.fillRect(c, Qt::white);
    p.setPen(QPen(QColor(200, 200, 200), 0));
    p.drawLine(c.topRight(), c.bottomRight());
    const double m = MARGINE_MM * punti_per_mm;
    disegna_legenda(p, c.topLeft() + QPointF(m, m), punti_per_mm, f.sistema);
    disegna_scala_grafica(p, c.bottomLeft() + QPointF(m, -2 * m), t, punti_per_mm, f.sistema);
}

} // namespace

VistaPianta::VistaPianta(const CalcoTess& f, QWidget* genitore) : QWidget(genitore), f_(f) {
    setObjectName("vista_pianta");
    setAttribute(Qt::WA_OpaquePaintEvent); // white everywhere
    setMinimumSize(200, 160);
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QTransform VistaPianta::trasformazione() const {
    return adatta_a(estensione_pianta(f_), area_pianta(rect(), punti_per_mm()), zoom_,
                    spostamento_);
}

void VistaPianta::adatta() {
    zoom_ = 1;
    spostamento_ = {};
    update();
}

// The point under `fisso` is the same plan point before and after: the plan's centre moves
// away from it in proportion to the zoom.
void VistaPianta::ingrandisci(double fattore, QPointF fisso) {
    const double nuovo = std::clamp(zoom_ * fattore, ZOOM_MIN, ZOOM_MAX);
    const double k = nuovo / zoom_;
    const QPointF centro = area_pianta(rect(), punti_per_mm()).center();
    spostamento_ = fisso - centro - k * (fisso - centro - spostamento_);
    zoom_ = nuovo;
    update();
}

void VistaPianta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    disegna(p, f_, rect(), trasformazione(), punti_per_mm());
}

void VistaPianta::wheelEvent(QWheelEvent* e) {
    const double tacche = e->angleDelta().y() / 120.0;
    if (tacche != 0) ingrandisci(std::pow(PASSO_ZOOM, tacche), e->position());
    e->accept();
}

void VistaPianta::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    trascinando_ = true;
    trascina_da_ = e->position();
    setCursor(Qt::ClosedHandCursor);
}

void VistaPianta::mouseMoveEvent(QMouseEvent* e) {
    if (!trascinando_) return;
    spostamento_ += e->position() - trascina_da_;
    trascina_da_ = e->position();
    update();
}

void VistaPianta::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    trascinando_ = false;
    setCursor(Qt::OpenHandCursor);
}

void VistaPianta::mouseDoubleClickEvent(QMouseEvent*) {
    adatta();
}

} // namespace tessaro
