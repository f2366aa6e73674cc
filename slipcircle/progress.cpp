#include "slipcircle/progress.h"

namespace Zormg {

namespace {
Fortschritt still;
Fortschritt* beobachter = &still;
} // namespace

Fortschritt* FortschrittAnschliessen(Fortschritt* neu) {
    Fortschritt* alt = beobachter == &still ? nullptr : beobachter;
    beobachter = neu ? neu : &still;
    return alt;
}

Fortschritt& Beobachter() {
    return *beobachter;
}

} // namespace Zormg
