#pragma once
// The Visual-Basic error number a call raises, 0 when it raises none.
#include "platform/runtime/errors.h"

template <class F> int VbErrorOf(F&& f) {
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e.number();
    }
    return 0;
}
