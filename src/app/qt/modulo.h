// The working form: the frames in four columns, the plan canvas with its axis sketch, and the
// command buttons.
#pragma once

#include "app/qt/controlli.h"
#include "form/Canvas.h"

#include <QWidget>

namespace tessaro {

QWidget* modulo(const Canvas& Pic, Controlli& c, QWidget* genitore);

} // namespace tessaro
