#include "verification/state.h"

#include "frame/project_data.h"
#include "frame/run_state.h"

namespace zormd {

Nachweiszustand N;

void NachweisZustandZuruecksetzen() {
    N = Nachweiszustand{};
    // The running design values of the depth grid start every run from 0 (they are project values
    // only because the design stage reads them).
    auto& P = zorm1::P;
    P.BemMaxMoment = P.BemMaxQuerkraft = P.BemMinNormalkraft = P.BemVerbauDruck = 0.0f;
    P.BemVerbauDruckFlag = 0;
}

namespace {
const zor::LaufzustandAnmeldung anmeldung(&NachweisZustandZuruecksetzen);
} // namespace

} // namespace zormd
