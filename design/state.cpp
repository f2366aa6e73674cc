#include "design/state.h"

#include "frame/run_state.h"

namespace zorm0 {
Kreiszustand K;
}

namespace zormd {
Bemessungswerte BW;
Ankerwerte AW;
Bemessungsstufe BS;
} // namespace zormd

namespace zor {
void BemessungLaufZuruecksetzen() {
    zormd::BW = zormd::Bemessungswerte{};
    zorm0::K = zorm0::Kreiszustand{};
    zormd::AW = zormd::Ankerwerte{};
    zormd::BS = zormd::Bemessungsstufe{};
}

namespace {
const LaufzustandAnmeldung anmeldung(&BemessungLaufZuruecksetzen);
}
} // namespace zor
