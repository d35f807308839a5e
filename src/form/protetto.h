// The fault boundary of the event handlers.
#pragma once

#include "numeric/aritmetica.h"

namespace tessaro {

// Runs a handler's body; an arithmetic or conversion fault ends it quietly, keeping what it
// had already written.
template <class Corpo> void protetto(Corpo&& corpo) {
    try {
        corpo();
    } catch (const Fault&) {
    }
}

} // namespace tessaro
