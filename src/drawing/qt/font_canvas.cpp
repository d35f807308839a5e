// The font of the canvas and its metrics.
#include "drawing/qt/font_canvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>

namespace tessaro {

QFont font_canvas() {
    QFont font;
    // Metric-compatible narrow faces first, then any condensed sans.
    for (const char* famiglia : {"Arial Narrow", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                                 "DejaVu Sans Condensed", "Liberation Sans", "DejaVu Sans"}) {
        if (QFontDatabase::hasFamily(famiglia)) {
            font = QFont(famiglia);
            break;
        }
    }
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

double MisuraQt::larghezza_px(const std::string& testo) const {
    return metriche_.horizontalAdvance(QString::fromStdString(testo));
}

double MisuraQt::altezza_px(const std::string&) const { return metriche_.height(); }

} // namespace tessaro
