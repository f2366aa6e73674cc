#include "statics/state.h"

#include "frame/run_state.h"

namespace zormc {

Statikzustand St;

void StatikZustandZuruecksetzen() {
    St = Statikzustand{};
}

namespace {
const zor::LaufzustandAnmeldung anmeldung(&StatikZustandZuruecksetzen);
} // namespace

} // namespace zormc
