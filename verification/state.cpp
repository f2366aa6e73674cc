#include "verification/state.h"

#include "frame/run_state.h"

namespace zormd {

Nachweiszustand N;

void NachweisZustandZuruecksetzen() {
    N = Nachweiszustand{};
}

namespace {
const zor::LaufzustandAnmeldung anmeldung(&NachweisZustandZuruecksetzen);
} // namespace

} // namespace zormd
