// A bottom-layer header that reaches upward: the layer check must refuse it.
#pragma once

#include "alto/su.h"
