// The documented plan of the current case in a widget of any size: white, the plan fitted to
// the widget, then zoomed by the wheel or by "+" and "-", moved by dragging; a legend in the
// top-left corner and a scale bar in the bottom-left one.
#pragma once

#include "form/CalcoTess.h"

#include <QPointF>
#include <QTransform>
#include <QWidget>

namespace tessaro {

class VistaPianta : public QWidget {
  public:
    static constexpr double PASSO_ZOOM = 1.25; // one wheel notch, "+" or "-"
    static constexpr double ZOOM_MIN = 0.2, ZOOM_MAX = 40;

    VistaPianta(const CalcoTess& f, QWidget* genitore = nullptr);

    // Plan cm to widget coordinates: the plan's extent fitted to the widget, then the zoom
    // about the point `fisso` and the pan.
    QTransform trasformazione() const;
    double zoom() const { return zoom_; }

    void adatta();                                   // the whole plan in the widget, as at first
    void ingrandisci(double fattore, QPointF fisso); // `fisso` stays where it is on screen
    void ingrandisci(double fattore) { ingrandisci(fattore, QRectF(rect()).center()); }

    QSize sizeHint() const override { return {900, 700}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    double punti_per_mm() const { return logicalDpiX() / 25.4; } // screen pixels per mm

    const CalcoTess& f_;
    double zoom_ = 1;
    QPointF spostamento_; // of the plan's centre from the widget's centre, widget units
    QPointF trascina_da_; // last pointer position of a drag
    bool trascinando_ = false;
};

} // namespace tessaro
