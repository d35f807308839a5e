// The plan canvas Pic on screen: 236 × 236 logical pixels, painted sharp at any device pixel
// ratio from the model's display list.
#pragma once

#include "form/Canvas.h"

#include <QWidget>

namespace tessaro {

class VistaCanvas : public QWidget {
  public:
    VistaCanvas(const Canvas& Pic, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    const Canvas& Pic_;
};

} // namespace tessaro
