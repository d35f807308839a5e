// The font of the canvas and its metrics, from the fonts actually installed.
#pragma once

#include "form/Canvas.h"

#include <QFont>
#include <QFontMetricsF>

namespace tessaro {

// "Arial Narrow" 8.25 pt (11 canvas pixels), or the closest narrow sans font installed.
QFont font_canvas();

// Text extents in canvas pixels, from the font that font_canvas() actually resolves to.
class MisuraQt : public MisuraTesto {
public:
    MisuraQt() : metriche_(font_canvas()) {}
    double larghezza_px(const std::string& testo) const override;
    double altezza_px(const std::string& testo) const override;

private:
    QFontMetricsF metriche_;
};

} // namespace tessaro
