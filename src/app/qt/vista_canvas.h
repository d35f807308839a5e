// The plan canvas Pic on screen: a square as large as its room allows, never below the
// canvas's own 236 × 236 pixels, painted sharp at any size and device pixel ratio from the
// model's display list. It takes no more width than its height can use, so that the width
// it cannot use goes to the frames beside it.
#pragma once

#include "form/Canvas.h"

#include <QWidget>

#include <functional>

namespace tessaro {

class VistaCanvas : public QWidget {
  public:
    VistaCanvas(const Canvas& Pic, QWidget* parent = nullptr);

    std::function<void()> doppio_clic; // opens the large plan

    // Where the canvas is painted: the largest square of the widget, centred.
    QRect quadrato() const;
    // As wide as its height, which the window's height decides; as high as the canvas.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    const Canvas& Pic_;
};

} // namespace tessaro
