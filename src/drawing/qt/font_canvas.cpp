// The font of the canvas and its metrics.
#include "drawing/qt/font_canvas.h"

#include <QFontDatabase>
#include <QString>

namespace tessaro {

QFont font_canvas() {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setStretch(QFont::Condensed); // steers the fallback towards a narrow face
    // The original face first, then its metric-compatible twins, then any condensed sans.
    for (const char* famiglia : {"Arial Narrow", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                                 "DejaVu Sans Condensed"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(famiglia))) {
            font.setFamily(QString::fromLatin1(famiglia));
            font.setStretch(QFont::AnyStretch);
            break;
        }
    }
    // 8.25 pt on the canvas's 96 dpi is 11 pixels. Sized in pixels, the text keeps the same
    // extent on the screen, in the PNG and in the SVG whatever their resolution. Hinted only
    // vertically, the glyphs are crisp while the advances stay unrounded, so the extents
    // scale exactly with the painter and the labels sit where the metrics say.
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

double MisuraQt::larghezza_px(const std::string& testo) const {
    return metriche_.horizontalAdvance(QString::fromStdString(testo));
}

double MisuraQt::altezza_px(const std::string&) const { return metriche_.height(); }

} // namespace tessaro
