#include "statics/state.h"

namespace zormc {

Statikzustand St;

void StatikZustandZuruecksetzen() {
    St = Statikzustand{};
}

} // namespace zormc
