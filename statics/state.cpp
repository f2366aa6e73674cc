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

// ---- earth pressure of the stage for the deep slip plane
namespace zormc {
Erddrucklisten EL;
} // namespace zormc
