// Twips of the form model and logical pixels of the Qt window. The model sizes the working
// window at 9930 × 7800 twips; the window maps exactly that size onto its laid-out form, so
// one twip is not the same length across and down.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace tessaro {

class Twips {
  public:
    static constexpr int LARGHEZZA_LAVORO = 9930; // working size of the window, twips
    static constexpr int ALTEZZA_LAVORO = 7800;

    // 15 twips to the pixel, until the window has measured its form.
    Twips() : Twips(QSize(LARGHEZZA_LAVORO / 15, ALTEZZA_LAVORO / 15)) {}
    // The scale at which the working size fills the given form exactly.
    explicit Twips(QSize modulo)
        : per_px_x_(double(LARGHEZZA_LAVORO) / modulo.width()),
          per_px_y_(double(ALTEZZA_LAVORO) / modulo.height()) {}

    int px_x(int twips) const { return int(std::lround(twips / per_px_x_)); }
    int px_y(int twips) const { return int(std::lround(twips / per_px_y_)); }
    int twips_x(int px) const { return int(std::lround(px * per_px_x_)); }
    int twips_y(int px) const { return int(std::lround(px * per_px_y_)); }
    QRect px(int Left, int Top, int Width, int Height) const {
        return {px_x(Left), px_y(Top), px_x(Width), px_y(Height)};
    }

  private:
    double per_px_x_, per_px_y_;
};

} // namespace tessaro
