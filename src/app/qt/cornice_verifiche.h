// The frame "VERIFICHE:" (Frame5): the checks without shear reinforcement (Frame3) and the
// stud-rail design (Frame4).
#pragma once

#include "app/qt/controlli.h"

#include <QGroupBox>

namespace tessaro {

QGroupBox* cornice_verifiche(Controlli& c);

} // namespace tessaro
