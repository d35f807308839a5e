// The plan canvas Pic on screen: 236 × 236 logical pixels, painted sharp at any device pixel
// ratio from the model's display list.
#pragma once

#include "form/Canvas.h"

#include <QWidget>

#include <functional>

namespace tessaro {

class VistaCanvas : public QWidget {
  public:
    VistaCanvas(const Canvas& Pic, QWidget* parent = nullptr);

    std::function<void()> doppio_clic; // opens the large plan

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    const Canvas& Pic_;
};

} // namespace tessaro
