#include "earthpressure/stage_b.h"

namespace zormb {

Erddruckzustand B;

void ErddruckZustandZuruecksetzen() {
    B = Erddruckzustand{};
}

void ErddruckBerechnen() {}

} // namespace zormb
