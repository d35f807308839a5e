// A top-layer header that includes downward, as it may.
#pragma once

#include "basso/giu.h"
