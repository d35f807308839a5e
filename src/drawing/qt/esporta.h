// Writes the picture of the canvas to a file.
#pragma once

#include "form/Canvas.h"

#include <string>

namespace tessaro {

// SVG when the path ends in ".svg" (236 × 236 px, vector), PNG when it ends in ".png" (four
// times the canvas's pixel size). The file is replaced only when the whole picture was
// written; false when the path has another ending or the writing failed.
bool esporta(const Canvas& canvas, const std::string& percorso);

} // namespace tessaro
